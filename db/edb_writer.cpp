#include "edb_writer.h"

#include "edb_schema.h"

namespace bazi {

EdbWriter::EdbWriter(const std::string& path, std::string_view password, std::string_view salt) {
  sqlite3* raw = nullptr;
  const int rc =
      sqlite3_open_v2(path.c_str(), &raw,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
  connection_.reset(raw);
  if (rc != SQLITE_OK) {
    throw EdbError("cannot create " + path + ": " + (raw ? sqlite3_errmsg(raw) : "out of memory"));
  }
  sqlite3_extended_result_codes(raw, 1);
  // The file is a fresh temporary one that is renamed into place only when
  // complete, so a journal would protect nothing.
  execute("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; BEGIN");
  execute(db::createSchemaSql());

  std::string meta = "INSERT INTO ";
  meta.append(db::kMetaTable).append(" (key, value) VALUES (?1, ?2)");
  db::Statement insertMeta = db::prepare(raw, meta);
  if (!insertMeta) failWith("cannot write the meta table");
  const std::string hash = db::passwordHash(salt, password);
  const std::pair<std::string_view, std::string_view> entries[] = {
      {db::kFormatKey, db::kFormatName},
      {db::kVersionKey, db::kFormatVersion},
      {db::kSaltKey, salt},
      {db::kPasswordHashKey, hash}};
  for (const auto& [key, value] : entries) {
    sqlite3_bind_text(insertMeta.get(), 1, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
    sqlite3_bind_text(insertMeta.get(), 2, value.data(), static_cast<int>(value.size()),
                      SQLITE_STATIC);
    if (sqlite3_step(insertMeta.get()) != SQLITE_DONE) failWith("cannot write the meta table");
    sqlite3_reset(insertMeta.get());
  }

  insert_ = db::prepare(raw, db::insertRecordSql());
  if (!insert_) failWith("cannot prepare the record insert");
}

EdbWriter::~EdbWriter() {
  // Without commit the transaction is rolled back when the connection closes.
  insert_.reset();
  connection_.reset();
}

void EdbWriter::failWith(const std::string& what) {
  throw EdbError(what + ": " + sqlite3_errmsg(connection_.get()));
}

void EdbWriter::execute(const std::string& sql) {
  char* message = nullptr;
  if (sqlite3_exec(connection_.get(), sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    std::string text = message ? message : "unknown error";
    sqlite3_free(message);
    throw EdbError("cannot write the chart database: " + text);
  }
}

void EdbWriter::append(const std::array<std::string_view, kFieldCount>& utf8Fields) {
  if (!insert_) throw EdbError("the chart database is already closed");
  sqlite3_stmt* insert = insert_.get();
  for (int k = 0; k < kFieldCount; ++k) {
    // An empty field is stored as the empty text, not NULL: both read back as
    // empty, but other tools show the difference.
    const std::string_view text = utf8Fields[k];
    sqlite3_bind_text(insert, k + 1, text.empty() ? "" : text.data(), static_cast<int>(text.size()),
                      SQLITE_STATIC);
  }
  if (sqlite3_step(insert) != SQLITE_DONE)
    failWith("cannot write record " + std::to_string(appended_ + 1));
  sqlite3_reset(insert);
  ++appended_;
}

void EdbWriter::commit() {
  if (!insert_) throw EdbError("the chart database is already closed");
  insert_.reset();
  execute("COMMIT");
  if (sqlite3_close(connection_.release()) != SQLITE_OK) {
    throw EdbError("cannot close the chart database");
  }
}

}  // namespace bazi
