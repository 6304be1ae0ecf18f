#pragma once
// The ports as the running program fills them, with Qt.

#include <QPointer>
#include <QWidget>
#include <memory>

#include "shell_ports.h"

class QMessageBox;

namespace bazi::ui {

class ApplicationFolder : public ProgramFolder {
 public:
  std::string programFolder() override;
};

// Translates the "(description)|pattern" filter into Qt's form.
QString qtFileFilter(std::string_view filter);

class DialogFileChooser : public FileChooser {
 public:
  void setOwner(QWidget* owner) { owner_ = owner; }
  std::vector<std::string> chooseFiles(std::string_view filter,
                                       const std::string& initialFolder) override;

 private:
  QPointer<QWidget> owner_;
};

class MessageBoxes : public MessagePort {
 public:
  void setMainWindow(QWidget* window) { mainWindow_ = window; }
  void showMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                   bool ownedByMainWindow) override;
  // The box showMessage runs, built but not shown.
  std::unique_ptr<QMessageBox> makeBox(std::string_view text, std::string_view caption,
                                       MessageIcon icon, bool ownedByMainWindow) const;

 private:
  QPointer<QWidget> mainWindow_;
};

class SystemClock : public Clock {
 public:
  int currentSecond() override;
};

class DesktopBrowser : public Browser {
 public:
  void open(const std::string& address) override;
};

}  // namespace bazi::ui
