#include "query/chart_scan.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <future>
#include <memory>
#include <system_error>
#include <vector>

namespace bazi {
namespace {

// Chunks small enough for the threads to finish together and for progress to
// come often, large enough that taking one costs nothing beside its charts.
constexpr size_t kMaxChunkCharts = 4096;
constexpr size_t kChunksPerThread = 8;

// Consecutive records [first, end) and what examining them found. Each chunk
// sits on cache lines of its own: one thread fills it while another reads
// the one before.
struct alignas(64) Chunk {
  size_t first = 0;
  size_t end = 0;
  std::vector<size_t> matches;
  ScratchFields written = 0;  // the scratch fields some chart of the chunk wrote
  ChartAnalysis scratch;      // those fields as the chunk's last writes left them
  std::exception_ptr failure;
  std::atomic<bool> finished{false};
};

void examine(const ChartScan& scan, Chunk& chunk, ChartAnalysis& analysis) {
  ScratchFields written = 0;
  for (size_t r = chunk.first; r < chunk.end; ++r) {
    decomposeChart(analysis, scan.calculator, scan.records.recordAt(r).field(kChartField),
                   scan.yinYangSwap);
    int satisfied = 0;
    for (const SetRow& set : scan.rows) {
      bool countTested = false;
      if (rowSatisfied(set.group, *set.row, analysis, scan.calculator, countTested)) ++satisfied;
      if (countTested) written |= set.countWrites;
    }
    if (satisfied == scan.conditionCount) chunk.matches.push_back(r);
  }
  chunk.written = written;
  copyScratchFields(written, analysis, chunk.scratch);
}

// The chunks of one run and the counters the threads share.
class ChunkQueue {
 public:
  ChunkQueue(size_t charts, unsigned threads) {
    const size_t size =
        std::clamp<size_t>(charts / (threads * kChunksPerThread), 1, kMaxChunkCharts);
    for (size_t first = 1; first <= charts; first += size) {
      auto chunk = std::make_unique<Chunk>();
      chunk->first = first;
      chunk->end = std::min(first + size, charts + 1);
      chunks_.push_back(std::move(chunk));
    }
  }

  Chunk& at(size_t k) { return *chunks_[k]; }
  // The last chunk is the caller's, taken after all others.
  size_t lastIndex() const { return chunks_.size() - 1; }

  // The next chunk before the last that nobody has taken, or null.
  Chunk* take() {
    if (stopped_.load(std::memory_order_relaxed)) return nullptr;
    const size_t k = next_.fetch_add(1, std::memory_order_relaxed);
    return k < lastIndex() ? chunks_[k].get() : nullptr;
  }
  void finish(Chunk& chunk) {
    done_.fetch_add(chunk.end - chunk.first, std::memory_order_relaxed);
    chunk.finished.store(true, std::memory_order_release);
    chunk.finished.notify_all();
  }
  void stop() { stopped_.store(true, std::memory_order_relaxed); }
  size_t chartsDone() const { return done_.load(std::memory_order_relaxed); }

 private:
  std::vector<std::unique_ptr<Chunk>> chunks_;
  std::atomic<size_t> next_{0};
  std::atomic<size_t> done_{0};
  std::atomic<bool> stopped_{false};
};

// A worker takes chunks until none is left. A failure is kept with its chunk
// for the caller's thread, which meets it when it copies that chunk.
void work(const ChartScan& scan, ChunkQueue& queue) {
  ChartAnalysis analysis;
  while (Chunk* chunk = queue.take()) {
    try {
      examine(scan, *chunk, analysis);
    } catch (...) {
      chunk->failure = std::current_exception();
    }
    queue.finish(*chunk);
  }
}

class Workers {
 public:
  Workers(const ChartScan& scan, ChunkQueue& queue, unsigned count) : queue_(queue) {
    for (unsigned k = 0; k < count; ++k) {
      try {
        running_.push_back(std::async(std::launch::async, work, std::cref(scan), std::ref(queue)));
      } catch (const std::system_error&) {
        break;  // no more threads to be had: the caller's thread takes their chunks
      }
    }
  }
  Workers(const Workers&) = delete;
  Workers& operator=(const Workers&) = delete;
  // Also on the way out by an exception: no worker outlives the chunks.
  ~Workers() {
    queue_.stop();
    for (auto& worker : running_) worker.wait();
  }

 private:
  ChunkQueue& queue_;
  std::vector<std::future<void>> running_;
};

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

// Copies the matches of finished chunks into the results in table order,
// from chunk `next` on; with `wait`, up to the caller's last chunk.
size_t copyFinished(const ChartScan& scan, ChunkQueue& queue, size_t next, bool wait) {
  for (; next < queue.lastIndex(); ++next) {
    Chunk& chunk = queue.at(next);
    if (!chunk.finished.load(std::memory_order_acquire)) {
      if (!wait) break;
      chunk.finished.wait(false, std::memory_order_acquire);
    }
    if (chunk.failure) std::rethrow_exception(chunk.failure);
    for (size_t r : chunk.matches) scan.results.appendRecord(scan.records.recordAt(r));
  }
  return next;
}

// The caller's analysis holds the scratch fields as its own last chunk left
// them; those that chunk did not write are taken from the latest chunk before
// it that wrote them. Fields no chunk wrote keep what they held before the run.
void takeUnwrittenScratch(ChunkQueue& queue, ChartAnalysis& analysis) {
  ScratchFields missing = kAllScratchFields & ~queue.at(queue.lastIndex()).written;
  for (size_t k = queue.lastIndex(); k-- > 0 && missing != 0;) {
    const ScratchFields fields = missing & queue.at(k).written;
    copyScratchFields(fields, queue.at(k).scratch, analysis);
    missing &= ~fields;
  }
}

}  // namespace

void collectMatches(const ChartScan& scan, ChartAnalysis& analysis, unsigned threads) {
  const size_t n = scan.records.recordCount();
  if (n == 0) return;
  threads = std::max(1u, threads);
  const ProgressReport report(scan.progress, n);
  report(0);
  ChunkQueue queue(n, threads);
  Workers workers(scan, queue, threads - 1);
  size_t copied = 0;
  // Between chunks of its own the caller's thread copies what the workers found.
  while (Chunk* chunk = queue.take()) {
    examine(scan, *chunk, analysis);
    queue.finish(*chunk);
    copied = copyFinished(scan, queue, copied, false);
    report(queue.chartsDone());
  }
  Chunk& last = queue.at(queue.lastIndex());
  examine(scan, last, analysis);
  queue.finish(last);
  copyFinished(scan, queue, copied, true);
  for (size_t r : last.matches) scan.results.appendRecord(scan.records.recordAt(r));
  takeUnwrittenScratch(queue, analysis);
  report(n);
}

}  // namespace bazi
