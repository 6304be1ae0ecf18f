#include "query/query_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "counting_calculator.h"
#include "records/labels.h"
#include "tarnel_calculator.h"

namespace bazi {
namespace {

struct Message {
  std::string text;
  std::string caption;
  MessageIcon icon;
  bool owned;
};

class FakeWindow : public MessagePort, public TabSwitcher {
 public:
  void showMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                   bool owned) override {
    messages.push_back({std::string(text), std::string(caption), icon, owned});
  }
  void switchToTab(int index) override { tabs.push_back(index); }

  std::vector<Message> messages;
  std::vector<int> tabs;
};

ChartRecord chart(const std::string& name, const std::string& eightCharacters) {
  ChartRecord record;
  record[0] = name;
  record[kChartField] = eightCharacters;
  record[25] = "备注 " + name;
  return record;
}

class QueryRunTest : public ::testing::Test {
 protected:
  QueryRunTest() : counting(library) { workspace.statusLabel = labels::kLoadDone; }

  void load(const std::vector<ChartRecord>& records) {
    for (const auto& r : records) workspace.records.appendRecord(r);
  }
  void run() { runQuery(workspace, panel, analysis, counting, ports); }
  std::vector<std::string> resultNames() const {
    std::vector<std::string> names;
    for (size_t i = 1; i <= workspace.results.recordCount(); ++i) {
      names.emplace_back(workspace.results.recordAt(i).field(0));
    }
    return names;
  }

  TarnelCalculator library;
  testing::CountingCalculator counting;
  Workspace workspace;
  ConditionPanel panel;
  ChartAnalysis analysis;
  FakeWindow window;
  QueryPorts ports{window, window};
};

// 甲 wood on the year stem, three metal characters in the second chart.
const ChartRecord kWoodChart = chart("一", "甲子乙丑丙寅丁卯");
const ChartRecord kMetalChart = chart("二", "庚申辛酉庚辰己卯");
const ChartRecord kWoodChart2 = chart("三", "甲寅 甲寅 丙午 戊子");

TEST_F(QueryRunTest, RefusedUnlessLoadedChangesNothingElse) {
  for (const std::string_view status : {std::string_view(), labels::kLoading, labels::kQuerying}) {
    workspace.statusLabel = status;
    workspace.results.writeTitles();
    workspace.results.appendRecord(kWoodChart);
    workspace.countLabel = "before";
    window.messages.clear();
    run();
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, kNotLoadedMessage);
    EXPECT_EQ(window.messages[0].caption, kNotLoadedCaption);
    EXPECT_EQ(window.messages[0].icon, MessageIcon::None);
    EXPECT_FALSE(window.messages[0].owned);
    EXPECT_EQ(workspace.statusLabel, status);
    EXPECT_EQ(workspace.countLabel, "before");
    EXPECT_EQ(workspace.results.recordCount(), 1u);
    EXPECT_TRUE(window.tabs.empty());
    workspace.results.resetTable();
  }
}

TEST_F(QueryRunTest, NoConditionShowsTitlesOnlyAndDecomposesNothing) {
  load({kWoodChart});
  workspace.results.appendRecord(kMetalChart);  // left from an earlier run
  run();
  EXPECT_EQ(workspace.results.rowCount(), 2u);
  EXPECT_EQ(workspace.results.cell(0, 5), ColumnTitles[5]);
  EXPECT_EQ(workspace.countLabel, labels::queryCountText(0, 0));
  EXPECT_EQ(workspace.statusLabel, labels::kQueryDone);
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, kNoConditionMessage);
  EXPECT_EQ(window.messages[0].caption, "");
  EXPECT_EQ(window.messages[0].icon, MessageIcon::Error);
  EXPECT_TRUE(window.messages[0].owned);
  EXPECT_TRUE(window.tabs.empty());
  EXPECT_EQ(counting.totalCalls(), 0);
  EXPECT_EQ(workspace.results.columnWidth(5), 120);
}

TEST_F(QueryRunTest, EmptyTableWithConditionFindsNothing) {
  setRowChoice(panel, Group::A, 1, RowField::Subject, "木");
  run();
  EXPECT_EQ(workspace.countLabel, labels::queryCountText(1, 0));
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, kNoMatchMessage);
  EXPECT_TRUE(window.messages[0].owned);
  EXPECT_EQ(counting.totalCalls(), 0);
  EXPECT_EQ(workspace.results.columnWidth(1), 30);
}

TEST_F(QueryRunTest, MatchesKeepTableOrderAndSwitchToResults) {
  load({kWoodChart, kMetalChart, kWoodChart2});
  setRowChoice(panel, Group::C, 1, RowField::Subject, "甲");
  setRowChoice(panel, Group::C, 1, RowField::Position, "年干");
  setRowChoice(panel, Group::C, 1, RowField::Count, "非0");
  run();
  EXPECT_EQ(resultNames(), (std::vector<std::string>{"一", "三"}));
  EXPECT_EQ(workspace.results.rowCount(), 4u);
  EXPECT_EQ(workspace.results.recordAt(2).toRecord(), kWoodChart2);
  EXPECT_EQ(workspace.countLabel, "条件数：1  符合数：2");
  EXPECT_TRUE(window.messages.empty());
  EXPECT_EQ(window.tabs, std::vector<int>{kResultsTab});
  EXPECT_EQ(counting.calls("element"), 3 * 20);  // every chart decomposed once

  // A second run is accepted and replaces the results.
  setRowChoice(panel, Group::C, 1, RowField::Subject, "庚");
  run();
  EXPECT_EQ(resultNames(), std::vector<std::string>{"二"});
  EXPECT_EQ(workspace.results.rowCount(), 3u);
}

TEST_F(QueryRunTest, EveryRowMustHold) {
  load({kWoodChart, kMetalChart});
  setRowChoice(panel, Group::A, 1, RowField::Subject, "金");  // only the second chart has metal
  setRowChoice(panel, Group::A, 1, RowField::Count, "非0");
  setRowChoice(panel, Group::D, 1, RowField::Subject, "子");  // only the first has 子
  setRowChoice(panel, Group::D, 1, RowField::Count, "非0");
  run();
  EXPECT_TRUE(resultNames().empty());
  EXPECT_EQ(workspace.countLabel, labels::queryCountText(2, 0));
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, kNoMatchMessage);

  setRowChoice(panel, Group::D, 1, RowField::Subject, "酉");
  run();
  EXPECT_EQ(resultNames(), std::vector<std::string>{"二"});
}

TEST_F(QueryRunTest, FailedPositionSkipsTheRestOfTheRow) {
  setRowChoice(panel, Group::A, 1, RowField::Subject, "金");
  setRowChoice(panel, Group::A, 1, RowField::Position, "年干");
  setRowChoice(panel, Group::A, 1, RowField::Count, "非0");
  setRowChoice(panel, Group::A, 1, RowField::Reveal, "透干");

  load({kWoodChart});  // year stem 甲 is wood: the position test fails
  run();
  EXPECT_EQ(counting.calls("stemElements"), 0);
  EXPECT_EQ(counting.calls("branchElements"), 0);

  workspace.records.resetTable();
  load({kMetalChart});  // year stem 庚 is metal: count and reveal run
  counting.reset();
  run();
  EXPECT_EQ(counting.calls("stemElements"), 1);
  EXPECT_EQ(resultNames(), std::vector<std::string>{"二"});
}

TEST_F(QueryRunTest, ShenshaRowCountsButNeverHolds) {
  load({kWoodChart});
  setRowChoice(panel, Group::C, 1, RowField::Subject, "不指定");
  setRowChoice(panel, Group::H, 1, RowField::Subject, "天乙贵人");
  run();
  EXPECT_EQ(workspace.countLabel, labels::queryCountText(2, 0));
  EXPECT_TRUE(resultNames().empty());
}

TEST_F(QueryRunTest, MalformedChartIsDecomposedNotRejected) {
  load({chart("空", ""), chart("短", "甲子乙")});
  setRowChoice(panel, Group::C, 1, RowField::Subject, "甲");
  setRowChoice(panel, Group::C, 1, RowField::Count, "0");
  run();
  // The empty chart has no 甲; the short one keeps it on its year stem.
  EXPECT_EQ(resultNames(), std::vector<std::string>{"空"});
  EXPECT_EQ(counting.calls("element"), 2 * 20);
}

}  // namespace
}  // namespace bazi
