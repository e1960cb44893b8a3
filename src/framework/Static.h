#pragma once
// Static text and static pictures. Text is drawn with the colours of the parent's colour handler;
// a picture shows a bitmap at its top-left corner or centred (CS_CENTERIMAGE), with an optional
// border. With CS_NOTIFY a click sends STN_CLICKED to the parent; without it, mouse input passes
// through to the parent.
#include "framework/Bitmap.h"
#include "framework/Window.h"

namespace fw {

class Static : public Window {
 public:
  Static();
  ~Static() override;

  // The picture shown (the classic STM_SETIMAGE); returns the previous one.
  Bitmap SetBitmap(const Bitmap& bitmap);
  const Bitmap& GetBitmap() const { return bitmap_; }
  bool IsPicture() const { return picture_; }

  // Clicks it as the user would (only with CS_NOTIFY, enabled and visible).
  bool Click();

 protected:
  detail::Native* CreateNative(detail::Native* parent, const ControlTemplate& t) override;
  void DefaultPaint(DeviceContext& dc) override;
  CtlColor ColourKind() const override { return CtlColor::Static; }
  bool IsMouseTransparent() const override;
  void OnCreated() override;

 private:
  Bitmap bitmap_;
  bool picture_ = false;
};

}  // namespace fw
