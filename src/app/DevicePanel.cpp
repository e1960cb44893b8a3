#include "app/DevicePanel.h"

#include <array>

#include "device/DevicePictures.h"
#include "device/ProductTraits.h"
#include "device/UsbIdentities.h"
#include "device/Version.h"
#include "localization/DevicePanelTexts.h"
#include "localization/SafeFormat.h"

namespace app {

namespace {

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
  const bool pair = device::IsHidPairProduct(product);
  Version shown{s.m_nVersionMajor, s.m_nVersionMinor, s.m_nSecondaryVersionType, s.m_nSecondaryVersion};
  if (device::ShowsFirstInterfaceVersion(product)) shown = FromHidVersion(s.m_anHidVersion1);
  if (pair) shown = {s.m_anHidVersion1[0], s.m_anHidVersion1[1], device::kVersionThirdNumber, s.m_anHidVersion1[3]};

  std::string line = device::HasProductFlag(product, device::kFourNumberVersion)
                         ? text::Format("v%d.%d.%d.%d", shown.type, shown.secondary, shown.major, shown.minor)
                         : VersionText(shown, pair);

  if (device::HasTwoHidInterfaces(product)) {
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
  if (device::IsDfuMode(state.usbStatus)) {
    const text::PanelLines lines = text::GetFirmwareManagementPanelLines(state.language);
    return {device::kPictureNoModel, lines.first, lines.second};
  }
  const device::CDeviceSettings& s = *state.settings;
  return {device::DevicePictureFor(s.m_nProductId, state.hardwareVariant), PanelDeviceName(s.m_strDeviceName),
          FirmwareLine(s)};
}

}  // namespace app
