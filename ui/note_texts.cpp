#include "note_texts.h"

#include <QStringList>

namespace bazi::ui::notes {
namespace {

QString lines(const QStringList& list) { return list.join(QStringLiteral("\r\n")); }

}  // namespace

QString conditionsAreJoined() {
  return QStringLiteral(
      "注意：1、所有条件均为[并且]关系 ；  2、请自行检查条件设置是否冲突！否则找不到任何八字！");
}

QString howToRead() {
  return lines({
      QStringLiteral("说明："),
      QString(),
      QStringLiteral("条件：选择表示该条件生效！"),
      QStringLiteral("位置：选择表示该位置必须为该条件内容"),
      QStringLiteral("数量：选择表示该条件内容在本分组中的总数量"),
      QStringLiteral("例：上边为八字中的总数量，左边为藏干中的总数量"),
      QString(),
      QStringLiteral("透干：天干上有"),
      QStringLiteral("虚浮：仅天干上有"),
      QStringLiteral("通根：藏干有"),
      QStringLiteral("不透：天干上没有"),
  });
}

QString settingExamples() {
  // The blanks line the columns up under a font whose Chinese characters are
  // two Latin characters wide.
  return lines({
      QStringLiteral("正确设置说明举例："),
      QString(),
      QStringLiteral(
          "八字 条件：不指定  位置：不固定 数量 1      表示条件为任一五行在八字中的数量为1"),
      QStringLiteral(
          "     条件：金      位置：天干   数量 3      表示金在八字中的数量为3且在天干上有金"),
      QString(),
      QStringLiteral("藏干 条件：金      位置：不固定 数量 2      表示条件金在藏干中的数量为2"),
      QStringLiteral("     条件：水      位置：时柱   数量 2 不透 "
                     "表示条件水在藏干中的数量为2且时支藏干有水且天干没有"),
  });
}

QString conflictExamples() {
  return QStringLiteral(
      "冲突举例：1、指定位置数量设置0（指定位置肯定至少为1） "
      "2、五行：八字分组设置透干或虚浮；藏干设置该五行不透（前后条件相反）");
}

}  // namespace bazi::ui::notes
