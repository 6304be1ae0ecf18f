#pragma once
// The main window: the load and about buttons, the files of the last load,
// the status and count labels, and seven tab pages with the records grid, the
// condition panel and the results grid. It owns the tables and the panel; the
// load and the query change them, and the window shows them afterwards.

#include <QPointer>
#include <QWidget>
#include <chrono>

#include "analysis/chart_analysis.h"
#include "bundled_pages.h"
#include "chart_table_model.h"
#include "conditions/condition_panel.h"
#include "progress_dialog.h"
#include "records/workspace.h"
#include "resize_rule.h"
#include "shell_ports.h"

class QLabel;
class QTabWidget;
class QTableView;
class QTreeWidget;

namespace bazi::ui {

class AboutWindow;
class PanelBinding;

inline constexpr QSize kInitialOuterSize(951, 534);

class MainWindow : public QWidget, private TabSwitcher {
  Q_OBJECT

 public:
  MainWindow(ChartAnalysis& analysis, PillarCalculator& calculator, ShellPorts ports);
  ~MainWindow() override;

  const Workspace& workspace() const { return workspace_; }
  const ConditionPanel& panel() const { return panel_; }
  // The size the resize rule reads: frame and caption included.
  QSize outerSize() const;
  void resizeOuter(QSize outer);

  // The commands of the buttons 按钮_载入数据库, 按钮_查询 and 按钮1. While a
  // load or a query runs, none of them starts.
  void loadDatabases();
  void runQueryCommand();
  void openAboutWindow();

  // How long a load or a query runs before its progress dialog shows.
  void setProgressDelay(std::chrono::milliseconds delay) { progressDelay_ = delay; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void switchToTab(int index) override;
  QSize frameExtent() const;
  void buildLayout();
  void buildTabs();
  void showLabels();
  MainGeometry currentGeometry() const;
  void applyGeometry(const MainGeometry& geometry);
  void openExitPageIfDue();

  Workspace workspace_;
  ConditionPanel panel_;
  ChartAnalysis& analysis_;
  PillarCalculator& calculator_;
  ShellPorts ports_;
  BundledPages pages_;

  ChartTableModel recordsModel_;
  ChartTableModel resultsModel_;
  QTreeWidget* tree_ = nullptr;
  QLabel* status_ = nullptr;
  QLabel* count_ = nullptr;
  QLabel* note_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QTableView* recordsGrid_ = nullptr;
  QTableView* resultsGrid_ = nullptr;
  PanelBinding* binding_ = nullptr;
  std::vector<QPointer<AboutWindow>> aboutWindows_;
  bool shown_ = false;
  // A load or query is running. Its progress dialog blocks the user's input
  // to the window but lets events through, so the commands check this too.
  bool busy_ = false;
  std::chrono::milliseconds progressDelay_ = kProgressDelay;
};

}  // namespace bazi::ui
