#include "device/FirmwareVersionForms.h"

#include <algorithm>
#include <array>

#include "device/DeviceSettings.h"
#include "device/ProductTraits.h"
#include "device/Version.h"

namespace device {

namespace {

constexpr std::array kZeroThirdNumberProducts = {0x5345, 0x5346};
constexpr std::array kServerThirdNumberProducts = {0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126};

template <typename Set>
bool IsIn(const Set& set, int productId) {
  return std::find(set.begin(), set.end(), productId) != set.end();
}

}  // namespace

bool UsesFourPartVersion(int productId) { return HasProductFlag(productId, kFourNumberVersion); }
bool ShowsZeroThirdNumber(int productId) { return IsIn(kZeroThirdNumberProducts, productId); }
bool OffersServerThirdNumber(int productId) { return IsIn(kServerThirdNumberProducts, productId); }

bool IsServerVersionNewer(const CDeviceSettings& device, int target, int major, int minor, int type, int sub) {
  if (UsesFourPartVersion(target)) return device.CompareFullVersion(major, minor, type, sub) < 0;
  const int compare = device.CompareVersion(major, minor);
  if (device.m_nSecondaryVersionType == kVersionReleaseCandidate) return compare <= 0;
  if (compare != 0) return compare < 0;
  if (OffersServerThirdNumber(target) && device.m_nSecondaryVersionType != kVersionThirdNumber) return sub > 0;
  return device.m_nSecondaryVersion < sub;
}

}  // namespace device
