#include "panel_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "qt_text.h"
#include "widget_factory.h"

namespace bazi::ui {
namespace {

constexpr int kControlHeight = 20;

// Where a group sits and what its controls are called: subject, position and
// count combos and the check box of row k are the prefix followed by k.
struct GroupPlacement {
  Group group;
  const char* boxName;
  const char* title;
  QRect box;
  const char* subjectPrefix;
  const char* positionPrefix;
  const char* countPrefix;
  const char* checkPrefix;  // nullptr without a row check box
  const char* checkCaption;
  int checkWidth;
  std::array<int, 12> comboTops;
  std::array<int, 12> labelTops;
  int countAndCheckShift;  // group G draws its counts and check boxes 2 higher
};

constexpr std::array<int, 12> kTopsAB = {18, 43, 68, 93, 118};
constexpr std::array<int, 12> kTopsDE = {18, 45, 72, 100};
constexpr std::array<int, 12> kLabelTopsDE = {18, 47, 74, 100};
constexpr std::array<int, 12> kTopsFG = {18, 44, 70, 96, 122, 148, 174};
constexpr std::array<int, 12> kTopsH = {18, 45, 72, 99, 126, 153, 180, 207, 234, 261, 288, 318};

const GroupPlacement kPlacements[] = {
    {Group::A,
     "分组框7",
     "八字",
     {10, 33, 710, 150},
     "组合框_行",
     "组合框_位置行",
     "组合框_行数量",
     nullptr,
     nullptr,
     0,
     kTopsAB,
     kTopsAB,
     0},
    {Group::B,
     "分组框13",
     "藏干",
     {10, 189, 455, 150},
     "组合框_行0",
     "组合框_位置行0",
     "组合框_行数量0",
     "选择框_行透0",
     "不透",
     45,
     kTopsAB,
     kTopsAB,
     0},
    {Group::C,
     "分组框1",
     "天干",
     {10, 33, 472, 123},
     "组合框_干",
     "组合框_位置干",
     "组合框_干数量",
     "选择框_干藏",
     "藏干无",
     56,
     kTopsAB,
     kTopsAB,
     0},
    {Group::D,
     "分组框2",
     "地支",
     {10, 164, 406, 129},
     "组合框_支",
     "组合框_位置支",
     "组合框_支数量",
     nullptr,
     nullptr,
     0,
     kTopsDE,
     kLabelTopsDE,
     0},
    {Group::E,
     "分组框14",
     "藏干",
     {10, 301, 462, 129},
     "组合框_藏",
     "组合框_位置藏",
     "组合框_藏数量",
     "选择框_干天",
     "不透",
     45,
     kTopsDE,
     kLabelTopsDE,
     0},
    {Group::F,
     "分组框6",
     "八字",
     {10, 33, 712, 205},
     "组合框_神",
     "组合框_位置神",
     "组合框_神数量",
     nullptr,
     nullptr,
     0,
     kTopsFG,
     kTopsFG,
     0},
    {Group::G,
     "分组框22",
     "藏干",
     {10, 246, 462, 202},
     "组合框_神0",
     "组合框_位置神0",
     "组合框_神数量0",
     "选择框_干透0",
     "不透",
     45,
     kTopsFG,
     kTopsFG,
     -2},
    {Group::H,
     "分组框23",
     "神煞",
     {10, 33, 406, 352},
     "组合框_神煞",
     "组合框_位置神煞",
     "组合框_神煞数",
     nullptr,
     nullptr,
     0,
     kTopsH,
     kTopsH,
     0},
};

// Left edges of the row elements inside a group box.
constexpr int kCaptionLeft = 18, kCaptionWidth = 48;
constexpr int kSubjectLeft = 74, kComboWidth = 80;
constexpr int kPositionLabelLeft = 162, kPositionLabelWidth = 32;
constexpr int kPositionLeft = 202;
constexpr int kCountLabelLeft = 290, kCountLabelWidth = 28;
constexpr int kCountLeft = 326, kCountWidth = 65;
constexpr int kCheckLeft = 402;
constexpr int kRevealBoxLeft = 404, kRevealBoxWidth = 296, kRevealBoxHeight = 30;

const char* const kRowCaptions[] = {"条件一：", "条件二：", "条件三：", "条件四：",
                                    "条件五：", "条件六：", "条件七：", "条件八：",
                                    "条件九：", "条件10：", "条件11：", "条件12："};

// The reveal rows: their small group box and the numbers of their radio
// buttons 单选框n, in RevealOption order ("无限制", "透干", "虚浮", "通根", "不透").
struct RevealPlacement {
  int boxNumber;
  int top;
  std::array<int, 5> radios;
};
constexpr RevealPlacement kRevealA[] = {{8, 8, {1, 2, 3, 5, 4}},
                                        {9, 33, {10, 9, 8, 7, 6}},
                                        {10, 58, {15, 14, 13, 12, 11}},
                                        {11, 83, {20, 19, 18, 17, 16}},
                                        {12, 108, {25, 24, 23, 22, 21}}};
constexpr RevealPlacement kRevealF[] = {
    {15, 10, {30, 29, 28, 27, 26}},  {16, 36, {35, 34, 33, 32, 31}},
    {17, 62, {40, 39, 38, 37, 36}},  {18, 88, {45, 44, 43, 42, 41}},
    {19, 114, {50, 49, 48, 47, 46}}, {20, 138, {55, 54, 53, 52, 51}},
    {21, 164, {60, 59, 58, 57, 56}}};
// Left and width of each radio button in its box, in RevealOption order.
constexpr std::array<std::pair<int, int>, 5> kRadioSpans = {
    {{8, 56}, {73, 48}, {130, 46}, {185, 48}, {242, 46}}};
constexpr int kRadioTop = 10, kRadioHeight = 18;

QString numbered(const char* prefix, int k) {
  return QString::fromUtf8(prefix) + QString::number(k);
}

// Unnamed captions are widened to their text when the drawn width is too
// narrow for the font ("数量：" in 28 pixels).
void placeCaption(QWidget& parent, const QString& text, QPoint topLeft, int width,
                  int height = kControlHeight) {
  QLabel* label = placeLabel(parent, QString(), text, QRect(topLeft, QSize(width, height)));
  label->resize(std::max(width, label->sizeHint().width()), height);
}

std::array<QRadioButton*, 5> placeRevealRow(QWidget& groupBox, const RevealPlacement& placement) {
  QGroupBox* box =
      placeGroupBox(groupBox, QStringLiteral("分组框") + QString::number(placement.boxNumber),
                    QString(), {kRevealBoxLeft, placement.top, kRevealBoxWidth, kRevealBoxHeight});
  const QStringList captions = toQStringList(RevealList);
  std::array<QRadioButton*, 5> radios{};
  for (size_t option = 0; option < radios.size(); ++option) {
    const auto [left, width] = kRadioSpans[option];
    radios[option] = placeRadioButton(
        *box, QStringLiteral("单选框") + QString::number(placement.radios[option]),
        captions[static_cast<int>(option)], {left, kRadioTop, width, kRadioHeight});
  }
  return radios;
}

RowControls placeRow(QWidget& box, const GroupPlacement& placement, int k) {
  const GroupInfo& info = groupInfo(placement.group);
  const int top = placement.comboTops[k - 1];
  const int labelTop = placement.labelTops[k - 1];
  const int countTop = top + placement.countAndCheckShift;

  placeCaption(box, QString::fromUtf8(kRowCaptions[k - 1]), {kCaptionLeft, labelTop},
               kCaptionWidth);
  placeCaption(box, QStringLiteral("位置："), {kPositionLabelLeft, labelTop}, kPositionLabelWidth);
  placeCaption(box, QStringLiteral("数量："), {kCountLabelLeft, labelTop}, kCountLabelWidth);

  RowControls row;
  row.subject =
      placeComboBox(box, numbered(placement.subjectPrefix, k), toQStringList(info.subjects),
                    {kSubjectLeft, top, kComboWidth, kControlHeight});
  row.position =
      placeComboBox(box, numbered(placement.positionPrefix, k), toQStringList(info.positions),
                    {kPositionLeft, top, kComboWidth, kControlHeight});
  row.count = placeComboBox(box, numbered(placement.countPrefix, k), toQStringList(info.counts),
                            {kCountLeft, countTop, kCountWidth, kControlHeight});
  if (placement.checkPrefix != nullptr) {
    row.check = placeCheckBox(box, numbered(placement.checkPrefix, k),
                              QString::fromUtf8(placement.checkCaption),
                              {kCheckLeft, countTop, placement.checkWidth, kControlHeight});
  }
  if (placement.group == Group::A) row.reveal = placeRevealRow(box, kRevealA[k - 1]);
  if (placement.group == Group::F) row.reveal = placeRevealRow(box, kRevealF[k - 1]);
  return row;
}

QWidget& pageOf(Group group, const ConditionPages& pages) {
  switch (group) {
    case Group::A:
    case Group::B:
      return pages.elements;
    case Group::C:
    case Group::D:
    case Group::E:
      return pages.stemsAndBranches;
    case Group::F:
    case Group::G:
      return pages.tenGods;
    case Group::H:
      break;
  }
  return pages.shensha;
}

// ---- 条件5—信息 -------------------------------------------------------------

struct InfoPlacement {
  InfoField field;
  const char* name;
  const char* caption;
  QPoint captionAt;
  QRect combo;
};

void placeInfoFields(QWidget& page, PanelControls& controls) {
  placeLabel(page, QStringLiteral("标签17"), QStringLiteral("性别："), {10, 52, 33, 20});
  controls.info[static_cast<size_t>(InfoField::Gender)] = placeComboBox(
      page, QStringLiteral("组合框_性别"), toQStringList(GenderList), {50, 52, 84, 20});

  QGroupBox* education =
      placeGroupBox(page, QStringLiteral("分组框4"), QStringLiteral("学历"), {10, 82, 174, 51});
  QGroupBox* occupations = placeGroupBox(page, QStringLiteral("分组框3"),
                                         QStringLiteral("行业关键字"), {10, 143, 174, 102});
  QGroupBox* events = placeGroupBox(page, QStringLiteral("分组框5"), QStringLiteral("事件关键字"),
                                    {10, 257, 410, 148});

  // Captions start 4 pixels above their combos, as "学历：" does, and reach 4
  // below them, so their text centres on the combo.
  const InfoPlacement typed[] = {
      {InfoField::Education, "组合框_学历", "学历：", {18, 18}, {67, 22, 100, 20}},
      {InfoField::Occupation1, "组合框_职业1", "职业1：", {18, 18}, {65, 22, 100, 20}},
      {InfoField::Occupation2, "组合框_职业2", "职业2：", {18, 43}, {65, 47, 100, 20}},
      {InfoField::Occupation3, "组合框_职业3", "职业3：", {18, 68}, {65, 72, 100, 20}},
      {InfoField::Event1, "组合框_事件1", "流年事件1：", {18, 18}, {86, 22, 315, 20}},
      {InfoField::Event2, "组合框_事件2", "流年事件2：", {18, 42}, {86, 46, 315, 20}},
      {InfoField::Event3, "组合框_事件3", "流年事件3：", {18, 66}, {86, 70, 315, 20}},
      {InfoField::Event4, "组合框_事件4", "流年事件4：", {18, 90}, {86, 94, 315, 20}},
      {InfoField::Event5, "组合框_事件5", "流年事件5：", {18, 114}, {86, 118, 315, 20}},
  };
  for (const InfoPlacement& p : typed) {
    QWidget& box = p.field == InfoField::Education     ? *education
                   : p.field <= InfoField::Occupation3 ? *occupations
                                                       : *events;
    const QString caption = QString::fromUtf8(p.caption);
    placeCaption(box, caption, p.captionAt, p.combo.left() - p.captionAt.x(), kControlHeight + 8);
    controls.info[static_cast<size_t>(p.field)] =
        placeComboBox(box, QString::fromUtf8(p.name), toQStringList(infoFieldList(p.field)),
                      p.combo, ComboEntry::Typed);
  }
}

}  // namespace

PanelControls buildConditionPanel(const ConditionPages& pages) {
  PanelControls controls;
  for (const GroupPlacement& placement : kPlacements) {
    QGroupBox* box =
        placeGroupBox(pageOf(placement.group, pages), QString::fromUtf8(placement.boxName),
                      QString::fromUtf8(placement.title), placement.box);
    auto& rows = controls.groups[static_cast<size_t>(placement.group)];
    for (int k = 1; k <= groupInfo(placement.group).rowCount; ++k) {
      rows.push_back(placeRow(*box, placement, k));
    }
  }
  controls.yinYangSwap = placeCheckBox(pages.tenGods, QStringLiteral("选择框1"),
                                       QStringLiteral("亥子巳午阴阳置换"), {482, 248, 128, 24});
  placeInfoFields(pages.info, controls);
  return controls;
}

}  // namespace bazi::ui
