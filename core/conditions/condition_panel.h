#pragma once
// The condition panel as plain data: 48 rows in groups A to H, the check box
// 亥子巳午阴阳置换 and the ten information fields. The window binds its
// controls to this model; the headless query fills it from a file.

#include <array>
#include <string>
#include <string_view>

namespace bazi {

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

}  // namespace bazi
