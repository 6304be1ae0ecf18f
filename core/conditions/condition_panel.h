#pragma once
// The condition panel as plain data: 48 rows in groups A to H, the check box
// 亥子巳午阴阳置换 and the ten information fields. The window binds its
// controls to this model; the headless query fills it from a file.
//
// This header holds no Chinese literal, so it can be included by targets that
// do not compile with GBK literals; the list items live in choice_lists.cpp.

#include <array>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace bazi {

struct ChartAnalysis;
class PillarCalculator;

enum class Group { A, B, C, D, E, F, G, H };
inline constexpr std::array<Group, 8> kAllGroups = {Group::A, Group::B, Group::C, Group::D,
                                                    Group::E, Group::F, Group::G, Group::H};
// The groups the query evaluates, in evaluation order.
inline constexpr std::array<Group, 7> kEvaluatedGroups = {Group::A, Group::B, Group::C, Group::D,
                                                          Group::E, Group::F, Group::G};

// The reveal options of groups A and F, in caption order
// "无限制", "透干", "虚浮", "通根", "不透"; None when no button is selected.
enum class RevealOption { Unrestricted, Revealed, Floating, Rooted, NotRevealed, None };

struct ConditionRow {
  int subject = 0;   // index into the group's subject list; 0 = not set
  int position = 0;  // index into the group's position list; 0 = 不固定
  int count = 0;     // index into the group's count list
  RevealOption reveal = RevealOption::Unrestricted;  // groups A, F
  bool notRevealed = false;                          // "不透", groups B, E, G
  bool noHiddenStem = false;                         // "藏干无", group C
};

// ---- Choice lists -------------------------------------------------------

// A fixed list of GBK items; a selection is a 0-based index into `items`.
struct ChoiceList {
  std::string_view name;  // the list's name in the code, e.g. "ElementList" (ASCII)
  std::span<const std::string_view> items;

  int size() const { return static_cast<int>(items.size()); }
  bool contains(int index) const { return index >= 0 && index < size(); }
};

extern const ChoiceList ElementList, StemList, BranchList, TenGodList, ShenshaList,
    ChartPositionList, TenGodPositionList, PillarPositionList, StemPositionList, BranchPositionList,
    CountList4, CountList6, CountList7, CountList8, GenderList, EducationList, OccupationList;
// The captions of the reveal radio buttons, in `RevealOption` order (None excluded).
extern const ChoiceList RevealList;

// Index of the item equal to `gbkText`, or -1 when the list has no such item.
int findItem(const ChoiceList& list, std::string_view gbkText);

// ---- Groups -------------------------------------------------------------

// The extra control of a row: reveal radios (A, F), a "不透" check box (B, E, G),
// a "藏干无" check box (C), or none (D, H).
enum class RowExtra { Reveal, NotRevealed, NoHiddenStem, None };

struct GroupInfo {
  Group group;
  char letter;  // 'A' … 'H'
  int rowCount;
  const ChoiceList& subjects;
  const ChoiceList& positions;
  const ChoiceList& counts;
  RowExtra extra;
};
const GroupInfo& groupInfo(Group group);

inline constexpr int kRowCount = 48;

// ---- Panel --------------------------------------------------------------

// The ten combos of the page "条件5—信息", in this order. Nothing reads them.
enum class InfoField {
  Gender,
  Education,
  Occupation1,
  Occupation2,
  Occupation3,
  Event1,
  Event2,
  Event3,
  Event4,
  Event5
};
inline constexpr int kInfoFieldCount = 10;
// The list an information combo offers: GenderList, EducationList or OccupationList.
const ChoiceList& infoFieldList(InfoField field);

class ConditionPanel {  // initial state as the panel at window creation
 public:
  // k from 1 to the group's row count; throws std::out_of_range otherwise.
  ConditionRow& row(Group group, int k);
  const ConditionRow& row(Group group, int k) const;

  bool yinYangSwap = false;  // 选择框1 ticked
  // Shown texts of the ten info combos, indexed by InfoField; "-" initially (GBK).
  std::array<std::string, kInfoFieldCount> infoTexts = {"-", "-", "-", "-", "-",
                                                        "-", "-", "-", "-", "-"};

  // ConditionCount: the rows of groups A to H whose subject is set.
  int conditionCount() const;

 private:
  std::array<ConditionRow, kRowCount> rows_{};
};

// ---- Setting rows by item text --------------------------------------------

// For the conditions file and tests. Thrown when the row does not exist, the
// group has no such field, or the text is not in the row's list; what() is a
// UTF-8 message naming group letter, row number and field and listing the
// valid items.
enum class RowField { Subject, Position, Count, Reveal };
class ChoiceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

void setRowChoice(ConditionPanel& panel, Group group, int k, RowField field,
                  std::string_view gbkText);
// flagName is "notRevealed" (groups B, E, G) or "noHiddenStem" (group C).
void setRowFlag(ConditionPanel& panel, Group group, int k, std::string_view flagName, bool on);

// ---- Count choices --------------------------------------------------------

enum class CountForm { Exactly, NotEqual, AtLeast, AtMost };
struct CountChoice {
  const ChoiceList* list;
  int index;
};
struct DecodedCount {
  CountForm form;
  int n;
};
// Throws std::out_of_range when `index` is not an index of `list` or the list
// is not a count list.
DecodedCount decodeCountChoice(const ChoiceList& list, int index);
inline DecodedCount decodeCountChoice(CountChoice choice) {
  return decodeCountChoice(*choice.list, choice.index);
}
bool countHolds(CountForm form, int n, int count);

// ---- Row evaluation -------------------------------------------------------

// One row of groups A to G against the decomposed chart: positionMatches, then
// countMatches, then revealMatches (none in group D), stopping at the first
// false. A row whose subject is "-", whose selections lie outside their lists,
// or of group H (which has no tests) is not satisfied.
bool rowSatisfied(Group group, const ConditionRow& row, ChartAnalysis& analysis,
                  PillarCalculator& calculator);

}  // namespace bazi
