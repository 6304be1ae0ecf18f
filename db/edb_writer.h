#pragma once
// Writes a new chart database: the schema, the password record and the
// records, all in one transaction. Used by bazi-db import and the sample
// generator; the window only reads.

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "records/chart_record.h"
#include "sqlite_handle.h"

namespace bazi {

class EdbError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class EdbWriter {
 public:
  // Opens `path`, which must not exist yet or be an empty file (such as a
  // fresh temporary file), and starts the transaction. `salt` is normally
  // random; a fixed one makes the file reproducible. Throws EdbError.
  EdbWriter(const std::string& path, std::string_view password, std::string_view salt);
  ~EdbWriter();
  EdbWriter(const EdbWriter&) = delete;
  EdbWriter& operator=(const EdbWriter&) = delete;

  // Appends one record of 26 UTF-8 texts. Throws EdbError.
  void append(const std::array<std::string_view, kFieldCount>& utf8Fields);
  // Commits and closes. Without it the file holds no records.
  void commit();

  size_t recordCount() const { return appended_; }

 private:
  void execute(const std::string& sql);
  [[noreturn]] void failWith(const std::string& what);

  db::Connection connection_;
  db::Statement insert_;
  size_t appended_ = 0;
};

}  // namespace bazi
