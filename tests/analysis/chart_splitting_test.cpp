// How a chart text becomes the eight pillar characters: spaces out, then two
// bytes per pillar.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "analysis/chart_analysis.h"
#include "recording_calculator.h"

namespace bazi {
namespace {

struct SplittingCase {
  const char* what;
  std::string chart;
  std::array<std::string, 8> pillars;
};

const std::array<std::string, 8> kWellFormed = {"甲", "子", "乙", "丑", "丙", "寅", "丁", "卯"};

TEST(ChartSplitting, SpacesGoAndTheRestIsCutEveryTwoBytes) {
  const SplittingCase cases[] = {
      {"plain", "甲子乙丑丙寅丁卯", kWellFormed},
      {"ASCII spaces", "甲子 乙丑 丙寅 丁卯", kWellFormed},
      {"full-width spaces", "甲子　乙丑　丙寅　丁卯", kWellFormed},
      {"spaces of both kinds around", "  甲子　 乙丑丙寅丁卯　 ", kWellFormed},
      {"text after eight characters", "甲子乙丑丙寅丁卯戊辰", kWellFormed},
      {"empty", "", {}},
      {"only spaces", " 　 ", {}},
      {"12 bytes", "甲子乙丑丙寅", {"甲", "子", "乙", "丑", "丙", "寅", "", ""}},
      {"15 bytes", "甲子乙丑丙寅丁1", {"甲", "子", "乙", "丑", "丙", "寅", "丁", "1"}},
      {"a digit shifts the rest",
       "甲1子乙丑丙寅丁卯",
       {"甲", "1\xD7", "\xD3\xD2", "\xD2\xB3", "\xF3\xB1", "\xFB\xD2", "\xFA\xB6", "\xA1\xC3"}},
      {"a tab is no space", "甲\t子", {"甲", "\t\xD7", "\xD3", "", "", "", "", ""}},
      {"a lone lead byte at the end goes",
       "甲子乙丑丙寅丁\xC3",
       {"甲", "子", "乙", "丑", "丙", "寅", "丁", ""}},
      // 啊“ is B0 A1 A1 B0: the A1 A1 in its middle is no full-width space.
      {"no space cut from two characters", "啊“", {"啊", "“", "", "", "", "", "", ""}},
      {"a pair keeps its second byte even if it is 0x20",
       "\xB0 甲",
       {"\xB0 ", "甲", "", "", "", "", "", ""}},
  };
  for (const SplittingCase& c : cases) {
    SCOPED_TRACE(c.what);
    fakes::RecordingCalculator calculator;
    ChartAnalysis analysis;
    analysePillars(analysis, calculator, c.chart, false);
    for (size_t i = 0; i < 8; ++i) EXPECT_EQ(analysis.pillars[i].character, c.pillars[i]) << i;
  }
}

}  // namespace
}  // namespace bazi
