#include "records/labels.h"

namespace bazi::labels {

const std::string_view kLoading = "载入数据中。。。";
const std::string_view kLoadDone = "载入数据完毕！";
const std::string_view kQuerying = "查询列表中。。。";
const std::string_view kQueryDone = "查询列表完毕！";

std::string loadCountText(size_t records) { return "共有记录" + std::to_string(records) + "条"; }

std::string queryCountText(int conditions, size_t matches) {
  return "条件数：" + std::to_string(conditions) + "  符合数：" + std::to_string(matches);
}

}  // namespace bazi::labels
