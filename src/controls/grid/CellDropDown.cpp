#include "controls/grid/CellDropDown.h"

#include "controls/ButtonCritSect.h"
#include "controls/grid/ConfigListCtrl.h"
#include "controls/grid/PopUpScrollList.h"
#include "framework/SystemMetrics.h"

namespace controls {

using fw::GetSystemMetrics;

CCellDropDown::CCellDropDown()
    : m_nArrowWidth(GetSystemMetrics(fw::SM_CXVSCROLL) + GetSystemMetrics(fw::SM_CXEDGE)) {}

CCellDropDown::~CCellDropDown() = default;

bool CCellDropDown::IsArrowPressed() {
  CButtonCritSect& lock = DropDownButtonLock();
  lock.Lock();
  const bool pressed = lock.m_bPressed;
  lock.Unlock();
  return pressed;
}

void CCellDropDown::SetArrowPressed(bool pressed) {
  CButtonCritSect& lock = DropDownButtonLock();
  lock.Lock();
  lock.m_bPressed = pressed;
  lock.Unlock();
}

void CCellDropDown::RecalcTextRect() {
  m_rcText = m_rcCell;
  m_rcText.left += GetSystemMetrics(fw::SM_CXEDGE);
  m_rcText.top += GetSystemMetrics(fw::SM_CYEDGE);
  m_rcText.right -= m_nArrowWidth;
  m_rcText.bottom -= GetSystemMetrics(fw::SM_CYEDGE);
}

void CCellDropDown::SetCellRect(const fw::Rect* rect) {
  m_rcCell = *rect;
  m_bNoRoom = m_nArrowWidth >= rect->Width();
  RecalcTextRect();
}

void CCellDropDown::SetActiveRect(const fw::Rect* rect) {
  m_rcCell = *rect;
  RecalcTextRect();
  m_rcArrow = *rect;
  m_rcArrow.left = rect->right - m_nArrowWidth;
  m_rcHot = m_bClickAnywhere ? *rect : m_rcArrow;
}

void CCellDropDown::HidePopup() {
  if (m_pPopupWnd && m_pPopupWnd->IsCreated()) m_pPopupWnd->ShowWindow(false);
  m_bOpen = false;
  if (m_hOwnerList) m_hOwnerList->SetPopupOpenFlag(false);
}

void CCellDropDown::CloseWithRepaint() {
  m_bOpen = false;
  if (m_hOwnerList) m_hOwnerList->SetPopupOpenFlag(false);
  if (m_pPopupWnd && m_pPopupWnd->IsCreated()) m_pPopupWnd->ShowWindow(false);
  InvalidateOwner(m_rcText);
  InvalidateOwner(m_rcArrow);
  // The list's own window was the active one: the grid's window must become active again for the
  // next key to reach the grid.
  if (m_hOwnerList) m_hOwnerList->TakeFocus();
}

void CCellDropDown::Deactivate() {
  m_bActive = false;
  HidePopup();
}

void CCellDropDown::OnOwnerLayout() { HidePopup(); }

int CCellDropDown::OnKeyDown(unsigned key, unsigned, unsigned flags) {
  if (key == fw::VK_F4) OnClick(flags, 0, 0);
  return 1;
}

int CCellDropDown::OnLButtonDown(unsigned flags, int x, int y) {
  m_bActive = true;
  CCellButton::OnLButtonDown(flags, x, y);
  return 0;
}

int CCellDropDown::OnLButtonUp(unsigned, int, int) {
  m_bActive = false;
  InvalidateOwner(m_rcHot);
  return 0;
}

int CCellDropDown::OnVScroll(unsigned, unsigned, fw::Window*) {
  HidePopup();
  return 1;
}

int CCellDropDown::OnHScroll(unsigned, unsigned, fw::Window*) {
  HidePopup();
  return 1;
}

void CCellDropDown::OnKillFocus(fw::Window* newFocus) {
  if (!m_pPopupWnd || newFocus == m_pPopupWnd.get() || !m_pPopupWnd->IsWindowVisible()) return;
  HidePopup();
  InvalidateOwner(m_rcArrow);
}

fw::Rect CCellDropDown::ToScreen(const fw::Rect& r) const {
  if (!m_hOwnerList) return r;
  const fw::Point topLeft = m_hOwnerList->ClientToScreen(r.TopLeft());
  return fw::Rect::FromXYWH(topLeft.x, topLeft.y, r.Width(), r.Height());
}

bool CCellDropDown::FitsOnScreen(const fw::Rect& r) {
  const fw::Rect area = fw::GetScreenWorkArea();
  return r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom;
}

void CCellDropDown::RepositionPopup() {
  if (!m_bOpen || !m_pPopupWnd) return;
  m_pPopupWnd->MoveWindow(ToScreen(GetPopupRect(true)));
  m_pPopupWnd->ShowWindow(true);
}

int CCellDropDown::OnClick(unsigned, int x, int y) {
  if (m_bNoRoom) return 1;
  if (m_bOpen) {
    if (m_pPopupWnd) HidePopup();
    return 1;
  }
  if (!m_pPopupWnd || !m_pPopupWnd->IsCreated()) return 1;
  // Below the cell when the list fits there on the screen, else above it. The test uses a mapped
  // copy, so the chosen rectangle is mapped to the screen exactly once.
  fw::Rect screen = ToScreen(GetPopupRect(true));
  if (!FitsOnScreen(screen)) screen = ToScreen(GetPopupRect(false));
  m_pPopupWnd->MoveWindow(screen);
  m_pPopupWnd->ShowWindow(true);
  m_pPopupWnd->BringToTop();
  SyncPopup();
  m_pPopupWnd->TakeFocus();
  m_bOpen = true;
  if (m_hOwnerList) m_hOwnerList->SetPopupOpenFlag(true);
  SetArrowPressed(true);
  InvalidateOwner(m_rcArrow);
  if (m_bTrackPressed && m_hOwnerList) m_hOwnerList->StartArrowRecheck({x, y}, m_rcArrow);
  return 1;
}

void CCellDropDown::Commit() {
  if (!m_bOpen) return;
  m_bOpen = false;
  if (m_hOwnerList) m_hOwnerList->SetPopupOpenFlag(false);
  if (m_pPopupWnd) m_pPopupWnd->ClosePopup();
  InvalidateOwner(m_rcText);
  InvalidateOwner(m_rcArrow);
}

void CCellDropDown::Cancel() {
  if (m_bOpen) CloseWithRepaint();
}

void CCellDropDown::OnPopupTrack(int) {}

void CCellDropDown::OnPopupNotify(unsigned code, int value) {
  switch (code) {
    case CELL_POPUP_SELECT:
      SetSelection(value);
      CloseWithRepaint();
      break;
    case CELL_POPUP_TRACK:
      OnPopupTrack(value);
      InvalidateOwner(m_rcText);
      break;
    case CELL_POPUP_CLOSED:
      CloseWithRepaint();
      break;
    default:
      break;
  }
}

void CCellDropDown::Draw(fw::DeviceContext& dc, const fw::Rect* subItemRect, unsigned) {
  const int saved = dc.SaveDC();
  const fw::Rect rect = *subItemRect;
  DrawFrame(dc, rect);
  if (rect.Width() > m_nArrowWidth) {
    fw::Rect arrow;
    arrow.right = rect.right - GetSystemMetrics(fw::SM_CXEDGE);
    arrow.left = arrow.right - GetSystemMetrics(fw::SM_CXVSCROLL);
    arrow.top = rect.top + GetSystemMetrics(fw::SM_CYEDGE);
    arrow.bottom = rect.bottom - GetSystemMetrics(fw::SM_CYEDGE);
    const bool pressed = m_bTrackPressed ? IsArrowPressed() : m_bOpen;
    unsigned state = fw::ARROW_NORMAL;
    if (IsDrawnDisabled()) {
      state = fw::ARROW_INACTIVE;
    } else if (pressed && m_bActive) {
      state = fw::ARROW_FLAT;
    }
    dc.DrawComboArrow(arrow, state);
    m_bNoRoom = false;
  } else {
    m_bNoRoom = true;
  }
  dc.RestoreDC(saved);
}

}  // namespace controls
