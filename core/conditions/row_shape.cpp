#include "conditions/row_shape.h"

namespace bazi::rows {
namespace {

constexpr int kAnySubject = 1;  // "不指定"

template <class Slots>
bool anySlotEquals(const Slots& slots, Field field, std::string_view subject) {
  for (const auto& slot : slots) {
    if (slotText(slot, field) == subject) return true;
  }
  return false;
}

}  // namespace

Position positionAt(std::span<const Position> places, int index) {
  if (index < 0 || static_cast<size_t>(index) >= places.size()) return {Place::Invalid};
  return places[static_cast<size_t>(index)];
}

SubjectKind subjectKind(const RowShape& shape, int subject) {
  if (subject < kAnySubject || !shape.subjects.contains(subject)) return SubjectKind::Unset;
  return subject == kAnySubject ? SubjectKind::Any : SubjectKind::Named;
}

ShapeTables::ShapeTables(const RowShape& shape)
    : subjectTexts_(shape.subjects.items.begin(), shape.subjects.items.end()) {
  counts_.reserve(static_cast<size_t>(shape.counts.size()));
  for (int index = 0; index < shape.counts.size(); ++index) {
    counts_.push_back(decodeCountChoice(shape.counts, index));
  }
}

bool positionMatches(const RowShape& shape, const ShapeTables& tables, const ConditionRow& row,
                     const ChartAnalysis& analysis, PillarCalculator& calculator) {
  const SubjectKind kind = subjectKind(shape, row.subject);
  if (kind != SubjectKind::Named) return kind == SubjectKind::Any;
  const std::string& subject = tables.subjectText(row.subject);
  const Position position = positionAt(shape.places, row.position);
  switch (position.place) {
    case Place::Anywhere:
      return true;
    case Place::Slot:
      return slotText(analysis.pillars[position.index], shape.field) == subject;
    case Place::Stems:
      return shape.stemsCount != nullptr && shape.stemsCount(analysis, calculator, subject) != 0;
    case Place::Branches:
      return shape.branchesCount != nullptr &&
             shape.branchesCount(analysis, calculator, subject) != 0;
    case Place::Pillar:
      return anySlotEquals(hiddenSlotsOf(analysis, position.index), shape.field, subject);
    case Place::Invalid:
      break;
  }
  return false;
}

// Mirrors anyCandidate: a named subject is its own candidate, and "不指定"
// has candidates at every valid position.
bool countTriesCandidates(const RowShape& shape, const ConditionRow& row) {
  if (!shape.counts.contains(row.count)) return false;
  switch (subjectKind(shape, row.subject)) {
    case SubjectKind::Unset:
      return false;
    case SubjectKind::Named:
      return true;
    case SubjectKind::Any:
      break;
  }
  return positionAt(shape.places, row.position).place != Place::Invalid;
}

bool revealHolds(RevealOption option, int onStems, int amongHidden) {
  switch (option) {
    case RevealOption::Unrestricted:
      return true;
    case RevealOption::Revealed:
      return onStems != 0;
    case RevealOption::Floating:
      return amongHidden == 0;
    case RevealOption::Rooted:
      return amongHidden != 0;
    case RevealOption::NotRevealed:
      return onStems == 0;
    case RevealOption::None:
      break;
  }
  return false;
}

}  // namespace bazi::rows
