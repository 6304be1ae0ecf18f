#pragma once
// The platform ports of the headless query: the chosen files are the ones on
// the command line, and messages go to standard error.

#include <string>
#include <vector>

#include "query/query_ports.h"
#include "records/load_ports.h"

namespace bazi::cli {

class GivenFiles : public FileChooser, public ProgramFolder, public FileListView {
 public:
  GivenFiles(std::vector<std::string> paths, std::string programFolder)
      : paths_(std::move(paths)), folder_(std::move(programFolder)) {}
  std::vector<std::string> chooseFiles(std::string_view, const std::string&) override {
    return paths_;
  }
  std::string programFolder() override { return folder_; }
  void removeAllItems() override {}
  void addTopLevelItem(std::string_view) override {}

 private:
  std::vector<std::string> paths_;
  std::string folder_;
};

class UnreadFiles : public LoadWarnings {
 public:
  void filesNotRead(const std::vector<std::string>& paths) override { paths_ = paths; }
  const std::vector<std::string>& paths() const { return paths_; }

 private:
  std::vector<std::string> paths_;
};

// Keeps the last message; the tab switch means nothing without a window.
class RecordedOutcome : public MessagePort, public TabSwitcher {
 public:
  void showMessage(std::string_view text, std::string_view, MessageIcon, bool) override {
    message_ = text;
  }
  void switchToTab(int) override {}
  const std::string& message() const { return message_; }

 private:
  std::string message_;
};

}  // namespace bazi::cli
