#pragma once
// Sets the process's umask for its lifetime, and the mode bits of a file, to show what a create
// under that umask gives.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

namespace testing_io {

class ScopedUmask {
 public:
  explicit ScopedUmask(mode_t mask) : previous_(::umask(mask)) {}
  ~ScopedUmask() { ::umask(previous_); }
  ScopedUmask(const ScopedUmask&) = delete;
  ScopedUmask& operator=(const ScopedUmask&) = delete;

 private:
  mode_t previous_;
};

inline mode_t ModeOf(const std::string& path) {
  struct stat info{};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 0777;
}

}  // namespace testing_io
