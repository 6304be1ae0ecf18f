#pragma once
// Small chart databases written for a test into a temporary folder.

#include <QString>
#include <QTemporaryDir>
#include <initializer_list>

namespace bazi::ui::test {

struct FixtureChart {
  const char* name;   // UTF-8
  const char* chart;  // the "八字" field, UTF-8
};

class FixtureFolder {
 public:
  FixtureFolder();
  // Writes a chart database of the given charts; the other fields are filled
  // from the name. Returns its path.
  QString database(const QString& fileName, std::initializer_list<FixtureChart> charts);
  // A file that is no chart database.
  QString notADatabase(const QString& fileName);

 private:
  QTemporaryDir dir_;
};

// Two files of 3 and 2 charts. Charts 1, 2 and 5 have 甲 as their year stem.
struct TwoDatabases {
  QString first;   // 记录一.edb
  QString second;  // 记录二.edb
};
TwoDatabases writeTwoDatabases(FixtureFolder& folder);

}  // namespace bazi::ui::test
