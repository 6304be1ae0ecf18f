// Group D: a branch at a branch position and its count among the four branches.

#include "conditions/group_tests.h"
#include "conditions/row_shape.h"

namespace bazi::branch_rows {
namespace {

using namespace rows;

constinit const RowShape kShape{BranchList, CountList4, kBranchPlaces, Field::Character};

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
  const std::string branches = joinedBranchTexts(analysis, Field::Character);
  return settleFirstHolding(kShape, row, analysis, [&](const std::string& branch) {
    return analysis.characterCounts[1] = calculator.取干支数量(branches, branch);
  });
}

}  // namespace bazi::branch_rows
