#pragma once
// Up-down arrows. A user's step sends UDN_DELTAPOS to the parent. With a buddy window the buddy
// shows the position as a decimal integer (its own change notification follows every new
// position), and a number typed or written there becomes the position. Held down, an arrow
// repeats, with steps that grow after the times of its acceleration table.
#include <vector>

#include "framework/Window.h"

namespace fw {

// From `seconds` after an arrow was pressed on, each step moves `increment`.
struct UdAccel {
  int seconds;
  int increment;
};

class UpDown : public Window {
 public:
  // The held arrow's repeats run on the up-down's own timer.
  static constexpr unsigned kRepeatTimer = 1;
  static constexpr unsigned kFirstRepeatMs = 500;
  static constexpr unsigned kRepeatMs = 100;

  UpDown();
  ~UpDown() override;

  void SetRange(int lower, int upper);
  void GetRange(int& lower, int& upper) const;
  int SetPos(int pos);  // clamped and shown in the buddy; returns the previous position
  // With a buddy, its text when that reads as a whole number (clamped to the range); otherwise
  // the last position set.
  int GetPos() const;
  void SetBuddy(Window* buddy);
  Window* GetBuddy() const { return buddy_; }
  // Entries in rising order of time; before the first entry's time a step moves 1.
  void SetAccel(std::vector<UdAccel> table);
  const std::vector<UdAccel>& GetAccel() const { return accel_; }

  // One click as the user makes it (direction > 0 up, < 0 down): the position moves by the step
  // of the time the arrow is held, clamped, then the parent is notified.
  bool StepAsUser(int direction);
  // An arrow pressed and held: one step now, then repeats while the timer runs, until released.
  bool PressArrow(int direction);
  void ReleaseArrow();
  // The step an arrow held for `heldMs` moves.
  int IncrementAfter(unsigned heldMs) const;

  void OnTimer(unsigned id) override;

 protected:
  detail::Native* CreateNative(detail::Native* parent, const ControlTemplate& t) override;
  void DefaultPaint(DeviceContext& dc) override;
  void OnDestroy() override;

 private:
  int Clamp(int pos) const;

  int lower_ = 0;
  int upper_ = 100;
  int pos_ = 0;
  Window* buddy_ = nullptr;
  std::vector<UdAccel> accel_;
  int heldDirection_ = 0;  // 0: no arrow held
  unsigned heldMs_ = 0;
};

}  // namespace fw
