#pragma once
// A cell with a drop-down arrow at its right end that opens a pop-up window under (or, with no room
// below, above) itself. The page that holds the grid learns through the grid whether a pop-up is open.
#include <memory>

#include "controls/grid/CellButton.h"

namespace controls {

class CListCtrlCellWnd;

class CCellDropDown : public CCellButton {
 public:
  CCellDropDown();
  ~CCellDropDown() override;

  const fw::Rect* GetHotRect() override { return &m_rcText; }
  void Draw(fw::DeviceContext& dc, const fw::Rect* subItemRect, unsigned itemState) override;
  int GetPreferredWidth() override { return m_nArrowWidth; }
  void Deactivate() override;
  void OnOwnerLayout() override;
  void SetCellRect(const fw::Rect* subItemRect) override;
  void SetActiveRect(const fw::Rect* subItemRect) override;
  // F4 opens or closes the pop-up.
  int OnKeyDown(unsigned key, unsigned repeat, unsigned flags) override;
  int OnLButtonDown(unsigned flags, int x, int y) override;
  int OnLButtonUp(unsigned flags, int x, int y) override;
  int OnVScroll(unsigned code, unsigned pos, fw::Window* scrollBar) override;
  int OnHScroll(unsigned code, unsigned pos, fw::Window* scrollBar) override;
  void OnKillFocus(fw::Window* newFocus) override;
  void RepositionPopup() override;
  void OnPopupNotify(unsigned code, int value) override;

  // Opens the pop-up, or hides it when open.
  int OnClick(unsigned flags, int x, int y) override;
  void Commit() override;
  void Cancel() override;
  // Aligns the pop-up with the cell's choice before it shows.
  virtual void SyncPopup() = 0;
  // Where the pop-up goes, in the list's client coordinates.
  virtual fw::Rect GetPopupRect(bool below) = 0;
  virtual void SetSelection(int index) = 0;
  virtual void OnPopupTrack(int value);

  bool IsOpen() const { return m_bOpen; }
  CListCtrlCellWnd* GetPopup() const { return m_pPopupWnd.get(); }
  const fw::Rect& GetArrowRect() const { return m_rcArrow; }
  const fw::Rect& GetTextRect() const { return m_rcText; }

  // The arrow's pressed look, shared by all drop-down cells (under the drop-down lock).
  static bool IsArrowPressed();
  static void SetArrowPressed(bool pressed);

 protected:
  void RecalcTextRect();
  // Hides the pop-up without repainting or moving the focus.
  void HidePopup();
  // Closes the pop-up, repaints the text and arrow, and gives the focus back to the list.
  void CloseWithRepaint();
  // The pop-up rectangle fits on the screen's usable area.
  static bool FitsOnScreen(const fw::Rect& screenRect);
  // Maps a rectangle of the list's client area to the screen.
  fw::Rect ToScreen(const fw::Rect& clientRect) const;

  std::unique_ptr<CListCtrlCellWnd> m_pPopupWnd;
  bool m_bClickAnywhere = false;
  bool m_bTrackPressed = false;
  fw::Rect m_rcArrow;
  fw::Rect m_rcCell;
  fw::Rect m_rcText;
  int m_nArrowWidth;
  bool m_bNoRoom = false;
  bool m_bOpen = false;
};

}  // namespace controls
