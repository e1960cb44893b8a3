#include "firmware/transfer/CardFileCopy.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>

#include "io/AtomicFile.h"
#include "platform/Drives.h"

namespace firmware {

namespace {

namespace fs = std::filesystem;

// Creates or truncates `path`, writes every byte and flushes them to the card.
CardCopyResult WriteFlushed(const fs::path& path, std::span<const uint8_t> bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return CardCopyResult::NotCreated;
  platform::Drives& drives = platform::Drives::Get();
  bool written = true;
  while (written && !bytes.empty()) {
    const ssize_t n = drives.WriteSome(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    written = n > 0;
    if (written) bytes = bytes.subspan(static_cast<size_t>(n));
  }
  written = written && drives.Sync(fd);
  const bool closed = ::close(fd) == 0;
  return written && closed ? CardCopyResult::Copied : CardCopyResult::WriteFailed;
}

// A rename that fails when the new name is taken, as the camera's files must never be replaced
// unseen. File systems that cannot be asked so are asked whether the name is free first.
bool RenameWithoutReplacing(platform::Drives& drives, const fs::path& from, const fs::path& to) {
  if (drives.Rename(from, to, RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  std::error_code error;
  if (fs::exists(fs::symlink_status(to, error))) return false;
  return drives.Rename(from, to, 0) == 0;
}

// -1 when the file cannot be opened.
int64_t SizeOfOpened(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat info {};
  const int64_t size = ::fstat(fd, &info) == 0 ? int64_t(info.st_size) : -1;
  ::close(fd);
  return size;
}

void DeleteIfPresent(const fs::path& path) {
  std::error_code ignored;
  fs::remove(path, ignored);
}

}  // namespace

CardCopyResult CopyFileToCard(const CardFileNames& names, std::span<const uint8_t> bytes,
                              const io::Md5Digest& digest) {
  const fs::path root(names.root);
  const fs::path temporary = root / names.temporaryName;
  const fs::path final = root / names.finalName;

  if (const CardCopyResult result = WriteFlushed(temporary, bytes); result != CardCopyResult::Copied) {
    if (result == CardCopyResult::WriteFailed) DeleteIfPresent(temporary);
    return result;
  }
  platform::Drives& drives = platform::Drives::Get();
  const bool renamed = names.replaceFinal ? drives.Rename(temporary, final, 0) == 0
                                          : RenameWithoutReplacing(drives, temporary, final);
  if (!renamed) {
    DeleteIfPresent(temporary);
    if (!names.replaceFinal) DeleteIfPresent(final);
    return CardCopyResult::RenameFailed;
  }
  io::FlushFolder(root);

  // Read back from the card itself, not from the bytes still cached.
  const int readBack = drives.OpenToRead(final);
  if (readBack < 0) return CardCopyResult::NotReadable;
  const std::optional<io::Md5Digest> written = io::ReadBackDigest(readBack);
  ::close(readBack);
  if (!written || *written != digest) {
    DeleteIfPresent(temporary);
    DeleteIfPresent(final);
    return CardCopyResult::DigestDiffers;
  }
  if (SizeOfOpened(final) != int64_t(bytes.size())) {
    DeleteIfPresent(final);
    return CardCopyResult::SizeDiffers;
  }
  return CardCopyResult::Copied;
}

}  // namespace firmware
