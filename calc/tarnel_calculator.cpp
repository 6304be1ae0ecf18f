#include "tarnel_calculator.h"

#include "analysis/short_text.h"
#include "tarnel_exports.h"

namespace bazi {

enum class TarnelCalculator::Export {
  Element,
  Ordinal,
  TenGod,
  HiddenStems,
  StemElementCount,
  BranchElementCount,
  HiddenElementCount,
  OccurrenceCount,
  StemTenGodCount,
  BranchTenGodCount,
  HiddenTenGodCount,
};

namespace {

// The exported names, UTF-8 as the symbol table holds them, in Export order.
constexpr const char8_t* kExportNames[] = {
    u8"取干支五行",     u8"取干支序数",     u8"取十神关系",     u8"取地支藏干",
    u8"取天干五行数量", u8"取地支五行数量", u8"取藏干五行数量", u8"取干支数量",
    u8"取天干十神数量", u8"取地支十神数量", u8"取藏干十神数量",
};

// Texts of unusual length, out of the way of the usual ones.
[[gnu::noinline, gnu::cold]] void copyWhole(const char* result, std::string& out) {
  out.assign(result);
}

// The calculator's texts are a few bytes long: an element 2, a ten god 4. The
// usual lengths are told apart byte by byte and copied inline into the
// string's own buffer; strlen and memcpy would cost more than the calculator.
inline void copyInto(const char* result, std::string& out) {
  if (result == nullptr || result[0] == '\0') {
    out.clear();
  } else if (result[1] != '\0' && result[2] == '\0') {
    assignShortText(out, result, 2);
  } else if (result[1] != '\0' && result[3] != '\0' && result[4] == '\0') {
    assignShortText(out, result, 4);
  } else {
    copyWhole(result, out);
  }
}

std::string copyOf(const char* result) {
  std::string text;
  copyInto(result, text);
  return text;
}

// Null pointers never reach the library from here: every argument is a string.
const char* arg(const std::string* text) { return text == nullptr ? "" : text->c_str(); }

}  // namespace

TarnelCalculator::TarnelCalculator(std::string libraryFile) : library_(std::move(libraryFile)) {}

template <typename Function>
Function* TarnelCalculator::function(Export which) {
  std::atomic<void*>& slot = addresses_[static_cast<size_t>(which)];
  void* address = slot.load(std::memory_order_acquire);
  if (address == nullptr) {
    address =
        library_.require(reinterpret_cast<const char*>(kExportNames[static_cast<size_t>(which)]));
    slot.store(address, std::memory_order_release);
  }
  return reinterpret_cast<Function*>(address);
}

bool TarnelCalculator::threadSafe() const {
  for (size_t which = 0; which < addresses_.size(); ++which) {
    std::atomic<void*>& slot = addresses_[which];
    if (slot.load(std::memory_order_acquire) != nullptr) continue;
    void* address = library_.find(reinterpret_cast<const char*>(kExportNames[which]));
    if (address == nullptr) return false;
    slot.store(address, std::memory_order_release);
  }
  return true;
}

std::string TarnelCalculator::取干支五行(const std::string& character) {
  return copyOf(function<decltype(::取干支五行)>(Export::Element)(character.c_str()));
}

int TarnelCalculator::取干支序数(const std::string& character) {
  return function<decltype(::取干支序数)>(Export::Ordinal)(character.c_str());
}

std::string TarnelCalculator::取十神关系(const std::string& dayStem, const std::string& character,
                                         int swapFlag) {
  return copyOf(function<decltype(::取十神关系)>(Export::TenGod)(dayStem.c_str(), character.c_str(),
                                                                 swapFlag));
}

std::string TarnelCalculator::取地支藏干(const std::string& branch) {
  return copyOf(function<decltype(::取地支藏干)>(Export::HiddenStems)(branch.c_str()));
}

void TarnelCalculator::取干支五行(const std::string& character, std::string& result) {
  copyInto(function<decltype(::取干支五行)>(Export::Element)(character.c_str()), result);
}

void TarnelCalculator::取十神关系(const std::string& dayStem, const std::string& character,
                                  int swapFlag, std::string& result) {
  copyInto(function<decltype(::取十神关系)>(Export::TenGod)(dayStem.c_str(), character.c_str(),
                                                            swapFlag),
           result);
}

void TarnelCalculator::取地支藏干(const std::string& branch, std::string& result) {
  copyInto(function<decltype(::取地支藏干)>(Export::HiddenStems)(branch.c_str()), result);
}

int TarnelCalculator::取天干五行数量(const std::string& year, const std::string& month,
                                     const std::string& day, const std::string& hour,
                                     const std::string& element) {
  return function<decltype(::取天干五行数量)>(Export::StemElementCount)(
      year.c_str(), month.c_str(), day.c_str(), hour.c_str(), element.c_str());
}

int TarnelCalculator::取地支五行数量(const std::string& year, const std::string& month,
                                     const std::string& day, const std::string& hour,
                                     const std::string& element) {
  return function<decltype(::取地支五行数量)>(Export::BranchElementCount)(
      year.c_str(), month.c_str(), day.c_str(), hour.c_str(), element.c_str());
}

int TarnelCalculator::取藏干五行数量(const std::array<const std::string*, 12>& elements,
                                     const std::string& element) {
  const auto& e = elements;
  return function<decltype(::取藏干五行数量)>(Export::HiddenElementCount)(
      arg(e[0]), arg(e[1]), arg(e[2]), arg(e[3]), arg(e[4]), arg(e[5]), arg(e[6]), arg(e[7]),
      arg(e[8]), arg(e[9]), arg(e[10]), arg(e[11]), element.c_str());
}

int TarnelCalculator::取干支数量(const std::string& text, const std::string& part) {
  return function<decltype(::取干支数量)>(Export::OccurrenceCount)(text.c_str(), part.c_str());
}

int TarnelCalculator::取干支数量(const char* text, const std::string& part) {
  return function<decltype(::取干支数量)>(Export::OccurrenceCount)(text, part.c_str());
}

int TarnelCalculator::取天干十神数量(const std::string& year, const std::string& month,
                                     const std::string& hour, const std::string& tenGod) {
  return function<decltype(::取天干十神数量)>(Export::StemTenGodCount)(
      year.c_str(), month.c_str(), hour.c_str(), tenGod.c_str());
}

int TarnelCalculator::取地支十神数量(const std::string& year, const std::string& month,
                                     const std::string& day, const std::string& hour,
                                     const std::string& tenGod) {
  return function<decltype(::取地支十神数量)>(Export::BranchTenGodCount)(
      year.c_str(), month.c_str(), day.c_str(), hour.c_str(), tenGod.c_str());
}

int TarnelCalculator::取藏干十神数量(const std::array<const std::string*, 12>& tenGods,
                                     const std::string& tenGod) {
  const auto& g = tenGods;
  return function<decltype(::取藏干十神数量)>(Export::HiddenTenGodCount)(
      arg(g[0]), arg(g[1]), arg(g[2]), arg(g[3]), arg(g[4]), arg(g[5]), arg(g[6]), arg(g[7]),
      arg(g[8]), arg(g[9]), arg(g[10]), arg(g[11]), tenGod.c_str());
}

}  // namespace bazi
