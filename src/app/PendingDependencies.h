#pragma once
// TEMPORARY STAND-INS, to be removed when the device model and the main-window texts land on main.
// Each declaration below is a strict subset of the real one (same names, same types, same
// meaning), so that replacing this file's contents by
//   #include "device/DeviceSettings.h"
//   #include "device/SettingsPages.h"
//   #include "localization/MainWindowTexts.h"
// is all the merge needs.
#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "localization/SafeFormat.h"
#include "localization/SharedTexts.h"

namespace device {

inline constexpr int SETTINGS_PAGE_BASIC = 1;
inline constexpr int SETTINGS_PAGE_SPEED_DIAL = 2;
inline constexpr int SETTINGS_PAGE_FM_RADIO = 3;

inline void ClearSettingsPages(int& count, std::span<int, 3> pages, int& selected) {
  count = 0;
  std::fill(pages.begin(), pages.end(), 0);
  selected = 0;
}

class CDeviceSettings {
 public:
  static constexpr int kFmPresetCount = 10;
  static constexpr int kSpeedDialCount = 3;

  int m_nProductId = 0;
  int m_nVersionMajor = 0;
  int m_nVersionMinor = 0;
  std::array<int, 10> m_anBasicSetting{};
  int m_nFmRegion = 0;
  std::array<int, kFmPresetCount> m_anFmPreset{};
  int m_bFmRds = 0;
  std::array<std::string, kSpeedDialCount> m_astrSpeedDial;

  void CopyFrom(const CDeviceSettings& src, bool withVersions) {
    const int major = m_nVersionMajor;
    const int minor = m_nVersionMinor;
    *this = src;
    if (!withVersions) {
      m_nVersionMajor = major;
      m_nVersionMinor = minor;
    }
  }
  bool SettingsDiffer(const CDeviceSettings& other, bool includeFm) const {
    if (m_anBasicSetting != other.m_anBasicSetting) return true;
    return includeFm && (m_nFmRegion != other.m_nFmRegion || m_anFmPreset != other.m_anFmPreset ||
                         m_bFmRds != other.m_bFmRds);
  }
  void SetDefaults(int /*productId*/, int /*major*/, int /*minor*/) {
    m_anBasicSetting.fill(0);
    SetSpeedDialDefaults(0, 0, 0);
  }
  void SetFmDefaults(int /*productId*/, int /*major*/, int /*minor*/) {}
  void SetSpeedDialDefaults(int /*productId*/, int /*major*/, int /*minor*/) {
    for (std::string& number : m_astrSpeedDial) number.clear();
  }
};

}  // namespace device

namespace text {

// English only until the translated texts land.
inline std::string GetSaveChangesPromptText(int language) {
  return Format("Would you like to save %s changes?", GetPageTitleText(5, language));
}
inline std::string GetAboutMenuText(int) { return "About..."; }
inline std::string GetOnlineHelpMenuText(int) { return "Online Help"; }
inline std::string GetDiagnosticLogText(int) { return "Diagnostic Log"; }
inline std::string GetCloseMenuText(int) { return "Close"; }

}  // namespace text
