#pragma once
// The window's busy state as a count of duties: every duty (a wait, a device exchange, a job) takes
// a hold, and the window is busy while any hold is out. A hold is given back once, by Release or by
// going away with its duty; moving it (PassOn) hands the duty to whoever goes on with it. Only the
// count writes the flag it keeps, so no duty can clear another's. Window's thread only.
#include <utility>

namespace pages {

class BusyHold;

class BusyCount {
 public:
  // `flag` is true exactly while a hold is out; it must outlive every hold.
  explicit BusyCount(bool& flag) : flag_(flag) { flag_ = false; }
  BusyCount(const BusyCount&) = delete;
  BusyCount& operator=(const BusyCount&) = delete;

  [[nodiscard]] BusyHold Take();
  int Holds() const { return holds_; }

 private:
  friend class BusyHold;
  void Give() { flag_ = --holds_ > 0; }

  bool& flag_;
  int holds_ = 0;
};

class BusyHold {
 public:
  // Holds nothing (a page outside the window).
  BusyHold() = default;
  BusyHold(BusyHold&& other) noexcept : count_(std::exchange(other.count_, nullptr)) {}
  BusyHold& operator=(BusyHold&& other) noexcept {
    if (this != &other) {
      Release();
      count_ = std::exchange(other.count_, nullptr);
    }
    return *this;
  }
  BusyHold(const BusyHold&) = delete;
  BusyHold& operator=(const BusyHold&) = delete;
  ~BusyHold() { Release(); }

  void Release() {
    if (count_) std::exchange(count_, nullptr)->Give();
  }
  // The duty for whatever work this wait goes on into, which gives it back in its own time.
  [[nodiscard]] BusyHold PassOn() { return std::move(*this); }
  bool Held() const { return count_ != nullptr; }

 private:
  friend class BusyCount;
  explicit BusyHold(BusyCount& count) : count_(&count) {
    ++count.holds_;
    count.flag_ = true;
  }

  BusyCount* count_ = nullptr;
};

inline BusyHold BusyCount::Take() { return BusyHold(*this); }

}  // namespace pages
