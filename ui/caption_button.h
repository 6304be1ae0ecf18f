#pragma once
// A push button whose caption is drawn across the whole button, wrapped when
// it is too wide. The window has buttons too small for the style's text
// margins: "软件说明" on a 32 × 32 button, program names on 16-high buttons.

#include <QPushButton>

namespace bazi::ui {

class CaptionButton : public QPushButton {
  Q_OBJECT

 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace bazi::ui
