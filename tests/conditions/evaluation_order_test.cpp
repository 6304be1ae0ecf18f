// Which calculator counts a row takes, in which order, and where it stops.

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "forwarding_calculator.h"
#include "row_cases.h"

namespace bazi::testing {
namespace {

// Passes every call on to the real calculator and notes the counting calls.
class RecordingCalculator final : public ForwardingCalculator {
 public:
  RecordingCalculator() : ForwardingCalculator(calculator()) {}
  std::vector<std::string> calls;

 protected:
  void noteCall(std::string_view name) override {
    static constexpr std::string_view kDecomposition[] = {"element", "ordinal", "tenGod",
                                                          "hiddenStems"};
    if (std::find(std::begin(kDecomposition), std::end(kDecomposition), name) ==
        std::end(kDecomposition)) {
      calls.emplace_back(name);
    }
  }
  void noteOccurrences(const std::string& text, const std::string& part) override {
    calls.push_back("occurrences of " + part + " in " + text);
  }
};

using Calls = std::vector<std::string>;

Calls callsOf(Group group, const RowCase& c) {
  const ConditionRow row = rowOf(group, c);
  ChartAnalysis analysis = decomposed(c.chart);
  RecordingCalculator recording;
  EXPECT_EQ(rowSatisfied(group, row, analysis, recording), c.satisfied) << c.what;
  return recording.calls;
}

constexpr std::string_view kPlain = "甲子乙丑丙寅丁卯";

TEST(EvaluationOrder, AFailedPositionTakesNoCount) {
  EXPECT_EQ(callsOf(Group::A, {"", "甲申乙酉丙申丁卯", "金", "天干", "3", "", false}),
            Calls{"stemElements"});
  EXPECT_EQ(callsOf(Group::E, {"", kPlain, "甲", "年柱", "非0", "不透", false}), Calls{});
}

TEST(EvaluationOrder, AFailedCountSkipsTheRevealTest) {
  EXPECT_EQ(callsOf(Group::B, {"", kPlain, "金", "不固定", "4", "不透", false}),
            Calls{"hiddenElements"});
  EXPECT_EQ(callsOf(Group::B, {"", kPlain, "金", "不固定", "1", "不透", true}),
            (Calls{"hiddenElements", "stemElements"}));
}

TEST(EvaluationOrder, EachCandidateTakesItsCountsUntilOneHolds) {
  // 正印 and 偏印 occur twice; 正官 is the first absent ten god.
  EXPECT_EQ(callsOf(Group::F, {"", kPlain, "不指定", "不固定", "0", "", true}),
            (Calls{"stemTenGods", "branchTenGods", "hiddenTenGods", "stemTenGods", "branchTenGods",
                   "hiddenTenGods", "stemTenGods", "branchTenGods", "hiddenTenGods"}));
}

TEST(EvaluationOrder, CharacterCountsGoThroughTheJoinedTexts) {
  EXPECT_EQ(callsOf(Group::C, {"", kPlain, "丙", "日干", "1", "藏干无", false}),
            (Calls{"occurrences of 丙 in 甲乙丙丁", "occurrences of 丙 in 癸己癸辛甲丙戊乙"}));
  EXPECT_EQ(callsOf(Group::D, {"", kPlain, "寅", "不固定", "1", "", true}),
            Calls{"occurrences of 寅 in 子丑寅卯"});
  EXPECT_EQ(callsOf(Group::E, {"", kPlain, "辛", "月柱", "1", "不透", true}),
            (Calls{"occurrences of 辛 in 癸己癸辛甲丙戊乙", "occurrences of 辛 in 甲乙丙丁"}));
  EXPECT_EQ(callsOf(Group::G, {"", kPlain, "正财", "月柱", "1", "不透", true}),
            (Calls{"hiddenTenGods", "occurrences of 正财 in 偏印正印比肩劫财"}));
}

// The settled subject and its counts, left for the reveal test of the same row.
TEST(ScratchFields, EachGroupWritesItsOwnCounts) {
  struct Case {
    Group group;
    RowCase row;
    std::array<int, 3> ChartAnalysis::*counts;
    std::array<int, 3> expected;  // -1: left as it was
  };
  const Case cases[] = {
      {Group::A,
       {"", kPlain, "木", "不固定", "4", "", true},
       &ChartAnalysis::elementCounts,
       {2, 2, 2}},
      {Group::B,
       {"", kPlain, "土", "不固定", "2", "", true},
       &ChartAnalysis::elementCounts,
       {-1, -1, 2}},
      {Group::C,
       {"", kPlain, "乙", "不固定", "1", "", true},
       &ChartAnalysis::characterCounts,
       {1, -1, -1}},
      {Group::D,
       {"", kPlain, "卯", "不固定", "1", "", true},
       &ChartAnalysis::characterCounts,
       {-1, 1, -1}},
      {Group::E,
       {"", kPlain, "癸", "不固定", "2", "", true},
       &ChartAnalysis::characterCounts,
       {-1, -1, 2}},
      {Group::F,
       {"", kPlain, "伤官", "不固定", "1", "", true},
       &ChartAnalysis::tenGodCounts,
       {0, 1, 1}},
      {Group::G,
       {"", kPlain, "正官", "不固定", "2", "", true},
       &ChartAnalysis::tenGodCounts,
       {-1, -1, 2}},
  };
  for (const Case& c : cases) {
    ChartAnalysis analysis = decomposed(c.row.chart);
    analysis.elementCounts = analysis.characterCounts = analysis.tenGodCounts = {-1, -1, -1};
    EXPECT_TRUE(rowSatisfied(c.group, rowOf(c.group, c.row), analysis, calculator()));
    EXPECT_EQ(analysis.*c.counts, c.expected) << groupInfo(c.group).letter;
    EXPECT_EQ(analysis.currentSubject, c.row.subject) << groupInfo(c.group).letter;
  }
}

TEST(RowSatisfied, UnsetAndShenshaRowsAreNeverSatisfied) {
  ChartAnalysis analysis = decomposed(kPlain);
  const ConditionRow unset{.subject = 0, .count = 10};  // ">=0"
  for (Group group : kEvaluatedGroups) {
    EXPECT_FALSE(rowSatisfied(group, unset, analysis, calculator()));
  }
  const ConditionRow shensha{.subject = 1};
  EXPECT_FALSE(rowSatisfied(Group::H, shensha, analysis, calculator()));
}

TEST(RowSatisfied, SelectionsOutsideTheirListsFail) {
  ChartAnalysis analysis = decomposed(kPlain);
  const ConditionRow rows[] = {
      {.subject = 7, .position = 0, .count = 9},   // ElementList has 7 items
      {.subject = 2, .position = 11, .count = 9},  // ChartPositionList has 11
      {.subject = 1, .position = 0, .count = 30},  // CountList8 has 30
      {.subject = 1, .position = 0, .count = -1}, {.subject = -1, .position = 0, .count = 9},
  };
  for (const ConditionRow& row : rows) {
    EXPECT_FALSE(rowSatisfied(Group::A, row, analysis, calculator()))
        << row.subject << " " << row.position << " " << row.count;
  }
}

}  // namespace
}  // namespace bazi::testing
