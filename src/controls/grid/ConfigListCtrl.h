#pragma once
// The settings grid: an owner-drawn report list whose positions may hold in-place editors (cells).
// It owns its cells in a map keyed by row << 16 | column, paints every position through its cell
// or as plain text, makes one cell at a time the active one, hands the list's input to that cell
// first, moves between cells with Tab and Shift+Tab in key order, and keeps the keys right when
// rows or columns are inserted.
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>

#include "controls/grid/CellCtrl.h"
#include "framework/ListView.h"

namespace controls {

// Sent (synchronously) by a cell's pop-up list to the grid: wParam a CELL_POPUP_ code, lParam a value.
constexpr unsigned WM_CELL_POPUP_NOTIFY = fw::WM_USER + 4096;
enum : unsigned {
  CELL_POPUP_SELECT = 0xA000,  // lParam: index of the chosen option
  CELL_POPUP_TRACK = 0xB000,
  CELL_POPUP_CLOSED = 0xC000,  // closed without a choice
};

// What the window holding the grid lends it. Every member may be left empty.
struct GridHost {
  // The page's "a cell's pop-up list is open" flag, written by the drop-down cells.
  bool* popupOpen = nullptr;
  // The main window's current page (0 when unknown): page 4 right-aligns column 0's plain texts,
  // and only page 5 runs the editing rules after a click.
  std::function<int()> currentPage;
  // The editing rules after a click activation on page 5, with the clicked row and column.
  std::function<void(int row, int column)> clickRules;
  // The editing rules after a pop-up notification in column 2, with the active row.
  std::function<void(int row, int column)> popupRules;
  // After every pop-up notification that reached an active cell: the page's and the main
  // window's captions and states again.
  std::function<void()> refreshAfterPopup;
};

class CConfigListCtrl : public fw::ListView {
 public:
  static constexpr uint32_t kNoKey = 0xFFFFFFFFu;
  static constexpr uint32_t MakeKey(int row, int column) {
    return (static_cast<uint32_t>(row) << 16) | (static_cast<uint32_t>(column) & 0xFFFFu);
  }
  static constexpr int KeyRow(uint32_t key) { return static_cast<int>(key >> 16); }
  static constexpr int KeyColumn(uint32_t key) { return static_cast<int>(key & 0xFFFFu); }
  // Row height of every grid: SM_CYVTHUMB + 5 x SM_CYEDGE.
  static int RowHeight();

  CConfigListCtrl();
  ~CConfigListCtrl() override;

  void SetHost(GridHost host) { m_host = std::move(host); }
  // Writes the host's pop-up flag (the drop-down cells call it).
  void SetPopupOpenFlag(bool open);

  // --- Cells -------------------------------------------------------------------------------------
  // Takes `cell`, replacing any cell at the position, initialises it with this list, the list's
  // enabled flag and `text`, and puts the cell's (possibly normalised) text into the sub-item.
  // Returns the cell, now owned by the grid.
  CCellCtrl* AddCell(int row, int column, std::unique_ptr<CCellCtrl> cell, const std::string& text);
  template <class Cell>
  Cell* AddCell(int row, int column, std::unique_ptr<Cell> cell, const std::string& text) {
    Cell* raw = cell.get();
    AddCell(row, column, std::unique_ptr<CCellCtrl>(std::move(cell)), text);
    return raw;
  }
  void SetCell(int row, int column, std::unique_ptr<CCellCtrl> cell);
  // Empties the sub-item and deletes the cell there, if any.
  void RemoveCell(int row, int column);
  void RemoveAllCells();
  bool FindCell(int row, int column, CCellCtrl*& cell) const;
  CCellCtrl* GetCell(int row, int column) const;
  // False when no cell is there; otherwise sets or clears CELL_STYLE_DISABLED and repaints.
  bool SetCellDisabled(int row, int column, bool disabled);
  // Sets the sub-item text of every position that holds `cell`.
  int SetCellText(const CCellCtrl* cell, const std::string& text);
  void SetSubItemText(int row, int column, const std::string& text);
  // Ends the active cell's editing: no active cell afterwards.
  void EndCellEdit();
  void EndEdit() { EndCellEdit(); }
  void ForEachCell(const std::function<void(CConfigListCtrl&, uint32_t, CCellCtrl*)>& callback);
  int GetCellCount() const { return static_cast<int>(m_mapCells.size()); }

  // --- Rows and columns ----------------------------------------------------------------------------
  // An empty row at `row` (the cells from that row on move down first); the new row's index, -1
  // on failure.
  int InsertItem(int row, const std::string& text);
  // The cell at the position goes, then the item is set (LVIF_TEXT, LVIF_STATE, LVIF_PARAM).
  bool SetItem(int row, int column, unsigned mask, const std::string& text, int image = 0, unsigned state = 0,
               unsigned stateMask = 0, intptr_t lParam = 0);
  // Every cell, then every row.
  bool DeleteAllItems();
  // A column at `column` with the cell keys and the texts shifted around it.
  int InsertColumn(int column, const std::string& heading, int format = fw::LVCFMT_LEFT, int width = 80,
                   int subItem = -1);
  void ShiftRowsForInsert(int row);
  void ShiftColumnsForInsert(int column);
  // After a column was inserted at 0: every row's texts move one column right.
  void ShiftTextsForColumnZero(int column);
  void AutoSizeColumn(int column);

  // --- Active cell and Tab order -------------------------------------------------------------------
  void ActivateCell(uint32_t key);
  uint32_t NextCellKey(uint32_t key) const;
  uint32_t PrevCellKey(uint32_t key) const;
  void ShiftKeyRows(int row, bool insert);
  void ShiftKeyColumns(int column, bool insert);
  int GetActiveRow() const { return m_nActiveRow; }
  int GetActiveColumn() const { return m_nActiveCol; }
  CCellCtrl* GetActiveCell() const { return m_pActiveCell; }
  // The list holds the keyboard focus (as far as its focus messages told it).
  bool HasListFocus() const { return m_bCaretCreated; }
  bool IsListEnabled() const { return m_bListEnabled; }

  // A drop-down cell's arrow is checked again 200 ms after its list opened, on this window's timer.
  void StartArrowRecheck(fw::Point click, const fw::Rect& arrow);

  bool PreTranslateMessage(const fw::Msg& msg) override;
  bool OnInput(const fw::Msg& msg) override;
  intptr_t OnMessage(unsigned msg, uintptr_t wParam, intptr_t lParam) override;
  bool OnCommand(int id, int notifyCode) override;
  void OnTimer(unsigned id) override;
  void OnEnable(bool enabled) override;
  void DrawItem(const fw::DrawItemStruct& item) override;

 protected:
  void OnCreated() override;
  void OnHeaderLayout() override;
  bool OnHeaderDividerDoubleClick(int column) override;

 private:
  void DeleteCellEntry(uint32_t key);
  void ClickActivation(const fw::Msg& msg);
  bool HandleTab(bool backward);
  uint32_t SkipDisabled(uint32_t key, bool backward) const;
  bool IsCellDisabled(uint32_t key) const;
  void RefreshActiveCell();
  void OnPopupNotify(unsigned code, int value);
  void DrawPlainSubItem(fw::DeviceContext& dc, int row, int column, fw::Rect rect);
  void ForEachCellRect();
  int CurrentPage() const { return m_host.currentPage ? m_host.currentPage() : 0; }

  std::unordered_map<uint32_t, std::unique_ptr<CCellCtrl>> m_mapCells;
  std::set<uint32_t> m_setKeys;
  bool m_bFirstDrawDone = false;
  bool m_bCaretCreated = false;
  bool m_bTabCycling = false;
  bool m_bKeyUpSeen = false;
  bool m_bListEnabled = true;
  int m_nActiveRow = -1;
  int m_nActiveCol = -1;
  CCellCtrl* m_pActiveCell = nullptr;
  int m_nHoverRow = -1;
  int m_nHoverCol = -1;
  CCellCtrl* m_pHoverCell = nullptr;
  GridHost m_host;
  bool m_bDestroying = false;
  fw::Point m_ptRecheckClick;
  fw::Rect m_rcRecheckArrow;
};

}  // namespace controls
