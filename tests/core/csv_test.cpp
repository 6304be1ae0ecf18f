// RFC 4180 reading and writing: quotes, commas and line breaks inside fields,
// empty and blank fields, and the line numbers of errors.

#include "text/csv.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;
using Rows = std::vector<std::vector<std::string>>;

Rows readAll(std::string_view text, std::vector<size_t>* lines = nullptr) {
  csv::Reader reader(text);
  Rows rows;
  std::vector<std::string> fields;
  while (reader.next(fields)) {
    rows.push_back(fields);
    if (lines) lines->push_back(reader.recordLine());
  }
  return rows;
}

TEST(CsvWriter, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(csv::formatRow({"a", "", "b c"}), "a,,b c\r\n");
  EXPECT_EQ(csv::formatRow({"a,b", "say \"hi\"", "x\ny", "x\r\ny"}),
            "\"a,b\",\"say \"\"hi\"\"\",\"x\ny\",\"x\r\ny\"\r\n");
  EXPECT_EQ(csv::formatRow({"   ", " lead", "trail\t"}), "\"   \",\" lead\",\"trail\t\"\r\n");
  EXPECT_EQ(csv::formatRow({}), "\r\n");
}

TEST(CsvReader, ReadsPlainQuotedAndEmptyFields) {
  EXPECT_EQ(readAll("a,b,c\r\n1,,3\n"), (Rows{{"a", "b", "c"}, {"1", "", "3"}}));
  EXPECT_EQ(readAll("\"a,b\",\"say \"\"hi\"\"\",\"\"\n"), (Rows{{"a,b", "say \"hi\"", ""}}));
  EXPECT_EQ(readAll("a,\n,b"), (Rows{{"a", ""}, {"", "b"}}));
  EXPECT_EQ(readAll("x,y,"), (Rows{{"x", "y", ""}}));
  EXPECT_EQ(readAll("  blank  ,\"   \"\n"), (Rows{{"  blank  ", "   "}}));
}

TEST(CsvReader, KeepsLineBreaksInsideQuotesAndCountsLines) {
  std::vector<size_t> lines;
  const Rows rows = readAll("h1,h2\r\n\"two\r\nlines\",x\r\n\"lf\nonly\",y\r\nlast,z", &lines);
  EXPECT_EQ(rows, (Rows{{"h1", "h2"}, {"two\r\nlines", "x"}, {"lf\nonly", "y"}, {"last", "z"}}));
  EXPECT_THAT(lines, ElementsAre(1u, 2u, 4u, 6u));
}

TEST(CsvReader, SkipsEmptyLinesAndAcceptsEveryLineEnd) {
  std::vector<size_t> lines;
  EXPECT_EQ(readAll("\r\na\r\n\r\nb\rc\n\n", &lines), (Rows{{"a"}, {"b"}, {"c"}}));
  EXPECT_THAT(lines, ElementsAre(2u, 4u, 5u));
  EXPECT_TRUE(readAll("").empty());
}

TEST(CsvReader, TakesAStrayQuoteInAPlainFieldAsItStands) {
  EXPECT_EQ(readAll("5'10\",x\n"), (Rows{{"5'10\"", "x"}}));
}

TEST(CsvReader, ErrorsNameTheLine) {
  const struct {
    const char* text;
    size_t line;
  } cases[] = {
      {"a,b\n\"open,c\nd\n", 2},    // a quote never closed: the line it opened on
      {"a,b\nc,d\n\"q\"x,e\n", 3},  // text after a closing quote
      {"a\n\"multi\nline\"junk\n", 3},
  };
  for (const auto& c : cases) {
    try {
      readAll(c.text);
      ADD_FAILURE() << "no error for " << c.text;
    } catch (const csv::ParseError& e) {
      EXPECT_EQ(e.line(), c.line) << c.text;
      EXPECT_THAT(e.what(), ::testing::StartsWith("line " + std::to_string(c.line) + ": "));
    }
  }
}

TEST(Csv, WrittenRowsReadBack) {
  const std::vector<std::string> fields = {"",       " ",  "a,b",   "\"",
                                           "x\r\ny", "\n", "plain", "\xD5\xC5"};
  const Rows rows = readAll(csv::formatRow(fields) + csv::formatRow(fields));
  EXPECT_EQ(rows, (Rows{fields, fields}));
}

}  // namespace
