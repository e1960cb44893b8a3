// The device panel: what it shows for no device, a device in DFU mode and a recognised device,
// and that the main window puts it on its controls at every refresh.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/DevicePanel.h"
#include "app/MainWindowFixture.h"
#include "device/DevicePictures.h"
#include "framework/Bitmap.h"

namespace testing_app {
namespace {

constexpr int kEnglish = 0;
constexpr int kGerman = 2;
constexpr int kFinnish = 10;

app::DevicePanelContent Compose(bool recognized, int usbStatus, int language, const device::CDeviceSettings& s,
                                int variant = 0) {
  return app::ComposeDevicePanel({recognized, usbStatus, language, &s, variant});
}

TEST(DevicePanel, StatesWithoutAModelShowTheNoModelPictureAndTwoLines) {
  const device::CDeviceSettings s;
  struct Case {
    bool recognized;
    int usbStatus;
    int language;
    std::string line1, line2;
  };
  const std::vector<Case> cases = {
      {false, 0, kEnglish, "NO Device", "Recognized"},
      {false, 0x4D21, kGerman, "KEIN Gerät", "gefunden"},
      {false, 0, kFinnish, "NO Device", "Recognized"},  // no Finnish text: English, not a blank panel
      {false, 0, 42, "NO Device", "Recognized"},  // a language the tables lack reads as English
      {true, 0x8000 | 0xCD21, kGerman, "Firmware-", "Management"},
      {true, 0x8000, kEnglish, "Firmware", "Management"},
      {true, 0x8000, kFinnish, "Firmware", "Management"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line1 + "/" + c.line2);
    const app::DevicePanelContent shown = Compose(c.recognized, c.usbStatus, c.language, s);
    EXPECT_EQ(shown.picture, device::kPictureNoModel);
    EXPECT_EQ(shown.line1, c.line1);
    EXPECT_EQ(shown.line2, c.line2);
  }
}

TEST(DevicePanel, NameLosesItsLastWordOnlyWhenItHasADotAndABlank) {
  EXPECT_EQ(app::PanelDeviceName("TQG27 1.2"), "TQG27");
  EXPECT_EQ(app::PanelDeviceName("TQG 27 v1.2"), "TQG 27");
  EXPECT_EQ(app::PanelDeviceName("TQG27 Pro"), "TQG27 Pro");
  EXPECT_EQ(app::PanelDeviceName("TQG27.2"), "TQG27.2");
  EXPECT_EQ(app::PanelDeviceName(""), "");
}

TEST(DevicePanel, FirmwareLineFollowsTheProductsVersionForm) {
  struct Case {
    const char* what;
    int product;
    std::array<int, 4> record;  // major, minor, type, secondary
    std::array<int, 5> hid1;
    std::array<int, 5> hid2;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"release candidate", 0x4D10, {4, 2, 1, 3}, {}, {}, "v4.2rc3"},
      {"candidate without number", 0x4D10, {4, 2, 1, 0}, {}, {}, "v4.2rc"},
      {"third number zero", 0x4D10, {4, 2, 2, 0}, {}, {}, "v4.2"},
      {"third number", 0x4D10, {4, 10, 2, 7}, {}, {}, "v4.10.7"},
      {"release", 0x4D10, {4, 2, 0, 9}, {}, {}, "v4.2"},
      {"four numbers", 0x3020, {3, 4, 1, 2}, {}, {}, "v1.2.3.4"},
      {"two interfaces differ", 0x4210, {9, 9, 0, 0}, {1, 5, 0, 0, 0}, {1, 6, 0, 0, 0}, "v1.5 / v1.6"},
      {"two interfaces equal", 0x4210, {9, 9, 0, 0}, {1, 5, 0, 0, 0}, {1, 5, 0, 0, 0}, "v1.5"},
      {"second is a candidate", 0x4510, {0, 0, 0, 0}, {2, 0, 2, 0, 0}, {2, 0, 1, 4, 0}, "v2.0 / v2.0rc4"},
      {"first interface only", 0x3110, {9, 9, 0, 0}, {3, 1, 2, 2, 0}, {7, 7, 0, 0, 0}, "v3.1.2"},
      {"pair keeps its zero", 0x5345, {9, 9, 0, 0}, {2, 1, 0, 0, 0}, {2, 1, 0, 0, 0}, "v2.1.0"},
      {"pair differs", 0x5346, {0, 0, 0, 0}, {2, 1, 1, 0, 0}, {2, 1, 0, 3, 0}, "v2.1.0 / v2.1.3"},
      {"pair types ignored", 0x5345, {0, 0, 0, 0}, {2, 1, 1, 3, 0}, {2, 1, 0, 3, 0}, "v2.1.3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    device::CDeviceSettings s;
    s.m_nProductId = c.product;
    s.m_nVersionMajor = c.record[0];
    s.m_nVersionMinor = c.record[1];
    s.m_nSecondaryVersionType = c.record[2];
    s.m_nSecondaryVersion = c.record[3];
    s.m_anHidVersion1 = c.hid1;
    s.m_anHidVersion2 = c.hid2;
    EXPECT_EQ(Compose(true, c.product, kEnglish, s).line2, c.expected);
  }
}

TEST(DevicePanel, PicturesByProductAndHardwareVariant) {
  EXPECT_EQ(device::DevicePictureFor(0x4D21, 0), 388);
  EXPECT_EQ(device::DevicePictureFor(0x5526, 0), 360);
  EXPECT_EQ(device::DevicePictureFor(0x9999, 0), device::kPictureLogo);
  for (int variant : {0, 11}) EXPECT_EQ(device::DevicePictureFor(0x4210, variant), 284);
  for (int variant : {16, 27}) EXPECT_EQ(device::DevicePictureFor(0x4210, variant), 358);
  for (int variant : {1, 12, 255}) EXPECT_EQ(device::DevicePictureFor(0x4210, variant), 360);

  device::CDeviceSettings unknown;
  unknown.m_nProductId = 0x9999;
  const app::DevicePanelContent shown = Compose(true, 0x4D21, kEnglish, unknown);
  EXPECT_EQ(shown.picture, device::kPictureLogo);
  EXPECT_EQ(shown.line1, "");
}

// Every picture the panel can ask for is drawn, at the size the panel's layout expects.
TEST(DevicePanel, EveryPictureItCanShowExists) {
  std::set<int> pictures = {device::kPictureNoModel, device::kPictureLogo};
  for (int product = 0; product <= 0xFFFF; ++product) pictures.insert(device::DevicePictureFor(product, 0));
  for (int variant = 0; variant < 256; ++variant) pictures.insert(device::DevicePictureFor(0x4210, variant));
  for (int id : pictures) {
    SCOPED_TRACE(id);
    ASSERT_TRUE(fw::Bitmap::Exists(id));
    const fw::Bitmap b = fw::Bitmap::Load(id);
    const fw::Size expected = id == device::kPictureNoModel ? fw::Size{34, 34}
                              : id == device::kPictureLogo  ? fw::Size{64, 64}
                                                            : fw::Size{58, 39};
    EXPECT_EQ(b.GetSize(), expected);
    EXPECT_TRUE(b.HasFineImage()) << "drawn at twice the size too";
  }
}

TEST_F(StartedMainWindowTest, RefreshPutsThePanelOnTheWindowInTheCurrentLanguage) {
  EXPECT_EQ(W().m_staticDeviceLine1.GetWindowText(), "NO Device");
  EXPECT_EQ(W().m_staticDevicePicture.GetBitmap().ResourceId(), device::kPictureNoModel);

  Recognise(W(), 0x4D21);
  W().m_deviceSettings.m_nProductId = 0x4D21;
  W().m_deviceSettings.m_strDeviceName = "Corvale 20S 1.2";
  W().m_deviceSettings.m_nVersionMajor = 1;
  W().m_deviceSettings.m_nVersionMinor = 4;
  W().RefreshControls();
  EXPECT_EQ(W().m_staticDeviceLine1.GetWindowText(), "Corvale 20S");
  EXPECT_EQ(W().m_staticDeviceLine2.GetWindowText(), "v1.4");
  EXPECT_EQ(W().m_staticDevicePicture.GetBitmap().ResourceId(), 388);
  EXPECT_FALSE(W().m_staticDevicePicture.GetBitmap().IsPlaceholder());

  W().m_nUsbStatus = 0xCD21 | 0x8000;
  W().m_nLanguage = 1;
  W().RefreshControls();
  EXPECT_EQ(W().m_staticDeviceLine1.GetWindowText(), "Gestion");
  EXPECT_EQ(W().m_staticDeviceLine2.GetWindowText(), "du micrologiciel");
  EXPECT_EQ(W().m_staticDevicePicture.GetBitmap().ResourceId(), device::kPictureNoModel);

  W().m_bDeviceRecognized = false;
  W().RefreshControls();
  EXPECT_EQ(W().m_staticDeviceLine1.GetWindowText(), "AUCUN appareil");
  EXPECT_EQ(W().m_staticDeviceLine2.GetWindowText(), "reconnu");
}

}  // namespace
}  // namespace testing_app
