#include "tab_canvas.h"

#include <QEvent>
#include <QTabWidget>

namespace bazi::ui {

TabCanvas* TabCanvas::addPage(QTabWidget& tabs, const QString& title) {
  auto* page = new QWidget;
  tabs.addTab(page, title);
  return new TabCanvas(*page, tabs);
}

// The page's offset changes when the tab control lays out its page stack, and
// the page itself only learns of that when it is resized or shown; so the
// stack and the tab control are watched too.
TabCanvas::TabCanvas(QWidget& page, QTabWidget& tabs) : QWidget(&page), page_(page), tabs_(tabs) {
  page_.installEventFilter(this);
  page_.parentWidget()->installEventFilter(this);
  tabs_.installEventFilter(this);
  followTabControl();
}

bool TabCanvas::follows(QObject* watched) const {
  return watched == &page_ || watched == &tabs_ || watched == page_.parentWidget();
}

bool TabCanvas::eventFilter(QObject* watched, QEvent* event) {
  if (follows(watched)) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) {
      followTabControl();
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TabCanvas::followTabControl() {
  const QPoint pageOffset = page_.mapTo(&tabs_, QPoint(0, 0));
  setGeometry(QRect(-pageOffset, tabs_.size()));
}

}  // namespace bazi::ui
