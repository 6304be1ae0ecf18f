#pragma once
// Keeps the ConditionPanel model and its controls in step. Every control
// writes its selection or checked state into the model as it changes, so the
// query reads the model alone. The rules applySubjectChoice and
// applyPositionChoice run when the user picks an item in one of the 72
// subject and position combos of groups A to G (QComboBox::activated, which
// a change made by the program never emits); the row is then shown again
// from the model.

#include <QObject>

#include "conditions/condition_panel.h"
#include "panel_controls.h"

namespace bazi::ui {

class PanelBinding : public QObject {
  Q_OBJECT

 public:
  PanelBinding(ConditionPanel& panel, PanelControls controls, QObject* parent = nullptr);

  // Shows every row, the swap box and the information fields as the model holds them.
  void showModel();

 private:
  void bindRow(Group group, int k);
  void bindInfoFields();
  void showRow(Group group, int k);

  ConditionPanel& panel_;
  PanelControls controls_;
};

}  // namespace bazi::ui
