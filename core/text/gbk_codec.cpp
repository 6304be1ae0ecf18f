#include "text/gbk_codec.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <memory>

namespace gbk {
namespace {

// iconv_open reports failure as (iconv_t)-1.
bool opened(iconv_t handle) {
  return handle != reinterpret_cast<iconv_t>(-1);  // NOLINT(performance-no-int-to-ptr)
}

bool isAscii(std::string_view text) {
  for (unsigned char c : text) {
    if (c >= 0x80) return false;
  }
  return true;
}

// One iconv handle per direction and thread: iconv_open is costly and a
// handle keeps shift state, so handles are neither shared nor reopened.
class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~Converter() {
    if (opened(handle_)) iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in`; a sequence that cannot be converted is skipped by
  // `skipBytes` input bytes and replaced by `replacement`.
  std::string convert(std::string_view in, std::string_view replacement) {
    std::string out;
    out.resize(in.size() * 2 + 8);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    size_t used = 0;
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    while (srcLeft > 0) {
      char* dst = out.data() + used;
      size_t dstLeft = out.size() - used;
      size_t rc = iconv(handle_, &src, &srcLeft, &dst, &dstLeft);
      used = out.size() - dstLeft;
      if (rc != static_cast<size_t>(-1)) break;
      if (errno == E2BIG) {
        out.resize(out.size() * 2);
      } else {  // EILSEQ or EINVAL: one bad byte, replace and go on
        out.resize(used);
        out.append(replacement);
        used = out.size();
        out.resize(used + srcLeft * 2 + 8);
        ++src;
        --srcLeft;
      }
    }
    out.resize(used);
    return out;
  }

 private:
  iconv_t handle_;
};

// The two-byte GB18030 code of every character of the Basic Multilingual
// Plane that has one (all of GBK among them), taken from iconv itself once, so
// that the common case needs no iconv call: a load converts millions of short
// fields, and iconv's per-call cost dominates there.
class TwoByteCodes {
 public:
  TwoByteCodes() {
    iconv_t handle = iconv_open("GB18030", "UTF-8");
    if (!opened(handle)) return;
    for (uint32_t cp = 0x80; cp < 0x10000; ++cp) {
      if (cp >= 0xD800 && cp <= 0xDFFF) continue;
      char in[3];
      size_t inLeft = 0;
      if (cp < 0x800) {
        in[0] = static_cast<char>(0xC0 | cp >> 6);
        in[1] = static_cast<char>(0x80 | (cp & 0x3F));
        inLeft = 2;
      } else {
        in[0] = static_cast<char>(0xE0 | cp >> 12);
        in[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        in[2] = static_cast<char>(0x80 | (cp & 0x3F));
        inLeft = 3;
      }
      char out[8];
      char* src = in;
      char* dst = out;
      size_t outLeft = sizeof out;
      iconv(handle, nullptr, nullptr, nullptr, nullptr);
      if (iconv(handle, &src, &inLeft, &dst, &outLeft) == static_cast<size_t>(-1)) continue;
      if (dst - out == 2) {
        codes_[cp] = static_cast<uint16_t>(static_cast<unsigned char>(out[0]) << 8 |
                                           static_cast<unsigned char>(out[1]));
      }
    }
    iconv_close(handle);
  }

  // Appends the GB18030 form of `utf8` to `out`; false (with `out` in an
  // unspecified state) when a character is not a two-byte one or the text is
  // not well-formed, which iconv then handles.
  bool convert(std::string_view utf8, std::string& out) const {
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
    const size_t n = utf8.size();
    for (size_t i = 0; i < n;) {
      const unsigned char c = bytes[i];
      if (c < 0x80) {
        out += static_cast<char>(c);
        ++i;
        continue;
      }
      uint32_t cp;
      if (c >= 0xC2 && c <= 0xDF && i + 1 < n && (bytes[i + 1] & 0xC0) == 0x80) {
        cp = (c & 0x1Fu) << 6 | (bytes[i + 1] & 0x3Fu);
        i += 2;
      } else if (c >= 0xE0 && c <= 0xEF && i + 2 < n && (bytes[i + 1] & 0xC0) == 0x80 &&
                 (bytes[i + 2] & 0xC0) == 0x80) {
        cp = (c & 0x0Fu) << 12 | (bytes[i + 1] & 0x3Fu) << 6 | (bytes[i + 2] & 0x3Fu);
        i += 3;
        if (cp < 0x800) return false;  // overlong
      } else {
        return false;
      }
      const uint16_t code = codes_[cp];  // surrogates were never filled in
      if (code == 0) return false;
      out += static_cast<char>(code >> 8);
      out += static_cast<char>(code & 0xFF);
    }
    return true;
  }

 private:
  std::array<uint16_t, 0x10000> codes_{};
};

}  // namespace

std::string fromUtf8(std::string_view utf8) {
  if (isAscii(utf8)) return std::string(utf8);
  static const TwoByteCodes twoByteCodes;
  std::string out;
  out.reserve(utf8.size());
  if (twoByteCodes.convert(utf8, out)) return out;
  thread_local Converter converter("GB18030", "UTF-8");
  return converter.convert(utf8, "?");
}

std::string toUtf8(std::string_view text) {
  if (isAscii(text)) return std::string(text);
  thread_local Converter converter("UTF-8", "GB18030");
  return converter.convert(text, "\xEF\xBF\xBD");
}

bool isValidUtf8(std::string_view text) {
  // RFC 3629: no overlong forms, no surrogates, nothing beyond U+10FFFF. The
  // bytes of such forms would otherwise pass here and fail the conversion.
  size_t i = 0;
  const size_t n = text.size();
  while (i < n) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    int extra;
    unsigned char low = 0x80;  // allowed range of the second byte
    unsigned char high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
      extra = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
      extra = 2;
      if (c == 0xE0) low = 0xA0;
      if (c == 0xED) high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      extra = 3;
      if (c == 0xF0) low = 0x90;
      if (c == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (i + extra >= n) return false;
    const unsigned char second = static_cast<unsigned char>(text[i + 1]);
    if (second < low || second > high) return false;
    for (int k = 2; k <= extra; ++k) {
      const unsigned char d = static_cast<unsigned char>(text[i + k]);
      if ((d & 0xC0) != 0x80) return false;
    }
    i += extra + 1;
  }
  return true;
}

}  // namespace gbk
