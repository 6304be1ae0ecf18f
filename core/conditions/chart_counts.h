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
inline HiddenTexts hiddenTexts(const ChartAnalysis& a, Field field) {
  HiddenTexts texts;
  for (size_t i = 0; i < texts.size(); ++i) texts[i] = &slotText(a.hiddenStems[i], field);
  return texts;
}

// Elements over the four stems and over the four branches.
int stemElementCount(const ChartAnalysis& a, PillarCalculator& calc, const std::string& element);
int branchElementCount(const ChartAnalysis& a, PillarCalculator& calc, const std::string& element);

// Ten gods over the year, month and hour stems (never the day stem) and over
// the four branches.
int stemTenGodCount(const ChartAnalysis& a, PillarCalculator& calc, const std::string& tenGod);
int branchTenGodCount(const ChartAnalysis& a, PillarCalculator& calc, const std::string& tenGod);

// The chosen texts of the four stems, the four branches or the twelve hidden
// stems joined in chart order into one NUL-terminated text, for 取干支数量.
// Joined on the stack: only texts far longer than a chart's need the heap.
class JoinedText {
 public:
  JoinedText() { inline_[0] = '\0'; }
  JoinedText(const JoinedText&) = delete;
  JoinedText& operator=(const JoinedText&) = delete;

  void append(const std::string& text) {
    if (spill_.empty() && size_ + text.size() <= kInlineBytes) {
      // A few bytes each: a loop beats a call to memcpy.
      for (const char byte : text) inline_[size_++] = byte;
      inline_[size_] = '\0';
    } else {
      spill(text);
    }
  }
  const char* c_str() const { return spill_.empty() ? inline_ : spill_.c_str(); }

 private:
  static constexpr size_t kInlineBytes = 48;
  void spill(const std::string& text);

  char inline_[kInlineBytes + 1];
  size_t size_ = 0;
  std::string spill_;  // all of the text, once it outgrows inline_
};

void joinStemTexts(const ChartAnalysis& a, Field field, JoinedText& text);
void joinBranchTexts(const ChartAnalysis& a, Field field, JoinedText& text);
void joinHiddenTexts(const ChartAnalysis& a, Field field, JoinedText& text);

}  // namespace bazi::rows
