#include "io/HidRunBudget.h"

#include <algorithm>

#include "platform/Clock.h"

namespace io {

int BudgetedHidDevice::Write(const uint8_t* report, size_t length) {
  if (gaveUp_ || budget_.RemainingMs() == 0) {
    gaveUp_ = true;
    return -1;
  }
  return device_.Write(report, length);
}

int BudgetedHidDevice::Read(uint8_t* buffer, size_t length, int timeoutMs) {
  if (gaveUp_) return -1;
  if (timeoutMs <= 0) return device_.Read(buffer, length, 0);
  const uint32_t remaining = budget_.RemainingMs();
  if (remaining == 0) {
    gaveUp_ = true;
    return -1;
  }
  const int wait = static_cast<int>(std::min<uint32_t>(remaining, static_cast<uint32_t>(timeoutMs)));
  platform::Clock& clock = platform::Clock::Get();
  const uint32_t start = clock.TickCount();
  const int n = device_.Read(buffer, length, wait);
  budget_.Spend(clock.TickCount() - start);
  if (n <= 0) gaveUp_ = true;
  return n;
}

}  // namespace io
