#pragma once
// Storing the short texts of a chart. A chart's texts are a few bytes long
// (a character is 2, an element 2, a ten god 4, a branch's hidden stems up to
// 6); with these lengths spelt out the compiler copies the bytes inline into
// the string's own buffer, where a general assignment would call memcpy.

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace bazi {

// A slot mostly gets a text as long as the one it held (an element for an
// element), so only the shortening or equal case is inline; growing the
// string is kept out of the way, which spares the caller registers.
template <size_t kSize>
[[gnu::noinline]] void growFixed(std::string& out, const char* text) {
  out.resize(kSize);
  std::memcpy(out.data(), text, kSize);
}

template <size_t kSize>
[[gnu::always_inline]] inline void assignFixed(std::string& out, const char* text) {
  if (out.size() < kSize) return growFixed<kSize>(out, text);
  out.resize(kSize);
  std::memcpy(out.data(), text, kSize);
}

// `text` must not lie inside `out`.
inline void assignShortText(std::string& out, const char* text, size_t size) {
  switch (size) {
    case 0:
      out.clear();
      return;
    case 1:
      return assignFixed<1>(out, text);
    case 2:
      return assignFixed<2>(out, text);
    case 4:
      return assignFixed<4>(out, text);
    case 6:
      return assignFixed<6>(out, text);
    default:
      out.assign(text, size);
  }
}

inline void assignShortText(std::string& out, std::string_view text) {
  assignShortText(out, text.data(), text.size());
}

}  // namespace bazi
