#include "sqlite_file_check.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace bazi::db {
namespace {

constexpr size_t kHeaderBytes = 100;
constexpr char kMagic[] = "SQLite format 3";  // 16 bytes with its NUL

uint32_t bigEndian(const unsigned char* bytes, int count) {
  uint32_t value = 0;
  for (int i = 0; i < count; ++i) value = value << 8 | bytes[i];
  return value;
}

SqliteFileCheck refused(std::string problem) {
  SqliteFileCheck check;
  check.problem = std::move(problem);
  return check;
}

// Reads up to kHeaderBytes; returns how many were read, -1 on error.
ssize_t readHeader(const std::string& path, unsigned char* header) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return -1;
  size_t got = 0;
  while (got < kHeaderBytes) {
    const ssize_t n = ::read(fd, header + got, kHeaderBytes - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int saved = errno;
      ::close(fd);
      errno = saved;
      return -1;
    }
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  ::close(fd);
  return static_cast<ssize_t>(got);
}

}  // namespace

SqliteFileCheck checkSqliteFile(const std::string& path) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) {
    return refused(errno == ENOENT ? "no such file" : std::strerror(errno));
  }
  if (S_ISDIR(info.st_mode)) return refused("is a folder, not a file");
  if (!S_ISREG(info.st_mode)) return refused("is not a regular file");
  if (info.st_size == 0) return refused("is empty");

  unsigned char header[kHeaderBytes] = {};
  const ssize_t got = readHeader(path, header);
  if (got < 0) return refused(std::string("cannot be read: ") + std::strerror(errno));
  if (std::memcmp(header, kMagic, std::min<size_t>(got, sizeof kMagic)) != 0) {
    return refused("is not an SQLite database");
  }
  if (static_cast<size_t>(got) < kHeaderBytes) return refused("is cut off (truncated)");

  uint32_t pageSize = bigEndian(header + 16, 2);
  if (pageSize == 1) pageSize = 65536;
  if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0) {
    return refused("has a damaged SQLite header");
  }
  const auto fileSize = static_cast<uint64_t>(info.st_size);
  // The page count in the header is trusted only when the change counter
  // beside it says it is current.
  const uint32_t pageCount = bigEndian(header + 28, 4);
  const bool countIsCurrent =
      pageCount != 0 && bigEndian(header + 24, 4) == bigEndian(header + 92, 4);
  if (fileSize % pageSize != 0 || (countIsCurrent && fileSize < uint64_t{pageCount} * pageSize)) {
    return refused("is cut off (truncated)");
  }

  SqliteFileCheck check;
  check.usable = true;
  check.walMode = header[18] == 2 || header[19] == 2;
  return check;
}

}  // namespace bazi::db
