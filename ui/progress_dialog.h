#pragma once
// The progress a long load or query shows: a window-modal dialog that appears
// only once the command has run for a while, then keeps the window painted
// and its controls out of reach until the command ends. It has no cancel
// button: the commands run to their end.

#include <QElapsedTimer>
#include <QString>
#include <chrono>
#include <memory>

#include "query/query_ports.h"
#include "records/load_ports.h"

class QProgressDialog;
class QWidget;

namespace bazi::ui {

inline constexpr std::chrono::milliseconds kProgressDelay{500};

// One command's dialog, made at its first report and gone with this object.
class ProgressDialog {
 public:
  ProgressDialog(QWidget& window, QString title, std::chrono::milliseconds delay);
  ~ProgressDialog();
  ProgressDialog(const ProgressDialog&) = delete;
  ProgressDialog& operator=(const ProgressDialog&) = delete;

  // Shows `text` and `permille` of the work done. Once the dialog is up, this
  // also lets the window handle its pending events. Reports closer together
  // than the update interval are passed over: painting the dialog for every
  // step of a query would slow the query down.
  void report(int permille, const QString& text);

 private:
  QProgressDialog& dialog();
  bool tooSoon();

  QWidget& window_;
  QString title_;
  std::chrono::milliseconds delay_;
  std::chrono::milliseconds updateInterval_;
  QElapsedTimer sinceUpdate_;
  std::unique_ptr<QProgressDialog> dialog_;
};

class LoadProgressDialog : public LoadProgress {
 public:
  LoadProgressDialog(QWidget& window, std::chrono::milliseconds delay);
  void progress(const LoadCount& count) override;

 private:
  ProgressDialog dialog_;
};

class QueryProgressDialog : public QueryProgress {
 public:
  QueryProgressDialog(QWidget& window, std::chrono::milliseconds delay);
  void progress(size_t done, size_t total) override;

 private:
  ProgressDialog dialog_;
};

// The texts, also for tests: "正在载入… 123 条", "正在查询… 12 / 345".
QString loadProgressText(size_t recordsRead);
QString queryProgressText(size_t done, size_t total);

}  // namespace bazi::ui
