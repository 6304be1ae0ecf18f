// The one codec: GB18030 on the inside, UTF-8 at the edges, nothing lost.

#include "text/gbk_codec.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace {

std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(GbkCodec, RoundTripsGbkAndCharactersOutsideIt) {
  EXPECT_EQ(gbk::fromUtf8(utf8(u8"甲子")), "\xBC\xD7\xD7\xD3");
  EXPECT_EQ(gbk::fromUtf8(utf8(u8"\U00020000")), "\x95\x32\x82\x36");
  for (const char8_t* text : {u8"", u8"ascii", u8"张某甲 。！", u8"\U00020000名", u8"€"}) {
    EXPECT_EQ(gbk::toUtf8(gbk::fromUtf8(utf8(text))), utf8(text));
  }
}

std::string utf8Of(uint32_t cp) {
  std::string out;
  if (cp < 0x800) {
    out += static_cast<char>(0xC0 | cp >> 6);
  } else {
    out += static_cast<char>(0xE0 | cp >> 12);
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
  }
  out += static_cast<char>(0x80 | (cp & 0x3F));
  return out;
}

// The table behind the fast path must say what iconv says, character by
// character, for the whole Basic Multilingual Plane.
TEST(GbkCodec, AgreesWithIconvOnEveryBmpCharacter) {
  iconv_t reference = iconv_open("GB18030", "UTF-8");
  ASSERT_NE(reference, reinterpret_cast<iconv_t>(-1));
  int differences = 0;
  for (uint32_t cp = 0x80; cp < 0x10000; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    std::string in = utf8Of(cp);
    char out[8];
    char* src = in.data();
    char* dst = out;
    size_t inLeft = in.size(), outLeft = sizeof out;
    iconv(reference, nullptr, nullptr, nullptr, nullptr);
    if (iconv(reference, &src, &inLeft, &dst, &outLeft) == static_cast<size_t>(-1)) continue;
    if (gbk::fromUtf8("a" + in + "b") != "a" + std::string(out, dst) + "b" && ++differences < 5) {
      ADD_FAILURE() << "U+" << std::hex << cp;
    }
  }
  iconv_close(reference);
  EXPECT_EQ(differences, 0);
}

TEST(GbkCodec, MixesTwoAndFourByteCharacters) {
  EXPECT_EQ(gbk::fromUtf8(utf8(u8"甲\U00020000乙\u20AC")),
            "\xBC\xD7\x95\x32\x82\x36\xD2\xD2\xA2\xE3");
}

TEST(GbkCodec, BadBytesBecomeMarks) {
  EXPECT_EQ(gbk::fromUtf8("a\xFF"
                          "b"),
            "a?b");
  EXPECT_EQ(gbk::fromUtf8("\xE7\x94\xB2\xE7\x94"), "\xBC\xD7??");  // cut short at the end
  EXPECT_EQ(gbk::fromUtf8("\xED\xA0\x80"), "???");                 // a surrogate
  EXPECT_EQ(gbk::toUtf8("a\xFF"), utf8(u8"a\uFFFD"));
}

TEST(GbkCodec, ValidUtf8IsStrict) {
  EXPECT_TRUE(gbk::isValidUtf8(utf8(u8"甲子 \U00020000 \U0010FFFF")));
  const char* invalid[] = {
      "\xC0\x80",          // overlong NUL
      "\xE0\x80\xAF",      // overlong three-byte form
      "\xED\xA0\x80",      // a surrogate
      "\xF0\x80\x80\xAF",  // overlong four-byte form
      "\xF4\x90\x80\x80",  // beyond U+10FFFF
      "\xE7\x94",          // cut short
      "\xBC\xD7\xD7\xD3",  // GBK 甲子
  };
  for (const char* text : invalid) EXPECT_FALSE(gbk::isValidUtf8(text)) << text;
}

}  // namespace
