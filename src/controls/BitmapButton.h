#pragma once
// An owner-drawn push button that shows one picture in every state (normal, pushed, focused,
// disabled) and takes the picture's size.
#include "framework/Bitmap.h"
#include "framework/Button.h"

namespace controls {

class CBitmapButton : public fw::Button {
 public:
  CBitmapButton();
  ~CBitmapButton() override;

  // The resource picture `bitmapId` for every state; false when the resource is missing (a
  // placeholder shows then).
  bool LoadBitmaps(int bitmapId);
  // Resizes the button to its picture, keeping its top-left corner.
  void SizeToContent();
  const fw::Bitmap& Picture() const { return picture_; }

  void DrawItem(const fw::DrawItemStruct& item) override;

 private:
  fw::Bitmap picture_;
};

}  // namespace controls
