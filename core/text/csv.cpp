#include "text/csv.h"

namespace csv {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool needsQuotes(std::string_view field) {
  if (field.empty()) return false;
  if (isBlank(field.front()) || isBlank(field.back())) return true;
  return field.find_first_of(",\"\r\n") != std::string_view::npos;
}

void appendField(std::string& out, std::string_view field) {
  if (!needsQuotes(field)) {
    out.append(field);
    return;
  }
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

void appendRow(std::string& out, std::span<const std::string_view> fields) {
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += ',';
    appendField(out, fields[i]);
  }
  out += "\r\n";
}

std::string formatRow(const std::vector<std::string>& fields) {
  std::vector<std::string_view> views(fields.begin(), fields.end());
  std::string out;
  appendRow(out, views);
  return out;
}

bool Reader::atLineBreak() const {
  return pos_ < text_.size() && (text_[pos_] == '\n' || text_[pos_] == '\r');
}

void Reader::skipLineBreak() {
  if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
  ++pos_;
  ++line_;
}

bool Reader::next(std::vector<std::string>& fields) {
  fields.clear();
  while (atLineBreak()) skipLineBreak();
  if (pos_ >= text_.size()) return false;
  recordLine_ = line_;
  while (true) {
    std::string& field = fields.emplace_back();
    if (text_[pos_] == '"') {
      readQuoted(field);
    } else {
      readPlain(field);
    }
    if (pos_ >= text_.size()) return true;
    if (text_[pos_] == ',') {
      ++pos_;
      if (pos_ >= text_.size() || atLineBreak()) {  // a trailing comma: one more empty field
        fields.emplace_back();
        if (pos_ < text_.size()) skipLineBreak();
        return true;
      }
      continue;
    }
    skipLineBreak();
    return true;
  }
}

void Reader::readPlain(std::string& field) {
  const size_t end = text_.find_first_of(",\r\n", pos_);
  const size_t stop = end == std::string_view::npos ? text_.size() : end;
  field.assign(text_.substr(pos_, stop - pos_));
  pos_ = stop;
}

void Reader::readQuoted(std::string& field) {
  const size_t openedOn = line_;
  ++pos_;
  while (true) {
    if (pos_ >= text_.size()) throw ParseError(openedOn, "a quoted field is not closed");
    const char c = text_[pos_];
    if (c == '"') {
      if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
        field += '"';
        pos_ += 2;
        continue;
      }
      ++pos_;
      break;
    }
    // Line breaks inside the field are kept but still count as lines, so that
    // later errors name the line an editor shows.
    if (c == '\n' || (c == '\r' && (pos_ + 1 >= text_.size() || text_[pos_ + 1] != '\n'))) ++line_;
    field += c;
    ++pos_;
  }
  if (pos_ < text_.size() && text_[pos_] != ',' && !atLineBreak()) {
    throw ParseError(line_, "text after the closing quote of a field");
  }
}

}  // namespace csv
