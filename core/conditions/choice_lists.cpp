#include <algorithm>
#include <array>

#include "conditions/condition_panel.h"

namespace bazi {
namespace {

using Items = std::string_view;

constexpr std::array<Items, 7> kElements = {"-", "不指定", "金", "水", "木", "火", "土"};
constexpr std::array<Items, 12> kStems = {"-",  "不指定", "甲", "乙", "丙", "丁",
                                          "戊", "己",     "庚", "辛", "壬", "癸"};
constexpr std::array<Items, 14> kBranches = {"-",  "不指定", "子", "丑", "寅", "卯", "辰",
                                             "巳", "午",     "未", "申", "酉", "戌", "亥"};
constexpr std::array<Items, 12> kTenGods = {"-",    "不指定", "正印", "偏印", "正官", "偏官",
                                            "正财", "偏财",   "伤官", "食神", "比肩", "劫财"};
constexpr std::array<Items, 14> kShensha = {"-",    "天乙贵人", "天德贵人", "月德贵人", "天医",
                                            "咸池", "驿马",     "将星",     "华盖",     "童子",
                                            "元辰", "指背",     "卷舌",     "空亡"};
constexpr std::array<Items, 11> kChartPositions = {"不固定", "年干", "年支", "月干", "月支", "日干",
                                                   "日支",   "时干", "时支", "天干", "地支"};
constexpr std::array<Items, 10> kTenGodPositions = {"不固定", "年干", "年支", "月干", "月支",
                                                    "日支",   "时干", "时支", "天干", "地支"};
constexpr std::array<Items, 5> kPillarPositions = {"不固定", "年柱", "月柱", "日柱", "时柱"};
constexpr std::array<Items, 5> kStemPositions = {"不固定", "年干", "月干", "日干", "时干"};
constexpr std::array<Items, 5> kBranchPositions = {"不固定", "年支", "月支", "日支", "时支"};
constexpr std::array<Items, 18> kCounts4 = {"0",   "1",   "2",   "3",   "4",   "非0",
                                            "非1", "非2", "非3", "非4", ">=0", ">=1",
                                            ">=2", ">=3", "<=4", "<=3", "<=2", "<=1"};
constexpr std::array<Items, 26> kCounts6 = {
    "0",   "1",   "2",   "3",   "4",   "5",   "6",   "非0", "非1", "非2", "非3", "非4", "非5",
    "非6", ">=0", ">=1", ">=2", ">=3", ">=4", ">=5", "<=6", "<=5", "<=4", "<=3", "<=2", "<=1"};
constexpr std::array<Items, 29> kCounts7 = {"0",   "1",   "2",   "3",   "4",   "5",   "6",   "7",
                                            "非0", "非1", "非2", "非3", "非4", "非5", "非6", "非7",
                                            ">=1", ">=2", ">=3", ">=4", ">=5", ">=6", "<=7", "<=6",
                                            "<=5", "<=4", "<=3", "<=2", "<=1"};
constexpr std::array<Items, 30> kCounts8 = {"0",   "1",   "2",   "3",   "4",   "5",   "6",   "7",
                                            "8",   "非0", "非1", "非2", "非3", "非4", "非5", "非6",
                                            "非7", "非8", ">=2", ">=3", ">=4", ">=5", ">=6", "<=7",
                                            "<=6", "<=5", "<=4", "<=3", "<=2", "<=1"};
constexpr std::array<Items, 3> kGenders = {"-", "男", "女"};
constexpr std::array<Items, 10> kEducations = {"-",    "文盲", "小学", "初中", "中专",
                                               "大专", "高中", "本科", "博士", "博士后"};
constexpr std::array<Items, 8> kOccupations = {"-",    "银行", "警察", "职员",
                                               "医生", "服装", "建筑", "律师"};
constexpr std::array<Items, 5> kRevealCaptions = {"无限制", "透干", "虚浮", "通根", "不透"};

}  // namespace

constinit const ChoiceList ElementList{"ElementList", kElements};
constinit const ChoiceList StemList{"StemList", kStems};
constinit const ChoiceList BranchList{"BranchList", kBranches};
constinit const ChoiceList TenGodList{"TenGodList", kTenGods};
constinit const ChoiceList ShenshaList{"ShenshaList", kShensha};
constinit const ChoiceList ChartPositionList{"ChartPositionList", kChartPositions};
constinit const ChoiceList TenGodPositionList{"TenGodPositionList", kTenGodPositions};
constinit const ChoiceList PillarPositionList{"PillarPositionList", kPillarPositions};
constinit const ChoiceList StemPositionList{"StemPositionList", kStemPositions};
constinit const ChoiceList BranchPositionList{"BranchPositionList", kBranchPositions};
constinit const ChoiceList CountList4{"CountList4", kCounts4};
constinit const ChoiceList CountList6{"CountList6", kCounts6};
constinit const ChoiceList CountList7{"CountList7", kCounts7};
constinit const ChoiceList CountList8{"CountList8", kCounts8};
constinit const ChoiceList GenderList{"GenderList", kGenders};
constinit const ChoiceList EducationList{"EducationList", kEducations};
constinit const ChoiceList OccupationList{"OccupationList", kOccupations};
constinit const ChoiceList RevealList{"RevealList", kRevealCaptions};

int findItem(const ChoiceList& list, std::string_view gbkText) {
  const auto it = std::find(list.items.begin(), list.items.end(), gbkText);
  return it == list.items.end() ? -1 : static_cast<int>(it - list.items.begin());
}

const ChoiceList& infoFieldList(InfoField field) {
  switch (field) {
    case InfoField::Gender:
      return GenderList;
    case InfoField::Education:
      return EducationList;
    default:
      return OccupationList;
  }
}

}  // namespace bazi
