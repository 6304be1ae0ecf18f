#pragma once
// A chart record: the 26 texts of one birth chart, in the fixed column order.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace bazi {

inline constexpr int kFieldCount = 26;
inline constexpr int kChartField = 5;  // "八字", the only field the query reads

// An owning record, used to build records and to pass them around.
using ChartRecord = std::array<std::string, kFieldCount>;

// The 26 column titles, row 0 of both tables (GBK).
extern const std::array<std::string_view, kFieldCount> ColumnTitles;

// A read-only view of one record stored in a table. Valid until the table is
// reset.
class RecordView {
 public:
  RecordView() = default;
  explicit RecordView(const char* block) : block_(block) {}

  std::string_view field(int column) const;
  ChartRecord toRecord() const;

  // The stored block, header and texts, for copying a record whole.
  const char* block() const { return block_; }
  size_t blockBytes() const;

 private:
  const char* block_ = nullptr;
};

}  // namespace bazi
