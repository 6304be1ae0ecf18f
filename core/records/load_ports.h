#pragma once
// What the load needs of the platform. The window implements these with Qt and
// the real database engine; tests pass fakes.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace bazi {

// Paths are native file-system strings (UTF-8 here); texts are GBK.

class ProgramFolder {
 public:
  virtual ~ProgramFolder() = default;
  // The folder of the running program, without a trailing separator.
  virtual std::string programFolder() = 0;
};

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // Multi-file open dialog. `filter` is "(*.edb)|*.edb". Returns the chosen
  // paths in the dialog's order; empty when cancelled.
  virtual std::vector<std::string> chooseFiles(std::string_view filter,
                                               const std::string& initialFolder) = 0;
};

// The record database engine, one current database at a time.
class ChartDatabaseReader {
 public:
  virtual ~ChartDatabaseReader() = default;
  // Opens `path` as the current database. False when it cannot be read; the
  // record count is then 0.
  virtual bool open(const std::string& path, std::string_view password) = 0;
  virtual size_t recordCount() = 0;
  // 1-based.
  virtual void goToRecord(size_t n) = 0;
  // Field k (1-based) of the current record as GBK text; empty when absent.
  // The view stays valid until the next goToRecord, close or closeAll, so the
  // 26 fields of a record can be read and then stored in one go.
  virtual std::string_view readField(int k) = 0;
  // True when reading the current database stopped early because the file
  // turned out damaged; the records from there on read as empty.
  virtual bool readFailed() const { return false; }
  virtual void close(const std::string& path) = 0;
  virtual void closeAll() = 0;
};

// The tree view 树型框1 listing the files of the last load.
class FileListView {
 public:
  virtual ~FileListView() = default;
  virtual void removeAllItems() = 0;
  virtual void addTopLevelItem(std::string_view gbkText) = 0;
};

// Told once, after a load, which chosen files could not be read (or not to the
// end), so the user does not take them for empty or complete collections.
class LoadWarnings {
 public:
  virtual ~LoadWarnings() = default;
  virtual void filesNotRead(const std::vector<std::string>& paths) = 0;
};

// How far a load has come.
struct LoadCount {
  size_t recordsRead = 0;      // records of this load in the table so far, every file
  size_t filesDone = 0;        // chosen files read through, readable or not
  size_t filesTotal = 0;       // files chosen
  size_t fileRecordsRead = 0;  // of the file being read; 0 between files
  size_t fileRecordCount = 0;  // the record count of the file being read; 0 between files

  bool operator==(const LoadCount&) const = default;
};

// Told how far a load has come, so the window can show a progress dialog.
// Called on the thread of the load, only when files were chosen: once before
// the first file, every few thousand records, and after each file.
class LoadProgress {
 public:
  virtual ~LoadProgress() = default;
  virtual void progress(const LoadCount& count) = 0;
};

struct LoadPorts {
  ProgramFolder& folder;
  FileChooser& chooser;
  ChartDatabaseReader& reader;
  FileListView& fileList;
  LoadWarnings& warnings;
  LoadProgress* progress = nullptr;  // optional
};

}  // namespace bazi
