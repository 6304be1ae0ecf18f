#pragma once
// A grid's view of a RecordTable or ResultTable: the title row is the fixed
// header, then the records, then the one empty trailing row. Cells are read
// from the table when painted, so a million loaded charts cost the view
// nothing per cell.

#include <QAbstractTableModel>

#include "records/record_table.h"

class QTableView;

namespace bazi::ui {

class ChartTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ChartTableModel(const ChartTable& table, QObject* parent = nullptr);

  // Bracket every change of the table: the load and the query refill it. In
  // between the grid shows no rows, so a repaint while a progress dialog lets
  // the window paint never reads a table half refilled.
  void beginRefill();
  void endRefill();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const ChartTable& table_;
  bool refilling_ = false;
};

// Row height, default column width and a fixed title row, as the grids have.
void setUpChartGrid(QTableView& view, ChartTableModel& model);
// Copies the table's column widths into the grid (after each fill).
void applyColumnWidths(QTableView& view, const ChartTable& table);

}  // namespace bazi::ui
