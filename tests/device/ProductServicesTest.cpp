#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <set>
#include <string>
#include <vector>

#include "device/DefaultsTable.h"
#include "device/ModelNames.h"
#include "device/RadioServices.h"
#include "device/SettingsPages.h"
#include "device/UsbDeviceCount.h"
#include "device/UsbIdentities.h"
#include "platform/UsbBus.h"

namespace {

using namespace device;

TEST(ModelNames, BothFormsOfEveryNamedProduct) {
  const auto table = ModelNameTable();
  EXPECT_EQ(table.size(), 113u);
  std::set<int> ids;
  int sameForm = 0;
  for (const ModelName& name : table) {
    EXPECT_TRUE(ids.insert(name.productId).second) << std::hex << name.productId;
    const std::string display = GetModelName(name.productId, false);
    const std::string file = GetModelName(name.productId, true);
    EXPECT_FALSE(display.empty()) << std::hex << name.productId;
    // The file-name form names files and server-list keys.
    EXPECT_EQ(file.find_first_of(" /\\:"), std::string::npos) << file;
    if (display == file) ++sameForm;
  }
  EXPECT_EQ(sameForm, 64);

  struct Case {
    int productId;
    const char* display;
    const char* file;
  };
  const Case cases[] = {
      {0x4D21, "Corvale", "VKT_TQG27N"},
      {0x3040, "QZ5 Pro", "QZ5_Pro"},
      {0x2010, "RV.TAK", "RV-TAK"},
      {0x5620, "K4G WX8/WX8Pro", "K4G_WX8_WX8Pro"},
      {0x6121, "DGKIII", "HOBRIK2"},
      {0x6430, "Tesmo", "Tesmo"},
      {0x9999, "", ""},
      {0, "", ""},
      {-1, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetModelName(c.productId, false), c.display) << std::hex << c.productId;
    EXPECT_EQ(GetModelName(c.productId, true), c.file) << std::hex << c.productId;
  }

  // Every product with factory defaults has a name.
  for (const DefaultsRow& row : DefaultsTable()) {
    for (uint16_t id : row.products.Ids()) EXPECT_TRUE(ids.count(id)) << std::hex << id;
  }
}

struct PagesCase {
  int productId, major, minor;
  std::vector<int> kinds;
};

TEST(SettingsPages, EveryRowOfPageLists) {
  constexpr int B = SETTINGS_PAGE_BASIC, S = SETTINGS_PAGE_SPEED_DIAL, F = SETTINGS_PAGE_FM_RADIO;
  const PagesCase cases[] = {
      {0x2010, 1, 0, {B}},
      {0x5624, 1, 0, {B}},
      {0x3020, 1, 0, {B}},
      {0x2020, 1, 0, {B, S}},
      {0x4110, 1, 0, {B, S}},
      {0x6430, 1, 0, {B, S}},
      {0x2030, 1, 0, {B, S, F}},
      {0x5622, 1, 0, {B, S, F}},
      {0x5623, 1, 0, {B, S, F}},
      {0x6400, 1, 0, {B, S, F}},
      {0x4111, 1, 0, {S}},  // speed dial in place of the basic page
      {0x4D05, 1, 2, {B}},
      {0x4D55, 1, 3, {B, S}},
      {0x4D15, 1, 2, {B, F}},
      {0x4D65, 1, 3, {B, S, F}},
      {0x4D10, 4, 2, {B}},
      {0x4D10, 4, 3, {B, S}},
      {0x4D10, 4, 10, {B, S}},  // 4.10 is newer than 4.2
      {0x5080, 5, 0, {B, S}},
      {0x5040, 4, 2, {B, F}},
      {0x5050, 4, 3, {B, S, F}},
      {0x4D21, 1, 0, {}},  // this edition's own product has none
      {0x5345, 1, 0, {}},
      {0x9999, 1, 0, {}},
  };
  for (const PagesCase& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.productId << std::dec << ' ' << c.major
                                    << '.' << c.minor);
    int count = -1, selected = 2;
    std::array<int, 3> pages = {7, 7, 7};
    GetSettingsPages(c.productId, c.major, c.minor, count, pages, selected);
    ASSERT_EQ(count, static_cast<int>(c.kinds.size()));
    EXPECT_EQ(selected, 0);
    for (std::size_t i = 0; i < 3; ++i) {
      // Slots beyond the count keep their value, except in the empty list, which clears them.
      const int expected = i < c.kinds.size() ? c.kinds[i] : (c.kinds.empty() ? 0 : 7);
      EXPECT_EQ(pages[i], expected) << "slot " << i;
    }
  }

  int count = 3, selected = 2;
  int pages[3] = {1, 2, 3};
  ClearSettingsPages(count, pages, selected);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(selected, 0);
  EXPECT_EQ(pages[0] | pages[1] | pages[2], 0);
}

TEST(SettingsPages, KindNames) {
  EXPECT_EQ(GetSettingsPageKindText(SETTINGS_PAGE_BASIC, 0), "Basic");
  EXPECT_EQ(GetSettingsPageKindText(SETTINGS_PAGE_SPEED_DIAL, 0), "Speed Dial");
  EXPECT_EQ(GetSettingsPageKindText(SETTINGS_PAGE_FM_RADIO, 0), "FM Radio");
  EXPECT_EQ(GetSettingsPageKindText(SETTINGS_PAGE_BASIC, 2), "Basic");  // German keeps it
  EXPECT_EQ(GetSettingsPageKindText(SETTINGS_PAGE_SPEED_DIAL, 2), "Kurzwahl");
  for (int language = 1; language <= 10; ++language) {
    EXPECT_FALSE(GetSettingsPageKindText(SETTINGS_PAGE_FM_RADIO, language).empty()) << language;
  }
  for (int language : {-1, 11, INT_MIN, INT_MAX}) {
    EXPECT_EQ(GetSettingsPageKindText(SETTINGS_PAGE_BASIC, language), "") << language;
  }
  for (int kind : {0, 4, -1}) EXPECT_EQ(GetSettingsPageKindText(kind, 0), "") << kind;
}

TEST(RadioServices, FmBandAndChannelGridPerRegion) {
  struct Region {
    int lowest, highest, step;
  };
  const Region regions[kFmRegionCount] = {
      {7600, 10800, 10}, {8750, 10790, 20}, {8750, 10800, 10},
      {8750, 10790, 20}, {8750, 10800, 10}, {7600, 9500, 10},
  };
  for (int r = 0; r < kFmRegionCount; ++r) {
    SCOPED_TRACE(r);
    const Region& g = regions[r];
    EXPECT_EQ(CheckFmFrequency(r, g.lowest), kFmFrequencyValid);
    EXPECT_EQ(CheckFmFrequency(r, g.highest), kFmFrequencyValid);
    EXPECT_EQ(CheckFmFrequency(r, g.lowest + g.step), kFmFrequencyValid);
    EXPECT_EQ(CheckFmFrequency(r, g.lowest - 1), kFmFrequencyOutOfBand);
    EXPECT_EQ(CheckFmFrequency(r, g.highest + 1), kFmFrequencyOutOfBand);
    EXPECT_EQ(CheckFmFrequency(r, g.lowest + 1), kFmFrequencyOffGrid);
    EXPECT_EQ(CheckFmFrequency(r, g.highest - 1), kFmFrequencyOffGrid);
    EXPECT_EQ(CheckFmFrequency(r, INT_MIN), kFmFrequencyOutOfBand);
    EXPECT_EQ(CheckFmFrequency(r, INT_MAX), kFmFrequencyOutOfBand);
    ASSERT_NE(FindFmBand(r), nullptr);
    EXPECT_EQ(FindFmBand(r)->lowest, g.lowest);
    EXPECT_EQ(FindFmBand(r)->highest, g.highest);
    EXPECT_EQ(FindFmBand(r)->step, g.step);
  }
  EXPECT_EQ(CheckFmFrequency(1, 8750), kFmFrequencyValid);
  EXPECT_EQ(CheckFmFrequency(1, 8760), kFmFrequencyOffGrid);  // Americas: odd 200 kHz channels
  EXPECT_EQ(CheckFmFrequency(1, 10800), kFmFrequencyOutOfBand);
  EXPECT_EQ(CheckFmFrequency(5, 9510), kFmFrequencyOutOfBand);
  EXPECT_EQ(CheckFmFrequency(0, 7590), kFmFrequencyOutOfBand);

  // A region outside the table has no band at all.
  for (int region : {-1, kFmRegionCount, 0x56E9, INT_MIN, INT_MAX}) {
    EXPECT_EQ(CheckFmFrequency(region, 9000), kFmFrequencyOutOfBand) << region;
    EXPECT_EQ(FindFmBand(region), nullptr) << region;
  }
}

TEST(RadioServices, TransmitGainIndex) {
  const std::pair<int, int> cases[] = {{12, 0}, {15, 1}, {17, 2}, {0, 1}, {-12, 1}, {INT_MAX, 1}};
  for (const auto& [gain, index] : cases) EXPECT_EQ(TransmitGainToIndex(gain), index) << gain;
}

class FakeUsbBus : public platform::UsbBus {
 public:
  explicit FakeUsbBus(std::vector<platform::UsbDeviceInfo> devices)
      : devices_(std::move(devices)) {}
  std::vector<platform::UsbDeviceInfo> ListDevices() override { return devices_; }
  std::unique_ptr<platform::UsbDevice> Open(const platform::UsbDeviceInfo&) override {
    return nullptr;
  }

 private:
  std::vector<platform::UsbDeviceInfo> devices_;
};

platform::UsbDeviceInfo Usb(uint16_t vendor, uint16_t product) {
  return {vendor, product, 0x0100, "1-" + std::to_string(product)};
}

TEST(UsbDeviceCount, CountsTheAcceptedIdentitiesOnly) {
  FakeUsbBus bus({Usb(0x092B, 0x4D21), Usb(0x092B, 0x4D10), Usb(0x1234, 0x4D21),
                  Usb(0x092B, 0xCD21), Usb(0x092B, 0x4D21), Usb(0x0000, 0x0000)});
  platform::UsbBus::Scoped installed(bus);

  std::array<int, 4> pids = {-1, -1, -1, -1};
  EXPECT_EQ(CountUsbDevices(pids.data(), 2), 3);  // counting goes on past the array
  EXPECT_EQ(pids, (std::array<int, 4>{0x4D21, 0xCD21, -1, -1}));
  EXPECT_EQ(CountUsbDevices(pids.data(), 4), 3);
  EXPECT_EQ(pids, (std::array<int, 4>{0x4D21, 0xCD21, 0x4D21, -1}));
  EXPECT_EQ(CountUsbDevices(nullptr, 5), 3);
  EXPECT_EQ(CountUsbDevices(pids.data(), -3), 3);

  {
    ScopedAcceptedUsbIdentities only({{0x092B, 0x4D10}});
    EXPECT_EQ(CountUsbDevices(nullptr, 0), 1);
    EXPECT_TRUE(IsAcceptedUsbIdentity(0x092B, 0x4D10));
    EXPECT_FALSE(IsAcceptedUsbIdentity(0x092B, 0x4D21));
  }
  EXPECT_EQ(AcceptedUsbIdentities().size(), 2u);
  EXPECT_TRUE(IsAcceptedUsbIdentity(0x092B, 0x4D21 | DFU_MODE_FLAG));

  FakeUsbBus empty({});
  platform::UsbBus::Scoped none(empty);
  EXPECT_EQ(CountUsbDevices(pids.data(), 4), 0);
}

}  // namespace
