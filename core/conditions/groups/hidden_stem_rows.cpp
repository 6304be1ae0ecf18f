// Group E: a stem among the hidden stems of a pillar, its count among all
// twelve hidden stems, and with "不透" none of the four stems being it.

#include "conditions/group_tests.h"
#include "conditions/row_shape.h"

namespace bazi::hidden_stem_rows {
namespace {

using namespace rows;

constinit const RowShape kShape{StemList, CountList4, kPillarPlaces, Field::Character,
                                PillarCandidates::HiddenStems};

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
  const std::string hidden = joinedHiddenTexts(analysis, Field::Character);
  return settleFirstHolding(kShape, row, analysis, [&](const std::string& stem) {
    return analysis.characterCounts[2] = calculator.取干支数量(hidden, stem);
  });
}

bool revealMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                   PillarCalculator& calculator) {
  return !row.notRevealed || calculator.取干支数量(joinedStemTexts(analysis, Field::Character),
                                                   analysis.currentSubject) == 0;
}

}  // namespace bazi::hidden_stem_rows
