#include "about_window.h"

#include <QPushButton>

#include "lined_label.h"
#include "widget_factory.h"

namespace bazi::ui {
namespace {

// Lines 12 pixels apart: ">>>>>>" (line 8) comes out beside 按钮2 and the
// heading (line 9) just above the program buttons.
constexpr qreal kLineStep = 12;

QString description() {
  return QStringList{
      QStringLiteral("本软件按您设定的条件，从【Yalvik八字】保存的八字库"),
      QStringLiteral("中筛选出具有共同特征的命例。"),
      QString(),
      QStringLiteral("*【Yalvik八字】是一款四柱排盘软件：排出八字、藏干、"),
      QStringLiteral(" 十神和大运流年，记下姓名、学历、职业、流年事件等"),
      QStringLiteral(" 个人资料，并把命例保存到八字库，供本软件查询。"),
      QString(),
      QString(),
      QStringLiteral(">>>>>>"),
      QStringLiteral("更多软件下载："),
  }
      .join(QLatin1Char('\n'));
}

}  // namespace

AboutWindow::AboutWindow(BundledPages pages, Browser& browser)
    : pages_(std::move(pages)), browser_(browser) {
  setObjectName(QStringLiteral("AboutWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("软件说明："));
  move(50, 50);
  resize(379, 203);

  placeLinedLabel(*this, QStringLiteral("标签1"), description(), {6, 6, 360, 146})
      ->setLineStep(kLineStep);

  placeLink("按钮2", QStringLiteral("下载 Yalvik八字"), {49, 100, 94, 16}, pages::kCompanion);
  placeLink("按钮6", QStringLiteral("八字库查询"), {93, 125, 72, 16}, pages::kWindow);
  placeLink("按钮8", QStringLiteral("命令行查询"), {173, 125, 72, 16}, pages::kQueryCli);
  placeLink("按钮5", QStringLiteral("八字库工具"), {253, 125, 72, 16}, pages::kDatabaseTool);
  placeLink("按钮7", QStringLiteral("排盘计算库"), {93, 149, 72, 16}, pages::kCalculator);
  placeLink("按钮4", QStringLiteral("示例八字库"), {173, 149, 72, 16}, pages::kSampleRecords);
  placeLink("按钮9", QStringLiteral("八字库格式"), {253, 149, 72, 16}, pages::kDatabaseFormat);
}

void AboutWindow::placeLink(const char* name, const QString& caption, QRect geometry,
                            const char* page) {
  QPushButton* button = placeButton(*this, QString::fromUtf8(name), caption, geometry);
  connect(button, &QPushButton::clicked, this,
          [this, page] { browser_.open(pages_.address(page)); });
}

}  // namespace bazi::ui
