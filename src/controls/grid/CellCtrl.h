#pragma once
// The base of every in-place editor of the settings grid. A cell is not a window: the grid owns it,
// paints it through Draw inside its own row painting and feeds it the input the list receives while
// the cell is the active one. Message operations return 1 to let the list run its default
// processing, 0 to consume the message.
#include <cstdint>
#include <string>

#include "framework/DeviceContext.h"
#include "framework/Window.h"

namespace controls {

class CConfigListCtrl;

// Style bits of a cell (its own bits, and each concrete class's word ORed into them).
enum : uint32_t {
  CELL_STYLE_FONT_WHEN_ACTIVE = 0x01,
  CELL_STYLE_FRAME_WHEN_ACTIVE = 0x02,
  CELL_STYLE_SUNKEN_WHEN_ACTIVE = 0x04,
  CELL_STYLE_DISABLED = 0x08,
  CELL_STYLE_RIGHT = 0x10,
  CELL_STYLE_CENTER = 0x20,  // wins over CELL_STYLE_RIGHT
  CELL_STYLE_FRAME_WHEN_INACTIVE = 0x40,
  CELL_STYLE_SUNKEN_WHEN_INACTIVE = 0x80,
};

class CCellCtrl {
 public:
  CCellCtrl() = default;
  CCellCtrl(const CCellCtrl&) = delete;
  CCellCtrl& operator=(const CCellCtrl&) = delete;

  std::string GetText() const { return m_strText; }
  void AddStyle(uint32_t bits) { m_dwStyle |= bits; }
  void RemoveStyle(uint32_t bits) { m_dwStyle &= ~bits; }
  bool IsActive() const { return m_bActive; }
  CConfigListCtrl* GetOwnerList() const { return m_hOwnerList; }

  // --- The operations the grid calls, in their fixed order ----------------------------------------
  virtual ~CCellCtrl();
  // Keeps the owner list, its enabled flag and the text; makes the fonts.
  virtual void Init(CConfigListCtrl* ownerList, const bool* listEnabled, const std::string& text);
  virtual void ResetHover();
  // The rectangle the grid repaints after each edit.
  virtual const fw::Rect* GetHotRect() = 0;
  virtual const fw::Rect* GetCellRect();
  virtual void Draw(fw::DeviceContext& dc, const fw::Rect* subItemRect, unsigned itemState) = 0;
  virtual int GetPreferredWidth() = 0;
  virtual void Deactivate();
  virtual void Activate();
  virtual void OnOwnerLayout();
  virtual void SetCellRect(const fw::Rect* subItemRect);
  virtual void SetActiveRect(const fw::Rect* subItemRect);
  virtual int OnChar(unsigned ch, unsigned repeat, unsigned flags);
  virtual int OnKeyDown(unsigned key, unsigned repeat, unsigned flags);
  virtual int OnKeyUp(unsigned key, unsigned repeat, unsigned flags);
  virtual int OnLButtonDown(unsigned flags, int x, int y);
  virtual int OnLButtonUp(unsigned flags, int x, int y);
  virtual int OnTimer(uintptr_t timerId);
  virtual int OnVScroll(unsigned code, unsigned pos, fw::Window* scrollBar);
  virtual int OnHScroll(unsigned code, unsigned pos, fw::Window* scrollBar);
  virtual int OnMouseWheel(unsigned flags, short delta, int x, int y);
  virtual int OnMouseMove(unsigned flags, int x, int y);
  virtual int OnRButtonDown(unsigned flags, int x, int y);
  // TRUE (1) when not handled.
  virtual bool OnCommand(uintptr_t wParam, intptr_t lParam);
  virtual void OnKillFocus(fw::Window* newFocus);
  virtual void OnSetFocus(fw::Window* oldFocus);
  virtual void RepositionPopup();
  virtual void TrackHover(unsigned flags, int x, int y);
  virtual void OnActivateClick(unsigned flags, int x, int y);
  virtual void OnPopupNotify(unsigned code, int value);
  virtual uint32_t AddClassStyle(uint32_t bits) = 0;
  virtual uint32_t RemoveClassStyle(uint32_t bits) = 0;
  // The cell's own bits ORed with its class's word.
  virtual uint32_t GetStyle() const = 0;
  virtual void OnThemeChanged();

 protected:
  // The active font while active with CELL_STYLE_FONT_WHEN_ACTIVE, else the normal one.
  void SelectCellFont(fw::DeviceContext& dc) const;
  const fw::Font& CellFont() const;
  // Sunken edge or one-pixel frame by the style and the active state (drop-down cells).
  void DrawFrame(fw::DeviceContext& dc, const fw::Rect& rect) const;
  // DT_CENTER, DT_RIGHT or DT_LEFT by the cell's own bits.
  unsigned GetAlignment() const;
  // Painted greyed: the list window is disabled or the cell's own style is disabled.
  bool IsDrawnDisabled() const;
  // Repaints part of the owner list without erasing.
  void InvalidateOwner(const fw::Rect& rect) const;

  std::string m_strText;
  CConfigListCtrl* m_hOwnerList = nullptr;
  bool m_bActive = false;
  bool m_bHover = false;
  uint32_t m_dwStyle = 0;
  fw::Font m_fontNormal;
  fw::Font m_fontActive;
  const bool* m_pbListEnabled = nullptr;
};

// The font every cell draws with: the default face, bold, 12 pixels high.
fw::Font CellDefaultFont();

}  // namespace controls
