#include <array>
#include <stdexcept>

#include "conditions/condition_panel.h"

namespace bazi {
namespace {

// One entry per group, in Group order.
constinit const std::array<GroupInfo, 8> kGroups = {{
    {Group::A, 'A', 5, ElementList, ChartPositionList, CountList8, RowExtra::Reveal},
    {Group::B, 'B', 5, ElementList, PillarPositionList, CountList4, RowExtra::NotRevealed},
    {Group::C, 'C', 4, StemList, StemPositionList, CountList4, RowExtra::NoHiddenStem},
    {Group::D, 'D', 4, BranchList, BranchPositionList, CountList4, RowExtra::None},
    {Group::E, 'E', 4, StemList, PillarPositionList, CountList4, RowExtra::NotRevealed},
    {Group::F, 'F', 7, TenGodList, TenGodPositionList, CountList7, RowExtra::Reveal},
    {Group::G, 'G', 7, TenGodList, PillarPositionList, CountList4, RowExtra::NotRevealed},
    {Group::H, 'H', 12, ShenshaList, PillarPositionList, CountList6, RowExtra::None},
}};

}  // namespace

const GroupInfo& groupInfo(Group group) {
  const auto index = static_cast<size_t>(group);
  if (index >= kGroups.size()) throw std::out_of_range("no such condition group");
  return kGroups[index];
}

}  // namespace bazi
