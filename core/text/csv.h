#pragma once
// Comma-separated values after RFC 4180: fields separated by commas, records
// by line breaks; a field holding a comma, a quote or a line break is quoted,
// with quotes doubled. Works on bytes, so it suits UTF-8 and GB18030 alike
// (neither uses the bytes of ',', '"', CR or LF inside a character).

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace csv {

// One record, ended by CR LF. A field is quoted when it holds a comma, a
// quote or a line break, or starts or ends with a blank (which spreadsheets
// would otherwise trim).
std::string formatRow(const std::vector<std::string>& fields);
void appendRow(std::string& out, std::span<const std::string_view> fields);

class ParseError : public std::runtime_error {
 public:
  ParseError(size_t line, const std::string& what)
      : std::runtime_error("line " + std::to_string(line) + ": " + what), line_(line) {}
  size_t line() const { return line_; }

 private:
  size_t line_;
};

// Reads records one by one from a text held in memory. Lines with nothing on
// them are skipped. CR LF, LF and a lone CR all end a record; inside quotes
// they are kept as they stand.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  // The next record's fields; false after the last. Throws ParseError.
  bool next(std::vector<std::string>& fields);
  // The line (1-based) on which the record last returned starts.
  size_t recordLine() const { return recordLine_; }

 private:
  void readQuoted(std::string& field);
  void readPlain(std::string& field);
  bool atLineBreak() const;
  void skipLineBreak();

  std::string_view text_;
  size_t pos_ = 0;
  size_t line_ = 1;
  size_t recordLine_ = 0;
};

}  // namespace csv
