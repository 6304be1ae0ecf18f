#include "query/query_run.h"

#include <string>
#include <vector>

#include "records/labels.h"

namespace bazi {

const std::string_view kNotLoadedMessage = "请先载入列表！";
const std::string_view kNotLoadedCaption = "错误！";
const std::string_view kNoConditionMessage = "未设置条件！";
const std::string_view kNoMatchMessage = "没有找到符合条件的命例或条件冲突！";

namespace {

struct SetRow {
  Group group;
  const ConditionRow* row;
};

// The rows the run evaluates, in evaluation order. Rows whose subject is "-"
// are skipped by every chart, so they are dropped once here.
std::vector<SetRow> setRowsInOrder(const ConditionPanel& panel) {
  std::vector<SetRow> rows;
  for (Group group : kEvaluatedGroups) {
    for (int k = 1; k <= groupInfo(group).rowCount; ++k) {
      const ConditionRow& row = panel.row(group, k);
      if (row.subject != 0) rows.push_back({group, &row});
    }
  }
  return rows;
}

bool queryAllowed(const std::string& status) {
  return status == labels::kLoadDone || status == labels::kQueryDone;
}

void collectMatches(Workspace& workspace, const ConditionPanel& panel, int conditionCount,
                    ChartAnalysis& analysis, PillarCalculator& calculator) {
  const std::vector<SetRow> rows = setRowsInOrder(panel);
  const size_t n = workspace.records.recordCount();
  for (size_t r = 1; r <= n; ++r) {
    const RecordView record = workspace.records.recordAt(r);
    decomposeChart(analysis, calculator, record.field(kChartField), panel.yinYangSwap);
    int satisfied = 0;
    for (const SetRow& set : rows) {
      if (rowSatisfied(set.group, *set.row, analysis, calculator)) ++satisfied;
    }
    if (satisfied == conditionCount) workspace.results.appendRecord(record);
  }
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
  if (!queryAllowed(workspace.statusLabel)) {
    ports.messages.showMessage(kNotLoadedMessage, kNotLoadedCaption, MessageIcon::None, false);
    return;
  }
  workspace.statusLabel = labels::kQuerying;
  workspace.results.resetTable();
  workspace.results.writeTitles();
  const int conditionCount = panel.conditionCount();
  if (conditionCount != 0) {
    collectMatches(workspace, panel, conditionCount, analysis, calculator);
  }
  workspace.results.applyColumnWidths();
  workspace.statusLabel = labels::kQueryDone;
  const size_t matches = workspace.results.recordCount();
  workspace.countLabel = labels::queryCountText(conditionCount, matches);
  announceOutcome(conditionCount, matches, ports);
}

}  // namespace bazi
