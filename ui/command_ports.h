#pragma once
// Adapters the window hands to the load and the query.

#include <QTreeWidget>
#include <string>
#include <vector>

#include "query/query_ports.h"
#include "records/load_ports.h"

namespace bazi::ui {

// The tree view 树型框1 as the load's file list.
class TreeFileList : public FileListView {
 public:
  explicit TreeFileList(QTreeWidget& tree) : tree_(tree) {}
  void removeAllItems() override;
  void addTopLevelItem(std::string_view gbkText) override;

 private:
  QTreeWidget& tree_;
};

// Holds the messages of a command until the window shows its outcome, so a
// box never stands over a grid that is still being refilled.
class HeldMessages : public MessagePort {
 public:
  void showMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                   bool ownedByMainWindow) override;
  void passOn(MessagePort& port);

 private:
  struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon;
    bool ownedByMainWindow;
  };
  std::vector<Message> held_;
};

// One warning, after the load, naming every chosen file that could not be read
// or not to the end.
class UnreadFilesWarning : public LoadWarnings {
 public:
  explicit UnreadFilesWarning(MessagePort& messages) : messages_(messages) {}
  void filesNotRead(const std::vector<std::string>& paths) override;

 private:
  MessagePort& messages_;
};

}  // namespace bazi::ui
