#pragma once
// The wizard's seven pages by number: the main window, its status texts and the pages' titles
// are keyed by them.

namespace wizard {

enum PageNumber : int {
  PAGE_NONE = 0,  // before the first page is shown
  PAGE_SELECTION = 1,
  PAGE_RECOGNITION = 2,
  PAGE_FIRMWARE_UPDATE = 3,
  PAGE_FIRMWARE_RESTORE = 4,
  PAGE_DEVICE_SETTING = 5,
  PAGE_DEVICE_SETTING_SECOND = 6,
  PAGE_SPEED_DIAL = 7,
};

inline constexpr int FIRST_PAGE = PAGE_SELECTION;
inline constexpr int LAST_PAGE = PAGE_SPEED_DIAL;

constexpr bool IsFirmwarePage(int page) { return page == PAGE_FIRMWARE_UPDATE || page == PAGE_FIRMWARE_RESTORE; }
constexpr bool IsSettingsPage(int page) { return page >= PAGE_DEVICE_SETTING && page <= PAGE_SPEED_DIAL; }

}  // namespace wizard
