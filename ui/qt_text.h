#pragma once
// The window's only crossing between the program's GBK texts and Qt's
// strings, and between Qt's strings and file-system paths.

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

#include "conditions/condition_panel.h"

namespace bazi::ui {

QString toQString(std::string_view gbkText);
std::string toGbk(const QString& text);
QStringList toQStringList(const ChoiceList& list);

QString fromNativePath(const std::string& path);
std::string toNativePath(const QString& path);

}  // namespace bazi::ui
