#pragma once
// Dialog and menu layouts as C++ data, in dialog units. The base units are fixed: one horizontal
// unit is 7/4 pixel and one vertical unit 2 pixels, whatever fonts are installed, so that layouts
// and bitmaps agree everywhere.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/Geometry.h"

namespace fw {

enum class ControlKind {
  PushButton,   // push or owner-drawn button (style OwnerDraw)
  CheckBox,
  RadioButton,
  GroupBox,
  Text,         // static text
  Picture,      // static picture showing a bitmap
  Edit,
  ListBox,
  ComboBox,     // drop-down list
  ListView,     // report list with header
  ProgressBar,
  UpDown,
};

// Control styles (bits of ControlTemplate::style).
enum ControlStyle : uint32_t {
  CS_HIDDEN = 1u << 0,         // created invisible
  CS_DISABLED = 1u << 1,       // created disabled
  CS_OWNERDRAW = 1u << 2,      // a button drawn by its parent's OnDrawItem; a list drawn by DrawItem
  CS_DEFAULT = 1u << 3,        // the default push button (Enter presses it)
  CS_LEFT = 1u << 4,           // text alignment
  CS_RIGHT = 1u << 5,
  CS_CENTER = 1u << 6,
  CS_NOTIFY = 1u << 7,         // a static that reports clicks; a list box that reports selection changes
  CS_BORDER = 1u << 8,
  CS_VSCROLL = 1u << 9,
  CS_HSCROLL = 1u << 10,
  CS_CENTERIMAGE = 1u << 11,   // a picture centred in its control
  CS_NOPREFIX = 1u << 12,      // '&' shows as it is
  CS_MULTILINE = 1u << 13,     // edit
  CS_READONLY = 1u << 14,      // edit
  CS_WANTRETURN = 1u << 15,    // a multi-line edit takes Enter for itself
  CS_AUTOHSCROLL = 1u << 16,
  CS_TABSTOP = 1u << 17,
  CS_NOCOLUMNHEADER = 1u << 18,  // list view without header
  CS_SINGLESEL = 1u << 19,     // list view
  CS_SUNKEN = 1u << 20,
  CS_PASSWORD = 1u << 21,
  CS_NUMBER = 1u << 22,
  CS_SORT = 1u << 23,
  CS_AUTO = 1u << 24,          // check box or radio button that toggles itself
  CS_VERTICAL = 1u << 25,      // progress bar, up-down
  CS_SMOOTH = 1u << 26,        // progress bar
  CS_WORDWRAP_OFF = 1u << 27,  // static text on one line (no word break)
  CS_POPUPWINDOW = 1u << 28,   // created at run time as a borderless top-level window owned by the
                               // parent (a drop-down list); its rectangle is in screen pixels
};

// Dialog styles (bits of DialogTemplate::style).
enum DialogStyle : uint32_t {
  DS_POPUP = 1u << 0,       // a top-level window
  DS_CHILD = 1u << 1,       // a child window (a page inside a frame control)
  DS_BORDER = 1u << 2,      // thin border
  DS_CAPTION = 1u << 3,     // title bar; without it the window has no system frame
  DS_SYSMENU = 1u << 4,
  DS_VISIBLE = 1u << 5,     // shown when created
  DS_MODALFRAME = 1u << 6,
  DS_APPWINDOW = 1u << 7,   // shown in the task bar
  DS_CONTROL = 1u << 8,     // behaves as a control of its parent dialog
  DS_CENTER = 1u << 9,
};

struct ControlTemplate {
  int id = 0;
  ControlKind kind = ControlKind::Text;
  Rect units;  // left, top, right, bottom in dialog units (use Du(x, y, cx, cy))
  uint32_t style = 0;
  std::string text;
  int bitmapId = 0;  // Picture: the resource bitmap shown at creation (0: none)
};

struct DialogTemplate {
  int id = 0;
  Size units;  // in dialog units
  std::string fontFace = "Arial";
  int fontPoints = 10;
  uint32_t style = DS_POPUP | DS_CAPTION | DS_SYSMENU | DS_MODALFRAME;
  std::string caption;
  std::vector<ControlTemplate> controls;

  const ControlTemplate* Find(int controlId) const;
};

// A rectangle in dialog units from x, y, width and height, as the classic template writes it.
constexpr Rect Du(int x, int y, int cx, int cy) { return Rect{x, y, x + cx, y + cy}; }

// Dialog units to pixels with the fixed base units (7/4 px across, 2 px down), each coordinate
// rounded to the nearest pixel as the classic MulDiv does.
int DuToPixelsX(int units);
int DuToPixelsY(int units);
Size DuToPixels(Size units);
// Position and size are converted separately, as the classic dialog manager does.
Rect DuToPixels(const Rect& units);

// A pop-up menu: items with command ids; id 0 is a separator.
struct MenuItemTemplate {
  int id = 0;
  std::string text;
};
struct MenuTemplate {
  int id = 0;
  std::vector<MenuItemTemplate> items;
};

}  // namespace fw
