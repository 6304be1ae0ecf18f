// Pictures of the window, one per tab page, and of the about window, written
// to <build>/screenshots for a person to look at. The window is filled as a
// user would fill it: two databases loaded, a few conditions set, a query run.

#include <QApplication>
#include <QDir>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "about_window.h"
#include "fixture_databases.h"
#include "window_harness.h"

using namespace bazi;
using namespace bazi::ui;
using namespace bazi::ui::test;

namespace {

QString s(const char* utf8) { return QString::fromUtf8(utf8); }

bool save(QWidget& widget, const QString& fileName) {
  QDir().mkpath(QStringLiteral(BAZI_SCREENSHOT_DIR));
  const QString path = QDir(QStringLiteral(BAZI_SCREENSHOT_DIR)).filePath(fileName);
  QApplication::processEvents();
  const QPixmap picture = widget.grab();
  return !picture.isNull() && picture.save(path, "PNG");
}

}  // namespace

class Screenshots : public QObject {
  Q_OBJECT

 private slots:
  void everyPageOfAFilledWindow() {
    FixtureFolder fixtures;
    const TwoDatabases files = writeTwoDatabases(fixtures);
    WindowHarness harness;
    harness.load({files.first, files.second});
    QVERIFY(chooseItem(harness.find<QComboBox>(s("组合框_行1")), s("木")));
    QVERIFY(chooseItem(harness.find<QComboBox>(s("组合框_位置行1")), s("天干")));
    QVERIFY(click(harness.find<QRadioButton>(s("单选框2"))));
    QVERIFY(chooseItem(harness.find<QComboBox>(s("组合框_行1")), s("不指定")));
    QVERIFY(chooseItem(harness.find<QComboBox>(s("组合框_行1")), s("-")));
    QVERIFY(chooseItem(harness.find<QComboBox>(s("组合框_干1")), s("甲")));
    QVERIFY(chooseItem(harness.find<QComboBox>(s("组合框_位置干1")), s("年干")));
    QVERIFY(chooseItem(harness.find<QComboBox>(s("组合框_神1")), s("正官")));
    QVERIFY(chooseItem(harness.find<QComboBox>(s("组合框_神1")), s("-")));
    harness.query();

    auto& tabs = harness.find<QTabWidget>(s("高级选择夹1"));
    for (int page = 0; page < tabs.count(); ++page) {
      harness.showPage(page);
      QCOMPARE(tabs.currentIndex(), page);
      QVERIFY(save(harness.window(), QStringLiteral("main-window-page%1.png").arg(page)));
    }

    QVERIFY(click(harness.find<QPushButton>(s("按钮1"))));
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (qobject_cast<AboutWindow*>(widget) != nullptr) {
        QVERIFY(save(*widget, QStringLiteral("about-window.png")));
        widget->close();
      }
    }
  }

  void progressDialogOfALoad() {
    FixtureFolder fixtures;
    const TwoDatabases files = writeTwoDatabases(fixtures);
    WindowHarness harness;
    harness.window().setProgressDelay(std::chrono::milliseconds(0));
    bool saved = false;
    // Runs when the dialog first lets the window's events through.
    QMetaObject::invokeMethod(
        &harness.window(),
        [&] {
          auto* dialog = harness.window().findChild<QProgressDialog*>();
          saved = dialog != nullptr && save(*dialog, QStringLiteral("progress-dialog.png"));
        },
        Qt::QueuedConnection);
    harness.load({files.first, files.second});
    QVERIFY(saved);
  }
};

QTEST_MAIN(Screenshots)
#include "screenshots_test.moc"
