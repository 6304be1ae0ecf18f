// Record numbers follow insertion order, without gaps, and the password gate.

#include <gtest/gtest.h>

#include "db_test_support.h"
#include "edb_engine.h"

namespace bazi {
namespace {

using testing::TempFolder;

std::string nameOf(EdbReader& reader, size_t n) {
  reader.goToRecord(n);
  return std::string(reader.readField(1));
}

TEST(RecordOrder, RecordNIsTheNthRowInserted) {
  TempFolder folder;
  const std::string path = folder.file("order.edb");
  testing::writeChartFile(path, testing::numberedRecords("r", 5));
  EdbReader reader;
  ASSERT_TRUE(reader.open(path, kAccessPassword));
  ASSERT_EQ(reader.recordCount(), 5u);
  for (size_t n = 1; n <= 5; ++n) EXPECT_EQ(nameOf(reader, n), "r-" + std::to_string(n) + "-1");
}

TEST(RecordOrder, DeletedRowsLeaveNoGaps) {
  TempFolder folder;
  const std::string path = folder.file("gaps.edb");
  testing::writeChartFile(path, testing::numberedRecords("r", 6));
  testing::runSql(path, "DELETE FROM charts WHERE rowid IN (2, 5);");
  EdbReader reader;
  ASSERT_TRUE(reader.open(path, kAccessPassword));
  ASSERT_EQ(reader.recordCount(), 4u);
  EXPECT_EQ(nameOf(reader, 1), "r-1-1");
  EXPECT_EQ(nameOf(reader, 2), "r-3-1");
  EXPECT_EQ(nameOf(reader, 3), "r-4-1");
  EXPECT_EQ(nameOf(reader, 4), "r-6-1");
}

TEST(RecordOrder, ReadsInAnyOrderAndNothingOutsideTheRange) {
  TempFolder folder;
  const std::string path = folder.file("jumps.edb");
  testing::writeChartFile(path, testing::numberedRecords("r", 5));
  EdbReader reader;
  ASSERT_TRUE(reader.open(path, kAccessPassword));
  EXPECT_EQ(nameOf(reader, 4), "r-4-1");
  EXPECT_EQ(nameOf(reader, 2), "r-2-1");
  EXPECT_EQ(nameOf(reader, 2), "r-2-1");
  EXPECT_EQ(nameOf(reader, 5), "r-5-1");
  EXPECT_EQ(nameOf(reader, 6), "");
  EXPECT_EQ(nameOf(reader, 0), "");
  EXPECT_EQ(nameOf(reader, 1), "r-1-1");
  EXPECT_FALSE(reader.readFailed());
}

TEST(RecordOrder, ReadingBeforeAnyGoToGivesEmptyFields) {
  TempFolder folder;
  const std::string path = folder.file("fresh.edb");
  testing::writeChartFile(path, testing::numberedRecords("r", 1));
  EdbReader reader;
  ASSERT_TRUE(reader.open(path, kAccessPassword));
  EXPECT_EQ(reader.readField(1), "");
}

TEST(RecordOrder, AFileWithoutRecordsOpens) {
  TempFolder folder;
  const std::string path = folder.file("none.edb");
  testing::writeChartFile(path, {});
  EdbReader reader;
  EXPECT_TRUE(reader.open(path, kAccessPassword));
  EXPECT_EQ(reader.recordCount(), 0u);
}

TEST(RecordOrder, CloseOfAnotherPathKeepsTheCurrentFile) {
  TempFolder folder;
  const std::string path = folder.file("kept.edb");
  testing::writeChartFile(path, testing::numberedRecords("r", 2));
  EdbReader reader;
  ASSERT_TRUE(reader.open(path, kAccessPassword));
  reader.close(folder.file("other.edb"));
  EXPECT_EQ(nameOf(reader, 2), "r-2-1");
  reader.close(path);
  EXPECT_EQ(reader.recordCount(), 0u);
  EXPECT_EQ(nameOf(reader, 1), "");
}

TEST(PasswordGate, OnlyTheStoredPasswordOpens) {
  TempFolder folder;
  const std::string path = folder.file("gate.edb");
  testing::writeChartFile(path, testing::numberedRecords("r", 1), "Secret");
  EdbReader reader;
  EXPECT_FALSE(reader.open(path, ""));
  EXPECT_FALSE(reader.open(path, "secret"));
  EXPECT_FALSE(reader.open(path, kAccessPassword));
  EXPECT_EQ(reader.lastError(), "wrong password");
  EXPECT_TRUE(reader.open(path, "Secret"));
  EXPECT_EQ(reader.recordCount(), 1u);
}

TEST(PasswordGate, AcceptsAHashWrittenInCapitals) {
  TempFolder folder;
  const std::string path = folder.file("upper.edb");
  testing::writeChartFile(path, testing::numberedRecords("r", 1));
  testing::runSql(path, "UPDATE edb_meta SET value = upper(value) WHERE key = 'password_sha256';");
  EdbReader reader;
  EXPECT_TRUE(reader.open(path, kAccessPassword)) << reader.lastError();
}

TEST(Paths, NamesWithUriCharactersOpen) {
  TempFolder folder;
  for (const char* name : {"a?b#c%20d.edb", "记录 一.edb", "semi;colon&amp.edb"}) {
    const std::string path = folder.file(name);
    testing::writeChartFile(path, testing::numberedRecords("p", 1));
    EdbReader reader;
    EXPECT_TRUE(reader.open(path, kAccessPassword)) << name << ": " << reader.lastError();
  }
}

TEST(Paths, RelativePathsOpen) {
  TempFolder folder;
  testing::writeChartFile(folder.file("rel.edb"), testing::numberedRecords("p", 1));
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());
  EdbReader reader;
  EXPECT_TRUE(reader.open("rel.edb", kAccessPassword)) << reader.lastError();
  reader.closeAll();
  std::filesystem::current_path(previous);
}

TEST(Writer, RefusesAFileThatIsAlreadyADatabase) {
  TempFolder folder;
  const std::string path = folder.file("twice.edb");
  testing::writeChartFile(path, testing::numberedRecords("r", 1));
  EXPECT_THROW(testing::writeChartFile(path, testing::numberedRecords("r", 1)), EdbError);
  EdbReader reader;
  ASSERT_TRUE(reader.open(path, kAccessPassword));
  EXPECT_EQ(reader.recordCount(), 1u);
}

TEST(Writer, WithoutCommitNothingIsStored) {
  TempFolder folder;
  const std::string path = folder.file("uncommitted.edb");
  {
    EdbWriter writer(path, kAccessPassword, "salt");
    std::array<std::string_view, kFieldCount> fields{};
    writer.append(fields);
  }
  EdbReader reader;
  EXPECT_FALSE(reader.open(path, kAccessPassword));
}

}  // namespace
}  // namespace bazi
