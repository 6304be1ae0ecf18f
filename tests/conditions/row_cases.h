#pragma once
// Condition rows run against charts that the real calculator library
// decomposes. A case names its selections by the texts the panel shows.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "analysis/chart_analysis.h"
#include "conditions/condition_panel.h"
#include "tarnel_calculator.h"
#include "text/gbk_codec.h"

namespace bazi::testing {

// The one calculator of the test program, loaded from the program's folder.
inline TarnelCalculator& calculator() {
  static TarnelCalculator instance;
  return instance;
}

inline ChartAnalysis decomposed(std::string_view chart, bool yinYangSwap = false) {
  ChartAnalysis analysis;
  decomposeChart(analysis, calculator(), chart, yinYangSwap);
  return analysis;
}

// What currentSubject holds before a row runs; still there afterwards means
// no count test ran.
inline constexpr std::string_view kUntouched = "untouched";

struct RowCase {
  const char* what;  // shown when the case fails
  std::string_view chart;
  std::string_view subject;
  std::string_view position;
  std::string_view count;
  // Reveal caption for groups A and F ("none": no button selected); the
  // caption of the row's check box ("不透", "藏干无") to tick it.
  std::string_view extra;
  bool satisfied;
  std::optional<std::string_view> settled = std::nullopt;  // currentSubject afterwards
};

inline ConditionRow rowOf(Group group, const RowCase& c) {
  ConditionPanel panel;
  setRowChoice(panel, group, 1, RowField::Subject, c.subject);
  setRowChoice(panel, group, 1, RowField::Position, c.position);
  setRowChoice(panel, group, 1, RowField::Count, c.count);
  ConditionRow row = panel.row(group, 1);
  if (c.extra == "none") {
    row.reveal = RevealOption::None;
  } else if (c.extra == "不透" && groupInfo(group).extra == RowExtra::NotRevealed) {
    row.notRevealed = true;
  } else if (c.extra == "藏干无") {
    row.noHiddenStem = true;
  } else if (!c.extra.empty()) {
    setRowChoice(panel, group, 1, RowField::Reveal, c.extra);
    row.reveal = panel.row(group, 1).reveal;
  }
  return row;
}

inline void expectRow(Group group, const RowCase& c) {
  SCOPED_TRACE(std::string("group ") + groupInfo(group).letter + ": " + c.what + " [" +
               gbk::toUtf8(c.chart) + "]");
  const ConditionRow row = rowOf(group, c);
  ChartAnalysis analysis = decomposed(c.chart);
  analysis.currentSubject = kUntouched;
  EXPECT_EQ(rowSatisfied(group, row, analysis, calculator()), c.satisfied);
  if (c.settled) {
    EXPECT_EQ(gbk::toUtf8(analysis.currentSubject), gbk::toUtf8(*c.settled));
  }
}

}  // namespace bazi::testing
