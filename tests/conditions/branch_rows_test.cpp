// Group D: branches among the four branches.

#include "row_cases.h"

namespace bazi::testing {
namespace {

constexpr std::string_view kPlain = "甲子乙丑丙寅丁卯";        // branches 子丑寅卯
constexpr std::string_view kTwoTigers = "甲子乙寅丙寅丁午";    // 子寅寅午
constexpr std::string_view kTigersHorse = "甲寅乙寅丙午丁申";  // 寅寅午申
constexpr std::string_view kFourRats = "甲子甲子甲子甲子";
constexpr std::string_view kNoHour = "甲子乙丑丙寅";  // 12 bytes: the hour pillar is empty

const RowCase kCases[] = {
    {"no branch list covers all twelve", kPlain, "不指定", "不固定", "0", "", true, "辰"},
    {"count 0 at a fixed position", kPlain, "子", "年支", "0", "", false, "子"},
    {"day branch twice", kTwoTigers, "不指定", "日支", "2", "", true, "寅"},
    {"day branch at least twice", kTwoTigers, "不指定", "日支", ">=2", "", true, "寅"},
    {"day branch not three times", kTwoTigers, "不指定", "日支", "3", "", false},
    {"present", kPlain, "子", "不固定", "非0", "", true},
    {"absent", kPlain, "午", "不固定", "非0", "", false},
    {"at least 0", kPlain, "午", "不固定", ">=0", "", true},
    {"four alike", kFourRats, "不指定", "不固定", "4", "", true, "子"},
    {"not four alike", kPlain, "不指定", "不固定", "4", "", false},
    {"first once-branch in list order", kTigersHorse, "不指定", "不固定", "1", "", true, "午"},
    {"an empty branch is a candidate, counted by the calculator", kNoHour, "不指定", "时支", "0",
     "", true, ""},
    {"an empty branch equals no subject", kNoHour, "子", "时支", "非0", "", false, kUntouched},
};

TEST(BranchRows, Cases) {
  for (const RowCase& c : kCases) expectRow(Group::D, c);
}

TEST(BranchRows, NoPositionSelectedFailsEveryRow) {
  for (int subject : {1, 2}) {
    ConditionRow row{.subject = subject, .position = -1, .count = 10};  // ">=0"
    ChartAnalysis analysis = decomposed(kPlain);
    EXPECT_FALSE(rowSatisfied(Group::D, row, analysis, calculator())) << subject;
  }
}

}  // namespace
}  // namespace bazi::testing
