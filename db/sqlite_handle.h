#pragma once
// Owning handles for SQLite connections and statements.

#include <sqlite3.h>

#include <memory>
#include <string>
#include <string_view>

namespace bazi::db {

struct ConnectionCloser {
  void operator()(sqlite3* connection) const { sqlite3_close(connection); }
};
struct StatementFinalizer {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

using Connection = std::unique_ptr<sqlite3, ConnectionCloser>;
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// Null when the statement does not compile (see sqlite3_errmsg).
Statement prepare(sqlite3* connection, std::string_view sql);

// A "file:" URI for `path`, every byte outside [A-Za-z0-9/._~-] percent-escaped
// so that '?', '#' and '%' in a file name stay part of the name.
std::string fileUri(const std::string& path, std::string_view parameters);

}  // namespace bazi::db
