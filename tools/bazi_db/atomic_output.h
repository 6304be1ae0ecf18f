#pragma once
// An output file that appears complete or not at all: everything is written to
// a temporary file beside the target, which is renamed over it at the end.

#include <string>

namespace bazi::tools {

class AtomicOutput {
 public:
  // Creates the temporary file. Refuses (throws std::runtime_error) when the
  // target exists and `overwrite` is false, or when it is a folder.
  AtomicOutput(std::string target, bool overwrite);
  // Removes the temporary file unless committed.
  ~AtomicOutput();
  AtomicOutput(const AtomicOutput&) = delete;
  AtomicOutput& operator=(const AtomicOutput&) = delete;

  const std::string& tempPath() const { return tempPath_; }
  // Writes bytes at the end of the temporary file. Throws on failure.
  void write(std::string_view bytes);
  // Flushes the temporary file to disk and puts it in place of the target.
  void commit();

 private:
  std::string target_;
  std::string tempPath_;
  bool overwrite_;
  int fd_ = -1;
  bool committed_ = false;
};

// True when both paths name the same existing file.
bool sameFile(const std::string& a, const std::string& b);

}  // namespace bazi::tools
