// The panel model: initial state, rows, ConditionCount, setting rows by text.

#include "conditions/condition_panel.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "text/gbk_codec.h"

namespace bazi {
namespace {

std::string joined(const ChoiceList& list) {
  std::string text;
  for (std::string_view item : list.items) (text += item) += "|";
  return text;
}

TEST(ChoiceLists, HoldEveryItemInOrder) {
  struct Case {
    const ChoiceList& list;
    std::string_view items;
  };
  const Case cases[] = {
      {ElementList, "-|不指定|金|水|木|火|土|"},
      {StemList, "-|不指定|甲|乙|丙|丁|戊|己|庚|辛|壬|癸|"},
      {BranchList, "-|不指定|子|丑|寅|卯|辰|巳|午|未|申|酉|戌|亥|"},
      {TenGodList, "-|不指定|正印|偏印|正官|偏官|正财|偏财|伤官|食神|比肩|劫财|"},
      {ShenshaList,
       "-|天乙贵人|天德贵人|月德贵人|天医|咸池|驿马|将星|华盖|童子|元辰|指背|卷舌|空亡|"},
      {ChartPositionList, "不固定|年干|年支|月干|月支|日干|日支|时干|时支|天干|地支|"},
      {TenGodPositionList, "不固定|年干|年支|月干|月支|日支|时干|时支|天干|地支|"},
      {PillarPositionList, "不固定|年柱|月柱|日柱|时柱|"},
      {StemPositionList, "不固定|年干|月干|日干|时干|"},
      {BranchPositionList, "不固定|年支|月支|日支|时支|"},
      {CountList4, "0|1|2|3|4|非0|非1|非2|非3|非4|>=0|>=1|>=2|>=3|<=4|<=3|<=2|<=1|"},
      {CountList6,
       "0|1|2|3|4|5|6|非0|非1|非2|非3|非4|非5|非6|>=0|>=1|>=2|>=3|>=4|>=5|<=6|<=5|<=4|<=3|<=2|<="
       "1|"},
      {CountList7,
       "0|1|2|3|4|5|6|7|非0|非1|非2|非3|非4|非5|非6|非7|>=1|>=2|>=3|>=4|>=5|>=6|<=7|<=6|<=5|<=4|"
       "<=3|<=2|<=1|"},
      {CountList8,
       "0|1|2|3|4|5|6|7|8|非0|非1|非2|非3|非4|非5|非6|非7|非8|>=2|>=3|>=4|>=5|>=6|<=7|<=6|<=5|"
       "<=4|<=3|<=2|<=1|"},
      {GenderList, "-|男|女|"},
      {EducationList, "-|文盲|小学|初中|中专|大专|高中|本科|博士|博士后|"},
      {OccupationList, "-|银行|警察|职员|医生|服装|建筑|律师|"},
      {RevealList, "无限制|透干|虚浮|通根|不透|"},
  };
  for (const Case& c : cases) EXPECT_EQ(joined(c.list), c.items) << c.list.name;
}

TEST(ChoiceLists, ItemsAreGbk) {
  EXPECT_EQ(ElementList.items[2], "\xBD\xF0");                               // 金
  EXPECT_EQ(gbk::toUtf8(TenGodList.items[11]), "\xE5\x8A\xAB\xE8\xB4\xA2");  // 劫财
}

TEST(ChoiceLists, FindItemGivesTheIndexOrMinusOne) {
  EXPECT_EQ(findItem(ChartPositionList, "日干"), 5);
  EXPECT_EQ(findItem(TenGodPositionList, "日支"), 5);
  EXPECT_EQ(findItem(TenGodPositionList, "日干"), -1);
  EXPECT_EQ(findItem(CountList8, ">=1"), -1);
  EXPECT_EQ(findItem(CountList7, ">=0"), -1);
}

TEST(Groups, DescribeTheirRowsAndLists) {
  struct Case {
    Group group;
    char letter;
    int rows;
    const ChoiceList& subjects;
    const ChoiceList& positions;
    const ChoiceList& counts;
    RowExtra extra;
  };
  const Case cases[] = {
      {Group::A, 'A', 5, ElementList, ChartPositionList, CountList8, RowExtra::Reveal},
      {Group::B, 'B', 5, ElementList, PillarPositionList, CountList4, RowExtra::NotRevealed},
      {Group::C, 'C', 4, StemList, StemPositionList, CountList4, RowExtra::NoHiddenStem},
      {Group::D, 'D', 4, BranchList, BranchPositionList, CountList4, RowExtra::None},
      {Group::E, 'E', 4, StemList, PillarPositionList, CountList4, RowExtra::NotRevealed},
      {Group::F, 'F', 7, TenGodList, TenGodPositionList, CountList7, RowExtra::Reveal},
      {Group::G, 'G', 7, TenGodList, PillarPositionList, CountList4, RowExtra::NotRevealed},
      {Group::H, 'H', 12, ShenshaList, PillarPositionList, CountList6, RowExtra::None},
  };
  int rows = 0;
  for (const Case& c : cases) {
    const GroupInfo& info = groupInfo(c.group);
    EXPECT_EQ(info.group, c.group);
    EXPECT_EQ(info.letter, c.letter);
    EXPECT_EQ(info.rowCount, c.rows) << c.letter;
    EXPECT_EQ(&info.subjects, &c.subjects) << c.letter;
    EXPECT_EQ(&info.positions, &c.positions) << c.letter;
    EXPECT_EQ(&info.counts, &c.counts) << c.letter;
    EXPECT_EQ(info.extra, c.extra) << c.letter;
    rows += info.rowCount;
  }
  EXPECT_EQ(rows, kRowCount);
}

TEST(ConditionPanel, StartsWithEveryRowClear) {
  const ConditionPanel panel;
  for (Group group : kAllGroups) {
    for (int k = 1; k <= groupInfo(group).rowCount; ++k) {
      const ConditionRow& row = panel.row(group, k);
      EXPECT_EQ(row.subject, 0);
      EXPECT_EQ(row.position, 0);
      EXPECT_EQ(row.count, 0);
      EXPECT_EQ(row.reveal, RevealOption::Unrestricted);
      EXPECT_FALSE(row.notRevealed);
      EXPECT_FALSE(row.noHiddenStem);
    }
  }
  EXPECT_FALSE(panel.yinYangSwap);
  for (const std::string& text : panel.infoTexts) EXPECT_EQ(text, "-");
  EXPECT_EQ(panel.conditionCount(), 0);
}

TEST(ConditionPanel, EveryRowIsItsOwn) {
  ConditionPanel panel;
  int n = 0;
  for (Group group : kAllGroups) {
    for (int k = 1; k <= groupInfo(group).rowCount; ++k) panel.row(group, k).count = ++n;
  }
  n = 0;
  for (Group group : kAllGroups) {
    for (int k = 1; k <= groupInfo(group).rowCount; ++k) {
      EXPECT_EQ(std::as_const(panel).row(group, k).count, ++n);
    }
  }
}

TEST(ConditionPanel, RefusesRowsOutsideTheGroup) {
  ConditionPanel panel;
  EXPECT_THROW(panel.row(Group::A, 0), std::out_of_range);
  EXPECT_THROW(panel.row(Group::A, 6), std::out_of_range);
  EXPECT_THROW(panel.row(Group::H, 13), std::out_of_range);
  EXPECT_NO_THROW(panel.row(Group::H, 12));
}

TEST(ConditionCount, CountsRowsWithASubjectOnly) {
  ConditionPanel panel;
  panel.yinYangSwap = true;
  panel.infoTexts[static_cast<int>(InfoField::Gender)] = "男";
  panel.infoTexts[static_cast<int>(InfoField::Event5)] = "银行";
  panel.row(Group::A, 1).reveal = RevealOption::Revealed;
  panel.row(Group::B, 2).notRevealed = true;
  panel.row(Group::C, 3).noHiddenStem = true;
  panel.row(Group::D, 4).position = 2;
  panel.row(Group::H, 5).count = 3;
  EXPECT_EQ(panel.conditionCount(), 0);

  setRowChoice(panel, Group::A, 1, RowField::Subject, "不指定");
  EXPECT_EQ(panel.conditionCount(), 1);
  setRowChoice(panel, Group::G, 7, RowField::Subject, "劫财");
  EXPECT_EQ(panel.conditionCount(), 2);
  setRowChoice(panel, Group::H, 12, RowField::Subject, "空亡");  // no test, still counted
  EXPECT_EQ(panel.conditionCount(), 3);
  setRowChoice(panel, Group::H, 12, RowField::Subject, "-");
  EXPECT_EQ(panel.conditionCount(), 2);
}

TEST(ConditionCount, ReachesAllFortyEightRows) {
  ConditionPanel panel;
  for (Group group : kAllGroups) {
    for (int k = 1; k <= groupInfo(group).rowCount; ++k) panel.row(group, k).subject = 1;
  }
  EXPECT_EQ(panel.conditionCount(), kRowCount);
}

TEST(InfoFields, OfferTheirLists) {
  EXPECT_EQ(&infoFieldList(InfoField::Gender), &GenderList);
  EXPECT_EQ(&infoFieldList(InfoField::Education), &EducationList);
  for (InfoField f :
       {InfoField::Occupation1, InfoField::Occupation3, InfoField::Event1, InfoField::Event5}) {
    EXPECT_EQ(&infoFieldList(f), &OccupationList);
  }
}

TEST(SetRowChoice, SetsTheIndexOfTheText) {
  ConditionPanel panel;
  setRowChoice(panel, Group::F, 3, RowField::Subject, "食神");
  setRowChoice(panel, Group::F, 3, RowField::Position, "日支");
  setRowChoice(panel, Group::F, 3, RowField::Count, ">=1");
  setRowChoice(panel, Group::F, 3, RowField::Reveal, "通根");
  const ConditionRow& row = panel.row(Group::F, 3);
  EXPECT_EQ(row.subject, 9);
  EXPECT_EQ(row.position, 5);
  EXPECT_EQ(row.count, 16);
  EXPECT_EQ(row.reveal, RevealOption::Rooted);
  setRowFlag(panel, Group::C, 2, "noHiddenStem", true);
  setRowFlag(panel, Group::G, 1, "notRevealed", true);
  EXPECT_TRUE(panel.row(Group::C, 2).noHiddenStem);
  EXPECT_TRUE(panel.row(Group::G, 1).notRevealed);
}

std::string choiceError(Group group, int k, RowField field, std::string_view text) {
  ConditionPanel panel;
  try {
    setRowChoice(panel, group, k, field, text);
  } catch (const ChoiceError& e) {
    EXPECT_EQ(panel.conditionCount(), 0);
    return e.what();
  }
  return "no error";
}

TEST(SetRowChoice, NamesRowFieldAndTheValidItems) {
  const std::string wrongText = choiceError(Group::C, 2, RowField::Position, "年柱");
  EXPECT_NE(wrongText.find("row C2 position"), std::string::npos) << wrongText;
  EXPECT_NE(wrongText.find(gbk::toUtf8("\"年柱\"")), std::string::npos) << wrongText;
  EXPECT_NE(wrongText.find(gbk::toUtf8("\"不固定\", \"年干\", \"月干\", \"日干\", \"时干\"")),
            std::string::npos)
      << wrongText;

  const std::string wrongRow = choiceError(Group::A, 6, RowField::Subject, "金");
  EXPECT_NE(wrongRow.find("group A has rows 1 to 5, not 6"), std::string::npos) << wrongRow;

  const std::string noReveal = choiceError(Group::B, 1, RowField::Reveal, "透干");
  EXPECT_NE(noReveal.find("row B1"), std::string::npos) << noReveal;
  EXPECT_NE(noReveal.find("no reveal"), std::string::npos) << noReveal;

  EXPECT_NE(choiceError(Group::A, 1, RowField::Count, ">=1").find("row A1 count"),
            std::string::npos);
  EXPECT_NE(choiceError(Group::H, 1, RowField::Subject, "\xFF").find("row H1 subject"),
            std::string::npos);
}

TEST(SetRowFlag, RefusesBoxesTheGroupLacks) {
  ConditionPanel panel;
  EXPECT_THROW(setRowFlag(panel, Group::C, 1, "notRevealed", true), ChoiceError);
  EXPECT_THROW(setRowFlag(panel, Group::B, 1, "noHiddenStem", true), ChoiceError);
  EXPECT_THROW(setRowFlag(panel, Group::D, 1, "notRevealed", true), ChoiceError);
  EXPECT_THROW(setRowFlag(panel, Group::B, 6, "notRevealed", true), ChoiceError);
  try {
    setRowFlag(panel, Group::E, 4, "hidden", true);
    FAIL() << "no error";
  } catch (const ChoiceError& e) {
    EXPECT_NE(std::string(e.what()).find("row E4: unknown check box \"hidden\""), std::string::npos)
        << e.what();
  }
}

}  // namespace
}  // namespace bazi
