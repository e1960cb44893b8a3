#include "controls/grid/CellPushButton.h"

#include <map>

#include "framework/Bitmap.h"
#include "framework/SystemMetrics.h"

namespace controls {

using fw::GetSystemMetrics;

namespace {
// The face sits this far inside the cell; rows lower than twice this have no face to click.
constexpr int kFaceInset = 15;

// Every button of every grid shows the same picture or two: each is decoded once and kept. Cells
// draw on the window's thread only.
const fw::Bitmap& Picture(int bitmapId) {
  static std::map<int, fw::Bitmap> pictures;
  auto [at, added] = pictures.try_emplace(bitmapId);
  if (added) at->second = fw::Bitmap::Load(bitmapId);
  return at->second;
}
}  // namespace

CCellPushButton::CCellPushButton(fw::Window* target, unsigned message, uintptr_t wParam, intptr_t lParam)
    : m_hTarget(target), m_nMessage(message), m_wParam(wParam), m_lParam(lParam) {
  m_dwStyle = CELL_STYLE_CENTER;
}

int CCellPushButton::OnClick(unsigned, int, int) {
  if (m_hTarget) m_hTarget->PostMessage(m_nMessage, m_wParam, m_lParam);
  return 1;
}

void CCellPushButton::Commit() {
  if (m_bActive) InvalidateOwner(m_rcHot);
}

int CCellPushButton::OnLButtonDown(unsigned flags, int x, int y) {
  m_bActive = true;
  CCellButton::OnLButtonDown(flags, x, y);
  return 0;
}

int CCellPushButton::OnLButtonUp(unsigned, int, int) {
  m_bActive = false;
  InvalidateOwner(m_rcHot);
  return 0;
}

int CCellPushButton::GetPreferredWidth() {
  if (m_strText.empty()) return 20;
  return fw::MeasureText(CellFont(), m_strText + "i").cx + 20;
}

void CCellPushButton::Draw(fw::DeviceContext& dc, const fw::Rect* subItemRect, unsigned) {
  const int saved = dc.SaveDC();
  m_rcHot = {};
  const fw::Rect rect = *subItemRect;
  fw::Rect face = rect.Inflated(-kFaceInset, -kFaceInset);
  m_rcCell = face;
  const bool disabled = IsDrawnDisabled();
  dc.SetTextColor(disabled ? fw::colours::kGrayText : fw::colours::kWindowText);
  SelectCellFont(dc);
  m_rcHot = face;
  m_rcHot.right -= GetSystemMetrics(fw::SM_CXEDGE);
  // A row too low for the inset has no face (an inverted rectangle draws nothing).
  if (!face.IsRectEmpty()) {
    dc.FillSolidRect(face, disabled ? fw::colours::kButtonFace : fw::colours::kWindow);
    dc.SelectBrush(fw::Brush::Solid(fw::colours::kButtonFace));
    dc.Rectangle(m_rcHot);
  }
  if (!m_strText.empty() && !face.IsRectEmpty()) {
    fw::Rect text = m_rcCell;
    if (m_bActive && !disabled) {
      dc.DrawEdge(m_rcHot, fw::Edge::Etched, fw::BF_RECT);
      text.OffsetRect(GetSystemMetrics(fw::SM_CXBORDER), GetSystemMetrics(fw::SM_CYBORDER));
    } else {
      dc.DrawEdge(m_rcHot, fw::Edge::Raised, fw::BF_RECT);
    }
    dc.SetBkMode(fw::BkMode::Transparent);
    dc.DrawText(m_strText, text, fw::DT_CENTER | fw::DT_VCENTER | fw::DT_SINGLELINE | fw::DT_END_ELLIPSIS);
  } else if (const fw::Bitmap& bitmap = Picture(m_nBitmapId); !bitmap.IsPlaceholder()) {
    dc.DrawTransparent(bitmap, fw::Rect::FromXYWH(rect.left + 3, rect.top + 2, bitmap.Width(), bitmap.Height()),
                       fw::colours::kWhite);
  }
  dc.RestoreDC(saved);
}

}  // namespace controls
