// Every kind of file the engine cannot read gives a failed open and a record
// count of 0, without a crash or a hang, and no file in the folder changes:
// not a byte, not a modification time, and nothing is created beside it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <memory>

#include "db_test_support.h"
#include "edb_engine.h"

namespace bazi {
namespace {

using testing::FolderState;
using ::testing::HasSubstr;
using testing::TempFolder;

// Keeps whatever a case needs alive (an open connection holding a lock).
using Holder = std::shared_ptr<void>;

struct Connection {
  sqlite3* handle = nullptr;
  ~Connection() { sqlite3_close(handle); }
};

std::shared_ptr<Connection> openConnection(const std::string& path, const char* sql) {
  auto connection = std::make_shared<Connection>();
  sqlite3_open(path.c_str(), &connection->handle);
  sqlite3_exec(connection->handle, sql, nullptr, nullptr, nullptr);
  return connection;
}

void writeGoodFile(const std::string& path) {
  testing::writeChartFile(path, testing::numberedRecords("good", 3));
}

// A writer that stops in the middle of a transaction big enough to spill into
// the file, leaving a hot journal that a reader would have to play back.
void crashWhileWriting(const std::string& path) {
  const pid_t child = ::fork();
  if (child == 0) {
    sqlite3* connection = nullptr;
    sqlite3_open(path.c_str(), &connection);
    sqlite3_exec(connection,
                 "PRAGMA cache_size = 1; BEGIN;"
                 "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)"
                 "INSERT INTO edb_meta SELECT 'k' || i, hex(zeroblob(500)) FROM n;",
                 nullptr, nullptr, nullptr);
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
}

struct BadInput {
  const char* name;
  std::function<Holder(const std::string& path)> make;
  const char* reason;  // part of lastError()
};

void PrintTo(const BadInput& input, std::ostream* out) { *out << input.name; }

const BadInput kBadInputs[] = {
    {"missing file", [](const std::string&) { return Holder(); }, "no such file"},
    {"folder",
     [](const std::string& path) {
       std::filesystem::create_directory(path);
       return Holder();
     },
     "folder"},
    {"empty file",
     [](const std::string& path) {
       testing::writeBytes(path, "");
       return Holder();
     },
     "empty"},
    {"shorter than the header",
     [](const std::string& path) {
       writeGoodFile(path);
       testing::writeBytes(path, testing::readBytes(path).substr(0, 60));
       return Holder();
     },
     "cut off"},
    {"cut at a page boundary",
     [](const std::string& path) {
       writeGoodFile(path);
       const std::string bytes = testing::readBytes(path);
       testing::writeBytes(path, bytes.substr(0, bytes.size() - 4096));
       return Holder();
     },
     "cut off"},
    {"cut inside a page",
     [](const std::string& path) {
       writeGoodFile(path);
       const std::string bytes = testing::readBytes(path);
       testing::writeBytes(path, bytes.substr(0, bytes.size() - 100));
       return Holder();
     },
     "cut off"},
    {"text file",
     [](const std::string& path) {
       testing::writeBytes(path, "姓名,性别\n张某,男\n");
       return Holder();
     },
     "not an SQLite database"},
    {"SQLite file of another schema",
     [](const std::string& path) {
       testing::runSql(path, "CREATE TABLE t(a, b); INSERT INTO t VALUES (1, 2);");
       return Holder();
     },
     "not a chart database"},
    {"chart table without meta table",
     [](const std::string& path) {
       testing::runSql(path, "CREATE TABLE charts(a, b); INSERT INTO charts VALUES (1, 2);");
       return Holder();
     },
     "not a chart database"},
    {"chart table is a view",
     [](const std::string& path) {
       writeGoodFile(path);
       testing::runSql(path,
                       "ALTER TABLE charts RENAME TO c2; CREATE VIEW charts AS SELECT * FROM c2;");
       return Holder();
     },
     "not a chart database"},
    {"chart table without row ids",
     [](const std::string& path) {
       writeGoodFile(path);
       testing::runSql(path,
                       "DROP TABLE charts; CREATE TABLE charts(a PRIMARY KEY) WITHOUT ROWID;");
       return Holder();
     },
     "cannot be read"},
    {"wrong password",
     [](const std::string& path) {
       testing::writeChartFile(path, testing::numberedRecords("x", 2), "NotThePassword");
       return Holder();
     },
     "wrong password"},
    {"password record missing",
     [](const std::string& path) {
       writeGoodFile(path);
       testing::runSql(path, "DELETE FROM edb_meta WHERE key = 'password_sha256';");
       return Holder();
     },
     "without its password"},
    {"newer format version",
     [](const std::string& path) {
       writeGoodFile(path);
       testing::runSql(path, "UPDATE edb_meta SET value = '2' WHERE key = 'version';");
       return Holder();
     },
     "unknown version"},
    {"damaged chart table",
     [](const std::string& path) {
       testing::writeChartFile(path, testing::numberedRecords("damaged", 400));
       std::string bytes = testing::readBytes(path);
       // Page 4 onwards belong to the chart table's b-tree.
       for (size_t i = 3 * 4096; i < 6 * 4096; ++i) bytes[i] = static_cast<char>(0xFF);
       testing::writeBytes(path, bytes);
       return Holder();
     },
     "cannot be read"},
    {"left half-written by a writer that stopped",
     [](const std::string& path) {
       writeGoodFile(path);
       crashWhileWriting(path);
       return Holder();
     },
     "left unfinished"},
    {"locked by a writer",
     [](const std::string& path) -> Holder {
       writeGoodFile(path);
       return openConnection(path, "BEGIN EXCLUSIVE;");
     },
     "in use"},
    {"write-ahead log of another program present",
     [](const std::string& path) -> Holder {
       writeGoodFile(path);
       testing::runSql(path, "PRAGMA journal_mode = WAL;");
       return openConnection(path, "INSERT INTO edb_meta VALUES ('extra', 'x');");
     },
     "in use"},
};

class BadInputTest : public ::testing::TestWithParam<BadInput> {};

TEST_P(BadInputTest, GivesNoRecordsAndChangesNothing) {
  TempFolder folder;
  testing::writeChartFile(folder.file("neighbour.edb"), testing::numberedRecords("n", 1));
  const std::string path = folder.file("input.edb");
  const Holder holder = GetParam().make(path);
  const FolderState before = testing::snapshot(folder.path());

  EdbReader reader;
  EXPECT_FALSE(reader.open(path, kAccessPassword));
  EXPECT_EQ(reader.recordCount(), 0u);
  EXPECT_THAT(reader.lastError(), HasSubstr(GetParam().reason));
  reader.goToRecord(1);
  EXPECT_EQ(reader.readField(1), "");
  reader.close(path);
  reader.closeAll();

  EXPECT_EQ(testing::snapshot(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Engine, BadInputTest, ::testing::ValuesIn(kBadInputs),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

TEST(BadInput, UnreadableFileGivesNoRecords) {
  if (::geteuid() == 0) GTEST_SKIP() << "file permissions do not bind the super-user";
  TempFolder folder;
  const std::string path = folder.file("secret.edb");
  writeGoodFile(path);
  std::filesystem::permissions(path, std::filesystem::perms::none);
  EdbReader reader;
  EXPECT_FALSE(reader.open(path, kAccessPassword));
  EXPECT_EQ(reader.recordCount(), 0u);
}

// The good cases change nothing either, whichever journal mode the file has.
struct GoodFile {
  const char* name;
  const char* sql;  // run on the file before the test
};

void PrintTo(const GoodFile& file, std::ostream* out) { *out << file.name; }

class GoodFileTest : public ::testing::TestWithParam<GoodFile> {};

TEST_P(GoodFileTest, ReadsEveryRecordAndChangesNothing) {
  TempFolder folder;
  const std::string path = folder.file("good.edb");
  writeGoodFile(path);
  if (*GetParam().sql) testing::runSql(path, GetParam().sql);
  const FolderState before = testing::snapshot(folder.path());

  EdbReader reader;
  ASSERT_TRUE(reader.open(path, kAccessPassword)) << reader.lastError();
  ASSERT_EQ(reader.recordCount(), 3u);
  for (size_t n = 1; n <= 3; ++n) {
    reader.goToRecord(n);
    for (int k = 1; k <= kFieldCount; ++k) {
      EXPECT_EQ(reader.readField(k), testing::numberedRecord("good", static_cast<int>(n))[k - 1]);
    }
  }
  EXPECT_FALSE(reader.readFailed());
  reader.close(path);

  EXPECT_EQ(testing::snapshot(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Engine, GoodFileTest,
                         ::testing::Values(GoodFile{"RollbackJournal", ""},
                                           GoodFile{"WriteAheadLog", "PRAGMA journal_mode = WAL;"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BadInput, FailedOpenForgetsThePreviousFile) {
  TempFolder folder;
  writeGoodFile(folder.file("good.edb"));
  EdbReader reader;
  ASSERT_TRUE(reader.open(folder.file("good.edb"), kAccessPassword));
  EXPECT_FALSE(reader.open(folder.file("missing.edb"), kAccessPassword));
  EXPECT_EQ(reader.recordCount(), 0u);
  reader.goToRecord(1);
  EXPECT_EQ(reader.readField(1), "");
}

}  // namespace
}  // namespace bazi
