#pragma once
// A shared library opened on first use and kept until the program ends. The
// calculator cannot work without it, so a missing library or function stops
// the program; the stop goes through a replaceable handler so the window can
// show the message before the program ends.

#include <functional>
#include <mutex>
#include <string>

namespace bazi {

// Receives the UTF-8 message of a stop. The program ends once it returns.
using StopHandler = std::function<void(const std::string& utf8Message)>;

// Prints the message to stderr and ends the program with exit code 2.
void stopOnStderr(const std::string& utf8Message);

class CalculatorLibrary {
 public:
  // `fileName` is looked for in the program's folder first, then on the
  // system's library path; a name with a '/' is opened as given.
  explicit CalculatorLibrary(std::string fileName);
  CalculatorLibrary(const CalculatorLibrary&) = delete;
  CalculatorLibrary& operator=(const CalculatorLibrary&) = delete;

  void setStopHandler(StopHandler handler);

  // Address of the export `utf8Name`. Opens the library on first use. When the
  // library or the export cannot be found the stop handler gets a message
  // naming both and the program ends; this never returns null.
  void* require(const char* utf8Name);
  // Address of the export `utf8Name`, or null when the library or the export
  // cannot be found; never stops.
  void* find(const char* utf8Name);

  const std::string& fileName() const { return fileName_; }
  // Where the library was opened from; empty until it is.
  std::string loadedPath() const;

 private:
  bool openLocked(std::string& failure);
  [[noreturn]] void stop(const std::string& utf8Message);

  const std::string fileName_;
  mutable std::mutex mutex_;
  void* handle_ = nullptr;
  std::string loadedPath_;
  StopHandler stopHandler_ = stopOnStderr;
};

}  // namespace bazi
