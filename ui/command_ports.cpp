#include "command_ports.h"

#include <QStringList>

#include "qt_text.h"

namespace bazi::ui {

void TreeFileList::removeAllItems() { tree_.clear(); }

void TreeFileList::addTopLevelItem(std::string_view gbkText) {
  tree_.addTopLevelItem(new QTreeWidgetItem(QStringList{toQString(gbkText)}));
}

void HeldMessages::showMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                               bool ownedByMainWindow) {
  held_.push_back({std::string(text), std::string(caption), icon, ownedByMainWindow});
}

void HeldMessages::passOn(MessagePort& port) {
  const std::vector<Message> messages = std::move(held_);
  held_.clear();
  for (const Message& m : messages)
    port.showMessage(m.text, m.caption, m.icon, m.ownedByMainWindow);
}

void UnreadFilesWarning::filesNotRead(const std::vector<std::string>& paths) {
  QStringList lines{QStringLiteral("以下文件无法读取或未能读完，其中的命例没有全部载入：")};
  for (const std::string& path : paths) lines.append(fromNativePath(path));
  messages_.showMessage(toGbk(lines.join(QLatin1Char('\n'))), toGbk(QStringLiteral("警告：")),
                        MessageIcon::Error, true);
}

}  // namespace bazi::ui
