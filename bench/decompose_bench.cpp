// Cost of decomposeChart per chart: 64 calls into libtarnel.so plus the
// splitting and copying around them. The query runs this once per chart.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "analysis/chart_analysis.h"
#include "tarnel_calculator.h"

namespace {

// Charts as records hold them: four pillars of the sexagenary cycle, spaced.
std::vector<std::string> sampleCharts(size_t count) {
  const std::string stems = "甲乙丙丁戊己庚辛壬癸";
  const std::string branches = "子丑寅卯辰巳午未申酉戌亥";
  auto pillar = [&](size_t n) {
    return stems.substr(2 * (n % 10), 2) + branches.substr(2 * (n % 12), 2);
  };
  std::vector<std::string> charts;
  for (size_t n = 0; n < count; ++n) {
    charts.push_back(pillar(n * 7) + " " + pillar(n * 13 + 5) + " " + pillar(n * 17 + 11) + " " +
                     pillar(n * 29 + 3));
  }
  return charts;
}

void BM_DecomposeChart(benchmark::State& state) {
  bazi::TarnelCalculator calculator;
  bazi::ChartAnalysis analysis;
  const std::vector<std::string> charts = sampleCharts(1024);
  const bool yinYangSwap = state.range(0) != 0;
  size_t next = 0;
  for (auto _ : state) {
    bazi::decomposeChart(analysis, calculator, charts[next], yinYangSwap);
    benchmark::DoNotOptimize(analysis);
    next = (next + 1) % charts.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DecomposeChart)->ArgName("yinYangSwap")->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
