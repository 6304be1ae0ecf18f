// The one codec: GB18030 on the inside, UTF-8 at the edges, nothing lost.

#include "text/gbk_codec.h"

#include <gtest/gtest.h>

namespace {

std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(GbkCodec, RoundTripsGbkAndCharactersOutsideIt) {
  EXPECT_EQ(gbk::fromUtf8(utf8(u8"甲子")), "\xBC\xD7\xD7\xD3");
  EXPECT_EQ(gbk::fromUtf8(utf8(u8"\U00020000")), "\x95\x32\x82\x36");
  for (const char8_t* text : {u8"", u8"ascii", u8"张某甲 。！", u8"\U00020000名", u8"€"}) {
    EXPECT_EQ(gbk::toUtf8(gbk::fromUtf8(utf8(text))), utf8(text));
  }
}

TEST(GbkCodec, BadBytesBecomeMarks) {
  EXPECT_EQ(gbk::fromUtf8("a\xFF"
                          "b"),
            "a?b");
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
