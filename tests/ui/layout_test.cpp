// The main window as drawn: every named control, its place and text, the
// pages in order, the choice lists, the notes and the initial state.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include "window_harness.h"

using namespace bazi;
using namespace bazi::ui::test;

namespace {

QString s(const char* utf8) { return QString::fromUtf8(utf8); }

// Row k's controls of every group: subject, position and count combo names,
// the row check box (if any), the group box, the lists' first and last items.
struct GroupNames {
  const char* letter;
  const char* box;
  const char* subject;
  const char* position;
  const char* count;
  const char* check;
  const char* checkCaption;
  int rows;
  int subjectItems, positionItems, countItems;
  const char* lastPosition;
  const char* lastCount;
};
const GroupNames kGroups[] = {
    {"A", "分组框7", "组合框_行", "组合框_位置行", "组合框_行数量", nullptr, nullptr, 5, 7, 11, 30,
     "地支", "<=1"},
    {"B", "分组框13", "组合框_行0", "组合框_位置行0", "组合框_行数量0", "选择框_行透0", "不透", 5,
     7, 5, 18, "时柱", "<=1"},
    {"C", "分组框1", "组合框_干", "组合框_位置干", "组合框_干数量", "选择框_干藏", "藏干无", 4, 12,
     5, 18, "时干", "<=1"},
    {"D", "分组框2", "组合框_支", "组合框_位置支", "组合框_支数量", nullptr, nullptr, 4, 14, 5, 18,
     "时支", "<=1"},
    {"E", "分组框14", "组合框_藏", "组合框_位置藏", "组合框_藏数量", "选择框_干天", "不透", 4, 12,
     5, 18, "时柱", "<=1"},
    {"F", "分组框6", "组合框_神", "组合框_位置神", "组合框_神数量", nullptr, nullptr, 7, 12, 10, 29,
     "地支", "<=1"},
    {"G", "分组框22", "组合框_神0", "组合框_位置神0", "组合框_神数量0", "选择框_干透0", "不透", 7,
     12, 5, 18, "时柱", "<=1"},
    {"H", "分组框23", "组合框_神煞", "组合框_位置神煞", "组合框_神煞数", nullptr, nullptr, 12, 14,
     5, 26, "时柱", "<=1"},
};

QString named(const char* prefix, int k) { return s(prefix) + QString::number(k); }

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { harness_ = std::make_unique<WindowHarness>(); }
  void cleanup() { harness_.reset(); }

  void captionNamesTheProgramAndAsksForBugReports() {
    const QString title = harness_->window().windowTitle();
    QVERIFY(title.startsWith(s("Yalvik八字库查询 V2.0")));
    QVERIFY(title.endsWith(s("如发现软件BUG，请与作者联系！")));
    QCOMPARE(harness_->window().pos(), QPoint(50, 50));
    QCOMPARE(harness_->window().outerSize(), QSize(951, 534));
  }

  void fixedControlsOfTheWindow_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::newRow("load") << s("按钮_载入数据库") << QRect(11, 8, 110, 32) << s("载入数据库");
    QTest::newRow("about") << s("按钮1") << QRect(126, 9, 32, 32) << s("软件说明");
  }
  void fixedControlsOfTheWindow() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    auto& button = harness_->find<QPushButton>(name);
    QCOMPARE(button.parentWidget(), &harness_->window());
    QCOMPARE(button.geometry(), geometry);
    QCOMPARE(button.text(), text);
  }

  void resizedControlsKeepTheirLeftsAndWidths() {
    // Their heights and tops follow the window (see the shell tests).
    auto& w = *harness_;
    QCOMPARE(w.find<QTreeWidget>(s("树型框1")).geometry().topLeft(), QPoint(8, 46));
    QCOMPARE(w.find<QTreeWidget>(s("树型框1")).width(), 150);
    QCOMPARE(w.find<QTabWidget>(s("高级选择夹1")).geometry().topLeft(), QPoint(164, 8));
    QCOMPARE(w.find<QLabel>(s("标签18")).geometry().left(), 8);
    QCOMPARE(w.find<QLabel>(s("标签18")).size(), QSize(120, 20));
    QCOMPARE(w.find<QLabel>(s("标签19")).geometry().left(), 38);
    QCOMPARE(w.find<QLabel>(s("标签19")).size(), QSize(120, 20));
    QCOMPARE(w.find<QLabel>(s("标签157")).geometry().left(), 174);
    QCOMPARE(w.find<QLabel>(s("标签157")).size(), QSize(752, 20));
    QVERIFY(w.find<QLabel>(s("标签18")).text().isEmpty());
    QVERIFY(w.find<QLabel>(s("标签19")).text().isEmpty());
  }

  void sevenPagesInOrder() {
    auto& tabs = harness_->find<QTabWidget>(s("高级选择夹1"));
    const QStringList titles = {s("八字记录"),   s("条件1—五行"), s("条件2—干支"), s("条件3—十神"),
                                s("条件4—神煞"), s("条件5—信息"), s("查询结果")};
    QCOMPARE(tabs.count(), titles.size());
    for (int i = 0; i < tabs.count(); ++i) QCOMPARE(tabs.tabText(i), titles[i]);
    QCOMPARE(tabs.currentIndex(), 0);
  }

  void controlsOnThePages_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    const QString none;
    QTest::newRow("records grid") << 0 << s("高级表格_记录") << QRect(6, 27, 753, 429) << none;
    QTest::newRow("A") << 1 << s("分组框7") << QRect(10, 33, 710, 150) << s("八字");
    QTest::newRow("B") << 1 << s("分组框13") << QRect(10, 189, 455, 150) << s("藏干");
    QTest::newRow("158") << 1 << s("标签158") << QRect(472, 203, 288, 136) << none;
    QTest::newRow("159") << 1 << s("标签159") << QRect(10, 344, 734, 89) << none;
    QTest::newRow("160") << 1 << s("标签160") << QRect(10, 431, 632, 20) << none;
    QTest::newRow("C") << 2 << s("分组框1") << QRect(10, 33, 472, 123) << s("天干");
    QTest::newRow("D") << 2 << s("分组框2") << QRect(10, 164, 406, 129) << s("地支");
    QTest::newRow("E") << 2 << s("分组框14") << QRect(10, 301, 462, 129) << s("藏干");
    QTest::newRow("F") << 3 << s("分组框6") << QRect(10, 33, 712, 205) << s("八字");
    QTest::newRow("G") << 3 << s("分组框22") << QRect(10, 246, 462, 202) << s("藏干");
    QTest::newRow("swap") << 3 << s("选择框1") << QRect(482, 248, 128, 24) << s("亥子巳午阴阳置换");
    QTest::newRow("query") << 3 << s("按钮_查询") << QRect(546, 368, 176, 80) << s("查询");
    QTest::newRow("H") << 4 << s("分组框23") << QRect(10, 33, 406, 352) << s("神煞");
    QTest::newRow("gender label") << 5 << s("标签17") << QRect(10, 52, 33, 20) << s("性别：");
    QTest::newRow("gender") << 5 << s("组合框_性别") << QRect(50, 52, 84, 20) << s("-");
    QTest::newRow("education") << 5 << s("分组框4") << QRect(10, 82, 174, 51) << s("学历");
    QTest::newRow("occupation") << 5 << s("分组框3") << QRect(10, 143, 174, 102) << s("行业关键字");
    QTest::newRow("events") << 5 << s("分组框5") << QRect(10, 257, 410, 148) << s("事件关键字");
    QTest::newRow("results grid") << 6 << s("高级表格_结果") << QRect(6, 27, 753, 429) << none;
  }
  void controlsOnThePages() {
    QFETCH(int, page);
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    auto& tabs = harness_->find<QTabWidget>(s("高级选择夹1"));
    auto& control = harness_->find<QWidget>(name);
    QVERIFY(tabs.widget(page)->isAncestorOf(&control));
    // Page coordinates count from the tab control's corner, strip included.
    QCOMPARE(QRect(control.mapTo(&tabs, QPoint(0, 0)), control.size()), geometry);
    if (text.isEmpty()) return;
    if (auto* box = qobject_cast<QGroupBox*>(&control)) QCOMPARE(box->title(), text);
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) QCOMPARE(button->text(), text);
    if (auto* label = qobject_cast<QLabel*>(&control)) QCOMPARE(label->text(), text);
    if (auto* combo = qobject_cast<QComboBox*>(&control)) QCOMPARE(combo->currentText(), text);
  }

  void everyRowHasItsNamedCombosWithTheirLists() {
    for (const GroupNames& g : kGroups) {
      auto& box = harness_->find<QGroupBox>(s(g.box));
      for (int k = 1; k <= g.rows; ++k) {
        auto& subject = harness_->find<QComboBox>(named(g.subject, k));
        auto& position = harness_->find<QComboBox>(named(g.position, k));
        auto& count = harness_->find<QComboBox>(named(g.count, k));
        for (QComboBox* combo : {&subject, &position, &count}) {
          QCOMPARE(combo->parentWidget(), &box);
          QCOMPARE(combo->height(), 20);
          QVERIFY(!combo->isEditable());
        }
        QCOMPARE(subject.count(), g.subjectItems);
        QCOMPARE(subject.itemText(0), s("-"));
        QCOMPARE(position.count(), g.positionItems);
        QCOMPARE(position.itemText(0), s("不固定"));
        QCOMPARE(position.itemText(g.positionItems - 1), s(g.lastPosition));
        QCOMPARE(count.count(), g.countItems);
        QCOMPARE(count.itemText(0), s("0"));
        QCOMPARE(count.itemText(g.countItems - 1), s(g.lastCount));
        QCOMPARE(subject.width(), 80);
        QCOMPARE(position.width(), 80);
        QCOMPARE(count.width(), 65);
        if (g.check != nullptr) {
          auto& check = harness_->find<QCheckBox>(named(g.check, k));
          QCOMPARE(check.parentWidget(), &box);
          QCOMPARE(check.text(), s(g.checkCaption));
        }
      }
    }
  }

  void placesInsideTheGroupBoxes() {
    auto top = [this](const QString& name) { return harness_->find<QWidget>(name).y(); };
    QCOMPARE(top(s("组合框_行5")), 118);
    QCOMPARE(top(s("组合框_位置行03")), 68);
    QCOMPARE(top(s("组合框_干4")), 93);
    QCOMPARE(top(s("组合框_支4")), 100);
    QCOMPARE(top(s("组合框_藏数量3")), 72);
    QCOMPARE(top(s("组合框_神7")), 174);
    QCOMPARE(top(s("组合框_神数量07")), 172);  // G's counts and check boxes sit 2 higher
    QCOMPARE(top(s("选择框_干透01")), 16);
    QCOMPARE(top(s("组合框_神煞10")), 261);
    QCOMPARE(top(s("组合框_神煞数12")), 318);
    QCOMPARE(harness_->find<QWidget>(s("组合框_行1")).x(), 74);
    QCOMPARE(harness_->find<QWidget>(s("组合框_位置行1")).x(), 202);
    QCOMPARE(harness_->find<QWidget>(s("组合框_行数量1")).x(), 326);
    auto rect = [this](const char* name) { return harness_->find<QWidget>(s(name)).geometry(); };
    QCOMPARE(rect("组合框_学历"), QRect(67, 22, 100, 20));
    QCOMPARE(rect("组合框_职业2"), QRect(65, 47, 100, 20));
    QCOMPARE(rect("组合框_事件5"), QRect(86, 118, 315, 20));
  }

  void subjectListsOfTheGroups() {
    auto items = [this](const char* name) {
      auto& combo = harness_->find<QComboBox>(s(name));
      QStringList list;
      for (int i = 0; i < combo.count(); ++i) list.append(combo.itemText(i));
      return list.join(QLatin1Char(' '));
    };
    QCOMPARE(items("组合框_行1"), s("- 不指定 金 水 木 火 土"));
    QCOMPARE(items("组合框_干1"), s("- 不指定 甲 乙 丙 丁 戊 己 庚 辛 壬 癸"));
    QCOMPARE(items("组合框_支1"), s("- 不指定 子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥"));
    QCOMPARE(items("组合框_神1"), s("- 不指定 正印 偏印 正官 偏官 正财 偏财 伤官 食神 比肩 劫财"));
    QCOMPARE(items("组合框_神煞1"),
             s("- 天乙贵人 天德贵人 月德贵人 天医 咸池 驿马 将星 华盖 童子 元辰 指背 卷舌 空亡"));
    QCOMPARE(items("组合框_位置行1"),
             s("不固定 年干 年支 月干 月支 日干 日支 时干 时支 天干 地支"));
    QCOMPARE(items("组合框_位置神1"), s("不固定 年干 年支 月干 月支 日支 时干 时支 天干 地支"));
    QCOMPARE(items("组合框_行数量1"),
             s("0 1 2 3 4 5 6 7 8 非0 非1 非2 非3 非4 非5 非6 非7 非8 >=2 >=3 >=4 >=5 >=6 "
               "<=7 <=6 <=5 <=4 <=3 <=2 <=1"));
    QCOMPARE(items("组合框_神数量1"),
             s("0 1 2 3 4 5 6 7 非0 非1 非2 非3 非4 非5 非6 非7 >=1 >=2 >=3 >=4 >=5 >=6 "
               "<=7 <=6 <=5 <=4 <=3 <=2 <=1"));
    QCOMPARE(items("组合框_神煞数1"),
             s("0 1 2 3 4 5 6 非0 非1 非2 非3 非4 非5 非6 >=0 >=1 >=2 >=3 >=4 >=5 "
               "<=6 <=5 <=4 <=3 <=2 <=1"));
    QCOMPARE(items("组合框_性别"), s("- 男 女"));
    QCOMPARE(items("组合框_学历"), s("- 文盲 小学 初中 中专 大专 高中 本科 博士 博士后"));
    QCOMPARE(items("组合框_事件5"), s("- 银行 警察 职员 医生 服装 建筑 律师"));
  }

  void revealRadiosOfGroupsAAndF_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("boxTop");
    QTest::addColumn<QList<int>>("radios");  // 无限制, 透干, 虚浮, 通根, 不透
    const char* boxes[] = {"分组框8",  "分组框9",  "分组框10", "分组框11", "分组框12", "分组框15",
                           "分组框16", "分组框17", "分组框18", "分组框19", "分组框20", "分组框21"};
    const int tops[] = {8, 33, 58, 83, 108, 10, 36, 62, 88, 114, 138, 164};
    const QList<QList<int>> numbers = {
        {1, 2, 3, 5, 4},      {10, 9, 8, 7, 6},     {15, 14, 13, 12, 11}, {20, 19, 18, 17, 16},
        {25, 24, 23, 22, 21}, {30, 29, 28, 27, 26}, {35, 34, 33, 32, 31}, {40, 39, 38, 37, 36},
        {45, 44, 43, 42, 41}, {50, 49, 48, 47, 46}, {55, 54, 53, 52, 51}, {60, 59, 58, 57, 56}};
    for (int i = 0; i < 12; ++i) {
      QTest::newRow(boxes[i]) << s(boxes[i]) << tops[i] << numbers[i];
    }
  }
  void revealRadiosOfGroupsAAndF() {
    QFETCH(QString, box);
    QFETCH(int, boxTop);
    QFETCH(QList<int>, radios);
    auto& group = harness_->find<QGroupBox>(box);
    QCOMPARE(group.geometry(), QRect(404, boxTop, 296, 30));
    const QStringList captions = {s("无限制"), s("透干"), s("虚浮"), s("通根"), s("不透")};
    const int lefts[] = {8, 73, 130, 185, 242};
    const int widths[] = {56, 48, 46, 48, 46};
    for (int option = 0; option < 5; ++option) {
      auto& radio = harness_->find<QRadioButton>(s("单选框") + QString::number(radios[option]));
      QCOMPARE(radio.parentWidget(), &group);
      QCOMPARE(radio.text(), captions[option]);
      QCOMPARE(radio.geometry(), QRect(lefts[option], 10, widths[option], 18));
    }
  }

  void notesReadAsWritten() {
    const QString joined = s(
        "注意：1、所有条件均为[并且]关系 ；  2、请自行检查条件设置是否冲突！否则找不到任何八字！");
    QCOMPARE(harness_->find<QLabel>(s("标签157")).text(), joined);
    QCOMPARE(harness_->find<QLabel>(s("标签160")).text(),
             s("冲突举例：1、指定位置数量设置0（指定位置肯定至少为1） "
               "2、五行：八字分组设置透干或虚浮；藏干设置该五行不透（前后条件相反）"));
    const QStringList howToRead = harness_->find<QLabel>(s("标签158")).text().split(s("\r\n"));
    QCOMPARE(howToRead.size(), 11);
    QCOMPARE(howToRead[0], s("说明："));
    QVERIFY(howToRead[1].isEmpty());
    QCOMPARE(howToRead[5], s("例：上边为八字中的总数量，左边为藏干中的总数量"));
    QVERIFY(howToRead[6].isEmpty());
    QCOMPARE(howToRead[10], s("不透：天干上没有"));
    const QStringList examples = harness_->find<QLabel>(s("标签159")).text().split(s("\r\n"));
    QCOMPARE(examples.size(), 7);
    QCOMPARE(
        examples[3],
        s("     条件：金      位置：天干   数量 3      表示金在八字中的数量为3且在天干上有金"));
    QCOMPARE(examples[6], s("     条件：水      位置：时柱   数量 2 不透 "
                            "表示条件水在藏干中的数量为2且时支藏干有水且天干没有"));
  }

  void initialStateOfThePanel() {
    for (const GroupNames& g : kGroups) {
      for (int k = 1; k <= g.rows; ++k) {
        auto& subject = harness_->find<QComboBox>(named(g.subject, k));
        QVERIFY(subject.isEnabled());
        QCOMPARE(subject.currentIndex(), 0);
        for (const char* prefix : {g.position, g.count}) {
          auto& combo = harness_->find<QComboBox>(named(prefix, k));
          QVERIFY2(!combo.isEnabled(), qPrintable(combo.objectName()));
          QCOMPARE(combo.currentIndex(), 0);
        }
        if (g.check != nullptr) {
          auto& check = harness_->find<QCheckBox>(named(g.check, k));
          QVERIFY(!check.isEnabled());
          QVERIFY(!check.isChecked());
        }
      }
    }
    for (int n = 1; n <= 60; ++n) {
      auto& radio = harness_->find<QRadioButton>(s("单选框") + QString::number(n));
      QVERIFY(!radio.isEnabled());
      QCOMPARE(radio.isChecked(), radio.text() == s("无限制"));
    }
    auto& swap = harness_->find<QCheckBox>(s("选择框1"));
    QVERIFY(swap.isEnabled());
    QVERIFY(!swap.isChecked());
    QVERIFY(!harness_->find<QComboBox>(s("组合框_性别")).isEditable());
    for (const char* typed :
         {"组合框_学历", "组合框_职业1", "组合框_职业2", "组合框_职业3", "组合框_事件1",
          "组合框_事件2", "组合框_事件3", "组合框_事件4", "组合框_事件5"}) {
      auto& combo = harness_->find<QComboBox>(s(typed));
      QVERIFY(combo.isEditable());
      QVERIFY(combo.isEnabled());
      QCOMPARE(combo.currentText(), s("-"));
    }
    QCOMPARE(harness_->panel().conditionCount(), 0);
  }

 private:
  std::unique_ptr<WindowHarness> harness_;
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
