#include <array>

#include "conditions/condition_panel.h"
#include "conditions/group_tests.h"
#include "conditions/scratch_fields.h"

namespace bazi {
namespace {

// The tests of groups A to G, in Group order.
constexpr std::array<const GroupTests*, 7> kTests = {
    &kChartElementRows, &kHiddenElementRows, &kStemRows,        &kBranchRows,
    &kHiddenStemRows,   &kChartTenGodRows,   &kHiddenTenGodRows};

}  // namespace

ScratchFields countTestWrites(Group group, const ConditionRow& row) {
  const auto index = static_cast<size_t>(group);
  if (index >= kTests.size() || row.subject == 0) return 0;
  return kTests[index]->countWrites(row);
}

bool rowSatisfied(Group group, const ConditionRow& row, ChartAnalysis& analysis,
                  PillarCalculator& calculator, bool& countTested) {
  countTested = false;
  const auto index = static_cast<size_t>(group);
  if (index >= kTests.size() || row.subject == 0) return false;  // group H has no tests
  const GroupTests& tests = *kTests[index];
  if (!tests.positionMatches(row, analysis, calculator)) return false;
  countTested = true;
  return tests.countMatches(row, analysis, calculator) &&
         (tests.revealMatches == nullptr || tests.revealMatches(row, analysis, calculator));
}

bool rowSatisfied(Group group, const ConditionRow& row, ChartAnalysis& analysis,
                  PillarCalculator& calculator) {
  bool countTested = false;
  return rowSatisfied(group, row, analysis, calculator, countTested);
}

}  // namespace bazi
