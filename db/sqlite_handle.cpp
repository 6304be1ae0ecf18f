#include "sqlite_handle.h"

namespace bazi::db {

Statement prepare(sqlite3* connection, std::string_view sql) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(connection, sql.data(), static_cast<int>(sql.size()), &statement,
                         nullptr) != SQLITE_OK) {
    sqlite3_finalize(statement);
    return nullptr;
  }
  return Statement(statement);
}

std::string fileUri(const std::string& path, std::string_view parameters) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  // An absolute path gets an empty authority ("file:///..."), so a path that
  // starts with "//" is not taken for a host name.
  std::string uri = path.starts_with('/') ? "file://" : "file:";
  for (unsigned char c : path) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '/' || c == '.' || c == '_' || c == '~' || c == '-';
    if (plain) {
      uri += static_cast<char>(c);
    } else {
      uri += '%';
      uri += kDigits[c >> 4];
      uri += kDigits[c & 0x0F];
    }
  }
  if (!parameters.empty()) uri.append("?").append(parameters);
  return uri;
}

}  // namespace bazi::db
