// Group C: a stem at a stem position, its count among the four stems, and with
// "藏干无" no hidden stem being it.

#include "conditions/group_tests.h"
#include "conditions/row_shape.h"

namespace bazi::stem_rows {
namespace {

using namespace rows;

constinit const RowShape kShape{StemList, CountList4, kStemPlaces, Field::Character};

const ItemStrings& subjectTexts() {
  static const ItemStrings texts(kShape.subjects);
  return texts;
}

}  // namespace

bool positionMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                     PillarCalculator& calculator) {
  return rows::positionMatches(kShape, subjectTexts(), row, analysis, calculator);
}

bool countMatches(const ConditionRow& row, ChartAnalysis& analysis, PillarCalculator& calculator) {
  const std::string stems = joinedStemTexts(analysis, Field::Character);
  return settleFirstHolding(kShape, row, analysis, [&](const std::string& stem) {
    return analysis.characterCounts[0] = calculator.取干支数量(stems, stem);
  });
}

bool revealMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                   PillarCalculator& calculator) {
  return !row.noHiddenStem || calculator.取干支数量(joinedHiddenTexts(analysis, Field::Character),
                                                    analysis.currentSubject) == 0;
}

}  // namespace bazi::stem_rows
