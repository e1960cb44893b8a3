#pragma once
// A disk that fills up at a chosen moment, for the writers of src/io/AtomicFile.
#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <string>

#include "io/AtomicFile.h"

namespace testing_io {

// A disk that holds `room` more bytes: a new file's creation fails with `createError` (a full disk,
// a folder that refuses new files), Reserve answers `reserveError`, and a write beyond the room fails
// with ENOSPC, only once when `roomComesBack` (someone else freed space meanwhile).
class FaultyDisk : public io::DiskCalls {
 public:
  int Open(const std::string& path, int flags, mode_t mode) override {
    if ((flags & O_CREAT) && createError != 0) {
      errno = createError;
      return -1;
    }
    return DiskCalls::Open(path, flags, mode);
  }
  int Reserve(int fd, off_t length) override { return reserveError != 0 ? reserveError : DiskCalls::Reserve(fd, length); }
  ssize_t Write(int fd, const void* data, size_t size) override {
    if (room == 0) {
      if (roomComesBack) room = SIZE_MAX;
      errno = ENOSPC;
      return -1;
    }
    const size_t n = std::min(size, room);
    if (room != SIZE_MAX) room -= n;
    return DiskCalls::Write(fd, data, n);
  }
  int createError = 0;
  int reserveError = 0;
  size_t room = SIZE_MAX;
  bool roomComesBack = false;
};

}  // namespace testing_io
