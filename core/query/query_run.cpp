#include "query/query_run.h"

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "query/chart_scan.h"
#include "records/labels.h"

namespace bazi {

const std::string_view kNotLoadedMessage = "请先载入列表！";
const std::string_view kNotLoadedCaption = "错误！";
const std::string_view kNoConditionMessage = "未设置条件！";
const std::string_view kNoMatchMessage = "没有找到符合条件的命例或条件冲突！";

namespace {

// The rows the run evaluates, in evaluation order. Rows whose subject is "-"
// are skipped by every chart, so they are dropped once here.
std::vector<SetRow> setRowsInOrder(const ConditionPanel& panel) {
  std::vector<SetRow> rows;
  for (Group group : kEvaluatedGroups) {
    for (int k = 1; k <= groupInfo(group).rowCount; ++k) {
      const ConditionRow& row = panel.row(group, k);
      if (row.subject != 0) rows.push_back({group, &row, countTestWrites(group, row)});
    }
  }
  return rows;
}

unsigned threadsFor(size_t charts, const QueryThreading& threading,
                    const PillarCalculator& calculator) {
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  const unsigned wanted = threading.threads == 0 ? cores : threading.threads;
  const size_t worthwhile = charts / std::max<size_t>(1, threading.minChartsPerThread);
  const auto threads = static_cast<unsigned>(std::min<size_t>(wanted, worthwhile));
  // Asked last: the calculator may have to load its library to answer.
  return threads > 1 && calculator.threadSafe() ? threads : 1;
}

bool queryAllowed(const std::string& status) {
  return status == labels::kLoadDone || status == labels::kQueryDone;
}

void findMatches(Workspace& workspace, const ConditionPanel& panel, int conditionCount,
                 ChartAnalysis& analysis, PillarCalculator& calculator, QueryProgress* progress,
                 const QueryThreading& threading) {
  const std::vector<SetRow> rows = setRowsInOrder(panel);
  const ChartScan scan{workspace.records, workspace.results, rows,    conditionCount,
                       panel.yinYangSwap, calculator,        progress};
  collectMatches(scan, analysis,
                 threadsFor(workspace.records.recordCount(), threading, calculator));
}

void announceOutcome(int conditionCount, size_t matches, QueryPorts& ports) {
  if (conditionCount == 0) {
    ports.messages.showMessage(kNoConditionMessage, {}, MessageIcon::Error, true);
  } else if (matches != 0) {
    ports.tabs.switchToTab(kResultsTab);
  } else {
    ports.messages.showMessage(kNoMatchMessage, {}, MessageIcon::Error, true);
  }
}

}  // namespace

void runQuery(Workspace& workspace, const ConditionPanel& panel, ChartAnalysis& analysis,
              PillarCalculator& calculator, QueryPorts& ports) {
  runQuery(workspace, panel, analysis, calculator, ports, QueryThreading{});
}

void runQuery(Workspace& workspace, const ConditionPanel& panel, ChartAnalysis& analysis,
              PillarCalculator& calculator, QueryPorts& ports, const QueryThreading& threading) {
  if (!queryAllowed(workspace.statusLabel)) {
    ports.messages.showMessage(kNotLoadedMessage, kNotLoadedCaption, MessageIcon::None, false);
    return;
  }
  workspace.statusLabel = labels::kQuerying;
  workspace.results.resetTable();
  workspace.results.writeTitles();
  const int conditionCount = panel.conditionCount();
  if (conditionCount != 0) {
    findMatches(workspace, panel, conditionCount, analysis, calculator, ports.progress, threading);
  }
  workspace.results.applyColumnWidths();
  workspace.statusLabel = labels::kQueryDone;
  const size_t matches = workspace.results.recordCount();
  workspace.countLabel = labels::queryCountText(conditionCount, matches);
  announceOutcome(conditionCount, matches, ports);
}

}  // namespace bazi
