#pragma once
// Recognising a stem or branch: one lookup keyed by the two GBK bytes of the
// text, so no call compares strings.

#include <array>
#include <cstdint>

namespace tarnel {

// 1..10 the stems 甲 … 癸, 11..22 the branches 子 … 亥, 0 anything else.
using Code = uint8_t;
inline constexpr Code kNotACharacter = 0;
inline constexpr Code kFirstBranch = 11;
inline constexpr int kCodeCount = 23;

extern const std::array<Code, 65536> kCodeByBytePair;

inline bool isStem(Code code) { return code != kNotACharacter && code < kFirstBranch; }
inline bool isBranch(Code code) { return code >= kFirstBranch; }

// Code of a NUL-terminated text that is exactly one stem or branch.
inline Code codeOf(const char* text) {
  if (text == nullptr || text[0] == '\0' || text[1] == '\0' || text[2] != '\0') {
    return kNotACharacter;
  }
  const auto first = static_cast<unsigned char>(text[0]);
  const auto second = static_cast<unsigned char>(text[1]);
  return kCodeByBytePair[(first << 8) | second];
}

}  // namespace tarnel
