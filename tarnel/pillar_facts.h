#pragma once
// What the tradition says of each stem and branch: element, polarity, hidden
// stems, and the ten god one character is to a day stem. Every result is a
// constant text, so the library keeps no state and allocates nothing.

#include <array>
#include <cstdint>

#include "character_table.h"

namespace tarnel {

const char* elementText(Code code);
int32_t ordinalOf(Code code);
const char* hiddenStemsText(Code code);
// `swapFlag` 0 gives 亥 子 巳 午 the polarity of their main hidden stem; any
// other value keeps the polarity by order.
const char* tenGodText(Code dayStem, Code other, int32_t swapFlag);

}  // namespace tarnel
