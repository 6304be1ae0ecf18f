#include "main_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>

#include "about_window.h"
#include "command_ports.h"
#include "lined_label.h"
#include "note_texts.h"
#include "panel_binding.h"
#include "panel_layout.h"
#include "qt_text.h"
#include "query/query_run.h"
#include "records/load.h"
#include "tab_canvas.h"
#include "widget_factory.h"

namespace bazi::ui {
namespace {

QString caption() {
  return QStringLiteral(
      "Yalvik八字库查询 V2.0    联系方式：见用户指南    如发现软件BUG，请与作者联系！");
}

QFont windowFont(QFont font) {
  font.setPixelSize(12);
  return font;
}

// Chinese characters two Latin characters wide, so the blanks of 标签159 line
// its columns up.
QFont alignedFont(QFont font) {
  font.setFamilies({QStringLiteral("WenQuanYi Zen Hei Mono"), QStringLiteral("NSimSun"),
                    QStringLiteral("SimSun")});
  font.setStyleHint(QFont::TypeWriter);
  font.setPixelSize(12);
  return font;
}

LinedLabel* placeNote(QWidget& parent, const char* name, const QString& text, QRect geometry) {
  return placeLinedLabel(parent, QString::fromUtf8(name), text, geometry);
}

// Marks a command as running for as long as it lives.
class BusyScope {
 public:
  explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
  ~BusyScope() { busy_ = false; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool& busy_;
};

QTableView* placeGrid(QWidget& page, const char* name, ChartTableModel& model) {
  auto* grid = new QTableView(&page);
  grid->setObjectName(QString::fromUtf8(name));
  grid->setGeometry(6, 27, 763, 430);
  setUpChartGrid(*grid, model);
  return grid;
}

}  // namespace

MainWindow::MainWindow(ChartAnalysis& analysis, PillarCalculator& calculator, ShellPorts ports)
    : analysis_(analysis),
      calculator_(calculator),
      ports_(ports),
      pages_(ports.folder.programFolder()),
      recordsModel_(workspace_.records),
      resultsModel_(workspace_.results) {
  setObjectName(QStringLiteral("MainWindow"));
  setWindowTitle(caption());
  setFont(windowFont(font()));
  buildLayout();
  move(50, 50);
  resize(kInitialOuterSize);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildLayout() {
  QPushButton* load = placeButton(*this, QStringLiteral("按钮_载入数据库"),
                                  QStringLiteral("载入数据库"), {11, 8, 110, 32});
  QPushButton* about =
      placeButton(*this, QStringLiteral("按钮1"), QStringLiteral("软件说明"), {126, 9, 32, 32});
  tree_ = new QTreeWidget(this);
  tree_->setObjectName(QStringLiteral("树型框1"));
  tree_->setGeometry(8, 46, 150, 395);
  tree_->setHeaderHidden(true);
  tree_->setRootIsDecorated(false);
  status_ = placeLabel(*this, QStringLiteral("标签18"), QString(), {8, 447, 120, 20});
  count_ = placeLabel(*this, QStringLiteral("标签19"), QString(), {38, 474, 120, 20});
  buildTabs();
  // Created after the tab control, so it stands over its lower edge.
  note_ = placeLabel(*this, QStringLiteral("标签157"), notes::conditionsAreJoined(),
                     {174, 470, 752, 20});

  connect(load, &QPushButton::clicked, this, &MainWindow::loadDatabases);
  connect(about, &QPushButton::clicked, this, &MainWindow::openAboutWindow);
}

void MainWindow::buildTabs() {
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("高级选择夹1"));
  tabs_->setGeometry(164, 8, 776, 490);

  TabCanvas* records = TabCanvas::addPage(*tabs_, QStringLiteral("八字记录"));
  TabCanvas* elements = TabCanvas::addPage(*tabs_, QStringLiteral("条件1—五行"));
  TabCanvas* stems = TabCanvas::addPage(*tabs_, QStringLiteral("条件2—干支"));
  TabCanvas* tenGods = TabCanvas::addPage(*tabs_, QStringLiteral("条件3—十神"));
  TabCanvas* shensha = TabCanvas::addPage(*tabs_, QStringLiteral("条件4—神煞"));
  TabCanvas* info = TabCanvas::addPage(*tabs_, QStringLiteral("条件5—信息"));
  TabCanvas* results = TabCanvas::addPage(*tabs_, QStringLiteral("查询结果"));

  recordsGrid_ = placeGrid(*records, "高级表格_记录", recordsModel_);
  resultsGrid_ = placeGrid(*results, "高级表格_结果", resultsModel_);

  PanelControls controls = buildConditionPanel({*elements, *stems, *tenGods, *shensha, *info});
  placeNote(*elements, "标签158", notes::howToRead(), {472, 203, 288, 136});
  placeNote(*elements, "标签159", notes::settingExamples(), {10, 344, 734, 89})
      ->setFont(alignedFont(font()));
  placeNote(*elements, "标签160", notes::conflictExamples(), {10, 431, 632, 20});
  QPushButton* query = placeButton(*tenGods, QStringLiteral("按钮_查询"), QStringLiteral("查询"),
                                   {546, 368, 176, 80});
  connect(query, &QPushButton::clicked, this, &MainWindow::runQueryCommand);

  binding_ = new PanelBinding(panel_, std::move(controls), this);
  binding_->showModel();
}

void MainWindow::loadDatabases() {
  if (busy_) return;
  const BusyScope busy(busy_);
  HeldMessages held;
  {
    TreeFileList files(*tree_);
    UnreadFilesWarning warnings(held);
    LoadProgressDialog progress(*this, progressDelay_);
    LoadPorts ports{ports_.folder, ports_.chooser, ports_.reader, files, warnings, &progress};
    recordsModel_.beginRefill();
    loadChartDatabases(workspace_, ports);
    recordsModel_.endRefill();
  }
  applyColumnWidths(*recordsGrid_, workspace_.records);
  showLabels();
  held.passOn(ports_.messages);
}

void MainWindow::runQueryCommand() {
  if (busy_) return;
  const BusyScope busy(busy_);
  HeldMessages held;
  {
    QueryProgressDialog progress(*this, progressDelay_);
    QueryPorts ports{held, *this, &progress};
    resultsModel_.beginRefill();
    runQuery(workspace_, panel_, analysis_, calculator_, ports);
    resultsModel_.endRefill();
  }
  applyColumnWidths(*resultsGrid_, workspace_.results);
  showLabels();
  held.passOn(ports_.messages);
}

void MainWindow::openAboutWindow() {
  if (busy_) return;
  std::erase_if(aboutWindows_, [](const QPointer<AboutWindow>& closed) { return closed.isNull(); });
  auto* about = new AboutWindow(pages_, ports_.browser);
  aboutWindows_.emplace_back(about);
  about->show();
}

void MainWindow::switchToTab(int index) { tabs_->setCurrentIndex(index); }

void MainWindow::showLabels() {
  status_->setText(toQString(workspace_.statusLabel));
  count_->setText(toQString(workspace_.countLabel));
}

// Before the window is framed the frame adds nothing.
QSize MainWindow::frameExtent() const { return frameGeometry().size() - geometry().size(); }

QSize MainWindow::outerSize() const { return size() + frameExtent(); }

void MainWindow::resizeOuter(QSize outer) { resize(outer - frameExtent()); }

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The frame is known once the window is shown: the first size is an outer one.
  if (!shown_) resizeOuter(kInitialOuterSize);
  shown_ = true;
}

MainGeometry MainWindow::currentGeometry() const {
  return {tree_->geometry(),        tabs_->geometry(), recordsGrid_->geometry(),
          resultsGrid_->geometry(), note_->geometry(), status_->geometry(),
          count_->geometry()};
}

void MainWindow::applyGeometry(const MainGeometry& g) {
  tree_->setGeometry(g.tree);
  tabs_->setGeometry(g.tabs);
  recordsGrid_->setGeometry(g.recordsGrid);
  resultsGrid_->setGeometry(g.resultsGrid);
  note_->setGeometry(g.note);
  status_->setGeometry(g.status);
  count_->setGeometry(g.count);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  applyGeometry(resized(currentGeometry(), outerSize()));
}

void MainWindow::openExitPageIfDue() {
  if (exitPageDue(ports_.clock.currentSecond())) {
    ports_.browser.open(pages_.address(pages::kUserGuide));
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  openExitPageIfDue();
  for (const QPointer<AboutWindow>& about : aboutWindows_) {
    if (about) about->close();
  }
  aboutWindows_.clear();
  event->accept();
}

}  // namespace bazi::ui
