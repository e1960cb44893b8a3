#include "platform/Clock.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace platform {

namespace {

class SteadyClock : public Clock {
 public:
  uint32_t TickCount() override {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
  }
  void SleepMs(uint32_t ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
  bool SleepUnlessStopped(uint32_t ms, const std::stop_token& stop) override {
    // The stop request wakes the wait itself; nothing polls it in slices.
    std::mutex mutex;
    std::condition_variable_any woken;
    std::unique_lock lock(mutex);
    woken.wait_for(lock, stop, std::chrono::milliseconds(ms), [] { return false; });
    return !stop.stop_requested();
  }
};

}  // namespace

bool Clock::SleepUnlessStopped(uint32_t ms, const std::stop_token& stop) {
  if (stop.stop_requested()) return false;
  SleepMs(ms);
  return !stop.stop_requested();
}

Clock& Clock::Real() {
  static SteadyClock clock;
  return clock;
}

}  // namespace platform
