#pragma once
// Message numbers, notification codes, key codes and the input message handed to the hooks.
#include <cstdint>
#include <string>

#include "framework/Geometry.h"

namespace fw {

class Window;
class DeviceContext;

// Messages of SendMessage / PostMessage. WM_COMMAND carries the control id in the low 16 bits of
// wParam and the notification code in the high 16 bits (MakeCommand). Private messages are WM_USER + n.
enum : unsigned {
  WM_NULL = 0x0000,
  WM_CLOSE = 0x0010,
  WM_COMMAND = 0x0111,
  WM_TIMER = 0x0113,
  WM_HSCROLL = 0x0114,  // a scroll bar was used: wParam MakeScrollParam(code, position), lParam the
  WM_VSCROLL = 0x0115,  // scroll bar control (0 for a window's own scroll bar)
  WM_THEMECHANGED = 0x031A,
  WM_USER = 0x0400,
};

// Scroll bar codes of WM_HSCROLL / WM_VSCROLL, with the classic values.
enum : unsigned {
  SB_LINEUP = 0,
  SB_LINEDOWN = 1,
  SB_PAGEUP = 2,
  SB_PAGEDOWN = 3,
  SB_THUMBPOSITION = 4,
  SB_THUMBTRACK = 5,
  SB_TOP = 6,
  SB_BOTTOM = 7,
  SB_ENDSCROLL = 8,
};

constexpr uintptr_t MakeScrollParam(unsigned code, int position) {
  return (static_cast<uintptr_t>(static_cast<uint16_t>(position)) << 16) | static_cast<uint16_t>(code);
}
constexpr unsigned ScrollCode(uintptr_t wParam) { return static_cast<unsigned>(wParam & 0xFFFF); }
constexpr int ScrollPosition(uintptr_t wParam) { return static_cast<int>((wParam >> 16) & 0xFFFF); }

constexpr uintptr_t MakeCommand(int id, int notifyCode) {
  return (static_cast<uintptr_t>(static_cast<uint16_t>(notifyCode)) << 16) | static_cast<uint16_t>(id);
}
constexpr int CommandId(uintptr_t wParam) { return static_cast<int>(wParam & 0xFFFF); }
constexpr int CommandCode(uintptr_t wParam) { return static_cast<int>((wParam >> 16) & 0xFFFF); }

// Dialog results and the two standard control ids.
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

// Notification codes of OnCommand, with the classic values.
enum : int {
  BN_CLICKED = 0,
  BN_DOUBLECLICKED = 5,
  STN_CLICKED = 0,
  STN_DBLCLK = 1,
  LBN_SELCHANGE = 1,
  LBN_DBLCLK = 2,
  CBN_SELCHANGE = 1,
  CBN_DBLCLK = 2,
  CBN_SETFOCUS = 3,
  CBN_KILLFOCUS = 4,
  CBN_EDITCHANGE = 5,
  CBN_DROPDOWN = 7,
  CBN_CLOSEUP = 8,
  CBN_SELENDOK = 9,
  EN_SETFOCUS = 0x0100,
  EN_KILLFOCUS = 0x0200,
  EN_CHANGE = 0x0300,
  EN_VSCROLL = 0x0602,
  UDN_DELTAPOS = 0x7FFF,  // up-down position changed by the user (not the classic code)
};

// Virtual key codes, with the classic values.
enum : unsigned {
  VK_LBUTTON = 0x01,  // IsKeyDown: the left mouse button is held
  VK_BACK = 0x08,
  VK_TAB = 0x09,
  VK_RETURN = 0x0D,
  VK_SHIFT = 0x10,
  VK_CONTROL = 0x11,
  VK_MENU = 0x12,
  VK_ESCAPE = 0x1B,
  VK_SPACE = 0x20,
  VK_PRIOR = 0x21,
  VK_NEXT = 0x22,
  VK_END = 0x23,
  VK_HOME = 0x24,
  VK_LEFT = 0x25,
  VK_UP = 0x26,
  VK_RIGHT = 0x27,
  VK_DOWN = 0x28,
  VK_DELETE = 0x2E,
  VK_F1 = 0x70,
  VK_F4 = 0x73,
};

// Mouse and modifier state bits of Msg::flags.
enum : unsigned { MK_LBUTTON = 0x1, MK_RBUTTON = 0x2, MK_SHIFT = 0x4, MK_CONTROL = 0x8, MK_MBUTTON = 0x10 };

enum class MsgKind {
  LButtonDown,
  LButtonUp,
  LButtonDblClk,
  RButtonDown,
  RButtonUp,
  MButtonDown,
  MButtonUp,
  MouseMove,
  MouseWheel,
  KeyDown,
  KeyUp,
  Char,
  SetFocus,
  KillFocus,
};

// An input message aimed at a window: a mouse button, a move, the wheel, a key, a character or a
// focus change. PreTranslateMessage sees it before it is dispatched; OnInput handles it.
struct Msg {
  MsgKind kind = MsgKind::MouseMove;
  Window* target = nullptr;  // the window it is aimed at
  int targetId = 0;          // that window's control id
  Point point;               // in the target's client coordinates (mouse messages)
  Point screenPoint;         // in screen coordinates
  unsigned flags = 0;        // MK_ bits
  unsigned key = 0;          // VK_ code (KeyDown, KeyUp)
  std::string text;          // the character typed, UTF-8 (Char)
  int wheelDelta = 0;        // multiples of 120 per notch (MouseWheel)
  bool autoRepeat = false;   // a held key repeating (KeyDown)
  Window* other = nullptr;   // the window losing (SetFocus) or gaining (KillFocus) the focus

  bool IsMouseButtonDown() const {
    return kind == MsgKind::LButtonDown || kind == MsgKind::RButtonDown || kind == MsgKind::MButtonDown ||
           kind == MsgKind::LButtonDblClk;
  }
  bool IsKey() const { return kind == MsgKind::KeyDown || kind == MsgKind::KeyUp || kind == MsgKind::Char; }
};

// Owner-draw state bits, with the classic values.
enum : unsigned {
  ODS_SELECTED = 0x1,  // a button: pushed
  ODS_GRAYED = 0x2,
  ODS_DISABLED = 0x4,
  ODS_CHECKED = 0x8,
  ODS_FOCUS = 0x10,
};

// What an owner-drawn control asks its parent to draw.
struct DrawItemStruct {
  int ctlId = 0;
  int itemId = -1;  // the row of a list, -1 for a button
  Window* control = nullptr;
  DeviceContext* dc = nullptr;
  Rect rect;
  unsigned state = 0;

  bool Pushed() const { return (state & ODS_SELECTED) != 0; }
  bool Selected() const { return (state & ODS_SELECTED) != 0; }
  bool Disabled() const { return (state & ODS_DISABLED) != 0; }
  bool Focused() const { return (state & ODS_FOCUS) != 0; }
};

// Kinds of the colour handler's request.
enum class CtlColor { Dialog, Static, Button, Edit, ListBox, ScrollBar };

enum class CursorShape { Default, Arrow, Wait, Hand, IBeam };

}  // namespace fw
