#include "lined_label.h"

#include <QPainter>
#include <QRegularExpression>
#include <algorithm>

namespace bazi::ui {

void LinedLabel::paintEvent(QPaintEvent*) {
  static const QRegularExpression kLineBreak(QStringLiteral("\r?\n"));
  const QStringList lines = text().split(kLineBreak);
  const QRectF area = contentsRect();
  qreal step = fixedStep_;
  qreal top = area.top();
  if (step <= 0) {
    step = std::min<qreal>(fontMetrics().lineSpacing(), area.height() / lines.size());
    top += (area.height() - step * lines.size()) / 2;
  }
  QPainter painter(this);
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QRectF line(area.left(), top + i * step, area.width(), step);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, lines[i]);
  }
}

}  // namespace bazi::ui
