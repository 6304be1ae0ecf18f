// bazi-db as a user runs it: CSV in both encodings into a chart database and
// back, and one clear line and a non-zero exit for every mistake.

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "bazi_db_program.h"
#include "edb_engine.h"
#include "text/csv.h"

namespace bazi {
namespace {

using testing::bazidb;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using testing::TempFolder;
using Rows = std::vector<std::vector<std::string>>;

std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

std::vector<std::string> utf8Titles() {
  std::vector<std::string> titles;
  for (std::string_view title : ColumnTitles) titles.push_back(gbk::toUtf8(title));
  return titles;
}

std::string joined(const std::vector<std::string>& fields, const std::string& lineEnd) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + fields[i];
  return line + lineEnd;
}

// Every field quoted, as some spreadsheet programs write them.
std::string allQuoted(const std::vector<std::string>& fields, const std::string& lineEnd) {
  std::vector<std::string> quoted;
  for (const std::string& field : fields) {
    std::string q = "\"";
    for (char c : field) q += c == '"' ? std::string("\"\"") : std::string(1, c);
    quoted.push_back(q + "\"");
  }
  return joined(quoted, lineEnd);
}

// The charts of the round trips (UTF-8): quotes, commas, line breaks of both
// kinds, blank-only fields, blanks around a text, a character outside GBK,
// a record of nothing but empty fields.
Rows sampleRows() {
  std::vector<std::string> first(kFieldCount);
  first[0] = utf8(u8"张某甲");
  first[1] = utf8(u8"男");
  first[2] = "1990-01-01 08:00";
  first[5] = utf8(u8"庚午 丙子 丙申 壬辰");
  first[6] = "a,b";
  first[7] = "say \"hi\"";
  first[8] = "two\r\nlines";
  first[9] = "lf\nonly";
  first[10] = "   ";
  first[23] = " blanks around ";
  first[25] = utf8(u8"\U00020000名");
  return {first, std::vector<std::string>(kFieldCount, "x"), std::vector<std::string>(kFieldCount)};
}

Rows parse(std::string_view text) {
  csv::Reader reader(text);
  Rows rows;
  std::vector<std::string> fields;
  while (reader.next(fields)) rows.push_back(fields);
  return rows;
}

struct Encoding {
  const char* name;
  const char* lineEnd;
};

void PrintTo(const Encoding& e, std::ostream* out) { *out << e.name; }

class RoundTrip : public ::testing::TestWithParam<Encoding> {
 protected:
  // The sample rows as a CSV file in the parameter's encoding.
  std::string csvBytes() const {
    const std::string lineEnd = GetParam().lineEnd;
    std::string text = joined(utf8Titles(), lineEnd);
    for (const auto& row : sampleRows()) text += allQuoted(row, lineEnd);
    const std::string name = GetParam().name;
    if (name.starts_with("GB18030")) return gbk::fromUtf8(text);
    if (name.starts_with("UTF-8 BOM")) return "\xEF\xBB\xBF" + text;
    return text;
  }
};

TEST_P(RoundTrip, ImportThenExportGivesTheSameRecords) {
  TempFolder folder;
  const std::string in = folder.file("in.csv");
  const std::string db = folder.file("out.edb");
  testing::writeBytes(in, csvBytes());

  const auto imported = bazidb({"import", in, db});
  ASSERT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_THAT(imported.out, HasSubstr("3 records"));

  // The engine hands the window GBK (GB18030 for the character outside GBK).
  EdbReader reader;
  ASSERT_TRUE(reader.open(db, kAccessPassword)) << reader.lastError();
  ASSERT_EQ(reader.recordCount(), 3u);
  reader.goToRecord(1);
  for (int k = 1; k <= kFieldCount; ++k) {
    EXPECT_EQ(reader.readField(k), gbk::fromUtf8(sampleRows()[0][k - 1])) << k;
  }
  EXPECT_EQ(reader.readField(26), "\x95\x32\x82\x36" + gbk::fromUtf8(utf8(u8"名")));
  reader.closeAll();

  const auto exported = bazidb({"export", db});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  Rows expected = sampleRows();
  expected.insert(expected.begin(), utf8Titles());
  EXPECT_EQ(parse(exported.out), expected);

  // What bazi-db writes it reads back unchanged.
  const std::string again = folder.file("again.edb");
  testing::writeBytes(folder.file("exported.csv"), exported.out);
  ASSERT_EQ(bazidb({"import", folder.file("exported.csv"), again}).exitCode, 0);
  EXPECT_EQ(bazidb({"export", again}).out, exported.out);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, RoundTrip,
    ::testing::Values(Encoding{"UTF-8 CRLF", "\r\n"}, Encoding{"UTF-8 LF", "\n"},
                      Encoding{"UTF-8 BOM CRLF", "\r\n"}, Encoding{"GB18030 CRLF", "\r\n"},
                      Encoding{"GB18030 LF", "\n"}),
    [](const auto& info) {
      std::string name = info.param.name;
      std::replace_if(
          name.begin(), name.end(),
          [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
      return name;
    });

TEST(Export, WritesUtf8CsvWithTheTitleRow) {
  TempFolder folder;
  const std::string db = folder.file("one.edb");
  ChartRecord record;
  record[0] = "张某乙";
  record[6] = "x,y";
  testing::writeChartFile(db, {record});
  const auto run = bazidb({"export", db});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string titleLine = joined(utf8Titles(), "\r\n");
  EXPECT_EQ(run.out, titleLine + utf8(u8"张某乙,,,,,,\"x,y\"") + std::string(19, ',') + "\r\n");

  const std::string csvFile = folder.file("one.csv");
  ASSERT_EQ(bazidb({"export", db, csvFile}).exitCode, 0);
  EXPECT_EQ(testing::readBytes(csvFile), run.out);

  const auto bom = bazidb({"export", "--bom", db});
  EXPECT_EQ(bom.out, "\xEF\xBB\xBF" + run.out);
}

TEST(Info, PrintsTheRecordCount) {
  TempFolder folder;
  const std::string db = folder.file("five.edb");
  testing::writeChartFile(db, testing::numberedRecords("r", 5));
  const auto run = bazidb({"info", db});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, db + ": 5 records\n");
  EXPECT_EQ(run.err, "");
}

TEST(Import, LenientPadsShortRowsAndCutsLongOnes) {
  TempFolder folder;
  const std::string in = folder.file("ragged.csv");
  std::vector<std::string> shortRow(24, "s");
  std::vector<std::string> longRow(28, "l");
  testing::writeBytes(in,
                      joined(utf8Titles(), "\n") + joined(shortRow, "\n") + joined(longRow, "\n"));
  const std::string db = folder.file("ragged.edb");

  const auto strict = bazidb({"import", in, db});
  EXPECT_EQ(strict.exitCode, 1);
  EXPECT_THAT(strict.err, HasSubstr("line 2: 24 fields, 26 expected"));

  const auto lenient = bazidb({"import", "--lenient", in, db});
  ASSERT_EQ(lenient.exitCode, 0) << lenient.err;
  EXPECT_THAT(lenient.err, HasSubstr("2 rows"));
  EXPECT_THAT(lenient.err, HasSubstr("line 2"));
  const Rows rows = parse(bazidb({"export", db}).out);
  ASSERT_EQ(rows.size(), 3u);
  std::vector<std::string> padded(24, "s");
  padded.resize(kFieldCount);
  EXPECT_EQ(rows[1], padded);
  EXPECT_EQ(rows[2], std::vector<std::string>(kFieldCount, "l"));
}

TEST(Import, ForceReplacesAnExistingDatabase) {
  TempFolder folder;
  const std::string in = folder.file("in.csv");
  testing::writeBytes(in,
                      joined(utf8Titles(), "\n") + joined(std::vector<std::string>(26, "n"), "\n"));
  const std::string db = folder.file("old.edb");
  testing::writeChartFile(db, testing::numberedRecords("old", 4));
  const std::string before = testing::readBytes(db);

  EXPECT_EQ(bazidb({"import", in, db}).exitCode, 1);
  EXPECT_EQ(testing::readBytes(db), before);
  ASSERT_EQ(bazidb({"import", "--force", in, db}).exitCode, 0);
  EXPECT_EQ(bazidb({"info", db}).out, db + ": 1 record\n");
}

// A mistake: exit status, a part of the one line on standard error, and the
// files that must not change.
struct Mistake {
  const char* name;
  std::function<std::vector<std::string>(const TempFolder&)> setUp;  // returns the arguments
  int exitCode;
  const char* message;
};

void PrintTo(const Mistake& m, std::ostream* out) { *out << m.name; }

std::string csvWith(const std::vector<std::string>& records) {
  std::string text = joined(utf8Titles(), "\r\n");
  for (const std::string& line : records) text += line + "\r\n";
  return text;
}

std::string fields(int count, const std::string& value = "v") {
  return joined(std::vector<std::string>(count, value), "");
}

std::vector<std::string> importOf(const TempFolder& folder, const std::string& csvBytes) {
  testing::writeBytes(folder.file("in.csv"), csvBytes);
  return {"import", folder.file("in.csv"), folder.file("out.edb")};
}

const Mistake kMistakes[] = {
    {"row with too few fields",
     [](const TempFolder& f) {
       return importOf(f, csvWith({fields(26), fields(25), fields(26)}));
     },
     1, "line 3: 25 fields, 26 expected"},
    {"row with too many fields",
     [](const TempFolder& f) { return importOf(f, csvWith({fields(27)})); }, 1,
     "line 2: 27 fields, 26 expected"},
    {"line numbers count line breaks inside quotes",
     [](const TempFolder& f) {
       return importOf(f, csvWith({"\"a\nb\"," + fields(25), fields(3)}));
     },
     1, "line 4: 3 fields"},
    {"wrong title",
     [](const TempFolder& f) {
       std::vector<std::string> titles = utf8Titles();
       titles[1] = "sex";
       return importOf(f, joined(titles, "\n") + fields(26) + "\n");
     },
     1, "line 1: column 2 is titled \"sex\""},
    {"title row only partly there", [](const TempFolder& f) { return importOf(f, "a,b,c\n"); }, 1,
     "line 1: 3 fields"},
    {"quote never closed",
     [](const TempFolder& f) { return importOf(f, csvWith({"\"open," + fields(25)})); }, 1,
     "line 2: a quoted field is not closed"},
    {"empty CSV", [](const TempFolder& f) { return importOf(f, ""); }, 1, "has no title row"},
    {"UTF-16 CSV",
     [](const TempFolder& f) {
       return importOf(f,
                       "\xFF\xFE"
                       "a\0,\0");
     },
     1, "UTF-16"},
    {"missing CSV",
     [](const TempFolder& f) {
       return std::vector<std::string>{"import", f.file("none.csv"), f.file("out.edb")};
     },
     1, "cannot read"},
    {"CSV is a folder",
     [](const TempFolder& f) {
       std::filesystem::create_directory(f.file("dir.csv"));
       return std::vector<std::string>{"import", f.file("dir.csv"), f.file("out.edb")};
     },
     1, "cannot read"},
    {"output exists",
     [](const TempFolder& f) {
       testing::writeBytes(f.file("out.edb"), "keep me");
       return importOf(f, csvWith({fields(26)}));
     },
     1, "already exists (use --force to replace it)"},
    {"output folder missing",
     [](const TempFolder& f) {
       testing::writeBytes(f.file("in.csv"), csvWith({fields(26)}));
       return std::vector<std::string>{"import", f.file("in.csv"), f.file("no/such/out.edb")};
     },
     1, "cannot create a file in"},
    {"output would replace the input",
     [](const TempFolder& f) {
       testing::writeBytes(f.file("in.csv"), csvWith({fields(26)}));
       return std::vector<std::string>{"import", "--force", f.file("in.csv"), f.file("in.csv")};
     },
     1, "would replace the input"},
    {"export of a file that is no database",
     [](const TempFolder& f) {
       testing::writeBytes(f.file("notes.edb"), "plain text");
       return std::vector<std::string>{"export", f.file("notes.edb")};
     },
     1, "is not an SQLite database"},
    {"export over an existing CSV",
     [](const TempFolder& f) {
       testing::writeChartFile(f.file("db.edb"), testing::numberedRecords("r", 1));
       testing::writeBytes(f.file("out.csv"), "keep me");
       return std::vector<std::string>{"export", f.file("db.edb"), f.file("out.csv")};
     },
     1, "already exists"},
    {"info with the wrong password",
     [](const TempFolder& f) {
       testing::writeChartFile(f.file("db.edb"), testing::numberedRecords("r", 1), "other");
       return std::vector<std::string>{"info", f.file("db.edb")};
     },
     1, "wrong password"},
    {"info of a missing file",
     [](const TempFolder& f) {
       return std::vector<std::string>{"info", f.file("none.edb")};
     },
     1, "no such file"},
    {"unknown command",
     [](const TempFolder&) {
       return std::vector<std::string>{"convert", "a", "b"};
     },
     2, "unknown command convert"},
    {"unknown option",
     [](const TempFolder& f) {
       return std::vector<std::string>{"import", "--quick", f.file("a"), f.file("b")};
     },
     2, "unknown option --quick"},
    {"option of another command",
     [](const TempFolder& f) {
       return std::vector<std::string>{"info", "--lenient", f.file("a")};
     },
     2, "does not apply"},
    {"missing file argument",
     [](const TempFolder&) {
       return std::vector<std::string>{"import", "only.csv"};
     },
     2, "wrong number of files"},
    {"no command", [](const TempFolder&) { return std::vector<std::string>{}; }, 2, "no command"},
};

class MistakeTest : public ::testing::TestWithParam<Mistake> {};

TEST_P(MistakeTest, OneLineOnStandardErrorAndNothingWritten) {
  TempFolder folder;
  const std::vector<std::string> args = GetParam().setUp(folder);
  const testing::FolderState before = testing::snapshot(folder.path());

  const auto run = bazidb(args);
  EXPECT_EQ(run.exitCode, GetParam().exitCode);
  EXPECT_THAT(run.err, StartsWith("bazi-db: "));
  EXPECT_THAT(run.err, HasSubstr(GetParam().message));
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(testing::snapshot(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(BaziDb, MistakeTest, ::testing::ValuesIn(kMistakes), [](const auto& info) {
  std::string name = info.param.name;
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
      '_');
  return name;
});

TEST(Help, GoesToStandardOutput) {
  const auto run = bazidb({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_THAT(run.out, HasSubstr("bazi-db import [--lenient] [--force] IN.csv OUT.edb"));
}

}  // namespace
}  // namespace bazi
