// Group C: stems among the four stems.

#include "row_cases.h"

namespace bazi::testing {
namespace {

// Stems 甲乙丙丁; hidden 癸 | 己癸辛 | 甲丙戊 | 乙.
constexpr std::string_view kPlain = "甲子乙丑丙寅丁卯";
// Stems 甲乙丙丁; hidden 癸 | 己癸辛 | 乙 | 乙: no 戊 anywhere.
constexpr std::string_view kNoEarthStem = "甲子乙丑丙卯丁卯";

const RowCase kCases[] = {
    {"day stem and no other stem", "乙子丙丑甲寅丁卯", "甲", "日干", "1", "", true, "甲"},
    {"day stem, but the year stem too", "甲子丙丑甲寅丁卯", "甲", "日干", "1", "", false},
    {"twice on stems and not hidden", "庚子庚丑丙卯丁卯", "庚", "不固定", ">=2", "藏干无", true},
    {"twice on stems but hidden under 申", "庚子庚申丙卯丁卯", "庚", "不固定", ">=2", "藏干无",
     false},
    {"first absent stem is hidden", kPlain, "不指定", "不固定", "0", "藏干无", false, "戊"},
    {"first absent stem is not hidden", kNoEarthStem, "不指定", "不固定", "0", "藏干无", true,
     "戊"},
    {"month stem twice", "甲子甲丑丙寅丁卯", "不指定", "月干", "2", "", true, "甲"},
    {"month stem once", kPlain, "不指定", "月干", "2", "", false, "乙"},
    {"count 0 at a fixed position", kPlain, "丙", "日干", "0", "", false},
    {"at least 0", kPlain, "癸", "不固定", ">=0", "", true},
    {"at least 0 on an empty chart", "", "癸", "不固定", ">=0", "", true},
    {"not 0 adds nothing to a fixed position", kPlain, "丙", "日干", "非0", "", true},
    {"the hour stem is another", kPlain, "甲", "时干", "非0", "", false, kUntouched},
};

TEST(StemRows, Cases) {
  for (const RowCase& c : kCases) expectRow(Group::C, c);
}

}  // namespace
}  // namespace bazi::testing
