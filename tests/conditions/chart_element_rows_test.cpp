// Group A: elements over the eight characters.

#include "row_cases.h"

namespace bazi::testing {
namespace {

// Stems 木木火火, branches 水土木木; hidden stems 水 | 土水金 | 木火土 | 木.
constexpr std::string_view kPlain = "甲子乙丑丙寅丁卯";
// 金 once on a branch, 火 once on a stem; 水 and 土 only hidden.
constexpr std::string_view kMetalOnBranch = "甲申乙卯丙寅甲寅";
// 金 on the year stem and two branches.
constexpr std::string_view kMetalThrice = "庚子甲申丙酉丁卯";
// 金 three times, on branches only.
constexpr std::string_view kMetalOnBranches = "甲申乙酉丙申丁卯";
// Four 子: 水 on every branch and every hidden stem; 金 on a stem only.
constexpr std::string_view kFourRats = "庚子甲子丙子丁子";
// 火 twice, on branches only.
constexpr std::string_view kFireBelow = "甲午乙巳壬子癸亥";

const RowCase kCases[] = {
    {"first once-element stands on a branch only, although a later one is revealed", kMetalOnBranch,
     "不指定", "不固定", "1", "透干", false, "金"},
    {"the same first once-element is not revealed", kMetalOnBranch, "不指定", "不固定", "1", "不透",
     true, "金"},
    {"stems as a whole hold the element, three over the chart", kMetalThrice, "金", "天干", "3", "",
     true, "金"},
    {"no stem holds the element", kMetalOnBranches, "金", "天干", "3", "", false, kUntouched},
    {"one stem: the year stem holds it", kMetalThrice, "金", "年干", "3", "", true},
    {"one stem: the month stem does not, though another stem does", kMetalThrice, "金", "月干",
     "非0", "", false, kUntouched},
    {"branches as a whole hold it", kMetalThrice, "金", "地支", "非0", "", true},
    {"日干 is the day stem", kPlain, "火", "日干", "2", "", true},
    {"count 0 at a fixed position", kMetalThrice, "金", "年干", "0", "", false, "金"},
    {"unspecified at a fixed position, count 0", kPlain, "不指定", "年干", "0", "", false, "木"},
    {"unspecified on the stems, count not 0", kPlain, "不指定", "天干", "非0", "", true, "木"},
    {"unspecified on the branches tries them in order", kPlain, "不指定", "地支", "1", "", true,
     "水"},
    {"hour branch element twice and rooted", kMetalThrice, "不指定", "时支", "2", "通根", true,
     "木"},
    {"hour branch element twice but rooted, so not floating", kMetalThrice, "不指定", "时支", "2",
     "虚浮", false, "木"},
    {"hour branch element four times", kPlain, "不指定", "时支", "2", "通根", false, "木"},
    {"at least twice and only on branches", kFireBelow, "火", "不固定", ">=2", "不透", true},
    {"at least twice but on stems", kPlain, "火", "不固定", ">=2", "不透", false},
    {"at most one: one branch and no stem", kPlain, "土", "地支", "<=1", "", true},
    {"at most one: a stem too", "戊子乙丑丙寅丁卯", "土", "地支", "<=1", "", false},
    {"floating looks at hidden stems only: on a stem, none hidden", kFourRats, "金", "不固定", "1",
     "虚浮", true},
    {"floating needs no stem either", kFourRats, "土", "不固定", "0", "虚浮", true},
    {"rooted among the hidden stems", kFourRats, "水", "不固定", "4", "通根", true},
    {"hidden stems carry it: not floating", kFourRats, "水", "不固定", "4", "虚浮", false},
    {"revealed on a stem", kFourRats, "金", "不固定", "1", "透干", true},
    {"no reveal button selected", kPlain, "木", "不固定", "非0", "none", false},
    {"empty chart: every element absent", "", "不指定", "不固定", "0", "", true, "金"},
    {"empty chart: the empty element counts on all eight places", "", "不指定", "年干", "8", "",
     true, ""},
};

TEST(ChartElementRows, Cases) {
  for (const RowCase& c : kCases) expectRow(Group::A, c);
}

}  // namespace
}  // namespace bazi::testing
