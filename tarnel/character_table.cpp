#include "character_table.h"

#include <cstddef>

namespace tarnel {
namespace {

// The stems then the branches, in ordinal order, two GBK bytes each.
constexpr char kCharacters[] = "甲乙丙丁戊己庚辛壬癸子丑寅卯辰巳午未申酉戌亥";
static_assert(sizeof(kCharacters) == 2 * (kCodeCount - 1) + 1,
              "the calculator's texts must be compiled as GBK (use_gbk_literals)");

constexpr std::array<Code, 65536> buildCodeTable() {
  std::array<Code, 65536> table{};
  for (int code = 1; code < kCodeCount; ++code) {
    const auto at = static_cast<std::size_t>(code - 1) * 2;
    const auto first = static_cast<unsigned char>(kCharacters[at]);
    const auto second = static_cast<unsigned char>(kCharacters[at + 1]);
    table[(first << 8) | second] = static_cast<Code>(code);
  }
  return table;
}

}  // namespace

constexpr std::array<Code, 65536> kCodeByBytePair = buildCodeTable();

}  // namespace tarnel
