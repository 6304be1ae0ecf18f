// The texts of the status and count labels, byte for byte in GBK.

#include "records/labels.h"

#include <gtest/gtest.h>

#include <string>

#include "text/gbk_codec.h"

namespace bazi {
namespace {

std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(StatusTexts, AreTheFourStates) {
  EXPECT_EQ(labels::kLoading, "\xD4\xD8\xC8\xEB\xCA\xFD\xBE\xDD\xD6\xD0\xA1\xA3\xA1\xA3\xA1\xA3");
  EXPECT_EQ(gbk::toUtf8(labels::kLoading), utf8(u8"载入数据中。。。"));
  EXPECT_EQ(gbk::toUtf8(labels::kLoadDone), utf8(u8"载入数据完毕！"));
  EXPECT_EQ(gbk::toUtf8(labels::kQuerying), utf8(u8"查询列表中。。。"));
  EXPECT_EQ(gbk::toUtf8(labels::kQueryDone), utf8(u8"查询列表完毕！"));
}

TEST(CountTexts, LoadCountIsPlainDecimal) {
  EXPECT_EQ(labels::loadCountText(5),
            "\xB9\xB2\xD3\xD0\xBC\xC7\xC2\xBC"
            "5"
            "\xCC\xF5");
  EXPECT_EQ(gbk::toUtf8(labels::loadCountText(0)), utf8(u8"共有记录0条"));
  EXPECT_EQ(gbk::toUtf8(labels::loadCountText(1000000)), utf8(u8"共有记录1000000条"));
}

TEST(CountTexts, QueryCountHasTwoBlanksBeforeTheMatches) {
  EXPECT_EQ(gbk::toUtf8(labels::queryCountText(3, 12)), utf8(u8"条件数：3  符合数：12"));
  EXPECT_EQ(gbk::toUtf8(labels::queryCountText(0, 0)), utf8(u8"条件数：0  符合数：0"));
}

}  // namespace
}  // namespace bazi
