#include "platform/Clock.h"

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
};

}  // namespace

Clock& Clock::Real() {
  static SteadyClock clock;
  return clock;
}

}  // namespace platform
