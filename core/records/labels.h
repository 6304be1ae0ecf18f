#pragma once
// The texts of the status and count labels. The status text doubles as the
// load/query state: a query may start only from kLoadDone or kQueryDone.

#include <cstddef>
#include <string>
#include <string_view>

namespace bazi::labels {

// Defined out of line: a Chinese literal in a header would take the encoding of
// whichever target includes it, and these must be GBK everywhere.
extern const std::string_view kLoading;    // "载入数据中。。。"
extern const std::string_view kLoadDone;   // "载入数据完毕！"
extern const std::string_view kQuerying;   // "查询列表中。。。"
extern const std::string_view kQueryDone;  // "查询列表完毕！"

// "共有记录" N "条"
std::string loadCountText(size_t records);
// "条件数：" C "  符合数：" M
std::string queryCountText(int conditions, size_t matches);

}  // namespace bazi::labels
