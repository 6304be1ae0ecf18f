// What decomposition asks the calculator, in which order, and where each
// answer lands.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "analysis/chart_analysis.h"
#include "recording_calculator.h"

namespace bazi {
namespace {

using fakes::CalculatorCall;
using fakes::RecordingCalculator;

const std::string kChart = "甲子乙丑丙寅丁卯";
const std::vector<std::string> kCharacters = {"甲", "子", "乙", "丑", "丙", "寅", "丁", "卯"};

class Decomposition : public ::testing::Test {
 protected:
  Decomposition() {
    calculator.hiddenStemsOf = {{"子", "癸"}, {"丑", "己癸辛"}, {"寅", "甲丙"}, {"卯", "乙丙丁戊"}};
  }

  std::map<std::string, int> callsPerFunction() const {
    std::map<std::string, int> counts;
    for (const CalculatorCall& call : calculator.calls) ++counts[call.function];
    return counts;
  }

  RecordingCalculator calculator;
  ChartAnalysis analysis;
};

// The three calls each hidden-stem slot gets, empty slots included.
void addSlotCalls(std::vector<CalculatorCall>& calls, const std::string& stem) {
  calls.push_back({"取十神关系", {"丙", stem, "1"}});
  calls.push_back({"取干支五行", {stem}});
  calls.push_back({"取干支序数", {stem}});
}

TEST_F(Decomposition, AsksPillarByPillarStepByStepThenBranchByBranch) {
  decomposeChart(analysis, calculator, kChart, false);

  std::vector<CalculatorCall> expected;
  for (const std::string& c : kCharacters) expected.push_back({"取干支五行", {c}});
  for (const std::string& c : kCharacters) expected.push_back({"取干支序数", {c}});
  for (const std::string& c : kCharacters) expected.push_back({"取十神关系", {"丙", c, "1"}});
  expected.push_back({"取地支藏干", {"子"}});
  for (const char* stem : {"癸", "", ""}) addSlotCalls(expected, stem);
  expected.push_back({"取地支藏干", {"丑"}});
  for (const char* stem : {"己", "癸", "辛"}) addSlotCalls(expected, stem);
  expected.push_back({"取地支藏干", {"寅"}});
  for (const char* stem : {"甲", "丙", ""}) addSlotCalls(expected, stem);
  // Eight bytes are no hidden-stem text: all three slots stay empty.
  expected.push_back({"取地支藏干", {"卯"}});
  for (const char* stem : {"", "", ""}) addSlotCalls(expected, stem);
  EXPECT_EQ(calculator.calls, expected);
}

TEST_F(Decomposition, AnEmptyChartStillCostsSixtyFourCalls) {
  decomposeChart(analysis, calculator, "", false);
  const std::map<std::string, int> expected = {
      {"取干支五行", 20}, {"取干支序数", 20}, {"取十神关系", 20}, {"取地支藏干", 4}};
  EXPECT_EQ(callsPerFunction(), expected);
  for (const CalculatorCall& call : calculator.calls) {
    EXPECT_EQ(call.arguments[0], "");
    if (call.function == "取十神关系") {
      EXPECT_EQ(call.arguments[1], "");
    }
  }
}

TEST_F(Decomposition, TheBoxDecidesOnlyTheThirdArgumentOfTenGodCalls) {
  decomposeChart(analysis, calculator, kChart, false);
  std::vector<CalculatorCall> boxClear = calculator.calls;
  calculator.calls.clear();
  decomposeChart(analysis, calculator, kChart, true);
  ASSERT_EQ(calculator.calls.size(), boxClear.size());
  for (size_t i = 0; i < boxClear.size(); ++i) {
    if (boxClear[i].function == "取十神关系") {
      ASSERT_EQ(boxClear[i].arguments[2], "1");
      boxClear[i].arguments[2] = "0";
    }
    EXPECT_EQ(calculator.calls[i], boxClear[i]) << "call " << i;
  }
}

TEST_F(Decomposition, EachAnswerLandsInItsOwnPillar) {
  decomposeChart(analysis, calculator, kChart, true);
  for (size_t i = 0; i < 8; ++i) {
    const PillarSlot& pillar = analysis.pillars[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(pillar.character, kCharacters[i]);
    EXPECT_EQ(pillar.element, RecordingCalculator::elementFor(kCharacters[i]));
    EXPECT_EQ(pillar.ordinal, RecordingCalculator::ordinalFor(kCharacters[i]));
    EXPECT_EQ(pillar.tenGod, RecordingCalculator::tenGodFor("丙", kCharacters[i], 0));
  }
}

struct HiddenStemCase {
  const char* what;
  std::string answer;
  std::vector<std::string> slots;
};

TEST_F(Decomposition, HiddenStemTextIsCutIntoSlotsByItsLength) {
  const HiddenStemCase cases[] = {
      {"one stem", "癸", {"癸", "", ""}},
      {"two stems", "丁己", {"丁", "己", ""}},
      {"three stems", "戊乙癸", {"戊", "乙", "癸"}},
      {"none", "", {"", "", ""}},
      {"odd length", "甲a", {"", "", ""}},
      {"too long", "甲乙丙丁", {"", "", ""}},
  };
  for (const HiddenStemCase& c : cases) {
    SCOPED_TRACE(c.what);
    // The hour branch, so the slots are the last three.
    calculator.hiddenStemsOf = {{"卯", c.answer}};
    decomposeChart(analysis, calculator, kChart, false);
    for (size_t k = 0; k < 3; ++k) {
      const HiddenStemSlot& slot = analysis.hiddenStems[9 + k];
      EXPECT_EQ(slot.character, c.slots[k]);
      EXPECT_EQ(slot.element, RecordingCalculator::elementFor(c.slots[k]));
      EXPECT_EQ(slot.ordinal, RecordingCalculator::ordinalFor(c.slots[k]));
      EXPECT_EQ(slot.tenGod, RecordingCalculator::tenGodFor("丙", c.slots[k], 1));
    }
  }
}

TEST_F(Decomposition, OverwritesEverySlotAndLeavesTheScratchFieldsAlone) {
  analysis.currentSubject = "木";
  analysis.elementCounts = {1, 2, 3};
  analysis.characterCounts = {4, 5, 6};
  analysis.tenGodCounts = {7, 8, 9};
  decomposeChart(analysis, calculator, kChart, false);
  decomposeChart(analysis, calculator, "", false);

  for (const PillarSlot& pillar : analysis.pillars) {
    EXPECT_EQ(pillar.character, "");
    EXPECT_EQ(pillar.element, RecordingCalculator::elementFor(""));
  }
  for (const HiddenStemSlot& slot : analysis.hiddenStems) {
    EXPECT_EQ(slot.character, "");
    EXPECT_EQ(slot.tenGod, RecordingCalculator::tenGodFor("", "", 1));
  }
  EXPECT_EQ(analysis.currentSubject, "木");
  EXPECT_EQ(analysis.elementCounts, (std::array<int, 3>{1, 2, 3}));
  EXPECT_EQ(analysis.characterCounts, (std::array<int, 3>{4, 5, 6}));
  EXPECT_EQ(analysis.tenGodCounts, (std::array<int, 3>{7, 8, 9}));
}

TEST_F(Decomposition, HiddenStemsComeFromTheBranchesAlreadyInThePillars) {
  analysis.pillars[kDayStem].character = "壬";
  analysis.pillars[kYearBranch].character = "丑";
  analysis.pillars[kMonthBranch].character = "子";
  analysis.pillars[kDayBranch].character = "";
  analysis.pillars[kHourBranch].character = "寅";
  analyseHiddenStems(analysis, calculator, false);

  std::vector<std::string> asked;
  for (const CalculatorCall& call : calculator.calls) {
    if (call.function == "取地支藏干") asked.push_back(call.arguments[0]);
    if (call.function == "取十神关系") {
      EXPECT_EQ(call.arguments[0], "壬");
    }
  }
  EXPECT_EQ(asked, (std::vector<std::string>{"丑", "子", "", "寅"}));
  EXPECT_EQ(calculator.calls.size(), 40u);
  EXPECT_EQ(analysis.hiddenStems[0].character, "己");
  EXPECT_EQ(analysis.hiddenStems[3].character, "癸");
  EXPECT_EQ(analysis.hiddenStems[9].character, "甲");
}

}  // namespace
}  // namespace bazi
