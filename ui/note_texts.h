#pragma once
// The fixed notes of the main window. Lines are separated by "\r\n", as the
// notes were written.

#include <QString>

namespace bazi::ui::notes {

QString conditionsAreJoined();  // 标签157, below the tab control
QString howToRead();            // 标签158, page "条件1—五行"
QString settingExamples();      // 标签159
QString conflictExamples();     // 标签160

}  // namespace bazi::ui::notes
