#include "io/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <string_view>
#include <utility>
#include <vector>

namespace io {

namespace {

constexpr std::string_view kTemporaryInfix = ".tmp-";
constexpr size_t kTemporaryLetters = 6;  // what mkostemp puts in place of XXXXXX
// A temporary file nobody has written for this long (seconds) is a killed write's, not a live one's.
constexpr time_t kLeftOverAge = 60;
constexpr int kMostLinks = 40;  // as many as the kernel follows in one path

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// Makes a rename in the folder of `path` durable; by now the new file is in place either way.
void FlushFolderOf(const std::string& path) { FlushFolder(FolderOf(path)); }

// The file that `path` leads to through any symbolic links (which need not exist yet); nothing
// when the links go round in a circle or cannot be read.
std::optional<std::string> FollowLinks(std::string path) {
  for (int links = 0; links < kMostLinks; ++links) {
    struct stat info{};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char target[4096];
    const ssize_t n = ::readlink(path.c_str(), target, sizeof target);
    if (n <= 0 || static_cast<size_t>(n) == sizeof target) return std::nullopt;
    const std::string_view next(target, static_cast<size_t>(n));
    path = next.front() == '/' ? std::string(next) : FolderOf(path) + "/" + std::string(next);
  }
  return std::nullopt;
}

// Exactly the names our writer gives the temporary files of `target` (its name without folder).
bool IsTemporaryNameOf(std::string_view name, std::string_view target) {
  if (name.size() != target.size() + kTemporaryInfix.size() + kTemporaryLetters || !name.starts_with(target) ||
      name.substr(target.size(), kTemporaryInfix.size()) != kTemporaryInfix) {
    return false;
  }
  return std::all_of(name.end() - kTemporaryLetters, name.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
  });
}

// A write killed before its rename leaves its temporary file for ever. Only plain files of ours
// under exactly such a name go, and only once nobody has written them for a while: another
// writer of the same target may be busy with its own.
void RemoveLeftOvers(const std::string& target) {
  const std::string folder = FolderOf(target);
  const std::string name = target.substr(target.find_last_of('/') + 1);
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  std::vector<std::string> stale;
  const time_t now = std::time(nullptr);
  while (const dirent* entry = ::readdir(dir)) {
    if (!IsTemporaryNameOf(entry->d_name, name)) continue;
    struct stat info{};
    if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode) &&
        info.st_uid == ::geteuid() && now - info.st_mtime > kLeftOverAge) {
      stale.emplace_back(entry->d_name);
    }
  }
  for (const std::string& file : stale) ::unlinkat(::dirfd(dir), file.c_str(), 0);
  ::closedir(dir);
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

std::optional<Md5Digest> ReadBackDigest(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  const std::optional<Md5Digest> digest = ReadBackDigest(fd);
  ::close(fd);
  return digest;
}

std::optional<Md5Digest> ReadBackDigest(int fd) {
  ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
  Md5Context md5;
  Md5Init(&md5);
  uint8_t block[1024];
  for (;;) {
    const ssize_t n = ::read(fd, block, sizeof block);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    Md5Update(&md5, block, static_cast<unsigned>(n));
  }
  Md5Digest digest{};
  Md5Final(digest.data(), &md5);
  return digest;
}

std::optional<std::string> ReadWholeFile(const std::string& path, size_t maxBytes, bool* missing) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (missing) *missing = fd < 0 && (errno == ENOENT || errno == ENOTDIR);
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
  std::optional<std::string> target = FollowLinks(path_);
  if (!target) return false;
  target_ = std::move(*target);
  RemoveLeftOvers(target_);
  std::string name = target_ + std::string(kTemporaryInfix) + std::string(kTemporaryLetters, 'X');
  fd_ = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd_ < 0) return false;
  temp_ = std::move(name);
  // The old file's permissions (a private file stays private); for a new file what a plain
  // create gives, not the private mode of a temporary file.
  struct stat old{};
  const bool replacing = ::stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  ::fchmod(fd_, replacing ? (old.st_mode & 0777) : 0644);
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
  if (!flushed || !closed || std::rename(temp_.c_str(), target_.c_str()) != 0) {
    ::unlink(temp_.c_str());
    return false;
  }
  FlushFolderOf(target_);
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
