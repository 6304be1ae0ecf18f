#include "records/record_table.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace bazi {
namespace {

constexpr size_t kChunkBytes = size_t{8} << 20;
constexpr size_t kHeaderBytes = sizeof(uint32_t) * kFieldCount;

struct NarrowColumn {
  int column;
  int width;
};
constexpr NarrowColumn kColumnWidths[] = {{1, 30}, {4, 30}, {5, 120}, {10, 30}, {12, 30}, {14, 30}};

}  // namespace

// Chunks are large and filled at once, so they are asked of the system in
// huge pages where it offers them: a million records then cost a few hundred
// page faults instead of a hundred thousand. Not value-initialised: every
// byte is written before it is read.
ChartTable::Chunk ChartTable::allocateChunk(size_t bytes) {
#ifdef __linux__
  constexpr size_t kHugePage = size_t{2} << 20;
  const size_t rounded = (bytes + kHugePage - 1) & ~(kHugePage - 1);
  if (void* memory = std::aligned_alloc(kHugePage, rounded)) {
    madvise(memory, rounded, MADV_HUGEPAGE);
    return Chunk(static_cast<char*>(memory));
  }
#endif
  void* memory = std::malloc(bytes);
  if (!memory) throw std::bad_alloc();
  return Chunk(static_cast<char*>(memory));
}

ChartTable::ChartTable() { columnWidths_.fill(kDefaultColumnWidth); }

void ChartTable::resetTable() {
  blocks_.clear();
  blocks_.shrink_to_fit();
  chunks_.clear();
  chunkUsed_ = 0;
  chunkSize_ = 0;
  storedBytes_ = 0;
  titleWritten_.fill(false);
}

void ChartTable::writeTitles() { titleWritten_.fill(true); }

void ChartTable::writeTitle(int column) { titleWritten_[column] = true; }

bool ChartTable::hasTitles() const {
  return std::any_of(titleWritten_.begin(), titleWritten_.end(), [](bool b) { return b; });
}

std::string_view ChartTable::titleAt(int column) const {
  return titleWritten_[column] ? ColumnTitles[column] : std::string_view();
}

std::string_view ChartTable::cell(size_t row, int column) const {
  if (row == 0) return titleAt(column);
  if (row > blocks_.size()) return {};
  return recordAt(row).field(column);
}

char* ChartTable::allocateBlock(size_t bytes) {
  bytes = (bytes + 3) & ~size_t{3};  // keep every header 4-byte aligned
  if (chunks_.empty() || chunkUsed_ + bytes > chunkSize_) {
    chunkSize_ = std::max(kChunkBytes, bytes);
    chunks_.push_back(allocateChunk(chunkSize_));
    chunkUsed_ = 0;
  }
  char* block = chunks_.back().get() + chunkUsed_;
  chunkUsed_ += bytes;
  storedBytes_ += bytes;
  return block;
}

void ChartTable::appendRecord(const std::array<std::string_view, kFieldCount>& fields) {
  size_t textBytes = 0;
  for (const auto& f : fields) textBytes += f.size();
  char* block = allocateBlock(kHeaderBytes + textBytes);
  uint32_t ends[kFieldCount];
  char* text = block + kHeaderBytes;
  uint32_t end = 0;
  for (int k = 0; k < kFieldCount; ++k) {
    std::memcpy(text + end, fields[k].data(), fields[k].size());
    end += static_cast<uint32_t>(fields[k].size());
    ends[k] = end;
  }
  std::memcpy(block, ends, sizeof ends);
  blocks_.push_back(block);
}

void ChartTable::appendRecord(const ChartRecord& record) {
  std::array<std::string_view, kFieldCount> fields;
  for (int k = 0; k < kFieldCount; ++k) fields[k] = record[k];
  appendRecord(fields);
}

void ChartTable::appendRecord(RecordView record) {
  // A stored block holds only offsets relative to itself, so it copies whole.
  const size_t bytes = record.blockBytes();
  char* block = allocateBlock(bytes);
  std::memcpy(block, record.block(), bytes);
  blocks_.push_back(block);
}

void ChartTable::applyColumnWidths() {
  for (const auto& narrow : kColumnWidths) columnWidths_[narrow.column] = narrow.width;
}

}  // namespace bazi
