#include "conditions/chart_counts.h"

namespace bazi::rows {
namespace {

std::string joinedPillarTexts(const ChartAnalysis& a, const std::array<int, 4>& slots,
                              Field field) {
  std::string text;
  for (int slot : slots) text += slotText(a.pillars[slot], field);
  return text;
}

}  // namespace

HiddenTexts hiddenTexts(const ChartAnalysis& a, Field field) {
  HiddenTexts texts;
  for (size_t i = 0; i < texts.size(); ++i) texts[i] = &slotText(a.hiddenStems[i], field);
  return texts;
}

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

std::string joinedStemTexts(const ChartAnalysis& a, Field field) {
  return joinedPillarTexts(a, kStemSlots, field);
}

std::string joinedBranchTexts(const ChartAnalysis& a, Field field) {
  return joinedPillarTexts(a, kBranchSlots, field);
}

std::string joinedHiddenTexts(const ChartAnalysis& a, Field field) {
  std::string text;
  text.reserve(2 * a.hiddenStems.size());
  for (const HiddenStemSlot& slot : a.hiddenStems) text += slotText(slot, field);
  return text;
}

}  // namespace bazi::rows
