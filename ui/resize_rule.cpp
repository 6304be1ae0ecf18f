#include "resize_rule.h"

#include <algorithm>

namespace bazi::ui {
namespace {

int atLeastZero(int size) { return std::max(size, 0); }

}  // namespace

MainGeometry resized(MainGeometry g, QSize outer) {
  const int w = outer.width();
  const int h = outer.height();
  g.tree.setHeight(atLeastZero(h - g.tree.top() - 90));
  g.tabs.setHeight(atLeastZero(h - g.tabs.top() - 45));
  g.tabs.setWidth(atLeastZero(w - g.tabs.left() - 23));
  // Both grids take their size from the records grid's place on its page.
  const QSize grid(atLeastZero(g.tabs.width() - g.recordsGrid.left() - 5),
                   atLeastZero(g.tabs.height() - g.recordsGrid.top() - 25));
  g.recordsGrid.setSize(grid);
  g.resultsGrid.setSize(grid);
  g.note.moveTop(g.recordsGrid.top() + g.recordsGrid.height() + 10);
  g.status.moveTop(g.tree.top() + g.tree.height() + 2);
  g.count.moveTop(g.tree.top() + g.tree.height() + 24);
  return g;
}

}  // namespace bazi::ui
