#include "controls/grid/ConfigListCtrl.h"

#include <algorithm>
#include <vector>

#include "controls/grid/CellDropDown.h"
#include "controls/grid/PopUpScrollList.h"
#include "framework/SystemMetrics.h"

namespace controls {

using fw::GetSystemMetrics;

namespace {

constexpr unsigned kArrowRecheckTimer = 0xC311;
constexpr unsigned kArrowRecheckMs = 200;

}  // namespace

int CConfigListCtrl::RowHeight() {
  return GetSystemMetrics(fw::SM_CYVTHUMB) + 5 * GetSystemMetrics(fw::SM_CYEDGE);
}

CConfigListCtrl::CConfigListCtrl() = default;

CConfigListCtrl::~CConfigListCtrl() {
  // The page that lent its flag may be half gone: nothing is written to it from here on.
  m_bDestroying = true;
  m_host = {};
  RemoveAllCells();
}

void CConfigListCtrl::OnCreated() {
  SetRowHeight(RowHeight());
  m_bListEnabled = IsWindowEnabled();
}

void CConfigListCtrl::SetPopupOpenFlag(bool open) {
  if (!m_bDestroying && m_host.popupOpen) *m_host.popupOpen = open;
}

// --- Cells -----------------------------------------------------------------------------------------

CCellCtrl* CConfigListCtrl::AddCell(int row, int column, std::unique_ptr<CCellCtrl> cell, const std::string& text) {
  if (!cell) return nullptr;
  CCellCtrl* raw = cell.get();
  SetCell(row, column, std::move(cell));
  raw->Init(this, &m_bListEnabled, text);
  SetSubItemText(row, column, raw->GetText());
  return raw;
}

void CConfigListCtrl::SetCell(int row, int column, std::unique_ptr<CCellCtrl> cell) {
  RemoveCell(row, column);
  if (!cell) return;
  const uint32_t key = MakeKey(row, column);
  m_mapCells[key] = std::move(cell);
  m_setKeys.insert(key);
}

void CConfigListCtrl::RemoveCell(int row, int column) {
  SetSubItemText(row, column, "");
  const uint32_t key = MakeKey(row, column);
  if (m_mapCells.count(key)) DeleteCellEntry(key);
}

void CConfigListCtrl::RemoveAllCells() {
  // Each entry leaves the map before its cell goes, so whatever the cell does on its way out
  // never meets a half-iterated map.
  while (!m_mapCells.empty()) DeleteCellEntry(m_mapCells.begin()->first);
}

void CConfigListCtrl::DeleteCellEntry(uint32_t key) {
  auto found = m_mapCells.find(key);
  if (found == m_mapCells.end()) return;
  std::unique_ptr<CCellCtrl> cell = std::move(found->second);
  m_mapCells.erase(found);
  if (cell.get() == m_pActiveCell) EndCellEdit();
  if (cell.get() == m_pHoverCell) {
    cell->ResetHover();
    m_nHoverRow = m_nHoverCol = -1;
    m_pHoverCell = nullptr;
  }
  cell.reset();
  m_setKeys.erase(key);
}

bool CConfigListCtrl::FindCell(int row, int column, CCellCtrl*& cell) const {
  auto found = m_mapCells.find(MakeKey(row, column));
  if (found == m_mapCells.end()) return false;
  cell = found->second.get();
  return true;
}

CCellCtrl* CConfigListCtrl::GetCell(int row, int column) const {
  CCellCtrl* cell = nullptr;
  return FindCell(row, column, cell) ? cell : nullptr;
}

bool CConfigListCtrl::SetCellDisabled(int row, int column, bool disabled) {
  CCellCtrl* cell = GetCell(row, column);
  if (!cell) return false;
  if (disabled) {
    cell->AddStyle(CELL_STYLE_DISABLED);
  } else {
    cell->RemoveStyle(CELL_STYLE_DISABLED);
  }
  InvalidateRect(GetSubItemRect(row, column, fw::LVIR_LABEL), false);
  return true;
}

int CConfigListCtrl::SetCellText(const CCellCtrl* cell, const std::string& text) {
  for (const auto& [key, stored] : m_mapCells) {
    if (stored.get() == cell) SetSubItemText(KeyRow(key), KeyColumn(key), text);
  }
  return 0;
}

void CConfigListCtrl::SetSubItemText(int row, int column, const std::string& text) {
  SetItemText(row, column, text);
}

void CConfigListCtrl::EndCellEdit() {
  CCellCtrl* cell = m_pActiveCell;
  m_nActiveRow = m_nActiveCol = -1;
  m_pActiveCell = nullptr;
  if (cell) cell->Deactivate();
}

void CConfigListCtrl::ForEachCell(const std::function<void(CConfigListCtrl&, uint32_t, CCellCtrl*)>& callback) {
  std::vector<std::pair<uint32_t, CCellCtrl*>> cells;
  cells.reserve(m_mapCells.size());
  for (const auto& [key, cell] : m_mapCells) cells.emplace_back(key, cell.get());
  for (const auto& [key, cell] : cells) {
    if (GetCell(KeyRow(key), KeyColumn(key)) == cell) callback(*this, key, cell);
  }
}

void CConfigListCtrl::ForEachCellRect() {
  for (const auto& [key, cell] : m_mapCells) {
    const fw::Rect rect = GetSubItemRect(KeyRow(key), KeyColumn(key), fw::LVIR_LABEL);
    cell->SetCellRect(&rect);
  }
}

// --- Rows and columns ------------------------------------------------------------------------------

int CConfigListCtrl::InsertItem(int row, const std::string& text) {
  ShiftRowsForInsert(row);
  return ListView::InsertItem(row, text);
}

bool CConfigListCtrl::SetItem(int row, int column, unsigned mask, const std::string& text, int, unsigned state,
                              unsigned stateMask, intptr_t lParam) {
  RemoveCell(row, column);
  if (row < 0 || row >= GetItemCount()) return false;
  bool ok = true;
  if (mask & fw::LVIF_TEXT) ok = SetItemText(row, column, text) && ok;
  if (mask & fw::LVIF_STATE) ok = SetItemState(row, state, stateMask) && ok;
  if (mask & fw::LVIF_PARAM) SetItemData(row, lParam);
  return ok;
}

bool CConfigListCtrl::DeleteAllItems() {
  RemoveAllCells();
  return ListView::DeleteAllItems();
}

int CConfigListCtrl::InsertColumn(int column, const std::string& heading, int format, int width, int) {
  ShiftColumnsForInsert(column);
  const int result = ListView::InsertColumn(column, heading, format, width);
  ShiftTextsForColumnZero(column);
  return result;
}

void CConfigListCtrl::ShiftRowsForInsert(int row) {
  std::unordered_map<uint32_t, std::unique_ptr<CCellCtrl>> shifted;
  shifted.reserve(m_mapCells.size());
  for (auto& [key, cell] : m_mapCells) {
    shifted[KeyRow(key) < row ? key : key + 0x10000u] = std::move(cell);
  }
  m_mapCells = std::move(shifted);
  ShiftKeyRows(row, true);
  if (m_pActiveCell && m_nActiveRow >= row) ++m_nActiveRow;
  if (m_pHoverCell && m_nHoverRow >= row) ++m_nHoverRow;
}

void CConfigListCtrl::ShiftColumnsForInsert(int column) {
  std::unordered_map<uint32_t, std::unique_ptr<CCellCtrl>> shifted;
  shifted.reserve(m_mapCells.size());
  for (auto& [key, cell] : m_mapCells) {
    const int c = KeyColumn(key);
    shifted[c < column ? key : MakeKey(KeyRow(key), c + 1)] = std::move(cell);
  }
  m_mapCells = std::move(shifted);
  ShiftKeyColumns(column, true);
  if (m_pActiveCell && m_nActiveCol >= column) ++m_nActiveCol;
  if (m_pHoverCell && m_nHoverCol >= column) ++m_nHoverCol;
}

void CConfigListCtrl::ShiftTextsForColumnZero(int column) {
  if (column != 0) return;
  const int columns = GetColumnCount();
  for (int row = 0; row < GetItemCount(); ++row) {
    for (int c = columns - 2; c >= 0; --c) SetItemText(row, c + 1, GetItemText(row, c));
    SetItemText(row, 0, "");
  }
}

void CConfigListCtrl::ShiftKeyRows(int row, bool insert) {
  std::set<uint32_t> keys;
  for (uint32_t key : m_setKeys) {
    const int r = KeyRow(key);
    if (r < row) {
      keys.insert(key);
    } else if (insert) {
      keys.insert(MakeKey(r + 1, KeyColumn(key)));
    } else if (r > row) {
      keys.insert(MakeKey(r - 1, KeyColumn(key)));
    }
  }
  m_setKeys = std::move(keys);
}

void CConfigListCtrl::ShiftKeyColumns(int column, bool insert) {
  std::set<uint32_t> keys;
  for (uint32_t key : m_setKeys) {
    const int c = KeyColumn(key);
    if (c < column) {
      keys.insert(key);
    } else if (insert) {
      keys.insert(MakeKey(KeyRow(key), c + 1));
    } else if (c > column) {
      keys.insert(MakeKey(KeyRow(key), c - 1));
    }
  }
  m_setKeys = std::move(keys);
}

void CConfigListCtrl::AutoSizeColumn(int column) {
  int width = 0;
  for (int row = 0; row < GetItemCount(); ++row) {
    CCellCtrl* cell = GetCell(row, column);
    width = std::max(width, cell ? cell->GetPreferredWidth() : GetStringWidth(GetItemText(row, column) + "i"));
  }
  if (column == 0) width += GetSystemMetrics(fw::SM_CXEDGE);
  SetColumnWidth(column, width);
  ForEachCellRect();
}

// --- Active cell and Tab order ---------------------------------------------------------------------

uint32_t CConfigListCtrl::NextCellKey(uint32_t key) const {
  auto found = m_setKeys.find(key);
  if (found == m_setKeys.end() || ++found == m_setKeys.end()) return kNoKey;
  return *found;
}

uint32_t CConfigListCtrl::PrevCellKey(uint32_t key) const {
  if (m_setKeys.empty()) return kNoKey;
  auto found = m_setKeys.find(key);
  if (found == m_setKeys.end()) return *m_setKeys.rbegin();
  if (found == m_setKeys.begin()) return kNoKey;
  return *--found;
}

bool CConfigListCtrl::IsCellDisabled(uint32_t key) const {
  const CCellCtrl* cell = GetCell(KeyRow(key), KeyColumn(key));
  return cell && (cell->GetStyle() & CELL_STYLE_DISABLED);
}

uint32_t CConfigListCtrl::SkipDisabled(uint32_t key, bool backward) const {
  while (IsCellDisabled(key)) {
    const uint32_t end = backward ? *m_setKeys.begin() : *m_setKeys.rbegin();
    if (key == end) break;
    key = backward ? PrevCellKey(key) : NextCellKey(key);
  }
  return key;
}

void CConfigListCtrl::ActivateCell(uint32_t key) {
  CCellCtrl* cell = GetCell(KeyRow(key), KeyColumn(key));
  if (!cell) return;
  if (m_pActiveCell && m_pActiveCell != cell) m_pActiveCell->Deactivate();
  for (int row = 0; row < GetItemCount(); ++row) SetItemState(row, 0, fw::LVIS_SELECTED | fw::LVIS_FOCUSED);
  m_pActiveCell = cell;
  m_nActiveRow = KeyRow(key);
  m_nActiveCol = KeyColumn(key);
  cell->Activate();
  SetItemState(m_nActiveRow, fw::LVIS_SELECTED, fw::LVIS_SELECTED | fw::LVIS_FOCUSED);
  const fw::Rect rect = GetSubItemRect(m_nActiveRow, m_nActiveCol, fw::LVIR_LABEL);
  cell->SetActiveRect(&rect);
  cell->OnActivateClick(0, 0, 0);
}

bool CConfigListCtrl::HandleTab(bool backward) {
  // True: the Tab moved between cells; false: it goes on to the dialog.
  if (m_setKeys.empty()) {
    m_bTabCycling = false;
    return false;
  }
  uint32_t target = kNoKey;
  if (!m_bTabCycling) {
    m_bTabCycling = true;
    target = backward ? SkipDisabled(*m_setKeys.rbegin(), true) : SkipDisabled(*m_setKeys.begin(), false);
  } else {
    const uint32_t active = m_pActiveCell ? MakeKey(m_nActiveRow, m_nActiveCol) : kNoKey;
    const uint32_t end = backward ? *m_setKeys.begin() : *m_setKeys.rbegin();
    if (active != kNoKey && m_setKeys.count(active) && active != end) {
      target = backward ? SkipDisabled(PrevCellKey(active), true) : SkipDisabled(NextCellKey(active), false);
    }
  }
  if (target == kNoKey || IsCellDisabled(target)) {
    m_bTabCycling = false;
    return false;
  }
  ActivateCell(target);
  return true;
}

bool CConfigListCtrl::PreTranslateMessage(const fw::Msg& msg) {
  if (msg.target != this) return ListView::PreTranslateMessage(msg);
  if (msg.kind == fw::MsgKind::KeyUp) {
    m_bKeyUpSeen = true;
    return ListView::PreTranslateMessage(msg);
  }
  if (msg.kind == fw::MsgKind::KeyDown && msg.key == fw::VK_TAB) {
    if (!m_bKeyUpSeen) {
      // The first Tab after the focus came (or a repeat): it counts as cycling already, so with no
      // active cell it leaves the grid at once.
      m_bKeyUpSeen = true;
      m_bTabCycling = true;
    }
    m_bKeyUpSeen = false;
    if (HandleTab((msg.flags & fw::MK_SHIFT) != 0)) return true;
  }
  return ListView::PreTranslateMessage(msg);
}

// --- Input -----------------------------------------------------------------------------------------

void CConfigListCtrl::RefreshActiveCell() {
  if (!m_pActiveCell) return;
  InvalidateRect(*m_pActiveCell->GetHotRect(), true);
  SetSubItemText(m_nActiveRow, m_nActiveCol, m_pActiveCell->GetText());
}

void CConfigListCtrl::ClickActivation(const fw::Msg& msg) {
  const bool hadFocus = m_bCaretCreated;
  bool runDefault = true;
  fw::Window* focusAfter = nullptr;
  const fw::ListHit hit = SubItemHitTest(msg.point);
  CCellCtrl* cell = hit.item >= 0 ? GetCell(hit.item, hit.subItem) : nullptr;
  if (cell && !(cell->GetStyle() & CELL_STYLE_DISABLED)) {
    m_nActiveRow = hit.item;
    m_nActiveCol = hit.subItem;
    if (m_pActiveCell && m_pActiveCell != cell) m_pActiveCell->Deactivate();
    m_pActiveCell = cell;
    const fw::Rect rect = GetSubItemRect(hit.item, hit.subItem, fw::LVIR_LABEL);
    cell->SetActiveRect(&rect);
    SetFocus();
    runDefault = cell->OnLButtonDown(msg.flags, msg.point.x, msg.point.y) != 0;
    focusAfter = fw::Window::GetFocus();
    SetSubItemText(hit.item, hit.subItem, cell->GetText());
    if (m_bCaretCreated) cell->OnActivateClick(msg.flags, msg.point.x, msg.point.y);
  } else {
    EndCellEdit();
  }
  if (runDefault) DefaultProcessing();
  if (hit.item >= 0 && !hadFocus) {
    if (CCellCtrl* now = GetCell(hit.item, hit.subItem)) now->OnActivateClick(msg.flags, msg.point.x, msg.point.y);
  }
  if (focusAfter && fw::Window::GetFocus() != focusAfter) focusAfter->TakeFocus();
  if (CurrentPage() == 5 && m_host.clickRules && hit.item >= 0) m_host.clickRules(hit.item, hit.subItem);
}

bool CConfigListCtrl::OnInput(const fw::Msg& msg) {
  const unsigned flags = msg.flags;
  const int x = msg.point.x;
  const int y = msg.point.y;
  switch (msg.kind) {
    case fw::MsgKind::LButtonDown:
      ClickActivation(msg);
      return true;
    case fw::MsgKind::Char:
      // Characters belong to the active cell; without one they are dropped.
      if (m_pActiveCell) {
        const unsigned ch = msg.text.empty() ? 0u : static_cast<unsigned char>(msg.text[0]);
        m_pActiveCell->OnChar(ch, 1, 0);
        RefreshActiveCell();
      }
      return true;
    case fw::MsgKind::KeyDown:
      // A Tab that the cells did not take moves the focus on, as the dialog's own keys do.
      if (!m_pActiveCell || msg.key == fw::VK_TAB) {
        DefaultProcessing();
        return true;
      }
      m_pActiveCell->OnKeyDown(msg.key, 1, flags);
      RefreshActiveCell();
      return true;
    case fw::MsgKind::KeyUp:
      return m_pActiveCell && m_pActiveCell->OnKeyUp(msg.key, 1, flags) == 0;
    case fw::MsgKind::LButtonUp:
      return m_pActiveCell && m_pActiveCell->OnLButtonUp(flags, x, y) == 0;
    case fw::MsgKind::MouseMove:
      return m_pActiveCell && m_pActiveCell->OnMouseMove(flags, x, y) == 0;
    case fw::MsgKind::RButtonDown:
      return m_pActiveCell && m_pActiveCell->OnRButtonDown(flags, x, y) == 0;
    case fw::MsgKind::MouseWheel:
      if (!m_pActiveCell || m_pActiveCell->OnMouseWheel(flags, static_cast<short>(msg.wheelDelta), x, y) != 0) {
        DefaultProcessing();
      }
      Invalidate(true);
      return true;
    case fw::MsgKind::SetFocus:
      DefaultProcessing();
      m_bCaretCreated = true;
      if (m_pActiveCell) m_pActiveCell->OnSetFocus(msg.other);
      return true;
    case fw::MsgKind::KillFocus:
      DefaultProcessing();
      if (m_pActiveCell && !IsCellPopupWindow(msg.other)) {
        CCellCtrl* cell = m_pActiveCell;
        cell->Deactivate();
        cell->OnKillFocus(msg.other);
        RefreshActiveCell();
        m_nActiveRow = m_nActiveCol = -1;
        m_pActiveCell = nullptr;
      }
      m_bCaretCreated = false;
      return true;
    default:
      return false;
  }
}

intptr_t CConfigListCtrl::OnMessage(unsigned msg, uintptr_t wParam, intptr_t lParam) {
  switch (msg) {
    case fw::WM_VSCROLL:
      // The list has scrolled itself; an open pop-up would now float beside its cell.
      if (m_pActiveCell) {
        m_pActiveCell->OnVScroll(fw::ScrollCode(wParam), static_cast<unsigned>(fw::ScrollPosition(wParam)),
                                 reinterpret_cast<fw::Window*>(lParam));
        Invalidate(true);
      }
      return 0;
    case fw::WM_HSCROLL:
      if (m_pActiveCell) {
        m_pActiveCell->OnHScroll(fw::ScrollCode(wParam), static_cast<unsigned>(fw::ScrollPosition(wParam)),
                                 reinterpret_cast<fw::Window*>(lParam));
      }
      return 0;
    case fw::WM_THEMECHANGED:
      for (auto& [key, cell] : m_mapCells) cell->OnThemeChanged();
      return 1;
    case WM_CELL_POPUP_NOTIFY:
      OnPopupNotify(static_cast<unsigned>(wParam), static_cast<int>(lParam));
      return 1;
    default:
      return ListView::OnMessage(msg, wParam, lParam);
  }
}

void CConfigListCtrl::OnPopupNotify(unsigned code, int value) {
  if (!m_pActiveCell) return;
  const int row = m_nActiveRow;
  const int column = m_nActiveCol;
  m_pActiveCell->OnPopupNotify(code, value);
  if (m_pActiveCell) SetSubItemText(m_nActiveRow, m_nActiveCol, m_pActiveCell->GetText());
  if (column == 2 && m_host.popupRules) m_host.popupRules(row, column);
  if (m_host.refreshAfterPopup) m_host.refreshAfterPopup();
}

bool CConfigListCtrl::OnCommand(int id, int notifyCode) {
  if (m_pActiveCell) {
    return !m_pActiveCell->OnCommand(fw::MakeCommand(id, notifyCode), 0) || ListView::OnCommand(id, notifyCode);
  }
  return ListView::OnCommand(id, notifyCode);
}

void CConfigListCtrl::OnTimer(unsigned id) {
  if (id == kArrowRecheckTimer) {
    // The arrow looks pressed only while the button is still held on it.
    KillTimer(kArrowRecheckTimer);
    const bool pressed = fw::IsKeyDown(fw::VK_LBUTTON) && m_rcRecheckArrow.PtInRect(m_ptRecheckClick);
    if (pressed != CCellDropDown::IsArrowPressed()) {
      CCellDropDown::SetArrowPressed(pressed);
      InvalidateRect(m_rcRecheckArrow, false);
    }
    return;
  }
  if (m_pActiveCell) m_pActiveCell->OnTimer(id);
  ListView::OnTimer(id);
}

void CConfigListCtrl::StartArrowRecheck(fw::Point click, const fw::Rect& arrow) {
  m_ptRecheckClick = click;
  m_rcRecheckArrow = arrow;
  SetTimer(kArrowRecheckTimer, kArrowRecheckMs);
}

void CConfigListCtrl::OnEnable(bool enabled) {
  ListView::OnEnable(enabled);
  m_bListEnabled = IsWindowEnabled();
}

void CConfigListCtrl::OnHeaderLayout() {
  Invalidate(false);
  ForEachCellRect();
  if (m_pActiveCell) m_pActiveCell->OnOwnerLayout();
}

bool CConfigListCtrl::OnHeaderDividerDoubleClick(int column) {
  AutoSizeColumn(column);
  return true;
}

// --- Painting --------------------------------------------------------------------------------------

void CConfigListCtrl::DrawItem(const fw::DrawItemStruct& item) {
  if (!item.dc || item.itemId < 0) return;
  fw::DeviceContext& dc = *item.dc;
  const int saved = dc.SaveDC();
  if (!m_bFirstDrawDone) {
    // The rows were measured when the list was made; later measures keep the same height.
    m_bFirstDrawDone = true;
    if (GetRowHeight() != RowHeight()) SetRowHeight(RowHeight());
  }
  for (int column = 0; column < GetColumnCount(); ++column) {
    const fw::Rect rect = GetSubItemRect(item.itemId, column, fw::LVIR_LABEL);
    if (CCellCtrl* cell = GetCell(item.itemId, column)) {
      cell->Draw(dc, &rect, item.state);
    } else {
      DrawPlainSubItem(dc, item.itemId, column, rect);
    }
  }
  dc.RestoreDC(saved);
}

void CConfigListCtrl::DrawPlainSubItem(fw::DeviceContext& dc, int row, int column, fw::Rect rect) {
  dc.FillSolidRect(rect, m_bListEnabled ? fw::colours::kWindow : fw::colours::kButtonFace);
  dc.SetTextColor(fw::colours::kWindowText);
  dc.SetBkMode(fw::BkMode::Transparent);
  rect.top += GetSystemMetrics(fw::SM_CYDLGFRAME);
  unsigned format = fw::DT_END_ELLIPSIS | fw::DT_BOTTOM;
  if (column == 0 && CurrentPage() == 4) format |= fw::DT_RIGHT;
  dc.DrawText(GetItemText(row, column), rect, format);
}

}  // namespace controls
