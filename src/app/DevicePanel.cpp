#include "app/DevicePanel.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "device/DevicePictures.h"
#include "device/Version.h"
#include "localization/DevicePanelTexts.h"
#include "localization/SafeFormat.h"

namespace app {

namespace {

constexpr int kDfuModeUsbStatus = 0x8000;
constexpr int kFourNumberProduct = 0x3020;

// Products whose firmware version is the first interface's version.
constexpr std::initializer_list<int> kFirstInterfaceProducts = {
    0x2030, 0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126, 0x3500,
    0x4210, 0x4310, 0x4330, 0x4350, 0x4410, 0x4430, 0x4510, 0x4530};
// Products that show the second interface's version too when it differs.
constexpr std::initializer_list<int> kTwoInterfaceProducts = {
    0x2030, 0x4210, 0x4310, 0x4330, 0x4350, 0x4410, 0x4430, 0x4510, 0x4530};
// The pair products: versions of two interfaces, always with their third number.
constexpr std::initializer_list<int> kPairProducts = {0x5345, 0x5346};

bool IsIn(std::initializer_list<int> list, int productId) {
  return std::find(list.begin(), list.end(), productId) != list.end();
}

struct Version {
  int major = 0;
  int minor = 0;
  int type = 0;
  int secondary = 0;
};

Version FromHidVersion(const std::array<int, 5>& v) { return {v[0], v[1], v[2], v[3]}; }

// The release-candidate, third-number and plain forms; `keepZeroThird` keeps "v2.1.0".
std::string VersionText(const Version& v, bool keepZeroThird) {
  switch (v.type) {
    case device::kVersionReleaseCandidate:
      if (v.secondary == 0) return text::Format("v%d.%drc", v.major, v.minor);
      return text::Format("v%d.%drc%d", v.major, v.minor, v.secondary);
    case device::kVersionThirdNumber:
      if (v.secondary == 0 && !keepZeroThird) return text::Format("v%d.%d", v.major, v.minor);
      return text::Format("v%d.%d.%d", v.major, v.minor, v.secondary);
    default:
      return text::Format("v%d.%d", v.major, v.minor);
  }
}

bool Differ(const Version& a, const Version& b) {
  return device::CompareVersions(a.major, a.minor, a.type, a.secondary, b.major, b.minor, b.type, b.secondary,
                                 false) != 0;
}

std::string FirmwareLine(const device::CDeviceSettings& s) {
  const int product = s.m_nProductId;
  const bool pair = IsIn(kPairProducts, product);
  Version shown{s.m_nVersionMajor, s.m_nVersionMinor, s.m_nSecondaryVersionType, s.m_nSecondaryVersion};
  if (IsIn(kFirstInterfaceProducts, product)) shown = FromHidVersion(s.m_anHidVersion1);
  if (pair) shown = {s.m_anHidVersion1[0], s.m_anHidVersion1[1], device::kVersionThirdNumber, s.m_anHidVersion1[3]};

  std::string line = product == kFourNumberProduct
                         ? text::Format("v%d.%d.%d.%d", shown.type, shown.secondary, shown.major, shown.minor)
                         : VersionText(shown, pair);

  if (IsIn(kTwoInterfaceProducts, product)) {
    const Version second = FromHidVersion(s.m_anHidVersion2);
    if (Differ(FromHidVersion(s.m_anHidVersion1), second)) line += " / " + VersionText(second, false);
  } else if (pair) {
    Version first = FromHidVersion(s.m_anHidVersion1);
    Version second = FromHidVersion(s.m_anHidVersion2);
    first.type = second.type = device::kVersionThirdNumber;
    if (Differ(first, second)) {
      line += " / " + text::Format("v%d.%d.%d", second.major, second.minor, second.secondary);
    }
  }
  return line;
}

}  // namespace

std::string PanelDeviceName(const std::string& name) {
  const size_t lastBlank = name.rfind(' ');
  if (name.find('.') == std::string::npos || lastBlank == std::string::npos) return name;
  return name.substr(0, lastBlank);
}

DevicePanelContent ComposeDevicePanel(const DevicePanelState& state) {
  if (!state.recognized || !state.settings) {
    const text::PanelLines lines = text::GetNoDevicePanelLines(state.language);
    return {device::kPictureNoModel, lines.first, lines.second};
  }
  if (state.usbStatus >= kDfuModeUsbStatus) {
    const text::PanelLines lines = text::GetFirmwareManagementPanelLines(state.language);
    return {device::kPictureNoModel, lines.first, lines.second};
  }
  const device::CDeviceSettings& s = *state.settings;
  return {device::DevicePictureFor(s.m_nProductId, state.hardwareVariant), PanelDeviceName(s.m_strDeviceName),
          FirmwareLine(s)};
}

}  // namespace app
