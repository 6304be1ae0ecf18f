// Group G: ten gods among the twelve hidden stems.

#include "row_cases.h"

namespace bazi::testing {
namespace {

// Day stem 丙. Stem ten gods 偏印 正印 (比肩) 劫财; hidden
// 正官 · · | 伤官 正官 正财 | 偏印 比肩 食神 | 正印 · ·.
constexpr std::string_view kPlain = "甲子乙丑丙寅丁卯";
// The day stem is no stem: all twelve hidden ten gods are empty.
constexpr std::string_view kNoDayStem = "甲子乙丑12寅丁卯";

const RowCase kCases[] = {
    {"the pillar's branch hides no stem bearing it", kPlain, "偏官", "年柱", "非0", "", false,
     kUntouched},
    {"count 0 at a fixed position", kPlain, "正官", "年柱", "0", "", false, "正官"},
    {"exactly two", kPlain, "正官", "不固定", "2", "", true},
    {"not one", kPlain, "正官", "不固定", "1", "", false},
    {"not three", kPlain, "正官", "不固定", "3", "", false},
    {"unspecified on the day pillar: the day stem's own entry", kPlain, "不指定", "日柱", "1", "",
     true, "比肩"},
    {"unspecified on a pillar is borne by that pillar's stem", kPlain, "不指定", "月柱", "1",
     "不透", false, "正印"},
    {"first ten god absent from the hidden stems", kPlain, "不指定", "不固定", "0", "", true,
     "偏官"},
    {"first once-ten-god is on a stem, a later one is not", kPlain, "不指定", "不固定", "1", "不透",
     false, "正印"},
    {"the day stem's own entry bears it", kPlain, "比肩", "日柱", "1", "不透", false},
    {"not revealed on any stem", kPlain, "正财", "月柱", "1", "不透", true},
    {"twelve empty entries hold not 4", kNoDayStem, "不指定", "日柱", "非4", "", true, ""},
    {"twelve empty entries hold at least 3", kNoDayStem, "不指定", "日柱", ">=3", "", true, ""},
    {"twelve empty entries fail at most 4", kNoDayStem, "不指定", "日柱", "<=4", "", false, ""},
    {"twelve empty entries fail exactly 4", kNoDayStem, "不指定", "日柱", "4", "", false, ""},
};

TEST(HiddenTenGodRows, Cases) {
  for (const RowCase& c : kCases) expectRow(Group::G, c);
}

}  // namespace
}  // namespace bazi::testing
