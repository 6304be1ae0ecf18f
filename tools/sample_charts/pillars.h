#pragma once
// The four pillars of a birth moment, for the sample charts. Year and month
// change at fixed approximate dates of the twelve solar terms that open the
// months (立春 on 4 February and so on), which is good enough for samples but
// may be a day off near a term.

#include <string>

namespace bazi::samples {

struct BirthMoment {
  int year;
  int month;   // 1 to 12
  int day;     // 1 to 31
  int hour;    // 0 to 23
  int minute;  // 0 to 59
};

struct Pillar {
  int stem;    // 0 甲 … 9 癸
  int branch;  // 0 子 … 11 亥
};

struct FourPillars {
  Pillar year, month, day, hour;
};

FourPillars pillarsOf(const BirthMoment& moment);

// "甲子 乙丑 丙寅 丁卯" as GBK: four pillars of two characters, blanks between.
std::string chartText(const FourPillars& pillars);

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
long daysFromCivil(int year, int month, int day);

}  // namespace bazi::samples
