#pragma once
// Fakes of the load's platform ports: a dialog that returns given paths, a
// database engine over records held in memory, and recorders for the tree
// view and the warnings.

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "records/chart_record.h"
#include "records/load_ports.h"
#include "records/record_table.h"

namespace bazi::testing {

class FakeFolder : public ProgramFolder {
 public:
  std::string folder = "/opt/bazi";
  std::string programFolder() override { return folder; }
};

class FakeChooser : public FileChooser {
 public:
  std::vector<std::string> paths;  // empty: the user cancels
  std::string seenFilter;
  std::string seenFolder;
  int calls = 0;
  std::vector<std::string> chooseFiles(std::string_view filter,
                                       const std::string& initialFolder) override {
    ++calls;
    seenFilter = filter;
    seenFolder = initialFolder;
    return paths;
  }
};

// Files are records in memory; a path not in `files` fails to open. Every
// call is logged, and readField hands out views into the reader's own buffers,
// which the next record overwrites, as a real engine may: a load that keeps a
// view past its record shows.
class FakeReader : public ChartDatabaseReader {
 public:
  std::map<std::string, std::vector<ChartRecord>> files;
  std::set<std::string> damaged;  // files whose reading stops early
  std::vector<std::string> log;
  std::string seenPassword;

  bool open(const std::string& path, std::string_view password) override {
    log.push_back("open " + path);
    seenPassword = password;
    const auto found = files.find(path);
    current_ = found == files.end() ? nullptr : &found->second;
    record_ = 0;
    currentDamaged_ = damaged.count(path) != 0;
    return current_ != nullptr;
  }
  size_t recordCount() override { return current_ ? current_->size() : 0; }
  void goToRecord(size_t n) override {
    log.push_back("go " + std::to_string(n));
    record_ = n;
    buffers_.fill("stale");
  }
  std::string_view readField(int k) override {
    if (!current_ || record_ == 0 || record_ > current_->size()) return {};
    std::string& buffer = buffers_[static_cast<size_t>(k - 1)];
    buffer = (*current_)[record_ - 1][static_cast<size_t>(k - 1)];
    return buffer;
  }
  void close(const std::string& path) override {
    log.push_back("close " + path);
    current_ = nullptr;
  }
  void closeAll() override { log.push_back("closeAll"); }
  bool readFailed() const override { return currentDamaged_; }

 private:
  const std::vector<ChartRecord>* current_ = nullptr;
  size_t record_ = 0;
  bool currentDamaged_ = false;
  std::array<std::string, kFieldCount> buffers_;
};

class FakeFileList : public FileListView {
 public:
  std::vector<std::string> items;
  void removeAllItems() override { items.clear(); }
  void addTopLevelItem(std::string_view text) override { items.emplace_back(text); }
};

class FakeWarnings : public LoadWarnings {
 public:
  std::vector<std::vector<std::string>> calls;
  void filesNotRead(const std::vector<std::string>& paths) override { calls.push_back(paths); }
};

// Every report, and how many records the table held when it came.
class FakeProgress : public LoadProgress {
 public:
  const RecordTable* table = nullptr;  // watched when set
  std::vector<LoadCount> reports;
  std::vector<size_t> recordsInTable;
  void progress(const LoadCount& count) override {
    reports.push_back(count);
    if (table != nullptr) recordsInTable.push_back(table->recordCount());
  }
};

// All ports together, wired into LoadPorts.
struct FakePorts {
  FakeFolder folder;
  FakeChooser chooser;
  FakeReader reader;
  FakeFileList fileList;
  FakeWarnings warnings;
  FakeProgress progress;
  LoadPorts ports{folder, chooser, reader, fileList, warnings, &progress};
};

// Record i of a file: every field names its file, record and column.
inline ChartRecord taggedRecord(const std::string& tag, int i) {
  ChartRecord record;
  for (int k = 0; k < kFieldCount; ++k) {
    record[k] = tag + "-" + std::to_string(i) + "-" + std::to_string(k + 1);
  }
  return record;
}

inline std::vector<ChartRecord> taggedRecords(const std::string& tag, int count) {
  std::vector<ChartRecord> records;
  for (int i = 1; i <= count; ++i) records.push_back(taggedRecord(tag, i));
  return records;
}

}  // namespace bazi::testing
