// Decomposition through the real calculator library, with the values a
// charting practitioner would write down for these charts.

#include <gtest/gtest.h>

#include <string>

#include "analysis/chart_analysis.h"
#include "tarnel_calculator.h"

namespace bazi {
namespace {

struct Expected {
  std::string character, element, tenGod;
  int ordinal;
};

template <typename Slot>
void expectSlot(const Slot& slot, const Expected& expected) {
  EXPECT_EQ(slot.character, expected.character);
  EXPECT_EQ(slot.element, expected.element);
  EXPECT_EQ(slot.tenGod, expected.tenGod);
  EXPECT_EQ(slot.ordinal, expected.ordinal);
}

class RealDecomposition : public ::testing::Test {
 protected:
  TarnelCalculator calculator;
  ChartAnalysis analysis;
};

TEST_F(RealDecomposition, AChartWithSpacesAndTheBoxClear) {
  decomposeChart(analysis, calculator, "甲子 乙丑　丙寅 丁卯", false);
  const Expected pillars[8] = {
      {"甲", "木", "偏印", 1}, {"子", "水", "偏官", 1}, {"乙", "木", "正印", 2},
      {"丑", "土", "伤官", 2}, {"丙", "火", "比肩", 3}, {"寅", "木", "偏印", 3},
      {"丁", "火", "劫财", 4}, {"卯", "木", "正印", 4},
  };
  const Expected hidden[12] = {
      {"癸", "水", "正官", 10}, {"", "", "", 0},          {"", "", "", 0},
      {"己", "土", "伤官", 6},  {"癸", "水", "正官", 10}, {"辛", "金", "正财", 8},
      {"甲", "木", "偏印", 1},  {"丙", "火", "比肩", 3},  {"戊", "土", "食神", 5},
      {"乙", "木", "正印", 2},  {"", "", "", 0},          {"", "", "", 0},
  };
  for (size_t i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    expectSlot(analysis.pillars[i], pillars[i]);
  }
  for (size_t k = 0; k < 12; ++k) {
    SCOPED_TRACE(k);
    expectSlot(analysis.hiddenStems[k], hidden[k]);
  }
}

TEST_F(RealDecomposition, TickingTheBoxChangesOnlyTheTenGodsOfHaiZiSiWu) {
  const std::string chart = "甲子丁巳丙午己亥";
  decomposeChart(analysis, calculator, chart, false);
  const ChartAnalysis boxClear = analysis;
  decomposeChart(analysis, calculator, chart, true);

  // Day stem 丙, yang fire. Clear: 子 yang, 巳 yin, 午 yang, 亥 yin; ticked: the reverse.
  const std::string clearGods[8] = {"偏印", "偏官", "劫财", "劫财", "比肩", "比肩", "伤官", "正官"};
  const std::string tickedGods[8] = {"偏印", "正官", "劫财", "比肩",
                                     "比肩", "劫财", "伤官", "偏官"};
  for (size_t i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(boxClear.pillars[i].tenGod, clearGods[i]);
    EXPECT_EQ(analysis.pillars[i].tenGod, tickedGods[i]);
    EXPECT_EQ(analysis.pillars[i].character, boxClear.pillars[i].character);
    EXPECT_EQ(analysis.pillars[i].element, boxClear.pillars[i].element);
    EXPECT_EQ(analysis.pillars[i].ordinal, boxClear.pillars[i].ordinal);
  }
  for (size_t k = 0; k < 12; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(analysis.hiddenStems[k].character, boxClear.hiddenStems[k].character);
    EXPECT_EQ(analysis.hiddenStems[k].element, boxClear.hiddenStems[k].element);
    EXPECT_EQ(analysis.hiddenStems[k].tenGod, boxClear.hiddenStems[k].tenGod);
    EXPECT_EQ(analysis.hiddenStems[k].ordinal, boxClear.hiddenStems[k].ordinal);
  }
}

TEST_F(RealDecomposition, TheDayStemIsItsOwnShoulder) {
  for (const std::string stem : {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"}) {
    SCOPED_TRACE(stem);
    for (bool ticked : {false, true}) {
      decomposeChart(analysis, calculator, "甲子乙丑" + stem + "寅丁卯", ticked);
      EXPECT_EQ(analysis.pillars[kDayStem].tenGod, "比肩");
    }
  }
}

TEST_F(RealDecomposition, AnEmptyChartLeavesEverythingEmpty) {
  decomposeChart(analysis, calculator, "甲子乙丑丙寅丁卯", false);
  decomposeChart(analysis, calculator, "", false);
  for (const PillarSlot& pillar : analysis.pillars) expectSlot(pillar, {"", "", "", 0});
  for (const HiddenStemSlot& slot : analysis.hiddenStems) expectSlot(slot, {"", "", "", 0});
}

TEST_F(RealDecomposition, ShortAndShiftedChartsGiveEmptyAnswersForBrokenCharacters) {
  decomposeChart(analysis, calculator, "甲子乙丑丙寅丁1", false);
  expectSlot(analysis.pillars[kHourStem], {"丁", "火", "劫财", 4});
  expectSlot(analysis.pillars[kHourBranch], {"1", "", "", 0});
  for (size_t k = 9; k < 12; ++k) expectSlot(analysis.hiddenStems[k], {"", "", "", 0});

  // The shift also breaks the day stem, so no pillar has a ten god.
  decomposeChart(analysis, calculator, "甲子乙1丑丙寅丁卯", false);
  expectSlot(analysis.pillars[kMonthStem], {"乙", "木", "", 2});
  expectSlot(analysis.pillars[kMonthBranch], {"1\xB3", "", "", 0});
}

TEST_F(RealDecomposition, ABranchInTheDayStemsPlaceGivesNoTenGods) {
  decomposeChart(analysis, calculator, "甲子乙丑寅丙丁卯", false);
  for (const PillarSlot& pillar : analysis.pillars) EXPECT_EQ(pillar.tenGod, "");
  for (const HiddenStemSlot& slot : analysis.hiddenStems) EXPECT_EQ(slot.tenGod, "");
  EXPECT_EQ(analysis.pillars[kDayStem].element, "木");
}

}  // namespace
}  // namespace bazi
