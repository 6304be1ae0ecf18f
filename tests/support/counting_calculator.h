#pragma once
// Passes every call on to a real calculator and counts the calls by function,
// so a test can see which tests of a row ran.

#include <map>
#include <string>

#include "analysis/pillar_calculator.h"

namespace bazi::testing {

class CountingCalculator : public PillarCalculator {
 public:
  explicit CountingCalculator(PillarCalculator& inner) : inner_(inner) {}

  int calls(const std::string& name) const {
    auto it = calls_.find(name);
    return it == calls_.end() ? 0 : it->second;
  }
  int totalCalls() const {
    int total = 0;
    for (const auto& [name, n] : calls_) total += n;
    return total;
  }
  void reset() { calls_.clear(); }

  std::string 取干支五行(const std::string& c) override {
    ++calls_["element"];
    return inner_.取干支五行(c);
  }
  int 取干支序数(const std::string& c) override {
    ++calls_["ordinal"];
    return inner_.取干支序数(c);
  }
  std::string 取十神关系(const std::string& d, const std::string& c, int f) override {
    ++calls_["tenGod"];
    return inner_.取十神关系(d, c, f);
  }
  std::string 取地支藏干(const std::string& b) override {
    ++calls_["hiddenStems"];
    return inner_.取地支藏干(b);
  }
  int 取天干五行数量(const std::string& a, const std::string& b, const std::string& c,
                     const std::string& d, const std::string& e) override {
    ++calls_["stemElementCount"];
    return inner_.取天干五行数量(a, b, c, d, e);
  }
  int 取地支五行数量(const std::string& a, const std::string& b, const std::string& c,
                     const std::string& d, const std::string& e) override {
    ++calls_["branchElementCount"];
    return inner_.取地支五行数量(a, b, c, d, e);
  }
  int 取藏干五行数量(const std::array<const std::string*, 12>& es, const std::string& e) override {
    ++calls_["hiddenElementCount"];
    return inner_.取藏干五行数量(es, e);
  }
  int 取干支数量(const std::string& t, const std::string& p) override {
    ++calls_["characterCount"];
    return inner_.取干支数量(t, p);
  }
  int 取天干十神数量(const std::string& a, const std::string& b, const std::string& c,
                     const std::string& g) override {
    ++calls_["stemTenGodCount"];
    return inner_.取天干十神数量(a, b, c, g);
  }
  int 取地支十神数量(const std::string& a, const std::string& b, const std::string& c,
                     const std::string& d, const std::string& g) override {
    ++calls_["branchTenGodCount"];
    return inner_.取地支十神数量(a, b, c, d, g);
  }
  int 取藏干十神数量(const std::array<const std::string*, 12>& gs, const std::string& g) override {
    ++calls_["hiddenTenGodCount"];
    return inner_.取藏干十神数量(gs, g);
  }

 private:
  PillarCalculator& inner_;
  std::map<std::string, int> calls_;
};

}  // namespace bazi::testing
