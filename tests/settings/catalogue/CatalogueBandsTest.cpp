// Every product with grid rows, at every firmware band edge: the list it lands on, checked by its
// length and its first and last label, against a table written out from the product documents.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "device/DeviceSettings.h"
#include "device/Version.h"
#include "settings/catalogue/Catalogue.h"

namespace {

using settings::KindInfo;
using settings::Locate;

struct Band {
  int major, minor;  // where the band starts
  int rows;
  const char* first;
  const char* last;
};
struct Expected {
  std::vector<int> ids;
  std::vector<Band> bands;
};

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

device::CDeviceSettings Firmware(int major, int minor, bool releaseCandidate = false) {
  device::CDeviceSettings device;
  device.m_nVersionMajor = major;
  device.m_nVersionMinor = minor;
  if (releaseCandidate) {
    device.m_nSecondaryVersionType = device::kVersionReleaseCandidate;
    device.m_nSecondaryVersion = 2;
  }
  return device;
}

// The band of `bands` a major.minor falls in, compared as whole numbers.
const Band& BandOf(const std::vector<Band>& bands, int major, int minor) {
  const Band* found = &bands.front();
  for (const Band& band : bands) {
    if (std::tie(major, minor) >= std::tie(band.major, band.minor)) found = &band;
  }
  return *found;
}

std::string English(const text::VocabularyRow* label) { return text::VocabularyText(*label, 0); }

TEST(CatalogueBands, EveryProductAtEveryBandEdgeGetsItsList) {
  int products = 0;
  for (const Expected& expected : kExpected) {
    // Each band start, just below it, a release candidate of it, 0.0, 1.10 and a far future.
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
    for (int id : expected.ids) {
      ++products;
      for (const auto& [major, minor, rc] : versions) {
        SCOPED_TRACE(testing::Message() << std::hex << "0x" << id << std::dec << " at " << major
                                        << "." << minor << (rc ? " rc" : ""));
        const auto place = Locate(id, Firmware(major, minor, rc));
        ASSERT_TRUE(place.has_value());
        ASSERT_NE(place->list, nullptr);
        const Band& want = BandOf(expected.bands, major, minor);
        const auto& rows = place->list->rows;
        ASSERT_EQ(static_cast<int>(rows.size()), want.rows) << place->list->name;
        EXPECT_EQ(English(KindInfo(rows.front().kind).label), want.first);
        EXPECT_EQ(English(KindInfo(rows.back().kind).label), want.last);
      }
    }
  }
  EXPECT_EQ(products, 61);
}

TEST(CatalogueBands, IssueFigures) {
  // 0x4210 at 1.0 / 1.1 / 1.4 / 1.5 / 1.10 and 0x5510 at 1.9 / 2.0 / 2.2 / 3.0.
  const std::vector<std::tuple<int, int, int, int>> cases = {
      {0x4210, 1, 0, 4},   {0x4210, 1, 1, 6},  {0x4210, 1, 4, 11},  {0x4210, 1, 5, 13},
      {0x4210, 1, 10, 13}, {0x5510, 1, 9, 18}, {0x5510, 2, 0, 22},  {0x5510, 2, 1, 22},
      {0x5510, 2, 2, 23},  {0x5510, 3, 0, 25}, {0x5530, 1, 10, 10}, {0x5550, 1, 10, 5},
  };
  for (const auto& [id, major, minor, rows] : cases) {
    const auto place = Locate(id, Firmware(major, minor));
    ASSERT_TRUE(place.has_value());
    EXPECT_EQ(static_cast<int>(place->list->rows.size()), rows)
        << std::hex << id << std::dec << " " << major << "." << minor;
  }
}

TEST(CatalogueBands, SwitchPanelAndUnknownProductsHaveNoRows) {
  const int ids[] = {0x4D10, 0x4D30, 0x4D40, 0x4D20, 0x4D21, 0x4D50, 0x5010, 0x5060, 0x5061, 0x5030,
                     0x5080, 0x5040, 0x5050, 0x4D75, 0x5011, 0x5020, 0x5070, 0x4040, 0x2020, 0x6110,
                     0x6111, 0x6120, 0x6121, 0x4110, 0x4111, 0x4120, 0x6420, 0x6430, 0x4D05, 0x4D35,
                     0x4D55, 0x4D15, 0x4D45, 0x4D65, 0x4D85, 0x4020, 0x4021, 0x2310, 0x2010, 0x2011,
                     0x2110, 0x2210, 0x4030, 0x4010, 0x5210,
                     // no editor at all, and ids nobody knows
                     0x5345, 0x5320, 0x5330, 0x3500, 0x5310, 0x3010, 0x3020, 0x1234, 0, -1};
  for (int id : ids) {
    EXPECT_FALSE(settings::FindGroup(id).has_value()) << std::hex << id;
    EXPECT_FALSE(Locate(id, Firmware(3, 0)).has_value()) << std::hex << id;
  }
}

}  // namespace
