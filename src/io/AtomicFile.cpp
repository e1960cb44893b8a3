#include "io/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

namespace io {

namespace {

// Makes a rename in the folder of `path` durable; by now the new file is in place either way.
void FlushFolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  FlushFolder(slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash));
}

}  // namespace

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

void FlushFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

std::optional<Md5Digest> ReadBackDigest(const std::string& path, bool* opened) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (opened) *opened = fd >= 0;
  if (fd < 0) return std::nullopt;
  ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
  Md5Context md5;
  Md5Init(&md5);
  uint8_t block[1024];
  for (;;) {
    const ssize_t n = ::read(fd, block, sizeof block);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    Md5Update(&md5, block, static_cast<unsigned>(n));
  }
  ::close(fd);
  Md5Digest digest{};
  Md5Final(digest.data(), &md5);
  return digest;
}

std::optional<std::string> ReadWholeFile(const std::string& path, size_t maxBytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string contents;
  char block[4096];
  for (;;) {
    const ssize_t n = ::read(fd, block, sizeof block);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    if (contents.size() + static_cast<size_t>(n) > maxBytes) {
      ::close(fd);
      return std::nullopt;
    }
    contents.append(block, static_cast<size_t>(n));
  }
  ::close(fd);
  return contents;
}

AtomicFileWriter::AtomicFileWriter(std::string path) : path_(std::move(path)) {}

AtomicFileWriter::~AtomicFileWriter() { Discard(); }

bool AtomicFileWriter::Open() {
  Discard();
  std::string name = path_ + ".tmp-XXXXXX";
  fd_ = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd_ < 0) return false;
  temp_ = std::move(name);
  ::fchmod(fd_, 0644);  // what a plain create gives, not the private mode of a temporary file
  return true;
}

bool AtomicFileWriter::Write(const char* data, size_t size) {
  return fd_ >= 0 && WriteAll(fd_, data, size);
}

bool AtomicFileWriter::Commit() {
  if (fd_ < 0) return false;
  const bool flushed = ::fsync(fd_) == 0;
  const bool closed = ::close(fd_) == 0;
  fd_ = -1;
  if (!flushed || !closed || std::rename(temp_.c_str(), path_.c_str()) != 0) {
    ::unlink(temp_.c_str());
    return false;
  }
  FlushFolderOf(path_);
  return true;
}

void AtomicFileWriter::Discard() {
  if (fd_ < 0) return;
  ::close(fd_);
  fd_ = -1;
  ::unlink(temp_.c_str());
}

bool WriteFileAtomically(const std::string& path, const std::string& contents) {
  AtomicFileWriter writer(path);
  return writer.Open() && writer.Write(contents.data(), contents.size()) && writer.Commit();
}

std::string ToCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;  // re-added below
    if (text[i] == '\n') out += '\r';
    out += text[i];
  }
  return out;
}

}  // namespace io
