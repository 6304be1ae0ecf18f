// The rules that keep a row consistent while the panel is edited, on the model
// alone. The window tests drive the same rules through the controls.

#include "conditions/panel_rules.h"

#include <gtest/gtest.h>

#include "conditions/condition_panel.h"

namespace bazi {
namespace {

void choose(ConditionPanel& panel, Group group, int k, RowField field, std::string_view text) {
  setRowChoice(panel, group, k, field, text);
}

// What the user does: pick an item, then the rule of that combo runs.
void pickSubject(ConditionPanel& panel, Group group, int k, std::string_view text) {
  choose(panel, group, k, RowField::Subject, text);
  applySubjectChoice(panel, group, k);
}
void pickPosition(ConditionPanel& panel, Group group, int k, std::string_view text) {
  choose(panel, group, k, RowField::Position, text);
  applyPositionChoice(panel, group, k);
}

std::string_view itemText(const ChoiceList& list, int index) { return list.items[index]; }

TEST(NotZeroCount, SitsWhereEachCountListKeepsIt) {
  struct Case {
    Group group;
    int index;
  };
  const Case cases[] = {{Group::A, 9}, {Group::B, 5}, {Group::C, 5}, {Group::D, 5},
                        {Group::E, 5}, {Group::F, 8}, {Group::G, 5}};
  for (const Case& c : cases) {
    EXPECT_EQ(notZeroCountIndex(c.group), c.index) << groupInfo(c.group).letter;
    EXPECT_EQ(itemText(groupInfo(c.group).counts, c.index), "非0");
  }
}

TEST(SubjectRule, ClearingRowB2ResetsPositionCountAndCheckBox) {
  ConditionPanel panel;
  pickSubject(panel, Group::B, 2, "金");
  pickPosition(panel, Group::B, 2, "日柱");
  EXPECT_EQ(panel.row(Group::B, 2).count, 5);
  setRowFlag(panel, Group::B, 2, "notRevealed", true);

  pickSubject(panel, Group::B, 2, "-");
  const ConditionRow& row = panel.row(Group::B, 2);
  EXPECT_EQ(row.position, 0);
  EXPECT_EQ(row.count, 0);
  EXPECT_FALSE(row.notRevealed);
  EXPECT_FALSE(rowDetailsEnabled(panel, Group::B, 2));

  pickSubject(panel, Group::B, 2, "金");
  EXPECT_TRUE(rowDetailsEnabled(panel, Group::B, 2));
  EXPECT_EQ(row.position, 0);
  EXPECT_EQ(row.count, 0);
  EXPECT_FALSE(row.notRevealed);
}

TEST(SubjectRule, ClearingARevealRowChecksUnrestrictedAgain) {
  for (Group group : {Group::A, Group::F}) {
    ConditionPanel panel;
    pickSubject(panel, group, 1, "不指定");
    setRowChoice(panel, group, 1, RowField::Reveal, "透干");
    pickSubject(panel, group, 1, "-");
    EXPECT_EQ(panel.row(group, 1).reveal, RevealOption::Unrestricted) << groupInfo(group).letter;
  }
}

TEST(SubjectRule, ClearingAStemRowUnchecksNoHiddenStem) {
  ConditionPanel panel;
  pickSubject(panel, Group::C, 4, "甲");
  setRowFlag(panel, Group::C, 4, "noHiddenStem", true);
  pickSubject(panel, Group::C, 4, "-");
  EXPECT_FALSE(panel.row(Group::C, 4).noHiddenStem);
}

TEST(SubjectRule, ChangingTheSubjectKeepsTheRowsSettings) {
  ConditionPanel panel;
  pickSubject(panel, Group::A, 3, "金");
  pickPosition(panel, Group::A, 3, "天干");
  choose(panel, Group::A, 3, RowField::Count, "3");
  setRowChoice(panel, Group::A, 3, RowField::Reveal, "通根");

  pickSubject(panel, Group::A, 3, "水");
  const ConditionRow& row = panel.row(Group::A, 3);
  EXPECT_EQ(itemText(ChartPositionList, row.position), "天干");
  EXPECT_EQ(itemText(CountList8, row.count), "3");
  EXPECT_EQ(row.reveal, RevealOption::Rooted);
}

TEST(SubjectRule, OnlyTheChosenRowChanges) {
  ConditionPanel panel;
  pickSubject(panel, Group::G, 1, "正印");
  pickPosition(panel, Group::G, 1, "年柱");
  pickSubject(panel, Group::G, 2, "偏印");
  pickSubject(panel, Group::G, 2, "-");
  EXPECT_EQ(panel.row(Group::G, 1).position, 1);
  EXPECT_EQ(panel.row(Group::G, 1).count, 5);
  EXPECT_TRUE(rowDetailsEnabled(panel, Group::G, 1));
}

TEST(PositionRule, FixedPositionOverwritesTheCountAndFreeLeavesIt) {
  ConditionPanel panel;
  pickSubject(panel, Group::F, 7, "正官");
  choose(panel, Group::F, 7, RowField::Count, "2");
  pickPosition(panel, Group::F, 7, "月支");
  EXPECT_EQ(itemText(CountList7, panel.row(Group::F, 7).count), "非0");

  pickPosition(panel, Group::F, 7, "不固定");
  EXPECT_EQ(itemText(CountList7, panel.row(Group::F, 7).count), "非0");

  // The preset is only a preset: a count chosen afterwards stays.
  pickPosition(panel, Group::F, 7, "日支");
  choose(panel, Group::F, 7, RowField::Count, "0");
  EXPECT_EQ(panel.row(Group::F, 7).count, 0);
}

TEST(Rules, LeaveGroupHAlone) {
  ConditionPanel panel;
  pickSubject(panel, Group::H, 10, "空亡");
  EXPECT_FALSE(rowDetailsEnabled(panel, Group::H, 10));
  panel.row(Group::H, 10).position = 2;
  applyPositionChoice(panel, Group::H, 10);
  EXPECT_EQ(panel.row(Group::H, 10).count, 0);
  panel.row(Group::H, 10).subject = 0;
  applySubjectChoice(panel, Group::H, 10);
  EXPECT_EQ(panel.row(Group::H, 10).position, 2);
}

TEST(Rules, DetailsFollowTheSubjectInEveryEvaluatedGroup) {
  ConditionPanel panel;
  for (Group group : kEvaluatedGroups) {
    const int last = groupInfo(group).rowCount;
    EXPECT_FALSE(rowDetailsEnabled(panel, group, last)) << groupInfo(group).letter;
    panel.row(group, last).subject = 1;  // "不指定" sets the row too
    applySubjectChoice(panel, group, last);
    EXPECT_TRUE(rowDetailsEnabled(panel, group, last)) << groupInfo(group).letter;
  }
}

}  // namespace
}  // namespace bazi
