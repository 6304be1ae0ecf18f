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

// Group A: Elements over the eight characters, with the reveal radios.
namespace chart_element_rows {
bool positionMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                     PillarCalculator& calculator);
bool countMatches(const ConditionRow& row, ChartAnalysis& analysis, PillarCalculator& calculator);
ScratchFields countWrites(const ConditionRow& row);
bool revealMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                   PillarCalculator& calculator);
}  // namespace chart_element_rows

// Group B: Elements among the twelve hidden stems, with "不透".
namespace hidden_element_rows {
bool positionMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                     PillarCalculator& calculator);
bool countMatches(const ConditionRow& row, ChartAnalysis& analysis, PillarCalculator& calculator);
ScratchFields countWrites(const ConditionRow& row);
bool revealMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                   PillarCalculator& calculator);
}  // namespace hidden_element_rows

// Group C: Stems among the four stems, with "藏干无".
namespace stem_rows {
bool positionMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                     PillarCalculator& calculator);
bool countMatches(const ConditionRow& row, ChartAnalysis& analysis, PillarCalculator& calculator);
ScratchFields countWrites(const ConditionRow& row);
bool revealMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                   PillarCalculator& calculator);
}  // namespace stem_rows

// Group D: Branches among the four branches; no third test.
namespace branch_rows {
bool positionMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                     PillarCalculator& calculator);
bool countMatches(const ConditionRow& row, ChartAnalysis& analysis, PillarCalculator& calculator);
ScratchFields countWrites(const ConditionRow& row);
}  // namespace branch_rows

// Group E: Stems among the twelve hidden stems, with "不透".
namespace hidden_stem_rows {
bool positionMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                     PillarCalculator& calculator);
bool countMatches(const ConditionRow& row, ChartAnalysis& analysis, PillarCalculator& calculator);
ScratchFields countWrites(const ConditionRow& row);
bool revealMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                   PillarCalculator& calculator);
}  // namespace hidden_stem_rows

// Group F: Ten gods over the seven counted places, with the reveal radios.
namespace chart_ten_god_rows {
bool positionMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                     PillarCalculator& calculator);
bool countMatches(const ConditionRow& row, ChartAnalysis& analysis, PillarCalculator& calculator);
ScratchFields countWrites(const ConditionRow& row);
bool revealMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                   PillarCalculator& calculator);
}  // namespace chart_ten_god_rows

// Group G: Ten gods among the twelve hidden stems, with "不透".
namespace hidden_ten_god_rows {
bool positionMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                     PillarCalculator& calculator);
bool countMatches(const ConditionRow& row, ChartAnalysis& analysis, PillarCalculator& calculator);
ScratchFields countWrites(const ConditionRow& row);
bool revealMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                   PillarCalculator& calculator);
}  // namespace hidden_ten_god_rows

}  // namespace bazi
