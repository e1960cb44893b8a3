// Page 3 against the simulated update server: the firmware list on entry, the offer of a newer
// version, the voice-prompt choice, Browse and Download.
#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "SimBlueCoreHeadset.h"
#include "app/DialogLanguageManager.h"
#include "device/ModelNames.h"
#include "app/MainWindowFixture.h"
#include "firmware/update/DialogNewUpdateFound.h"
#include "framework/Application.h"
#include "framework/RecordingDeviceContext.h"
#include "framework/TestSeams.h"
#include "localization/LanguageNames.h"

namespace {

using testing_app::MainWindowTest;

constexpr int kTarget = 0x4D21;  // listed as "VKT_TQG27N"
constexpr int kGerman = 2;
constexpr int kDutch = 7;
constexpr fw::Colour kOrange = fw::RGB(255, 112, 0);

// Page 3 whose update start is counted, and run only when `passOn` says so.
class CountingFirmwareUpdate : public firmware::CDialogFirmwareUpdate {
 public:
  int starts = 0;
  bool passOn = false;

 protected:
  void StartFirmwareUpdate() override {
    ++starts;
    if (passOn) CDialogFirmwareUpdate::StartFirmwareUpdate();
  }
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

// A server that announces more than it sends.
class ShortBodyServer : public platform::Http {
 public:
  platform::HttpResult Fetch(const std::string&, platform::HttpReceiver& receiver) override {
    if (!receiver.Begin(1000) || !receiver.Receive("partial", 7)) return {platform::HttpOutcome::kRefused, 200, 0, {}};
    return {platform::HttpOutcome::kIncomplete, 200, 7, "short"};
  }
};

class FirmwareUpdatePageTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    app::CUpdaterDlg::Pages pages;
    auto page = std::make_unique<CountingFirmwareUpdate>();
    page_ = page.get();
    pages.firmwareUpdate = std::move(page);
    Start(std::move(pages));
    Recognise(*window_, kTarget);
    Device(10, 0);
    server_.Serve("one.img", "IMAGE-BYTES");
  }
  void TearDown() override {
    firmware::g_bOfferNewerFirmware = true;
    MainWindowTest::TearDown();
  }

  void Device(int major, int minor, int type = 0, int sub = 0) {
    window_->m_deviceSettings.m_nVersionMajor = major;
    window_->m_deviceSettings.m_nVersionMinor = minor;
    window_->m_deviceSettings.m_nSecondaryVersionType = type;
    window_->m_deviceSettings.m_nSecondaryVersion = sub;
  }
  static std::string ThreeVariants() {
    return "VKT_TQG27N: v11.0 : English : en.img\nVKT_TQG27N: v11.0 : French : fr.img\n"
           "VKT_TQG27N: v11.0 : Dutch : nl.img\n";
  }
  // Page 3 entered and its list read; the offer (if any) answered by `script`.
  void EnterPage() {
    window_->GoToPage(3);
    ASSERT_TRUE(window_->m_bBusy) << "busy until the list is read";
    ASSERT_TRUE(page_->FireTimer(firmware::TIMER_FIRMWARE_LIST));
    ASSERT_TRUE(testing_app::AwaitServer(*page_));
  }
  // Posted commands (the offer's Download, the download's ACTION) arrive.
  static void Deliver() { fw::Application::ProcessPendingMessages(); }
  std::string Label() const { return page_->m_staticLatestVersion.GetWindowText(); }
  fw::Colour LabelColour() {
    fw::RecordingDeviceContext dc;
    page_->m_staticLatestVersion.QueryColours(dc, fw::CtlColor::Static);
    return dc.GetTextColor();
  }
  std::string Status() const { return window_->m_staticStatusText.GetWindowText(); }
  std::string ImagePath(const std::string& name) const { return ImageFolder() + "/" + name; }

  CountingFirmwareUpdate* page_ = nullptr;
};

TEST_F(FirmwareUpdatePageTest, WithoutTheServerTheLabelSaysSoInOrangeAndDownloadIsOff) {
  server_.SetReachable(false);
  fw::ModalScript script;
  EnterPage();
  EXPECT_FALSE(window_->m_bBusy);
  EXPECT_EQ(page_->m_job.m_nState, firmware::JOB_IDLE);
  EXPECT_EQ(Label(), "Cannot connect to the server");
  EXPECT_EQ(LabelColour(), kOrange);
  EXPECT_FALSE(page_->m_btnDownload.IsWindowEnabled());
  EXPECT_TRUE(page_->m_btnBrowse.IsWindowEnabled());
  EXPECT_FALSE(page_->m_comboVoicePrompt.IsWindowVisible());
  EXPECT_TRUE(script.Dialogs().empty()) << "nothing offered";
}

// Between the entry (after a successful update too) and the end of the list's read, nothing has
// failed: the label must not say that the server cannot be reached.
TEST_F(FirmwareUpdatePageTest, WhileTheListIsReadTheLabelClaimsNoFailure) {
  server_.Serve(firmware::kFirmwareListName, "VKT_TQG27N: v10.0 : one.img\n");
  fw::ModalScript script;
  window_->GoToPage(3);
  ASSERT_TRUE(window_->m_bBusy);
  EXPECT_EQ(Label(), "");
  EXPECT_NE(LabelColour(), kOrange);
  EXPECT_FALSE(page_->m_btnDownload.IsWindowEnabled());
  ASSERT_TRUE(page_->FireTimer(firmware::TIMER_FIRMWARE_LIST));
  ASSERT_TRUE(testing_app::AwaitServer(*page_));
  EXPECT_EQ(Label(), "Latest Version: v10.0 (one.img)");
}

// Reached from a settings page, page 3 opens busy and may put the offer up at once: ACTION reads
// the update page's caption meanwhile, not the settings page's SAVE.
TEST_F(FirmwareUpdatePageTest, TheFrameDescribesPageThreeWhileTheOfferIsUpAfterASettingsPage) {
  server_.Serve(firmware::kFirmwareListName, "VKT_TQG27N: v11.0 : one.img\n");
  window_->GoToDeviceSettingPage(true);
  ASSERT_EQ(window_->m_nCurrentPage, 5);
  ASSERT_EQ(window_->m_btnAction.GetWindowText(), "SAVE");
  std::string actionDuringOffer;
  fw::ModalScript script;
  script.Do([&](fw::Dialog& offer) {
    actionDuringOffer = window_->m_btnAction.GetWindowText();
    offer.EndDialog(fw::IDCANCEL);
  });
  EnterPage();
  ASSERT_EQ(script.Dialogs().size(), 1u);
  EXPECT_EQ(actionDuringOffer, "UPDATE");
  EXPECT_EQ(window_->m_btnAction.GetWindowText(), "UPDATE");
}

TEST_F(FirmwareUpdatePageTest, ASingleFileIsShownWithItsVersionAndNoOfferWhenTheDeviceHasIt) {
  for (const auto& [list, label] : std::initializer_list<std::pair<std::string, std::string>>{
           {"Other: v99.0 : other.img\nVKT_TQG27N: v10.0 : one.img\n", "Latest Version: v10.0 (one.img)"},
           {"VKT_TQG27N: v9.8 : one.img\nVKT_TQG27N: 3\n", "Latest Version: v9.8.3 (one.img)"}}) {
    server_.Serve(firmware::kFirmwareListName, list);
    fw::ModalScript script;
    EnterPage();
    EXPECT_EQ(Label(), label);
    EXPECT_NE(LabelColour(), kOrange);
    EXPECT_TRUE(page_->m_btnDownload.IsWindowEnabled());
    EXPECT_FALSE(page_->m_comboVoicePrompt.IsWindowVisible());
    EXPECT_TRUE(script.Dialogs().empty());
    EXPECT_FALSE(page_->m_bAutoUpdate);
  }
}

TEST_F(FirmwareUpdatePageTest, DecliningTheOfferKeepsThePageAsItWas) {
  server_.Serve(firmware::kFirmwareListName, "VKT_TQG27N: v11.0 : one.img\n");
  Device(10, 0, 1, 2);
  fw::ModalScript script;
  fw::FileDialogScript files;
  script.Press(fw::IDCANCEL);
  EnterPage();
  Deliver();
  ASSERT_EQ(script.Dialogs().size(), 1u);
  const fw::ShownDialog& offer = script.Last();
  EXPECT_EQ(offer.templateId, 188);
  EXPECT_EQ(offer.Text(firmware::IDC_OFFER_CURRENT_CAPTION), "Current version: v");
  EXPECT_EQ(offer.Text(firmware::IDC_OFFER_CURRENT_VERSION), "10.0rc2");
  EXPECT_EQ(offer.Text(firmware::IDC_OFFER_NEW_VERSION), "11.0");
  EXPECT_FALSE(offer.IsVisible(firmware::IDC_OFFER_VOICE_PROMPT));
  EXPECT_FALSE(offer.IsVisible(firmware::IDC_OFFER_VOICE_PROMPT_CAPTION));
  EXPECT_FALSE(page_->m_bAutoUpdate);
  EXPECT_TRUE(files.Requests().empty());
  EXPECT_FALSE(window_->m_bBusy);
  EXPECT_EQ(Label(), "Latest Version: v11.0 (one.img)");
  EXPECT_EQ(page_->m_editImagePath.GetWindowText(), "");
}

TEST_F(FirmwareUpdatePageTest, AcceptingTheOfferDownloadsTheImageAndPressesAction) {
  server_.Serve(firmware::kFirmwareListName, "VKT_TQG27N: v11.0 : one.img\n");
  window_->m_strCurrentPath = ImageFolder() + "/";
  fw::ModalScript script;
  fw::FileDialogScript files;
  script.Press(fw::IDOK);
  files.Choose(ImagePath("saved.img"));
  EnterPage();
  Deliver();
  ASSERT_EQ(files.Requests().size(), 1u);
  EXPECT_TRUE(files.Requests()[0].save);
  EXPECT_EQ(files.Requests()[0].defaultName, "one.img");
  EXPECT_EQ(files.Requests()[0].filter, "Firmware Files(*.img)|");
  EXPECT_EQ(files.Requests()[0].folder, ImageFolder() + "/");
  EXPECT_TRUE(window_->m_bBusy) << "busy until the download has run";
  EXPECT_EQ(page_->m_job.m_nState, firmware::JOB_DOWNLOADING);
  EXPECT_EQ(Status(), "On updating firmware. about to download latest firmware");

  ASSERT_TRUE(page_->FireTimer(firmware::TIMER_FIRMWARE_DOWNLOAD));
  ASSERT_TRUE(testing_app::AwaitServer(*page_));
  EXPECT_EQ(ReadFile(ImagePath("saved.img")), "IMAGE-BYTES");
  EXPECT_EQ(page_->m_editImagePath.GetWindowText(), ImagePath("saved.img"));
  EXPECT_EQ(page_->starts, 0) << "ACTION is posted, not called";
  Deliver();
  EXPECT_EQ(page_->starts, 1);
  EXPECT_EQ(page_->m_job.m_strImagePath, ImagePath("saved.img"));
  EXPECT_EQ(page_->m_job.m_nState, firmware::JOB_REQUESTED);
}

TEST_F(FirmwareUpdatePageTest, AListOrImageTheServerHoldsLeavesTheWindowAnsweringAndClosable) {
  server_.Serve(firmware::kFirmwareListName, "VKT_TQG27N: v11.0 : one.img\n");
  window_->m_strCurrentPath = ImageFolder() + "/";
  ASSERT_TRUE(io::WriteFileAtomically(ImagePath("saved.img"), "OLD"));
  fw::ModalScript script;
  fw::FileDialogScript files;
  script.Press(fw::IDOK);
  files.Choose(ImagePath("saved.img"));
  window_->GoToPage(3);
  ExpectAnsweringWhileHeld(*page_, firmware::TIMER_FIRMWARE_LIST, firmware::kFirmwareListName);
  EXPECT_TRUE(script.Dialogs().empty()) << "no offer before the list";
  server_.Release(firmware::kFirmwareListName);
  ASSERT_TRUE(testing_app::AwaitServer(*page_));
  EXPECT_EQ(Label(), "Latest Version: v11.0 (one.img)");
  Deliver();
  ASSERT_EQ(files.Requests().size(), 1u) << "the offer was accepted";
  EXPECT_EQ(page_->m_job.m_nState, firmware::JOB_DOWNLOADING);

  ExpectAnsweringWhileHeld(*page_, firmware::TIMER_FIRMWARE_DOWNLOAD, "one.img");
  ExpectClosesWhileHeld(*page_, "one.img");
  EXPECT_EQ(ReadFile(ImagePath("saved.img")), "OLD");
  page_ = nullptr;  // gone with the window
}

TEST_F(FirmwareUpdatePageTest, AFailedDownloadSaysWhyLeavesTheFileAndPressesNothing) {
  struct FailureCase {
    const char* name;
    bool shortBody;
    bool unwritable;
    std::string status;
  };
  const FailureCase cases[] = {
      {"not on the server", false, false, "Failed to download latest firmware. Cannot connect to the server"},
      {"shorter than announced", true, false, "Failed to download latest firmware. Cannot connect to the server"},
      {"folder not writable", false, true, "Failed to download latest firmware. Cannot open file"},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    server_.Serve(firmware::kFirmwareListName, "VKT_TQG27N: v11.0 : missing.img\n");
    if (c.unwritable) server_.Serve("missing.img", "BYTES");
    const std::string target = c.unwritable ? folder_ + "/no-such-folder/saved.img" : ImagePath("kept.img");
    ASSERT_TRUE(io::WriteFileAtomically(ImagePath("kept.img"), "OLD"));
    page_->starts = 0;
    fw::ModalScript script;
    fw::FileDialogScript files;
    script.Press(fw::IDOK);
    files.Choose(target);
    EnterPage();
    Deliver();
    ShortBodyServer shortServer;
    std::optional<platform::Http::Scoped> useShort;
    if (c.shortBody) useShort.emplace(shortServer);
    ASSERT_TRUE(page_->FireTimer(firmware::TIMER_FIRMWARE_DOWNLOAD));
    ASSERT_TRUE(testing_app::AwaitServer(*page_));
    Deliver();
    EXPECT_EQ(Status(), c.status);
    EXPECT_FALSE(window_->m_bStatusNormal) << "shown in the error colour";
    EXPECT_EQ(ReadFile(ImagePath("kept.img")), "OLD");
    EXPECT_EQ(page_->m_editImagePath.GetWindowText(), "");
    EXPECT_EQ(page_->starts, 0);
    EXPECT_FALSE(page_->m_bAutoUpdate);
    EXPECT_FALSE(window_->m_bBusy);
    server_.Remove("missing.img");
  }
}

TEST_F(FirmwareUpdatePageTest, ThreeVariantsAreChosenInTheListAndTheChoiceSurvivesALanguageChange) {
  server_.Serve(firmware::kFirmwareListName, ThreeVariants());
  window_->m_strFirmwareLanguage = "French";
  window_->m_bApplyToFirmwareLanguage = false;
  fw::ModalScript script;
  script.Do([](fw::Dialog& dialog) {
    // The offer shows the page's variants with the page's choice, and hands a new one back.
    auto* combo = dialog.Control<fw::ComboBox>(firmware::IDC_OFFER_VOICE_PROMPT);
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->IsWindowVisible());
    EXPECT_EQ(combo->GetCount(), 3);
    EXPECT_EQ(combo->GetCurSel(), 1);
    combo->SetCurSel(2);
    dialog.OnOK();
  });
  fw::FileDialogScript files;
  files.Cancel();
  EnterPage();
  Deliver();
  EXPECT_EQ(script.Last().Text(firmware::IDC_OFFER_VOICE_PROMPT_CAPTION), "Voice Prompt");
  EXPECT_EQ(page_->m_comboVoicePrompt.GetCurSel(), 2);
  ASSERT_EQ(files.Requests().size(), 1u);
  EXPECT_EQ(files.Requests()[0].defaultName, "nl.img") << "the download takes the chosen variant";
  EXPECT_FALSE(page_->m_bAutoUpdate) << "a cancelled save ends the automatic update";
  EXPECT_FALSE(window_->m_bBusy);

  EXPECT_EQ(Label(), "Latest Version: v11.0");
  EXPECT_TRUE(page_->m_comboVoicePrompt.IsWindowVisible());
  EXPECT_TRUE(page_->m_staticVoicePrompt.IsWindowVisible());
  EXPECT_GE(page_->m_btnDownload.GetWindowRect().top, page_->m_comboVoicePrompt.GetWindowRect().bottom - 2)
      << "Download moves below the list";

  window_->m_nLanguage = kGerman;
  window_->RefreshControls();
  page_->RefreshUpdatePage();
  EXPECT_EQ(page_->m_comboVoicePrompt.GetCurSel(), 2);
  EXPECT_EQ(page_->m_comboVoicePrompt.GetLBText(0), text::GetLanguageName(0, kGerman));
  EXPECT_EQ(page_->m_comboVoicePrompt.GetLBText(2), text::GetLanguageName(kDutch, kGerman));
  EXPECT_EQ(page_->m_staticVoicePrompt.GetWindowText(), "Sprachansage");
}

TEST_F(FirmwareUpdatePageTest, TheReadAfterALanguageChangeTakesTheUiLanguageAndOffersNothing) {
  server_.Serve(firmware::kFirmwareListName, ThreeVariants());
  {
    fw::ModalScript script;
    script.Press(fw::IDCANCEL);
    EnterPage();
    EXPECT_EQ(script.Dialogs().size(), 1u);
    EXPECT_EQ(page_->m_comboVoicePrompt.GetCurSel(), 0) << "English, the UI language";
  }
  fw::ModalScript script;  // a second offer would fail here: nobody answers it
  app::CDialogLanguageManager dutch;
  dutch.m_nLanguage = kDutch;
  dutch.m_bApplyToFirmwareLanguage = true;
  window_->ApplyLanguageChoice(dutch);
  ASSERT_TRUE(page_->FireTimer(firmware::TIMER_FIRMWARE_LIST));
  ASSERT_TRUE(testing_app::AwaitServer(*page_));
  EXPECT_TRUE(script.Dialogs().empty());
  EXPECT_TRUE(firmware::g_bOfferNewerFirmware) << "the next entry offers again";
  EXPECT_EQ(page_->m_comboVoicePrompt.GetCurSel(), 2);
  EXPECT_EQ(page_->m_job.m_strFileName, "nl.img");
  EXPECT_EQ(page_->m_comboVoicePrompt.GetLBText(2), text::GetLanguageName(kDutch, kDutch));
}

TEST_F(FirmwareUpdatePageTest, BrowseTakesALocalImageAndAsksForUpdate) {
  server_.Serve(firmware::kFirmwareListName, "VKT_TQG27N: v10.0 : one.img\n");
  fw::ModalScript script;
  EnterPage();
  page_->m_job.m_nPercent = 100;
  page_->m_job.m_bFinished = true;
  window_->m_strCurrentPath = ImageFolder() + "/";
  fw::FileDialogScript files;
  files.Choose("/home/user/fw/local.img");
  ASSERT_TRUE(fw::Click(page_->m_btnBrowse));
  ASSERT_EQ(files.Requests().size(), 1u);
  EXPECT_FALSE(files.Requests()[0].save);
  EXPECT_EQ(files.Requests()[0].folder, ImageFolder() + "/");
  EXPECT_EQ(page_->m_editImagePath.GetWindowText(), "/home/user/fw/local.img");
  EXPECT_EQ(window_->m_strCurrentPath, "/home/user/fw/");
  EXPECT_EQ(Status(), "Press the [UPDATE] button");
  EXPECT_EQ(page_->m_job.m_nPercent, -1);
  EXPECT_FALSE(page_->m_job.m_bFinished);
  EXPECT_TRUE(window_->m_btnAction.IsWindowEnabled());

  page_->passOn = true;
  fw::Click(window_->m_btnAction);
  EXPECT_EQ(page_->starts, 1);
  EXPECT_EQ(page_->m_job.m_strImagePath, "/home/user/fw/local.img");
  EXPECT_FALSE(page_->m_btnBrowse.IsWindowEnabled()) << "busy while the update runs";

  // No headset is attached: the update's first check fails, the mismatch box says so and the
  // window goes back to the product choice.
  script.Press(fw::IDOK);
  ASSERT_TRUE(page_->FireTimer(firmware::TIMER_UPDATE_PROGRESS));
  EXPECT_EQ(page_->m_job.m_nState, firmware::JOB_IDLE);
  EXPECT_FALSE(window_->m_bBusy);
  EXPECT_EQ(window_->m_nCurrentPage, 1);
}

}  // namespace

// One batch of 0x5060 runs the firmware of another model: the list is searched for that model,
// and such a unit is always offered it. The batch is told by the attached unit's address.
// An empty list is a failure like no answer: none of it is read, so the unit of the batch whose
// key depends on its address is asked no more than without an answer.
TEST_F(FirmwareUpdatePageTest, AnEmptyListIsAFailureLikeNoAnswer) {
  sim::HeadsetProfile profile;
  profile.lap = 0x3324AA;
  const auto unit = std::make_shared<sim::SimBlueCoreHeadset>(profile);
  usb_.Attach("1-9", unit);
  window_->m_nDeviceTarget = 0x5060;
  server_.Serve(firmware::kFirmwareListName, "");
  std::vector<size_t> commands;
  for (const bool reachable : {false, true}) {
    SCOPED_TRACE(reachable ? "an empty list" : "no answer");
    server_.SetReachable(reachable);
    fw::ModalScript script;
    script.Press(fw::IDCANCEL);  // a unit of the batch is offered firmware whatever the list held
    const size_t before = unit->Sequences().size();
    EnterPage();
    commands.push_back(unit->Sequences().size() - before);
    EXPECT_EQ(Label(), "Cannot connect to the server");
    EXPECT_EQ(page_->m_job.m_strFileName, "");
    EXPECT_FALSE(window_->m_bBusy);
  }
  EXPECT_EQ(commands[1], commands[0]);
}

TEST_F(FirmwareUpdatePageTest, TheAlternateBatchLooksUpTheOtherModelAndIsAlwaysOffered) {
  struct Case {
    const char* name;
    std::optional<uint32_t> lap;  // nothing: no headset attached
    std::string file;
    bool offered;
  };
  const Case cases[] = {
      {"unit of the batch", 0x3324AA, "alternate.img", true},
      {"unit outside the batch", 0x123456, "own.img", false},
      {"no unit to ask", std::nullopt, "", false},
  };
  const std::string list = device::GetModelName(0x5011, true) + ": v10.0 : alternate.img\n" +
                           device::GetModelName(0x5060, true) + ": v10.0 : own.img\n";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.lap) {
      sim::HeadsetProfile profile;
      profile.lap = *c.lap;
      usb_.Attach("1-9", std::make_shared<sim::SimBlueCoreHeadset>(profile));
    }
    server_.Serve(firmware::kFirmwareListName, list);
    window_->m_nDeviceTarget = 0x5060;
    fw::ModalScript script;
    script.Press(fw::IDCANCEL);
    EnterPage();
    Deliver();
    EXPECT_EQ(page_->m_job.m_strFileName, c.file);
    EXPECT_EQ(script.Dialogs().size(), c.offered ? 1u : 0u);
    if (c.lap) usb_.Remove("1-9");
  }
}
