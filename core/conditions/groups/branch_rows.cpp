// Group D: a branch at a branch position and its count among the four branches.

#include "conditions/group_tests.h"
#include "conditions/row_shape.h"

namespace bazi::branch_rows {
namespace {

using namespace rows;

constinit const RowShape kShape{BranchList, CountList4, kBranchPlaces, Field::Character};

bool positionMatches(const ConditionRow& row, const ChartAnalysis& analysis,
                     PillarCalculator& calculator) {
  return rows::positionMatches(kShape, preparedTables<kShape>(), row, analysis, calculator);
}

bool countMatches(const ConditionRow& row, ChartAnalysis& analysis, PillarCalculator& calculator) {
  JoinedText branches;
  joinBranchTexts(analysis, Field::Character, branches);
  return settleFirstHolding(
      kShape, preparedTables<kShape>(), row, analysis, [&](const std::string& branch) {
        return analysis.characterCounts[1] = calculator.取干支数量(branches.c_str(), branch);
      });
}

ScratchFields countWrites(const ConditionRow& row) {
  return countTestWrites(kShape, row, kCurrentSubjectField | characterCountField(1));
}

}  // namespace
}  // namespace bazi::branch_rows

namespace bazi {

constinit const GroupTests kBranchRows{branch_rows::positionMatches, branch_rows::countMatches,
                                       nullptr, branch_rows::countWrites};

}  // namespace bazi
