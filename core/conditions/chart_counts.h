#pragma once
// The counts the condition groups take over a decomposed chart, each one call
// of the pillar calculator with the slot texts in the order it expects. The
// groups only compare what comes back.

#include <array>
#include <string>

#include "analysis/chart_analysis.h"

namespace bazi::rows {

// Which text of a slot a group compares and counts.
enum class Field { Character, Element, TenGod };

template <class Slot>
const std::string& slotText(const Slot& slot, Field field) {
  switch (field) {
    case Field::Character:
      return slot.character;
    case Field::Element:
      return slot.element;
    case Field::TenGod:
      break;
  }
  return slot.tenGod;
}

inline constexpr std::array<int, 4> kStemSlots = {kYearStem, kMonthStem, kDayStem, kHourStem};
inline constexpr std::array<int, 4> kBranchSlots = {kYearBranch, kMonthBranch, kDayBranch,
                                                    kHourBranch};
inline constexpr int kHiddenSlotsPerBranch = 3;

// The chosen texts of the twelve hidden stems in slot order, as the calculator
// counts them; built once per count test, not per candidate.
using HiddenTexts = std::array<const std::string*, 12>;
HiddenTexts hiddenTexts(const ChartAnalysis& a, Field field);

// Elements over the four stems and over the four branches.
int stemElementCount(const ChartAnalysis& a, PillarCalculator& calc, const std::string& element);
int branchElementCount(const ChartAnalysis& a, PillarCalculator& calc, const std::string& element);

// Ten gods over the year, month and hour stems (never the day stem) and over
// the four branches.
int stemTenGodCount(const ChartAnalysis& a, PillarCalculator& calc, const std::string& tenGod);
int branchTenGodCount(const ChartAnalysis& a, PillarCalculator& calc, const std::string& tenGod);

// One text of the chosen texts of the four stems, the four branches or the
// twelve hidden stems, joined in chart order, for 取干支数量.
std::string joinedStemTexts(const ChartAnalysis& a, Field field);
std::string joinedBranchTexts(const ChartAnalysis& a, Field field);
std::string joinedHiddenTexts(const ChartAnalysis& a, Field field);

}  // namespace bazi::rows
