#pragma once
// The counting half of the calculator: plain byte comparisons of the texts
// the callers pass, a null text standing for the empty one.

#include <cstdint>

namespace tarnel {

inline const char* orEmpty(const char* text) { return text == nullptr ? "" : text; }

// The texts compared here are a few bytes long, so a plain loop beats a call
// to strcmp; the first byte alone tells most unequal texts apart.
inline bool sameText(const char* text, const char* wanted) {
  if (*text != *wanted) return false;
  while (*wanted != '\0' && *text == *wanted) {
    ++text;
    ++wanted;
  }
  return *text == *wanted;
}

// How many of `texts` equal `wanted` byte for byte. Written out per text
// rather than looped over a list, which would first store them all.
template <class... Texts>
int32_t countEqual(const char* wanted, Texts... texts) {
  wanted = orEmpty(wanted);
  return (int32_t{0} + ... + (sameText(orEmpty(texts), wanted) ? 1 : 0));
}

// Whole, non-overlapping occurrences of `part` in `text` that start on a
// character boundary of `text`; 0 for an empty `part`.
int32_t countOccurrences(const char* text, const char* part);

}  // namespace tarnel
