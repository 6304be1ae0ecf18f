// Group G: a ten god among the hidden stems of a pillar, its count among all
// twelve hidden stems, and with "不透" none of the four stems bearing it. For
// "不指定" fixed to a pillar the candidate is the ten god of the pillar's stem.

#include "conditions/group_tests.h"
#include "conditions/row_shape.h"

namespace bazi::hidden_ten_god_rows {
namespace {

using namespace rows;

constinit const RowShape kShape{TenGodList, CountList4, kPillarPlaces, Field::TenGod,
                                PillarCandidates::Stem};

bool positionMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                     PillarCalculator& calculator) {
  return rows::positionMatches(kShape, preparedTables<kShape>(), row, analysis, calculator);
}

bool countMatches(const ConditionRow& row, ChartAnalysis& analysis, PillarCalculator& calculator) {
  const HiddenTexts hidden = hiddenTexts(analysis, Field::TenGod);
  return settleFirstHolding(
      kShape, preparedTables<kShape>(), row, analysis, [&](const std::string& tenGod) {
        return analysis.tenGodCounts[2] = calculator.取藏干十神数量(hidden, tenGod);
      });
}

ScratchFields countWrites(const ConditionRow& row) {
  return countTestWrites(kShape, row, kCurrentSubjectField | tenGodCountField(2));
}

bool revealMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                   PillarCalculator& calculator) {
  if (!row.notRevealed) return true;
  JoinedText stemTenGods;
  joinStemTexts(analysis, Field::TenGod, stemTenGods);
  return calculator.取干支数量(stemTenGods.c_str(), analysis.currentSubject) == 0;
}

}  // namespace
}  // namespace bazi::hidden_ten_god_rows

namespace bazi {

constinit const GroupTests kHiddenTenGodRows{
    hidden_ten_god_rows::positionMatches, hidden_ten_god_rows::countMatches,
    hidden_ten_god_rows::revealMatches, hidden_ten_god_rows::countWrites};

}  // namespace bazi
