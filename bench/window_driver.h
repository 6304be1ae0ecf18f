#pragma once
// What the window benchmark does to the window, the way a user does it: pick
// list items, press buttons, wait for the grid to be painted.

#include <QObject>
#include <QString>
#include <vector>

class QWidget;

namespace bazi::bench {

// A condition row as the user sets it: combo names and item texts (UTF-8),
// and the reveal radio button to check, if any.
struct RowChoice {
  const char* subjectCombo;
  const char* subject;
  const char* positionCombo;
  const char* position;
  const char* countCombo;
  const char* count;
  const char* revealRadio = nullptr;
};

// The condition sets of query_bench: ten set rows over groups A to G, and one.
std::vector<RowChoice> tenRows();
std::vector<RowChoice> oneRow();

// Each throws std::runtime_error naming the control when the user could not do it.
void chooseItem(QWidget& window, const char* comboName, const char* itemText);
void setRows(QWidget& window, const std::vector<RowChoice>& rows);
// Sets the rows' subjects back to "-", which clears the rows.
void clearRows(QWidget& window, const std::vector<RowChoice>& rows);
void press(QWidget& window, const char* buttonName);
void showPage(QWidget& window, int index);

// Notes when a widget is painted.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(QWidget& widget);
  void reset() { painted_ = false; }
  // Lets the window handle its events until the widget has been painted;
  // false when that takes longer than `timeoutSeconds`.
  bool waitForPaint(double timeoutSeconds);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool painted_ = false;
};

}  // namespace bazi::bench
