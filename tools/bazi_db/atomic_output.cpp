#include "atomic_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>

namespace bazi::tools {
namespace {

std::runtime_error systemError(const std::string& what) {
  return std::runtime_error(what + ": " + std::strerror(errno));
}

std::string alreadyExists(const std::string& target) {
  return target + " already exists (use --force to replace it)";
}

// Permissions an ordinary new file would get (mkstemp makes it private).
mode_t defaultMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

AtomicOutput::AtomicOutput(std::string target, bool overwrite)
    : target_(std::move(target)), overwrite_(overwrite) {
  struct stat info;
  if (::stat(target_.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) throw std::runtime_error(target_ + " is a folder");
    if (!overwrite_) throw std::runtime_error(alreadyExists(target_));
  }
  const std::filesystem::path path(target_);
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  std::string pattern = (folder / ("." + path.filename().string() + ".tmp-XXXXXX")).string();
  fd_ = ::mkstemp(pattern.data());
  if (fd_ < 0) throw systemError("cannot create a file in " + folder.string());
  tempPath_ = pattern;
  ::fchmod(fd_, defaultMode());
}

AtomicOutput::~AtomicOutput() {
  if (fd_ >= 0) ::close(fd_);
  if (!committed_) ::unlink(tempPath_.c_str());
}

void AtomicOutput::write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw systemError("cannot write " + target_);
    bytes.remove_prefix(static_cast<size_t>(n));
  }
}

void AtomicOutput::commit() {
  if (::fsync(fd_) != 0) throw systemError("cannot write " + target_);
  ::close(fd_);
  fd_ = -1;
  if (overwrite_) {
    if (::rename(tempPath_.c_str(), target_.c_str()) != 0) {
      throw systemError("cannot put " + target_ + " in place");
    }
  } else if (::renameat2(AT_FDCWD, tempPath_.c_str(), AT_FDCWD, target_.c_str(),
                         RENAME_NOREPLACE) != 0) {
    // The target may have appeared while we worked; never replace it then.
    if (errno == EEXIST) throw std::runtime_error(alreadyExists(target_));
    if (errno != EINVAL && errno != ENOSYS)
      throw systemError("cannot put " + target_ + " in place");
    // A file system without the no-replace rename: a hard link also fails on
    // an existing name.
    if (::link(tempPath_.c_str(), target_.c_str()) != 0) {
      if (errno == EEXIST) throw std::runtime_error(alreadyExists(target_));
      throw systemError("cannot put " + target_ + " in place");
    }
    ::unlink(tempPath_.c_str());
  }
  committed_ = true;
}

bool sameFile(const std::string& a, const std::string& b) {
  struct stat first, second;
  return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace bazi::tools
