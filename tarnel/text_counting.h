#pragma once
// The counting half of the calculator: plain byte comparisons of the texts
// the callers pass, a null text standing for the empty one.

#include <cstdint>
#include <initializer_list>

namespace tarnel {

// How many of `texts` equal `wanted` byte for byte.
int32_t countEqual(std::initializer_list<const char*> texts, const char* wanted);

// Whole, non-overlapping occurrences of `part` in `text` that start on a
// character boundary of `text`; 0 for an empty `part`.
int32_t countOccurrences(const char* text, const char* part);

}  // namespace tarnel
