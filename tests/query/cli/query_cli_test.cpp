// bazi-query-cli end to end: real chart databases, real calculator, the
// program run as a user runs it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "db_test_support.h"

namespace bazi {
namespace {

struct Outcome {
  int exitCode;
  std::string out;  // UTF-8
  std::string err;  // UTF-8
};

std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// The terminal column at which `part` starts in a UTF-8 line.
size_t displayColumn(const std::string& line, const std::string& part) {
  const size_t end = line.find(part);
  size_t column = 0;
  for (size_t i = 0; i < end && end != std::string::npos;) {
    const unsigned char c = static_cast<unsigned char>(line[i]);
    const size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    column += length >= 3 ? 2 : 1;
    i += length;
  }
  return end == std::string::npos ? std::string::npos : column;
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string shellQuoted(const std::string& arg) {
  std::string out = "'";
  for (char c : arg) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

class QueryCliTest : public ::testing::Test {
 protected:
  QueryCliTest() {
    const auto bin = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    program_ = (bin / "bazi-query-cli").string();
    // Two wood charts (甲 on the year stem) around a metal one.
    testing::writeChartFile(
        first_, {chart("一", "甲子 乙丑 丙寅 丁卯"), chart("二", "庚申 辛酉 庚辰 己卯")});
    testing::writeChartFile(second_, {chart("三", "甲寅 甲寅 丙午 戊子")});
  }

  static ChartRecord chart(const std::string& name, const std::string& pillars) {
    ChartRecord record;
    record[0] = name;
    record[kChartField] = pillars;
    record[23] = "说明,带逗号";
    return record;
  }

  Outcome run(const std::string& args, const std::string& conditions = {}) {
    std::string command = shellQuoted(program_);
    if (!conditions.empty()) {
      std::ofstream(folder_.file("conditions.json"), std::ios::binary) << conditions;
      command += " --conditions " + shellQuoted(folder_.file("conditions.json"));
    }
    command += " " + args + " > " + shellQuoted(folder_.file("out")) + " 2> " +
               shellQuoted(folder_.file("err"));
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(folder_.file("out")),
            readFile(folder_.file("err"))};
  }

  std::string databases() const { return shellQuoted(first_) + " " + shellQuoted(second_); }

  testing::TempFolder folder_;
  std::string program_;
  std::string first_ = folder_.file("first.edb");
  std::string second_ = folder_.file("second.edb");
};

const char8_t* kYearStemJia =
    u8R"({"rows": [{"group": "C", "row": 1, "subject": "甲", "position": "年干", "count": "非0"}]})";

TEST_F(QueryCliTest, MatchesGoToStdoutAsCsvInTableOrder) {
  const Outcome outcome = run(databases(), utf8(kYearStemJia));
  EXPECT_EQ(outcome.exitCode, 0);
  const std::string titles = utf8(
      u8"姓名,性别,阳历生日,阴历生日,闰月,八字,籍贯,学历,性格,仪表,兄弟姐妹数量,结婚时间,对象属相,"
      u8"婚姻状态,子女数量,职业1,职业2,职业3,流年事件1,流年事件2,流年事件3,流年事件4,流年事件5,"
      u8"简历,保留,备注\r\n");
  const std::string rest = utf8(u8",,,,,,,,,,,,,,,,,\"说明,带逗号\",,\r\n");
  EXPECT_EQ(outcome.out, titles + utf8(u8"一,,,,,甲子 乙丑 丙寅 丁卯,") + rest +
                             utf8(u8"三,,,,,甲寅 甲寅 丙午 戊子,") + rest);
  EXPECT_EQ(outcome.err, utf8(u8"条件数：1  符合数：2\n"));
}

TEST_F(QueryCliTest, TsvAndTableFormats) {
  const Outcome tsv = run("--format tsv " + databases(), utf8(kYearStemJia));
  EXPECT_EQ(tsv.exitCode, 0);
  EXPECT_NE(tsv.out.find(utf8(u8"三\t\t\t\t\t甲寅 甲寅 丙午 戊子\t")), std::string::npos);
  const Outcome table = run("--format=table " + databases(), utf8(kYearStemJia));
  EXPECT_EQ(table.exitCode, 0);
  // Chinese characters are two terminal columns wide; the chart column lines up.
  std::istringstream lines(table.out);
  std::string titles, first;
  std::getline(lines, titles);
  std::getline(lines, first);
  EXPECT_EQ(titles.rfind(utf8(u8"姓名  性别"), 0), 0u) << titles;
  EXPECT_EQ(displayColumn(titles, utf8(u8"八字")), displayColumn(first, utf8(u8"甲子")));
}

TEST_F(QueryCliTest, NoMatchExitsOne) {
  const Outcome outcome =
      run(databases(),
          utf8(u8R"({"rows": [{"group": "D", "row": 1, "subject": "亥", "count": "非0"}]})"));
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_EQ(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 1);  // the titles alone
  EXPECT_EQ(outcome.err, utf8(u8"条件数：1  符合数：0\n没有找到符合条件的命例或条件冲突！\n"));
}

TEST_F(QueryCliTest, NoConditionIsAnError) {
  const Outcome outcome = run(databases());
  EXPECT_EQ(outcome.exitCode, 2);
  EXPECT_NE(outcome.err.find(utf8(u8"未设置条件！")), std::string::npos);
}

TEST_F(QueryCliTest, BadConditionsFileNamesRowAndField) {
  const Outcome outcome =
      run(databases(),
          utf8(u8R"({"rows": [{"group": "B", "row": 3, "subject": "金", "count": "9"}]})"));
  EXPECT_EQ(outcome.exitCode, 2);
  EXPECT_TRUE(outcome.out.empty());
  EXPECT_NE(outcome.err.find("B3"), std::string::npos) << outcome.err;
  EXPECT_NE(outcome.err.find("count"), std::string::npos) << outcome.err;
  EXPECT_NE(outcome.err.find(utf8(u8"\"非0\"")), std::string::npos) << outcome.err;
}

TEST_F(QueryCliTest, UnreadableDatabaseIsNamedAndFails) {
  std::ofstream(folder_.file("junk.edb")) << "not a database";
  const Outcome outcome =
      run(databases() + " " + shellQuoted(folder_.file("junk.edb")), utf8(kYearStemJia));
  EXPECT_EQ(outcome.exitCode, 2);
  EXPECT_NE(outcome.err.find("cannot read " + folder_.file("junk.edb")), std::string::npos);
  EXPECT_NE(outcome.out.find(utf8(u8"三,")), std::string::npos);  // the others were still read
}

TEST_F(QueryCliTest, BadCommandLinesShowUsage) {
  for (const std::string& args : std::vector<std::string>{
           "", "--format xml " + databases(), "--bogus " + databases(), "--conditions"}) {
    const Outcome outcome = run(args);
    EXPECT_EQ(outcome.exitCode, 2) << args;
    EXPECT_NE(outcome.err.find("usage: bazi-query-cli"), std::string::npos) << args;
  }
}

TEST_F(QueryCliTest, ConditionsFromStandardInput) {
  std::ofstream(folder_.file("c.json"), std::ios::binary) << utf8(kYearStemJia);
  const std::string command = shellQuoted(program_) + " --conditions - " + databases() + " < " +
                              shellQuoted(folder_.file("c.json")) + " > /dev/null 2>&1";
  const int status = std::system(command.c_str());
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace bazi
