#pragma once
// The chart database engine: reads *.edb files (SQLite 3, see
// docs/chart-database.md) for the load command.
//
// A file is opened strictly read-only: no byte of it, no modification time
// and no file beside it (journal, -wal, -shm) ever changes. A file another
// program is writing is refused after a short wait rather than read half-way.

#include <array>
#include <string>
#include <string_view>

#include "records/chart_record.h"
#include "records/load_ports.h"
#include "sqlite_handle.h"

namespace bazi {

class EdbReader final : public ChartDatabaseReader {
 public:
  EdbReader() = default;
  ~EdbReader() override;
  EdbReader(const EdbReader&) = delete;
  EdbReader& operator=(const EdbReader&) = delete;

  bool open(const std::string& path, std::string_view password) override;
  size_t recordCount() override { return recordCount_; }
  void goToRecord(size_t n) override;
  std::string_view readField(int k) override;
  void close(const std::string& path) override;
  void closeAll() override;

  // Why the latest open failed (UTF-8, for messages); empty after a success.
  const std::string& lastError() const { return lastError_; }
  // True when reading stopped early because the file turned out damaged;
  // records from there on read as empty.
  bool readFailed() const override { return readFailed_; }

 private:
  bool fail(std::string reason);
  bool openConnection(const std::string& path, bool walMode);
  bool checkFormatAndPassword(std::string_view password);
  bool prepareRecords();
  std::string metaValue(std::string_view key, bool& found);
  bool step();

  // Declared before the statements so that they are finalized first.
  db::Connection connection_;
  db::Statement records_;
  std::string path_;
  size_t recordCount_ = 0;
  size_t position_ = 0;  // number of the row the statement stands on, 0 before the first
  bool onRow_ = false;
  bool readFailed_ = false;
  int columnCount_ = 0;
  std::string lastError_;
  std::array<std::string, kFieldCount> buffers_;
};

}  // namespace bazi
