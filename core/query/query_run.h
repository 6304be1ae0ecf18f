#pragma once
// The query command of the button 按钮_查询.

#include <string_view>

#include "analysis/chart_analysis.h"
#include "conditions/condition_panel.h"
#include "query/query_ports.h"
#include "records/workspace.h"

namespace bazi {

inline constexpr int kResultsTab = 6;  // "查询结果"
// GBK texts, defined out of line so every includer sees the same bytes.
extern const std::string_view kNotLoadedMessage;    // "请先载入列表！"
extern const std::string_view kNotLoadedCaption;    // "错误！"
extern const std::string_view kNoConditionMessage;  // "未设置条件！"
extern const std::string_view kNoMatchMessage;  // "没有找到符合条件的命例或条件冲突！"

// How a run may spread the charts over threads. Results, their order and the
// analysis left behind are those of one thread walking every chart; threads
// are used only when the calculator says it may be called from several.
struct QueryThreading {
  unsigned threads = 0;              // the caller's thread included; 0: one per core
  size_t minChartsPerThread = 4096;  // fewer charts than this do not pay for a thread
};

void runQuery(Workspace& workspace, const ConditionPanel& panel, ChartAnalysis& analysis,
              PillarCalculator& calculator, QueryPorts& ports);
void runQuery(Workspace& workspace, const ConditionPanel& panel, ChartAnalysis& analysis,
              PillarCalculator& calculator, QueryPorts& ports, const QueryThreading& threading);

}  // namespace bazi
