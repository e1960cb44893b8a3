#include "io/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
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
    const int fd = DiskCalls::Get().Open(name, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
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

// Whether the file-size limit lets a file grow to `size` bytes: beyond it every write fails, also
// one that puts old bytes back.
bool WithinFileSizeLimit(size_t size) {
  rlimit limit{};
  return ::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY || size <= limit.rlim_cur;
}

// Puts `bytes` over the whole of the open file `fd` and flushes it; errno set when it cannot.
bool OverwriteWith(int fd, const std::string& bytes) {
  return ::lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, bytes.data(), bytes.size()) &&
         ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && DiskCalls::Get().Sync(fd) == 0;
}

}  // namespace

int DiskCalls::Open(const std::string& path, int flags, mode_t mode) { return ::open(path.c_str(), flags, mode); }

int DiskCalls::Reserve(int fd, off_t length) { return ::posix_fallocate(fd, 0, length); }

ssize_t DiskCalls::Write(int fd, const void* data, size_t size) { return ::write(fd, data, size); }

int DiskCalls::Sync(int fd) { return ::fsync(fd); }

int DiskCalls::Rename(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()); }

DiskCalls& DiskCalls::Real() {
  static DiskCalls calls;
  return calls;
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = DiskCalls::Get().Write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = ENOSPC;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

void FlushFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    DiskCalls::Get().Sync(fd);
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
  return platform::ReadToEnd(file.Descriptor(), maxBytes);
}

AtomicFileWriter::AtomicFileWriter(std::string path) : path_(std::move(path)) {}

AtomicFileWriter::~AtomicFileWriter() { Discard(); }

bool AtomicFileWriter::Open() {
  Discard();
  error_ = 0;
  std::optional<std::string> target = FollowLinks(path_);
  if (!target) {
    error_ = ELOOP;
    return false;
  }
  target_ = std::move(*target);
  RemoveLeftOvers(target_);
  // A replaced file keeps its permissions (a private file stays private, also while being
  // written); a new one gets what a plain create gives.
  struct stat old{};
  const bool replacing = ::stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  finalMode_ = replacing ? std::optional<mode_t>(old.st_mode & 0777) : std::nullopt;
  std::string name;
  fd_ = CreateTemporary(target_, replacing ? 0600 : 0666, name);
  if (fd_ < 0) {
    error_ = errno;
    return false;
  }
  temp_ = std::move(name);
  // Held until the rename, so that the clean-up of another writer leaves this file alone.
  ::flock(fd_, LOCK_EX | LOCK_NB);
  return true;
}

bool AtomicFileWriter::Write(const char* data, size_t size) {
  if (fd_ < 0) return false;
  if (WriteAll(fd_, data, size)) return true;
  error_ = errno;
  return false;
}

bool AtomicFileWriter::Commit() {
  if (fd_ < 0) return false;
  // Flushed before the rename, or a power loss could leave an empty file under the final name; the
  // mode comes last, since the clean-up must be able to open what a killed write left; renamed
  // before it is closed, so that the lock covers the file until it has its final name.
  DiskCalls& disk = DiskCalls::Get();
  const bool renamed = disk.Sync(fd_) == 0 && (!finalMode_ || ::fchmod(fd_, *finalMode_) == 0) &&
                       disk.Rename(temp_, target_) == 0;
  if (!renamed) {
    error_ = errno;
    ::unlink(temp_.c_str());
  }
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

InPlaceResult WriteFileInPlace(const std::string& path, const std::string& contents) {
  // Never created here, and no waiting on a pipe that has no reader. Read too: the old bytes are
  // what a failed write puts back.
  const int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return {InPlaceOutcome::kOldKept, errno};
  const auto fail = [fd](InPlaceOutcome outcome, int error) {
    ::close(fd);
    return InPlaceResult{outcome, error};
  };
  struct stat info{};
  if (::fstat(fd, &info) != 0) return fail(InPlaceOutcome::kOldKept, errno);
  if (!S_ISREG(info.st_mode)) return fail(InPlaceOutcome::kOldKept, EINVAL);
  const std::optional<std::string> old = platform::ReadToEnd(fd, 64u << 20);
  if (!old) return fail(InPlaceOutcome::kOldKept, errno);
  if (!WithinFileSizeLimit(contents.size()) || !WithinFileSizeLimit(old->size())) {
    return fail(InPlaceOutcome::kOldKept, EFBIG);
  }
  // The room for the new bytes, taken before a byte of the old ones is touched. A reservation
  // beyond the old end lengthens the file; a failed one may have begun to.
  if (!contents.empty()) {
    if (const int error = DiskCalls::Get().Reserve(fd, static_cast<off_t>(contents.size())); error != 0) {
      const bool shortened = ::ftruncate(fd, static_cast<off_t>(old->size())) == 0;
      return fail(shortened ? InPlaceOutcome::kOldKept : InPlaceOutcome::kTorn, error);
    }
  }
  if (!OverwriteWith(fd, contents)) {
    const int error = errno;
    return fail(OverwriteWith(fd, *old) ? InPlaceOutcome::kOldKept : InPlaceOutcome::kTorn, error);
  }
  ::close(fd);
  return {InPlaceOutcome::kWritten, 0};
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
