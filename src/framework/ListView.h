#pragma once
// A report list: columns under a header, rows of items with sub-items. With CS_OWNERDRAW every row
// is painted by DrawItem (itemId = row, rect = the whole row), and sub-item rectangles tell where
// each cell lies. Subclasses see mouse and key input through OnInput and header events through the
// virtual hooks below. A user's action on one of its scroll bars (arrows, page areas, thumb, the
// wheel) reaches OnMessage as WM_VSCROLL or WM_HSCROLL (lParam 0) while the list scrolls itself.
#include <string>

#include "framework/Window.h"

namespace fw {

enum : int { LVCFMT_LEFT = 0, LVCFMT_RIGHT = 1, LVCFMT_CENTER = 2 };
enum : int { LVIR_BOUNDS = 0, LVIR_LABEL = 2 };
enum : unsigned { LVIS_FOCUSED = 0x1, LVIS_SELECTED = 0x2 };
// What an item update sets (classic values).
enum : unsigned { LVIF_TEXT = 0x1, LVIF_IMAGE = 0x2, LVIF_PARAM = 0x4, LVIF_STATE = 0x8 };

struct ListHit {
  int item = -1;
  int subItem = -1;
};

class ListView : public Window {
 public:
  ListView();
  ~ListView() override;

  int InsertColumn(int index, const std::string& heading, int format = LVCFMT_LEFT, int width = 80);
  bool DeleteColumn(int index);
  int GetColumnCount() const;
  bool SetColumnWidth(int index, int width);
  int GetColumnWidth(int index) const;

  int InsertItem(int index, const std::string& text);  // index of the new row, -1 on failure
  bool SetItemText(int item, int subItem, const std::string& text);
  std::string GetItemText(int item, int subItem) const;
  bool DeleteItem(int item);
  bool DeleteAllItems();
  int GetItemCount() const;
  bool SetItemState(int item, unsigned state, unsigned mask);
  unsigned GetItemState(int item, unsigned mask) const;
  void SetItemData(int item, intptr_t data);
  intptr_t GetItemData(int item) const;

  // Row height in pixels for every row.
  void SetRowHeight(int height);
  int GetRowHeight() const;
  // A cell's rectangle in client coordinates (LVIR_LABEL or LVIR_BOUNDS).
  Rect GetSubItemRect(int item, int subItem, int area = LVIR_LABEL) const;
  ListHit SubItemHitTest(Point clientPoint) const;
  int GetStringWidth(const std::string& text) const;
  void RedrawItems(int first, int last);

 protected:
  // Header events: the header was laid out again (columns resized), a divider was double-clicked.
  virtual void OnHeaderLayout() {}
  virtual bool OnHeaderDividerDoubleClick(int column) { (void)column; return false; }

  detail::Native* CreateNative(detail::Native* parent, const ControlTemplate& t) override;
  CtlColor ColourKind() const override { return CtlColor::ListBox; }
  bool WantsKey(unsigned vk) const override;

 private:
  friend struct ListViewAccess;
};

}  // namespace fw
