#pragma once
// What one run of HID exchanges on the window's thread (a recognition, a pair-poll tick) may cost
// in total. A HID device answers within milliseconds, so a device that lets a read time out is
// taken as not answering for the rest of the run, and once the run's time is spent every further
// exchange fails at once; the callers then use their defaults.
#include <cstdint>

#include "platform/HidBus.h"

namespace io {

// The time the devices of one run may spend answering, on the platform clock. Only waits for the
// devices count, not the run's own pauses (a module given time to start).
class HidRunBudget {
 public:
  explicit HidRunBudget(uint32_t totalMs) : totalMs_(totalMs) {}
  uint32_t RemainingMs() const { return spentMs_ >= totalMs_ ? 0 : totalMs_ - spentMs_; }
  void Spend(uint32_t ms) { spentMs_ += ms; }

 private:
  uint32_t totalMs_;
  uint32_t spentMs_ = 0;
};

// A device seen through a run's budget: a waiting read waits at most what is left of the budget,
// and after a waiting read that times out or fails, or with the budget spent, every write and
// read fails at once without reaching the device. Looks without waiting pass through.
class BudgetedHidDevice : public platform::HidDevice {
 public:
  BudgetedHidDevice(platform::HidDevice& device, HidRunBudget& budget) : device_(device), budget_(budget) {}
  int Write(const uint8_t* report, size_t length) override;
  int Read(uint8_t* buffer, size_t length, int timeoutMs) override;
  bool GaveUp() const { return gaveUp_; }

 private:
  platform::HidDevice& device_;
  HidRunBudget& budget_;
  bool gaveUp_ = false;
};

}  // namespace io
