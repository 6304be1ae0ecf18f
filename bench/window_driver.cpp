#include "window_driver.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QRadioButton>
#include <QTabWidget>
#include <QWidget>
#include <stdexcept>
#include <string>

namespace bazi::bench {
namespace {

template <typename Control>
Control& find(QWidget& window, const char* name) {
  auto* control = window.findChild<Control*>(QString::fromUtf8(name));
  if (control == nullptr) throw std::runtime_error(std::string("no control called ") + name);
  return *control;
}

}  // namespace

std::vector<RowChoice> tenRows() {
  return {
      {"组合框_行1", "不指定", "组合框_位置行1", "不固定", "组合框_行数量1", ">=2", "单选框5"},
      {"组合框_行2", "木", "组合框_位置行2", "不固定", "组合框_行数量2", "<=5"},
      {"组合框_行01", "不指定", "组合框_位置行01", "日柱", "组合框_行数量01", ">=1"},
      {"组合框_干1", "不指定", "组合框_位置干1", "日干", "组合框_干数量1", "非0"},
      {"组合框_支1", "不指定", "组合框_位置支1", "日支", "组合框_支数量1", "非0"},
      {"组合框_藏1", "不指定", "组合框_位置藏1", "不固定", "组合框_藏数量1", "<=2"},
      {"组合框_神1", "不指定", "组合框_位置神1", "不固定", "组合框_神数量1", "<=7", "单选框30"},
      {"组合框_神2", "不指定", "组合框_位置神2", "年干", "组合框_神数量2", "非0"},
      {"组合框_神01", "不指定", "组合框_位置神01", "不固定", "组合框_神数量01", ">=0"},
      {"组合框_神02", "比肩", "组合框_位置神02", "不固定", "组合框_神数量02", ">=0"},
  };
}

std::vector<RowChoice> oneRow() {
  return {{"组合框_行1", "木", "组合框_位置行1", "不固定", "组合框_行数量1", ">=2"}};
}

void chooseItem(QWidget& window, const char* comboName, const char* itemText) {
  auto& combo = find<QComboBox>(window, comboName);
  const int index = combo.findText(QString::fromUtf8(itemText));
  if (index < 0 || !combo.isEnabled()) {
    throw std::runtime_error(std::string("cannot choose ") + itemText + " in " + comboName);
  }
  // What a user's choice in the list does: the index changes, then the combo
  // tells that the user picked it.
  combo.setCurrentIndex(index);
  emit combo.activated(index);
}

void setRows(QWidget& window, const std::vector<RowChoice>& rows) {
  for (const RowChoice& row : rows) {
    chooseItem(window, row.subjectCombo, row.subject);
    chooseItem(window, row.positionCombo, row.position);
    chooseItem(window, row.countCombo, row.count);
    if (row.revealRadio != nullptr) find<QRadioButton>(window, row.revealRadio).click();
  }
}

void clearRows(QWidget& window, const std::vector<RowChoice>& rows) {
  for (const RowChoice& row : rows) chooseItem(window, row.subjectCombo, "-");
}

void press(QWidget& window, const char* buttonName) {
  auto& button = find<QAbstractButton>(window, buttonName);
  if (!button.isEnabled()) throw std::runtime_error(std::string(buttonName) + " is disabled");
  button.click();
}

void showPage(QWidget& window, int index) {
  find<QTabWidget>(window, "高级选择夹1").setCurrentIndex(index);
}

PaintWatch::PaintWatch(QWidget& widget) { widget.installEventFilter(this); }

bool PaintWatch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint) painted_ = true;
  return QObject::eventFilter(watched, event);
}

bool PaintWatch::waitForPaint(double timeoutSeconds) {
  QElapsedTimer clock;
  clock.start();
  // The paint runs inside processEvents, so once it returns with the flag
  // set the widget is painted.
  while (!painted_) {
    if (clock.nsecsElapsed() > static_cast<qint64>(timeoutSeconds * 1e9)) return false;
    QCoreApplication::processEvents();
  }
  return true;
}

}  // namespace bazi::bench
