#include "progress_dialog.h"

#include <QCloseEvent>
#include <QProgressDialog>
#include <algorithm>

namespace bazi::ui {
namespace {

constexpr int kFull = 1000;
// Ten updates a second keep the dialog alive to the eye.
constexpr std::chrono::milliseconds kUpdateInterval{100};

// Esc and the title bar's close would hide the dialog, and with it the only
// thing that keeps the user from starting a second command.
class UnclosableProgressDialog : public QProgressDialog {
 public:
  explicit UnclosableProgressDialog(QWidget* parent) : QProgressDialog(parent) {
    setWindowFlag(Qt::WindowCloseButtonHint, false);
  }
  void reject() override {}

 protected:
  void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

int permilleOf(size_t done, size_t total) {
  if (total == 0) return kFull;
  return static_cast<int>(std::min<size_t>(done, total) * kFull / total);
}

}  // namespace

// A dialog asked to show at once also follows every step.
ProgressDialog::ProgressDialog(QWidget& window, QString title, std::chrono::milliseconds delay)
    : window_(window),
      title_(std::move(title)),
      delay_(delay),
      updateInterval_(std::min(delay, kUpdateInterval)) {}

ProgressDialog::~ProgressDialog() = default;

QProgressDialog& ProgressDialog::dialog() {
  if (!dialog_) {
    auto dialog = std::make_unique<UnclosableProgressDialog>(&window_);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setWindowTitle(title_);
    dialog->setCancelButton(nullptr);
    // The dialog goes with the command, not when the bar is full.
    dialog->setAutoReset(false);
    dialog->setAutoClose(false);
    dialog->setRange(0, kFull);
    dialog->setMinimumDuration(static_cast<int>(delay_.count()));
    dialog_ = std::move(dialog);
  }
  return *dialog_;
}

bool ProgressDialog::tooSoon() {
  if (sinceUpdate_.isValid() && sinceUpdate_.elapsed() < updateInterval_.count()) return true;
  sinceUpdate_.start();
  return false;
}

void ProgressDialog::report(int permille, const QString& text) {
  if (tooSoon()) return;
  QProgressDialog& shown = dialog();
  shown.setLabelText(text);
  // Qt shows the dialog once the command has run for the delay, and from then
  // on processes the window's events here.
  shown.setValue(std::clamp(permille, 0, kFull));
}

QString loadProgressText(size_t recordsRead) {
  return QStringLiteral("正在载入… %1 条").arg(recordsRead);
}

QString queryProgressText(size_t done, size_t total) {
  return QStringLiteral("正在查询… %1 / %2").arg(done).arg(total);
}

LoadProgressDialog::LoadProgressDialog(QWidget& window, std::chrono::milliseconds delay)
    : dialog_(window, QStringLiteral("载入数据库"), delay) {}

void LoadProgressDialog::progress(const LoadCount& count) {
  // Each chosen file is an equal share of the bar: the record counts of the
  // files not yet opened are unknown.
  const size_t files = std::max<size_t>(count.filesTotal, 1);
  const size_t inFile =
      static_cast<size_t>(permilleOf(count.fileRecordsRead, count.fileRecordCount));
  const size_t partial = count.fileRecordCount == 0 ? 0 : inFile;
  const size_t permille = (count.filesDone * kFull + partial) / files;
  dialog_.report(static_cast<int>(permille), loadProgressText(count.recordsRead));
}

QueryProgressDialog::QueryProgressDialog(QWidget& window, std::chrono::milliseconds delay)
    : dialog_(window, QStringLiteral("查询"), delay) {}

void QueryProgressDialog::progress(size_t done, size_t total) {
  dialog_.report(permilleOf(done, total), queryProgressText(done, total));
}

}  // namespace bazi::ui
