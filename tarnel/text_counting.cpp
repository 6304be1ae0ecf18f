#include "text_counting.h"

#include <cstddef>

namespace tarnel {
namespace {

// The end of `part` (not empty) matched at `at`, or null when it does not
// start there; never reads past the end of `at`, since a NUL there differs
// from the non-NUL byte of `part` it meets.
const char* matchEnd(const char* at, const char* part) {
  for (; *part != '\0'; ++at, ++part) {
    if (*at != *part) return nullptr;
  }
  return at;
}

// A GBK lead byte with a byte after it starts a double-byte character; the
// pair is never split, so a match can never begin on its second byte.
size_t characterLengthAt(const char* at) {
  const auto byte = static_cast<unsigned char>(*at);
  return byte >= 0x81 && byte <= 0xFE && at[1] != '\0' ? 2 : 1;
}

}  // namespace

int32_t countOccurrences(const char* text, const char* part) {
  text = orEmpty(text);
  part = orEmpty(part);
  if (*part == '\0') return 0;
  int32_t count = 0;
  const char* freeFrom = text;  // the end of the last match; matches do not overlap
  for (const char* at = text; *at != '\0'; at += characterLengthAt(at)) {
    if (at < freeFrom) continue;
    if (const char* end = matchEnd(at, part); end != nullptr) {
      ++count;
      freeFrom = end;
    }
  }
  return count;
}

}  // namespace tarnel
