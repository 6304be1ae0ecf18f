#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "atomic_output.h"
#include "commands.h"
#include "csv_file.h"
#include "edb_schema.h"
#include "edb_writer.h"
#include "records/chart_record.h"
#include "records/load.h"
#include "text/csv.h"
#include "text/gbk_codec.h"

namespace bazi::tools {
namespace {

std::string trimmedBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

std::string fieldCountError(size_t line, size_t fields) {
  return "line " + std::to_string(line) + ": " + std::to_string(fields) + " fields, " +
         std::to_string(kFieldCount) + " expected (--lenient pads or cuts such rows)";
}

// The title row must name the 26 columns in order; under --lenient only the
// columns it has are checked.
void checkTitles(const std::vector<std::string>& titles, size_t line, bool lenient) {
  if (!lenient && titles.size() != static_cast<size_t>(kFieldCount)) {
    throw std::runtime_error(fieldCountError(line, titles.size()) + " in the title row");
  }
  const size_t present = std::min(titles.size(), static_cast<size_t>(kFieldCount));
  for (size_t k = 0; k < present; ++k) {
    const std::string expected = gbk::toUtf8(ColumnTitles[k]);
    if (trimmedBlanks(titles[k]) != expected) {
      throw std::runtime_error("line " + std::to_string(line) + ": column " +
                               std::to_string(k + 1) + " is titled \"" + titles[k] +
                               "\", expected \"" + expected + "\"");
    }
  }
}

}  // namespace

ImportSummary importCsv(const std::string& csvPath, const std::string& databasePath, bool lenient,
                        bool force) {
  if (sameFile(csvPath, databasePath)) {
    throw std::runtime_error("the output would replace the input " + csvPath);
  }
  CsvText text = decodeCsv(readWholeFile(csvPath));
  csv::Reader reader(text.utf8);
  std::vector<std::string> fields;
  if (!reader.next(fields)) throw std::runtime_error(csvPath + " has no title row");
  checkTitles(fields, reader.recordLine(), lenient);

  AtomicOutput output(databasePath, force);
  ImportSummary summary;
  summary.encoding = text.encoding;
  {
    EdbWriter writer(output.tempPath(), kAccessPassword, db::randomSalt());
    std::array<std::string_view, kFieldCount> record;
    while (reader.next(fields)) {
      if (fields.size() != static_cast<size_t>(kFieldCount)) {
        if (!lenient) throw std::runtime_error(fieldCountError(reader.recordLine(), fields.size()));
        if (summary.adjustedRows++ == 0) summary.firstAdjustedLine = reader.recordLine();
        fields.resize(kFieldCount);
      }
      for (int k = 0; k < kFieldCount; ++k) record[k] = fields[k];
      writer.append(record);
    }
    writer.commit();
    summary.records = writer.recordCount();
  }
  output.commit();
  return summary;
}

}  // namespace bazi::tools
