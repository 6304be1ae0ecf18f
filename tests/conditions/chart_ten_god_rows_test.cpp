// Group F: ten gods over the stems and branches.

#include "row_cases.h"

namespace bazi::testing {
namespace {

// Day stem 丙. Ten gods: 偏印 偏官 | 正印 伤官 | (比肩) 偏印 | 劫财 正印;
// hidden 正官 · · | 伤官 正官 正财 | 偏印 比肩 食神 | 正印 · ·.
constexpr std::string_view kPlain = "甲子乙丑丙寅丁卯";
// As kPlain with 午 (比肩) on the day branch.
constexpr std::string_view kHorseDay = "甲子乙丑丙午丁卯";
// 比肩 on all eight places.
constexpr std::string_view kAllTigers = "甲寅甲寅甲寅甲寅";
// The day stem is no stem: every ten god is empty.
constexpr std::string_view kNoDayStem = "甲子乙丑12寅丁卯";

const RowCase kCases[] = {
    {"the year stem does not bear it", kPlain, "正官", "年干", "非0", "", false, kUntouched},
    {"the day stem never counts among the stems", kPlain, "比肩", "天干", "非0", "", false,
     kUntouched},
    {"stems as a whole bear it", kPlain, "劫财", "天干", "1", "", true},
    {"branches as a whole bear it", kPlain, "偏官", "地支", "1", "", true},
    {"index 5 is the day branch", kPlain, "偏印", "日支", "非0", "", true},
    {"count 0 at a fixed position", kPlain, "偏印", "年干", "0", "", false, "偏印"},
    {"first absent ten god", kPlain, "不指定", "不固定", "0", "", true, "正官"},
    {"all seven places", kAllTigers, "比肩", "不固定", "7", "", true},
    {"not all seven places", kPlain, "偏印", "不固定", "7", "", false},
    {"first once-ten-god is on a branch, a later one on a stem", kPlain, "不指定", "不固定", "1",
     "透干", false, "偏官"},
    {"rooted", kPlain, "伤官", "不固定", "1", "通根", true},
    {"rooted, so not floating", kPlain, "伤官", "不固定", "1", "虚浮", false},
    {"floating looks at hidden stems only", kPlain, "劫财", "不固定", "1", "虚浮", true},
    {"floating needs no stem either", kPlain, "偏财", "不固定", "0", "虚浮", true},
    {"not revealed", kPlain, "偏官", "不固定", "1", "不透", true},
    {"branches in order: the year branch first", kPlain, "不指定", "地支", "非0", "", true, "偏官"},
    {"the day stem's own entry as the last stem candidate", kPlain, "不指定", "天干", "0", "", true,
     "比肩"},
    {"the day stem's own entry borne by a branch", kHorseDay, "不指定", "天干", "0", "", false,
     "劫财"},
    {"no reveal button selected", kPlain, "偏印", "不固定", "2", "none", false},
    {"empty ten gods are counted like any other", kNoDayStem, "不指定", "年干", "7", "", true, ""},
};

TEST(ChartTenGodRows, Cases) {
  for (const RowCase& c : kCases) expectRow(Group::F, c);
}

TEST(ChartTenGodRows, YinYangSwapReachesTheRowThroughTheChart) {
  // Under the swap 子 takes the polarity of 癸 and becomes 正官 to 丙.
  ConditionPanel panel;
  setRowChoice(panel, Group::F, 1, RowField::Subject, "正官");
  setRowChoice(panel, Group::F, 1, RowField::Position, "年支");
  setRowChoice(panel, Group::F, 1, RowField::Count, "1");
  ChartAnalysis plain = decomposed(kPlain, false);
  ChartAnalysis swapped = decomposed(kPlain, true);
  EXPECT_FALSE(rowSatisfied(Group::F, panel.row(Group::F, 1), plain, calculator()));
  EXPECT_TRUE(rowSatisfied(Group::F, panel.row(Group::F, 1), swapped, calculator()));
}

}  // namespace
}  // namespace bazi::testing
