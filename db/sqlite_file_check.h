#pragma once
// Looks at a file before SQLite opens it, so that a folder, an empty or cut-off
// file and a file of another kind are refused with a clear reason, and so that
// the reader knows how it may open the file without writing beside it.

#include <string>

namespace bazi::db {

struct SqliteFileCheck {
  bool usable = false;
  std::string problem;   // why not, when not usable
  bool walMode = false;  // the header asks for write-ahead logging
};

SqliteFileCheck checkSqliteFile(const std::string& path);

}  // namespace bazi::db
