// bazi-query: the window of the chart query tool.

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "analysis/chart_analysis.h"
#include "calculator_stop.h"
#include "edb_engine.h"
#include "main_window.h"
#include "qt_ports.h"
#include "qt_text.h"
#include "tarnel_calculator.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Every text of the program is Chinese; Qt's own dialogs and buttons follow.
  QTranslator qtTexts;
  if (qtTexts.load(QStringLiteral("qtbase_zh_CN"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtTexts);
  }

  // The one analysis state, made before the window and freed after it.
  const auto analysis = std::make_unique<bazi::ChartAnalysis>();

  bazi::ui::MessageBoxes messages;
  bazi::TarnelCalculator calculator;
  calculator.setStopHandler(bazi::ui::stopWithMessage(messages));
  // Opens the library now: without it no query can run, and the user should
  // learn that before loading anything.
  calculator.取干支序数(bazi::ui::toGbk(QStringLiteral("甲")));

  bazi::ui::ApplicationFolder folder;
  bazi::ui::DialogFileChooser chooser;
  bazi::EdbReader reader;
  bazi::ui::SystemClock clock;
  bazi::ui::DesktopBrowser browser;
  bazi::ui::MainWindow window(*analysis, calculator,
                              {folder, chooser, reader, messages, clock, browser});
  messages.setMainWindow(&window);
  chooser.setOwner(&window);
  window.show();
  return application.exec();
}
