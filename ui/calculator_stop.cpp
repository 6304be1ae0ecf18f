#include "calculator_stop.h"

#include "qt_text.h"

namespace bazi::ui {

StopHandler stopWithMessage(MessagePort& messages) {
  return [&messages](const std::string& utf8Message) {
    messages.showMessage(toGbk(QString::fromStdString(utf8Message)),
                         toGbk(QStringLiteral("错误！")), MessageIcon::Error, false);
  };
}

}  // namespace bazi::ui
