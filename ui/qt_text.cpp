#include "qt_text.h"

#include <QFile>

#include "text/gbk_codec.h"

namespace bazi::ui {

QString toQString(std::string_view gbkText) {
  if (gbkText.empty()) return {};
  return QString::fromUtf8(gbk::toUtf8(gbkText));
}

std::string toGbk(const QString& text) { return gbk::fromUtf8(text.toStdString()); }

QStringList toQStringList(const ChoiceList& list) {
  QStringList items;
  items.reserve(list.size());
  for (std::string_view item : list.items) items.append(toQString(item));
  return items;
}

QString fromNativePath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string toNativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace bazi::ui
