// The counting functions, through the binding and, for null arguments, by
// calling the library's exports directly.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "calculator_library.h"
#include "tarnel_calculator.h"
#include "tarnel_exports.h"

namespace bazi {
namespace {

class Counting : public ::testing::Test {
 protected:
  TarnelCalculator calculator;
};

TEST_F(Counting, FourStemOrBranchElementsAgainstOne) {
  EXPECT_EQ(calculator.取天干五行数量("木", "火", "木", "土", "木"), 2);
  EXPECT_EQ(calculator.取天干五行数量("金", "金", "金", "金", "金"), 4);
  EXPECT_EQ(calculator.取天干五行数量("木", "火", "木", "土", "水"), 0);
  EXPECT_EQ(calculator.取地支五行数量("水", "土", "水", "水", "水"), 3);
  EXPECT_EQ(calculator.取地支五行数量("水", "土", "水", "水", "火"), 0);
}

TEST_F(Counting, TwelveHiddenElementsAgainstOne) {
  const std::string wood = "木", fire = "火", none;
  const std::array<const std::string*, 12> elements = {&wood, &none, &none, &fire, &wood, &wood,
                                                       &none, &none, &none, &fire, &fire, &wood};
  EXPECT_EQ(calculator.取藏干五行数量(elements, "木"), 4);
  EXPECT_EQ(calculator.取藏干五行数量(elements, "火"), 3);
  EXPECT_EQ(calculator.取藏干五行数量(elements, "金"), 0);
}

TEST_F(Counting, TenGodsOfStemsBranchesAndHiddenStems) {
  EXPECT_EQ(calculator.取天干十神数量("正印", "偏印", "正印", "正印"), 2);
  EXPECT_EQ(calculator.取天干十神数量("正印", "偏印", "正印", "正官"), 0);
  EXPECT_EQ(calculator.取地支十神数量("比肩", "比肩", "劫财", "比肩", "比肩"), 3);
  const std::string eat = "食神", hurt = "伤官";
  std::array<const std::string*, 12> gods;
  gods.fill(&eat);
  gods[11] = &hurt;
  EXPECT_EQ(calculator.取藏干十神数量(gods, "食神"), 11);
  EXPECT_EQ(calculator.取藏干十神数量(gods, "伤官"), 1);
}

struct OccurrenceCase {
  const char* what;
  std::string text;
  std::string part;
  int count;
};

TEST_F(Counting, OccurrencesOfACharacterOrName) {
  const OccurrenceCase cases[] = {
      {"absent", "甲乙丙丁", "戊", 0},
      {"one character", "甲乙甲丁", "甲", 2},
      {"every hidden stem", "癸己癸辛癸", "癸", 3},
      {"ten-god names", "正印偏印正印比肩", "正印", 2},
      {"matches do not overlap", "比肩比肩比肩", "比肩比肩", 1},
      // 准准 is D7 BC D7 BC: its middle bytes BC D7 spell 甲 across two characters.
      {"never across a character boundary", "准准", "甲", 0},
      {"a match right after the straddle", "准准甲", "甲", 1},
      {"after a single-byte character", "1甲", "甲", 1},
      {"empty part", "甲乙", "", 0},
      {"empty text", "", "甲", 0},
      {"part longer than text", "甲", "甲乙", 0},
  };
  for (const OccurrenceCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(calculator.取干支数量(c.text, c.part), c.count);
  }
}

// Null arguments never come through the binding, so these call the exports.
class NullArguments : public ::testing::Test {
 protected:
  template <typename Function>
  Function* exported(const char8_t* name) {
    return reinterpret_cast<Function*>(library.require(reinterpret_cast<const char*>(name)));
  }
  CalculatorLibrary library{kCalculatorLibraryFile};
};

TEST_F(NullArguments, ReadAsTheEmptyText) {
  auto* element = exported<decltype(::取干支五行)>(u8"取干支五行");
  auto* ordinal = exported<decltype(::取干支序数)>(u8"取干支序数");
  auto* tenGod = exported<decltype(::取十神关系)>(u8"取十神关系");
  auto* hidden = exported<decltype(::取地支藏干)>(u8"取地支藏干");
  EXPECT_STREQ(element(nullptr), "");
  EXPECT_EQ(ordinal(nullptr), 0);
  EXPECT_STREQ(tenGod(nullptr, "甲", 1), "");
  EXPECT_STREQ(tenGod("甲", nullptr, 0), "");
  EXPECT_STREQ(hidden(nullptr), "");
}

TEST_F(NullArguments, CountAsEmptyTexts) {
  auto* stemElements = exported<decltype(::取天干五行数量)>(u8"取天干五行数量");
  auto* branchElements = exported<decltype(::取地支五行数量)>(u8"取地支五行数量");
  auto* hiddenElements = exported<decltype(::取藏干五行数量)>(u8"取藏干五行数量");
  auto* occurrences = exported<decltype(::取干支数量)>(u8"取干支数量");
  auto* stemGods = exported<decltype(::取天干十神数量)>(u8"取天干十神数量");
  auto* branchGods = exported<decltype(::取地支十神数量)>(u8"取地支十神数量");
  auto* hiddenGods = exported<decltype(::取藏干十神数量)>(u8"取藏干十神数量");
  const char* n = nullptr;
  EXPECT_EQ(stemElements(n, "木", n, "木", "木"), 2);
  EXPECT_EQ(stemElements(n, "木", "", "火", n), 2);
  EXPECT_EQ(branchElements("水", n, n, n, "水"), 1);
  EXPECT_EQ(hiddenElements("土", n, n, n, n, n, n, n, n, n, n, "土", "土"), 2);
  EXPECT_EQ(hiddenElements(n, n, n, n, n, n, n, n, n, n, n, n, n), 12);
  EXPECT_EQ(occurrences(n, "甲"), 0);
  EXPECT_EQ(occurrences("甲", n), 0);
  EXPECT_EQ(occurrences(n, n), 0);
  EXPECT_EQ(stemGods(n, "正印", n, "正印"), 1);
  EXPECT_EQ(branchGods(n, n, "比肩", n, "比肩"), 1);
  EXPECT_EQ(hiddenGods(n, n, n, n, n, n, n, n, n, n, n, "食神", "食神"), 1);
}

}  // namespace
}  // namespace bazi
