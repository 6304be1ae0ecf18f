#pragma once
// What the seven evaluated groups share: how a position item points into the
// chart, who the candidate subjects of a row are, the position test, and the
// loop that settles the first candidate whose count holds. Each group unit
// describes itself with a RowShape and adds only its own counts and reveal test.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/chart_analysis.h"
#include "analysis/short_text.h"
#include "conditions/chart_counts.h"
#include "conditions/condition_panel.h"
#include "conditions/scratch_fields.h"

namespace bazi::rows {

// Where a position item points.
enum class Place {
  Anywhere,  // "不固定"
  Slot,      // one character: pillars[index]
  Stems,     // "天干": the four stems as a whole
  Branches,  // "地支": the four branches as a whole
  Pillar,    // "年柱" … "时柱": pillar number index (0 year … 3 hour)
  Invalid,   // no item selected
};
struct Position {
  Place place;
  int index = 0;
};

// One table per position list, item for item.
inline constexpr std::array<Position, 11> kChartPlaces = {{{Place::Anywhere},
                                                           {Place::Slot, kYearStem},
                                                           {Place::Slot, kYearBranch},
                                                           {Place::Slot, kMonthStem},
                                                           {Place::Slot, kMonthBranch},
                                                           {Place::Slot, kDayStem},
                                                           {Place::Slot, kDayBranch},
                                                           {Place::Slot, kHourStem},
                                                           {Place::Slot, kHourBranch},
                                                           {Place::Stems},
                                                           {Place::Branches}}};
// As the chart places without "日干": ten gods are taken relative to the day stem.
inline constexpr std::array<Position, 10> kTenGodPlaces = {{{Place::Anywhere},
                                                            {Place::Slot, kYearStem},
                                                            {Place::Slot, kYearBranch},
                                                            {Place::Slot, kMonthStem},
                                                            {Place::Slot, kMonthBranch},
                                                            {Place::Slot, kDayBranch},
                                                            {Place::Slot, kHourStem},
                                                            {Place::Slot, kHourBranch},
                                                            {Place::Stems},
                                                            {Place::Branches}}};
inline constexpr std::array<Position, 5> kPillarPlaces = {{{Place::Anywhere},
                                                           {Place::Pillar, 0},
                                                           {Place::Pillar, 1},
                                                           {Place::Pillar, 2},
                                                           {Place::Pillar, 3}}};
inline constexpr std::array<Position, 5> kStemPlaces = {{{Place::Anywhere},
                                                         {Place::Slot, kYearStem},
                                                         {Place::Slot, kMonthStem},
                                                         {Place::Slot, kDayStem},
                                                         {Place::Slot, kHourStem}}};
inline constexpr std::array<Position, 5> kBranchPlaces = {{{Place::Anywhere},
                                                           {Place::Slot, kYearBranch},
                                                           {Place::Slot, kMonthBranch},
                                                           {Place::Slot, kDayBranch},
                                                           {Place::Slot, kHourBranch}}};

Position positionAt(std::span<const Position> places, int index);

// The candidate of a "不指定" row fixed to a pillar: the texts of the pillar's
// hidden stems, or the text of the pillar's own stem.
enum class PillarCandidates { HiddenStems, Stem };

// A count of a subject over the stems or the branches as a whole, for the
// positions "天干" and "地支".
using WholeCount = int (*)(const ChartAnalysis&, PillarCalculator&, const std::string&);

struct RowShape {
  const ChoiceList& subjects;
  const ChoiceList& counts;
  std::span<const Position> places;  // same length as the group's position list
  Field field;                       // the slot text compared with the subject
  PillarCandidates pillarCandidates = PillarCandidates::HiddenStems;
  WholeCount stemsCount = nullptr;     // groups with "天干"
  WholeCount branchesCount = nullptr;  // groups with "地支"
};

enum class SubjectKind { Unset, Any, Named };  // Unset also for an index outside the list
SubjectKind subjectKind(const RowShape& shape, int subject);

// The three hidden-stem slots of pillar 0 (year) … 3 (hour).
inline std::span<const HiddenStemSlot> hiddenSlotsOf(const ChartAnalysis& analysis, int pillar) {
  return std::span(analysis.hiddenStems)
      .subspan(static_cast<size_t>(kHiddenSlotsPerBranch) * static_cast<size_t>(pillar),
               kHiddenSlotsPerBranch);
}

// What a group looks up in its lists for every chart, prepared once: the
// subject items as std::string for calculator arguments, and every count
// choice decoded.
class ShapeTables {
 public:
  explicit ShapeTables(const RowShape& shape);
  const std::string& subjectText(int index) const {
    return subjectTexts_[static_cast<size_t>(index)];
  }
  // For an index of the group's count list.
  DecodedCount count(int index) const { return counts_[static_cast<size_t>(index)]; }

 private:
  std::vector<std::string> subjectTexts_;
  std::vector<DecodedCount> counts_;
};

// The tables of one group's shape, prepared on its first use.
template <const RowShape& Shape>
const ShapeTables& preparedTables() {
  static const ShapeTables prepared(Shape);
  return prepared;
}

// The position test of every group.
bool positionMatches(const RowShape& shape, const ShapeTables& tables, const ConditionRow& row,
                     const ChartAnalysis& analysis, PillarCalculator& calculator);

// Whether the count test of the row tries at least one candidate; only then
// does it write the scratch fields of the analysis. Keep it in step with
// settleFirstHolding and anyCandidate.
bool countTriesCandidates(const RowShape& shape, const ConditionRow& row);

// Calls `visit` with each candidate subject of the row in order, until it
// returns true; the texts view list items or slot texts of the analysis (which
// the count tests do not change). Returns whether a visit returned true.
template <class Visit>
bool anyCandidate(const RowShape& shape, const ConditionRow& row, const ChartAnalysis& analysis,
                  Visit&& visit) {
  const SubjectKind kind = subjectKind(shape, row.subject);
  if (kind == SubjectKind::Unset) return false;
  if (kind == SubjectKind::Named)
    return visit(shape.subjects.items[static_cast<size_t>(row.subject)]);
  const auto text = [&](const auto& slot) -> std::string_view {
    return slotText(slot, shape.field);
  };
  const auto anyOf = [&](const auto& slots) {
    for (const auto& slot : slots) {
      if (visit(text(slot))) return true;
    }
    return false;
  };
  const auto anyPillar = [&](const std::array<int, 4>& indexes) {
    for (int i : indexes) {
      if (visit(text(analysis.pillars[i]))) return true;
    }
    return false;
  };
  const Position position = positionAt(shape.places, row.position);
  switch (position.place) {
    case Place::Anywhere:
      for (std::string_view item : shape.subjects.items.subspan(2)) {  // after "-", "不指定"
        if (visit(item)) return true;
      }
      return false;
    case Place::Slot:
      return visit(text(analysis.pillars[position.index]));
    case Place::Stems:
      return anyPillar(kStemSlots);
    case Place::Branches:
      return anyPillar(kBranchSlots);
    case Place::Pillar:
      if (shape.pillarCandidates == PillarCandidates::Stem) {
        return visit(text(analysis.pillars[kStemSlots[position.index]]));
      }
      return anyOf(hiddenSlotsOf(analysis, position.index));
    case Place::Invalid:
      break;
  }
  return false;
}

// Tries the row's candidates in order, each as `currentSubject`; `countOf`
// stores the candidate's counts and returns the one the count choice tests.
// The first candidate whose count holds is the settled subject.
template <class CountOf>
bool settleFirstHolding(const RowShape& shape, const ShapeTables& tables, const ConditionRow& row,
                        ChartAnalysis& analysis, CountOf&& countOf) {
  if (!shape.counts.contains(row.count)) return false;
  const DecodedCount wanted = tables.count(row.count);
  return anyCandidate(shape, row, analysis, [&](std::string_view candidate) {
    assignShortText(analysis.currentSubject, candidate);
    return countHolds(wanted.form, wanted.n, countOf(analysis.currentSubject));
  });
}

// The scratch fields a group's count test writes, when it tries a candidate.
inline ScratchFields countTestWrites(const RowShape& shape, const ConditionRow& row,
                                     ScratchFields fields) {
  return countTriesCandidates(shape, row) ? fields : ScratchFields{0};
}

// The reveal radios of groups A and F, with the settled subject's count on the
// stems and among the hidden stems.
bool revealHolds(RevealOption option, int onStems, int amongHidden);

}  // namespace bazi::rows
