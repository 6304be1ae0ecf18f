#pragma once
// RecordTable and ResultTable: ordered lists of chart records as a grid shows
// them, with a title row 0, the records from row 1 and one empty trailing row.
//
// Records are packed one compact block each into large chunks, so a million
// records cost one pointer plus their bytes and a small header, not 26 heap
// strings apiece.

#include <array>
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "records/chart_record.h"

namespace bazi {

inline constexpr int kDefaultColumnWidth = 60;
inline constexpr int kDefaultRowHeight = 24;

class ChartTable {
 public:
  ChartTable();
  ChartTable(const ChartTable&) = delete;
  ChartTable& operator=(const ChartTable&) = delete;
  ChartTable(ChartTable&&) = default;
  ChartTable& operator=(ChartTable&&) = default;

  // Empties every cell, titles included; the row count becomes 2.
  void resetTable();
  // Writes ColumnTitles into row 0.
  void writeTitles();
  // Writes one title cell of row 0 (the load writes them one by one).
  void writeTitle(int column);
  // Appends a record as the new last row before the empty trailing row.
  void appendRecord(const ChartRecord& record);
  void appendRecord(const std::array<std::string_view, kFieldCount>& fields);
  void appendRecord(RecordView record);
  // Row count minus 2.
  size_t recordCount() const { return blocks_.size(); }
  // Record i, 1-based as in the grid.
  RecordView recordAt(size_t i) const { return RecordView(blocks_[i - 1]); }
  // Sets the fixed widths of the narrow columns and of "八字".
  void applyColumnWidths();

  // What the grid shows.
  size_t rowCount() const { return blocks_.size() + 2; }
  std::string_view cell(size_t row, int column) const;
  std::string_view titleAt(int column) const;
  bool hasTitles() const;
  int columnWidth(int column) const { return columnWidths_[column]; }

  // Bytes held by the records, for the benchmarks.
  size_t storedBytes() const { return storedBytes_; }

 private:
  struct FreeChunk {
    void operator()(char* memory) const { std::free(memory); }
  };
  using Chunk = std::unique_ptr<char[], FreeChunk>;
  static Chunk allocateChunk(size_t bytes);
  char* allocateBlock(size_t bytes);

  std::vector<const char*> blocks_;
  std::vector<Chunk> chunks_;
  size_t chunkUsed_ = 0;
  size_t chunkSize_ = 0;
  size_t storedBytes_ = 0;
  std::array<bool, kFieldCount> titleWritten_{};
  std::array<int, kFieldCount> columnWidths_{};
};

// The charts of the last load.
using RecordTable = ChartTable;
// The matches of the last query.
using ResultTable = ChartTable;

}  // namespace bazi
