#include "pillars.h"

#include <array>

namespace bazi::samples {
namespace {

constexpr std::array<const char*, 10> kStems = {"甲", "乙", "丙", "丁", "戊",
                                                "己", "庚", "辛", "壬", "癸"};
constexpr std::array<const char*, 12> kBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                                   "午", "未", "申", "酉", "戌", "亥"};

// The day each month's branch begins (小寒 6 Jan → 丑, 立春 4 Feb → 寅, …,
// 大雪 7 Dec → 子).
struct TermStart {
  int month;
  int day;
  int branch;
};
constexpr std::array<TermStart, 12> kTermStarts = {{{1, 6, 1},
                                                    {2, 4, 2},
                                                    {3, 6, 3},
                                                    {4, 5, 4},
                                                    {5, 6, 5},
                                                    {6, 6, 6},
                                                    {7, 7, 7},
                                                    {8, 8, 8},
                                                    {9, 8, 9},
                                                    {10, 8, 10},
                                                    {11, 7, 11},
                                                    {12, 7, 0}}};

// 1970-01-01 was a 辛巳 day, number 17 of the sixty (甲子 = 0).
constexpr long kEpochDayNumber = 17;

int modulo(long value, int divisor) {
  const long r = value % divisor;
  return static_cast<int>(r < 0 ? r + divisor : r);
}

bool onOrAfter(const BirthMoment& m, int month, int day) {
  return m.month > month || (m.month == month && m.day >= day);
}

}  // namespace

long daysFromCivil(int year, int month, int day) {
  // Howard Hinnant's days_from_civil.
  const long y = year - (month <= 2 ? 1 : 0);
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yearOfEra = y - era * 400;
  const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

FourPillars pillarsOf(const BirthMoment& moment) {
  FourPillars p;
  // The year turns at 立春.
  const int solarYear = onOrAfter(moment, 2, 4) ? moment.year : moment.year - 1;
  p.year = {modulo(solarYear - 4, 10), modulo(solarYear - 4, 12)};

  int monthBranch = 0;  // before 小寒 it is still the 子 month of 大雪
  for (const TermStart& term : kTermStarts) {
    if (onOrAfter(moment, term.month, term.day)) monthBranch = term.branch;
  }
  // 五虎遁: the 寅 month of a 甲 or 己 year is 丙寅, and so on.
  const int monthsFromYin = modulo(monthBranch - 2, 12);
  p.month = {modulo(p.year.stem * 2 + 2 + monthsFromYin, 10), monthBranch};

  const long dayNumber = kEpochDayNumber + daysFromCivil(moment.year, moment.month, moment.day);
  p.day = {modulo(dayNumber, 10), modulo(dayNumber, 12)};

  // 五鼠遁: the 子 hour of a 甲 or 己 day is 甲子. 23:00 counts as the 子
  // hour of the same day.
  const int hourBranch = modulo((moment.hour + 1) / 2, 12);
  p.hour = {modulo(p.day.stem * 2 + hourBranch, 10), hourBranch};
  return p;
}

std::string chartText(const FourPillars& pillars) {
  std::string text;
  for (const Pillar& pillar : {pillars.year, pillars.month, pillars.day, pillars.hour}) {
    if (!text.empty()) text += ' ';
    text += kStems[pillar.stem];
    text += kBranches[pillar.branch];
  }
  return text;
}

}  // namespace bazi::samples
