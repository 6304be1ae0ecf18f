#pragma once
// Controls placed at fixed positions, each with the object name the layout
// gives it (tests and tools find controls by these names).

#include <QRect>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace bazi::ui {

class LinedLabel;

QLabel* placeLabel(QWidget& parent, const QString& name, const QString& text, QRect geometry);
// A label of fixed lines that fits them into its height (lined_label.h).
LinedLabel* placeLinedLabel(QWidget& parent, const QString& name, const QString& text,
                            QRect geometry);
QPushButton* placeButton(QWidget& parent, const QString& name, const QString& caption,
                         QRect geometry);
QGroupBox* placeGroupBox(QWidget& parent, const QString& name, const QString& title,
                         QRect geometry);
QCheckBox* placeCheckBox(QWidget& parent, const QString& name, const QString& caption,
                         QRect geometry);
QRadioButton* placeRadioButton(QWidget& parent, const QString& name, const QString& caption,
                               QRect geometry);

enum class ComboEntry { ListOnly, Typed };
QComboBox* placeComboBox(QWidget& parent, const QString& name, const QStringList& items,
                         QRect geometry, ComboEntry entry = ComboEntry::ListOnly);

}  // namespace bazi::ui
