#include "panel_binding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSignalBlocker>

#include "conditions/panel_rules.h"
#include "qt_text.h"

namespace bazi::ui {
namespace {

void showSelection(QComboBox& combo, int index) {
  const QSignalBlocker quiet(combo);
  combo.setCurrentIndex(index);
}

void showChecked(QCheckBox& box, bool checked) {
  const QSignalBlocker quiet(box);
  box.setChecked(checked);
}

void showReveal(const std::array<QRadioButton*, 5>& radios, RevealOption option) {
  for (size_t i = 0; i < radios.size(); ++i) {
    QRadioButton& radio = *radios[i];
    const QSignalBlocker quiet(radio);
    // Exclusive buttons cannot all be cleared, and None clears them all.
    radio.setAutoExclusive(false);
    radio.setChecked(static_cast<size_t>(option) == i);
    radio.setAutoExclusive(true);
  }
}

bool& flagOf(ConditionRow& row, Group group) {
  return group == Group::C ? row.noHiddenStem : row.notRevealed;
}

}  // namespace

PanelBinding::PanelBinding(ConditionPanel& panel, PanelControls controls, QObject* parent)
    : QObject(parent), panel_(panel), controls_(std::move(controls)) {
  for (Group group : kAllGroups) {
    for (int k = 1; k <= groupInfo(group).rowCount; ++k) bindRow(group, k);
  }
  connect(controls_.yinYangSwap, &QCheckBox::toggled, this,
          [this](bool checked) { panel_.yinYangSwap = checked; });
  bindInfoFields();
}

void PanelBinding::bindRow(Group group, int k) {
  RowControls& c = controls_.row(group, k);
  ConditionRow& row = panel_.row(group, k);

  connect(c.subject, &QComboBox::currentIndexChanged, this, [&row](int i) { row.subject = i; });
  connect(c.position, &QComboBox::currentIndexChanged, this, [&row](int i) { row.position = i; });
  connect(c.count, &QComboBox::currentIndexChanged, this, [&row](int i) { row.count = i; });
  if (c.check != nullptr) {
    bool& flag = flagOf(row, group);
    connect(c.check, &QCheckBox::toggled, this, [&flag](bool checked) { flag = checked; });
  }
  for (size_t option = 0; option < c.reveal.size(); ++option) {
    if (c.reveal[option] == nullptr) continue;
    connect(c.reveal[option], &QRadioButton::toggled, this, [&row, option](bool checked) {
      if (checked) row.reveal = static_cast<RevealOption>(option);
    });
  }

  if (group == Group::H) return;  // the shensha rows have no rules
  connect(c.subject, &QComboBox::activated, this, [this, group, k] {
    applySubjectChoice(panel_, group, k);
    showRow(group, k);
  });
  connect(c.position, &QComboBox::activated, this, [this, group, k] {
    applyPositionChoice(panel_, group, k);
    showRow(group, k);
  });
}

void PanelBinding::bindInfoFields() {
  for (size_t field = 0; field < controls_.info.size(); ++field) {
    connect(controls_.info[field], &QComboBox::currentTextChanged, this,
            [this, field](const QString& text) { panel_.infoTexts[field] = toGbk(text); });
  }
}

void PanelBinding::showRow(Group group, int k) {
  RowControls& c = controls_.row(group, k);
  const ConditionRow& row = panel_.row(group, k);
  const bool enabled = rowDetailsEnabled(panel_, group, k);

  showSelection(*c.subject, row.subject);
  showSelection(*c.position, row.position);
  showSelection(*c.count, row.count);
  c.position->setEnabled(enabled);
  c.count->setEnabled(enabled);
  if (c.check != nullptr) {
    showChecked(*c.check, group == Group::C ? row.noHiddenStem : row.notRevealed);
    c.check->setEnabled(enabled);
  }
  if (c.reveal[0] != nullptr) {
    showReveal(c.reveal, row.reveal);
    for (QRadioButton* radio : c.reveal) radio->setEnabled(enabled);
  }
}

void PanelBinding::showModel() {
  for (Group group : kAllGroups) {
    for (int k = 1; k <= groupInfo(group).rowCount; ++k) showRow(group, k);
  }
  showChecked(*controls_.yinYangSwap, panel_.yinYangSwap);
  for (size_t field = 0; field < controls_.info.size(); ++field) {
    QComboBox& combo = *controls_.info[field];
    const QSignalBlocker quiet(combo);
    const QString text = toQString(panel_.infoTexts[field]);
    const int index = combo.findText(text);
    if (index >= 0) combo.setCurrentIndex(index);
    if (combo.isEditable()) combo.setEditText(text);
  }
}

}  // namespace bazi::ui
