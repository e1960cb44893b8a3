#pragma once
// A window of the program's own kind: no control behind it, it paints only through OnPaint (whose
// default fills it with the button face) and takes input only through OnInput. With
// CS_POPUPWINDOW it is a borderless top-level window owned by the parent's top-level window, placed
// in screen pixels (a drop-down list); otherwise a child placed in the parent's client pixels.
#include "framework/Window.h"

namespace fw {

class CustomWindow : public Window {
 public:
  CustomWindow();
  ~CustomWindow() override;

  // Creates the window hidden unless `style` lacks CS_HIDDEN.
  bool Create(Window* parent, const Rect& rect, uint32_t style, int id = 0);

 protected:
  detail::Native* CreateNative(detail::Native* parent, const ControlTemplate& t) override;
  void DefaultPaint(DeviceContext& dc) override;
  bool IsMouseTransparent() const override { return false; }
};

}  // namespace fw
