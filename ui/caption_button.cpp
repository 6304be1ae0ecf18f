#include "caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextOption>

namespace bazi::ui {

void CaptionButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);

  QTextOption layout(Qt::AlignCenter);
  layout.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter.drawText(QRectF(rect()), caption, layout);
}

}  // namespace bazi::ui
