// Group C: a stem at a stem position, its count among the four stems, and with
// "藏干无" no hidden stem being it.

#include "conditions/group_tests.h"
#include "conditions/row_shape.h"

namespace bazi::stem_rows {
namespace {

using namespace rows;

constinit const RowShape kShape{StemList, CountList4, kStemPlaces, Field::Character};

bool positionMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                     PillarCalculator& calculator) {
  return rows::positionMatches(kShape, preparedTables<kShape>(), row, analysis, calculator);
}

bool countMatches(const ConditionRow& row, ChartAnalysis& analysis, PillarCalculator& calculator) {
  JoinedText stems;
  joinStemTexts(analysis, Field::Character, stems);
  return settleFirstHolding(
      kShape, preparedTables<kShape>(), row, analysis, [&](const std::string& stem) {
        return analysis.characterCounts[0] = calculator.取干支数量(stems.c_str(), stem);
      });
}

ScratchFields countWrites(const ConditionRow& row) {
  return countTestWrites(kShape, row, kCurrentSubjectField | characterCountField(0));
}

bool revealMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                   PillarCalculator& calculator) {
  if (!row.noHiddenStem) return true;
  JoinedText hidden;
  joinHiddenTexts(analysis, Field::Character, hidden);
  return calculator.取干支数量(hidden.c_str(), analysis.currentSubject) == 0;
}

}  // namespace
}  // namespace bazi::stem_rows

namespace bazi {

constinit const GroupTests kStemRows{stem_rows::positionMatches, stem_rows::countMatches,
                                     stem_rows::revealMatches, stem_rows::countWrites};

}  // namespace bazi
