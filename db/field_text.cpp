#include "field_text.h"

#include <charconv>
#include <cstdint>
#include <cstring>

#include "text/gbk_codec.h"

namespace bazi::db {
namespace {

// Most fields (dates, numbers, pinyin, empty texts) are ASCII and need no
// conversion; test eight bytes at a time.
bool isAscii(const unsigned char* bytes, size_t size) {
  size_t i = 0;
  for (; i + 8 <= size; i += 8) {
    uint64_t word;
    std::memcpy(&word, bytes + i, 8);
    if (word & 0x8080808080808080ull) return false;
  }
  for (; i < size; ++i) {
    if (bytes[i] & 0x80) return false;
  }
  return true;
}

std::string_view integerText(sqlite3_int64 value, std::string& buffer) {
  buffer.resize(24);
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  buffer.resize(static_cast<size_t>(result.ptr - buffer.data()));
  return buffer;
}

std::string_view utf8Text(const unsigned char* bytes, size_t size, std::string& buffer) {
  if (size == 0) return {};
  if (isAscii(bytes, size)) return std::string_view(reinterpret_cast<const char*>(bytes), size);
  buffer = gbk::fromUtf8(std::string_view(reinterpret_cast<const char*>(bytes), size));
  return buffer;
}

}  // namespace

std::string_view realText(double value, std::string& buffer) {
  // Fixed notation, shortest digits that read back to the same value: the
  // largest double has 309 integer digits, the smallest 1074 fraction digits.
  buffer.resize(1100);
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
  buffer.resize(result.ec == std::errc() ? static_cast<size_t>(result.ptr - buffer.data()) : 0);
  return buffer;
}

std::string_view fieldText(sqlite3_stmt* statement, int column, std::string& buffer) {
  switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL:
      return {};
    case SQLITE_INTEGER:
      return integerText(sqlite3_column_int64(statement, column), buffer);
    case SQLITE_FLOAT:
      return realText(sqlite3_column_double(statement, column), buffer);
    case SQLITE_BLOB: {
      const void* blob = sqlite3_column_blob(statement, column);
      const int size = sqlite3_column_bytes(statement, column);
      return utf8Text(static_cast<const unsigned char*>(blob), static_cast<size_t>(size), buffer);
    }
    default: {
      const unsigned char* text = sqlite3_column_text(statement, column);
      const int size = sqlite3_column_bytes(statement, column);
      return utf8Text(text, static_cast<size_t>(size), buffer);
    }
  }
}

}  // namespace bazi::db
