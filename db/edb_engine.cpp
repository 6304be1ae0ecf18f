#include "edb_engine.h"

#include <sys/stat.h>

#include <algorithm>

#include "edb_schema.h"
#include "field_text.h"
#include "sqlite_file_check.h"

namespace bazi {
namespace {

// A file another program is writing is given this long to become free; the
// load runs in the window's event handler and must not stall on it.
constexpr int kBusyTimeoutMs = 200;

bool fileExists(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0;
}

// Hex digests may come in either case from other writers.
bool sameHex(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  unsigned difference = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) {
      return static_cast<unsigned char>(c >= 'A' && c <= 'F' ? c + 32 : c);
    };
    difference |= lower(a[i]) ^ lower(b[i]);
  }
  return difference == 0;
}

}  // namespace

EdbReader::~EdbReader() { closeAll(); }

bool EdbReader::fail(std::string reason) {
  closeAll();
  lastError_ = std::move(reason);
  return false;
}

bool EdbReader::open(const std::string& path, std::string_view password) {
  closeAll();
  lastError_.clear();
  readFailed_ = false;
  const db::SqliteFileCheck check = db::checkSqliteFile(path);
  if (!check.usable) return fail(check.problem);
  // Reading a write-ahead-log database the ordinary way creates -wal and -shm
  // files beside it. Without a log it is read as an immutable file; with one,
  // another program has it open or did not close it, and its log is not ours
  // to apply.
  if (check.walMode && (fileExists(path + "-wal") || fileExists(path + "-shm"))) {
    return fail("is in use by another program (its write-ahead log is present)");
  }
  if (!openConnection(path, check.walMode)) return false;
  if (!checkFormatAndPassword(password)) return false;
  if (!prepareRecords()) return false;
  path_ = path;
  return true;
}

bool EdbReader::openConnection(const std::string& path, bool walMode) {
  const std::string uri = db::fileUri(path, walMode ? "mode=ro&immutable=1" : "mode=ro");
  sqlite3* raw = nullptr;
  const int rc = sqlite3_open_v2(
      uri.c_str(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
  connection_.reset(raw);
  if (rc != SQLITE_OK) {
    return fail(std::string("cannot be opened: ") + (raw ? sqlite3_errmsg(raw) : "out of memory"));
  }
  sqlite3_extended_result_codes(raw, 1);
  sqlite3_busy_timeout(raw, kBusyTimeoutMs);
  // The file comes from outside: its schema may not run functions with side
  // effects, and nothing may write through this connection.
  sqlite3_db_config(raw, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
  sqlite3_db_config(raw, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
  // One read transaction for the whole load: every record comes from the same
  // state of the file, and nobody can change it half-way.
  if (sqlite3_exec(raw, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK) {
    return fail(std::string("cannot be read: ") + sqlite3_errmsg(raw));
  }
  return true;
}

std::string EdbReader::metaValue(std::string_view key, bool& found) {
  found = false;
  std::string sql = "SELECT value FROM ";
  sql.append(db::kMetaTable).append(" WHERE key = ?1");
  db::Statement query = db::prepare(connection_.get(), sql);
  if (!query) return {};
  sqlite3_bind_text(query.get(), 1, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
  if (sqlite3_step(query.get()) != SQLITE_ROW) return {};
  found = true;
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(query.get(), 0));
  return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(query.get(), 0)))
              : std::string();
}

bool EdbReader::checkFormatAndPassword(std::string_view password) {
  // The first read takes the shared lock: this is where a file that is being
  // written shows up as busy.
  std::string sql = "SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name IN ('";
  sql.append(db::kMetaTable).append("', '").append(db::kChartTable).append("')");
  db::Statement tables = db::prepare(connection_.get(), sql);
  const int rc = tables ? sqlite3_step(tables.get()) : sqlite3_errcode(connection_.get());
  if (rc != SQLITE_ROW) {
    const int primary = rc & 0xFF;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) {
      return fail("is in use by another program (locked)");
    }
    if (rc == SQLITE_READONLY_ROLLBACK) {
      return fail(
          "holds a change a program left unfinished (its -journal file); "
          "opening it once in sqlite3 rolls that back");
    }
    return fail(std::string("cannot be read: ") + sqlite3_errmsg(connection_.get()));
  }
  if (sqlite3_column_int(tables.get(), 0) != 2) {
    return fail("is an SQLite database but not a chart database");
  }
  bool found = false;
  if (metaValue(db::kFormatKey, found) != db::kFormatName || !found) {
    return fail("is an SQLite database but not a chart database");
  }
  const std::string version = metaValue(db::kVersionKey, found);
  if (!found || version != db::kFormatVersion) {
    return fail("is a chart database of an unknown version (" + version + ")");
  }
  bool saltFound = false;
  bool hashFound = false;
  const std::string salt = metaValue(db::kSaltKey, saltFound);
  const std::string hash = metaValue(db::kPasswordHashKey, hashFound);
  if (!saltFound || !hashFound) return fail("is a chart database without its password record");
  if (!sameHex(db::passwordHash(salt, password), hash)) return fail("wrong password");
  return true;
}

bool EdbReader::prepareRecords() {
  std::string countSql = "SELECT count(*) FROM ";
  countSql.append(db::kChartTable);
  db::Statement count = db::prepare(connection_.get(), countSql);
  if (!count || sqlite3_step(count.get()) != SQLITE_ROW) {
    return fail(std::string("cannot be read: ") + sqlite3_errmsg(connection_.get()));
  }
  const sqlite3_int64 rows = sqlite3_column_int64(count.get(), 0);
  records_ = db::prepare(connection_.get(), db::selectRecordsSql());
  if (!records_) {
    return fail(std::string("has a chart table that cannot be read: ") +
                sqlite3_errmsg(connection_.get()));
  }
  recordCount_ = static_cast<size_t>(std::max<sqlite3_int64>(rows, 0));
  columnCount_ = std::min(sqlite3_column_count(records_.get()), kFieldCount);
  position_ = 0;
  onRow_ = false;
  return true;
}

bool EdbReader::step() {
  const int rc = sqlite3_step(records_.get());
  ++position_;
  onRow_ = rc == SQLITE_ROW;
  // The count said there are more rows, so running out early is damage too.
  if (!onRow_) readFailed_ = true;
  return onRow_;
}

void EdbReader::goToRecord(size_t n) {
  onRow_ = false;
  if (!records_ || readFailed_ || n == 0 || n > recordCount_) return;
  // The load asks for 1, 2, 3, ...: each is one step. Any other order starts
  // over from the first row.
  if (n <= position_) {
    sqlite3_reset(records_.get());
    position_ = 0;
  }
  while (position_ < n) {
    if (!step()) {
      onRow_ = false;
      return;
    }
  }
}

std::string_view EdbReader::readField(int k) {
  if (!onRow_ || k < 1 || k > columnCount_) return {};
  return db::fieldText(records_.get(), k - 1, buffers_[k - 1]);
}

void EdbReader::close(const std::string& path) {
  if (path == path_) closeAll();
}

void EdbReader::closeAll() {
  records_.reset();
  connection_.reset();  // ends the read transaction
  path_.clear();
  recordCount_ = 0;
  position_ = 0;
  onRow_ = false;
  columnCount_ = 0;
}

}  // namespace bazi
