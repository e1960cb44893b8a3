#pragma once
// A cell drawn as a small button: its text as caption or, with an empty text, a bitmap. A press on
// the button posts the message chosen at construction to the target window (none: nothing posted).
#include "controls/grid/CellButton.h"

namespace controls {

class CCellPushButton : public CCellWithClassStyle<CCellPushButton, CCellButton, 0> {
 public:
  CCellPushButton(fw::Window* target = nullptr, unsigned message = 0, uintptr_t wParam = 0, intptr_t lParam = 0);

  // The bitmap drawn when the text is empty (the settings page uses the help picture, 188).
  CCellPushButton* SetBitmapId(int bitmapId) {
    m_nBitmapId = bitmapId;
    return this;
  }
  int GetBitmapId() const { return m_nBitmapId; }

  const fw::Rect* GetHotRect() override { return &m_rcHot; }
  const fw::Rect* GetCellRect() override { return &m_rcCell; }
  void Draw(fw::DeviceContext& dc, const fw::Rect* subItemRect, unsigned itemState) override;
  int GetPreferredWidth() override;
  int OnLButtonDown(unsigned flags, int x, int y) override;
  int OnLButtonUp(unsigned flags, int x, int y) override;
  int OnClick(unsigned flags, int x, int y) override;
  void Commit() override;

 private:
  fw::Rect m_rcCell;
  fw::Window* m_hTarget;
  unsigned m_nMessage;
  uintptr_t m_wParam;
  intptr_t m_lParam;
  int m_nBitmapId = 0;
};

}  // namespace controls
