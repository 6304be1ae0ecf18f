#include "conditions/scratch_fields.h"

namespace bazi {
namespace {

void copyCounts(ScratchFields fields, ScratchFields (*fieldOf)(int), const std::array<int, 3>& from,
                std::array<int, 3>& to) {
  for (int i = 0; i < 3; ++i) {
    if ((fields & fieldOf(i)) != 0) to[static_cast<size_t>(i)] = from[static_cast<size_t>(i)];
  }
}

}  // namespace

void copyScratchFields(ScratchFields fields, const ChartAnalysis& from, ChartAnalysis& to) {
  if ((fields & kCurrentSubjectField) != 0) to.currentSubject = from.currentSubject;
  copyCounts(fields, elementCountField, from.elementCounts, to.elementCounts);
  copyCounts(fields, characterCountField, from.characterCounts, to.characterCounts);
  copyCounts(fields, tenGodCountField, from.tenGodCounts, to.tenGodCounts);
}

}  // namespace bazi
