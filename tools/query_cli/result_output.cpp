#include "result_output.h"

#include <algorithm>
#include <string>
#include <vector>

#include "text/csv.h"
#include "text/gbk_codec.h"

namespace bazi::cli {
namespace {

// Row 0 is the title row; rows 1..n the matches.
std::vector<std::string> utf8Row(const ResultTable& results, size_t row) {
  std::vector<std::string> cells(kFieldCount);
  for (int k = 0; k < kFieldCount; ++k) cells[k] = gbk::toUtf8(results.cell(row, k));
  return cells;
}

// Linear TSV: the four characters that would break a line or a column are
// written as backslash escapes.
std::string tsvEscaped(const std::string& cell) {
  std::string out;
  out.reserve(cell.size());
  for (char c : cell) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// Terminal columns of a UTF-8 text: Chinese and other wide characters take
// two, everything else one.
size_t displayWidth(const std::string& text) {
  size_t width = 0;
  for (size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    width += length >= 3 ? 2 : 1;
    i += length;
  }
  return width;
}

std::string flattened(std::string cell) {
  std::replace_if(
      cell.begin(), cell.end(), [](char c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
  return cell;
}

void writeTable(const std::vector<std::vector<std::string>>& rows, std::ostream& out) {
  std::vector<size_t> widths(kFieldCount, 0);
  for (const auto& row : rows) {
    for (int k = 0; k < kFieldCount; ++k) widths[k] = std::max(widths[k], displayWidth(row[k]));
  }
  for (const auto& row : rows) {
    std::string line;
    for (int k = 0; k < kFieldCount; ++k) {
      line += row[k];
      if (k + 1 < kFieldCount) line.append(widths[k] - displayWidth(row[k]) + 2, ' ');
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << '\n';
  }
}

}  // namespace

void writeResults(const ResultTable& results, OutputFormat format, std::ostream& out) {
  std::vector<std::vector<std::string>> rows;
  for (size_t r = 0; r <= results.recordCount(); ++r) rows.push_back(utf8Row(results, r));
  switch (format) {
    case OutputFormat::Csv:
      for (const auto& row : rows) out << csv::formatRow(row);
      break;
    case OutputFormat::Tsv:
      for (const auto& row : rows) {
        for (int k = 0; k < kFieldCount; ++k) out << (k ? "\t" : "") << tsvEscaped(row[k]);
        out << '\n';
      }
      break;
    case OutputFormat::Table:
      for (auto& row : rows) {
        for (auto& cell : row) cell = flattened(std::move(cell));
      }
      writeTable(rows, out);
      break;
  }
}

}  // namespace bazi::cli
