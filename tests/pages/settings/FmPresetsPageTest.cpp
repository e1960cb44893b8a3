// The FM radio presets page: the up-down's channel steps, typed megahertz, the presets switched
// on and off, the region and RDS, and what SAVE sends to the device.
#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "SimBlueCoreHeadset.h"
#include "app/MainWindowFixture.h"
#include "controls/DialogMessageBox.h"
#include "device/RadioServices.h"
#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/Edit.h"
#include "framework/TestSeams.h"
#include "framework/UpDown.h"
#include "headset/hid/SimHidHeadset.h"
#include "localization/CommaLocale.h"
#include "localization/FmPresetTexts.h"
#include "pages/settings/FmPresetIds.h"

namespace testing_pages {
namespace {

using Presets = std::array<int, 10>;
using pages::kFmPresetCheckIds;
using pages::kFmPresetEditIds;
using pages::kFmPresetPositionIds;
using pages::kFmPresetSpinIds;

constexpr int kWorldwide = 0;
constexpr int kAmericas = 1;
constexpr int kEurope = 4;
constexpr int kJapan = 5;

class FmPresetsPageTest : public testing_app::MainWindowTest {
 protected:
  // Page 6 on show for `product` as recognition left it, with the FM block `region` and `presets`.
  pages::CDialogDeviceSettingSecond& EnterFor(int product, int region, const Presets& presets = {}) {
    auto recognition = std::make_unique<testing_app::FakeRecognition>();
    recognition_ = recognition.get();
    app::CUpdaterDlg::Pages pages;
    pages.recognition = std::move(recognition);
    app::CUpdaterDlg& w = Start(std::move(pages));
    Recognise(w, product);
    device::CDeviceSettings& d = w.m_deviceSettings;
    d.m_nProductId = product;
    d.SetDefaults(product, 1, 0);
    d.m_nVersionMajor = 1;
    d.m_nVersionMinor = 0;
    d.m_nFmRegion = region;
    d.m_anFmPreset = presets;
    w.GoToDeviceSettingSecondPage(true);
    return w.m_dlgDeviceSettingSecond;
  }
  pages::CDialogDeviceSettingSecond& Enter(int region = kWorldwide, const Presets& presets = {}) {
    return EnterFor(0x5610, region, presets);
  }

  // The device record changed under the page and CANCEL pressed: the page shows it afresh.
  void Load(int region, const Presets& presets) {
    W().m_deviceSettings.m_nFmRegion = region;
    W().m_deviceSettings.m_anFmPreset = presets;
    Command(pages::IDC_FM_CANCEL);
  }

  app::CUpdaterDlg& W() { return *window_; }
  pages::CDialogDeviceSettingSecond& Page() { return W().m_dlgDeviceSettingSecond; }
  int Value(int n) { return Page().m_editedSettings.m_anFmPreset[static_cast<std::size_t>(n)]; }
  fw::UpDown& Spin(int n) { return *Page().Control<fw::UpDown>(kFmPresetSpinIds[static_cast<std::size_t>(n)]); }
  fw::Edit& Edit(int n) { return *Page().Control<fw::Edit>(kFmPresetEditIds[static_cast<std::size_t>(n)]); }
  fw::Edit& Position(int n) {
    return *Page().Control<fw::Edit>(kFmPresetPositionIds[static_cast<std::size_t>(n)]);
  }
  fw::Button& Check(int n) { return *Page().Control<fw::Button>(kFmPresetCheckIds[static_cast<std::size_t>(n)]); }
  void Command(int id, int code = fw::BN_CLICKED) { Page().SendMessage(fw::WM_COMMAND, fw::MakeCommand(id, code), 0); }
  // Megahertz typed into preset n's edit, and the focus moved on.
  void Type(int n, const std::string& text) {
    Edit(n).SetWindowText(text);
    Command(kFmPresetEditIds[static_cast<std::size_t>(n)], fw::EN_KILLFOCUS);
  }

  testing_app::FakeRecognition* recognition_ = nullptr;
};

TEST_F(FmPresetsPageTest, AProductWithoutFmRadioGoesToTheSettingsPage) {
  EnterFor(0x4D21, kWorldwide);
  EXPECT_EQ(W().m_nCurrentPage, 5);
  EXPECT_EQ(ShownPage(W()), 5);
}

TEST_F(FmPresetsPageTest, OneClickMovesOneChannelAndWrapsAtTheBandEnds) {
  Enter();
  const struct {
    int region;
    int from;
    int direction;
    int to;
    const char* shown;
  } cases[] = {
      {kAmericas, 8750, 1, 8770, "87.7"},  {kAmericas, 8750, -1, 10790, "107.9"}, {kAmericas, 10790, 1, 8750, "87.5"},
      {kAmericas, 9910, -1, 9890, "98.9"}, {kEurope, 8750, 1, 8760, "87.6"},      {kJapan, 9500, 1, 7600, "76.0"},
      {kWorldwide, 7600, -1, 10800, "108.0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "region " << c.region << " from " << c.from << " by " << c.direction);
    Load(c.region, {c.from});
    ASSERT_EQ(Value(0), c.from);
    ASSERT_TRUE(Spin(0).StepAsUser(c.direction));
    EXPECT_EQ(Value(0), c.to);
    EXPECT_EQ(Spin(0).GetPos(), c.to) << "the up-down stands on the stored channel";
    EXPECT_EQ(Position(0).GetWindowText(), std::to_string(c.to));
    EXPECT_EQ(Edit(0).GetWindowText(), c.shown);
  }
}

TEST_F(FmPresetsPageTest, AHeldArrowOnlyEverStoresChannelsOfTheRegion) {
  Enter(kAmericas, {8750});
  ASSERT_TRUE(Spin(0).PressArrow(1));
  int previous = Value(0);
  std::vector<int> steps;
  for (int tick = 0; tick < 40; ++tick) {
    ASSERT_TRUE(Spin(0).FireTimer(fw::UpDown::kRepeatTimer));
    ASSERT_EQ(device::CheckFmFrequency(kAmericas, Value(0)), device::kFmFrequencyValid) << Value(0);
    steps.push_back(Value(0) - previous);
    previous = Value(0);
  }
  Spin(0).ReleaseArrow();
  EXPECT_EQ(steps.front(), 20) << "a channel at a time first";
  EXPECT_EQ(steps.back(), 100) << "then a megahertz at a time";
}

TEST_F(FmPresetsPageTest, TypedMegahertzIsStoredOnTheGridOrRefusedWithAMessage) {
  Enter();
  const std::string europeRange =
      "FM Radio preset should be between 87.5 MHz and 108.0 MHz. Enter valid value again.";
  const struct {
    int region;
    const char* typed;
    int stored;  // 0: refused, the preset keeps 9010
    std::string message;
  } cases[] = {
      {kJapan, "95.04", 9500, ""},
      {kJapan, "95.06", 0, "FM Radio preset should be between 76.0 MHz and 95.0 MHz. Enter valid value again."},
      {kEurope, "88.25", 8830, ""},
      {kEurope, "99.95", 9990, ""},
      {kAmericas, "88.0", 0, "FM Radio preset is not valid. Enter valid value again."},
      {kEurope, "1e30", 0, europeRange},
      {kEurope, "abc", 0, europeRange},
      {kEurope, "99999999999", 0, europeRange},
      {kEurope, "inf", 0, europeRange},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    Load(c.region, {9000, 9010});
    fw::ModalScript script;
    bool warning = false;
    script.Do([&](fw::Dialog& box) {
      warning = dynamic_cast<controls::CDialogMessageBox&>(box).m_bWarning;
      box.EndDialog(fw::IDOK);
    });
    Type(1, c.typed);
    if (c.message.empty()) {
      EXPECT_TRUE(script.Dialogs().empty());
      EXPECT_EQ(Value(1), c.stored);
      EXPECT_EQ(Spin(1).GetPos(), c.stored);
      continue;
    }
    ASSERT_EQ(script.Dialogs().size(), 1u);
    const fw::ShownDialog& box = script.Last();
    EXPECT_EQ(box.Text(controls::IDC_MESSAGE_TEXT), c.message);
    EXPECT_EQ(box.size, (fw::Size{415, 130}));
    EXPECT_TRUE(warning);
    EXPECT_EQ(box.VisibleButtons(), (std::vector<int>{fw::IDOK}));
    EXPECT_EQ(Value(1), 9010) << "nothing stored";
    EXPECT_EQ(Edit(1).GetWindowText(), "90.1") << "the stored value shows again";
  }
}

TEST_F(FmPresetsPageTest, MegahertzShowAndReadWithADotUnderADecimalCommaLocale) {
  testing_text::CommaLocale comma;
  if (!comma.Active()) GTEST_SKIP() << "no decimal-comma locale available";
  Enter(kEurope, {8750});
  EXPECT_EQ(Edit(0).GetWindowText(), "87.5");
  Type(0, "101.3");
  EXPECT_EQ(Value(0), 10130);
  EXPECT_EQ(Edit(0).GetWindowText(), "101.3");
}

TEST_F(FmPresetsPageTest, ASwitchedOnPresetStartsBesideItsNeighbourAndOffShowsEmpty) {
  Enter(kWorldwide, {0, 0, 10000, 0, 0, 0, 9000});
  Check(4).Click();
  EXPECT_EQ(Value(4), 10000) << "the nearest preset below that is on";
  Check(4).Click();
  EXPECT_EQ(Value(4), 0);
  EXPECT_EQ(Edit(4).GetWindowText(), "Empty");
  EXPECT_FALSE(Edit(4).IsWindowEnabled());
  Check(2).Click();
  Check(1).Click();
  EXPECT_EQ(Value(1), 9000) << "none below: the nearest above";

  Load(kJapan, {});
  Check(3).Click();
  EXPECT_EQ(Value(3), 7600) << "none at all: the band's lowest frequency";
  EXPECT_EQ(Edit(3).GetWindowText(), "76.0");
  EXPECT_TRUE(Edit(3).IsWindowEnabled());
  EXPECT_TRUE(Spin(3).IsWindowEnabled());
}

TEST_F(FmPresetsPageTest, ARegionChangeSwitchesOffWhatTheNewBandRejects) {
  Enter(kWorldwide, {7600, 9500, 9510, 10800});
  auto* region = Page().Control<fw::ComboBox>(pages::IDC_FM_REGION);
  ASSERT_EQ(region->GetCount(), 6);
  EXPECT_EQ(region->GetLBText(kJapan), "Japan");
  ASSERT_TRUE(region->SelectAsUser(kJapan));
  EXPECT_EQ(Page().m_editedSettings.m_nFmRegion, kJapan);
  EXPECT_EQ(Page().m_editedSettings.m_anFmPreset, (Presets{7600, 9500}));
  EXPECT_EQ(Check(2).GetCheck(), 0);
  EXPECT_EQ(Edit(3).GetWindowText(), "Empty");
  EXPECT_EQ(Spin(0).GetPos(), 7600);
  int lower = 0;
  int upper = 0;
  Spin(0).GetRange(lower, upper);
  EXPECT_EQ(lower, 7599);
  EXPECT_EQ(upper, 9501);
}

TEST_F(FmPresetsPageTest, ARegionOutsideTheTableSelectsNothingAndKeepsThePresetsOff) {
  for (int region : {6, -1, 0x7FFFFFFF}) {
    SCOPED_TRACE(region);
    Enter(region, {9000, 9500});
    EXPECT_EQ(Page().Control<fw::ComboBox>(pages::IDC_FM_REGION)->GetCurSel(), -1);
    EXPECT_EQ(Page().m_editedSettings.m_anFmPreset, Presets{});
    Check(0).Click();
    EXPECT_EQ(Check(0).GetCheck(), 0);
    EXPECT_EQ(Value(0), 0);
    TearDown();
    SetUp();
  }
}

TEST_F(FmPresetsPageTest, RdsSwitchAndHelp) {
  Enter();
  EXPECT_EQ(Page().Control<fw::Button>(pages::IDC_FM_RDS_DISABLE)->GetCheck(), 1);
  Command(pages::IDC_FM_RDS_ENABLE);
  EXPECT_EQ(Page().m_editedSettings.m_bFmRds, 1);
  EXPECT_EQ(Page().Control<fw::Button>(pages::IDC_FM_RDS_ENABLE)->GetCheck(), 1);
  EXPECT_EQ(Page().Control<fw::Button>(pages::IDC_FM_RDS_DISABLE)->GetCheck(), 0);
  EXPECT_EQ(Page().IsSettingsModified(), 1);

  W().m_nLanguage = 2;
  fw::ModalScript script;
  bool warning = true;
  script.Do([&](fw::Dialog& box) {
    warning = dynamic_cast<controls::CDialogMessageBox&>(box).m_bWarning;
    box.EndDialog(fw::IDOK);
  });
  Command(pages::IDC_FM_RDS_HELP);
  ASSERT_EQ(script.Dialogs().size(), 1u);
  EXPECT_EQ(script.Last().Text(controls::IDC_MESSAGE_TEXT), text::GetRdsHelpText(2));
  EXPECT_EQ(script.Last().size, (fw::Size{540, 195}));
  EXPECT_FALSE(warning);
}

TEST_F(FmPresetsPageTest, DefaultEmptiesThePresetsAndCancelBringsThemBack) {
  Enter(kEurope, {8750, 0, 9000});
  Command(pages::IDC_FM_DEFAULT);
  EXPECT_EQ(Page().m_editedSettings.m_anFmPreset, Presets{});
  EXPECT_EQ(Page().m_editedSettings.m_nFmRegion, kWorldwide);
  EXPECT_EQ(Edit(0).GetWindowText(), "Empty");
  Command(pages::IDC_FM_CANCEL);
  EXPECT_EQ(Page().m_editedSettings.m_anFmPreset, (Presets{8750, 0, 9000}));
  EXPECT_EQ(Edit(2).GetWindowText(), "90.0");
  EXPECT_EQ(Page().IsSettingsModified(), 0);
}

TEST_F(FmPresetsPageTest, WhileBusyThePresetControlsAreDisabledAndIgnoreClicks) {
  Enter(kEurope, {8750});
  const pages::BusyHold busy = W().HoldBusy();
  Page().RefreshSettingsPageTexts();
  EXPECT_FALSE(Check(1).IsWindowEnabled());
  EXPECT_FALSE(Edit(0).IsWindowEnabled());
  EXPECT_FALSE(Page().GetDlgItem(pages::IDC_FM_REGION)->IsWindowEnabled());
  EXPECT_TRUE(Page().GetDlgItem(pages::IDC_FM_DEFAULT)->IsWindowEnabled());
  Command(kFmPresetCheckIds[1]);
  Position(0).SetWindowText("9000");
  EXPECT_EQ(Page().m_editedSettings.m_anFmPreset, Presets{8750});
}

// SAVE against the simulated devices.
class FmPresetsSaveTest : public FmPresetsPageTest {};

TEST_F(FmPresetsSaveTest, PersistentStoreProductWritesTheWholeBlockOnEverySave) {
  sim::HeadsetProfile profile;
  profile.modelId = 0x4D15;
  profile.firmwareVersion = {12, 0, 0, 0};
  auto headset = std::make_shared<sim::SimBlueCoreHeadset>(profile);
  usb_.Attach("1-2", headset);
  pages::CDialogDeviceSettingSecond& page = EnterFor(0x4D15, kEurope, {8750, 0, 10800});
  W().m_nUsbStatus = 0x4D21;
  W().m_deviceSettings.m_nVersionMinor = 2;
  W().m_deviceSettings.m_nFmCurrentFrequency = 0x1234;
  W().m_deviceSettings.m_nFmCurrentPreset = 3;
  W().m_deviceSettings.m_bFmRds = 1;
  page.OnButtonCancel();
  ASSERT_EQ(page.IsSettingsModified(), 0);

  page.ApplySettingsToDevice();
  const std::vector<uint8_t> block = {0xE9, 0x66, 0x34, 0x12, 0x03, 0x00, 0x2E, 0x22, 0, 0, 0x30, 0x2A,
                                      0,    0,    0,    0,    0,    0,    0,    0,    0, 0, 0,    0,
                                      0,    0,    0x01, 0x00, 0x04, 0x00};
  const std::vector<std::pair<uint16_t, std::vector<uint8_t>>> expected = {{0x029F, block}};
  EXPECT_EQ(headset->KeyWrites(), expected) << "written although nothing changed";
  EXPECT_EQ(recognition_->silentRuns, 1);
  EXPECT_EQ(recognition_->m_nReturnPage, 6);
}

TEST_F(FmPresetsSaveTest, HidShortBlockIsWrittenAndCommittedAndAFailedWriteFails) {
  for (bool refused : {false, true}) {
    SCOPED_TRACE(refused ? "write refused" : "write taken");
    recogtest::SimHidHeadset device;
    if (refused) device.refusedWrites = {io::HID_PARAM_FM};
    const std::string path = device.AttachTo(hid_, 0x6010);
    pages::CDialogDeviceSettingSecond& page = EnterFor(0x6010, kEurope, {8750, 9990, 0, 0, 0, 9000, 9100});
    W().m_hHidDevice = hid_.Open(path);
    ASSERT_TRUE(W().m_hHidDevice);
    Type(1, "101.1");
    const device::CDeviceSettings edited = page.m_editedSettings;
    device.log.clear();
    fw::ModalScript script;
    if (refused) script.Press(fw::IDOK);
    page.ApplySettingsToDevice();

    using Request = std::pair<uint8_t, uint8_t>;
    std::vector<Request> requests = {{io::HID_CMD_READ_VERSION, 0}, {io::HID_CMD_WRITE_PARAM, io::HID_PARAM_FM}};
    if (!refused) requests.emplace_back(io::HID_CMD_COMMIT_PARAM, io::HID_PARAM_FM);
    EXPECT_EQ(device.log, requests);
    if (!refused) {
      const std::vector<uint16_t> words = {0x56E9,
                                           static_cast<uint16_t>(edited.m_nFmCurrentFrequency),
                                           static_cast<uint16_t>(edited.m_nFmCurrentPreset),
                                           8750, 10110, 0, 0, 0, 9000,
                                           static_cast<uint16_t>(edited.m_bFmRds), kEurope};
      EXPECT_EQ(device.params[io::HID_PARAM_FM], words) << "six presets, the seventh left out";
      EXPECT_EQ(recognition_->silentRuns, 1);
      EXPECT_TRUE(script.Dialogs().empty());
    } else {
      EXPECT_EQ(recognition_->silentRuns, 0) << "never the success path";
      ASSERT_EQ(script.Dialogs().size(), 1u);
      EXPECT_EQ(script.Last().size, (fw::Size{400, 165}));
      EXPECT_EQ(W().m_nCurrentPage, 1);
      EXPECT_EQ(page.m_editedSettings.m_anFmPreset[1], 9990) << "edits discarded";
    }
    TearDown();
    hid_.Remove(path);
    SetUp();
  }
}

}  // namespace
}  // namespace testing_pages
