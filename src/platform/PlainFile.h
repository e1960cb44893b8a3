#pragma once
// A file the user chose (or one that lies where anybody may put one), open for reading. Opening
// never waits: a named pipe without a writer or a device node would otherwise hold the window for
// good. Only a plain file is accepted; a pipe, a folder or a device node is refused at once.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

class PlainFile {
 public:
  explicit PlainFile(const std::string& path);
  ~PlainFile();
  PlainFile(const PlainFile&) = delete;
  PlainFile& operator=(const PlainFile&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  // Why it is not open: the system's errno (ENOENT for a missing file), EINVAL for what is there
  // but no plain file.
  int Error() const { return error_; }
  // The size when it was opened.
  uint64_t Size() const { return size_; }
  // The descriptor, for a reader that reads to the end itself; -1 when not open.
  int Descriptor() const { return fd_; }

  // Fills `length` bytes at `offset`; false when a read fails or the file ends first (it shrank
  // since it was opened), never waiting for bytes that are not there.
  bool ReadAt(uint64_t offset, void* out, size_t length) const;

 private:
  int fd_ = -1;
  int error_ = 0;
  uint64_t size_ = 0;
};

// The rest of an open file from where it stands; nothing (errno set) when it cannot be read or
// holds more than `maxBytes`.
std::optional<std::string> ReadToEnd(int fd, size_t maxBytes);

}  // namespace platform
