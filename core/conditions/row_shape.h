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
#include "conditions/chart_counts.h"
#include "conditions/condition_panel.h"

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

// The subject items as std::string, built once, for calculator arguments.
class ItemStrings {
 public:
  explicit ItemStrings(const ChoiceList& list);
  const std::string& operator[](int index) const { return texts_[static_cast<size_t>(index)]; }

 private:
  std::vector<std::string> texts_;
};

// The position test of every group; `subjectTexts` holds the subject items.
bool positionMatches(const RowShape& shape, const ItemStrings& subjectTexts,
                     const ConditionRow& row, const ChartAnalysis& analysis,
                     PillarCalculator& calculator);

// At most twelve candidate texts, viewing list items or slot texts of the
// analysis (which the count tests do not change).
class Candidates {
 public:
  void add(std::string_view text) {
    if (size_ < items_.size()) items_[size_++] = text;
  }
  const std::string_view* begin() const { return items_.data(); }
  const std::string_view* end() const { return items_.data() + size_; }
  int size() const { return static_cast<int>(size_); }

 private:
  std::array<std::string_view, 12> items_{};
  size_t size_ = 0;
};

Candidates candidateSubjects(const RowShape& shape, const ConditionRow& row,
                             const ChartAnalysis& analysis);

// Tries the row's candidates in order, each as `currentSubject`; `countOf`
// stores the candidate's counts and returns the one the count choice tests.
// The first candidate whose count holds is the settled subject.
template <class CountOf>
bool settleFirstHolding(const RowShape& shape, const ConditionRow& row, ChartAnalysis& analysis,
                        CountOf&& countOf) {
  if (!shape.counts.contains(row.count)) return false;
  const Candidates candidates = candidateSubjects(shape, row, analysis);
  const DecodedCount wanted = decodeCountChoice(shape.counts, row.count);
  for (std::string_view candidate : candidates) {
    analysis.currentSubject.assign(candidate);
    if (countHolds(wanted.form, wanted.n, countOf(analysis.currentSubject))) return true;
  }
  return false;
}

// The reveal radios of groups A and F, with the settled subject's count on the
// stems and among the hidden stems.
bool revealHolds(RevealOption option, int onStems, int amongHidden);

}  // namespace bazi::rows
