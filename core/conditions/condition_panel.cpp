#include "conditions/condition_panel.h"

#include <algorithm>
#include <string>

namespace bazi {
namespace {

// Index of row 1 of `group` among the 48 rows, groups in order A to H.
int firstRowOf(Group group) {
  int first = 0;
  for (Group g : kAllGroups) {
    if (g == group) return first;
    first += groupInfo(g).rowCount;
  }
  throw std::out_of_range("no such condition group");
}

int rowIndex(Group group, int k) {
  const GroupInfo& info = groupInfo(group);
  if (k < 1 || k > info.rowCount) {
    throw std::out_of_range("group " + std::string(1, info.letter) + " has rows 1 to " +
                            std::to_string(info.rowCount) + ", not " + std::to_string(k));
  }
  return firstRowOf(group) + k - 1;
}

}  // namespace

ConditionRow& ConditionPanel::row(Group group, int k) { return rows_[rowIndex(group, k)]; }

const ConditionRow& ConditionPanel::row(Group group, int k) const {
  return rows_[rowIndex(group, k)];
}

int ConditionPanel::conditionCount() const {
  return static_cast<int>(std::count_if(rows_.begin(), rows_.end(),
                                        [](const ConditionRow& r) { return r.subject != 0; }));
}

}  // namespace bazi
