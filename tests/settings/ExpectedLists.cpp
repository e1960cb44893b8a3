#include "settings/ExpectedLists.h"

#include <tuple>

#include "device/Version.h"

namespace settings_test {

namespace {

constexpr const char* kTav = "Audio Tavlisk™";
constexpr const char* kBoost = "Audio Boost";
constexpr const char* kMut = "Mutravo™";
constexpr const char* kNavi = "Smart Navi System";

// clang-format off
const std::vector<Expected> kExpected = {
    {{0x4210}, {{0, 0, 4, "VOX Phone", "Intercom-audio Sumbra Sensitivity"},
                {1, 1, 6, "VOX Phone", "Navigation App Support"},
                {1, 2, 11, kTav, kMut}, {1, 5, 13, kTav, kMut}}},
    {{0x4310, 0x4350, 0x4330, 0x4510, 0x4530, 0x2030}, {{0, 0, 13, kTav, "Voice Command"}}},
    {{0x4410, 0x4430}, {{0, 0, 12, kTav, "Voice Command"}}},
    {{0x5520}, {{0, 0, 8, kBoost, kMut}, {1, 1, 9, kBoost, kMut}, {1, 3, 10, kBoost, kMut},
                {2, 0, 12, kBoost, kMut}}},
    {{0x5526}, {{0, 0, 10, kBoost, kMut}, {2, 0, 12, kBoost, kMut}}},
    {{0x5720}, {{0, 0, 10, kBoost, kMut}}},
    {{0x5610, 0x5611, 0x5612, 0x5620, 0x5621},
     {{0, 0, 7, kBoost, kMut}, {1, 1, 8, kBoost, kMut}, {2, 0, 11, kBoost, kMut}}},
    {{0x5510}, {{0, 0, 18, kBoost, "Auto Camera Sleep"}, {2, 0, 22, kBoost, "Auto Camera Sleep"},
                {2, 2, 23, kBoost, "Auto Camera Sleep"}, {3, 0, 25, kBoost, "Auto Camera Sleep"}}},
    {{0x5580}, {{0, 0, 9, kBoost, kMut}, {2, 0, 11, kBoost, kMut}}},
    {{0x5570}, {{0, 0, 11, kBoost, kMut}}},
    {{0x5530}, {{0, 0, 8, kBoost, kMut}, {1, 4, 10, kBoost, kMut}, {2, 0, 11, kBoost, kMut}}},
    {{0x5532}, {{0, 0, 10, kBoost, kMut}}},
    {{0x5550}, {{0, 0, 6, kBoost, kMut}, {1, 2, 5, kBoost, kMut}, {2, 0, 7, kBoost, kMut}}},
    {{0x3110}, {{0, 0, 15, kBoost, "Voice Command"}, {1, 1, 16, kBoost, "Voice Command"},
                {2, 1, 17, kBoost, "Unit Language"}}},
    {{0x3112, 0x3114}, {{0, 0, 15, kBoost, "Voice Command"}, {1, 1, 16, kBoost, "Voice Command"}}},
    {{0x3116, 0x3118, 0x3124, 0x3126}, {{0, 0, 16, kBoost, "Voice Command"}}},
    {{0x5710}, {{0, 0, 8, kBoost, kMut}, {1, 2, 9, kBoost, kMut}}},
    {{0x5623}, {{0, 0, 8, kBoost, kMut}, {1, 1, 9, kBoost, kMut}}},
    {{0x5622}, {{0, 0, 8, kBoost, kMut}, {1, 1, 9, kBoost, kMut}, {2, 0, 12, kBoost, kMut}}},
    {{0x5624}, {{0, 0, 8, kBoost, kMut}, {1, 1, 9, kBoost, kMut}, {2, 0, 10, kBoost, kMut}}},
    {{0x5524}, {{0, 0, 4, kBoost, kMut}, {1, 1, 5, kBoost, kMut}, {2, 0, 7, kBoost, kMut}}},
    {{0x5536, 0x5522}, {{0, 0, 5, kBoost, kMut}}},
    {{0x3030, 0x3050, 0x3060, 0x3040}, {{0, 0, 3, "Voice Prompt", kMut}}},
    {{0x6210}, {{0, 0, 8, kBoost, kMut}, {2, 0, 10, kBoost, kMut}}},
    {{0x6400}, {{0, 0, 11, kBoost, kMut}}},
    {{0x5910, 0x5920}, {{0, 0, 8, kBoost, kMut}, {1, 1, 9, kBoost, kMut}}},
    {{0x5560}, {{0, 0, 8, kBoost, "Sidetone"}}},
    {{0x5410}, {{0, 0, 7, kBoost, "Sidetone"}, {1, 1, 8, kBoost, "Sidetone"}, {2, 0, 12, kBoost, kMut}}},
    {{0x5412, 0x5414}, {{0, 0, 12, kBoost, kMut}, {1, 1, 13, kBoost, kMut}}},
    {{0x5420, 0x5418}, {{0, 0, 13, kBoost, kMut}}},
    {{0x5416}, {{0, 0, 11, kBoost, kMut}, {1, 1, 12, kBoost, kMut}}},
    {{0x6010, 0x6012}, {{0, 0, 11, kBoost, "ESS Sensitivity"}, {1, 2, 12, kNavi, "ESS Sensitivity"}}},
    {{0x6014, 0x6016}, {{0, 0, 9, kBoost, kMut}, {1, 2, 10, kNavi, kMut}}},
    {{0x6026}, {{0, 0, 10, kNavi, kMut}}},
    {{0x6018}, {{0, 0, 9, kBoost, kMut}, {1, 1, 10, kNavi, kMut}}},
    {{0x6020, 0x6022, 0x6024}, {{0, 0, 6, kNavi, kMut}}},
};
// clang-format on

}  // namespace

const std::vector<Expected>& ExpectedLists() { return kExpected; }

const Band& BandOf(const std::vector<Band>& bands, int major, int minor) {
  const Band* found = &bands.front();
  for (const Band& band : bands) {
    if (std::tie(major, minor) >= std::tie(band.major, band.minor)) found = &band;
  }
  return *found;
}

device::CDeviceSettings Firmware(int major, int minor, bool releaseCandidate) {
  device::CDeviceSettings device;
  device.m_nVersionMajor = major;
  device.m_nVersionMinor = minor;
  if (releaseCandidate) {
    device.m_nSecondaryVersionType = device::kVersionReleaseCandidate;
    device.m_nSecondaryVersion = 2;
  }
  return device;
}

std::vector<std::tuple<int, int, bool>> EdgeVersions(const Expected& expected) {
  std::vector<std::tuple<int, int, bool>> versions = {
      {0, 0, false}, {1, 10, false}, {1, 9, false}, {99, 0, false}};
  for (const Band& band : expected.bands) {
    versions.emplace_back(band.major, band.minor, false);
    versions.emplace_back(band.major, band.minor, true);
    if (band.minor > 0)
      versions.emplace_back(band.major, band.minor - 1, false);
    else if (band.major > 0)
      versions.emplace_back(band.major - 1, 9, false);
  }
  return versions;
}

}  // namespace settings_test
