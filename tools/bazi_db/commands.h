#pragma once
// The three commands of bazi-db. Each throws std::runtime_error with a
// one-line message on failure.

#include <cstddef>
#include <ostream>
#include <string>

namespace bazi::tools {

struct ImportSummary {
  size_t records = 0;
  std::string encoding;
  size_t adjustedRows = 0;       // rows padded or cut under --lenient
  size_t firstAdjustedLine = 0;  // line of the first of them
};

// CSV with the title row → a new chart database.
ImportSummary importCsv(const std::string& csvPath, const std::string& databasePath, bool lenient,
                        bool force);

// A chart database → UTF-8 CSV with the title row, to `csvPath` or, when it is
// empty, to `out`. Returns the number of records.
size_t exportCsv(const std::string& databasePath, const std::string& csvPath, bool force,
                 bool byteOrderMark, std::ostream& out);

// The record count of a chart database.
size_t countRecords(const std::string& databasePath);

}  // namespace bazi::tools
