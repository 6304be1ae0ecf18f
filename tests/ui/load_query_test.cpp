// Loading chart databases and querying them through the window: the grids,
// the file list, the labels, the messages and the tab switch.

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include "fixture_databases.h"
#include "qt_text.h"
#include "window_harness.h"

using namespace bazi;
using namespace bazi::ui::test;

namespace {

QString s(const char* utf8) { return QString::fromUtf8(utf8); }

QString cell(const QTableView& grid, int row, int column) {
  return grid.model()->index(row, column).data().toString();
}
QString title(const QTableView& grid, int column) {
  return grid.model()->headerData(column, Qt::Horizontal).toString();
}

}  // namespace

class LoadQueryTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    harness_ = std::make_unique<WindowHarness>();
    fixtures_ = std::make_unique<FixtureFolder>();
    files_ = writeTwoDatabases(*fixtures_);
  }
  void cleanup() {
    harness_.reset();
    fixtures_.reset();
  }

  void loadListsEveryChartAndFile() {
    harness_->load({files_.first, files_.second});

    QCOMPARE(harness_->chooser.calls, 1);
    QCOMPARE(QString::fromStdString(harness_->chooser.filter), s("(*.edb)|*.edb"));
    QCOMPARE(ui::fromNativePath(harness_->chooser.initialFolder),
             harness_->programFolder() + s("/记录/"));

    auto& grid = records();
    QCOMPARE(grid.model()->rowCount(), 6);  // 5 charts and the empty trailing row
    QCOMPARE(grid.model()->columnCount(), 26);
    QCOMPARE(title(grid, 0), s("姓名"));
    QCOMPARE(title(grid, 5), s("八字"));
    QCOMPARE(title(grid, 25), s("备注"));
    const QStringList names = {s("张一"), s("张二"), s("张三"), s("李四"), s("李五")};
    for (int r = 0; r < names.size(); ++r) QCOMPARE(cell(grid, r, 0), names[r]);
    QCOMPARE(cell(grid, 1, 5), s("甲午 丙寅 戊辰 庚申"));
    QCOMPARE(cell(grid, 4, 25), s("李五-25"));
    for (int c = 0; c < 26; ++c) QVERIFY(cell(grid, 5, c).isEmpty());

    auto& tree = harness_->find<QTreeWidget>(s("树型框1"));
    QCOMPARE(tree.topLevelItemCount(), 2);
    QCOMPARE(tree.topLevelItem(0)->text(0), s("记录一"));
    QCOMPARE(tree.topLevelItem(1)->text(0), s("记录二"));
    QCOMPARE(status(), s("载入数据完毕！"));
    QCOMPARE(count(), s("共有记录5条"));
    QVERIFY(harness_->messages.shown.empty());
  }

  void gridsKeepTheirRowHeightAndSetTheirWidths() {
    harness_->load({files_.first});
    auto& grid = records();
    QCOMPARE(grid.verticalHeader()->defaultSectionSize(), 24);
    QCOMPARE(grid.rowHeight(0), 24);
    QCOMPARE(grid.horizontalHeader()->height(), 24);
    QVERIFY(grid.verticalHeader()->isHidden());
    const int widths[26] = {60, 30, 60, 60, 30, 120, 60, 60, 60, 60, 30, 60, 30,
                            60, 30, 60, 60, 60, 60,  60, 60, 60, 60, 60, 60, 60};
    for (int c = 0; c < 26; ++c) QCOMPARE(grid.columnWidth(c), widths[c]);
  }

  void cancelledDialogLeavesEverythingEmpty() {
    harness_->load({files_.first});
    harness_->load({});
    QCOMPARE(status(), s("载入数据中。。。"));
    QCOMPARE(records().model()->rowCount(), 1);
    QVERIFY(title(records(), 0).isEmpty());
    QCOMPARE(harness_->find<QTreeWidget>(s("树型框1")).topLevelItemCount(), 0);
    QCOMPARE(count(), s("共有记录3条"));  // keeps the last load's count

    harness_->query();
    QCOMPARE(harness_->messages.shown.size(), size_t{1});
    QCOMPARE(harness_->messages.shown[0].text, s("请先载入列表！"));
  }

  void unreadableFilesAreNamedInOneWarning() {
    const QString bad = fixtures_->notADatabase(s("坏文件.edb"));
    const QString missing = QDir(QFileInfo(bad).path()).filePath(s("不存在.edb"));
    harness_->load({bad, files_.second, missing});

    QCOMPARE(records().model()->rowCount(), 3);
    QCOMPARE(count(), s("共有记录2条"));
    QCOMPARE(harness_->find<QTreeWidget>(s("树型框1")).topLevelItemCount(), 3);
    QCOMPARE(harness_->messages.shown.size(), size_t{1});
    const ShownMessage& warning = harness_->messages.shown[0];
    QVERIFY(warning.text.contains(bad));
    QVERIFY(warning.text.contains(missing));
    QVERIFY(!warning.text.contains(files_.second));
    QVERIFY(warning.ownedByMainWindow);
  }

  void queryBeforeAnyLoadIsRefused() {
    harness_->query();
    QCOMPARE(harness_->messages.shown.size(), size_t{1});
    const ShownMessage& refusal = harness_->messages.shown[0];
    QCOMPARE(refusal.text, s("请先载入列表！"));
    QCOMPARE(refusal.caption, s("错误！"));
    QCOMPARE(refusal.icon, MessageIcon::None);
    QVERIFY(!refusal.ownedByMainWindow);
    QVERIFY(status().isEmpty());
    QVERIFY(count().isEmpty());
  }

  void queryWithoutConditionsSaysSo() {
    harness_->load({files_.first, files_.second});
    harness_->query();
    QCOMPARE(harness_->messages.shown.size(), size_t{1});
    const ShownMessage& message = harness_->messages.shown[0];
    QCOMPARE(message.text, s("未设置条件！"));
    QVERIFY(message.caption.isEmpty());  // the box's own "信息："
    QCOMPARE(message.icon, MessageIcon::Error);
    QVERIFY(message.ownedByMainWindow);
    QCOMPARE(status(), s("查询列表完毕！"));
    QCOMPARE(count(), s("条件数：0  符合数：0"));
    QCOMPARE(results().model()->rowCount(), 1);
    QCOMPARE(title(results(), 0), s("姓名"));
    QCOMPARE(tabs().currentIndex(), 3);
  }

  void matchesAreListedAndShown() {
    harness_->load({files_.first, files_.second});
    QVERIFY(chooseItem(harness_->find<QComboBox>(s("组合框_干1")), s("甲")));
    QVERIFY(chooseItem(harness_->find<QComboBox>(s("组合框_位置干1")), s("年干")));
    harness_->query();

    QVERIFY(harness_->messages.shown.empty());
    QCOMPARE(tabs().currentIndex(), 6);
    QCOMPARE(status(), s("查询列表完毕！"));
    QCOMPARE(count(), s("条件数：1  符合数：3"));
    auto& grid = results();
    QCOMPARE(grid.model()->rowCount(), 4);
    QCOMPARE(cell(grid, 0, 0), s("张一"));
    QCOMPARE(cell(grid, 1, 0), s("张二"));
    QCOMPARE(cell(grid, 2, 0), s("李五"));
    QCOMPARE(cell(grid, 2, 5), s("甲辰 丙子 壬申 癸卯"));
    QVERIFY(cell(grid, 3, 0).isEmpty());
    QCOMPARE(grid.columnWidth(5), 120);
    QCOMPARE(grid.columnWidth(14), 30);
  }

  void queryWithoutMatchKeepsThePageAndSaysWhy() {
    harness_->load({files_.first, files_.second});
    QVERIFY(chooseItem(harness_->find<QComboBox>(s("组合框_干1")), s("甲")));
    QVERIFY(chooseItem(harness_->find<QComboBox>(s("组合框_位置干1")), s("年干")));
    harness_->query();
    harness_->showPage(4);
    // A shensha subject counts as a condition that no chart can meet.
    QVERIFY(chooseItem(harness_->find<QComboBox>(s("组合框_神煞1")), s("天医")));
    harness_->query();

    QCOMPARE(harness_->messages.shown.size(), size_t{1});
    const ShownMessage& message = harness_->messages.shown[0];
    QCOMPARE(message.text, s("没有找到符合条件的命例或条件冲突！"));
    QVERIFY(message.caption.isEmpty());
    QCOMPARE(message.icon, MessageIcon::Error);
    QVERIFY(message.ownedByMainWindow);
    QCOMPARE(tabs().currentIndex(), 3);
    QCOMPARE(count(), s("条件数：2  符合数：0"));
    QCOMPARE(results().model()->rowCount(), 1);
  }

  void aSecondLoadReplacesTheFirstAndKeepsTheResults() {
    harness_->load({files_.first, files_.second});
    QVERIFY(chooseItem(harness_->find<QComboBox>(s("组合框_干1")), s("甲")));
    QVERIFY(chooseItem(harness_->find<QComboBox>(s("组合框_位置干1")), s("年干")));
    harness_->query();
    QCOMPARE(results().model()->rowCount(), 4);

    harness_->load({files_.second});
    QCOMPARE(records().model()->rowCount(), 3);
    QCOMPARE(cell(records(), 0, 0), s("李四"));
    QCOMPARE(results().model()->rowCount(), 4);
    QCOMPARE(harness_->find<QTreeWidget>(s("树型框1")).topLevelItemCount(), 1);
  }

 private:
  QTableView& records() { return harness_->find<QTableView>(s("高级表格_记录")); }
  QTableView& results() { return harness_->find<QTableView>(s("高级表格_结果")); }
  QTabWidget& tabs() { return harness_->find<QTabWidget>(s("高级选择夹1")); }
  QString status() { return harness_->find<QLabel>(s("标签18")).text(); }
  QString count() { return harness_->find<QLabel>(s("标签19")).text(); }

  std::unique_ptr<FixtureFolder> fixtures_;
  TwoDatabases files_;
  std::unique_ptr<WindowHarness> harness_;
};

QTEST_MAIN(LoadQueryTest)
#include "load_query_test.moc"
