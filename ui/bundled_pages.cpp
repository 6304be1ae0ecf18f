#include "bundled_pages.h"

#include <QDir>

#include "qt_text.h"

namespace bazi::ui {

BundledPages::BundledPages(const std::string& programFolder)
    : folder_(QDir(fromNativePath(programFolder)).filePath(QStringLiteral("pages"))) {}

std::string BundledPages::address(const char* fileName) const {
  return page(fileName).toEncoded().toStdString();
}

QUrl BundledPages::page(const char* fileName) const {
  return QUrl::fromLocalFile(QDir(folder_).filePath(QString::fromUtf8(fileName)));
}

}  // namespace bazi::ui
