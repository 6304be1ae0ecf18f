// Times the query over many charts through the real calculator library:
// ten set rows spread over groups A to G, then a single row, each on one
// thread and on one thread per core.
//
//   query_bench [CHARTS [ten|one [THREADS]]]   (default 1000000, both cases,
//                                               one thread and one per core)
//
// Naming a case and a thread count runs just that query once, after one
// warming run, e.g. for a profile.

#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "analysis/chart_analysis.h"
#include "conditions/condition_panel.h"
#include "query/query_run.h"
#include "records/labels.h"
#include "tarnel_calculator.h"

namespace {

using namespace bazi;

class SilentWindow : public MessagePort, public TabSwitcher {
 public:
  void showMessage(std::string_view, std::string_view, MessageIcon, bool) override {}
  void switchToTab(int) override {}
};

// Charts of random sexagenary pillars, with name and remarks of typical size.
void fillRecords(RecordTable& table, size_t count) {
  const std::string stems = "甲乙丙丁戊己庚辛壬癸";
  const std::string branches = "子丑寅卯辰巳午未申酉戌亥";
  std::mt19937 random(20261211);
  ChartRecord record;
  for (size_t n = 0; n < count; ++n) {
    std::string chart;
    for (int p = 0; p < 4; ++p) {
      const unsigned cycle = random() % 60;
      chart += stems.substr(2 * (cycle % 10), 2) + branches.substr(2 * (cycle % 12), 2);
      if (p < 3) chart += ' ';
    }
    record[0] = "姓名" + std::to_string(n);
    record[1] = n % 2 ? "男" : "女";
    record[2] = "1970-01-01 08:00";
    record[kChartField] = chart;
    record[25] = "备注：一段不长的说明文字。";
    table.appendRecord(record);
  }
}

void setRow(ConditionPanel& panel, Group group, int k, const char* subject, const char* position,
            const char* count, const char* reveal = nullptr) {
  setRowChoice(panel, group, k, RowField::Subject, subject);
  setRowChoice(panel, group, k, RowField::Position, position);
  setRowChoice(panel, group, k, RowField::Count, count);
  if (reveal) setRowChoice(panel, group, k, RowField::Reveal, reveal);
}

ConditionPanel tenRows() {
  ConditionPanel panel;
  setRow(panel, Group::A, 1, "不指定", "不固定", ">=2", "通根");
  setRow(panel, Group::A, 2, "木", "不固定", "<=5");
  setRow(panel, Group::B, 1, "不指定", "日柱", ">=1");
  setRow(panel, Group::C, 1, "不指定", "日干", "非0");
  setRow(panel, Group::D, 1, "不指定", "日支", "非0");
  setRow(panel, Group::E, 1, "不指定", "不固定", "<=2");
  setRow(panel, Group::F, 1, "不指定", "不固定", "<=7", "无限制");
  setRow(panel, Group::F, 2, "不指定", "年干", "非0");
  setRow(panel, Group::G, 1, "不指定", "不固定", ">=0");
  setRow(panel, Group::G, 2, "比肩", "不固定", ">=0");
  return panel;
}

ConditionPanel oneRow() {
  ConditionPanel panel;
  setRow(panel, Group::A, 1, "木", "不固定", ">=2");
  return panel;
}

// <chrono> cannot be compiled with GBK literals (a micro sign in its headers).
double nowSeconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double timeQuery(Workspace& workspace, const ConditionPanel& panel, PillarCalculator& calculator,
                 unsigned threads) {
  ChartAnalysis analysis;
  SilentWindow window;
  QueryPorts ports{window, window};
  workspace.statusLabel = labels::kLoadDone;
  const double start = nowSeconds();
  runQuery(workspace, panel, analysis, calculator, ports, QueryThreading{threads});
  return nowSeconds() - start;
}

}  // namespace

int main(int argc, char** argv) {
  const size_t charts = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
  const std::string only = argc > 2 ? argv[2] : "";
  Workspace workspace;
  fillRecords(workspace.records, charts);
  TarnelCalculator calculator;
  struct Case {
    const char* name;
    const char* key;
    ConditionPanel panel;
    double goal;
  } cases[] = {{"ten rows", "ten", tenRows(), 1.0}, {"one row", "one", oneRow(), 0.5}};
  // 0: one thread per core, as the window runs it.
  std::vector<unsigned> threadCounts = {1, 0};
  if (argc > 3) threadCounts = {static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10))};
  for (const Case& c : cases) {
    if (!only.empty() && only != c.key) continue;
    for (unsigned threads : threadCounts) {
      timeQuery(workspace, c.panel, calculator, threads);  // warm the library and the caches
      const double seconds = timeQuery(workspace, c.panel, calculator, threads);
      const std::string how = threads == 0 ? "per core" : std::to_string(threads) + " thread";
      std::printf(
          "query %-9s %-9s %zu charts: %.3f s (%.2f us per chart), %zu matches, goal %.1f s\n",
          c.name, how.c_str(), charts, seconds, seconds * 1e6 / static_cast<double>(charts),
          workspace.results.recordCount(), c.goal);
    }
  }
  return 0;
}
