#pragma once
// Up-down arrows. A user's step sends UDN_DELTAPOS to the parent.
#include "framework/Window.h"

namespace fw {

class UpDown : public Window {
 public:
  UpDown();
  ~UpDown() override;

  void SetRange(int lower, int upper);
  void GetRange(int& lower, int& upper) const;
  int SetPos(int pos);  // clamped; returns the previous position
  int GetPos() const;
  // Steps as the user would (+1 up, -1 down), clamped, then notifies the parent.
  bool StepAsUser(int delta);

 protected:
  detail::Native* CreateNative(detail::Native* parent, const ControlTemplate& t) override;
  void DefaultPaint(DeviceContext& dc) override;

 private:
  int lower_ = 0;
  int upper_ = 100;
  int pos_ = 0;
};

}  // namespace fw
