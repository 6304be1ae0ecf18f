#include "calculator_library.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <system_error>
#include <utility>
#include <vector>

namespace bazi {
namespace {

std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

std::string lastDlError() {
  const char* error = dlerror();
  return error == nullptr ? utf8(u8"未知错误") : error;
}

std::string programFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : program.parent_path().string();
}

}  // namespace

void stopOnStderr(const std::string& utf8Message) {
  std::cerr << utf8Message << std::endl;
  std::exit(2);
}

CalculatorLibrary::CalculatorLibrary(std::string fileName) : fileName_(std::move(fileName)) {}

void CalculatorLibrary::setStopHandler(StopHandler handler) {
  std::lock_guard lock(mutex_);
  stopHandler_ = handler ? std::move(handler) : StopHandler(stopOnStderr);
}

std::string CalculatorLibrary::loadedPath() const {
  std::lock_guard lock(mutex_);
  return loadedPath_;
}

// Tries the program's folder before the system path, so the library shipped
// with the program wins over any other copy. The handle is never closed: the
// function addresses handed out stay valid until exit.
bool CalculatorLibrary::openLocked(std::string& failure) {
  std::vector<std::string> candidates;
  if (fileName_.find('/') == std::string::npos) {
    const std::string folder = programFolder();
    if (!folder.empty()) candidates.push_back(folder + '/' + fileName_);
  }
  candidates.push_back(fileName_);
  for (const std::string& candidate : candidates) {
    handle_ = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ != nullptr) {
      loadedPath_ = candidate;
      return true;
    }
    failure.append("\n").append(lastDlError());
  }
  return false;
}

void* CalculatorLibrary::require(const char* utf8Name) {
  std::string message;
  {
    std::lock_guard lock(mutex_);
    std::string failure;
    if (handle_ == nullptr && !openLocked(failure)) {
      message = utf8(u8"找不到计算库 ") + fileName_ + utf8(u8"，无法调用函数“") + utf8Name +
                utf8(u8"”。") + failure;
    } else {
      if (void* address = dlsym(handle_, utf8Name); address != nullptr) return address;
      message = utf8(u8"计算库 ") + loadedPath_ + utf8(u8" 缺少函数“") + utf8Name + utf8(u8"”。");
    }
  }
  stop(message);
}

void* CalculatorLibrary::find(const char* utf8Name) {
  std::lock_guard lock(mutex_);
  std::string failure;
  if (handle_ == nullptr && !openLocked(failure)) return nullptr;
  return dlsym(handle_, utf8Name);
}

void CalculatorLibrary::stop(const std::string& utf8Message) {
  StopHandler handler;
  {
    std::lock_guard lock(mutex_);
    handler = stopHandler_;
  }
  handler(utf8Message);
  // The handler only tells the user; without the function there is no way on.
  std::exit(2);
}

}  // namespace bazi
