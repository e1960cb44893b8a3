#pragma once
#include "framework/Window.h"

namespace fw {

class ProgressBar : public Window {
 public:
  ProgressBar();
  ~ProgressBar() override;

  void SetRange(int lower, int upper);
  void GetRange(int& lower, int& upper) const;
  int SetPos(int pos);  // clamped to the range; returns the previous position
  int GetPos() const;
  int SetStep(int step);
  int StepIt();         // advances by the step, wrapping to the lower bound past the upper one

 protected:
  detail::Native* CreateNative(detail::Native* parent, const ControlTemplate& t) override;

 private:
  int lower_ = 0;
  int upper_ = 100;
  int pos_ = 0;
  int step_ = 10;
};

}  // namespace fw
