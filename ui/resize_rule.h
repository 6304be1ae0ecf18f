#pragma once
// How the main parts of the window follow its outer size: the tree view, the
// tab control and both grids grow with the window, and the three labels under
// them move down. Computed sizes are clamped at 0, so a window shrunk below
// about 200 × 140 gives empty controls rather than negative sizes.

#include <QRect>
#include <QSize>

namespace bazi::ui {

struct MainGeometry {
  QRect tree;         // 树型框1, on the window
  QRect tabs;         // 高级选择夹1, on the window
  QRect recordsGrid;  // 高级表格_记录, in tab control coordinates
  QRect resultsGrid;  // 高级表格_结果, in tab control coordinates
  QRect note;         // 标签157, on the window
  QRect status;       // 标签18
  QRect count;        // 标签19
};

// `outer` is the window's size with frame and caption.
MainGeometry resized(MainGeometry current, QSize outer);

}  // namespace bazi::ui
