// window_bench [--sqlite3 SECONDS] FILE.edb...: the real window, offscreen,
// through its real ports except the file dialog (it returns the files named)
// and the message boxes (their texts are printed). It times the load into the
// records grid, the first paint of the grid after it, scrolling through it,
// a ten-row and a one-row query (the condition sets of query_bench), and
// prints the peak memory of the whole program, each figure beside its goal.
// With --sqlite3, the time sqlite3 took to print the same tables, the load is
// set against twice that.

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTableView>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "analysis/chart_analysis.h"
#include "edb_engine.h"
#include "main_window.h"
#include "qt_ports.h"
#include "qt_text.h"
#include "tarnel_calculator.h"
#include "window_driver.h"

namespace {

using namespace bazi;

class GivenFiles : public FileChooser {
 public:
  explicit GivenFiles(std::vector<std::string> paths) : paths_(std::move(paths)) {}
  std::vector<std::string> chooseFiles(std::string_view, const std::string&) override {
    return paths_;
  }

 private:
  std::vector<std::string> paths_;
};

class PrintedMessages : public MessagePort {
 public:
  void showMessage(std::string_view text, std::string_view, MessageIcon, bool) override {
    std::printf("  message: %s\n", ui::toQString(text).toUtf8().constData());
  }
};

struct Arguments {
  double sqliteSeconds = 0;  // 0: not measured
  std::vector<std::string> files;
};

Arguments parse(int argc, char** argv) {
  Arguments arguments;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--sqlite3" && i + 1 < argc) {
      arguments.sqliteSeconds = std::strtod(argv[++i], nullptr);
    } else {
      arguments.files.push_back(argument);
    }
  }
  return arguments;
}

double peakResidentMiB() {
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // KiB on Linux
}

const char* verdict(bool met) { return met ? "met" : "MISSED"; }

template <typename Action>
double secondsOf(Action action) {
  QElapsedTimer clock;
  clock.start();
  action();
  return static_cast<double>(clock.nsecsElapsed()) * 1e-9;
}

QTableView& grid(QWidget& window, const char* name) {
  return *window.findChild<QTableView*>(QString::fromUtf8(name));
}

void reportLoad(double seconds, double sqliteSeconds) {
  if (sqliteSeconds > 0) {
    const double goal = 2 * sqliteSeconds;
    std::printf(
        "load into the window: %.3f s   goal <= 2 x sqlite3 = %.3f s   %.2f x sqlite3   %s\n",
        seconds, goal, seconds / sqliteSeconds, verdict(seconds <= goal));
  } else {
    std::printf("load into the window: %.3f s   goal <= 2 x sqlite3 (run with --sqlite3)\n",
                seconds);
  }
}

// Steps the scroll bar through the whole grid, painting after each step, as
// dragging its thumb does.
void timeScrolling(QTableView& view) {
  QScrollBar& bar = *view.verticalScrollBar();
  constexpr int kSteps = 200;
  double worst = 0;
  double total = 0;
  for (int step = 1; step <= kSteps; ++step) {
    const double seconds = secondsOf([&] {
      bar.setValue(static_cast<int>(static_cast<long long>(bar.maximum()) * step / kSteps));
      view.viewport()->repaint();
    });
    worst = std::max(worst, seconds);
    total += seconds;
  }
  const double goal = 1.0 / 60;
  std::printf(
      "scrolling %d rows in %d steps: mean %.1f ms, worst %.1f ms a step   goal < %.1f ms   %s\n",
      view.model()->rowCount() - 1, kSteps, total / kSteps * 1e3, worst * 1e3, goal * 1e3,
      verdict(worst < goal));
}

// The query as the user runs it from its page; then the first paint of the
// results page it switches to.
void timeQuery(ui::MainWindow& window, const char* name, size_t rows, double goal) {
  if (static_cast<size_t>(window.panel().conditionCount()) != rows) {
    throw std::runtime_error(std::string("the panel does not hold the rows of ") + name);
  }
  bench::showPage(window, 3);
  bench::PaintWatch watch(*grid(window, "高级表格_结果").viewport());
  const double seconds = secondsOf([&] { bench::press(window, "按钮_查询"); });
  const double paint = secondsOf([&] { watch.waitForPaint(10); });
  std::printf("query, %s: %.3f s, %zu matches, results painted %.3f s later   goal < %.1f s   %s\n",
              name, seconds, window.workspace().results.recordCount(), paint, goal,
              verdict(seconds < goal));
}

int run(const Arguments& arguments) {
  ChartAnalysis analysis;
  TarnelCalculator calculator;
  // As the program does at start-up: the library is opened before any load.
  calculator.取干支序数(ui::toGbk(QStringLiteral("甲")));
  ui::ApplicationFolder folder;
  GivenFiles chooser(arguments.files);
  EdbReader reader;
  PrintedMessages messages;
  ui::SystemClock clock;
  ui::DesktopBrowser browser;  // the window is never closed, so no page opens
  ui::MainWindow window(analysis, calculator, {folder, chooser, reader, messages, clock, browser});
  window.show();
  QTableView& records = grid(window, "高级表格_记录");
  bench::PaintWatch watch(*records.viewport());
  if (!watch.waitForPaint(10)) std::printf("the window was never painted\n");

  const double load = secondsOf([&] { bench::press(window, "按钮_载入数据库"); });
  watch.reset();
  const double paint = secondsOf([&] { watch.waitForPaint(10); });
  std::printf("records loaded: %zu from %zu files\n", window.workspace().records.recordCount(),
              arguments.files.size());
  reportLoad(load, arguments.sqliteSeconds);
  std::printf(
      "first paint of the records grid after the load: %.3f s   goal: at once (< 0.1 s)   %s\n",
      paint, verdict(paint < 0.1));
  timeScrolling(records);

  bench::setRows(window, bench::tenRows());
  timeQuery(window, "ten rows", bench::tenRows().size(), 1.0);
  bench::clearRows(window, bench::tenRows());
  bench::setRows(window, bench::oneRow());
  timeQuery(window, "one row", bench::oneRow().size(), 0.5);

  const double peak = peakResidentMiB();
  std::printf("peak RSS, records loaded and queries run: %.1f MiB   goal < 1024 MiB   %s\n", peak,
              verdict(peak < 1024));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // A benchmark needs no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const Arguments arguments = parse(argc, argv);
  if (arguments.files.empty()) {
    std::fprintf(stderr, "usage: window_bench [--sqlite3 SECONDS] FILE.edb...\n");
    return 2;
  }
  try {
    return run(arguments);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "window_bench: %s\n", e.what());
    return 1;
  }
}
