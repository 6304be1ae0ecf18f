// The panel as the user edits it: the rules run on the user's choices in the
// subject and position combos of groups A to G and nowhere else, and every
// control writes the model the query reads.

#include <QApplication>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "qt_text.h"
#include "window_harness.h"

using namespace bazi;
using namespace bazi::ui::test;

namespace {

QString s(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

class PanelTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { harness_ = std::make_unique<WindowHarness>(); }
  void cleanup() { harness_.reset(); }

  void clearingRowB2ResetsAndDisablesItsControls() {
    auto& subject = combo("组合框_行02");
    auto& position = combo("组合框_位置行02");
    auto& count = combo("组合框_行数量02");
    auto& notRevealed = harness_->find<QCheckBox>(s("选择框_行透02"));

    QVERIFY(chooseItem(subject, s("金")));
    QVERIFY(position.isEnabled() && count.isEnabled() && notRevealed.isEnabled());
    QVERIFY(chooseItem(position, s("日柱")));
    QCOMPARE(count.currentText(), s("非0"));
    QVERIFY(click(notRevealed));
    QVERIFY(notRevealed.isChecked());
    QVERIFY(panelRow(Group::B, 2).notRevealed);

    QVERIFY(chooseItem(subject, s("-")));
    QCOMPARE(position.currentText(), s("不固定"));
    QCOMPARE(count.currentText(), s("0"));
    QVERIFY(!notRevealed.isChecked());
    QVERIFY(!position.isEnabled() && !count.isEnabled() && !notRevealed.isEnabled());
    QCOMPARE(panelRow(Group::B, 2).position, 0);
    QCOMPARE(panelRow(Group::B, 2).count, 0);
    QVERIFY(!panelRow(Group::B, 2).notRevealed);

    QVERIFY(chooseItem(subject, s("金")));
    QVERIFY(position.isEnabled() && count.isEnabled() && notRevealed.isEnabled());
    QCOMPARE(position.currentText(), s("不固定"));
    QCOMPARE(count.currentText(), s("0"));
    QVERIFY(!notRevealed.isChecked());
  }

  void clearingRowA1ChecksUnrestrictedAgain() {
    QVERIFY(chooseItem(combo("组合框_行1"), s("木")));
    auto& revealed = radio(2);  // "透干" of row A 1
    QVERIFY(click(revealed));
    QVERIFY(revealed.isChecked());
    QCOMPARE(panelRow(Group::A, 1).reveal, RevealOption::Revealed);

    QVERIFY(chooseItem(combo("组合框_行1"), s("-")));
    QVERIFY(radio(1).isChecked());
    for (int n : {2, 3, 4, 5}) QVERIFY(!radio(n).isChecked());
    for (int n = 1; n <= 5; ++n) QVERIFY(!radio(n).isEnabled());
    QCOMPARE(panelRow(Group::A, 1).reveal, RevealOption::Unrestricted);
  }

  void positionOverwritesAChosenCountAndFreeLeavesIt() {
    QVERIFY(chooseItem(combo("组合框_神3"), s("正财")));
    QVERIFY(chooseItem(combo("组合框_神数量3"), s(">=2")));
    QVERIFY(chooseItem(combo("组合框_位置神3"), s("月干")));
    QCOMPARE(combo("组合框_神数量3").currentText(), s("非0"));
    QCOMPARE(combo("组合框_神数量3").currentIndex(), 8);
    QVERIFY(chooseItem(combo("组合框_位置神3"), s("不固定")));
    QCOMPARE(combo("组合框_神数量3").currentText(), s("非0"));
    QCOMPARE(panelRow(Group::F, 3).count, 8);
  }

  void notZeroPresetInEveryGroup_data() {
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("notZero");
    QTest::newRow("A") << s("组合框_行5") << s("土") << s("组合框_位置行5") << s("组合框_行数量5")
                       << 9;
    QTest::newRow("B") << s("组合框_行05") << s("水") << s("组合框_位置行05")
                       << s("组合框_行数量05") << 5;
    QTest::newRow("C") << s("组合框_干2") << s("庚") << s("组合框_位置干2") << s("组合框_干数量2")
                       << 5;
    QTest::newRow("D") << s("组合框_支3") << s("午") << s("组合框_位置支3") << s("组合框_支数量3")
                       << 5;
    QTest::newRow("E") << s("组合框_藏4") << s("癸") << s("组合框_位置藏4") << s("组合框_藏数量4")
                       << 5;
    QTest::newRow("F") << s("组合框_神7") << s("比肩") << s("组合框_位置神7") << s("组合框_神数量7")
                       << 8;
    QTest::newRow("G") << s("组合框_神06") << s("劫财") << s("组合框_位置神06")
                       << s("组合框_神数量06") << 5;
  }
  void notZeroPresetInEveryGroup() {
    QFETCH(QString, subject);
    QFETCH(QString, item);
    QFETCH(QString, position);
    QFETCH(QString, count);
    QFETCH(int, notZero);
    QVERIFY(chooseItem(harness_->find<QComboBox>(subject), item));
    auto& positions = harness_->find<QComboBox>(position);
    QVERIFY(chooseItem(positions, positions.itemText(positions.count() - 1)));
    QCOMPARE(harness_->find<QComboBox>(count).currentIndex(), notZero);
    QCOMPARE(harness_->find<QComboBox>(count).currentText(), s("非0"));
  }

  void changingTheSubjectKeepsTheRowsSettings() {
    QVERIFY(chooseItem(combo("组合框_行3"), s("金")));
    QVERIFY(chooseItem(combo("组合框_位置行3"), s("天干")));
    QVERIFY(chooseItem(combo("组合框_行数量3"), s("3")));
    QVERIFY(click(radio(12)));  // "通根" of row A 3

    QVERIFY(chooseItem(combo("组合框_行3"), s("水")));
    QCOMPARE(combo("组合框_位置行3").currentText(), s("天干"));
    QCOMPARE(combo("组合框_行数量3").currentText(), s("3"));
    QVERIFY(radio(12).isChecked());
    const ConditionRow& row = panelRow(Group::A, 3);
    QCOMPARE(row.subject, 3);
    QCOMPARE(row.position, 9);
    QCOMPARE(row.count, 3);
    QCOMPARE(row.reveal, RevealOption::Rooted);
  }

  void groupHHasNoRules() {
    QVERIFY(chooseItem(combo("组合框_神煞7"), s("将星")));
    QVERIFY(!combo("组合框_位置神煞7").isEnabled());
    QVERIFY(!combo("组合框_神煞数7").isEnabled());
    QCOMPARE(combo("组合框_位置神煞7").currentText(), s("不固定"));
    QCOMPARE(combo("组合框_神煞数7").currentText(), s("0"));
    QVERIFY(!chooseItem(combo("组合框_位置神煞7"), s("年柱")));
    QCOMPARE(harness_->panel().conditionCount(), 1);
  }

  void countsAndCheckBoxesRunNoRule() {
    QVERIFY(chooseItem(combo("组合框_干1"), s("甲")));
    QVERIFY(chooseItem(combo("组合框_位置干1"), s("月干")));
    QVERIFY(chooseItem(combo("组合框_干数量1"), s("0")));
    QVERIFY(click(harness_->find<QCheckBox>(s("选择框_干藏1"))));
    QCOMPARE(combo("组合框_位置干1").currentText(), s("月干"));
    QCOMPARE(combo("组合框_干数量1").currentText(), s("0"));
    const ConditionRow& row = panelRow(Group::C, 1);
    QCOMPARE(row.count, 0);
    QVERIFY(row.noHiddenStem);
  }

  void everySubjectCountsAsACondition() {
    QVERIFY(chooseItem(combo("组合框_行1"), s("不指定")));
    QVERIFY(chooseItem(combo("组合框_支4"), s("亥")));
    QVERIFY(chooseItem(combo("组合框_神煞12"), s("空亡")));
    QCOMPARE(harness_->panel().conditionCount(), 3);
    QVERIFY(chooseItem(combo("组合框_支4"), s("-")));
    QCOMPARE(harness_->panel().conditionCount(), 2);
  }

  void swapBoxAndInformationFieldsReachTheModel() {
    QVERIFY(click(harness_->find<QCheckBox>(s("选择框1"))));
    QVERIFY(harness_->panel().yinYangSwap);
    QVERIFY(chooseItem(combo("组合框_性别"), s("女")));
    // Typed through an input method, as Chinese is.
    QLineEdit& event = *combo("组合框_事件2").lineEdit();
    event.selectAll();
    QInputMethodEvent typed;
    typed.setCommitString(s("升职"));
    QApplication::sendEvent(&event, &typed);
    QCOMPARE(combo("组合框_事件2").currentText(), s("升职"));
    const std::string expected = ui::toGbk(s("升职"));
    QCOMPARE(harness_->panel().infoTexts[static_cast<int>(InfoField::Event2)], expected);
    QCOMPARE(harness_->panel().infoTexts[static_cast<int>(InfoField::Gender)], ui::toGbk(s("女")));
    QCOMPARE(harness_->panel().conditionCount(), 0);
  }

 private:
  QComboBox& combo(const char* name) { return harness_->find<QComboBox>(s(name)); }
  QRadioButton& radio(int n) {
    return harness_->find<QRadioButton>(s("单选框") + QString::number(n));
  }
  const ConditionRow& panelRow(Group group, int k) { return harness_->panel().row(group, k); }

  std::unique_ptr<WindowHarness> harness_;
};

QTEST_MAIN(PanelTest)
#include "panel_test.moc"
