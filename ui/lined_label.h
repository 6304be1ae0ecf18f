#pragma once
// A label of several fixed lines, one line step apart. The notes were laid out
// for a font with tight lines; a font with more leading would push their last
// lines out of the label, so by default the step shrinks until the lines fit
// and the block is centred. The about window places buttons beside its lines
// and asks for a fixed step instead. The text itself is left as written.

#include <QLabel>

namespace bazi::ui {

class LinedLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

  // Lines `step` pixels apart from the top; 0 fits them as described above.
  void setLineStep(qreal step) { fixedStep_ = step; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  qreal fixedStep_ = 0;
};

}  // namespace bazi::ui
