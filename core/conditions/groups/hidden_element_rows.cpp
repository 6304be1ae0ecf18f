// Group B: an element among the hidden stems of a pillar, its count among all
// twelve hidden stems, and with "不透" none of the four stems carrying it.

#include "conditions/group_tests.h"
#include "conditions/row_shape.h"

namespace bazi::hidden_element_rows {
namespace {

using namespace rows;

constinit const RowShape kShape{ElementList, CountList4, kPillarPlaces, Field::Element,
                                PillarCandidates::HiddenStems};

bool positionMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                     PillarCalculator& calculator) {
  return rows::positionMatches(kShape, preparedTables<kShape>(), row, analysis, calculator);
}

bool countMatches(const ConditionRow& row, ChartAnalysis& analysis, PillarCalculator& calculator) {
  const HiddenTexts hidden = hiddenTexts(analysis, Field::Element);
  return settleFirstHolding(
      kShape, preparedTables<kShape>(), row, analysis, [&](const std::string& element) {
        return analysis.elementCounts[2] = calculator.取藏干五行数量(hidden, element);
      });
}

ScratchFields countWrites(const ConditionRow& row) {
  return countTestWrites(kShape, row, kCurrentSubjectField | elementCountField(2));
}

bool revealMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                   PillarCalculator& calculator) {
  return !row.notRevealed || stemElementCount(analysis, calculator, analysis.currentSubject) == 0;
}

}  // namespace
}  // namespace bazi::hidden_element_rows

namespace bazi {

constinit const GroupTests kHiddenElementRows{
    hidden_element_rows::positionMatches, hidden_element_rows::countMatches,
    hidden_element_rows::revealMatches, hidden_element_rows::countWrites};

}  // namespace bazi
