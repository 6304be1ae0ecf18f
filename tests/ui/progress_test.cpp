// The progress dialog of a long load or query: it shows the count, stays up
// until the command ends, and while it is up no button of the window starts
// another command, whether the click comes through the window system (where
// the dialog's modality stops it) or straight to the button.
//
// The dialog's delay is set to 0, so it shows at the command's first step;
// what the test sees during a command it sees from a call queued before the
// command, which runs when the dialog first lets the window's events through.

#include <QAbstractButton>
#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "about_window.h"
#include "fixture_databases.h"
#include "window_harness.h"

using namespace bazi;
using namespace bazi::ui;
using namespace bazi::ui::test;

namespace {

QString s(const char* utf8) { return QString::fromUtf8(utf8); }

bool anAboutWindowIsOpen() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (qobject_cast<AboutWindow*>(widget) && widget->isVisible()) return true;
  }
  return false;
}

// What the window looked like while a command was running.
struct Seen {
  bool ran = false;
  bool dialogVisible = false;
  Qt::WindowModality modality = Qt::NonModal;
  bool ownedByWindow = false;
  bool hasButtons = true;
  QString label;
  int recordRows = -1;
  int resultRows = -1;
  bool upAfterEscapeAndClose = false;
};

}  // namespace

class ProgressTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    harness_ = std::make_unique<WindowHarness>();
    harness_->window().setProgressDelay(std::chrono::milliseconds(0));
    fixtures_ = std::make_unique<FixtureFolder>();
    files_ = writeTwoDatabases(*fixtures_);
  }
  void cleanup() {
    harness_.reset();
    fixtures_.reset();
    for (QWidget* widget : QApplication::topLevelWidgets()) widget->close();
  }

  void loadShowsTheRecordCountAndBlocksEveryButton() {
    const Seen seen = duringNextCommand([this] { harness_->load({files_.first, files_.second}); });

    QVERIFY(seen.ran);
    QVERIFY(seen.dialogVisible);
    QCOMPARE(seen.modality, Qt::WindowModal);
    QVERIFY(seen.ownedByWindow);
    QVERIFY(!seen.hasButtons);
    QCOMPARE(seen.label, s("正在载入… 5 条"));
    QCOMPARE(seen.recordRows, 0);  // the grid shows no half-filled table
    QVERIFY(seen.upAfterEscapeAndClose);
    // None of the clicks started anything: one dialog, no refusal, no about window.
    QCOMPARE(harness_->chooser.calls, 1);
    QVERIFY(harness_->messages.shown.empty());
    QVERIFY(!anAboutWindowIsOpen());

    QVERIFY(!dialog());
    QCOMPARE(grid("高级表格_记录").model()->rowCount(), 6);
    QCOMPARE(harness_->workspace().records.recordCount(), size_t{5});
  }

  void queryShowsHowFarItIsAndBlocksEveryButton() {
    harness_->load({files_.first, files_.second});
    QVERIFY(chooseItem(harness_->find<QComboBox>(s("组合框_干1")), s("甲")));
    QVERIFY(chooseItem(harness_->find<QComboBox>(s("组合框_位置干1")), s("年干")));

    const Seen seen = duringNextCommand([this] { harness_->query(); });

    QVERIFY(seen.ran);
    QVERIFY(seen.dialogVisible);
    QCOMPARE(seen.modality, Qt::WindowModal);
    QVERIFY(!seen.hasButtons);
    QVERIFY2(QRegularExpression(s("^正在查询… [1-5] / 5$")).match(seen.label).hasMatch(),
             qPrintable(seen.label));
    QCOMPARE(seen.resultRows, 0);
    QCOMPARE(seen.recordRows, 6);  // the records stay on show
    QVERIFY(seen.upAfterEscapeAndClose);
    QCOMPARE(harness_->chooser.calls, 1);  // the load button did nothing
    QVERIFY(harness_->messages.shown.empty());
    QVERIFY(!anAboutWindowIsOpen());

    QVERIFY(!dialog());
    QCOMPARE(grid("高级表格_结果").model()->rowCount(), 4);
    QCOMPARE(harness_->find<QTabWidget>(s("高级选择夹1")).currentIndex(), 6);
  }

  void theWindowTakesCommandsAgainAfterwards() {
    duringNextCommand([this] { harness_->load({files_.first}); });
    harness_->load({files_.second});
    QCOMPARE(harness_->chooser.calls, 2);
    QCOMPARE(harness_->workspace().records.recordCount(), size_t{2});
    QVERIFY(click(harness_->find<QAbstractButton>(s("按钮1"))));
    QVERIFY(anAboutWindowIsOpen());
  }

  void aCommandLeavesNoDialogBehind() {
    harness_->window().setProgressDelay(kProgressDelay);
    harness_->load({files_.first, files_.second});
    harness_->query();
    QVERIFY(!dialog());
    harness_->load({});  // cancelled: no count to show
    QVERIFY(!dialog());
  }

 private:
  // Runs `command`; when its dialog first lets events through, looks at the
  // window and clicks every button of it, both ways.
  Seen duringNextCommand(const std::function<void()>& command) {
    Seen seen;
    QMetaObject::invokeMethod(
        &harness_->window(), [this, &seen] { look(seen); }, Qt::QueuedConnection);
    command();
    QCoreApplication::processEvents();  // a look that did not come in time comes now
    return seen;
  }

  void look(Seen& seen) {
    seen.ran = true;
    QProgressDialog* shown = dialog();
    if (shown == nullptr) return;
    seen.dialogVisible = shown->isVisible();
    seen.modality = shown->windowModality();
    seen.ownedByWindow = shown->parentWidget() == &harness_->window();
    seen.hasButtons = shown->findChild<QPushButton*>() != nullptr;
    seen.label = shown->labelText();
    seen.recordRows = grid("高级表格_记录").model()->rowCount();
    seen.resultRows = grid("高级表格_结果").model()->rowCount();
    for (const char* name : {"按钮_载入数据库", "按钮_查询", "按钮1"}) {
      auto& button = harness_->find<QAbstractButton>(s(name));
      clickThroughTheWindowSystem(button);
      QTest::mouseClick(&button, Qt::LeftButton);
    }
    QTest::keyClick(shown, Qt::Key_Escape);
    shown->close();
    seen.upAfterEscapeAndClose = shown->isVisible();
  }

  void clickThroughTheWindowSystem(QWidget& button) {
    QWidget& window = harness_->window();
    const QPoint at = button.mapTo(&window, button.rect().center());
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, at);
  }

  QProgressDialog* dialog() { return harness_->window().findChild<QProgressDialog*>(); }
  QTableView& grid(const char* name) { return harness_->find<QTableView>(s(name)); }

  std::unique_ptr<WindowHarness> harness_;
  std::unique_ptr<FixtureFolder> fixtures_;
  TwoDatabases files_;
};

QTEST_MAIN(ProgressTest)
#include "progress_test.moc"
