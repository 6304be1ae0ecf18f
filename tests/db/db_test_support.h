#pragma once
// Temporary folders, chart database files and snapshots of a folder's files
// for the engine tests.

#include <sqlite3.h>
#include <sys/stat.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "edb_writer.h"
#include "records/chart_record.h"
#include "records/load.h"
#include "text/gbk_codec.h"

namespace bazi::testing {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "bazi-db-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string file(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Record i of a test file: every field names its record and column.
inline ChartRecord numberedRecord(const std::string& tag, int i) {
  ChartRecord record;
  for (int k = 0; k < kFieldCount; ++k) {
    record[k] = tag + "-" + std::to_string(i) + "-" + std::to_string(k + 1);
  }
  return record;
}

// Writes a chart database of GBK records.
inline void writeChartFile(const std::string& path, const std::vector<ChartRecord>& records,
                           std::string_view password = kAccessPassword,
                           std::string_view salt = "00112233445566778899aabbccddeeff") {
  EdbWriter writer(path, password, salt);
  std::array<std::string, kFieldCount> utf8;
  std::array<std::string_view, kFieldCount> fields;
  for (const ChartRecord& record : records) {
    for (int k = 0; k < kFieldCount; ++k) {
      utf8[k] = gbk::toUtf8(record[k]);
      fields[k] = utf8[k];
    }
    writer.append(fields);
  }
  writer.commit();
}

inline std::vector<ChartRecord> numberedRecords(const std::string& tag, int count) {
  std::vector<ChartRecord> records;
  for (int i = 1; i <= count; ++i) records.push_back(numberedRecord(tag, i));
  return records;
}

// Runs SQL on a database through an ordinary read-write connection.
inline void runSql(const std::string& path, const std::string& sql) {
  sqlite3* connection = nullptr;
  sqlite3_open(path.c_str(), &connection);
  char* message = nullptr;
  const int rc = sqlite3_exec(connection, sql.c_str(), nullptr, nullptr, &message);
  const std::string error = message ? message : "";
  sqlite3_free(message);
  sqlite3_close(connection);
  if (rc != SQLITE_OK) throw std::runtime_error("SQL failed: " + error + " in " + sql);
}

inline std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Every file of a folder (not recursing) with its bytes and modification time,
// so a test can tell that nothing was changed, created or removed.
struct FileState {
  std::string bytes;
  long long mtimeNs = 0;
  bool operator==(const FileState&) const = default;
};
using FolderState = std::map<std::string, FileState>;

inline FolderState snapshot(const std::filesystem::path& folder) {
  FolderState state;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    struct stat info;
    ::stat(entry.path().c_str(), &info);
    FileState file;
    if (entry.is_regular_file()) file.bytes = readBytes(entry.path().string());
    file.mtimeNs = info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec;
    state[entry.path().filename().string()] = file;
  }
  return state;
}

}  // namespace bazi::testing
