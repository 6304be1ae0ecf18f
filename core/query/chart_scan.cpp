#include "query/chart_scan.h"

#include <atomic>
#include <future>
#include <memory>
#include <system_error>

#include "conditions/scratch_fields.h"

namespace bazi {
namespace {

// How often, in charts, a range tells how far it has come.
constexpr size_t kProgressStep = 4096;
constexpr auto kProgressWait = std::chrono::milliseconds(20);

// One contiguous range of record numbers [first, end) and what walking it
// found. Each sits on its own cache lines: the thread walking it writes `done`
// and its analysis while the caller's thread reads `done`.
struct alignas(64) Range {
  size_t first = 0;
  size_t end = 0;
  std::vector<size_t> matches;
  ScratchFields written = 0;  // the scratch fields some chart of the range wrote
  ChartAnalysis analysis;     // a worker's own; the caller's range uses the caller's
  std::atomic<size_t> done{0};
};

// Walks one range on one analysis; `onStep` is called with the number of charts
// done every kProgressStep charts.
template <class OnStep>
void walkRange(const ChartScan& scan, Range& range, ChartAnalysis& analysis, OnStep&& onStep) {
  std::vector<size_t> matches;
  ScratchFields written = 0;
  for (size_t r = range.first; r < range.end; ++r) {
    decomposeChart(analysis, scan.calculator, scan.records.recordAt(r).field(kChartField),
                   scan.yinYangSwap);
    int satisfied = 0;
    for (const SetRow& set : scan.rows) {
      bool countTested = false;
      if (rowSatisfied(set.group, *set.row, analysis, scan.calculator, countTested)) ++satisfied;
      if (countTested) written |= set.countWrites;
    }
    if (satisfied == scan.conditionCount) matches.push_back(r);
    if (const size_t done = r + 1 - range.first; done % kProgressStep == 0) onStep(done);
  }
  range.matches = std::move(matches);
  range.written = written;
}

// Cuts records 1 … n into `count` ranges of nearly equal size, in order.
std::vector<std::unique_ptr<Range>> cutIntoRanges(size_t n, unsigned count) {
  std::vector<std::unique_ptr<Range>> ranges;
  size_t first = 1;
  for (unsigned k = 0; k < count; ++k) {
    auto range = std::make_unique<Range>();
    range->first = first;
    range->end = first + n / count + (k < n % count ? 1 : 0);
    first = range->end;
    ranges.push_back(std::move(range));
  }
  return ranges;
}

class ProgressReport {
 public:
  ProgressReport(QueryProgress* progress, size_t total) : progress_(progress), total_(total) {}
  void operator()(size_t done) const {
    if (progress_ != nullptr) progress_->progress(done, total_);
  }

 private:
  QueryProgress* progress_;
  size_t total_;
};

size_t chartsDone(const std::vector<std::unique_ptr<Range>>& ranges) {
  size_t done = 0;
  for (const auto& range : ranges) done += range->done.load(std::memory_order_relaxed);
  return done;
}

// The caller's analysis walked only the last range; give it the scratch
// fields that range never wrote as the latest earlier range to write them left
// them. Fields no range wrote keep what the analysis held before the run.
void takeUnwrittenScratch(const std::vector<std::unique_ptr<Range>>& ranges,
                          ChartAnalysis& analysis) {
  ScratchFields missing = kAllScratchFields & ~ranges.back()->written;
  for (size_t k = ranges.size() - 1; k-- > 0 && missing != 0;) {
    const ScratchFields fields = missing & ranges[k]->written;
    copyScratchFields(fields, ranges[k]->analysis, analysis);
    missing &= ~fields;
  }
}

std::vector<size_t> inTableOrder(const std::vector<std::unique_ptr<Range>>& ranges) {
  size_t total = 0;
  for (const auto& range : ranges) total += range->matches.size();
  std::vector<size_t> matches;
  matches.reserve(total);
  for (const auto& range : ranges) {
    matches.insert(matches.end(), range->matches.begin(), range->matches.end());
  }
  return matches;
}

}  // namespace

std::vector<size_t> matchingRecords(const ChartScan& scan, ChartAnalysis& analysis,
                                    unsigned threads) {
  const size_t n = scan.records.recordCount();
  if (n == 0) return {};
  const ProgressReport report(scan.progress, n);
  report(0);
  if (threads <= 1 || n < threads) {
    Range all;
    all.first = 1;
    all.end = n + 1;
    walkRange(scan, all, analysis, report);
    report(n);
    return std::move(all.matches);
  }

  const auto ranges = cutIntoRanges(n, threads);
  // Declared after the ranges: on the way out, even by an exception, the
  // workers are waited for before their ranges go.
  std::vector<std::future<void>> workers;
  for (size_t k = 0; k + 1 < ranges.size(); ++k) {
    Range& range = *ranges[k];
    const auto walk = [&scan, &range] {
      walkRange(scan, range, range.analysis,
                [&range](size_t done) { range.done.store(done, std::memory_order_relaxed); });
    };
    try {
      workers.push_back(std::async(std::launch::async, walk));
    } catch (const std::system_error&) {
      walk();  // no thread to be had: the caller's thread walks this range too
    }
  }
  walkRange(scan, *ranges.back(), analysis, [&](size_t done) {
    ranges.back()->done.store(done, std::memory_order_relaxed);
    report(chartsDone(ranges));
  });
  ranges.back()->done.store(ranges.back()->end - ranges.back()->first, std::memory_order_relaxed);
  for (auto& worker : workers) {
    while (worker.wait_for(kProgressWait) != std::future_status::ready) report(chartsDone(ranges));
    worker.get();  // a worker's exception goes on to the caller
  }
  report(n);
  takeUnwrittenScratch(ranges, analysis);
  return inTableOrder(ranges);
}

}  // namespace bazi
