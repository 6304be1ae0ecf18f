#pragma once
// Builds the condition groups, 选择框1 and the information fields on the
// pages that hold them, with their rows at the places the layout draws.

#include "panel_controls.h"

class QWidget;

namespace bazi::ui {

struct ConditionPages {
  QWidget& elements;          // "条件1—五行": groups A, B
  QWidget& stemsAndBranches;  // "条件2—干支": groups C, D, E
  QWidget& tenGods;           // "条件3—十神": groups F, G and 选择框1
  QWidget& shensha;           // "条件4—神煞": group H
  QWidget& info;              // "条件5—信息"
};

PanelControls buildConditionPanel(const ConditionPages& pages);

}  // namespace bazi::ui
