#pragma once
// A calculator that writes down every call and answers with texts that tell
// which arguments they came from, so a test can see both the order of the
// calls and which answer landed in which slot.

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "analysis/pillar_calculator.h"
#include "text/gbk_codec.h"

namespace bazi::fakes {

struct CalculatorCall {
  std::string function;
  std::vector<std::string> arguments;  // integers in decimal
  bool operator==(const CalculatorCall&) const = default;
};

inline void PrintTo(const CalculatorCall& call, std::ostream* out) {
  *out << gbk::toUtf8(call.function) << "(";
  for (size_t i = 0; i < call.arguments.size(); ++i) {
    *out << (i ? ", " : "") << '"' << gbk::toUtf8(call.arguments[i]) << '"';
  }
  *out << ")";
}

class RecordingCalculator : public PillarCalculator {
 public:
  static std::string elementFor(const std::string& character) { return "E" + character; }
  static int ordinalFor(const std::string& character) {
    return 1000 + static_cast<int>(character.size());
  }
  static std::string tenGodFor(const std::string& dayStem, const std::string& character,
                               int swapFlag) {
    return "T" + dayStem + "|" + character + "|" + std::to_string(swapFlag);
  }

  std::vector<CalculatorCall> calls;
  std::map<std::string, std::string> hiddenStemsOf;  // branch → answer; "" otherwise

  std::string 取干支五行(const std::string& character) override {
    record("取干支五行", {character});
    return elementFor(character);
  }
  int 取干支序数(const std::string& character) override {
    record("取干支序数", {character});
    return ordinalFor(character);
  }
  std::string 取十神关系(const std::string& dayStem, const std::string& character,
                         int swapFlag) override {
    record("取十神关系", {dayStem, character, std::to_string(swapFlag)});
    return tenGodFor(dayStem, character, swapFlag);
  }
  std::string 取地支藏干(const std::string& branch) override {
    record("取地支藏干", {branch});
    const auto found = hiddenStemsOf.find(branch);
    return found == hiddenStemsOf.end() ? std::string() : found->second;
  }

  // Decomposition never counts; these only note that they were called.
  int 取天干五行数量(const std::string&, const std::string&, const std::string&, const std::string&,
                     const std::string&) override {
    return unexpected("取天干五行数量");
  }
  int 取地支五行数量(const std::string&, const std::string&, const std::string&, const std::string&,
                     const std::string&) override {
    return unexpected("取地支五行数量");
  }
  int 取藏干五行数量(const std::array<const std::string*, 12>&, const std::string&) override {
    return unexpected("取藏干五行数量");
  }
  int 取干支数量(const std::string&, const std::string&) override {
    return unexpected("取干支数量");
  }
  int 取天干十神数量(const std::string&, const std::string&, const std::string&,
                     const std::string&) override {
    return unexpected("取天干十神数量");
  }
  int 取地支十神数量(const std::string&, const std::string&, const std::string&, const std::string&,
                     const std::string&) override {
    return unexpected("取地支十神数量");
  }
  int 取藏干十神数量(const std::array<const std::string*, 12>&, const std::string&) override {
    return unexpected("取藏干十神数量");
  }

 private:
  void record(const char* function, std::vector<std::string> arguments) {
    calls.push_back({function, std::move(arguments)});
  }
  int unexpected(const char* function) {
    record(function, {});
    return 0;
  }
};

}  // namespace bazi::fakes
