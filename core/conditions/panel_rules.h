#pragma once
// The two rules that keep a condition row consistent while the user edits the
// panel. The window runs them after the user picks an item in a row's subject
// or position combo (never after a change the program makes itself), then
// shows the row again from the model.
//
// Rows of group H have no rules: their position and count stay at their
// initial values and their details stay disabled.

#include "conditions/condition_panel.h"

namespace bazi {

// Subject now "-": the row's position, count, reveal option and check boxes go
// back to their initial values. Any other subject leaves them as they are.
void applySubjectChoice(ConditionPanel& panel, Group group, int k);

// A fixed position presets the count to "非0"; "不固定" leaves the count alone.
void applyPositionChoice(ConditionPanel& panel, Group group, int k);

// Whether row k's position, count and extra controls take input: only while
// its subject is set, and never in group H.
bool rowDetailsEnabled(const ConditionPanel& panel, Group group, int k);

// Index of "非0" in the group's count list.
int notZeroCountIndex(Group group);

}  // namespace bazi
