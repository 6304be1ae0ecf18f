// The bundled sample charts: pillars that agree with the birth dates, enough
// variety, and the same bytes on every build.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "bazi_db_program.h"
#include "edb_engine.h"
#include "pillars.h"

namespace bazi {
namespace {

using samples::BirthMoment;
using testing::TempFolder;

std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// The 记录 folder the build fills beside the programs.
const std::string kSampleFolder = utf8(BAZI_SAMPLE_FOLDER_U8);

std::string pillarsAt(int year, int month, int day, int hour, int minute) {
  return gbk::toUtf8(
      samples::chartText(samples::pillarsOf(BirthMoment{year, month, day, hour, minute})));
}

TEST(SamplePillars, MatchPublishedCharts) {
  EXPECT_EQ(pillarsAt(2000, 1, 1, 0, 0), utf8(u8"己卯 丙子 戊午 壬子"));
  EXPECT_EQ(pillarsAt(1949, 10, 1, 15, 0), utf8(u8"己丑 癸酉 甲子 壬申"));
}

TEST(SamplePillars, YearTurnsAtLichunAndMonthsAtTheirTerms) {
  EXPECT_EQ(pillarsAt(1984, 2, 3, 12, 0), utf8(u8"癸亥 乙丑 丁卯 丙午"));
  EXPECT_EQ(pillarsAt(1984, 2, 4, 12, 0), utf8(u8"甲子 丙寅 戊辰 戊午"));
  EXPECT_EQ(pillarsAt(2000, 1, 5, 22, 30), utf8(u8"己卯 丙子 壬戌 辛亥"));
  EXPECT_EQ(pillarsAt(2000, 1, 6, 0, 30), utf8(u8"己卯 丁丑 癸亥 壬子"));
}

std::vector<std::string> sampleFiles(const std::string& folder) {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".edb") files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// "1985-03-12 08:30"
BirthMoment parseSolarDate(std::string_view text) {
  BirthMoment m{};
  std::sscanf(std::string(text).c_str(), "%d-%d-%d %d:%d", &m.year, &m.month, &m.day, &m.hour,
              &m.minute);
  return m;
}

std::string withoutBlanks(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c != ' ') out += c;
  }
  return out;
}

TEST(SampleFiles, HoldAFewHundredVariedAndConsistentCharts) {
  const auto files = sampleFiles(kSampleFolder);
  ASSERT_GE(files.size(), 2u);
  size_t charts = 0;
  std::set<std::string> sexes;
  int firstYear = 9999, lastYear = 0;
  for (const std::string& file : files) {
    EdbReader reader;
    ASSERT_TRUE(reader.open(file, kAccessPassword)) << file << ": " << reader.lastError();
    for (size_t n = 1; n <= reader.recordCount(); ++n, ++charts) {
      reader.goToRecord(n);
      EXPECT_FALSE(reader.readField(1).empty());
      sexes.insert(std::string(reader.readField(2)));
      const BirthMoment birth = parseSolarDate(reader.readField(3));
      firstYear = std::min(firstYear, birth.year);
      lastYear = std::max(lastYear, birth.year);
      const std::string chart(reader.readField(kChartField + 1));
      EXPECT_EQ(withoutBlanks(chart).size(), 16u) << chart;
      EXPECT_EQ(chart, samples::chartText(samples::pillarsOf(birth))) << reader.readField(3);
    }
  }
  EXPECT_GE(charts, 200u);
  EXPECT_EQ(sexes, (std::set<std::string>{"男", "女"}));
  EXPECT_GE(lastYear - firstYear, 90);
}

TEST(SampleFiles, AreTheSameOnEveryRun) {
  TempFolder first, second;
  ASSERT_EQ(testing::runProgram(BAZI_MAKE_SAMPLES_PROGRAM, {first.path().string()}).exitCode, 0);
  ASSERT_EQ(testing::runProgram(BAZI_MAKE_SAMPLES_PROGRAM, {second.path().string()}).exitCode, 0);
  const auto made = sampleFiles(first.path().string());
  const auto bundled = sampleFiles(kSampleFolder);
  ASSERT_EQ(made.size(), bundled.size());
  for (size_t i = 0; i < made.size(); ++i) {
    const std::string name = std::filesystem::path(made[i]).filename().string();
    EXPECT_EQ(testing::readBytes(made[i]), testing::readBytes(second.file(name))) << name;
    EXPECT_EQ(testing::readBytes(made[i]), testing::readBytes(bundled[i])) << name;
  }
}

}  // namespace
}  // namespace bazi
