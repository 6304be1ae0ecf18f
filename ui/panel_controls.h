#pragma once
// The controls that show the ConditionPanel, row by row.

#include <array>
#include <vector>

#include "conditions/condition_panel.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace bazi::ui {

struct RowControls {
  QComboBox* subject = nullptr;
  QComboBox* position = nullptr;
  QComboBox* count = nullptr;
  QCheckBox* check = nullptr;             // groups B, C, E, G
  std::array<QRadioButton*, 5> reveal{};  // groups A, F, in RevealOption order
};

struct PanelControls {
  std::array<std::vector<RowControls>, kAllGroups.size()> groups;
  QCheckBox* yinYangSwap = nullptr;
  std::array<QComboBox*, kInfoFieldCount> info{};

  RowControls& row(Group group, int k) { return groups[static_cast<size_t>(group)].at(k - 1); }
};

}  // namespace bazi::ui
