// How stored values reach the core: UTF-8 text as GBK, NULL as the empty
// text, numbers as plain decimals, missing columns as empty texts.

#include <gtest/gtest.h>

#include "db_test_support.h"
#include "edb_engine.h"
#include "edb_schema.h"
#include "field_text.h"

namespace bazi {
namespace {

using testing::TempFolder;

// A chart database written by hand, as another program might: `columns`
// column definitions, one row of `values` (SQL literals, GBK here, UTF-8 in
// the file).
std::string handMadeFile(const TempFolder& folder, const std::string& columns,
                         const std::string& values) {
  const std::string path = folder.file("hand.edb");
  const std::string salt = "abc";
  testing::runSql(path, gbk::toUtf8("CREATE TABLE edb_meta (key TEXT PRIMARY KEY, value TEXT);"
                                    "INSERT INTO edb_meta VALUES ('format', 'bazi-chart-database'),"
                                    "('version', '1'), ('salt', '" +
                                    salt + "'), ('password_sha256', '" +
                                    db::passwordHash(salt, kAccessPassword) +
                                    "');"
                                    "CREATE TABLE charts (" +
                                    columns +
                                    ");"
                                    "INSERT INTO charts VALUES (" +
                                    values + ");"));
  return path;
}

struct ValueCase {
  const char* sqlLiteral;
  std::string gbk;  // expected field text
};

TEST(FieldValues, EachStoredTypeBecomesItsText) {
  const ValueCase cases[] = {
      {"'plain ascii'", "plain ascii"},
      {"'张某甲'", "张某甲"},                // stored as UTF-8, read as GBK
      {"char(131072)", "\x95\x32\x82\x36"},  // U+20000, outside GBK: its GB18030 bytes
      {"NULL", ""},
      {"''", ""},
      {"'   '", "   "},  // blanks stay
      {"3", "3"},
      {"-12", "-12"},
      {"9223372036854775807", "9223372036854775807"},
      {"1.5", "1.5"},
      {"3.0", "3"},
      {"-0.25", "-0.25"},
      {"1e20", "100000000000000000000"},
      {"0.1", "0.1"},
      {"X'E794B2E5AD90'", "甲子"},  // a blob holding UTF-8 text
      {"'a' || char(10) || 'b'", "a\nb"},
  };
  TempFolder folder;
  std::string columns, values;
  for (size_t i = 0; i < std::size(cases); ++i) {
    columns += (i ? ", c" : "c") + std::to_string(i);
    values += (i ? ", " : "") + std::string(cases[i].sqlLiteral);
  }
  const std::string path = handMadeFile(folder, columns, values);

  EdbReader reader;
  ASSERT_TRUE(reader.open(path, kAccessPassword)) << reader.lastError();
  ASSERT_EQ(reader.recordCount(), 1u);
  reader.goToRecord(1);
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(reader.readField(static_cast<int>(i) + 1), cases[i].gbk) << cases[i].sqlLiteral;
  }
}

TEST(FieldValues, ColumnsBeyondTheTableReadEmpty) {
  TempFolder folder;
  const std::string path = handMadeFile(folder, "a, b, c", "'x', 'y', 'z'");
  EdbReader reader;
  ASSERT_TRUE(reader.open(path, kAccessPassword)) << reader.lastError();
  reader.goToRecord(1);
  EXPECT_EQ(reader.readField(3), "z");
  for (int k = 4; k <= kFieldCount; ++k) EXPECT_EQ(reader.readField(k), "") << k;
  EXPECT_EQ(reader.readField(0), "");
  EXPECT_EQ(reader.readField(kFieldCount + 1), "");
}

TEST(FieldValues, ColumnsAfterThe26thAreIgnored) {
  TempFolder folder;
  std::string columns, values;
  for (int k = 1; k <= 30; ++k) {
    columns += (k > 1 ? ", c" : "c") + std::to_string(k);
    values += (k > 1 ? ", " : "") + std::to_string(k);
  }
  const std::string path = handMadeFile(folder, columns, values);
  EdbReader reader;
  ASSERT_TRUE(reader.open(path, kAccessPassword)) << reader.lastError();
  reader.goToRecord(1);
  EXPECT_EQ(reader.readField(26), "26");
  EXPECT_EQ(reader.readField(27), "");
}

TEST(FieldValues, EveryFieldStaysValidUntilTheNextRecord) {
  TempFolder folder;
  const std::string path = handMadeFile(folder, "a, b, c, d", "'张', 'ascii', 7, 2.5");
  EdbReader reader;
  ASSERT_TRUE(reader.open(path, kAccessPassword)) << reader.lastError();
  reader.goToRecord(1);
  const std::string_view fields[] = {reader.readField(1), reader.readField(2), reader.readField(3),
                                     reader.readField(4)};
  EXPECT_EQ(fields[0], "张");
  EXPECT_EQ(fields[1], "ascii");
  EXPECT_EQ(fields[2], "7");
  EXPECT_EQ(fields[3], "2.5");
}

TEST(RealText, NeverUsesAnExponent) {
  std::string buffer;
  EXPECT_EQ(db::realText(1e-7, buffer), "0.0000001");
  EXPECT_EQ(db::realText(-1e21, buffer), "-1000000000000000000000");
  EXPECT_EQ(db::realText(123456.789, buffer), "123456.789");
}

}  // namespace
}  // namespace bazi
