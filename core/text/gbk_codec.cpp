#include "text/gbk_codec.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace gbk {
namespace {

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
    if (handle_ != reinterpret_cast<iconv_t>(-1)) iconv_close(handle_);
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

}  // namespace

std::string fromUtf8(std::string_view utf8) {
  if (isAscii(utf8)) return std::string(utf8);
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
