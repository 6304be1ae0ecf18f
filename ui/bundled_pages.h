#pragma once
// The web pages the program opens are pages shipped with it, in the folder
// "pages" beside the program.

#include <QString>
#include <QUrl>
#include <string>

namespace bazi::ui {

// File names of the pages.
namespace pages {
inline constexpr const char* kUserGuide = "user-guide.html";   // opened at exit
inline constexpr const char* kCompanion = "yalvik-bazi.html";  // 【Yalvik八字】
inline constexpr const char* kWindow = "bazi-query.html";      // this window
inline constexpr const char* kQueryCli = "bazi-query-cli.html";
inline constexpr const char* kDatabaseTool = "bazi-db.html";
inline constexpr const char* kCalculator = "tarnel.html";
inline constexpr const char* kSampleRecords = "sample-records.html";
inline constexpr const char* kDatabaseFormat = "chart-database.html";
}  // namespace pages

class BundledPages {
 public:
  explicit BundledPages(const std::string& programFolder);
  QUrl page(const char* fileName) const;
  // The page's address as the browser port takes it.
  std::string address(const char* fileName) const;

 private:
  QString folder_;
};

}  // namespace bazi::ui
