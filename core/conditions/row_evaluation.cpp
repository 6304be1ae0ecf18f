#include <array>

#include "conditions/condition_panel.h"
#include "conditions/group_tests.h"

namespace bazi {
namespace {

struct GroupTests {
  bool (*position)(const ConditionRow&, const ChartAnalysis&, PillarCalculator&);
  bool (*count)(const ConditionRow&, ChartAnalysis&, PillarCalculator&);
  bool (*reveal)(const ConditionRow&, const ChartAnalysis&, PillarCalculator&);  // null: none
};

// The tests of groups A to G, in Group order.
constexpr std::array<GroupTests, 7> kTests = {{
    {chart_element_rows::positionMatches, chart_element_rows::countMatches,
     chart_element_rows::revealMatches},
    {hidden_element_rows::positionMatches, hidden_element_rows::countMatches,
     hidden_element_rows::revealMatches},
    {stem_rows::positionMatches, stem_rows::countMatches, stem_rows::revealMatches},
    {branch_rows::positionMatches, branch_rows::countMatches, nullptr},
    {hidden_stem_rows::positionMatches, hidden_stem_rows::countMatches,
     hidden_stem_rows::revealMatches},
    {chart_ten_god_rows::positionMatches, chart_ten_god_rows::countMatches,
     chart_ten_god_rows::revealMatches},
    {hidden_ten_god_rows::positionMatches, hidden_ten_god_rows::countMatches,
     hidden_ten_god_rows::revealMatches},
}};

}  // namespace

bool rowSatisfied(Group group, const ConditionRow& row, ChartAnalysis& analysis,
                  PillarCalculator& calculator) {
  const auto index = static_cast<size_t>(group);
  if (index >= kTests.size() || row.subject == 0) return false;  // group H has no tests
  const GroupTests& tests = kTests[index];
  return tests.position(row, analysis, calculator) && tests.count(row, analysis, calculator) &&
         (tests.reveal == nullptr || tests.reveal(row, analysis, calculator));
}

}  // namespace bazi
