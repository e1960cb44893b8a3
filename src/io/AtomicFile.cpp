#include "io/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <random>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/PlainFile.h"

namespace io {

namespace {

constexpr std::string_view kTemporaryInfix = ".tmp-";
constexpr std::string_view kTemporaryLetterSet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr size_t kTemporaryLetters = 6;
constexpr int kTemporaryNameTries = 100;
// A fresh temporary file is not locked yet for a moment: only older ones may be a killed write's.
constexpr time_t kLeftOverAge = 60;
constexpr int kMostLinks = 40;  // as many as the kernel follows in one path

std::atomic<FolderFlushWatcher> folderFlushWatcher{nullptr};

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

std::string NewTemporaryLetters() {
  thread_local std::mt19937 random(std::random_device{}());
  std::uniform_int_distribution<size_t> pick(0, kTemporaryLetterSet.size() - 1);
  std::string letters(kTemporaryLetters, ' ');
  for (char& letter : letters) letter = kTemporaryLetterSet[pick(random)];
  return letters;
}

// Creates "<target>.tmp-XXXXXX" under a name nobody else has, with `mode` as a plain create applies
// it (through the umask or the folder's default ACL); -1 with errno set when it cannot.
int CreateTemporary(const std::string& target, mode_t mode, std::string& name) {
  for (int tries = 0; tries < kTemporaryNameTries; ++tries) {
    name = target + std::string(kTemporaryInfix) + NewTemporaryLetters();
    const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
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

// The file `name` in `dir` when it is a killed write's: a plain file of ours that nobody has
// written for a while and no writer holds locked. The lock stays with the returned descriptor.
int OpenLeftOver(int dir, const std::string& name) {
  const int fd = ::openat(dir, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat info{};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
      std::time(nullptr) - info.st_mtime > kLeftOverAge && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    return fd;
  }
  ::close(fd);
  return -1;
}

// A write killed before its rename leaves its temporary file for ever. Only such files of our own
// target go: a live writer, however long it has been silent, holds its file locked.
void RemoveLeftOvers(const std::string& target) {
  const std::string folder = FolderOf(target);
  const std::string name = target.substr(target.find_last_of('/') + 1);
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  std::vector<std::string> candidates;
  while (const dirent* entry = ::readdir(dir)) {
    if (IsTemporaryNameOf(entry->d_name, name)) candidates.emplace_back(entry->d_name);
  }
  for (const std::string& file : candidates) {
    const int fd = OpenLeftOver(::dirfd(dir), file);
    if (fd < 0) continue;
    // The name must still be the file that was locked, not one a writer has made since.
    struct stat locked{}, named{};
    if (::fstat(fd, &locked) == 0 && ::fstatat(::dirfd(dir), file.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        locked.st_dev == named.st_dev && locked.st_ino == named.st_ino) {
      ::unlinkat(::dirfd(dir), file.c_str(), 0);
    }
    ::close(fd);
  }
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
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
  if (const FolderFlushWatcher watcher = folderFlushWatcher.load()) watcher(folder);
}

void WatchFolderFlushes(FolderFlushWatcher watcher) { folderFlushWatcher.store(watcher); }

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
  const platform::PlainFile file(path);
  if (missing) *missing = file.Error() == ENOENT || file.Error() == ENOTDIR;
  if (!file.IsOpen()) return std::nullopt;
  std::string contents;
  char block[4096];
  for (;;) {
    const ssize_t n = ::read(file.Descriptor(), block, sizeof block);
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (n == 0) break;
    if (contents.size() + static_cast<size_t>(n) > maxBytes) return std::nullopt;
    contents.append(block, static_cast<size_t>(n));
  }
  return contents;
}

AtomicFileWriter::AtomicFileWriter(std::string path) : path_(std::move(path)) {}

AtomicFileWriter::~AtomicFileWriter() { Discard(); }

bool AtomicFileWriter::Open() {
  Discard();
  openError_ = 0;
  std::optional<std::string> target = FollowLinks(path_);
  if (!target) {
    openError_ = ELOOP;
    return false;
  }
  target_ = std::move(*target);
  RemoveLeftOvers(target_);
  // A replaced file keeps its permissions (a private file stays private, also while being
  // written); a new one gets what a plain create gives.
  struct stat old{};
  const bool replacing = ::stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  std::string name;
  fd_ = CreateTemporary(target_, replacing ? 0600 : 0666, name);
  if (fd_ < 0) {
    openError_ = errno;
    return false;
  }
  temp_ = std::move(name);
  // Held until the rename, so that the clean-up of another writer leaves this file alone.
  ::flock(fd_, LOCK_EX | LOCK_NB);
  if (replacing) ::fchmod(fd_, old.st_mode & 0777);
  return true;
}

bool AtomicFileWriter::Write(const char* data, size_t size) {
  return fd_ >= 0 && WriteAll(fd_, data, size);
}

bool AtomicFileWriter::Commit() {
  if (fd_ < 0) return false;
  // Renamed before it is closed: the lock covers the file until it has its final name.
  const bool renamed = ::fsync(fd_) == 0 && std::rename(temp_.c_str(), target_.c_str()) == 0;
  if (!renamed) ::unlink(temp_.c_str());
  ::close(fd_);
  fd_ = -1;
  if (!renamed) return false;
  FlushFolderOf(target_);
  return true;
}

void AtomicFileWriter::Discard() {
  if (fd_ < 0) return;
  ::unlink(temp_.c_str());
  ::close(fd_);
  fd_ = -1;
}

bool WriteFileAtomically(const std::string& path, const std::string& contents) {
  AtomicFileWriter writer(path);
  return writer.Open() && writer.Write(contents.data(), contents.size()) && writer.Commit();
}

bool WriteFileInPlace(const std::string& path, const std::string& contents) {
  // Never created here, and no waiting on a pipe that has no reader.
  const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info{};
  const bool written = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                       WriteAll(fd, contents.data(), contents.size()) && ::fsync(fd) == 0;
  return ::close(fd) == 0 && written;
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
