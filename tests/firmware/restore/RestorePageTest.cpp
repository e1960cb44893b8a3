// Page 4 against an archive in the IMG folder and the simulated update server: reading the
// archive back, the lookup of the archived version, and what the page shows of it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/DialogLanguageManager.h"
#include "app/MainWindowFixture.h"
#include "device/SettingsPages.h"
#include "firmware/formats/SettingsArchive.h"
#include "firmware/restore/DialogFirmwareRestore.h"
#include "framework/RecordingDeviceContext.h"
#include "io/AtomicFile.h"
#include "localization/LanguageNames.h"
#include "localization/SettingVocabulary.h"
#include "localization/SharedTexts.h"

namespace {

using testing_app::MainWindowTest;

constexpr int kTarget = 0x4D21;  // "VKT_TQG27N", no settings page of its own
constexpr int kFrench = 1;
constexpr int64_t kArchivedAt = 1700000000;

class RestorePageTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    StartWithEveryPage();
    Recognise(*window_, kTarget);
    page_ = &window_->m_dlgFirmwareRestore;
    archived_.m_nProductId = kTarget;
    archived_.m_nVersionMajor = 1;
    archived_.m_nVersionMinor = 0;
  }

  std::string ArchivePath() const { return ImageFolder() + "/VKT_TQG27N.kelnuarch"; }
  void WriteArchive(const std::string& text) const { ASSERT_TRUE(io::WriteFileAtomically(ArchivePath(), text)); }
  void WriteArchive() const { WriteArchive(firmware::FormatSettingsArchive(archived_, kArchivedAt)); }

  // Page 4 entered and its lookup run.
  void EnterPage() {
    window_->GoToFirmwareRestorePage(true);
    ASSERT_TRUE(window_->m_bBusy) << "busy until the lookup has run";
    EXPECT_FALSE(page_->m_staticVersion.IsWindowVisible());
    ASSERT_TRUE(page_->FireTimer(firmware::TIMER_RESTORE_LOOKUP));
    ASSERT_TRUE(testing_app::AwaitServer(*page_));
    EXPECT_FALSE(window_->m_bBusy);
  }
  std::string Status() const { return window_->m_staticStatusText.GetWindowText(); }
  bool StatusIsError() const { return !window_->m_bStatusNormal; }
  bool RestoreEnabled() const { return window_->m_btnAction.IsWindowEnabled(); }
  std::vector<bool> VisiblePairs() const {
    std::vector<bool> shown;
    for (int i = 0; i < firmware::CDialogFirmwareRestore::kPairCount; ++i) {
      EXPECT_EQ(page_->m_astaticPairLabel[size_t(i)].IsWindowVisible(),
                page_->m_astaticPairValue[size_t(i)].IsWindowVisible());
      shown.push_back(page_->m_astaticPairLabel[size_t(i)].IsWindowVisible());
    }
    return shown;
  }
  // Only the title shows: no version, date, pair, list or drop-down.
  void ExpectOnlyTitle() const {
    EXPECT_TRUE(page_->m_staticTitle.IsWindowVisible());
    EXPECT_FALSE(page_->m_staticVersion.IsWindowVisible());
    EXPECT_FALSE(page_->m_staticDate.IsWindowVisible());
    EXPECT_EQ(VisiblePairs(), std::vector<bool>(6, false));
    EXPECT_FALSE(page_->m_listArchivedSettings.IsWindowVisible());
    EXPECT_FALSE(page_->m_comboVoicePrompt.IsWindowVisible());
  }

  firmware::CDialogFirmwareRestore* page_ = nullptr;
  device::CDeviceSettings archived_;
};

// --- Reading the archive ---------------------------------------------------------------------------

TEST_F(RestorePageTest, AnArchiveReadsBackWithEveryWrittenFieldEqual) {
  device::CDeviceSettings& a = archived_;
  a.m_nManagerVersionMajor = 2;
  a.m_nManagerVersionMinor = 7;
  a.m_strDeviceName = "Rider one";
  a.m_nVersionMajor = 4;
  a.m_nVersionMinor = 3;
  a.m_nSecondaryVersionType = 2;
  a.m_nSecondaryVersion = 5;
  a.m_bIntercomVox = a.m_bEdrOff = a.m_bPlc = a.m_bMicrophoneBoost = a.m_bNoiseControlOff = true;
  a.m_nRadioTransmitGain = 17;
  a.m_nAudioChannelTimeout = 45;
  for (int word = 0; word < device::CDeviceSettings::kWordCount; ++word) a.SetWord(word, 100 + word);
  a.m_bAudioBoostOff = a.m_bHdIntercom = a.m_bFmStationGuide = a.m_bHdVoice = a.m_bFmRds = 1;
  a.m_nFmRegion = 4;
  a.m_astrSpeedDial = {"+4930123", "", "0800 55"};
  WriteArchive();
  window_->m_deviceSettings.m_nVersionMajor = 9;  // the device now runs the newer firmware

  ASSERT_EQ(page_->ReadSettingsArchive(), 1);
  EXPECT_TRUE(page_->m_bArchiveChecked);
  EXPECT_EQ(firmware::FormatSettingsArchive(page_->m_archivedSettings, kArchivedAt),
            firmware::FormatSettingsArchive(a, kArchivedAt));
  EXPECT_EQ(page_->m_archivedSettings.m_timeArchived, kArchivedAt);
}

TEST_F(RestorePageTest, DamagedLinesWriteNothingOutsideTheirBlockAndUnarchivedWordsKeepTheDevicesValues) {
  window_->m_deviceSettings.m_anFmPreset.fill(9000);
  window_->m_deviceSettings.m_timeArchived = 42;
  window_->m_deviceSettings.m_nProductId = kTarget;
  window_->m_deviceSettings.m_nAudioSourcePriority = 1;  // word 22: never archived
  WriteArchive(firmware::FormatSettingsArchive(window_->m_deviceSettings, 42) +
      "keyFMRadioPreset00=1\nkeyFMRadioPreset11=1\nkeyFMRadioPreset=1\nkeyFMRadioPreset1=1\n"
      "keySpeedDial04=555\nkeyBasicSettingK4TVOXSensitivity03=7\n"
      "keyDateArchived=12/3\nkeyFMRadioRegion=7\n=5\nnonsense\n");
  ASSERT_EQ(page_->ReadSettingsArchive(), 1);
  const device::CDeviceSettings& read = page_->m_archivedSettings;
  EXPECT_EQ(read.m_anFmPreset, window_->m_deviceSettings.m_anFmPreset);
  EXPECT_EQ(read.m_anVoxSensitivity, window_->m_deviceSettings.m_anVoxSensitivity);
  EXPECT_EQ(read.m_timeArchived, 42) << "a bad date leaves the time alone";
  EXPECT_EQ(read.m_nFmRegion, 0);
  EXPECT_EQ(read.m_nAudioSourcePriority, 1);
}

TEST_F(RestorePageTest, MinimumVersionsRefuseOlderArchives) {
  struct Case {
    int product, major, minor, result;
  };
  for (const Case& c : std::vector<Case>{{0x4D30, 4, 1, 0},
                                         {0x4D30, 4, 2, 1},
                                         {0x5080, 3, 9, 0},
                                         {0x4D35, 1, 1, 0},
                                         {0x4D35, 1, 2, 1},
                                         {0x4D21, 0, 1, 1}}) {
    archived_.m_nProductId = c.product;
    archived_.m_nVersionMajor = c.major;
    archived_.m_nVersionMinor = c.minor;
    WriteArchive();
    EXPECT_EQ(page_->ReadSettingsArchive(), c.result) << std::hex << c.product << " " << c.major << "." << c.minor;
  }
}

TEST_F(RestorePageTest, AnIncompleteArchiveIsRefusedAndOnlyTheTitleShows) {
  server_.Serve(firmware::kRevisionsListName, "VKT_TQG27N: v1.0 : old.img\n");
  const std::string whole = firmware::FormatSettingsArchive(archived_, kArchivedAt);
  size_t tenth = 0;
  for (int line = 0; line < 10; ++line) tenth = whole.find('\n', tenth) + 1;
  const auto without = [&whole](const std::string& key) {
    const size_t at = whole.find(key + "=");
    return whole.substr(0, at) + whole.substr(whole.find('\n', at) + 1);
  };
  for (const std::string& text : {without("keyDeviceVersion"), without("keyDeviceRecognized"),
                                  whole.substr(0, tenth), without("keyFMRadioPreset07"), std::string()}) {
    WriteArchive(text);
    EnterPage();
    EXPECT_FALSE(page_->m_job.m_bFound);
    EXPECT_EQ(Status(), "Failed to restore firmware. NO backup firmware");
    EXPECT_TRUE(StatusIsError());
    EXPECT_FALSE(RestoreEnabled());
    ExpectOnlyTitle();
  }
  WriteArchive(whole);
  EnterPage();
  EXPECT_TRUE(page_->m_job.m_bFound);
}

// --- The lookup --------------------------------------------------------------------------------------

TEST_F(RestorePageTest, TheArchivedVersionFoundOnTheServerEnablesRestoreAndShowsTheArchive) {
  WriteArchive();
  server_.Serve(firmware::kRevisionsListName, "VKT_TQG27N: v0.9 : older.img\nVKT_TQG27N: v1.0 : old.img\n");
  EnterPage();
  EXPECT_TRUE(page_->m_job.m_bFound);
  EXPECT_EQ(page_->m_job.m_strFileName, "old.img");
  EXPECT_EQ(Status(), "Press the [RESTORE] button");
  EXPECT_FALSE(StatusIsError());
  EXPECT_TRUE(RestoreEnabled());
  EXPECT_EQ(page_->m_nSettingsPageCount, 0) << "the archived model has no settings page";
  EXPECT_EQ(page_->m_staticTitle.GetWindowText(), "Backup Firmware Information");
  EXPECT_EQ(page_->m_staticVersionLabel.GetWindowText(), "Version:");
  EXPECT_EQ(page_->m_staticVersion.GetWindowText(), "v1.0");
  EXPECT_TRUE(page_->m_staticVersion.IsWindowVisible());
  EXPECT_EQ(page_->m_staticDateLabel.GetWindowText(), "Radio Region:") << "the FM view";
  EXPECT_EQ(VisiblePairs(), std::vector<bool>(6, true));
  EXPECT_FALSE(page_->m_comboVoicePrompt.IsWindowVisible());

  fw::RecordingDeviceContext dc;
  page_->m_staticTitle.QueryColours(dc, fw::CtlColor::Static);
  EXPECT_EQ(dc.GetTextColor(), fw::RGB(56, 117, 215));
}

TEST_F(RestorePageTest, AListTheServerHoldsLeavesTheWindowAnsweringAndClosable) {
  WriteArchive();
  server_.Serve(firmware::kRevisionsListName, "VKT_TQG27N: v1.0 : old.img\n");
  window_->GoToFirmwareRestorePage(true);
  ExpectAnsweringWhileHeld(*page_, firmware::TIMER_RESTORE_LOOKUP, firmware::kRevisionsListName);
  EXPECT_FALSE(RestoreEnabled());
  server_.Release(firmware::kRevisionsListName);
  ASSERT_TRUE(testing_app::AwaitServer(*page_));
  EXPECT_FALSE(window_->m_bBusy);
  EXPECT_TRUE(RestoreEnabled());
  EXPECT_EQ(Status(), "Press the [RESTORE] button");

  window_->GoToFirmwareRestorePage(true);
  ExpectAnsweringWhileHeld(*page_, firmware::TIMER_RESTORE_LOOKUP, firmware::kRevisionsListName);
  ExpectClosesWhileHeld(*page_, firmware::kRevisionsListName);
  page_ = nullptr;  // gone with the window
}

TEST_F(RestorePageTest, FailuresOfTheListLeaveOnlyTheTitle) {
  WriteArchive();
  struct Case {
    bool reachable;
    std::string list, status;
  };
  for (const Case& c : std::vector<Case>{
           {false, "", "Failed to restore firmware. Cannot connect to the server"},
           {true, "", "Failed to restore firmware. Cannot connect to the server"},
           {true, "VKT_TQG27N: v1.1 : new.img\ntqg27n: v1.0 : lower.img\nVKT_TQG27N:1.0:short.img\n",
            "Failed to restore firmware. No backup firmware on the server"},
           // The list ends at its first zero byte.
           {true, std::string("VKT_TQG27N: v1.1 : new.img\n") + '\0' + "\nVKT_TQG27N: v1.0 : old.img\n",
            "Failed to restore firmware. No backup firmware on the server"}}) {
    server_.SetReachable(c.reachable);
    server_.Serve(firmware::kRevisionsListName, c.list);
    EnterPage();
    EXPECT_FALSE(page_->m_job.m_bFound);
    EXPECT_EQ(Status(), c.status);
    EXPECT_TRUE(StatusIsError());
    EXPECT_FALSE(RestoreEnabled());
    ExpectOnlyTitle();
  }
}

// RESTORE again (the window refuses it while busy, the page too) while the image downloads: the
// download under way goes on, and its answer is the one the page takes.
TEST_F(RestorePageTest, RestoreWhileTheImageDownloadsDoesNotStartItAgain) {
  WriteArchive();
  server_.Serve(firmware::kRevisionsListName, "VKT_TQG27N: v1.0 : old.img\n");
  EnterPage();
  ASSERT_TRUE(RestoreEnabled());
  server_.Hold("old.img");  // and not on the server: the download fails once released
  window_->SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_ACTION, fw::BN_CLICKED), 0);
  ASSERT_TRUE(testing_app::PumpUntil([&] { return testing_app::RequestsFor(server_, "old.img") == 1; }));
  window_->SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_ACTION, fw::BN_CLICKED), 0);
  page_->StartRestore();
  server_.Release("old.img");
  ASSERT_TRUE(testing_app::AwaitServer(*page_));
  EXPECT_EQ(testing_app::RequestsFor(server_, "old.img"), 1);
  EXPECT_EQ(server_.Cancelled(), 0);
  EXPECT_EQ(Status(), "Failed to download latest firmware. Cannot connect to the server");
  EXPECT_FALSE(window_->m_bBusy);
}

TEST_F(RestorePageTest, VoicePromptVariantsAreOfferedAndTheUiLanguageIsPreselected) {
  archived_.m_nVersionMajor = 1;
  archived_.m_nVersionMinor = 2;
  WriteArchive();
  server_.Serve(firmware::kRevisionsListName,
                "VKT_TQG27N:v1.2:English:e.img\r\nVKT_TQG27N:v1.2:french:f.img\r\n"
                "VKT_TQG27N:v1.2:English:e2.img\nVKT_TQG27N:v1.2:x.img\n");
  window_->m_bApplyToFirmwareLanguage = true;
  window_->m_nLanguage = kFrench;
  EnterPage();
  ASSERT_EQ(page_->m_job.m_nCount, 2);
  EXPECT_EQ(page_->m_comboVoicePrompt.GetCount(), 2);
  EXPECT_EQ(page_->m_comboVoicePrompt.GetCurSel(), 1);
  EXPECT_EQ(page_->m_job.m_strFileName, "f.img");
  EXPECT_EQ(page_->m_comboVoicePrompt.GetLBText(0), text::GetLanguageName(0, kFrench));
  EXPECT_TRUE(page_->m_comboVoicePrompt.IsWindowVisible());
  EXPECT_TRUE(page_->m_staticVoicePromptLabel.IsWindowVisible());
  EXPECT_TRUE(page_->m_staticVersionLabel.GetStyle() & fw::CS_CENTER);
  EXPECT_EQ(page_->m_staticVersionLabel.GetWindowText(), "Version: v1.2");

  // English chosen as the UI language: the lookup runs again and takes the English image.
  app::CDialogLanguageManager english;
  english.m_nLanguage = 0;
  english.m_bApplyToFirmwareLanguage = true;
  window_->ApplyLanguageChoice(english);
  ASSERT_TRUE(page_->FireTimer(firmware::TIMER_RESTORE_LOOKUP));
  ASSERT_TRUE(testing_app::AwaitServer(*page_));
  EXPECT_EQ(page_->m_comboVoicePrompt.GetCurSel(), 0);
  EXPECT_EQ(page_->m_job.m_strFileName, "e.img");
  EXPECT_EQ(page_->m_comboVoicePrompt.GetLBText(1), "French");
  EXPECT_EQ(Status(), "Press the [RESTORE] button after selecting voice prompt language");
}

// The variant the lookup leaves chosen: the user's own language when the language choice applies to
// the firmware and the server offers it (first in the list or not), else the firmware's language.
TEST_F(RestorePageTest, TheUsersOwnLanguageIsPreselectedWhereverItStands) {
  archived_.m_nVersionMinor = 2;
  WriteArchive();
  server_.Serve(firmware::kRevisionsListName, "VKT_TQG27N:v1.2:English:e.img\nVKT_TQG27N:v1.2:French:f.img\n");
  struct Case {
    int uiLanguage;
    const char* firmwareLanguage;
    bool apply;
    int selected;
    const char* file;
  };
  const Case cases[] = {
      {0, "French", true, 0, "e.img"},
      {kFrench, "English", true, 1, "f.img"},
      {0, "French", false, 1, "f.img"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.uiLanguage << " " << c.firmwareLanguage << " " << c.apply);
    window_->m_nLanguage = c.uiLanguage;
    window_->m_strFirmwareLanguage = c.firmwareLanguage;
    window_->m_bApplyToFirmwareLanguage = c.apply;
    EnterPage();
    EXPECT_EQ(page_->m_comboVoicePrompt.GetCurSel(), c.selected);
    EXPECT_EQ(page_->m_job.m_strFileName, c.file);
  }
}

TEST_F(RestorePageTest, RestoreTakesTheChosenVariantAndRemembersItsLanguage) {
  archived_.m_nVersionMinor = 2;
  WriteArchive();
  server_.Serve(firmware::kRevisionsListName, "VKT_TQG27N:v1.2:English:e.img\nVKT_TQG27N:v1.2:French:f.img\n");
  window_->m_strFirmwareLanguage = "English";
  EnterPage();
  ASSERT_EQ(page_->m_comboVoicePrompt.GetCurSel(), 0);
  page_->m_comboVoicePrompt.SetCurSel(1);
  window_->SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_ACTION, fw::BN_CLICKED), 0);
  EXPECT_TRUE(window_->m_bBusy);
  EXPECT_EQ(window_->m_strFirmwareLanguage, "French");
  EXPECT_EQ(page_->m_job.m_strFileName, "f.img");
}

// --- What the page shows ------------------------------------------------------------------------------

// The page as the lookup leaves it for a found archive of `target` showing settings-page `kind`.
class RestoreSummaryTest : public RestorePageTest {
 protected:
  void Show(int target, int major, int minor, int kind) {
    window_->m_nDeviceTarget = target;
    page_->m_archivedSettings.m_nVersionMajor = major;
    page_->m_archivedSettings.m_nVersionMinor = minor;
    page_->m_anSettingsPages = {kind, 0, 0};
    page_->m_nSettingsPageSel = 0;
    page_->m_bArchiveChecked = true;
    page_->m_job.m_bFound = true;
    page_->RefreshRestorePage();
  }
  std::string Label(int pair) const { return page_->m_astaticPairLabel[size_t(pair - 1)].GetWindowText(); }
  std::string Value(int pair) const { return page_->m_astaticPairValue[size_t(pair - 1)].GetWindowText(); }
  device::CDeviceSettings& Archived() { return page_->m_archivedSettings; }
};

// The EDR flag means "EDR off" on every firmware band, below 4.0 too: recognition reads it so from
// the device, the settings panel shows it so and the save writes it back so.
TEST_F(RestoreSummaryTest, EdrReadsDisabledForASetFlagOnEveryBand) {
  struct Case {
    int target, major, minor;
  };
  for (const Case& c : {Case{0x4D10, 3, 9}, Case{0x4D10, 4, 0}, Case{0x4D10, 5, 0}, Case{0x4D20, 3, 0},
                        Case{0x5020, 3, 0}}) {
    SCOPED_TRACE(testing::Message() << std::hex << c.target << std::dec << " " << c.major << "." << c.minor);
    for (const auto& [flag, text] : {std::pair{1, "Disabled"}, std::pair{0, "Enabled"}}) {
      Archived().m_bEdrOff = flag;
      Show(c.target, c.major, c.minor, device::SETTINGS_PAGE_BASIC);
      EXPECT_EQ(Label(3), "EDR (Enhanced Data Rate):");
      EXPECT_EQ(Value(3), text);
    }
  }
}

// Mutravo and Auto Gain Control read "Disabled" only for an archived 1: a 2 reads "Enabled", as 0 does.
TEST_F(RestoreSummaryTest, MutravoAndAutoGainControlReadDisabledOnlyForOne) {
  constexpr int kProduct = 0x4120;
  window_->m_nDeviceTarget = kProduct;
  archived_.m_nProductId = kProduct;
  struct Case {
    int noise, agc;
    const char* noiseText;
    const char* agcText;
  };
  for (const Case& c : {Case{2, 0, "Enabled", "Enabled"}, Case{0, 2, "Enabled", "Enabled"},
                        Case{1, 2, "Disabled", "Enabled"}, Case{2, 1, "Enabled", "Disabled"}}) {
    SCOPED_TRACE(testing::Message() << "keyMutravo=" << c.noise << " keyAutoGainControl=" << c.agc);
    archived_.m_bNoiseControlOff = c.noise;
    archived_.m_bAutoGainControlOff = c.agc;
    ASSERT_TRUE(io::WriteFileAtomically(ImageFolder() + "/GZ23.kelnuarch",
                                        firmware::FormatSettingsArchive(archived_, kArchivedAt)));
    ASSERT_EQ(page_->ReadSettingsArchive(), 1);
    Show(kProduct, 1, 0, device::SETTINGS_PAGE_BASIC);
    EXPECT_EQ(Label(4), "Mutravo™:");
    EXPECT_EQ(Value(4), c.noiseText);
    EXPECT_EQ(Label(5), "Auto Gain Control:");
    EXPECT_EQ(Value(5), c.agcText);
  }
}

TEST_F(RestoreSummaryTest, BandsAndKindsChooseThePairsAndTheRowsShown) {
  struct Case {
    int target, major, minor, kind;
    std::vector<bool> shown;
    std::string firstLabel;
  };
  const std::vector<bool> one{true, false, false, false, false, false};
  const std::vector<bool> three{true, true, true, false, false, false};
  const std::vector<bool> four{true, true, true, true, false, false};
  const std::vector<bool> all(6, true), none(6, false);
  for (const Case& c : std::vector<Case>{
           {0x4D21, 1, 0, device::SETTINGS_PAGE_BASIC, one, "Sidetone:"},
           {0x4D21, 1, 0, device::SETTINGS_PAGE_SPEED_DIAL, three, "Speed Dial 1:"},
           {0x4D10, 3, 9, device::SETTINGS_PAGE_BASIC, three, "VOX Phone:"},
           {0x4D10, 4, 0, device::SETTINGS_PAGE_BASIC, four, "VOX Phone:"},
           {0x4D10, 4, 1, device::SETTINGS_PAGE_BASIC, all, "VOX Phone:"},
           {0x4D05, 1, 2, device::SETTINGS_PAGE_BASIC, three, "VOX Phone:"},
           {0x2010, 1, 0, device::SETTINGS_PAGE_SPEED_DIAL, three, "VOX Phone:"},
           {0x4210, 1, 0, device::SETTINGS_PAGE_BASIC, none, ""},
           {0x3010, 1, 0, device::SETTINGS_PAGE_BASIC, none, ""}}) {
    for (auto& label : page_->m_astaticPairLabel) label.SetWindowText("");
    Show(c.target, c.major, c.minor, c.kind);
    EXPECT_EQ(VisiblePairs(), c.shown) << std::hex << c.target << " kind " << c.kind;
    EXPECT_EQ(Label(1), c.firstLabel) << std::hex << c.target << " kind " << c.kind;
    EXPECT_EQ(page_->m_listArchivedSettings.IsWindowVisible(), c.target == 0x4210);
  }
  Show(0x4D21, 1, 0, device::SETTINGS_PAGE_SPEED_DIAL);
  EXPECT_EQ(Value(2), "Empty") << "an empty speed dial";
}

TEST_F(RestoreSummaryTest, ArchivedListIsFilledOnceAndFollowsTheLanguageAndKind) {
  auto& list = page_->m_listArchivedSettings;
  Archived().m_bAudioBoostOff = 1;
  Show(0x5520, 2, 0, device::SETTINGS_PAGE_BASIC);
  Show(0x5520, 2, 0, device::SETTINGS_PAGE_BASIC);
  ASSERT_EQ(list.GetItemCount(), 12);
  EXPECT_EQ(list.GetItemText(0, 0), "Audio Boost");
  EXPECT_EQ(list.GetItemText(0, 1), ":");
  EXPECT_EQ(list.GetItemText(0, 2), "Disabled");
  window_->m_nLanguage = 2;
  Show(0x5520, 2, 0, device::SETTINGS_PAGE_BASIC);
  ASSERT_EQ(list.GetItemCount(), 12);
  EXPECT_EQ(list.GetItemText(0, 0), text::VocabularyText(text::g_strAudioBoost, 2));
  EXPECT_EQ(list.GetItemText(0, 2), text::GetDisabledText(2));
  Show(0x5520, 2, 0, device::SETTINGS_PAGE_SPEED_DIAL);
  EXPECT_EQ(list.GetItemCount(), 0);
  EXPECT_FALSE(list.IsWindowVisible());
  Show(0x4D21, 2, 0, device::SETTINGS_PAGE_BASIC);
  EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(RestoreSummaryTest, FmViewLaysOutThePresetsAndTheNextViewRightAlignsAgain) {
  Archived().m_anFmPreset = {0, 8750, 9000, 10000, 0, 0, 0, 0, 0, 10800};
  Archived().m_nFmRegion = 5;
  Archived().m_bFmRds = 1;
  Show(kTarget, 1, 0, 0);
  const std::string lead(25, ' ');
  EXPECT_EQ(Label(1), lead + " 1: Empty");
  EXPECT_EQ(Value(1), " 2:   87.5 MHz");
  EXPECT_EQ(Label(2), lead + " 3:   90.0 MHz");
  EXPECT_EQ(Value(2), " 4: 100.0 MHz");  // from 100 MHz on, no pad
  EXPECT_EQ(Value(5), "10: 108.0 MHz");
  EXPECT_EQ(Label(6), "RDS AF (Alternative Frequencies):");
  EXPECT_EQ(Value(6), "Enabled");
  EXPECT_EQ(page_->m_staticDate.GetWindowText(), "Japan");
  EXPECT_FALSE(page_->m_astaticPairLabel[0].GetStyle() & fw::CS_RIGHT);
  EXPECT_TRUE(page_->m_astaticPairLabel[5].GetStyle() & fw::CS_RIGHT);

  Show(kTarget, 1, 0, device::SETTINGS_PAGE_BASIC);
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(page_->m_astaticPairLabel[size_t(i)].GetStyle() & fw::CS_RIGHT) << i;
  EXPECT_EQ(page_->m_staticDateLabel.GetWindowText(), "Date:");
}

TEST_F(RestoreSummaryTest, RadioValuesAndVersionForms) {
  for (const auto& [gain, text] : std::vector<std::pair<int, std::string>>{
           {12, "Low"}, {15, "Medium"}, {17, "High"}, {0, "Medium"}}) {
    Archived().m_nRadioTransmitGain = gain;
    Archived().m_nAudioChannelTimeout = 30;
    Show(0x5210, 1, 0, device::SETTINGS_PAGE_BASIC);
    EXPECT_EQ(Value(1), text) << gain;
    EXPECT_EQ(Label(2), "Audio Channel Timeout :");
    EXPECT_EQ(Value(2), "30 seconds");
  }
  Archived().m_nSecondaryVersionType = 1;
  Archived().m_nSecondaryVersion = 0;
  Show(0x3020, 2, 1, 0);
  EXPECT_EQ(page_->m_staticVersion.GetWindowText(), "v1.0.2.1");
  Archived().m_nSecondaryVersion = 3;
  Show(0x5345, 1, 2, 0);
  EXPECT_EQ(page_->m_staticVersion.GetWindowText(), "v1.2.3");
  EXPECT_TRUE(page_->m_staticVersion.IsWindowVisible());
  EXPECT_EQ(VisiblePairs(), std::vector<bool>(6, false)) << "a product outside the tables shows no pair";
}

}  // namespace
