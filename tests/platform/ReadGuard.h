#pragma once
// A guard for a read that a fault could leave waiting for good (on a named pipe without a writer,
// on bytes a shrunken file no longer holds): after a time-out it sets the read free, so that the
// test fails instead of hanging the suite.
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace testutil {

class ReadGuard {
 public:
  // Runs `rescue` on a thread of its own unless Done() comes within `timeout`.
  explicit ReadGuard(std::function<void()> rescue, std::chrono::seconds timeout = std::chrono::seconds(10))
      : thread_([this, rescue = std::move(rescue), timeout] {
          std::unique_lock lock(mutex_);
          if (ended_.wait_for(lock, timeout, [this] { return done_; })) return;
          fired_ = true;
          lock.unlock();
          rescue();
        }) {}
  ~ReadGuard() { Done(); }
  ReadGuard(const ReadGuard&) = delete;
  ReadGuard& operator=(const ReadGuard&) = delete;

  // The read has returned; whether the guard had to set it free.
  bool Done() {
    {
      std::lock_guard lock(mutex_);
      done_ = true;
    }
    ended_.notify_all();
    if (thread_.joinable()) thread_.join();
    return fired_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable ended_;
  bool done_ = false;
  bool fired_ = false;
  std::thread thread_;  // last: it starts once the rest is made
};

// Sets free a reader waiting in open() on the named pipe at `path`: opens the pipe's write end
// (which succeeds only once a reader is there) and closes it, so that the reader sees its end.
inline void OpenPipeWriteEnd(const std::string& path) {
  for (int tries = 0; tries < 500; ++tries) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
      ::close(fd);
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace testutil
