// The shape of RecordTable and ResultTable: a title row, the records, one
// empty trailing row, and the fixed widths of the narrow columns.

#include "records/record_table.h"

#include <gtest/gtest.h>

#include <string>

#include "text/gbk_codec.h"

namespace bazi {
namespace {

std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

ChartRecord recordNamed(const std::string& name) {
  ChartRecord record;
  for (int k = 0; k < kFieldCount; ++k) record[k] = name + "/" + std::to_string(k);
  return record;
}

TEST(ColumnTitles, AreTheTwentySixTitlesInOrder) {
  const char8_t* expected[kFieldCount] = {
      u8"姓名",      u8"性别",      u8"阳历生日",  u8"阴历生日",  u8"闰月",         u8"八字",
      u8"籍贯",      u8"学历",      u8"性格",      u8"仪表",      u8"兄弟姐妹数量", u8"结婚时间",
      u8"对象属相",  u8"婚姻状态",  u8"子女数量",  u8"职业1",     u8"职业2",        u8"职业3",
      u8"流年事件1", u8"流年事件2", u8"流年事件3", u8"流年事件4", u8"流年事件5",    u8"简历",
      u8"保留",      u8"备注"};
  for (int k = 0; k < kFieldCount; ++k) {
    EXPECT_EQ(gbk::toUtf8(ColumnTitles[k]), utf8(expected[k])) << "column " << k;
  }
  EXPECT_EQ(ColumnTitles[0], "\xD0\xD5\xC3\xFB");  // GBK bytes of 姓名
  EXPECT_EQ(gbk::toUtf8(ColumnTitles[kChartField]), utf8(u8"八字"));
}

TEST(ChartTable, EmptyTableHasTwoRowsAndNoRecords) {
  RecordTable table;
  EXPECT_EQ(table.rowCount(), 2u);
  EXPECT_EQ(table.recordCount(), 0u);
  EXPECT_FALSE(table.hasTitles());
  for (int k = 0; k < kFieldCount; ++k) {
    EXPECT_EQ(table.cell(0, k), "");
    EXPECT_EQ(table.cell(1, k), "");
  }
}

TEST(ChartTable, AppendsGoBeforeOneEmptyTrailingRow) {
  RecordTable table;
  for (int n = 1; n <= 3; ++n) {
    table.appendRecord(recordNamed("r" + std::to_string(n)));
    EXPECT_EQ(table.rowCount(), static_cast<size_t>(n) + 2);
    EXPECT_EQ(table.recordCount(), static_cast<size_t>(n));
    for (int k = 0; k < kFieldCount; ++k) EXPECT_EQ(table.cell(n + 1, k), "");
  }
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(table.recordAt(n).toRecord(), recordNamed("r" + std::to_string(n)));
    EXPECT_EQ(table.cell(n, 25), "r" + std::to_string(n) + "/25");
  }
}

TEST(ChartTable, TitlesGoIntoRowZeroOfBothTables) {
  RecordTable records;
  ResultTable results;
  records.writeTitles();
  results.writeTitles();
  for (int k = 0; k < kFieldCount; ++k) {
    EXPECT_EQ(records.cell(0, k), ColumnTitles[k]);
    EXPECT_EQ(results.cell(0, k), records.cell(0, k));
  }
  RecordTable partly;
  partly.writeTitle(3);
  EXPECT_TRUE(partly.hasTitles());
  EXPECT_EQ(partly.cell(0, 3), ColumnTitles[3]);
  EXPECT_EQ(partly.cell(0, 4), "");
}

TEST(ChartTable, ResetEmptiesEveryCellTitlesIncluded) {
  RecordTable table;
  table.writeTitles();
  table.appendRecord(recordNamed("a"));
  table.resetTable();
  EXPECT_EQ(table.rowCount(), 2u);
  EXPECT_EQ(table.recordCount(), 0u);
  EXPECT_FALSE(table.hasTitles());
  EXPECT_EQ(table.cell(0, 0), "");
  EXPECT_EQ(table.cell(1, 0), "");
  table.appendRecord(recordNamed("b"));
  EXPECT_EQ(table.recordAt(1).toRecord(), recordNamed("b"));
}

TEST(ChartTable, EmptyAndBlankFieldsStayAsTheyAre) {
  ChartRecord record;
  record[0] = "   ";
  record[1] = "\xA1\xA1";  // a full-width blank
  record[2] = "";
  record[3] = " a\tb \r\n";
  record[25] = std::string("x\0y", 3);
  RecordTable table;
  table.appendRecord(record);
  EXPECT_EQ(table.recordAt(1).toRecord(), record);
}

TEST(ChartTable, ColumnWidthsAreSetByApply) {
  RecordTable table;
  for (int k = 0; k < kFieldCount; ++k) EXPECT_EQ(table.columnWidth(k), kDefaultColumnWidth);
  table.applyColumnWidths();
  const std::pair<int, int> narrow[] = {{1, 30}, {4, 30}, {5, 120}, {10, 30}, {12, 30}, {14, 30}};
  for (int k = 0; k < kFieldCount; ++k) {
    int expected = 60;
    for (const auto& [column, width] : narrow) {
      if (column == k) expected = width;
    }
    EXPECT_EQ(table.columnWidth(k), expected) << "column " << k;
  }
  EXPECT_EQ(kDefaultRowHeight, 24);
}

TEST(ChartTable, ManyAndLargeRecordsKeepTheirTexts) {
  RecordTable table;
  const int count = 40000;  // some 10 MiB: more than one storage chunk
  for (int n = 1; n <= count; ++n) {
    ChartRecord record = recordNamed(std::to_string(n));
    record[23] = std::string(200, static_cast<char>('a' + n % 26));
    table.appendRecord(record);
  }
  ChartRecord huge = recordNamed("huge");
  huge[24] = std::string(9u << 20, 'h');  // larger than a chunk
  table.appendRecord(huge);
  table.appendRecord(recordNamed("after"));

  ASSERT_EQ(table.recordCount(), static_cast<size_t>(count) + 2);
  for (int n : {1, 2, count / 2, count - 1, count}) {
    EXPECT_EQ(table.cell(n, 0), std::to_string(n) + "/0");
    EXPECT_EQ(table.cell(n, 23), std::string(200, static_cast<char>('a' + n % 26)));
  }
  EXPECT_EQ(table.recordAt(count + 1).toRecord(), huge);
  EXPECT_EQ(table.recordAt(count + 2).toRecord(), recordNamed("after"));
}

TEST(ChartTable, AppendingAViewMakesAFullCopy) {
  RecordTable records;
  records.appendRecord(recordNamed("chart"));
  ResultTable results;
  results.appendRecord(records.recordAt(1));
  records.resetTable();
  records.appendRecord(recordNamed("other"));
  EXPECT_EQ(results.recordAt(1).toRecord(), recordNamed("chart"));
}

}  // namespace
}  // namespace bazi
