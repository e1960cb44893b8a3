#pragma once
// A picture control that blends into the window behind it: the picture's top-left pixel colour is
// transparent and shows a copy of the background the owner hands in.
#include "framework/Bitmap.h"
#include "framework/Static.h"

namespace controls {

class CMyStatic : public fw::Static {
 public:
  CMyStatic();
  ~CMyStatic() override;

  // What lies behind the control, made and refreshed by the owner; null until then.
  fw::Bitmap m_bmpBackground;

 protected:
  void OnPaint(fw::DeviceContext& dc) override;
};

}  // namespace controls
