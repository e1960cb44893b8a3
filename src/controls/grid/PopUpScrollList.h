#pragma once
// The pop-up windows of drop-down cells. CListCtrlCellWnd knows the grid's list and tells it when
// the pop-up closes; CPopUpScrollList is the scrolling option list of a combo-box cell: up to six
// rows, a vertical scroll bar when there are more options, a highlighted row that follows the
// mouse, the keys Up, Down, Page Up, Page Down, Home, End and F4, and the wheel. Its results reach
// the grid as WM_CELL_POPUP_NOTIFY.
#include <memory>

#include "framework/CustomWindow.h"
#include "framework/ScrollBar.h"

namespace controls {

class CConfigListCtrl;
class CCellCtrl;
class CCellComboBox;

class CListCtrlCellWnd : public fw::CustomWindow {
 public:
  CListCtrlCellWnd();
  ~CListCtrlCellWnd() override;

  // Tells the grid that the pop-up closed without a choice, then hides.
  virtual void ClosePopup();

 protected:
  // Sends WM_CELL_POPUP_NOTIFY; false when this window went away meanwhile.
  bool NotifyOwner(unsigned code, int value);

  CConfigListCtrl* m_hOwnerList = nullptr;
  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

// True when `window` is a cell's pop-up list or lies inside one.
bool IsCellPopupWindow(const fw::Window* window);

class CPopUpScrollList : public CListCtrlCellWnd {
 public:
  CPopUpScrollList();
  ~CPopUpScrollList() override;

  // Creates the window hidden (once) and sets the scroll range for the cell's options.
  bool Create(CConfigListCtrl* ownerList, CCellCtrl* cell);
  // Chooses the highlighted row; closes without a choice when no option is highlighted.
  void ClosePopup() override;

  // Index of the option in the top row, and the highlighted row counted from there (-1: none).
  int GetTopOption() const { return m_wndScrollBar.GetScrollPos(); }
  void SetTopOption(int option) { m_wndScrollBar.SetScrollPos(option); }
  int GetHotRow() const { return m_nHotRow; }
  void SetHotRow(int row) { m_nHotRow = row; }
  int GetVisibleRows() const;
  bool IsScrollBarShown() const { return m_wndScrollBar.IsWindowVisible(); }
  fw::ScrollBar& GetScrollBar() { return m_wndScrollBar; }

  void OnPaint(fw::DeviceContext& dc) override;
  bool OnInput(const fw::Msg& msg) override;
  intptr_t OnMessage(unsigned msg, uintptr_t wParam, intptr_t lParam) override;

 private:
  int OptionCount() const;
  int MaxVisible() const;
  fw::Rect InnerRect() const;
  int RowHeight(const fw::Rect& inner) const;
  void OnMouseMove(const fw::Msg& msg);
  void OnKeyDown(unsigned key);
  void OnWheel(int delta);
  void OnScroll(unsigned code, int trackPos);
  // Moves the highlight with the options when the list scrolled, keeping it on a shown row.
  void FollowScroll(int oldTop);
  void KeepHotRowShown();

  CCellComboBox* m_pCombo = nullptr;
  int m_nHotRow = 0;
  fw::ScrollBar m_wndScrollBar;
};

}  // namespace controls
