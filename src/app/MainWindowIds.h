#pragma once
// Control ids of the main window (template 102) and its timer.

namespace app {

enum : int {
  IDC_CLOSE = 1,  // the "X" button (IDOK)
  IDC_BACKGROUND = 1001,
  IDC_DEVICE_PICTURE = 1002,
  IDC_DEVICE_LINE1 = 1003,
  IDC_DEVICE_LINE2 = 1004,
  IDC_ABOUT = 1006,
  IDC_NAV_WELCOME = 1007,
  IDC_NAV_RECOGNITION = 1008,
  IDC_NAV_FIRMWARE_UPDATE = 1009,
  IDC_NAV_FIRMWARE_RESTORE = 1010,
  IDC_NAV_DEVICE_SETTING = 1011,
  IDC_TAB_BAND = 1012,
  IDC_STATUS_BACKGROUND = 1013,
  IDC_PAGE_FRAME = 1014,
  IDC_SHOW_STATUS = 1015,
  IDC_STATUS_TEXT = 1016,
  IDC_BACK = 1017,
  IDC_NEXT = 1018,
  IDC_ACTION = 1019,
  IDC_UPDATE_SHORTCUT = 1020,
  IDC_PROGRESS = 1021,
  IDC_PERCENT_SIGN = 1022,
  IDC_PERCENT_NUMBER = 1023,
  IDC_RESTORE_SHORTCUT = 1024,
  IDC_TAB_FIRST = 1025,
  IDC_TAB_SECOND = 1027,
  IDC_LANGUAGE_FLAG = 1166,
  IDC_PAGE_LIST = 1171,
};

// One shot, 100 ms after start: the first page is shown on its first tick.
inline constexpr unsigned TIMER_STARTUP = 1;
inline constexpr unsigned kStartupDelayMs = 100;
// One shot at the next turn of the event loop: makes one page that is still missing (page 2 after
// page 1's first paint, the others once the window has left page 1).
inline constexpr unsigned TIMER_LATER_PAGES = 2;

}  // namespace app
