#include "records/labels.h"

namespace bazi::labels {

std::string loadCountText(size_t records) {
  return "共有记录" + std::to_string(records) + "条";
}

std::string queryCountText(int conditions, size_t matches) {
  return "条件数：" + std::to_string(conditions) + "  符合数：" + std::to_string(matches);
}

}  // namespace bazi::labels
