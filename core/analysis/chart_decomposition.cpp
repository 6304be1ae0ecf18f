#include <algorithm>
#include <cstddef>

#include "analysis/chart_analysis.h"
#include "analysis/short_text.h"

namespace bazi {
namespace {

// Only the first sixteen bytes of the spaceless chart are ever read, so they
// are gathered on the stack; one spare byte takes a pair that straddles the end.
constexpr size_t kChartBytes = 16;

struct ChartBytes {
  char bytes[kChartBytes + 1];
  size_t size = 0;
};

// Drops ASCII and full-width spaces. A byte of 0x80 or more always takes the
// next byte with it, so a space can never be cut out of the middle of two
// characters, and a lone such byte at the very end is dropped.
ChartBytes withoutSpaces(std::string_view text) {
  ChartBytes chart;
  size_t i = 0;
  while (i < text.size() && chart.size < kChartBytes) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      if (byte != ' ') chart.bytes[chart.size++] = text[i];
      i += 1;
      continue;
    }
    if (i + 1 == text.size()) break;
    const auto next = static_cast<unsigned char>(text[i + 1]);
    if (byte != 0xA1 || next != 0xA1) {
      chart.bytes[chart.size++] = text[i];
      chart.bytes[chart.size++] = text[i + 1];
    }
    i += 2;
  }
  return chart;
}

void assignCharacter(std::string& character, const ChartBytes& chart, size_t offset) {
  const size_t size = offset >= chart.size ? 0 : std::min<size_t>(2, chart.size - offset);
  assignShortText(character, chart.bytes + offset, size);
}

int swapFlagOf(bool yinYangSwap) { return yinYangSwap ? 0 : 1; }

// The hidden stems of one branch into its three slots, two bytes per stem; a
// text of any other length leaves all three empty.
void splitHiddenStems(const std::string& stems, HiddenStemSlot* slots) {
  const size_t count =
      stems.size() == 2 || stems.size() == 4 || stems.size() == 6 ? stems.size() / 2 : 0;
  for (size_t k = 0; k < 3; ++k) {
    assignShortText(slots[k].character, stems.data() + 2 * k, k < count ? 2 : 0);
  }
}

}  // namespace

void decomposeChart(ChartAnalysis& analysis, PillarCalculator& calculator,
                    std::string_view chartText, bool yinYangSwap) {
  analysePillars(analysis, calculator, chartText, yinYangSwap);
  analyseHiddenStems(analysis, calculator, yinYangSwap);
}

void analysePillars(ChartAnalysis& analysis, PillarCalculator& calculator,
                    std::string_view chartText, bool yinYangSwap) {
  auto& pillars = analysis.pillars;
  const ChartBytes chart = withoutSpaces(chartText);
  for (size_t i = 0; i < pillars.size(); ++i) assignCharacter(pillars[i].character, chart, 2 * i);
  for (PillarSlot& pillar : pillars) calculator.取干支五行(pillar.character, pillar.element);
  for (PillarSlot& pillar : pillars) pillar.ordinal = calculator.取干支序数(pillar.character);
  const std::string& dayStem = pillars[kDayStem].character;
  for (PillarSlot& pillar : pillars) {
    calculator.取十神关系(dayStem, pillar.character, swapFlagOf(yinYangSwap), pillar.tenGod);
  }
}

void analyseHiddenStems(ChartAnalysis& analysis, PillarCalculator& calculator, bool yinYangSwap) {
  const std::string& dayStem = analysis.pillars[kDayStem].character;
  std::string stems;  // one buffer for the four answers; they fit in the string itself
  for (size_t branch = 0; branch < 4; ++branch) {
    HiddenStemSlot* slots = &analysis.hiddenStems[3 * branch];
    calculator.取地支藏干(analysis.pillars[2 * branch + 1].character, stems);
    splitHiddenStems(stems, slots);
    for (size_t k = 0; k < 3; ++k) {
      HiddenStemSlot& slot = slots[k];
      calculator.取十神关系(dayStem, slot.character, swapFlagOf(yinYangSwap), slot.tenGod);
      calculator.取干支五行(slot.character, slot.element);
      slot.ordinal = calculator.取干支序数(slot.character);
    }
  }
}

}  // namespace bazi
