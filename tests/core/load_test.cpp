// loadChartDatabases against fake ports: file and record order, the tree
// texts, the labels, a cancelled dialog, empty files, replacing an earlier
// load, files that could not be read, and the progress reports.

#include "records/load.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "load_fakes.h"
#include "records/labels.h"
#include "text/gbk_codec.h"

namespace bazi {

void PrintTo(const LoadCount& c, std::ostream* out) {
  *out << "{read " << c.recordsRead << ", files " << c.filesDone << "/" << c.filesTotal << ", file "
       << c.fileRecordsRead << "/" << c.fileRecordCount << "}";
}

namespace {

using ::testing::ElementsAre;
using testing::FakePorts;
using testing::taggedRecord;
using testing::taggedRecords;

std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }
// A path as the dialog returns it (UTF-8) from a GBK literal.
std::string path(const char* gbkPath) { return gbk::toUtf8(gbkPath); }

class LoadTest : public ::testing::Test {
 protected:
  void load(std::vector<std::string> paths) {
    fakes.chooser.paths = std::move(paths);
    loadChartDatabases(workspace, fakes.ports);
  }

  FakePorts fakes;
  Workspace workspace;
};

TEST_F(LoadTest, TwoFilesOfThreeAndTwoRecords) {
  const std::string first = path("/data/记录/甲库.edb");
  const std::string second = path("/data/记录/乙库.edb");
  fakes.reader.files[first] = taggedRecords("A", 3);
  fakes.reader.files[second] = taggedRecords("B", 2);
  load({first, second});

  ASSERT_EQ(workspace.records.rowCount(), 7u);
  EXPECT_EQ(workspace.records.recordAt(1).toRecord(), taggedRecord("A", 1));
  EXPECT_EQ(workspace.records.recordAt(2).toRecord(), taggedRecord("A", 2));
  EXPECT_EQ(workspace.records.recordAt(3).toRecord(), taggedRecord("A", 3));
  EXPECT_EQ(workspace.records.recordAt(4).toRecord(), taggedRecord("B", 1));
  EXPECT_EQ(workspace.records.recordAt(5).toRecord(), taggedRecord("B", 2));
  for (int k = 0; k < kFieldCount; ++k) {
    EXPECT_EQ(workspace.records.cell(0, k), ColumnTitles[k]);
    EXPECT_EQ(workspace.records.cell(6, k), "");
  }
  EXPECT_EQ(workspace.statusLabel, labels::kLoadDone);
  EXPECT_EQ(gbk::toUtf8(workspace.countLabel), utf8(u8"共有记录5条"));
  EXPECT_THAT(fakes.fileList.items, ElementsAre("甲库", "乙库"));
  EXPECT_EQ(fakes.reader.seenPassword, "QarelPindoVext");
  EXPECT_THAT(fakes.reader.log,
              ElementsAre("open " + first, "go 1", "go 2", "go 3", "close " + first,
                          "open " + second, "go 1", "go 2", "close " + second, "closeAll"));
  EXPECT_EQ(workspace.records.columnWidth(5), 120);
  EXPECT_TRUE(fakes.warnings.calls.empty());
}

TEST_F(LoadTest, DialogStartsInTheRecordsFolderWithTheFilter) {
  fakes.folder.folder = path("/opt/八字");
  load({});
  EXPECT_EQ(fakes.chooser.calls, 1);
  EXPECT_EQ(fakes.chooser.seenFilter, "(*.edb)|*.edb");
  EXPECT_EQ(fakes.chooser.seenFolder, utf8(u8"/opt/八字/记录/"));
  EXPECT_EQ(recordsFolder("/opt/bazi"), utf8(u8"/opt/bazi/记录/"));
}

struct TreeTextCase {
  const char* gbkPath;
  const char* gbkText;
};

TEST(TreeText, IsTheFileNameLessItsLastFourBytes) {
  const TreeTextCase cases[] = {
      {"/x/记录一.edb", "记录一"},
      {"/x/记录一.EDB", "记录一"},
      {"/x/a.b.edb", "a.b"},
      {"/x/y/z.edbx", "z."},  // any last four bytes go
      {"/x/记录", ""},        // four bytes of GBK, nothing left
      {"/x/abc", ""},         // shorter than four bytes
      {"name.edb", "name"},   // no folder
      {"/x/y.edb/", ""},      // a trailing separator leaves no name
  };
  for (const auto& c : cases) EXPECT_EQ(treeTextOf(path(c.gbkPath)), c.gbkText) << c.gbkText;
}

TEST_F(LoadTest, TreeListsEveryChosenFileWithoutItsExtension) {
  const std::string lower = path("/d/记录一.edb");
  const std::string upper = path("/d/记录二.EDB");
  fakes.reader.files[lower] = taggedRecords("L", 1);
  fakes.reader.files[upper] = taggedRecords("U", 1);
  load({lower, upper});
  EXPECT_THAT(fakes.fileList.items, ElementsAre("记录一", "记录二"));
}

TEST_F(LoadTest, CancelledDialogLeavesAnEmptyTableAndTheStateLoading) {
  const std::string file = "/d/a.edb";
  fakes.reader.files[file] = taggedRecords("A", 2);
  load({file});
  const std::string previousCount = workspace.countLabel;
  fakes.reader.log.clear();

  load({});
  EXPECT_EQ(workspace.statusLabel, labels::kLoading);
  EXPECT_EQ(workspace.records.rowCount(), 2u);
  EXPECT_FALSE(workspace.records.hasTitles());
  EXPECT_TRUE(fakes.fileList.items.empty());
  EXPECT_EQ(workspace.countLabel, previousCount);
  EXPECT_TRUE(fakes.reader.log.empty());
  EXPECT_TRUE(fakes.warnings.calls.empty());
}

TEST_F(LoadTest, CancelledFirstDialogStillAppliesTheColumnWidths) {
  load({});
  EXPECT_EQ(workspace.records.columnWidth(1), 30);
  EXPECT_EQ(workspace.records.columnWidth(5), 120);
  EXPECT_EQ(workspace.countLabel, "");
}

TEST_F(LoadTest, OnlyEmptyFilesFinishWithZeroAndNoTitles) {
  fakes.reader.files["/d/e1.edb"] = {};
  fakes.reader.files["/d/e2.edb"] = {};
  load({"/d/e1.edb", "/d/e2.edb"});
  EXPECT_EQ(workspace.statusLabel, labels::kLoadDone);
  EXPECT_EQ(gbk::toUtf8(workspace.countLabel), utf8(u8"共有记录0条"));
  EXPECT_EQ(workspace.records.rowCount(), 2u);
  EXPECT_FALSE(workspace.records.hasTitles());
  EXPECT_THAT(fakes.fileList.items, ElementsAre("e1", "e2"));
  EXPECT_TRUE(fakes.warnings.calls.empty());
}

TEST_F(LoadTest, TitlesComeWithTheFirstRecordOfAnyFile) {
  fakes.reader.files["/d/empty.edb"] = {};
  fakes.reader.files["/d/full.edb"] = taggedRecords("F", 1);
  load({"/d/empty.edb", "/d/full.edb"});
  EXPECT_TRUE(workspace.records.hasTitles());
  EXPECT_EQ(workspace.records.cell(0, 25), ColumnTitles[25]);
}

TEST_F(LoadTest, SecondLoadReplacesTheFirst) {
  fakes.reader.files["/d/a.edb"] = taggedRecords("A", 3);
  fakes.reader.files["/d/b.edb"] = taggedRecords("B", 2);
  load({"/d/a.edb"});
  load({"/d/b.edb"});
  ASSERT_EQ(workspace.records.recordCount(), 2u);
  EXPECT_EQ(workspace.records.recordAt(1).toRecord(), taggedRecord("B", 1));
  EXPECT_EQ(workspace.records.recordAt(2).toRecord(), taggedRecord("B", 2));
  EXPECT_EQ(gbk::toUtf8(workspace.countLabel), utf8(u8"共有记录2条"));
  EXPECT_THAT(fakes.fileList.items, ElementsAre("b"));
}

TEST_F(LoadTest, LeavesTheResultTableAlone) {
  workspace.results.writeTitles();
  workspace.results.appendRecord(taggedRecord("R", 1));
  fakes.reader.files["/d/a.edb"] = taggedRecords("A", 1);
  load({"/d/a.edb"});
  ASSERT_EQ(workspace.results.recordCount(), 1u);
  EXPECT_EQ(workspace.results.recordAt(1).toRecord(), taggedRecord("R", 1));
}

TEST_F(LoadTest, UnreadableFilesAreListedAndReportedOnce) {
  fakes.reader.files["/d/good.edb"] = taggedRecords("G", 2);
  load({"/d/bad1.edb", "/d/good.edb", "/d/bad2.edb"});
  EXPECT_THAT(fakes.fileList.items, ElementsAre("bad1", "good", "bad2"));
  EXPECT_EQ(workspace.records.recordCount(), 2u);
  EXPECT_EQ(gbk::toUtf8(workspace.countLabel), utf8(u8"共有记录2条"));
  EXPECT_EQ(workspace.statusLabel, labels::kLoadDone);
  ASSERT_EQ(fakes.warnings.calls.size(), 1u);
  EXPECT_THAT(fakes.warnings.calls[0], ElementsAre("/d/bad1.edb", "/d/bad2.edb"));
}

TEST_F(LoadTest, FileDamagedPartWayIsReportedWithTheUnreadable) {
  fakes.reader.files["/d/torn.edb"] = taggedRecords("T", 2);
  fakes.reader.damaged.insert("/d/torn.edb");
  load({"/d/missing.edb", "/d/torn.edb"});
  EXPECT_EQ(workspace.records.recordCount(), 2u);
  ASSERT_EQ(fakes.warnings.calls.size(), 1u);
  EXPECT_THAT(fakes.warnings.calls[0], ElementsAre("/d/missing.edb", "/d/torn.edb"));
}

TEST_F(LoadTest, EachLoadReportsOnlyItsOwnUnreadableFiles) {
  load({"/d/bad.edb"});
  fakes.reader.files["/d/good.edb"] = taggedRecords("G", 1);
  load({"/d/good.edb"});
  ASSERT_EQ(fakes.warnings.calls.size(), 1u);
  EXPECT_THAT(fakes.warnings.calls[0], ElementsAre("/d/bad.edb"));
}

TEST_F(LoadTest, ProgressComesBeforeTheFilesEveryStepAndAfterEachFile) {
  constexpr size_t step = kLoadProgressStep;
  const int big = static_cast<int>(2 * step + 1);
  fakes.reader.files["/d/big.edb"] = taggedRecords("B", big);
  fakes.reader.files["/d/small.edb"] = taggedRecords("S", 3);
  fakes.progress.table = &workspace.records;
  load({"/d/big.edb", "/d/small.edb", "/d/missing.edb"});

  const size_t all = 2 * step + 4;
  EXPECT_THAT(fakes.progress.reports,
              ElementsAre(LoadCount{0, 0, 3, 0, 0},                   // files chosen
                          LoadCount{step, 0, 3, step, 2 * step + 1},  // a step of big
                          LoadCount{2 * step, 0, 3, 2 * step, 2 * step + 1},
                          LoadCount{2 * step + 1, 1, 3, 0, 0},  // big done
                          LoadCount{all, 2, 3, 0, 0},           // small done
                          LoadCount{all, 3, 3, 0, 0}));         // missing done
  // Every record counted is already in the table, for the grid to show.
  EXPECT_THAT(fakes.progress.recordsInTable,
              ElementsAre(0u, step, 2 * step, 2 * step + 1, all, all));
}

TEST_F(LoadTest, CancelledDialogReportsNoProgress) {
  load({});
  EXPECT_TRUE(fakes.progress.reports.empty());
}

TEST_F(LoadTest, LoadsWithoutAProgressPort) {
  fakes.reader.files["/d/a.edb"] = taggedRecords("A", 2);
  fakes.chooser.paths = {"/d/a.edb"};
  LoadPorts withoutProgress{fakes.folder, fakes.chooser, fakes.reader, fakes.fileList,
                            fakes.warnings};
  loadChartDatabases(workspace, withoutProgress);
  EXPECT_EQ(workspace.records.recordCount(), 2u);
  EXPECT_TRUE(fakes.progress.reports.empty());
}

}  // namespace
}  // namespace bazi
