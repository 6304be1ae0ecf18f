// The shell around the commands: the resize rule, the exit page, the about
// window and its pages, and the message boxes of the real program.

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include "about_window.h"
#include "calculator_stop.h"
#include "qt_ports.h"
#include "qt_text.h"
#include "window_harness.h"

using namespace bazi;
using namespace bazi::ui;
using namespace bazi::ui::test;

namespace {

QString s(const char* utf8) { return QString::fromUtf8(utf8); }

AboutWindow* openAboutWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* about = qobject_cast<AboutWindow*>(widget); about && about->isVisible()) return about;
  }
  return nullptr;
}

}  // namespace

class ShellTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { harness_ = std::make_unique<WindowHarness>(); }
  void cleanup() {
    harness_.reset();
    for (QWidget* widget : QApplication::topLevelWidgets()) widget->close();
  }

  void resizeRule_data() {
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QSize>("tabs");
    QTest::addColumn<QSize>("grids");
    QTest::addColumn<int>("treeHeight");
    QTest::addColumn<int>("noteTop");
    QTest::addColumn<int>("statusTop");
    QTest::addColumn<int>("countTop");
    QTest::newRow("first size") << QSize(951, 534) << QSize(764, 481) << QSize(753, 429) << 398
                                << 466 << 446 << 468;
    QTest::newRow("100 larger") << QSize(1051, 634) << QSize(864, 581) << QSize(853, 529) << 498
                                << 566 << 546 << 568;
    // Too small for the drawing: sizes stop at 0, tops follow the clamped sizes.
    QTest::newRow("tiny") << QSize(150, 100) << QSize(0, 47) << QSize(0, 0) << 0 << 37 << 48 << 70;
  }
  void resizeRule() {
    QFETCH(QSize, outer);
    QFETCH(QSize, tabs);
    QFETCH(QSize, grids);
    QFETCH(int, treeHeight);
    QFETCH(int, noteTop);
    QFETCH(int, statusTop);
    QFETCH(int, countTop);
    MainWindow& window = harness_->window();
    window.resizeOuter(outer);
    QCOMPARE(window.outerSize(), outer);
    QCOMPARE(harness_->find<QTabWidget>(s("高级选择夹1")).size(), tabs);
    QCOMPARE(harness_->find<QTableView>(s("高级表格_记录")).size(), grids);
    QCOMPARE(harness_->find<QTableView>(s("高级表格_结果")).size(), grids);
    QCOMPARE(harness_->find<QTreeWidget>(s("树型框1")).height(), treeHeight);
    QCOMPARE(harness_->find<QTreeWidget>(s("树型框1")).width(), 150);
    QCOMPARE(harness_->find<QLabel>(s("标签157")).y(), noteTop);
    QCOMPARE(harness_->find<QLabel>(s("标签18")).y(), statusTop);
    QCOMPARE(harness_->find<QLabel>(s("标签19")).y(), countTop);
    QCOMPARE(harness_->find<QTableView>(s("高级表格_记录")).pos(), QPoint(6, 27));
  }

  void exitPageOnSecondsDivisibleByThree_data() {
    QTest::addColumn<int>("second");
    QTest::addColumn<bool>("opens");
    QTest::newRow("0") << 0 << true;
    QTest::newRow("1") << 1 << false;
    QTest::newRow("3") << 3 << true;
    QTest::newRow("59") << 59 << false;
    QTest::newRow("57") << 57 << true;
  }
  void exitPageOnSecondsDivisibleByThree() {
    QFETCH(int, second);
    QFETCH(bool, opens);
    harness_->clock.second = second;
    QVERIFY(harness_->window().close());
    if (!opens) {
      QVERIFY(harness_->browser.opened.isEmpty());
      return;
    }
    QCOMPARE(harness_->browser.opened.size(), 1);
    const QUrl page = harness_->browser.opened[0];
    QCOMPARE(page, QUrl::fromLocalFile(harness_->programFolder() + s("/pages/user-guide.html")));
    QVERIFY(QFileInfo::exists(page.toLocalFile()));
  }

  void aboutWindowDescribesTheTool() {
    QVERIFY(click(harness_->find<QPushButton>(s("按钮1"))));
    AboutWindow* about = openAboutWindow();
    QVERIFY(about != nullptr);
    QCOMPARE(about->windowTitle(), s("软件说明："));
    QCOMPARE(about->size(), QSize(379, 203));
    QCOMPARE(about->parentWidget(), nullptr);
    auto* text = about->findChild<QLabel*>(s("标签1"));
    QVERIFY(text != nullptr);
    QCOMPARE(text->geometry(), QRect(6, 6, 360, 146));
    // What the tool does, an empty line, the charting program marked "*",
    // then ">>>>>>" and the heading over the program buttons.
    const QStringList lines = text->text().split(QLatin1Char('\n'));
    QVERIFY(lines[0].contains(s("【Yalvik八字】")));
    const qsizetype star = lines.indexOf(QRegularExpression(s("^\\*【Yalvik八字】.*")));
    QVERIFY(star > 1);
    QVERIFY(lines[star - 1].isEmpty());
    QVERIFY(lines[star].contains(s("排盘")));
    QCOMPARE(lines[lines.size() - 2], s(">>>>>>"));
    QCOMPARE(lines.last(), s("更多软件下载："));
    // Each press opens a window of its own.
    QVERIFY(click(harness_->find<QPushButton>(s("按钮1"))));
    int open = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (qobject_cast<AboutWindow*>(widget) && widget->isVisible()) ++open;
    }
    QCOMPARE(open, 2);
  }

  void aboutButtonsOpenTheirPages_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("page");
    QTest::newRow("companion") << s("按钮2") << QRect(49, 100, 94, 16) << s("yalvik-bazi.html");
    QTest::newRow("window") << s("按钮6") << QRect(93, 125, 72, 16) << s("bazi-query.html");
    QTest::newRow("cli") << s("按钮8") << QRect(173, 125, 72, 16) << s("bazi-query-cli.html");
    QTest::newRow("db") << s("按钮5") << QRect(253, 125, 72, 16) << s("bazi-db.html");
    QTest::newRow("calculator") << s("按钮7") << QRect(93, 149, 72, 16) << s("tarnel.html");
    QTest::newRow("samples") << s("按钮4") << QRect(173, 149, 72, 16) << s("sample-records.html");
    QTest::newRow("format") << s("按钮9") << QRect(253, 149, 72, 16) << s("chart-database.html");
  }
  void aboutButtonsOpenTheirPages() {
    QFETCH(QString, button);
    QFETCH(QRect, geometry);
    QFETCH(QString, page);
    QVERIFY(click(harness_->find<QPushButton>(s("按钮1"))));
    AboutWindow* about = openAboutWindow();
    QVERIFY(about != nullptr);
    auto* link = about->findChild<QPushButton*>(button);
    QVERIFY(link != nullptr);
    QCOMPARE(link->geometry(), geometry);
    QVERIFY(!link->text().isEmpty());
    QVERIFY(click(*link));
    QCOMPARE(harness_->browser.opened.size(), 1);
    const QUrl opened = harness_->browser.opened[0];
    QCOMPARE(opened, QUrl::fromLocalFile(harness_->programFolder() + s("/pages/") + page));
    QVERIFY2(QFileInfo::exists(opened.toLocalFile()), qPrintable(opened.toLocalFile()));
  }

  void closingTheWindowClosesItsAboutWindows() {
    QVERIFY(click(harness_->find<QPushButton>(s("按钮1"))));
    QVERIFY(openAboutWindow() != nullptr);
    harness_->window().close();
    QVERIFY(openAboutWindow() == nullptr);
  }

  void messageBoxesOfTheProgram_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("owned");
    QTest::addColumn<QString>("shownCaption");
    QTest::addColumn<int>("shownIcon");
    QTest::newRow("refusal") << s("错误！") << int(MessageIcon::None) << false << s("错误！")
                             << int(QMessageBox::NoIcon);
    QTest::newRow("outcome") << QString() << int(MessageIcon::Error) << true << s("信息：")
                             << int(QMessageBox::Critical);
  }
  void messageBoxesOfTheProgram() {
    QFETCH(QString, caption);
    QFETCH(int, icon);
    QFETCH(bool, owned);
    QFETCH(QString, shownCaption);
    QFETCH(int, shownIcon);
    MessageBoxes boxes;
    boxes.setMainWindow(&harness_->window());
    const auto box = boxes.makeBox(toGbk(s("未设置条件！")), toGbk(caption),
                                   static_cast<MessageIcon>(icon), owned);
    QCOMPARE(box->text(), s("未设置条件！"));
    QCOMPARE(box->windowTitle(), shownCaption);
    QCOMPARE(int(box->icon()), shownIcon);
    QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box->parentWidget(), owned ? &harness_->window() : nullptr);
  }

  void missingCalculatorIsToldBeforeTheStop() {
    FakeMessages messages;
    stopWithMessage(messages)("找不到计算库 libtarnel.so");
    QCOMPARE(messages.shown.size(), size_t{1});
    QCOMPARE(messages.shown[0].text, s("找不到计算库 libtarnel.so"));
    QCOMPARE(messages.shown[0].icon, MessageIcon::Error);
  }

  void dialogFilterInQtForm() { QCOMPARE(qtFileFilter("(*.edb)|*.edb"), s("(*.edb)")); }

 private:
  std::unique_ptr<WindowHarness> harness_;
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
