// The calculator's answers against the tradition, through the binding. The
// tables here are written out by hand, never derived from the library.

#include <gtest/gtest.h>

#include <string>

#include "tarnel_calculator.h"

namespace bazi {
namespace {

std::string characterAt(const std::string& characters, size_t index) {
  return characters.substr(2 * index, 2);
}

const std::string kStems = "甲乙丙丁戊己庚辛壬癸";
const std::string kBranches = "子丑寅卯辰巳午未申酉戌亥";
const std::string kColumns = kStems + kBranches;

class PillarFacts : public ::testing::Test {
 protected:
  TarnelCalculator calculator;
};

TEST_F(PillarFacts, ElementsAndOrdinalsOfAllTwentyTwoCharacters) {
  const std::string elements =
      "木木火火土土金金水水"
      "水土木木土火火土金金土水";
  const int ordinals[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  for (size_t i = 0; i < 22; ++i) {
    const std::string character = characterAt(kColumns, i);
    SCOPED_TRACE(i);
    EXPECT_EQ(calculator.取干支五行(character), characterAt(elements, i));
    EXPECT_EQ(calculator.取干支序数(character), ordinals[i]);
  }
}

TEST_F(PillarFacts, HiddenStemsOfAllTwelveBranchesMainStemFirst) {
  const char* hidden[] = {"癸",   "己癸辛", "甲丙戊", "乙", "戊乙癸", "丙庚戊",
                          "丁己", "己丁乙", "庚壬戊", "辛", "戊辛丁", "壬甲"};
  for (size_t i = 0; i < 12; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(calculator.取地支藏干(characterAt(kBranches, i)), hidden[i]);
  }
  EXPECT_EQ(calculator.取地支藏干("甲"), "");
}

TEST_F(PillarFacts, AnythingButOneStemOrBranchHasNoFacts) {
  for (const std::string text : {"", "中", "a", "甲子", "甲a", "\xBC", "\xA1\xA1"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(calculator.取干支五行(text), "");
    EXPECT_EQ(calculator.取干支序数(text), 0);
    EXPECT_EQ(calculator.取地支藏干(text), "");
    EXPECT_EQ(calculator.取十神关系("甲", text, 1), "");
    EXPECT_EQ(calculator.取十神关系("甲", text, 0), "");
  }
}

// Ten gods in their usual one-character short forms: 才 偏财, 杀 偏官, 枭 偏印.
std::string tenGodFromShortForm(const std::string& shortForm) {
  const std::string forms = "比劫食伤才财杀官枭印";
  const char* names[] = {"比肩", "劫财", "食神", "伤官", "偏财",
                         "正财", "偏官", "正官", "偏印", "正印"};
  for (size_t i = 0; i < 10; ++i) {
    if (characterAt(forms, i) == shortForm) return names[i];
  }
  ADD_FAILURE() << "no ten god for this short form";
  return {};
}

// One row per day stem 甲 … 癸; columns 甲 … 癸 then 子 … 亥.
void expectTenGods(TarnelCalculator& calculator, const char* const (&rows)[10], int swapFlag) {
  for (size_t day = 0; day < 10; ++day) {
    const std::string row = rows[day];
    ASSERT_EQ(row.size(), 44u);
    for (size_t column = 0; column < 22; ++column) {
      SCOPED_TRACE(testing::Message() << "day " << day << ", column " << column);
      EXPECT_EQ(
          calculator.取十神关系(characterAt(kStems, day), characterAt(kColumns, column), swapFlag),
          tenGodFromShortForm(characterAt(row, column)));
    }
  }
}

TEST_F(PillarFacts, TenGodsWithBranchPolarityByOrder) {
  // Flag 1: 子 yang, 巳 yin, 午 yang, 亥 yin, like every other branch by order.
  // clang-format off
  const char* const rows[10] = {
      "比劫食伤才财杀官枭印" "枭财比劫才伤食财杀官才印",  // 甲
      "劫比伤食财才官杀印枭" "印才劫比财食伤才官杀财枭",  // 乙
      "枭印比劫食伤才财杀官" "杀伤枭印食劫比伤才财食官",  // 丙
      "印枭劫比伤食财才官杀" "官食印枭伤比劫食财才伤杀",  // 丁
      "杀官枭印比劫食伤才财" "才劫杀官比印枭劫食伤比财",  // 戊
      "官杀印枭劫比伤食财才" "财比官杀劫枭印比伤食劫才",  // 己
      "才财杀官枭印比劫食伤" "食印才财枭官杀印比劫枭伤",  // 庚
      "财才官杀印枭劫比伤食" "伤枭财才印杀官枭劫比印食",  // 辛
      "食伤才财杀官枭印比劫" "比官食伤杀财才官枭印杀劫",  // 壬
      "伤食财才官杀印枭劫比" "劫杀伤食官才财杀印枭官比",  // 癸
  };
  // clang-format on
  expectTenGods(calculator, rows, 1);
}

TEST_F(PillarFacts, TenGodsWithSwappedPolarityOfHaiZiSiWu) {
  // Flag 0: 子 yin, 巳 yang, 午 yin, 亥 yang, as their main hidden stems.
  // clang-format off
  const char* const rows[10] = {
      "比劫食伤才财杀官枭印" "印财比劫才食伤财杀官才枭",  // 甲
      "劫比伤食财才官杀印枭" "枭才劫比财伤食才官杀财印",  // 乙
      "枭印比劫食伤才财杀官" "官伤枭印食比劫伤才财食杀",  // 丙
      "印枭劫比伤食财才官杀" "杀食印枭伤劫比食财才伤官",  // 丁
      "杀官枭印比劫食伤才财" "财劫杀官比枭印劫食伤比才",  // 戊
      "官杀印枭劫比伤食财才" "才比官杀劫印枭比伤食劫财",  // 己
      "才财杀官枭印比劫食伤" "伤印才财枭杀官印比劫枭食",  // 庚
      "财才官杀印枭劫比伤食" "食枭财才印官杀枭劫比印伤",  // 辛
      "食伤才财杀官枭印比劫" "劫官食伤杀才财官枭印杀比",  // 壬
      "伤食财才官杀印枭劫比" "比杀伤食官财才杀印枭官劫",  // 癸
  };
  // clang-format on
  expectTenGods(calculator, rows, 0);
}

TEST_F(PillarFacts, AnyFlagButZeroKeepsPolarityByOrder) {
  EXPECT_EQ(calculator.取十神关系("甲", "子", 2), "偏印");
  EXPECT_EQ(calculator.取十神关系("甲", "子", -1), "偏印");
  EXPECT_EQ(calculator.取十神关系("甲", "子", 0), "正印");
}

TEST_F(PillarFacts, TenGodsAreTakenAgainstAStemOnly) {
  for (const std::string day : {"子", "亥", "", "中", "甲甲"}) {
    SCOPED_TRACE(day);
    EXPECT_EQ(calculator.取十神关系(day, "甲", 1), "");
    EXPECT_EQ(calculator.取十神关系(day, "子", 0), "");
  }
}

}  // namespace
}  // namespace bazi
