#include "csv_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "text/gbk_codec.h"

namespace bazi::tools {

CsvText decodeCsv(std::string bytes) {
  const std::string_view view(bytes);
  if (view.starts_with("\xEF\xBB\xBF")) {
    bytes.erase(0, 3);
    if (!gbk::isValidUtf8(bytes)) {
      throw std::runtime_error("the file starts with a UTF-8 mark but is not valid UTF-8");
    }
    return {std::move(bytes), "UTF-8 with BOM"};
  }
  if (view.starts_with("\xFF\xFE") || view.starts_with("\xFE\xFF")) {
    throw std::runtime_error("the file is UTF-16; save it as CSV in UTF-8 or GB18030");
  }
  if (gbk::isValidUtf8(bytes)) return {std::move(bytes), "UTF-8"};
  return {gbk::toUtf8(bytes), "GB18030"};
}

std::string readWholeFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error("cannot read " + path + ": " + std::strerror(errno));
  struct stat info;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    throw std::runtime_error("cannot read " + path + ": not a regular file");
  }
  std::string bytes;
  char chunk[1 << 16];
  while (true) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int saved = errno;
      ::close(fd);
      throw std::runtime_error("cannot read " + path + ": " + std::strerror(saved));
    }
    if (n == 0) break;
    bytes.append(chunk, static_cast<size_t>(n));
  }
  ::close(fd);
  return bytes;
}

}  // namespace bazi::tools
