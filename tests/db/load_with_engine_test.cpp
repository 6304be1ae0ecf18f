// The load command end to end with the real engine: chart databases on disk,
// only the dialog and the tree view faked.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "db_test_support.h"
#include "edb_engine.h"
#include "records/labels.h"
#include "records/load.h"

namespace bazi {
namespace {

using ::testing::ElementsAre;
using testing::TempFolder;

struct GivenFiles : FileChooser, ProgramFolder, FileListView, LoadWarnings {
  std::vector<std::string> paths;
  std::vector<std::string> items;
  std::vector<std::vector<std::string>> notRead;
  std::vector<std::string> chooseFiles(std::string_view, const std::string&) override {
    return paths;
  }
  std::string programFolder() override { return "/opt/bazi"; }
  void removeAllItems() override { items.clear(); }
  void addTopLevelItem(std::string_view text) override { items.emplace_back(text); }
  void filesNotRead(const std::vector<std::string>& p) override { notRead.push_back(p); }
};

TEST(LoadWithEngine, ReadsEveryFileInOrderAndReportsTheUnreadable) {
  TempFolder folder;
  const std::string first = folder.file(gbk::toUtf8("甲库.edb"));
  const std::string second = folder.file("second.EDB");
  const std::string wrongPassword = folder.file("locked.edb");
  const std::string notADatabase = folder.file("notes.edb");
  testing::writeChartFile(first, testing::numberedRecords("A", 3));
  testing::writeChartFile(second, testing::numberedRecords("B", 2));
  testing::writeChartFile(wrongPassword, testing::numberedRecords("W", 4), "other");
  testing::writeBytes(notADatabase, "not a database");
  const testing::FolderState before = testing::snapshot(folder.path());

  Workspace workspace;
  GivenFiles files;
  files.paths = {first, wrongPassword, second, notADatabase};
  EdbReader reader;
  LoadPorts ports{files, files, reader, files, files};
  loadChartDatabases(workspace, ports);

  ASSERT_EQ(workspace.records.rowCount(), 7u);
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(workspace.records.recordAt(n).toRecord(), testing::numberedRecord("A", n));
  }
  for (int n = 1; n <= 2; ++n) {
    EXPECT_EQ(workspace.records.recordAt(3 + n).toRecord(), testing::numberedRecord("B", n));
  }
  EXPECT_EQ(workspace.statusLabel, labels::kLoadDone);
  EXPECT_EQ(workspace.countLabel, labels::loadCountText(5));
  EXPECT_THAT(files.items, ElementsAre("甲库", "locked", "second", "notes"));
  ASSERT_EQ(files.notRead.size(), 1u);
  EXPECT_THAT(files.notRead[0], ElementsAre(wrongPassword, notADatabase));
  EXPECT_EQ(testing::snapshot(folder.path()), before);
}

TEST(LoadWithEngine, ChineseTextArrivesAsGbk) {
  TempFolder folder;
  ChartRecord record;
  record[0] = "张某甲";
  record[kChartField] = "甲子 乙丑 丙寅 丁卯";
  const std::string path = folder.file("one.edb");
  testing::writeChartFile(path, {record});

  Workspace workspace;
  GivenFiles files;
  files.paths = {path};
  EdbReader reader;
  LoadPorts ports{files, files, reader, files, files};
  loadChartDatabases(workspace, ports);

  ASSERT_EQ(workspace.records.recordCount(), 1u);
  EXPECT_EQ(workspace.records.cell(1, 0), "\xD5\xC5\xC4\xB3\xBC\xD7");
  EXPECT_EQ(workspace.records.cell(1, kChartField), record[kChartField]);
  EXPECT_EQ(workspace.records.cell(1, 1), "");
}

}  // namespace
}  // namespace bazi
