#pragma once
// The settings pages a product offers at a firmware version, as a list of page kinds.
#include <span>
#include <string>

namespace device {

inline constexpr int SETTINGS_PAGE_BASIC = 1;       // page 5, device settings
inline constexpr int SETTINGS_PAGE_SPEED_DIAL = 2;  // page 7
inline constexpr int SETTINGS_PAGE_FM_RADIO = 3;    // page 6

// Kinds are listed in the order Basic, Speed Dial, FM Radio; slots beyond `count` keep what they
// held. Products without settings pages get an empty list.
void GetSettingsPages(int productId, int major, int minor, int& count, std::span<int, 3> pages,
                      int& selected);

void ClearSettingsPages(int& count, std::span<int, 3> pages, int& selected);

// "Basic", "Speed Dial" or "FM Radio" in the language; empty for another kind or a language
// outside 0 to 10.
std::string GetSettingsPageKindText(int kind, int language);

}  // namespace device
