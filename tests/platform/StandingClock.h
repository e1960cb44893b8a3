#pragma once
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stop_token>

#include "platform/Clock.h"

namespace platformtest {

// A clock on which no time passes: a sleep ends when the stop it was given is requested, or when
// the test gives up on it after a while, which it counts.
class StandingClock : public platform::ManualClock {
 public:
  void SleepMs(uint32_t) override { Hold({}); }
  bool SleepUnlessStopped(uint32_t, const std::stop_token& stop) override {
    Hold(stop);
    return !stop.stop_requested();
  }
  void WaitUntilSleeping() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return sleeping_ > 0; });
  }
  int Outlasted() {
    std::lock_guard lock(mutex_);
    return outlasted_;
  }

 private:
  void Hold(const std::stop_token& stop) {
    std::unique_lock lock(mutex_);
    ++sleeping_;
    changed_.notify_all();
    if (!changed_.wait_for(lock, stop, std::chrono::seconds(5), [] { return false; }) && !stop.stop_requested()) {
      ++outlasted_;
    }
    --sleeping_;
  }

  std::mutex mutex_;
  std::condition_variable_any changed_;
  int sleeping_ = 0;
  int outlasted_ = 0;
};

}  // namespace platformtest
