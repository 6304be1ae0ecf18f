#pragma once
// Counts the calls passed on to a real calculator, by function, so a test can
// see which tests of a row ran.

#include <map>
#include <string>

#include "forwarding_calculator.h"

namespace bazi::testing {

class CountingCalculator : public ForwardingCalculator {
 public:
  using ForwardingCalculator::ForwardingCalculator;

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

 protected:
  void noteCall(std::string_view name) override { ++calls_[std::string(name)]; }

 private:
  std::map<std::string, int, std::less<>> calls_;
};

}  // namespace bazi::testing
