#include "pillar_facts.h"

#include <iterator>

namespace tarnel {
namespace {

// In the order of the generating cycle: each element produces the next and
// controls the one after that.
enum Element : uint8_t { kWood, kFire, kEarth, kMetal, kWater };
constexpr const char* kElementTexts[] = {"木", "火", "土", "金", "水"};

constexpr Element kElementOf[] = {
    kWood,  // placeholder for code 0
    kWood,  kWood,  kFire, kFire, kEarth, kEarth, kMetal, kMetal, kWater, kWater,  // 甲 … 癸
    kWater, kEarth, kWood, kWood, kEarth, kFire,  kFire,  kEarth, kMetal, kMetal,  // 子 … 酉
    kEarth, kWater,                                                                // 戌 亥
};

constexpr const char* kHiddenStems[] = {
    "",     "",       "",       "",   "",       "",       "", "", "", "", "",  // code 0, 甲 … 癸
    "癸",   "己癸辛", "甲丙戊", "乙", "戊乙癸", "丙庚戊",                      // 子 … 巳
    "丁己", "己丁乙", "庚壬戊", "辛", "戊辛丁", "壬甲",                        // 午 … 亥
};

static_assert(std::size(kElementOf) == kCodeCount && std::size(kHiddenStems) == kCodeCount);

// Ten gods by the relation of the other element to the day stem's, in the
// order of the generating cycle, each as (same polarity, different polarity).
constexpr const char* kTenGodTexts[] = {
    "",              // not a valid pair
    "比肩", "劫财",  // same element
    "食神", "伤官",  // the day stem produces it
    "偏财", "正财",  // the day stem controls it
    "偏官", "正官",  // it controls the day stem
    "偏印", "正印",  // it produces the day stem
};

constexpr int32_t ordinalOfCode(Code code) {
  return code >= kFirstBranch ? code - kFirstBranch + 1 : code;
}

// The branches whose polarity follows their main hidden stem when swapped.
constexpr bool isSwappable(Code code) {
  constexpr Code kZi = kFirstBranch, kSi = kFirstBranch + 5, kWu = kFirstBranch + 6,
                 kHai = kFirstBranch + 11;
  return code == kZi || code == kSi || code == kWu || code == kHai;
}

constexpr bool isYang(Code code, bool swapped) {
  const bool yangByOrder = ordinalOfCode(code) % 2 == 1;
  return swapped && isSwappable(code) ? !yangByOrder : yangByOrder;
}

using TenGodTable = std::array<std::array<uint8_t, kCodeCount>, kFirstBranch>;

constexpr TenGodTable buildTenGods(bool swapped) {
  TenGodTable table{};
  for (Code day = 1; day < kFirstBranch; ++day) {
    for (Code other = 1; other < kCodeCount; ++other) {
      const int relation = (kElementOf[other] - kElementOf[day] + 5) % 5;
      const bool samePolarity = isYang(day, swapped) == isYang(other, swapped);
      table[day][other] = static_cast<uint8_t>(1 + 2 * relation + (samePolarity ? 0 : 1));
    }
  }
  return table;
}

constexpr TenGodTable kTenGodsByOrder = buildTenGods(false);
constexpr TenGodTable kTenGodsSwapped = buildTenGods(true);

}  // namespace

const char* elementText(Code code) {
  return code == kNotACharacter ? "" : kElementTexts[kElementOf[code]];
}

int32_t ordinalOf(Code code) { return ordinalOfCode(code); }

const char* hiddenStemsText(Code code) { return kHiddenStems[code]; }

const char* tenGodText(Code dayStem, Code other, int32_t swapFlag) {
  if (!isStem(dayStem)) return "";
  const TenGodTable& table = swapFlag == 0 ? kTenGodsSwapped : kTenGodsByOrder;
  return kTenGodTexts[table[dayStem][other]];
}

}  // namespace tarnel
