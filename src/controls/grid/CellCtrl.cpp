#include "controls/grid/CellCtrl.h"

#include "controls/grid/ConfigListCtrl.h"

namespace controls {

fw::Font CellDefaultFont() { return fw::Font("", -12, fw::FW_BOLD); }

CCellCtrl::~CCellCtrl() = default;

void CCellCtrl::Init(CConfigListCtrl* ownerList, const bool* listEnabled, const std::string& text) {
  m_hOwnerList = ownerList;
  m_pbListEnabled = listEnabled;
  m_strText = text;
  // Both fonts are bold and of one size: the active look comes from the frame, not the font.
  m_fontNormal = CellDefaultFont();
  m_fontActive = CellDefaultFont();
}

void CCellCtrl::ResetHover() { m_bHover = false; }
const fw::Rect* CCellCtrl::GetCellRect() { return GetHotRect(); }
void CCellCtrl::Deactivate() { m_bActive = false; }
void CCellCtrl::Activate() { m_bActive = true; }
void CCellCtrl::OnOwnerLayout() {}
void CCellCtrl::SetCellRect(const fw::Rect*) {}
void CCellCtrl::SetActiveRect(const fw::Rect*) {}
int CCellCtrl::OnChar(unsigned, unsigned, unsigned) { return 1; }
int CCellCtrl::OnKeyDown(unsigned, unsigned, unsigned) { return 1; }
int CCellCtrl::OnKeyUp(unsigned, unsigned, unsigned) { return 1; }

int CCellCtrl::OnLButtonDown(unsigned, int, int) {
  Activate();
  return 1;
}

int CCellCtrl::OnLButtonUp(unsigned, int, int) { return 1; }
int CCellCtrl::OnTimer(uintptr_t) { return 1; }
int CCellCtrl::OnVScroll(unsigned, unsigned, fw::Window*) { return 1; }
int CCellCtrl::OnHScroll(unsigned, unsigned, fw::Window*) { return 1; }
int CCellCtrl::OnMouseWheel(unsigned, short, int, int) { return 1; }
int CCellCtrl::OnMouseMove(unsigned, int, int) { return 1; }
int CCellCtrl::OnRButtonDown(unsigned, int, int) { return 1; }
bool CCellCtrl::OnCommand(uintptr_t, intptr_t) { return true; }
void CCellCtrl::OnKillFocus(fw::Window*) {}
void CCellCtrl::OnSetFocus(fw::Window*) {}
void CCellCtrl::RepositionPopup() {}
void CCellCtrl::TrackHover(unsigned, int, int) {}
void CCellCtrl::OnActivateClick(unsigned, int, int) {}
void CCellCtrl::OnPopupNotify(unsigned, int) {}
void CCellCtrl::OnThemeChanged() {}

const fw::Font& CCellCtrl::CellFont() const {
  return m_bActive && (GetStyle() & CELL_STYLE_FONT_WHEN_ACTIVE) ? m_fontActive : m_fontNormal;
}

void CCellCtrl::SelectCellFont(fw::DeviceContext& dc) const { dc.SelectFont(CellFont()); }

void CCellCtrl::DrawFrame(fw::DeviceContext& dc, const fw::Rect& rect) const {
  const uint32_t style = GetStyle();
  const uint32_t sunken = m_bActive ? CELL_STYLE_SUNKEN_WHEN_ACTIVE : CELL_STYLE_SUNKEN_WHEN_INACTIVE;
  const uint32_t framed = m_bActive ? CELL_STYLE_FRAME_WHEN_ACTIVE : CELL_STYLE_FRAME_WHEN_INACTIVE;
  if (style & sunken) {
    dc.DrawEdge(rect, fw::Edge::Sunken, fw::BF_RECT);
  } else if (style & framed) {
    const int saved = dc.SaveDC();
    dc.SelectBrush(fw::Brush::Hollow());
    dc.Rectangle(rect);
    dc.RestoreDC(saved);
  }
}

unsigned CCellCtrl::GetAlignment() const {
  if (m_dwStyle & CELL_STYLE_CENTER) return fw::DT_CENTER;
  if (m_dwStyle & CELL_STYLE_RIGHT) return fw::DT_RIGHT;
  return fw::DT_LEFT;
}

bool CCellCtrl::IsDrawnDisabled() const {
  return (m_pbListEnabled && !*m_pbListEnabled) || (m_dwStyle & CELL_STYLE_DISABLED) != 0;
}

void CCellCtrl::InvalidateOwner(const fw::Rect& rect) const {
  if (m_hOwnerList) m_hOwnerList->InvalidateRect(rect, false);
}

}  // namespace controls
