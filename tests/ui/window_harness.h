#pragma once
// The real MainWindow with the real calculator and database engine, and fakes
// for what a test must not leave to a person: the file dialog, message boxes,
// the clock and the browser. Plus the few things a user does with controls.

#include <QComboBox>
#include <QList>
#include <QString>
#include <QUrl>
#include <memory>
#include <vector>

#include "analysis/chart_analysis.h"
#include "edb_engine.h"
#include "main_window.h"
#include "qt_ports.h"
#include "tarnel_calculator.h"

class QAbstractButton;

namespace bazi::ui::test {

struct ShownMessage {
  QString text;
  QString caption;  // empty: the box's default caption
  MessageIcon icon;
  bool ownedByMainWindow;
};

class FakeMessages : public MessagePort {
 public:
  void showMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                   bool ownedByMainWindow) override;
  std::vector<ShownMessage> shown;
};

class FakeChooser : public FileChooser {
 public:
  std::vector<std::string> chooseFiles(std::string_view filter,
                                       const std::string& initialFolder) override;
  QStringList nextChoice;  // what the user picks next time; empty: cancel
  std::string filter;
  std::string initialFolder;
  int calls = 0;
};

class FakeClock : public Clock {
 public:
  int currentSecond() override { return second; }
  int second = 1;
};

class FakeBrowser : public Browser {
 public:
  void open(const std::string& address) override {
    opened.append(QUrl::fromEncoded(QByteArray::fromStdString(address)));
  }
  QList<QUrl> opened;
};

class WindowHarness {
 public:
  WindowHarness();
  ~WindowHarness();

  MainWindow& window() { return *window_; }
  const Workspace& workspace() const { return window_->workspace(); }
  const ConditionPanel& panel() const { return window_->panel(); }
  // The bin folder, as the program sees it.
  QString programFolder();

  // The control called `name`. Throws, which fails the test, when there is
  // none of that kind.
  template <typename Control>
  Control& find(const QString& name) {
    auto* control = window_->findChild<Control*>(name);
    if (control == nullptr) missing(name);
    return *control;
  }

  // The user chooses `paths` in the dialog of 载入数据库, or cancels.
  void load(const QStringList& paths);
  // Presses 查询 on its page "条件3—十神".
  void query();
  // Clicks the tab of page `index`.
  void showPage(int index);

  ApplicationFolder folder;
  FakeChooser chooser;
  EdbReader reader;
  FakeMessages messages;
  FakeClock clock;
  FakeBrowser browser;
  TarnelCalculator calculator;
  ChartAnalysis analysis;

 private:
  [[noreturn]] static void missing(const QString& name);

  std::unique_ptr<MainWindow> window_;
};

// What a user does. Each returns false when the control refuses (disabled,
// no such item), so tests can tell "could not" from "did not change".
bool chooseItem(QComboBox& combo, const QString& text);
bool click(QAbstractButton& button);

}  // namespace bazi::ui::test
