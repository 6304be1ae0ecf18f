#pragma once
// The layout of a chart database file (*.edb), shared by the reader and the
// writer. docs/chart-database.md describes it for other programs.

#include <string>
#include <string_view>

namespace bazi::db {

inline constexpr std::string_view kChartTable = "charts";
inline constexpr std::string_view kMetaTable = "edb_meta";
inline constexpr std::string_view kFormatName = "bazi-chart-database";
inline constexpr std::string_view kFormatVersion = "1";

// Keys of the meta table.
inline constexpr std::string_view kFormatKey = "format";
inline constexpr std::string_view kVersionKey = "version";
inline constexpr std::string_view kSaltKey = "salt";
inline constexpr std::string_view kPasswordHashKey = "password_sha256";

// Lower-case hex SHA-256 of the salt text followed by the password.
std::string passwordHash(std::string_view salt, std::string_view password);

// 16 random bytes as 32 hex digits.
std::string randomSalt();

// Creates both tables of an empty chart database (column names are the 26
// titles in UTF-8).
std::string createSchemaSql();

// INSERT of one record with parameters ?1 to ?26.
std::string insertRecordSql();

// Every row of the chart table in insertion order, all columns.
std::string selectRecordsSql();

}  // namespace bazi::db
