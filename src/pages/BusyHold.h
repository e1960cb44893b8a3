#pragma once
// The window's busy state as the duty of one wait: taken when the hold is made, given back once,
// by Release or by the hold going away with its wait. Moving the hold moves the duty.
#include <utility>

namespace pages {

class BusyHold {
 public:
  BusyHold() = default;
  // Sets `flag`; none (a page outside the window) holds nothing.
  explicit BusyHold(bool* flag) : flag_(flag) {
    if (flag_) *flag_ = true;
  }
  BusyHold(BusyHold&& other) noexcept : flag_(std::exchange(other.flag_, nullptr)) {}
  BusyHold& operator=(BusyHold&& other) noexcept {
    bool* next = std::exchange(other.flag_, nullptr);
    // Two holds of one flag are one duty: giving back the old one would clear the new one's.
    if (next != flag_) Release();
    flag_ = next;
    return *this;
  }
  BusyHold(const BusyHold&) = delete;
  BusyHold& operator=(const BusyHold&) = delete;
  ~BusyHold() { Release(); }

  void Release() {
    if (flag_) *std::exchange(flag_, nullptr) = false;
  }
  // The work the wait goes on into gives the busy state back in its own way.
  void PassOn() { flag_ = nullptr; }
  bool Held() const { return flag_ != nullptr; }

 private:
  bool* flag_ = nullptr;
};

}  // namespace pages
