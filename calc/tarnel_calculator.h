#pragma once
// The pillar calculator as the core sees it, backed by libtarnel.so loaded at
// run time. Each function is looked up on its first call; every text result is
// copied at once, a null result becoming the empty text.

#include <array>
#include <atomic>
#include <string>
#include <utility>

#include "analysis/pillar_calculator.h"
#include "calculator_library.h"

namespace bazi {

inline constexpr const char* kCalculatorLibraryFile = "libtarnel.so";

class TarnelCalculator final : public PillarCalculator {
 public:
  explicit TarnelCalculator(std::string libraryFile = kCalculatorLibraryFile);

  // Replaces what happens before the program stops for a missing library or
  // function (by default the message goes to stderr).
  void setStopHandler(StopHandler handler) { library_.setStopHandler(std::move(handler)); }
  // Where the library was opened from; empty before the first call.
  std::string libraryPath() const { return library_.loadedPath(); }

  // True once every function is found: calls from any thread then go straight
  // to the library, which keeps no state. While one is missing the answer is
  // false, so the stop for it comes on the caller's thread as without threads.
  bool threadSafe() const override;

  std::string 取干支五行(const std::string& character) override;
  int 取干支序数(const std::string& character) override;
  std::string 取十神关系(const std::string& dayStem, const std::string& character,
                         int swapFlag) override;
  std::string 取地支藏干(const std::string& branch) override;
  void 取干支五行(const std::string& character, std::string& result) override;
  void 取十神关系(const std::string& dayStem, const std::string& character, int swapFlag,
                  std::string& result) override;
  void 取地支藏干(const std::string& branch, std::string& result) override;
  int 取天干五行数量(const std::string& year, const std::string& month, const std::string& day,
                     const std::string& hour, const std::string& element) override;
  int 取地支五行数量(const std::string& year, const std::string& month, const std::string& day,
                     const std::string& hour, const std::string& element) override;
  int 取藏干五行数量(const std::array<const std::string*, 12>& elements,
                     const std::string& element) override;
  int 取干支数量(const std::string& text, const std::string& part) override;
  int 取干支数量(const char* text, const std::string& part) override;
  int 取天干十神数量(const std::string& year, const std::string& month, const std::string& hour,
                     const std::string& tenGod) override;
  int 取地支十神数量(const std::string& year, const std::string& month, const std::string& day,
                     const std::string& hour, const std::string& tenGod) override;
  int 取藏干十神数量(const std::array<const std::string*, 12>& tenGods,
                     const std::string& tenGod) override;

 private:
  enum class Export;

  template <typename Function>
  Function* function(Export which);

  // Both are filled lazily, also by the const threadSafe().
  mutable CalculatorLibrary library_;
  mutable std::array<std::atomic<void*>, 11> addresses_{};
};

}  // namespace bazi
