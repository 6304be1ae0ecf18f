#include "chart_table_model.h"

#include <QHeaderView>
#include <QTableView>

#include "qt_text.h"

namespace bazi::ui {

ChartTableModel::ChartTableModel(const ChartTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

void ChartTableModel::beginRefill() {
  beginResetModel();
  refilling_ = true;
  endResetModel();
}

void ChartTableModel::endRefill() {
  beginResetModel();
  refilling_ = false;
  endResetModel();
}

int ChartTableModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || refilling_) return 0;
  // Grid rows 1 .. n + 1: the records and the empty trailing row.
  return static_cast<int>(table_.rowCount() - 1);
}

int ChartTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kFieldCount;
}

QVariant ChartTableModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || refilling_) return {};
  return toQString(table_.cell(static_cast<size_t>(index.row()) + 1, index.column()));
}

QVariant ChartTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  if (section < 0 || section >= kFieldCount) return {};
  return toQString(table_.titleAt(section));
}

void setUpChartGrid(QTableView& view, ChartTableModel& model) {
  view.setModel(&model);
  view.setSelectionMode(QAbstractItemView::NoSelection);
  view.setEditTriggers(QAbstractItemView::NoEditTriggers);
  view.setWordWrap(false);
  QHeaderView& rows = *view.verticalHeader();
  rows.hide();
  // Fixed, equal rows let the view place a million rows without measuring any.
  rows.setSectionResizeMode(QHeaderView::Fixed);
  rows.setMinimumSectionSize(1);
  rows.setDefaultSectionSize(kDefaultRowHeight);
  QHeaderView& titles = *view.horizontalHeader();
  titles.setSectionsMovable(false);
  titles.setMinimumSectionSize(1);
  titles.setDefaultSectionSize(kDefaultColumnWidth);
  titles.setFixedHeight(kDefaultRowHeight);
  titles.setHighlightSections(false);
}

void applyColumnWidths(QTableView& view, const ChartTable& table) {
  for (int column = 0; column < kFieldCount; ++column) {
    view.setColumnWidth(column, table.columnWidth(column));
  }
}

}  // namespace bazi::ui
