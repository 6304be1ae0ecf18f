#include "conditions/panel_rules.h"

namespace bazi {

int notZeroCountIndex(Group group) { return findItem(groupInfo(group).counts, "非0"); }

void applySubjectChoice(ConditionPanel& panel, Group group, int k) {
  if (group == Group::H) return;
  ConditionRow& row = panel.row(group, k);
  if (row.subject != 0) return;
  // Only the fields a cleared row may hold are reset; the subject stays "-".
  row.position = 0;
  row.count = 0;
  row.reveal = RevealOption::Unrestricted;
  row.notRevealed = false;
  row.noHiddenStem = false;
}

void applyPositionChoice(ConditionPanel& panel, Group group, int k) {
  if (group == Group::H) return;
  ConditionRow& row = panel.row(group, k);
  if (row.position != 0) row.count = notZeroCountIndex(group);
}

bool rowDetailsEnabled(const ConditionPanel& panel, Group group, int k) {
  return group != Group::H && panel.row(group, k).subject != 0;
}

}  // namespace bazi
