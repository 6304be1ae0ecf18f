#pragma once
// The controls of a tab page are placed in the tab control's own coordinates,
// tab strip included (a grid at top 27 sits just below the strip). A
// TabCanvas gives a page such a surface: it covers the whole tab control and
// is shifted up and left by the page's offset, so that children keep the
// coordinates they are drawn with. The page clips what lies under the strip.

#include <QWidget>

class QTabWidget;

namespace bazi::ui {

class TabCanvas : public QWidget {
  Q_OBJECT

 public:
  // Adds a page titled `title` to `tabs` and returns the page's canvas.
  static TabCanvas* addPage(QTabWidget& tabs, const QString& title);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TabCanvas(QWidget& page, QTabWidget& tabs);
  bool follows(QObject* watched) const;
  void followTabControl();

  QWidget& page_;
  QTabWidget& tabs_;
};

}  // namespace bazi::ui
