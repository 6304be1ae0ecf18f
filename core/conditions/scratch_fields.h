#pragma once
// The scratch fields of the analysis as a set of bits. Rows write only some of
// them, and only for some charts, so a run that splits the charts between
// several analyses needs to know which ones each part wrote to end with the
// state one analysis walking all charts would have.

#include "analysis/chart_analysis.h"
#include "conditions/condition_panel.h"

namespace bazi {

using ScratchFields = unsigned;
inline constexpr ScratchFields kCurrentSubjectField = 1u << 0;
// elementCounts[i], characterCounts[i] and tenGodCounts[i].
inline constexpr ScratchFields elementCountField(int i) { return 1u << (1 + i); }
inline constexpr ScratchFields characterCountField(int i) { return 1u << (4 + i); }
inline constexpr ScratchFields tenGodCountField(int i) { return 1u << (7 + i); }
inline constexpr ScratchFields kAllScratchFields = (1u << 10) - 1;

// Copies the scratch fields in `fields` from one analysis to another.
void copyScratchFields(ScratchFields fields, const ChartAnalysis& from, ChartAnalysis& to);

// The scratch fields the row's count test writes whenever it is called; they
// depend on the row alone, not on the chart.
ScratchFields countTestWrites(Group group, const ConditionRow& row);

// rowSatisfied that also tells whether the row's count test was called.
bool rowSatisfied(Group group, const ConditionRow& row, ChartAnalysis& analysis,
                  PillarCalculator& calculator, bool& countTested);

}  // namespace bazi
