#include "controls/grid/PopUpScrollList.h"

#include <algorithm>

#include "controls/grid/CellComboBox.h"
#include "controls/grid/ConfigListCtrl.h"
#include "framework/SystemMetrics.h"

namespace controls {

using fw::GetSystemMetrics;

bool IsCellPopupWindow(const fw::Window* window) {
  for (const fw::Window* w = window; w; w = w->GetParent()) {
    if (dynamic_cast<const CListCtrlCellWnd*>(w)) return true;
  }
  return false;
}

// --- CListCtrlCellWnd --------------------------------------------------------------------------------

CListCtrlCellWnd::CListCtrlCellWnd() = default;

CListCtrlCellWnd::~CListCtrlCellWnd() { *m_alive = false; }

bool CListCtrlCellWnd::NotifyOwner(unsigned code, int value) {
  const std::shared_ptr<bool> alive = m_alive;
  if (m_hOwnerList) m_hOwnerList->SendMessage(WM_CELL_POPUP_NOTIFY, code, value);
  return *alive;
}

void CListCtrlCellWnd::ClosePopup() {
  if (NotifyOwner(CELL_POPUP_CLOSED, 0)) ShowWindow(false);
}

// --- CPopUpScrollList --------------------------------------------------------------------------------

CPopUpScrollList::CPopUpScrollList() = default;

CPopUpScrollList::~CPopUpScrollList() = default;

bool CPopUpScrollList::Create(CConfigListCtrl* ownerList, CCellCtrl* cell) {
  m_hOwnerList = ownerList;
  m_pCombo = dynamic_cast<CCellComboBox*>(cell);
  if (!IsCreated()) {
    fw::Window* owner = ownerList ? ownerList->GetParent() : nullptr;
    if (!CustomWindow::Create(owner, {}, fw::CS_POPUPWINDOW | fw::CS_HIDDEN)) return false;
    fw::ControlTemplate bar;
    bar.style = fw::CS_VERTICAL | fw::CS_HIDDEN;
    m_wndScrollBar.CreateControl(bar, this);
  }
  m_wndScrollBar.SetScrollInfo(0, OptionCount() - 1, MaxVisible(), 0);
  return true;
}

int CPopUpScrollList::OptionCount() const { return m_pCombo ? m_pCombo->GetOptionCount() : 0; }
int CPopUpScrollList::MaxVisible() const { return m_pCombo ? m_pCombo->GetMaxVisible() : 6; }
int CPopUpScrollList::GetVisibleRows() const { return std::min(OptionCount(), MaxVisible()); }

fw::Rect CPopUpScrollList::InnerRect() const {
  return GetClientRect().Inflated(-GetSystemMetrics(fw::SM_CXBORDER), -GetSystemMetrics(fw::SM_CYBORDER));
}

int CPopUpScrollList::RowHeight(const fw::Rect& inner) const {
  const int rows = GetVisibleRows();
  return rows > 0 ? inner.Height() / rows : GetSystemMetrics(fw::SM_CYVTHUMB) - 2 * GetSystemMetrics(fw::SM_CYBORDER);
}

void CPopUpScrollList::ClosePopup() {
  const int index = GetTopOption() + m_nHotRow;
  // Only a highlighted row of the options can be chosen.
  const bool chosen = m_nHotRow >= 0 && m_nHotRow < GetVisibleRows() && index >= 0 && index < OptionCount();
  const bool alive = chosen ? NotifyOwner(CELL_POPUP_SELECT, index) : NotifyOwner(CELL_POPUP_CLOSED, 0);
  if (alive) ShowWindow(false);
}

void CPopUpScrollList::OnPaint(fw::DeviceContext& dc) {
  const int saved = dc.SaveDC();
  const fw::Rect client = GetClientRect();
  DefaultPaint(dc);  // the window's background, button face
  dc.SelectPen(fw::Pen::Solid(1, fw::colours::kBlack));
  dc.SelectBrush(fw::Brush::Hollow());
  dc.Rectangle(client);

  const fw::Rect inner = InnerRect();
  const int scrollWidth = GetSystemMetrics(fw::SM_CXVSCROLL);
  const bool showBar = OptionCount() > MaxVisible();
  if (showBar) {
    const fw::Rect place = fw::Rect::FromXYWH(inner.right - scrollWidth, inner.top, scrollWidth, inner.Height());
    if (m_wndScrollBar.GetWindowRect() != place) m_wndScrollBar.MoveWindow(place);
  }
  if (m_wndScrollBar.IsWindowVisible() != showBar) m_wndScrollBar.ShowWindow(showBar);

  dc.SelectFont(CellDefaultFont());
  dc.SetBkMode(fw::BkMode::Transparent);
  const int rows = GetVisibleRows();
  const int rowHeight = RowHeight(inner);
  fw::Rect row = inner;
  row.bottom = row.top + rowHeight;
  if (showBar) row.right -= scrollWidth;
  if (rows == 0) dc.FillSolidRect(row, fw::colours::kWindow);
  const int top = GetTopOption();
  for (int i = 0; i < rows; ++i) {
    const bool hot = i == m_nHotRow;
    dc.FillSolidRect(row, hot ? fw::colours::kHighlight : fw::colours::kWindow);
    fw::Rect text = row.Inflated(-GetSystemMetrics(fw::SM_CXDLGFRAME), 0);
    text.top += GetSystemMetrics(fw::SM_CYBORDER);
    const int option = top + i;
    if (m_pCombo && option < OptionCount()) m_pCombo->DrawItemText(dc, text, m_pCombo->GetOption(option), hot, false);
    row.OffsetRect(0, rowHeight);
  }
  dc.RestoreDC(saved);
}

bool CPopUpScrollList::OnInput(const fw::Msg& msg) {
  switch (msg.kind) {
    case fw::MsgKind::MouseMove:
      OnMouseMove(msg);
      return false;
    case fw::MsgKind::LButtonDown: {
      // The click point does not matter: the highlighted row is the choice.
      const std::shared_ptr<bool> alive = m_alive;
      ClosePopup();
      return !*alive;
    }
    case fw::MsgKind::KeyDown:
      OnKeyDown(msg.key);
      return false;
    case fw::MsgKind::MouseWheel:
      OnWheel(msg.wheelDelta);
      return true;
    default:
      return false;
  }
}

intptr_t CPopUpScrollList::OnMessage(unsigned msg, uintptr_t wParam, intptr_t lParam) {
  if (msg == fw::WM_VSCROLL) {
    OnScroll(fw::ScrollCode(wParam), fw::ScrollPosition(wParam));
    return 0;
  }
  return CListCtrlCellWnd::OnMessage(msg, wParam, lParam);
}

void CPopUpScrollList::OnMouseMove(const fw::Msg& msg) {
  if (m_pCombo) m_pCombo->OnMouseMove(msg.flags, msg.point.x, msg.point.y);
  fw::Rect inner = InnerRect();
  if (m_wndScrollBar.IsCreated()) inner.right -= GetSystemMetrics(fw::SM_CXVSCROLL);
  const int rowHeight = RowHeight(inner);
  for (int i = 0; i < GetVisibleRows(); ++i) {
    const fw::Rect row = fw::Rect::FromXYWH(inner.left, inner.top + i * rowHeight, inner.Width(), rowHeight);
    if (!row.PtInRect(msg.point)) continue;
    if (i != m_nHotRow) {
      m_nHotRow = i;
      Invalidate(false);
    }
    return;
  }
}

void CPopUpScrollList::KeepHotRowShown() {
  const int rows = GetVisibleRows();
  m_nHotRow = rows > 0 ? std::clamp(m_nHotRow, 0, rows - 1) : -1;
}

void CPopUpScrollList::FollowScroll(int oldTop) {
  if (m_nHotRow < 0) return;
  m_nHotRow += oldTop - GetTopOption();
  KeepHotRowShown();
}

void CPopUpScrollList::OnKeyDown(unsigned key) {
  int pos = GetTopOption();
  const int last = GetVisibleRows() - 1;
  switch (key) {
    case fw::VK_PRIOR:
      if (m_nHotRow != 0) {
        m_nHotRow = 0;
      } else {
        pos -= MaxVisible();
      }
      break;
    case fw::VK_NEXT:
      if (m_nHotRow < last) {
        m_nHotRow = last;
      } else {
        pos += MaxVisible();
      }
      break;
    case fw::VK_END:
      pos = OptionCount() - MaxVisible();
      break;
    case fw::VK_HOME:
      pos = 0;
      break;
    case fw::VK_UP:
      if (m_nHotRow != 0) {
        --m_nHotRow;
      } else {
        --pos;
      }
      break;
    case fw::VK_DOWN:
      if (m_nHotRow < last) {
        ++m_nHotRow;
      } else {
        ++pos;
      }
      break;
    default:
      break;
  }
  if (pos != GetTopOption()) SetTopOption(pos);
  if (key == fw::VK_PRIOR || key == fw::VK_NEXT || key == fw::VK_UP || key == fw::VK_DOWN) KeepHotRowShown();
  Invalidate(true);
  if (key == fw::VK_F4) CListCtrlCellWnd::ClosePopup();
}

void CPopUpScrollList::OnWheel(int delta) {
  const int oldTop = GetTopOption();
  if (delta > 0) SetTopOption(oldTop - 1);
  if (delta < 0) SetTopOption(oldTop + 1);
  FollowScroll(oldTop);
  Invalidate(false);
}

void CPopUpScrollList::OnScroll(unsigned code, int trackPos) {
  const int oldTop = GetTopOption();
  int pos = oldTop;
  switch (code) {
    case fw::SB_LINEUP: pos -= 1; break;
    case fw::SB_LINEDOWN: pos += 1; break;
    case fw::SB_PAGEUP: pos -= MaxVisible(); break;
    case fw::SB_PAGEDOWN: pos += MaxVisible(); break;
    case fw::SB_THUMBTRACK: pos = trackPos; break;
    default: break;
  }
  SetTopOption(pos);
  FollowScroll(oldTop);
  Invalidate(false);
}

}  // namespace controls
