#pragma once
// What the main window shows of the charts: both tables and both labels. The
// load and the query are its only writers; the window mirrors it.

#include <string>

#include "records/record_table.h"

namespace bazi {

struct Workspace {
  RecordTable records;      // 高级表格_记录
  ResultTable results;      // 高级表格_结果
  std::string statusLabel;  // StatusLabel (标签18), also the load/query state
  std::string countLabel;   // CountLabel (标签19)
};

}  // namespace bazi
