#pragma once
// The one analysis state: a chart's eight characters and twelve hidden stems
// with what the calculator says of them, and the scratch fields through which
// the tests of one condition row hand results to each other.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "analysis/pillar_calculator.h"

namespace bazi {

struct PillarSlot {
  std::string character;
  std::string element;
  std::string tenGod;
  int32_t ordinal = 0;
};

struct HiddenStemSlot {
  std::string character;
  std::string element;
  std::string tenGod;
  int32_t ordinal = 0;
};

// Chart order of `pillars`.
inline constexpr int kYearStem = 0, kYearBranch = 1, kMonthStem = 2, kMonthBranch = 3,
                     kDayStem = 4, kDayBranch = 5, kHourStem = 6, kHourBranch = 7;

struct ChartAnalysis {
  std::array<PillarSlot, 8> pillars;
  std::array<HiddenStemSlot, 12> hiddenStems;  // slots 3b..3b+2 for branch b
  std::string currentSubject;
  std::array<int, 3> elementCounts{};
  std::array<int, 3> characterCounts{};
  std::array<int, 3> tenGodCounts{};
};

// Fills `pillars` then `hiddenStems` from the chart text (64 calculator calls).
void decomposeChart(ChartAnalysis& analysis, PillarCalculator& calculator,
                    std::string_view chartText, bool yinYangSwap);
void analysePillars(ChartAnalysis& analysis, PillarCalculator& calculator,
                    std::string_view chartText, bool yinYangSwap);
void analyseHiddenStems(ChartAnalysis& analysis, PillarCalculator& calculator, bool yinYangSwap);

}  // namespace bazi
