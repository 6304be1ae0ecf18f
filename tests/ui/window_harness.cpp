#include "window_harness.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <stdexcept>

#include "qt_text.h"

namespace bazi::ui::test {

void FakeMessages::showMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                               bool ownedByMainWindow) {
  shown.push_back({toQString(text), toQString(caption), icon, ownedByMainWindow});
}

std::vector<std::string> FakeChooser::chooseFiles(std::string_view chosenFilter,
                                                  const std::string& folder) {
  ++calls;
  filter = chosenFilter;
  initialFolder = folder;
  std::vector<std::string> paths;
  for (const QString& path : nextChoice) paths.push_back(toNativePath(path));
  return paths;
}

WindowHarness::WindowHarness()
    : window_(std::make_unique<MainWindow>(
          analysis, calculator, ShellPorts{folder, chooser, reader, messages, clock, browser})) {
  window_->show();
}

WindowHarness::~WindowHarness() = default;

QString WindowHarness::programFolder() { return QCoreApplication::applicationDirPath(); }

void WindowHarness::missing(const QString& name) {
  const std::string what = "no control called " + name.toStdString();
  qWarning("%s", what.c_str());
  throw std::runtime_error(what);
}

void WindowHarness::load(const QStringList& paths) {
  chooser.nextChoice = paths;
  click(find<QAbstractButton>(QStringLiteral("按钮_载入数据库")));
}

void WindowHarness::query() {
  showPage(3);
  click(find<QAbstractButton>(QStringLiteral("按钮_查询")));
}

void WindowHarness::showPage(int index) {
  QTabBar& tabs = *find<QTabWidget>(QStringLiteral("高级选择夹1")).tabBar();
  QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(index).center());
}

bool chooseItem(QComboBox& combo, const QString& text) {
  const int target = combo.findText(text);
  if (target < 0 || !combo.isEnabled()) return false;
  // Arrow keys, as a user steps through a closed drop-down list.
  while (combo.currentIndex() < target) QTest::keyClick(&combo, Qt::Key_Down);
  while (combo.currentIndex() > target) QTest::keyClick(&combo, Qt::Key_Up);
  return combo.currentIndex() == target;
}

bool click(QAbstractButton& button) {
  if (!button.isEnabled()) return false;
  QTest::mouseClick(&button, Qt::LeftButton);
  return true;
}

}  // namespace bazi::ui::test
