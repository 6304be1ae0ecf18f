#include "conditions/condition_file.h"

#include <gtest/gtest.h>

#include <string>

namespace bazi {
namespace {

// The JSON texts are UTF-8 while the literals of this file are GBK, so the
// file texts are written with u8 literals.
std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(ConditionFile, ReadsTheDocumentedExample) {
  const ConditionPanel panel =
      readConditions(utf8(u8R"({"yinYangSwap": true, "rows": [
        {"group": "A", "row": 1, "subject": "金", "position": "天干", "count": "3", "reveal": "透干"},
        {"group": "B", "row": 2, "subject": "水", "position": "时柱", "count": "2", "notRevealed": true},
        {"group": "C", "row": 1, "subject": "庚", "count": ">=2", "noHiddenStem": true},
        {"group": "H", "row": 12, "subject": "空亡"}]})"));
  EXPECT_TRUE(panel.yinYangSwap);
  const ConditionRow& a1 = panel.row(Group::A, 1);
  EXPECT_EQ(a1.subject, 2);
  EXPECT_EQ(a1.position, 9);
  EXPECT_EQ(a1.count, 3);
  EXPECT_EQ(a1.reveal, RevealOption::Revealed);
  const ConditionRow& b2 = panel.row(Group::B, 2);
  EXPECT_EQ(b2.subject, 3);
  EXPECT_EQ(b2.position, 4);
  EXPECT_TRUE(b2.notRevealed);
  const ConditionRow& c1 = panel.row(Group::C, 1);
  EXPECT_EQ(c1.position, 0);  // left out: 不固定
  EXPECT_EQ(c1.count, 12);
  EXPECT_TRUE(c1.noHiddenStem);
  EXPECT_EQ(panel.row(Group::H, 12).subject, 13);
  EXPECT_EQ(panel.conditionCount(), 4);
}

TEST(ConditionFile, EmptyDocumentIsTheInitialPanel) {
  const ConditionPanel panel = readConditions("{}");
  EXPECT_FALSE(panel.yinYangSwap);
  EXPECT_EQ(panel.conditionCount(), 0);
}

TEST(ConditionFile, WriteThenReadKeepsEveryChoice) {
  ConditionPanel panel;
  panel.yinYangSwap = true;
  setRowChoice(panel, Group::F, 7, RowField::Subject, "伤官");
  setRowChoice(panel, Group::F, 7, RowField::Position, "日支");
  setRowChoice(panel, Group::F, 7, RowField::Count, "<=2");
  setRowChoice(panel, Group::F, 7, RowField::Reveal, "虚浮");
  setRowChoice(panel, Group::G, 3, RowField::Subject, "不指定");
  setRowFlag(panel, Group::G, 3, "notRevealed", true);
  setRowChoice(panel, Group::H, 1, RowField::Subject, "华盖");
  const ConditionPanel back = readConditions(writeConditions(panel));
  EXPECT_EQ(writeConditions(back), writeConditions(panel));
  EXPECT_EQ(back.row(Group::F, 7).reveal, RevealOption::Floating);
  EXPECT_TRUE(back.row(Group::G, 3).notRevealed);
  EXPECT_EQ(back.conditionCount(), 3);
}

struct BadFile {
  const char* name;
  const char8_t* json;
  const char8_t* expected;  // part of the message (UTF-8)
};

class ConditionFileErrors : public ::testing::TestWithParam<BadFile> {};

TEST_P(ConditionFileErrors, NameWhatIsWrong) {
  try {
    readConditions(utf8(GetParam().json));
    FAIL() << "no error for " << GetParam().name;
  } catch (const ConditionFileError& e) {
    EXPECT_NE(std::string(e.what()).find(utf8(GetParam().expected)), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConditionFileErrors,
    ::testing::Values(
        BadFile{"malformed", u8R"({"rows": [)", u8"not valid JSON"},
        BadFile{"not an object", u8R"([1, 2])", u8"must be a JSON object"},
        BadFile{"unknown top field", u8R"({"row": []})", u8"unknown field \"row\""},
        BadFile{"unknown group", u8R"({"rows": [{"group": "Z", "row": 1, "subject": "金"}]})",
                u8"unknown group \"Z\""},
        BadFile{"row out of range", u8R"({"rows": [{"group": "C", "row": 5, "subject": "甲"}]})",
                u8"group C has rows 1 to 4, not 5"},
        BadFile{"text not in list", u8R"({"rows": [{"group": "A", "row": 1, "subject": "铁"}]})",
                u8"土"},  // the valid items are listed
        BadFile{"count of another list",
                u8R"({"rows": [{"group": "A", "row": 2, "subject": "金", "count": ">=0"}]})",
                u8"A2"},
        BadFile{"field the group lacks",
                u8R"({"rows": [{"group": "D", "row": 1, "subject": "子", "reveal": "透干"}]})",
                u8"row D1: group D has no field \"reveal\""},
        BadFile{"shensha position",
                u8R"({"rows": [{"group": "H", "row": 1, "subject": "天医", "position": "年柱"}]})",
                u8"group H has no field \"position\""},
        BadFile{"flag not boolean",
                u8R"({"rows": [{"group": "B", "row": 1, "subject": "金", "notRevealed": 1}]})",
                u8"notRevealed must be true or false"},
        BadFile{"subject missing", u8R"({"rows": [{"group": "A", "row": 1, "count": "1"}]})",
                u8"row A1: \"subject\" is missing"},
        BadFile{"unset row with choices",
                u8R"({"rows": [{"group": "A", "row": 1, "subject": "-", "count": "1"}]})",
                u8"takes no other choice"},
        BadFile{"row twice",
                u8R"({"rows": [{"group": "E", "row": 2, "subject": "甲"},
                               {"group": "E", "row": 2, "subject": "乙"}]})",
                u8"row E2 is given twice"}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name) {
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

}  // namespace
}  // namespace bazi
