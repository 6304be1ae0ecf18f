// Group E: stems among the twelve hidden stems.

#include "row_cases.h"

namespace bazi::testing {
namespace {

// Stems 甲乙丙丁; hidden 癸 · · | 己癸辛 | 甲丙戊 | 乙 · ·.
constexpr std::string_view kPlain = "甲子乙丑丙寅丁卯";
constexpr std::string_view kFourRats = "甲子甲子甲子甲子";  // 癸 in four hidden slots

const RowCase kCases[] = {
    {"the pillar's branch does not hide it", kPlain, "甲", "年柱", "非0", "", false, kUntouched},
    {"count 0 at a fixed position", kPlain, "癸", "年柱", "0", "", false, "癸"},
    {"first stem absent from the hidden stems", kPlain, "不指定", "不固定", "0", "", true, "丁"},
    {"first once-stem is on a stem, a later one is not", kPlain, "不指定", "不固定", "1", "不透",
     false, "甲"},
    {"the day stem is one of the stems", kPlain, "丙", "日柱", "1", "不透", false},
    {"not 0: present", kPlain, "辛", "不固定", "非0", "", true},
    {"not 0: absent", kPlain, "壬", "不固定", "非0", "", false},
    {"not 4: twice", kPlain, "癸", "不固定", "非4", "", true},
    {"not 4: four times", kFourRats, "癸", "不固定", "非4", "", false},
    {"an empty slot is a candidate, counted by the calculator", kPlain, "不指定", "年柱", "0", "",
     true, ""},
    {"unspecified on a pillar, first slot not on a stem", kPlain, "不指定", "月柱", "1", "不透",
     true, "己"},
    {"named stem under the day branch", kPlain, "戊", "日柱", "1", "", true},
};

TEST(HiddenStemRows, Cases) {
  for (const RowCase& c : kCases) expectRow(Group::E, c);
}

}  // namespace
}  // namespace bazi::testing
