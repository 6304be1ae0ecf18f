#include <array>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "atomic_output.h"
#include "commands.h"
#include "edb_engine.h"
#include "records/chart_record.h"
#include "records/load.h"
#include "text/csv.h"
#include "text/gbk_codec.h"

namespace bazi::tools {
namespace {

constexpr size_t kFlushBytes = size_t{1} << 20;

void openOrThrow(EdbReader& reader, const std::string& path) {
  if (!reader.open(path, kAccessPassword)) {
    throw std::runtime_error("cannot open " + path + ": " + reader.lastError());
  }
}

// Where the CSV goes: a file put in place at the end, or a stream.
class CsvSink {
 public:
  CsvSink(const std::string& path, bool force, std::ostream& stream) : stream_(stream) {
    if (!path.empty()) file_.emplace(path, force);
  }
  void write(std::string_view bytes) {
    if (file_) {
      file_->write(bytes);
    } else if (!stream_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
      throw std::runtime_error("cannot write the output");
    }
  }
  void finish() {
    if (file_) {
      file_->commit();
    } else if (!stream_.flush()) {
      throw std::runtime_error("cannot write the output");
    }
  }

 private:
  std::optional<AtomicOutput> file_;
  std::ostream& stream_;
};

}  // namespace

size_t exportCsv(const std::string& databasePath, const std::string& csvPath, bool force,
                 bool byteOrderMark, std::ostream& out) {
  if (!csvPath.empty() && sameFile(databasePath, csvPath)) {
    throw std::runtime_error("the output would replace the input " + databasePath);
  }
  EdbReader reader;
  openOrThrow(reader, databasePath);
  CsvSink sink(csvPath, force, out);

  std::string buffer;
  if (byteOrderMark) buffer = "\xEF\xBB\xBF";
  std::array<std::string, kFieldCount> utf8;
  std::array<std::string_view, kFieldCount> views;
  for (int k = 0; k < kFieldCount; ++k) {
    utf8[k] = gbk::toUtf8(ColumnTitles[k]);
    views[k] = utf8[k];
  }
  csv::appendRow(buffer, views);

  const size_t count = reader.recordCount();
  for (size_t n = 1; n <= count; ++n) {
    reader.goToRecord(n);
    for (int k = 0; k < kFieldCount; ++k) {
      utf8[k] = gbk::toUtf8(reader.readField(k + 1));
      views[k] = utf8[k];
    }
    if (reader.readFailed()) {
      throw std::runtime_error(databasePath + " is damaged: record " + std::to_string(n) + " of " +
                               std::to_string(count) + " cannot be read");
    }
    csv::appendRow(buffer, views);
    if (buffer.size() >= kFlushBytes) {
      sink.write(buffer);
      buffer.clear();
    }
  }
  sink.write(buffer);
  sink.finish();
  return count;
}

size_t countRecords(const std::string& databasePath) {
  EdbReader reader;
  openOrThrow(reader, databasePath);
  return reader.recordCount();
}

}  // namespace bazi::tools
