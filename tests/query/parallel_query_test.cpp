// The query spread over threads against the same query on one thread: the
// same records in the same order, the same labels and endings, and the
// caller's analysis left exactly as one thread walking every chart leaves it.

#include <gtest/gtest.h>

#include <mutex>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "forwarding_calculator.h"
#include "query/query_run.h"
#include "records/labels.h"
#include "tarnel_calculator.h"

namespace bazi {
namespace {

class QuietWindow : public MessagePort, public TabSwitcher {
 public:
  void showMessage(std::string_view text, std::string_view, MessageIcon, bool) override {
    endings.emplace_back(text);
  }
  void switchToTab(int index) override { endings.push_back("tab " + std::to_string(index)); }

  std::vector<std::string> endings;
};

// Passes every call on to the library and notes the threads that made them.
class ThreadNotingCalculator : public testing::ForwardingCalculator {
 public:
  ThreadNotingCalculator(PillarCalculator& inner, bool threadSafe)
      : testing::ForwardingCalculator(inner), threadSafe_(threadSafe) {}

  bool threadSafe() const override { return threadSafe_; }
  size_t threadsSeen() {
    std::lock_guard lock(mutex_);
    return threads_.size();
  }

 protected:
  // Only the element call is noted: every chart makes it, and the lock it
  // takes would otherwise dominate.
  void noteCall(std::string_view name) override {
    if (name != "element") return;
    std::lock_guard lock(mutex_);
    threads_.insert(std::this_thread::get_id());
  }

 private:
  const bool threadSafe_;
  std::mutex mutex_;
  std::set<std::thread::id> threads_;
};

// Charts as a collection holds them: mostly well formed, with and without
// spaces, and now and then empty, short, or with stray bytes.
std::string randomChart(std::mt19937& random) {
  static const std::string stems = "甲乙丙丁戊己庚辛壬癸";
  static const std::string branches = "子丑寅卯辰巳午未申酉戌亥";
  static const std::vector<std::string> oddities = {
      "",         "甲",           "甲子乙丑丙寅丁", "甲子乙丑丙寅丁卯戊", "1甲子乙丑丙寅丁卯",
      "甲子\x81", "　甲子　乙丑", "\xFF\xFF\xFF",   "ab cd ef gh ij",     "甲子\t乙丑\n丙寅丁卯",
      "金木水火"};
  if (random() % 8 == 0) return oddities[random() % oddities.size()];
  std::string chart;
  for (int p = 0; p < 4; ++p) {
    const unsigned cycle = random() % 60;
    chart += stems.substr(2 * (cycle % 10), 2) + branches.substr(2 * (cycle % 12), 2);
    const unsigned gap = random() % 4;
    if (gap == 1) chart += ' ';
    if (gap == 2) chart += "　";
  }
  return chart;
}

std::vector<ChartRecord> randomRecords(size_t count, std::mt19937& random) {
  std::vector<ChartRecord> records(count);
  for (size_t n = 0; n < count; ++n) {
    records[n][0] = "命例" + std::to_string(n);
    records[n][1] = n % 2 ? "男" : "女";
    records[n][kChartField] = randomChart(random);
    records[n][25] = std::string(random() % 40, 'x');
  }
  return records;
}

// An index of the list most of the time, now and then one outside it.
int randomChoice(const ChoiceList& list, std::mt19937& random) {
  if (random() % 25 == 0) return random() % 2 ? -1 : list.size();
  return static_cast<int>(random() % static_cast<unsigned>(list.size()));
}

// Half the time one of the "非", ">=" and "<=" items, which many charts
// satisfy, so that most condition sets find some charts.
int randomCount(const ChoiceList& counts, std::mt19937& random) {
  if (random() % 2 == 0) return randomChoice(counts, random);
  const int loose = counts.size() / 3;
  return counts.size() - 1 - static_cast<int>(random() % static_cast<unsigned>(2 * loose));
}

ConditionPanel randomPanel(std::mt19937& random) {
  ConditionPanel panel;
  panel.yinYangSwap = random() % 2 == 0;
  const int rows = 1 + static_cast<int>(random() % 4);
  for (int n = 0; n < rows; ++n) {
    // Group H rows count as conditions but never hold, so they are rare.
    const Group group = kAllGroups[random() % (random() % 20 == 0 ? 8 : 7)];
    const GroupInfo& info = groupInfo(group);
    ConditionRow& row = panel.row(group, 1 + static_cast<int>(random() % info.rowCount));
    row.subject = random() % 3 == 0 ? 1 : randomChoice(info.subjects, random);
    row.position = randomChoice(info.positions, random);
    row.count = randomCount(info.counts, random);
    row.reveal = static_cast<RevealOption>(random() % 6);
    row.notRevealed = random() % 3 == 0;
    row.noHiddenStem = random() % 3 == 0;
  }
  return panel;
}

// Scratch values no row is likely to write, so a field left unwritten shows.
void fillScratch(ChartAnalysis& analysis, std::mt19937& random) {
  analysis.currentSubject = "旧" + std::to_string(random() % 100);
  for (auto* counts :
       {&analysis.elementCounts, &analysis.characterCounts, &analysis.tenGodCounts}) {
    for (int& count : *counts) count = 100 + static_cast<int>(random() % 100);
  }
}

template <class Slot>
void expectSameSlots(const Slot& threaded, const Slot& single, const std::string& what) {
  EXPECT_EQ(threaded.character, single.character) << what;
  EXPECT_EQ(threaded.element, single.element) << what;
  EXPECT_EQ(threaded.tenGod, single.tenGod) << what;
  EXPECT_EQ(threaded.ordinal, single.ordinal) << what;
}

void expectSameAnalysis(const ChartAnalysis& threaded, const ChartAnalysis& single) {
  for (size_t i = 0; i < single.pillars.size(); ++i) {
    expectSameSlots(threaded.pillars[i], single.pillars[i], "pillar " + std::to_string(i));
  }
  for (size_t i = 0; i < single.hiddenStems.size(); ++i) {
    expectSameSlots(threaded.hiddenStems[i], single.hiddenStems[i],
                    "hidden stem " + std::to_string(i));
  }
  EXPECT_EQ(threaded.currentSubject, single.currentSubject);
  EXPECT_EQ(threaded.elementCounts, single.elementCounts);
  EXPECT_EQ(threaded.characterCounts, single.characterCounts);
  EXPECT_EQ(threaded.tenGodCounts, single.tenGodCounts);
}

void expectSameResults(const ResultTable& threaded, const ResultTable& single) {
  ASSERT_EQ(threaded.rowCount(), single.rowCount());
  for (size_t row = 0; row < single.rowCount(); ++row) {
    for (int column = 0; column < kFieldCount; ++column) {
      ASSERT_EQ(threaded.cell(row, column), single.cell(row, column))
          << "row " << row << ", column " << column;
    }
  }
}

// One side of the comparison: a workspace loaded with the same records, and
// the caller's analysis carried from run to run.
struct Side {
  explicit Side(const std::vector<ChartRecord>& records) {
    for (const ChartRecord& record : records) workspace.records.appendRecord(record);
    workspace.statusLabel = labels::kLoadDone;
  }
  void run(const ConditionPanel& panel, PillarCalculator& calculator,
           const QueryThreading& threading) {
    QueryPorts ports{window, window};
    runQuery(workspace, panel, analysis, calculator, ports, threading);
  }

  Workspace workspace;
  ChartAnalysis analysis;
  QuietWindow window;
};

constexpr QueryThreading kOneThread{1};
// More ranges than cores, each as short as it may be, so the scratch fields
// of many ranges have to be put together.
constexpr QueryThreading kFourThreads{4, 1};

class ParallelQuery : public ::testing::Test {
 protected:
  // Runs `trials` random condition sets over `records` both ways; the second
  // side's analysis is carried over from trial to trial like the window's.
  void compareOver(const std::vector<ChartRecord>& records, int trials, std::mt19937& random) {
    Side single(records), threaded(records);
    fillScratch(single.analysis, random);
    threaded.analysis = single.analysis;
    for (int trial = 0; trial < trials; ++trial) {
      const ConditionPanel panel = randomPanel(random);
      single.run(panel, library, kOneThread);
      threaded.run(panel, library, kFourThreads);
      SCOPED_TRACE("trial " + std::to_string(trial) + " over " + std::to_string(records.size()) +
                   " charts");
      expectSameResults(threaded.workspace.results, single.workspace.results);
      EXPECT_EQ(threaded.workspace.countLabel, single.workspace.countLabel);
      EXPECT_EQ(threaded.workspace.statusLabel, single.workspace.statusLabel);
      EXPECT_EQ(threaded.window.endings, single.window.endings);
      expectSameAnalysis(threaded.analysis, single.analysis);
      if (HasFailure()) return;
    }
  }

  TarnelCalculator library;
};

TEST_F(ParallelQuery, ThreadedRunsGiveTheSingleThreadedOutcome) {
  std::mt19937 random(20240611);
  compareOver(randomRecords(3000, random), 150, random);
}

// Ranges of a few charts each: rows that hold or reach their count test only
// now and then leave some ranges without a write to some scratch fields.
TEST_F(ParallelQuery, ShortRangesPutTheScratchFieldsTogether) {
  std::mt19937 random(7);
  const std::vector<ChartRecord> pool = randomRecords(3000, random);
  for (int table = 0; table < 60; ++table) {
    const size_t size = 4 + random() % 40;
    const size_t first = random() % (pool.size() - size);
    compareOver({pool.begin() + first, pool.begin() + first + size}, 10, random);
    if (HasFailure()) return;
  }
}

TEST_F(ParallelQuery, ThreadsOnlyWhenTheCalculatorAllowsThem) {
  std::mt19937 random(3);
  const std::vector<ChartRecord> records = randomRecords(3000, random);
  ConditionPanel panel;
  setRowChoice(panel, Group::A, 1, RowField::Subject, "不指定");
  for (const bool threadSafe : {false, true}) {
    ThreadNotingCalculator noting(library, threadSafe);
    Side side(records);
    side.run(panel, noting, kFourThreads);
    // A finished thread's id may come back for the next, so only "more than one".
    if (threadSafe) {
      EXPECT_GT(noting.threadsSeen(), 1u);
    } else {
      EXPECT_EQ(noting.threadsSeen(), 1u);
    }
  }
}

TEST_F(ParallelQuery, FewChartsStayOnTheCallersThread) {
  std::mt19937 random(5);
  ConditionPanel panel;
  setRowChoice(panel, Group::C, 1, RowField::Subject, "不指定");
  ThreadNotingCalculator noting(library, true);
  Side side(randomRecords(100, random));
  side.run(panel, noting, QueryThreading{4, 1000});
  EXPECT_EQ(noting.threadsSeen(), 1u);
}

// The library's stop for a missing function shows a message: that must happen
// on the caller's thread, where the window lives, as it does without threads.
TEST_F(ParallelQuery, AMissingLibraryStopsOnTheCallersThread) {
  struct Stopped {};
  std::vector<std::thread::id> stops;
  TarnelCalculator absent("libtarnel_absent.so");
  absent.setStopHandler([&stops](const std::string&) {
    stops.push_back(std::this_thread::get_id());
    throw Stopped{};
  });
  EXPECT_FALSE(absent.threadSafe());
  EXPECT_TRUE(stops.empty());  // asking is not calling

  std::mt19937 random(17);
  Side side(randomRecords(3000, random));
  ConditionPanel panel;
  setRowChoice(panel, Group::A, 1, RowField::Subject, "不指定");
  EXPECT_THROW(side.run(panel, absent, kFourThreads), Stopped);
  EXPECT_EQ(stops, std::vector<std::thread::id>{std::this_thread::get_id()});
  EXPECT_TRUE(library.threadSafe());
}

class ProgressLog : public QueryProgress {
 public:
  void progress(size_t done, size_t total) override {
    calls.push_back({done, total, std::this_thread::get_id()});
  }
  struct Call {
    size_t done;
    size_t total;
    std::thread::id thread;
  };
  std::vector<Call> calls;
};

TEST_F(ParallelQuery, ProgressComesFromTheCallersThreadInOrder) {
  std::mt19937 random(11);
  const std::vector<ChartRecord> records = randomRecords(20000, random);
  ConditionPanel panel;
  setRowChoice(panel, Group::D, 1, RowField::Subject, "不指定");
  for (const QueryThreading threading : {kOneThread, QueryThreading{2, 1}}) {
    Side side(records);
    ProgressLog log;
    QueryPorts ports{side.window, side.window, &log};
    runQuery(side.workspace, panel, side.analysis, library, ports, threading);
    SCOPED_TRACE(threading.threads);
    ASSERT_GE(log.calls.size(), 3u);  // start, at least one step, end
    EXPECT_EQ(log.calls.front().done, 0u);
    EXPECT_EQ(log.calls.back().done, records.size());
    for (size_t k = 0; k < log.calls.size(); ++k) {
      EXPECT_EQ(log.calls[k].total, records.size());
      EXPECT_EQ(log.calls[k].thread, std::this_thread::get_id());
      if (k > 0) {
        EXPECT_GE(log.calls[k].done, log.calls[k - 1].done);
      }
    }
  }
}

TEST_F(ParallelQuery, NoProgressWithoutConditionsOrCharts) {
  std::mt19937 random(13);
  ConditionPanel withRow;
  setRowChoice(withRow, Group::B, 1, RowField::Subject, "不指定");
  const struct {
    ConditionPanel panel;
    size_t charts;
  } cases[] = {{ConditionPanel{}, 10}, {withRow, 0}};
  for (const auto& c : cases) {
    Side side(randomRecords(c.charts, random));
    ProgressLog log;
    QueryPorts ports{side.window, side.window, &log};
    runQuery(side.workspace, c.panel, side.analysis, library, ports);
    EXPECT_TRUE(log.calls.empty()) << c.charts << " charts";
  }
}

}  // namespace
}  // namespace bazi
