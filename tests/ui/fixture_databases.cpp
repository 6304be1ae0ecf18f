#include "fixture_databases.h"

#include <QFile>
#include <array>
#include <string>

#include "edb_writer.h"
#include "qt_text.h"
#include "records/load.h"

namespace bazi::ui::test {

FixtureFolder::FixtureFolder() = default;

QString FixtureFolder::database(const QString& fileName,
                                std::initializer_list<FixtureChart> charts) {
  const QString path = dir_.filePath(fileName);
  EdbWriter writer(toNativePath(path), kAccessPassword, "ui-test");
  for (const FixtureChart& chart : charts) {
    std::array<std::string, kFieldCount> texts;
    for (int k = 0; k < kFieldCount; ++k)
      texts[k] = std::string(chart.name) + "-" + std::to_string(k);
    texts[0] = chart.name;
    texts[1] = "男";
    texts[kChartField] = chart.chart;
    std::array<std::string_view, kFieldCount> fields;
    for (int k = 0; k < kFieldCount; ++k) fields[k] = texts[k];
    writer.append(fields);
  }
  writer.commit();
  return path;
}

QString FixtureFolder::notADatabase(const QString& fileName) {
  const QString path = dir_.filePath(fileName);
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write("this is no chart database\n");
  return path;
}

TwoDatabases writeTwoDatabases(FixtureFolder& folder) {
  return {folder.database(QStringLiteral("记录一.edb"), {{"张一", "甲子 乙丑 丙寅 丁卯"},
                                                         {"张二", "甲午 丙寅 戊辰 庚申"},
                                                         {"张三", "乙丑 丁亥 己巳 辛未"}}),
          folder.database(QStringLiteral("记录二.edb"),
                          {{"李四", "丙寅 戊戌 庚午 壬午"}, {"李五", "甲辰 丙子 壬申 癸卯"}})};
}

}  // namespace bazi::ui::test
