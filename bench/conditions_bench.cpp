// Cost of evaluating one condition row on a decomposed chart. The query runs
// up to 36 rows per chart after one decomposition; each row here walks the
// candidate list its selections give and counts through libtarnel.so.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "analysis/chart_analysis.h"
#include "conditions/condition_panel.h"
#include "tarnel_calculator.h"

namespace {

using namespace bazi;

std::vector<ChartAnalysis> decomposedCharts(PillarCalculator& calculator, size_t count) {
  const std::string stems = "甲乙丙丁戊己庚辛壬癸";
  const std::string branches = "子丑寅卯辰巳午未申酉戌亥";
  auto pillar = [&](size_t n) {
    return stems.substr(2 * (n % 10), 2) + branches.substr(2 * (n % 12), 2);
  };
  std::vector<ChartAnalysis> charts(count);
  for (size_t n = 0; n < count; ++n) {
    const std::string chart =
        pillar(n * 7) + pillar(n * 13 + 5) + pillar(n * 17 + 11) + pillar(n * 29 + 3);
    decomposeChart(charts[n], calculator, chart, false);
  }
  return charts;
}

struct BenchRow {
  const char* name;
  Group group;
  const char* subject;
  const char* position;
  const char* count;
  const char* reveal;  // nullptr: "无限制" or the check box left clear
};

// Per group a row with a named subject and one that tries many candidates.
const BenchRow kRows[] = {
    {"A_named_stems", Group::A, "金", "天干", "非0", "透干"},
    {"A_any_free", Group::A, "不指定", "不固定", ">=2", "通根"},
    {"B_any_pillar", Group::B, "不指定", "日柱", ">=1", nullptr},
    {"C_any_free", Group::C, "不指定", "不固定", "2", nullptr},
    {"D_any_free", Group::D, "不指定", "不固定", "2", nullptr},
    {"E_any_free", Group::E, "不指定", "不固定", "<=2", nullptr},
    {"F_named_free", Group::F, "正官", "不固定", ">=1", "通根"},
    {"F_any_free", Group::F, "不指定", "不固定", "<=7", nullptr},
    {"G_any_free", Group::G, "不指定", "不固定", "2", nullptr},
};

void BM_RowSatisfied(benchmark::State& state, const BenchRow& bench) {
  TarnelCalculator calculator;
  std::vector<ChartAnalysis> charts = decomposedCharts(calculator, 1024);
  ConditionPanel panel;
  setRowChoice(panel, bench.group, 1, RowField::Subject, bench.subject);
  setRowChoice(panel, bench.group, 1, RowField::Position, bench.position);
  setRowChoice(panel, bench.group, 1, RowField::Count, bench.count);
  if (bench.reveal) setRowChoice(panel, bench.group, 1, RowField::Reveal, bench.reveal);
  const ConditionRow& row = panel.row(bench.group, 1);
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rowSatisfied(bench.group, row, charts[next], calculator));
    next = (next + 1) % charts.size();
  }
  state.SetItemsProcessed(state.iterations());
}

const int kRegistered = [] {
  for (const BenchRow& row : kRows) {
    benchmark::RegisterBenchmark((std::string("BM_RowSatisfied/") + row.name).c_str(),
                                 BM_RowSatisfied, row);
  }
  return 0;
}();

}  // namespace

BENCHMARK_MAIN();
