// Group A: an element at a position among the eight characters, its count over
// stems and branches, and the reveal radios on its stem and hidden-stem counts.

#include "conditions/group_tests.h"
#include "conditions/row_shape.h"

namespace bazi::chart_element_rows {
namespace {

using namespace rows;

constinit const RowShape kShape{ElementList,       CountList8,         kChartPlaces,
                                Field::Element,    PillarCandidates{}, stemElementCount,
                                branchElementCount};

bool positionMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                     PillarCalculator& calculator) {
  return rows::positionMatches(kShape, preparedTables<kShape>(), row, analysis, calculator);
}

bool countMatches(const ConditionRow& row, ChartAnalysis& analysis, PillarCalculator& calculator) {
  const HiddenTexts hidden = hiddenTexts(analysis, Field::Element);
  return settleFirstHolding(kShape, preparedTables<kShape>(), row, analysis,
                            [&](const std::string& element) {
                              auto& counts = analysis.elementCounts;
                              counts[0] = stemElementCount(analysis, calculator, element);
                              counts[1] = branchElementCount(analysis, calculator, element);
                              counts[2] = calculator.取藏干五行数量(hidden, element);
                              return counts[0] + counts[1];
                            });
}

ScratchFields countWrites(const ConditionRow& row) {
  return countTestWrites(
      kShape, row,
      kCurrentSubjectField | elementCountField(0) | elementCountField(1) | elementCountField(2));
}

bool revealMatches(const ConditionRow& row, const ChartAnalysis& analysis, PillarCalculator&) {
  return revealHolds(row.reveal, analysis.elementCounts[0], analysis.elementCounts[2]);
}

}  // namespace
}  // namespace bazi::chart_element_rows

namespace bazi {

constinit const GroupTests kChartElementRows{
    chart_element_rows::positionMatches, chart_element_rows::countMatches,
    chart_element_rows::revealMatches, chart_element_rows::countWrites};

}  // namespace bazi
