// Group F: a ten god at a position among the stems and branches, its count over
// the seven counted places (the day stem is the reference, never counted), and
// the reveal radios on its stem and hidden-stem counts.

#include "conditions/group_tests.h"
#include "conditions/row_shape.h"

namespace bazi::chart_ten_god_rows {
namespace {

using namespace rows;

constinit const RowShape kShape{TenGodList,       CountList7,         kTenGodPlaces,
                                Field::TenGod,    PillarCandidates{}, stemTenGodCount,
                                branchTenGodCount};

bool positionMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                     PillarCalculator& calculator) {
  return rows::positionMatches(kShape, preparedTables<kShape>(), row, analysis, calculator);
}

bool countMatches(const ConditionRow& row, ChartAnalysis& analysis, PillarCalculator& calculator) {
  const HiddenTexts hidden = hiddenTexts(analysis, Field::TenGod);
  return settleFirstHolding(kShape, preparedTables<kShape>(), row, analysis,
                            [&](const std::string& tenGod) {
                              auto& counts = analysis.tenGodCounts;
                              counts[0] = stemTenGodCount(analysis, calculator, tenGod);
                              counts[1] = branchTenGodCount(analysis, calculator, tenGod);
                              counts[2] = calculator.取藏干十神数量(hidden, tenGod);
                              return counts[0] + counts[1];
                            });
}

ScratchFields countWrites(const ConditionRow& row) {
  return countTestWrites(
      kShape, row,
      kCurrentSubjectField | tenGodCountField(0) | tenGodCountField(1) | tenGodCountField(2));
}

bool revealMatches(const ConditionRow& row, const ChartAnalysis& analysis, PillarCalculator&) {
  return revealHolds(row.reveal, analysis.tenGodCounts[0], analysis.tenGodCounts[2]);
}

}  // namespace
}  // namespace bazi::chart_ten_god_rows

namespace bazi {

constinit const GroupTests kChartTenGodRows{
    chart_ten_god_rows::positionMatches, chart_ten_god_rows::countMatches,
    chart_ten_god_rows::revealMatches, chart_ten_god_rows::countWrites};

}  // namespace bazi
