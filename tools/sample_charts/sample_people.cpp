#include "sample_people.h"

#include <array>
#include <cstdio>
#include <string>

#include "pillars.h"

namespace bazi::samples {
namespace {

template <typename List>
const char* pick(SampleRandom& random, const List& list) {
  return list[random.below(static_cast<int>(list.size()))];
}

// Names follow the usual way of writing an anonymous person, surname + 某 +
// one character, so nobody takes them for real people.
constexpr std::array kSurnames = {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周",
                                  "徐", "孙", "马", "朱", "胡", "郭", "何", "林", "高", "罗"};
constexpr std::array kNameEnds = {"甲", "乙", "丙", "丁", "一", "二", "三", "四",
                                  "明", "华", "芳", "静", "强", "军", "丽", "平"};
constexpr std::array kPlaces = {"北京",     "上海",     "天津",     "重庆",     "河北石家庄",
                                "山西太原", "辽宁沈阳", "吉林长春", "江苏南京", "浙江杭州",
                                "安徽合肥", "福建福州", "江西南昌", "山东济南", "河南郑州",
                                "湖北武汉", "湖南长沙", "广东广州", "四川成都", "陕西西安"};
constexpr std::array kEducation = {"小学", "初中", "高中", "中专", "大专", "本科", "硕士", "博士"};
constexpr std::array kCharacter = {"开朗", "内向", "稳重", "急躁", "随和", "固执", "细心", "豪爽"};
constexpr std::array kLooks = {"端正", "清秀", "魁梧", "普通", "瘦小", "富态"};
constexpr std::array kZodiac = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                "马", "羊", "猴", "鸡", "狗", "猪"};
constexpr std::array kOccupations = {"教师", "医生", "工程师", "会计", "公务员", "个体经营",
                                     "农民", "军人", "律师",   "厨师", "司机",   "销售",
                                     "护士", "记者", "设计师", "工人"};
// Yearly events with the ages at which they are plausible.
struct LifeEvent {
  const char* text;
  int fromAge;
  int toAge;
};
constexpr std::array<LifeEvent, 12> kEvents = {{{"考上大学", 17, 22},
                                                {"参军", 18, 24},
                                                {"出国", 18, 50},
                                                {"升职", 25, 58},
                                                {"调动", 22, 58},
                                                {"搬家", 18, 80},
                                                {"购房", 24, 60},
                                                {"创业", 22, 55},
                                                {"失业", 22, 58},
                                                {"生病住院", 30, 90},
                                                {"车祸受伤", 18, 80},
                                                {"退休", 55, 65}}};

std::string number(int value) { return std::to_string(value); }

BirthMoment randomMoment(SampleRandom& random) {
  const long first = daysFromCivil(1920, 1, 1);
  const long last = daysFromCivil(2019, 12, 31);
  long day = first + random.below(static_cast<int>(last - first + 1));
  // Back from the day count to a civil date (Hinnant's civil_from_days).
  day += 719468;
  const long era = (day >= 0 ? day : day - 146096) / 146097;
  const long dayOfEra = day - era * 146097;
  const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long mp = (5 * dayOfYear + 2) / 153;
  BirthMoment m;
  m.day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  m.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  m.year = static_cast<int>(yearOfEra + era * 400 + (m.month <= 2 ? 1 : 0));
  // 23:00 to 0:00 is left out: schools disagree on the day of that hour.
  m.hour = random.below(23);
  m.minute = random.below(60);
  return m;
}

std::string solarDateText(const BirthMoment& m) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", m.year, m.month, m.day, m.hour,
                m.minute);
  return text;
}

void fillMarriage(SampleRandom& random, const BirthMoment& birth, ChartRecord& record) {
  const bool married = birth.year < 1995 && random.below(10) < 8;
  if (!married) {
    record[13] = "未婚";
    record[14] = "0";
    return;
  }
  record[11] = number(birth.year + 21 + random.below(12)) + "年";
  record[12] = pick(random, kZodiac);
  constexpr std::array kStates = {"已婚", "已婚", "已婚", "离异", "再婚", "丧偶"};
  record[13] = pick(random, kStates);
  record[14] = number(random.below(4));
}

void fillEvents(SampleRandom& random, const BirthMoment& birth, ChartRecord& record) {
  const int wanted = random.below(6);
  int filled = 0;
  int year = birth.year + 16;
  while (filled < wanted) {
    year += 1 + random.below(8);
    if (year >= 2024) break;
    const LifeEvent& event = kEvents[random.below(static_cast<int>(kEvents.size()))];
    const int age = year - birth.year;
    if (age < event.fromAge || age > event.toAge) continue;
    record[18 + filled++] = number(year) + "年" + event.text;
  }
}

}  // namespace

ChartRecord makeSampleChart(SampleRandom& random) {
  ChartRecord record;
  const BirthMoment birth = randomMoment(random);
  record[0] = std::string(pick(random, kSurnames)) + "某" + pick(random, kNameEnds);
  record[1] = random.below(2) == 0 ? "男" : "女";
  record[2] = solarDateText(birth);
  record[5] = chartText(pillarsOf(birth));
  record[6] = pick(random, kPlaces);
  const int age = 2024 - birth.year;
  // Children are pupils; adults have any schooling.
  record[7] = age < 18 ? kEducation[age < 12 ? 0 : 1 + random.below(2)] : pick(random, kEducation);
  record[8] = pick(random, kCharacter);
  record[9] = pick(random, kLooks);
  record[10] = number(random.below(6));
  fillMarriage(random, birth, record);
  if (age < 18) {
    record[15] = "学生";
  } else {
    const int jobs = 1 + random.below(3);
    for (int j = 0; j < jobs; ++j) record[15 + j] = pick(random, kOccupations);
  }
  fillEvents(random, birth, record);
  record[23] = record[6] + "人，" + record[7] + "学历，做过" + record[15] + "。";
  record[25] = "虚构示例";
  return record;
}

uint64_t SampleRandom::next() {
  // splitmix64
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::vector<ChartRecord> makeSampleCharts(uint64_t seed, int count) {
  SampleRandom random(seed);
  std::vector<ChartRecord> charts;
  charts.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) charts.push_back(makeSampleChart(random));
  return charts;
}

}  // namespace bazi::samples
