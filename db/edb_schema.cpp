#include "edb_schema.h"

#include <random>

#include "records/chart_record.h"
#include "sha256.h"
#include "text/gbk_codec.h"

namespace bazi::db {

std::string passwordHash(std::string_view salt, std::string_view password) {
  std::string input;
  input.reserve(salt.size() + password.size());
  input.append(salt).append(password);
  return sha256Hex(input);
}

std::string randomSalt() {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::random_device device;
  std::string salt;
  for (int i = 0; i < 16; ++i) {
    const unsigned byte = device() & 0xFF;
    salt += kDigits[byte >> 4];
    salt += kDigits[byte & 0x0F];
  }
  return salt;
}

std::string createSchemaSql() {
  std::string sql = "CREATE TABLE ";
  sql.append(kMetaTable).append(" (key TEXT PRIMARY KEY NOT NULL, value TEXT NOT NULL);\n");
  sql.append("CREATE TABLE ").append(kChartTable).append(" (");
  for (int k = 0; k < kFieldCount; ++k) {
    if (k > 0) sql += ", ";
    sql.append("\"").append(gbk::toUtf8(ColumnTitles[k])).append("\" TEXT");
  }
  sql += ");\n";
  return sql;
}

std::string insertRecordSql() {
  std::string sql = "INSERT INTO ";
  sql.append(kChartTable).append(" VALUES (");
  for (int k = 1; k <= kFieldCount; ++k) {
    if (k > 1) sql += ", ";
    sql += "?" + std::to_string(k);
  }
  sql += ")";
  return sql;
}

std::string selectRecordsSql() {
  std::string sql = "SELECT * FROM ";
  sql.append(kChartTable).append(" ORDER BY rowid");
  return sql;
}

}  // namespace bazi::db
