#include "platform/PlainFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

PlainFile::PlainFile(const std::string& path) {
  // O_NOCTTY: a terminal chosen by mistake must not become the program's controlling one.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    error_ = errno;
    return;
  }
  struct stat info{};
  if (::fstat(fd, &info) != 0) {
    error_ = errno;
  } else if (!S_ISREG(info.st_mode)) {
    error_ = EINVAL;
  }
  if (error_ != 0) {
    ::close(fd);
    return;
  }
  // Blocking reads again, for a file system that would answer a plain file's read with EAGAIN.
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  fd_ = fd;
  size_ = static_cast<uint64_t>(info.st_size);
}

PlainFile::~PlainFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool PlainFile::ReadAt(uint64_t offset, void* out, size_t length) const {
  if (fd_ < 0) return false;
  auto* at = static_cast<unsigned char*>(out);
  while (length > 0) {
    const ssize_t n = ::pread(fd_, at, length, static_cast<off_t>(offset));
    if (n < 0 && errno == EINTR) continue;
    // 0 is the end of the file: one that shrank never brings the missing bytes.
    if (n <= 0) return false;
    at += n;
    offset += static_cast<uint64_t>(n);
    length -= static_cast<size_t>(n);
  }
  return true;
}

std::optional<std::string> ReadToEnd(int fd, size_t maxBytes) {
  std::string contents;
  char block[4096];
  for (;;) {
    const ssize_t n = ::read(fd, block, sizeof block);
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (n == 0) return contents;
    if (contents.size() + static_cast<size_t>(n) > maxBytes) {
      errno = EFBIG;
      return std::nullopt;
    }
    contents.append(block, static_cast<size_t>(n));
  }
}

}  // namespace platform
