#pragma once
// The tests of the seven evaluated condition groups, one unit per group. A row
// is satisfied when positionMatches, countMatches and revealMatches (none for
// group D) return true, called in this order and each only after the one
// before returned true: countMatches leaves the settled subject and its counts
// in the scratch fields of the analysis, where revealMatches reads them.
// countWrites names the scratch fields countMatches writes for the row.

#include "analysis/chart_analysis.h"
#include "conditions/condition_panel.h"
#include "conditions/scratch_fields.h"

namespace bazi {

struct GroupTests {
  bool (*positionMatches)(const ConditionRow&, const ChartAnalysis&, PillarCalculator&);
  bool (*countMatches)(const ConditionRow&, ChartAnalysis&, PillarCalculator&);
  bool (*revealMatches)(const ConditionRow&, const ChartAnalysis&, PillarCalculator&);  // or null
  ScratchFields (*countWrites)(const ConditionRow&);
};

// Group A: Elements over the eight characters, with the reveal radios.
extern const GroupTests kChartElementRows;
// Group B: Elements among the twelve hidden stems, with "不透".
extern const GroupTests kHiddenElementRows;
// Group C: Stems among the four stems, with "藏干无".
extern const GroupTests kStemRows;
// Group D: Branches among the four branches; no third test.
extern const GroupTests kBranchRows;
// Group E: Stems among the twelve hidden stems, with "不透".
extern const GroupTests kHiddenStemRows;
// Group F: Ten gods over the seven counted places, with the reveal radios.
extern const GroupTests kChartTenGodRows;
// Group G: Ten gods among the twelve hidden stems, with "不透".
extern const GroupTests kHiddenTenGodRows;

}  // namespace bazi
