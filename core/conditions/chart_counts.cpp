#include "conditions/chart_counts.h"

namespace bazi::rows {
namespace {

void joinPillarTexts(const ChartAnalysis& a, const std::array<int, 4>& slots, Field field,
                     JoinedText& text) {
  for (int slot : slots) text.append(slotText(a.pillars[slot], field));
}

}  // namespace

int stemElementCount(const ChartAnalysis& a, PillarCalculator& calc, const std::string& element) {
  const auto& p = a.pillars;
  return calc.取天干五行数量(p[kYearStem].element, p[kMonthStem].element, p[kDayStem].element,
                             p[kHourStem].element, element);
}

int branchElementCount(const ChartAnalysis& a, PillarCalculator& calc, const std::string& element) {
  const auto& p = a.pillars;
  return calc.取地支五行数量(p[kYearBranch].element, p[kMonthBranch].element, p[kDayBranch].element,
                             p[kHourBranch].element, element);
}

int stemTenGodCount(const ChartAnalysis& a, PillarCalculator& calc, const std::string& tenGod) {
  const auto& p = a.pillars;
  return calc.取天干十神数量(p[kYearStem].tenGod, p[kMonthStem].tenGod, p[kHourStem].tenGod,
                             tenGod);
}

int branchTenGodCount(const ChartAnalysis& a, PillarCalculator& calc, const std::string& tenGod) {
  const auto& p = a.pillars;
  return calc.取地支十神数量(p[kYearBranch].tenGod, p[kMonthBranch].tenGod, p[kDayBranch].tenGod,
                             p[kHourBranch].tenGod, tenGod);
}

void JoinedText::spill(const std::string& text) {
  if (spill_.empty()) spill_.assign(inline_, size_);
  spill_ += text;
}

void joinStemTexts(const ChartAnalysis& a, Field field, JoinedText& text) {
  joinPillarTexts(a, kStemSlots, field, text);
}

void joinBranchTexts(const ChartAnalysis& a, Field field, JoinedText& text) {
  joinPillarTexts(a, kBranchSlots, field, text);
}

void joinHiddenTexts(const ChartAnalysis& a, Field field, JoinedText& text) {
  for (const HiddenStemSlot& slot : a.hiddenStems) text.append(slotText(slot, field));
}

}  // namespace bazi::rows
