#pragma once
// Passes every call on to another calculator and names it first, so a test can
// see which calls the code under test makes, in which order and from where.

#include <string>
#include <string_view>

#include "analysis/pillar_calculator.h"

namespace bazi::testing {

class ForwardingCalculator : public PillarCalculator {
 public:
  explicit ForwardingCalculator(PillarCalculator& inner) : inner_(inner) {}

  bool threadSafe() const override { return inner_.threadSafe(); }

  std::string 取干支五行(const std::string& c) override {
    noteCall("element");
    return inner_.取干支五行(c);
  }
  int 取干支序数(const std::string& c) override {
    noteCall("ordinal");
    return inner_.取干支序数(c);
  }
  std::string 取十神关系(const std::string& d, const std::string& c, int f) override {
    noteCall("tenGod");
    return inner_.取十神关系(d, c, f);
  }
  std::string 取地支藏干(const std::string& b) override {
    noteCall("hiddenStems");
    return inner_.取地支藏干(b);
  }
  int 取天干五行数量(const std::string& a, const std::string& b, const std::string& c,
                     const std::string& d, const std::string& e) override {
    noteCall("stemElements");
    return inner_.取天干五行数量(a, b, c, d, e);
  }
  int 取地支五行数量(const std::string& a, const std::string& b, const std::string& c,
                     const std::string& d, const std::string& e) override {
    noteCall("branchElements");
    return inner_.取地支五行数量(a, b, c, d, e);
  }
  int 取藏干五行数量(const std::array<const std::string*, 12>& es, const std::string& e) override {
    noteCall("hiddenElements");
    return inner_.取藏干五行数量(es, e);
  }
  int 取干支数量(const std::string& text, const std::string& part) override {
    noteOccurrences(text, part);
    return inner_.取干支数量(text, part);
  }
  int 取天干十神数量(const std::string& a, const std::string& b, const std::string& c,
                     const std::string& g) override {
    noteCall("stemTenGods");
    return inner_.取天干十神数量(a, b, c, g);
  }
  int 取地支十神数量(const std::string& a, const std::string& b, const std::string& c,
                     const std::string& d, const std::string& g) override {
    noteCall("branchTenGods");
    return inner_.取地支十神数量(a, b, c, d, g);
  }
  int 取藏干十神数量(const std::array<const std::string*, 12>& gs, const std::string& g) override {
    noteCall("hiddenTenGods");
    return inner_.取藏干十神数量(gs, g);
  }

 protected:
  virtual void noteCall(std::string_view name) = 0;
  // 取干支数量, with what it counts where.
  virtual void noteOccurrences(const std::string& /*text*/, const std::string& /*part*/) {
    noteCall("occurrences");
  }

 private:
  PillarCalculator& inner_;
};

}  // namespace bazi::testing
