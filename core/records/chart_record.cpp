#include "records/chart_record.h"

#include <cstring>

namespace bazi {

const std::array<std::string_view, kFieldCount> ColumnTitles = {
    "姓名",      "性别",      "阳历生日", "阴历生日",     "闰月",      "八字",      "籍贯",
    "学历",      "性格",      "仪表",     "兄弟姐妹数量", "结婚时间",  "对象属相",  "婚姻状态",
    "子女数量",  "职业1",     "职业2",    "职业3",        "流年事件1", "流年事件2", "流年事件3",
    "流年事件4", "流年事件5", "简历",     "保留",         "备注"};

// A stored record block: 26 end offsets (uint32, relative to the text area),
// then the 26 texts back to back.
std::string_view RecordView::field(int column) const {
  uint32_t ends[kFieldCount];
  std::memcpy(ends, block_, sizeof ends);
  const char* text = block_ + sizeof ends;
  uint32_t begin = column == 0 ? 0 : ends[column - 1];
  return std::string_view(text + begin, ends[column] - begin);
}

size_t RecordView::blockBytes() const {
  uint32_t textBytes;
  std::memcpy(&textBytes, block_ + sizeof(uint32_t) * (kFieldCount - 1), sizeof textBytes);
  return sizeof(uint32_t) * kFieldCount + textBytes;
}

ChartRecord RecordView::toRecord() const {
  ChartRecord record;
  for (int k = 0; k < kFieldCount; ++k) record[k] = std::string(field(k));
  return record;
}

}  // namespace bazi
