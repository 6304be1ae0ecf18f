#include <array>

#include "conditions/condition_panel.h"
#include "conditions/group_tests.h"
#include "conditions/scratch_fields.h"

namespace bazi {
namespace {

struct GroupTests {
  bool (*position)(const ConditionRow&, const ChartAnalysis&, PillarCalculator&);
  bool (*count)(const ConditionRow&, ChartAnalysis&, PillarCalculator&);
  bool (*reveal)(const ConditionRow&, const ChartAnalysis&, PillarCalculator&);  // null: none
  ScratchFields (*countWrites)(const ConditionRow&);
};

// The tests of groups A to G, in Group order.
constexpr std::array<GroupTests, 7> kTests = {{
    {chart_element_rows::positionMatches, chart_element_rows::countMatches,
     chart_element_rows::revealMatches, chart_element_rows::countWrites},
    {hidden_element_rows::positionMatches, hidden_element_rows::countMatches,
     hidden_element_rows::revealMatches, hidden_element_rows::countWrites},
    {stem_rows::positionMatches, stem_rows::countMatches, stem_rows::revealMatches,
     stem_rows::countWrites},
    {branch_rows::positionMatches, branch_rows::countMatches, nullptr, branch_rows::countWrites},
    {hidden_stem_rows::positionMatches, hidden_stem_rows::countMatches,
     hidden_stem_rows::revealMatches, hidden_stem_rows::countWrites},
    {chart_ten_god_rows::positionMatches, chart_ten_god_rows::countMatches,
     chart_ten_god_rows::revealMatches, chart_ten_god_rows::countWrites},
    {hidden_ten_god_rows::positionMatches, hidden_ten_god_rows::countMatches,
     hidden_ten_god_rows::revealMatches, hidden_ten_god_rows::countWrites},
}};

}  // namespace

ScratchFields countTestWrites(Group group, const ConditionRow& row) {
  const auto index = static_cast<size_t>(group);
  if (index >= kTests.size() || row.subject == 0) return 0;
  return kTests[index].countWrites(row);
}

bool rowSatisfied(Group group, const ConditionRow& row, ChartAnalysis& analysis,
                  PillarCalculator& calculator, bool& countTested) {
  countTested = false;
  const auto index = static_cast<size_t>(group);
  if (index >= kTests.size() || row.subject == 0) return false;  // group H has no tests
  const GroupTests& tests = kTests[index];
  if (!tests.position(row, analysis, calculator)) return false;
  countTested = true;
  return tests.count(row, analysis, calculator) &&
         (tests.reveal == nullptr || tests.reveal(row, analysis, calculator));
}

bool rowSatisfied(Group group, const ConditionRow& row, ChartAnalysis& analysis,
                  PillarCalculator& calculator) {
  bool countTested = false;
  return rowSatisfied(group, row, analysis, calculator, countTested);
}

}  // namespace bazi
