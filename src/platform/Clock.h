#pragma once
// Time, sleeps and waits. Tests install a manual clock so that a 20-second wait runs at once.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <stop_token>

#include "platform/Installable.h"

namespace platform {

class Clock : public Installable<Clock> {
 public:
  // Milliseconds on a monotonic scale; wraps like the 32-bit tick count callers compare against.
  virtual uint32_t TickCount() = 0;
  virtual void SleepMs(uint32_t ms) = 0;
  // A sleep that a stop request ends at once, however long it was to last; false when it did (or
  // the stop came first). Unless overridden, the whole sleep is one SleepMs.
  virtual bool SleepUnlessStopped(uint32_t ms, const std::stop_token& stop);
  static Clock& Real();
};

// A clock that moves only when told to, or by the amount a sleep asks for.
class ManualClock : public Clock {
 public:
  uint32_t TickCount() override { return now_.load(); }
  void SleepMs(uint32_t ms) override { now_ += ms; }
  void Advance(uint32_t ms) { now_ += ms; }

 private:
  std::atomic<uint32_t> now_{1000};
};

}  // namespace platform
