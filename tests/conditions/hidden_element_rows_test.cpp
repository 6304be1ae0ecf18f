// Group B: elements among the twelve hidden stems.

#include "row_cases.h"

namespace bazi::testing {
namespace {

// Hidden elements 水 · · | 土水金 | 木火土 | 木 · ·; stems 木木火火.
constexpr std::string_view kPlain = "甲子乙丑丙寅丁卯";
// Hidden 庚壬戊 | 乙 | 甲丙戊 | 癸: 水 twice, once under the hour branch; no 水 stem.
constexpr std::string_view kWaterUnderHour = "甲申乙卯丙寅丁子";
// As above with 壬 on the day stem.
constexpr std::string_view kWaterRevealed = "甲申乙卯壬寅丁子";
// Hidden 庚壬戊 | 辛 | 甲丙戊 | 乙: 金 twice.
constexpr std::string_view kMetalTwice = "甲申乙酉丙寅丁卯";
// Hidden 癸 | 乙 | 癸 | 丁己: 土 once, under the hour branch.
constexpr std::string_view kEarthUnderHour = "甲子乙卯丙子丁午";
// Four 子: 水 in four hidden slots, the other eight slots empty.
constexpr std::string_view kFourRats = "甲子甲子甲子甲子";
// 金 once among the hidden stems and on the year stem.
constexpr std::string_view kMetalRevealed = "庚子乙丑丙寅丁卯";

const RowCase kCases[] = {
    {"hour branch hides it, twice in all, no stem", kWaterUnderHour, "水", "时柱", "2", "不透",
     true, "水"},
    {"hour branch hides it, but a stem is 水", kWaterRevealed, "水", "时柱", "2", "不透", false,
     "水"},
    {"hour branch does not hide it", kPlain, "水", "时柱", "2", "", false, kUntouched},
    {"exactly two anywhere", kMetalTwice, "金", "不固定", "2", "", true},
    {"only one anywhere", kPlain, "金", "不固定", "2", "", false},
    {"unspecified on a pillar: later slots tried when earlier fail", kPlain, "不指定", "月柱", "1",
     "", true, "金"},
    {"unspecified on a pillar: the first slot holds", kWaterUnderHour, "不指定", "年柱", "1", "",
     true, "金"},
    {"unspecified on a pillar: no slot holds", kPlain, "不指定", "年柱", "1", "", false},
    {"unspecified on a pillar: an empty slot is a candidate like any other", kPlain, "不指定",
     "年柱", "4", "", true, ""},
    {"once, under the hour branch only", kEarthUnderHour, "土", "时柱", "1", "", true},
    {"not 0 adds nothing to a fixed position", kPlain, "金", "月柱", "非0", "", true},
    {"count 0 at a fixed position", kPlain, "金", "月柱", "0", "", false, "金"},
    {"a count of 8 fails at most 3", kFourRats, "不指定", "年柱", "<=3", "", false, ""},
    {"a count of 8 holds not 4", kFourRats, "不指定", "年柱", "非4", "", true, ""},
    {"the first candidate holds 4", kFourRats, "不指定", "年柱", "4", "", true, "水"},
    {"not revealed, but the element stands on a stem", kPlain, "木", "日柱", "2", "不透", false},
    {"unspecified: the first holding element is not on a stem", kPlain, "不指定", "不固定", "1",
     "不透", true, "金"},
    {"unspecified: the first holding element is on a stem", kMetalRevealed, "不指定", "不固定", "1",
     "不透", false, "金"},
};

TEST(HiddenElementRows, Cases) {
  for (const RowCase& c : kCases) expectRow(Group::B, c);
}

}  // namespace
}  // namespace bazi::testing
