#include "text_counting.h"

#include <cstring>

namespace tarnel {
namespace {

const char* orEmpty(const char* text) { return text == nullptr ? "" : text; }

// A GBK lead byte with a byte after it starts a double-byte character; the
// pair is never split, so a match can never begin on its second byte.
size_t characterLengthAt(const char* text, size_t pos, size_t size) {
  const auto byte = static_cast<unsigned char>(text[pos]);
  return byte >= 0x81 && byte <= 0xFE && pos + 1 < size ? 2 : 1;
}

}  // namespace

int32_t countEqual(std::initializer_list<const char*> texts, const char* wanted) {
  wanted = orEmpty(wanted);
  int32_t count = 0;
  for (const char* text : texts) {
    if (std::strcmp(orEmpty(text), wanted) == 0) ++count;
  }
  return count;
}

int32_t countOccurrences(const char* text, const char* part) {
  text = orEmpty(text);
  part = orEmpty(part);
  const size_t partSize = std::strlen(part);
  if (partSize == 0) return 0;
  const size_t size = std::strlen(text);
  int32_t count = 0;
  size_t freeFrom = 0;  // the end of the last match; matches do not overlap
  for (size_t pos = 0; pos + partSize <= size; pos += characterLengthAt(text, pos, size)) {
    if (pos >= freeFrom && std::memcmp(text + pos, part, partSize) == 0) {
      ++count;
      freeFrom = pos + partSize;
    }
  }
  return count;
}

}  // namespace tarnel
