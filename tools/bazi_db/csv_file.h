#pragma once
// Reading a CSV file of charts: the whole file, its encoding detected and
// turned into UTF-8.

#include <string>

namespace bazi::tools {

struct CsvText {
  std::string utf8;
  std::string encoding;  // "UTF-8", "UTF-8 with BOM" or "GB18030"
};

// A UTF-8 byte order mark means UTF-8; otherwise text that is valid UTF-8 is
// UTF-8, and anything else is taken as GB18030 (which covers GBK). UTF-16 is
// refused with a hint. Throws std::runtime_error.
CsvText decodeCsv(std::string bytes);

// The whole file. Throws std::runtime_error naming the file.
std::string readWholeFile(const std::string& path);

}  // namespace bazi::tools
