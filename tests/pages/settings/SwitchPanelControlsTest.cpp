// What the device settings page's buttons, radios, lists and help buttons do.
#include <set>
#include <string>

#include "controls/DialogMessageBox.h"
#include "DeviceSettingPageFixture.h"
#include "framework/ComboBox.h"
#include "framework/ListView.h"
#include "framework/TestSeams.h"
#include "framework/UpDown.h"
#include "device/ModelNames.h"
#include "localization/MakerAddresses.h"
#include "localization/SettingHelpTexts.h"
#include "localization/SharedTexts.h"

namespace testing_pages {
namespace {

using namespace pages;

bool IsChecked(pages::CDialogDeviceSetting& page, int id) { return page.Control<fw::Button>(id)->GetCheck() == 1; }

TEST_F(DeviceSettingPageTest, SideToneChangeEnablesSaveAndCancelOrDefaultPutItBack) {
  device::CDeviceSettings factory;
  factory.SetDefaults(0x4D21, 1, 0);
  // The device differs from its factory values, so that DEFAULT changes something.
  Enter(0x4D21, 1, 0, [&](device::CDeviceSettings& d) { d.m_bSidetone = !factory.m_bSidetone; });
  EXPECT_FALSE(Enabled(app::IDC_ACTION));
  const bool device = W().m_deviceSettings.m_bSidetone;
  const int clicked = device ? IDC_SIDETONE_DISABLE : IDC_SIDETONE_ENABLE;
  const int partner = device ? IDC_SIDETONE_ENABLE : IDC_SIDETONE_DISABLE;
  ASSERT_TRUE(fw::Click(PageItem(clicked)));
  EXPECT_EQ(Page().m_editedSettings.m_bSidetone, !device);
  EXPECT_EQ(Page().m_editedSettings.m_anBasicSetting[2], W().m_deviceSettings.m_anBasicSetting[2]);
  EXPECT_TRUE(IsChecked(Page(), clicked));
  EXPECT_FALSE(IsChecked(Page(), partner));
  EXPECT_TRUE(Enabled(app::IDC_ACTION));

  ASSERT_TRUE(fw::Click(PageItem(IDC_SETTINGS_CANCEL)));
  EXPECT_EQ(Page().m_editedSettings.m_bSidetone, device);
  EXPECT_TRUE(IsChecked(Page(), partner));
  EXPECT_FALSE(Enabled(app::IDC_ACTION));
  EXPECT_EQ(Page().IsSettingsModified(), 0);

  ASSERT_TRUE(fw::Click(PageItem(IDC_SETTINGS_DEFAULT)));
  EXPECT_EQ(Page().m_editedSettings.m_bSidetone, factory.m_bSidetone);
  EXPECT_TRUE(IsChecked(Page(), clicked));
  EXPECT_TRUE(Enabled(app::IDC_ACTION));
}

TEST_F(DeviceSettingPageTest, DefaultKeepsTheDevicesUnitLanguageOnTheFamilyThatHasOne) {
  Enter(0x3110, 1, 0, [](device::CDeviceSettings& d) { d.m_anBasicSetting[3] = 0x0007; d.m_anBasicSetting[0] = 0; });
  Command(IDC_SETTINGS_DEFAULT);
  EXPECT_EQ(Page().m_editedSettings.m_anBasicSetting[3], 0x0007);
  device::CDeviceSettings factory = W().m_deviceSettings;
  factory.SetDefaults(0x3110, 1, 0);
  EXPECT_EQ(Page().m_editedSettings.m_anBasicSetting[0], factory.m_anBasicSetting[0]);
}

TEST_F(DeviceSettingPageTest, LeavingWithAChangeAsksOnceAndNoGoesOnWithoutAskingAgain) {
  Enter(0x4D21, 1, 0, [](device::CDeviceSettings& d) { d.m_bSidetone = true; });
  ASSERT_TRUE(fw::Click(PageItem(IDC_SIDETONE_DISABLE)));
  fw::ModalScript script;
  script.Press(fw::IDCANCEL);  // NO
  Press(app::IDC_BACK);
  ASSERT_EQ(script.Dialogs().size(), 1u);
  EXPECT_EQ(script.Last().size, (fw::Size{400, 130}));
  EXPECT_EQ(script.Last().Text(fw::IDOK), "YES");
  EXPECT_EQ(script.Last().Text(fw::IDCANCEL), "NO");
  EXPECT_EQ(ShownPage(W()), 3);
  EXPECT_TRUE(Page().m_editedSettings.m_bSidetone);
}

TEST_F(DeviceSettingPageTest, RadioPairsStoreTheirSettingWithItsPolarity) {
  struct Case {
    int product;
    int radio;
    bool (*stored)(const device::CDeviceSettings&);
  };
  const Case cases[] = {
      {0x4D10, IDC_EDR_ENABLE, [](const device::CDeviceSettings& s) { return !s.m_bEdrOff; }},
      {0x4D10, IDC_EDR_DISABLE, [](const device::CDeviceSettings& s) { return s.m_bEdrOff == 1; }},
      {0x4D10, IDC_VOX_PHONE_ENABLE, [](const device::CDeviceSettings& s) { return s.m_bHandsfreeVox == 1; }},
      {0x4120, IDC_NOISE_DISABLE, [](const device::CDeviceSettings& s) { return s.m_bNoiseControlOff == 1; }},
      {0x4120, IDC_AGC_ENABLE, [](const device::CDeviceSettings& s) { return !s.m_bAutoGainControlOff; }},
      {0x4D10, IDC_AUDIO_BOOST_DISABLE, [](const device::CDeviceSettings& s) { return s.m_bAudioBoostOff == 1; }},
      {0x4D10, IDC_CONCURRENT_ENABLE, [](const device::CDeviceSettings& s) { return s.GetConcurrentAudio() == 1; }},
      // The dual-interface family keeps VOX Phone and Side Tone in word 2 and leaves the members.
      {0x4210, IDC_VOX_PHONE_ENABLE,
       [](const device::CDeviceSettings& s) { return s.GetVoxPhone() != 0 && !s.m_bHandsfreeVox; }},
      {0x4210, IDC_SIDETONE_ENABLE,
       [](const device::CDeviceSettings& s) { return s.GetSidetone() != 0 && !s.m_bSidetone; }},
  };
  for (const Case& c : cases) {
    Enter(c.product, 5, 0, [](device::CDeviceSettings& d) {
      d.m_bEdrOff = !d.m_bEdrOff;
      d.m_bHandsfreeVox = false;
      d.m_bSidetone = false;
      d.m_anBasicSetting[2] = 0;
      d.m_bNoiseControlOff = false;
      d.m_bAutoGainControlOff = true;
      d.m_bAudioBoostOff = 0;
    });
    // Some of these rows are hidden on every product; their handlers act all the same.
    Command(c.radio);
    EXPECT_TRUE(c.stored(Page().m_editedSettings)) << c.radio << " on " << std::hex << c.product;
    EXPECT_TRUE(IsChecked(Page(), c.radio)) << c.radio;
  }
}

TEST_F(DeviceSettingPageTest, GainRadiosListsAndTimeoutStoreOnlyValuesInsideTheirRange) {
  Enter(0x5210, 1, 0, [](device::CDeviceSettings& d) { d.m_nAudioChannelTimeout = 59; });
  ASSERT_TRUE(fw::Click(PageItem(IDC_GAIN_HIGH)));
  EXPECT_EQ(Page().m_editedSettings.m_nRadioTransmitGain, 17);
  EXPECT_EQ(IsChecked(Page(), IDC_GAIN_LOW) + IsChecked(Page(), IDC_GAIN_MEDIUM) + IsChecked(Page(), IDC_GAIN_HIGH), 1);
  Command(IDC_GAIN_LOW);
  EXPECT_EQ(Page().m_editedSettings.m_nRadioTransmitGain, 12);

  auto* spin = Page().Control<fw::UpDown>(IDC_TIMEOUT_SPIN);
  ASSERT_TRUE(spin->StepAsUser(1));
  EXPECT_EQ(Page().m_editedSettings.m_nAudioChannelTimeout, 60);
  EXPECT_EQ(Caption(IDC_TIMEOUT_EDIT), "60");
  ASSERT_TRUE(spin->StepAsUser(1));
  EXPECT_EQ(Page().m_editedSettings.m_nAudioChannelTimeout, 60);

  auto* motion = Page().Control<fw::ComboBox>(IDC_MOTION_LIST);
  auto* blend = Page().Control<fw::ComboBox>(IDC_BLEND_LIST);
  EXPECT_EQ(blend->GetLBText(0), " 1");
  EXPECT_EQ(blend->GetLBText(9), "10");
  struct Pick {
    fw::ComboBox* list;
    int listId;
    int index;
    int word;
    int stored;
  };
  const Pick picks[] = {{motion, IDC_MOTION_LIST, 2, 3, 3}, {motion, IDC_MOTION_LIST, 0, 3, 1},
                        {blend, IDC_BLEND_LIST, 0, 0, 10}, {blend, IDC_BLEND_LIST, 9, 0, 1}};
  for (const Pick& p : picks) {
    p.list->SetCurSel(p.index);
    Command(p.listId, fw::CBN_SELCHANGE);
    EXPECT_EQ(Page().m_editedSettings.m_anBasicSetting[p.word], p.stored) << p.listId << " " << p.index;
  }
  // No selection stores nothing.
  for (auto [list, id, word] : {std::tuple{motion, IDC_MOTION_LIST, 3}, std::tuple{blend, IDC_BLEND_LIST, 0}}) {
    Page().m_editedSettings.m_anBasicSetting[word] = 5;
    list->SetCurSel(-1);
    Command(id, fw::CBN_SELCHANGE);
    EXPECT_EQ(Page().m_editedSettings.m_anBasicSetting[word], 5) << id;
  }
}

TEST_F(DeviceSettingPageTest, WhileBusyClicksDoNothingAndRefreshOnlyDisables) {
  Enter(0x4D21, 1, 0, [](device::CDeviceSettings& d) { d.m_bSidetone = true; });
  const std::set<int> shown = ShownControls();
  pages::BusyHold busy = W().HoldBusy();
  Command(IDC_SIDETONE_DISABLE);
  EXPECT_TRUE(Page().m_editedSettings.m_bSidetone);
  fw::ModalScript script;
  Command(IDC_SIDETONE_HELP);
  EXPECT_TRUE(script.Dialogs().empty());

  W().m_nLanguage = 2;
  Page().RefreshSettingsPageTexts();
  EXPECT_EQ(Caption(IDC_SETTINGS_DEFAULT), "STANDARD");
  EXPECT_EQ(ShownControls(), shown);
  for (int id : {IDC_SIDETONE_ENABLE, IDC_SIDETONE_DISABLE, IDC_SIDETONE_HELP, IDC_EDR_ENABLE, IDC_SETTINGS_GRID,
                 IDC_NOTE_DETAILS, IDC_MORE_SETTINGS}) {
    EXPECT_FALSE(Active(id)) << id;
  }
  EXPECT_TRUE(Active(IDC_SETTINGS_DEFAULT) && Active(IDC_SETTINGS_CANCEL));

  busy.Release();
  Page().RefreshSettingsPageTexts();
  EXPECT_TRUE(Active(IDC_SIDETONE_ENABLE));
  EXPECT_EQ(ShownControls(), shown);
}

TEST_F(DeviceSettingPageTest, NoteDetailsShowInFrenchDutchAndRussianOnly) {
  for (int language = 0; language < text::kLanguageCount; ++language) {
    Enter(0x4D21, 1, 0, language);
    const bool details = language == 1 || language == 7 || language == 8;
    EXPECT_EQ(Shows(IDC_NOTE_DETAILS), details) << language;
    EXPECT_EQ(Active(IDC_NOTE_DETAILS), details) << language;
  }
  Enter(0x4D21, 1, 0, 7);
  fw::ModalScript script;
  script.Press(fw::IDOK);
  ASSERT_TRUE(fw::Click(PageItem(IDC_NOTE_DETAILS)));
  ASSERT_EQ(script.Dialogs().size(), 1u);
  EXPECT_EQ(script.Last().Text(controls::IDC_MESSAGE_TEXT),
            "[" + text::GetPageTitleText(5, 7) + "]\n" + Caption(IDC_RESTART_NOTE));
  EXPECT_EQ(script.Last().size, (fw::Size{510, 160}));
  EXPECT_EQ(script.Last().VisibleButtons(), std::vector<int>{fw::IDOK});
}

TEST_F(DeviceSettingPageTest, EdrHelpOffersMailToSupportInEveryLanguage) {
  for (int language = 0; language < text::kLanguageCount; ++language) {
    Enter(0x4D10, 5, 0, language);
    fw::ModalScript script;
    bool warning = true;
    script.Do([&](fw::Dialog& d) {
      warning = dynamic_cast<controls::CDialogMessageBox&>(d).m_bWarning;
      d.EndDialog(fw::IDOK);
    });
    ASSERT_TRUE(fw::Click(PageItem(IDC_EDR_HELP)));
    const fw::ShownDialog& box = script.Last();
    EXPECT_EQ(box.size, (fw::Size{510, 200}));
    EXPECT_FALSE(warning);
    EXPECT_EQ(box.VisibleButtons(), (std::vector<int>{fw::IDOK, fw::IDCANCEL}));
    EXPECT_EQ(box.Text(fw::IDCANCEL), text::GetSendEmailText(language));
    EXPECT_EQ(box.Text(fw::IDOK), text::GetOkText(language));
    EXPECT_NE(box.Text(controls::IDC_MESSAGE_TEXT).find(text::kSupportMailAddress), std::string::npos) << language;
  }
  EXPECT_TRUE(shell_.Opened().empty());
  fw::ModalScript script;
  script.Press(fw::IDCANCEL);
  Command(IDC_EDR_HELP);
  EXPECT_EQ(shell_.Opened(), std::vector<std::string>{std::string("mailto:") + text::kSupportMailAddress});
}

TEST_F(DeviceSettingPageTest, HelpBoxesShowTheirTextFilledAndTheirSize) {
  struct Case {
    int button;
    int language;
    fw::Size size;
    std::string begins;
  };
  // Product 0x5210's display name fills the model-name texts.
  const std::string model = device::GetModelName(0x5210, false);
  const Case cases[] = {
      {IDC_MIC_BOOST_HELP, 4, {550, 250}, "[マイクブースト]\n"},
      {IDC_MIC_BOOST_HELP, 0, {510, 210}, "[Microphone Boosting]\n"},
      {IDC_PLC_HELP, 0, {510, 260}, "[Packet Loss Concealment]\n"},
      {IDC_SIDETONE_HELP, 0, {520, 160}, "[Sidetone]\nWhen this feature"},
      {IDC_NOISE_HELP, 0, {520, 160}, "[Mutravo™]\nMutravo™ reduces"},
      {IDC_GAIN_HELP, 0, {510, 220}, "[Radio Transmit Gain]\n"},
      {IDC_TIMEOUT_HELP, 0, {510, 220}, "[Audio Channel Timeout]\n"},
      {IDC_AUDIO_BOOST_HELP, 0, {520, 150}, "[Audio Boost]\nWhen Audio Boost is enabled"},
      {IDC_MOTION_HELP, 0, {520, 170}, "[Motion Sensor Sensitivity]\n"},
      {IDC_CONCURRENT_HELP, 0, {520, 260}, "[Audio Tavlisk™]\nAudio Tavlisk™ enables"},
      {IDC_BLEND_HELP, 0, {520, 240}, "[Intercom-audio Sumbra Sensitivity]\nWhen the Audio Tavlisk™ setting"},
      {IDC_NAV_APP_HELP, 10, {520, 190}, "[Navigointisovellusten tuki]\n"},
      {IDC_A2DP_HELP, 0, {520, 160}, "[High Quality A2DP]\n"},
      {IDC_AGC_HELP, 0, {510, 260}, "[Auto Gain Control]\n"},
  };
  for (const Case& c : cases) {
    Enter(0x5210, 1, 0, c.language);
    fw::ModalScript script;
    script.Press(fw::IDOK);
    Command(c.button);
    ASSERT_EQ(script.Dialogs().size(), 1u) << c.button;
    const std::string shown = script.Last().Text(controls::IDC_MESSAGE_TEXT);
    EXPECT_EQ(shown.rfind(c.begins, 0), 0u) << c.button << ": " << shown;
    EXPECT_EQ(shown.find('%'), std::string::npos) << c.button;
    EXPECT_EQ(script.Last().size, c.size) << c.button;
    EXPECT_EQ(script.Last().VisibleButtons(), std::vector<int>{fw::IDOK}) << c.button;
  }
  Enter(0x5210);
  fw::ModalScript script;
  script.Press(fw::IDOK);
  Command(IDC_GAIN_HELP);
  const std::string gain = script.Last().Text(controls::IDC_MESSAGE_TEXT);
  EXPECT_NE(gain.find("audio out from " + model + " to"), std::string::npos) << gain;
  EXPECT_NE(gain.find("connected to " + model + "."), std::string::npos) << gain;
}

TEST_F(DeviceSettingPageTest, VideoModeHelpFollowsTheDevicesFirmware) {
  const struct {
    int major, minor;
    bool loop;
  } cases[] = {{1, 9, false}, {2, 0, true}, {2, 1, true}};
  for (const auto& c : cases) {
    Enter(0x5510, c.major, c.minor);
    EXPECT_EQ(Page().GetVideoModeHelpText(), text::GetVideoModeHelpText(0, c.loop)) << c.major << "." << c.minor;
  }
}

TEST_F(DeviceSettingPageTest, JapaneseNoteIsOneHeightUnitOffTheOtherBoldControls) {
  for (int language : {0, 4}) {
    Enter(0x4D10, 3, 0, language);
    const fw::Font bold = PageItem(IDC_EDR_LABEL).GetFont();
    const fw::Font note = PageItem(IDC_EDR_NOTE).GetFont();
    EXPECT_EQ(bold.Weight(), fw::FW_BOLD);
    EXPECT_EQ(note.Weight(), fw::FW_BOLD);
    EXPECT_EQ(note.Height(), language == 4 ? bold.Height() - 1 : bold.Height()) << language;
    EXPECT_EQ(bold.Height(), Page().GetFont().Height());
  }
}

}  // namespace
}  // namespace testing_pages
