#include "widget_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "caption_button.h"
#include "lined_label.h"

namespace bazi::ui {
namespace {

template <typename Widget>
Widget* place(Widget* widget, const QString& name, QRect geometry) {
  widget->setObjectName(name);
  widget->setGeometry(geometry);
  return widget;
}

}  // namespace

QLabel* placeLabel(QWidget& parent, const QString& name, const QString& text, QRect geometry) {
  return place(new QLabel(text, &parent), name, geometry);
}

LinedLabel* placeLinedLabel(QWidget& parent, const QString& name, const QString& text,
                            QRect geometry) {
  return place(new LinedLabel(text, &parent), name, geometry);
}

QPushButton* placeButton(QWidget& parent, const QString& name, const QString& caption,
                         QRect geometry) {
  return place(new CaptionButton(caption, &parent), name, geometry);
}

QGroupBox* placeGroupBox(QWidget& parent, const QString& name, const QString& title,
                         QRect geometry) {
  return place(new QGroupBox(title, &parent), name, geometry);
}

QCheckBox* placeCheckBox(QWidget& parent, const QString& name, const QString& caption,
                         QRect geometry) {
  return place(new QCheckBox(caption, &parent), name, geometry);
}

QRadioButton* placeRadioButton(QWidget& parent, const QString& name, const QString& caption,
                               QRect geometry) {
  return place(new QRadioButton(caption, &parent), name, geometry);
}

QComboBox* placeComboBox(QWidget& parent, const QString& name, const QStringList& items,
                         QRect geometry, ComboEntry entry) {
  auto* combo = new QComboBox(&parent);
  combo->setEditable(entry == ComboEntry::Typed);
  if (entry == ComboEntry::Typed) combo->setInsertPolicy(QComboBox::NoInsert);
  combo->addItems(items);
  combo->setMaxVisibleItems(items.size());
  return place(combo, name, geometry);
}

}  // namespace bazi::ui
