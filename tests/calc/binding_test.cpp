// Finding the library, looking functions up, and stopping when either is
// missing.

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "calculator_library.h"
#include "tarnel_calculator.h"

namespace bazi {
namespace {

std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

std::string programFolder() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

// Lets a test see the stop message and carry on instead of ending.
struct Stopped : std::runtime_error {
  using std::runtime_error::runtime_error;
};

void throwStopped(const std::string& message) { throw Stopped(message); }

std::string stopMessageOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const Stopped& stop) {
    return stop.what();
  }
  ADD_FAILURE() << "the call did not stop";
  return {};
}

TEST(CalculatorBinding, OpensTheLibraryBesideTheProgramOnFirstCall) {
  TarnelCalculator calculator;
  EXPECT_EQ(calculator.libraryPath(), "");
  EXPECT_EQ(calculator.取干支五行("甲"), "木");
  EXPECT_EQ(calculator.libraryPath(), programFolder() + "/libtarnel.so");
}

TEST(CalculatorBinding, FallsBackToTheSystemLibraryPath) {
  CalculatorLibrary library("libm.so.6");
  EXPECT_NE(library.require("cos"), nullptr);
  EXPECT_EQ(library.loadedPath(), "libm.so.6");
}

TEST(CalculatorBinding, NullTextResultsBecomeEmptyTexts) {
  TarnelCalculator calculator("libtarnel_missing_export.so");
  EXPECT_EQ(calculator.取干支五行("甲"), "");
  EXPECT_EQ(calculator.取地支藏干("子"), "");
}

TEST(CalculatorBinding, TextResultsOfAnyLengthAreCopiedWhole) {
  TarnelCalculator calculator("libtarnel_missing_export.so");
  const std::string bytes = "0123456789abcdefghij";
  for (size_t size = 0; size <= bytes.size(); ++size) {
    const std::string text = bytes.substr(0, size);
    EXPECT_EQ(calculator.取十神关系("", text, 1), text);
  }
}

TEST(CalculatorBinding, AMissingFunctionStopsOnlyWhenCalled) {
  TarnelCalculator calculator("libtarnel_missing_export.so");
  calculator.setStopHandler(throwStopped);
  EXPECT_EQ(calculator.取干支序数("甲"), 7);
  const std::array<const std::string*, 12> none{};
  const std::string message = stopMessageOf([&] { calculator.取藏干十神数量(none, "比肩"); });
  EXPECT_NE(message.find(utf8(u8"取藏干十神数量")), std::string::npos) << message;
  EXPECT_NE(message.find("libtarnel_missing_export.so"), std::string::npos) << message;
  // Found functions keep working after the stop was shown.
  EXPECT_EQ(calculator.取干支序数("甲"), 7);
}

TEST(CalculatorBinding, AMissingLibraryNamesItAndTheFunction) {
  TarnelCalculator calculator("libtarnel_absent.so");
  calculator.setStopHandler(throwStopped);
  const std::string message = stopMessageOf([&] { calculator.取干支序数("甲"); });
  EXPECT_NE(message.find(utf8(u8"取干支序数")), std::string::npos) << message;
  EXPECT_NE(message.find("libtarnel_absent.so"), std::string::npos) << message;
}

TEST(CalculatorBindingDeathTest, TheDefaultStopPrintsAndExitsWithCode2) {
  TarnelCalculator calculator("libtarnel_missing_export.so");
  const std::array<const std::string*, 12> none{};
  EXPECT_EXIT(calculator.取藏干十神数量(none, "比肩"), ::testing::ExitedWithCode(2),
              utf8(u8"取藏干十神数量"));
}

TEST(CalculatorBindingDeathTest, TheProgramStopsEvenWhenTheHandlerReturns) {
  TarnelCalculator calculator("libtarnel_absent.so");
  calculator.setStopHandler([](const std::string& message) { fputs(message.c_str(), stderr); });
  EXPECT_EXIT(calculator.取干支五行("甲"), ::testing::ExitedWithCode(2), "libtarnel_absent.so");
}

}  // namespace
}  // namespace bazi
