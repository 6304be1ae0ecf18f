#pragma once
// The window of the button 软件说明: what the tool does, and links to the
// pages of the programs around it.

#include <QWidget>

#include "bundled_pages.h"
#include "shell_ports.h"

namespace bazi::ui {

class AboutWindow : public QWidget {
  Q_OBJECT

 public:
  AboutWindow(BundledPages pages, Browser& browser);

 private:
  void placeLink(const char* name, const QString& caption, QRect geometry, const char* page);

  const BundledPages pages_;
  Browser& browser_;
};

}  // namespace bazi::ui
