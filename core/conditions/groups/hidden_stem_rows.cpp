// Group E: a stem among the hidden stems of a pillar, its count among all
// twelve hidden stems, and with "不透" none of the four stems being it.

#include "conditions/group_tests.h"
#include "conditions/row_shape.h"

namespace bazi::hidden_stem_rows {
namespace {

using namespace rows;

constinit const RowShape kShape{StemList, CountList4, kPillarPlaces, Field::Character,
                                PillarCandidates::HiddenStems};

bool positionMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                     PillarCalculator& calculator) {
  return rows::positionMatches(kShape, preparedTables<kShape>(), row, analysis, calculator);
}

bool countMatches(const ConditionRow& row, ChartAnalysis& analysis, PillarCalculator& calculator) {
  JoinedText hidden;
  joinHiddenTexts(analysis, Field::Character, hidden);
  return settleFirstHolding(
      kShape, preparedTables<kShape>(), row, analysis, [&](const std::string& stem) {
        return analysis.characterCounts[2] = calculator.取干支数量(hidden.c_str(), stem);
      });
}

ScratchFields countWrites(const ConditionRow& row) {
  return countTestWrites(kShape, row, kCurrentSubjectField | characterCountField(2));
}

bool revealMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                   PillarCalculator& calculator) {
  if (!row.notRevealed) return true;
  JoinedText stems;
  joinStemTexts(analysis, Field::Character, stems);
  return calculator.取干支数量(stems.c_str(), analysis.currentSubject) == 0;
}

}  // namespace
}  // namespace bazi::hidden_stem_rows

namespace bazi {

constinit const GroupTests kHiddenStemRows{
    hidden_stem_rows::positionMatches, hidden_stem_rows::countMatches,
    hidden_stem_rows::revealMatches, hidden_stem_rows::countWrites};

}  // namespace bazi
