// SAVE on the device settings page against the simulated headset: what reaches the device, and
// how the wizard goes on after a save that worked and one that could not.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "SimBlueCoreHeadset.h"
#include "app/MainWindowFixture.h"
#include "app/MainWindowIds.h"
#include "controls/DialogMessageBox.h"
#include "firmware/update/DialogFirmwareUpdate.h"
#include "framework/Button.h"
#include "framework/TestSeams.h"
#include "headset/RecognitionRig.h"
#include "localization/SharedTexts.h"
#include "localization/StatusTexts.h"
#include "pages/settings/DeviceSettingIds.h"

namespace testing_pages {
namespace {

using KeyWrite = std::pair<uint16_t, std::vector<uint8_t>>;

class SettingsSaveTest : public testing_app::MainWindowTest {
 protected:
  // Page 5 on show for the demo's headset as recognition left it, the headset attached with
  // `profile`; recognition afterwards is a double that records its return code.
  pages::CDialogDeviceSetting& Enter(const sim::HeadsetProfile& profile = {}) {
    headset_ = std::make_shared<sim::SimBlueCoreHeadset>(profile);
    usb_.Remove("1-2");  // the bus outlives the window between table rows
    usb_.Attach("1-2", headset_);
    auto recognition = std::make_unique<testing_app::FakeRecognition>();
    recognition_ = recognition.get();
    app::CUpdaterDlg::Pages pages;
    pages.recognition = std::move(recognition);
    app::CUpdaterDlg& w = Start(std::move(pages));
    Recognise(w, 0x4D21);
    device::CDeviceSettings& d = w.m_deviceSettings;
    d.m_nProductId = 0x4D21;
    d.SetDefaults(0x4D21, 1, 0);
    d.m_nVersionMajor = 1;
    d.m_nVersionMinor = 0;
    d.m_bSidetone = true;
    w.GoToDeviceSettingPage(true);
    EXPECT_EQ(ShownPage(w), 5);
    return w.m_dlgDeviceSetting;
  }

  app::CUpdaterDlg& W() { return *window_; }
  std::vector<KeyWrite> Writes() { return headset_->KeyWrites(); }

  std::shared_ptr<sim::SimBlueCoreHeadset> headset_;
  testing_app::FakeRecognition* recognition_ = nullptr;
};

TEST_F(SettingsSaveTest, SideToneChangeWritesOnlyTheFeatureWordThenRecognisesAgain) {
  pages::CDialogDeviceSetting& page = Enter();
  page.m_editedSettings.m_bSidetone = false;
  const uint16_t word = page.m_editedSettings.PackFeatureWord();
  ASSERT_NE(word, W().m_deviceSettings.PackFeatureWord());
  page.ApplySettingsToDevice();

  const std::vector<KeyWrite> expected = {
      {0x028E, {static_cast<uint8_t>(word & 0xFF), static_cast<uint8_t>(word >> 8), 0, 0}}};
  EXPECT_EQ(Writes(), expected);
  EXPECT_EQ(recognition_->silentRuns, 1);
  EXPECT_EQ(recognition_->m_nReturnPage, 5);
  EXPECT_FALSE(W().m_deviceSettings.m_bSidetone) << "the device record takes the edits";
  EXPECT_FALSE(W().m_bBusy);
}

TEST_F(SettingsSaveTest, YesToTheLeavingPromptSavesAndGoesOnToTheAskedPage) {
  pages::CDialogDeviceSetting& page = Enter();
  page.m_editedSettings.m_bSidetone = false;
  fw::ModalScript script;
  script.Press(fw::IDOK);
  W().GoToFirmwareRestorePage(true);
  ASSERT_EQ(script.Dialogs().size(), 1u);
  EXPECT_EQ(Writes().size(), 1u);
  EXPECT_EQ(recognition_->m_nReturnPage, 104);
  EXPECT_EQ(ShownPage(W()), 4);
}

// The demo's way: recognised by NEXT, Side Tone switched off on page 5, SAVE pressed; the headset
// holds the change and page 5 shows it as recognition read it back.
TEST_F(SettingsSaveTest, SideToneSavedEndToEndShowsTheHeadsetAsReadAgain) {
  headset_ = std::make_shared<sim::SimBlueCoreHeadset>();
  usb_.Attach("1-2", headset_);
  app::CUpdaterDlg& w = Start();
  const auto press = [&](int id) { w.SendMessage(fw::WM_COMMAND, fw::MakeCommand(id, fw::BN_CLICKED), 0); };
  press(app::IDC_NEXT);
  press(app::IDC_NEXT);
  ASSERT_TRUE(w.m_bDeviceRecognized);
  ASSERT_TRUE(w.m_deviceSettings.m_bSidetone);
  // Page 3 reads its firmware list, busy meanwhile; the server is away, so it offers nothing.
  server_.SetReachable(false);
  ASSERT_TRUE(w.m_dlgFirmwareUpdate.FireTimer(firmware::TIMER_FIRMWARE_LIST));
  ASSERT_TRUE(testing_app::AwaitServer(w.m_dlgFirmwareUpdate));
  ASSERT_FALSE(w.m_bBusy);
  press(app::IDC_NAV_DEVICE_SETTING);
  ASSERT_EQ(ShownPage(w), 5);
  pages::CDialogDeviceSetting& page = w.m_dlgDeviceSetting;
  ASSERT_TRUE(fw::Click(*page.GetDlgItem(pages::IDC_SIDETONE_DISABLE)));
  ASSERT_TRUE(fw::Click(w.m_btnAction));

  const std::optional<std::vector<uint8_t>> key = headset_->Key(0x028E);
  ASSERT_TRUE(key);
  EXPECT_EQ((*key)[1] & 0x01, 0) << "side tone off in the headset";
  EXPECT_EQ(ShownPage(w), 5);
  EXPECT_FALSE(w.m_deviceSettings.m_bSidetone);
  EXPECT_EQ(page.Control<fw::Button>(pages::IDC_SIDETONE_DISABLE)->GetCheck(), fw::BST_CHECKED);
  EXPECT_EQ(page.IsSettingsModified(), 0);
  EXPECT_TRUE(w.m_bStatusNormal);
  EXPECT_EQ(w.m_staticStatusText.GetWindowText(), text::GetPageSuccessText(5, 0x4D21, 0));
  EXPECT_FALSE(w.m_bBusy);
}

TEST_F(SettingsSaveTest, PendingPageAndNothingChanged) {
  pages::CDialogDeviceSetting& page = Enter();
  page.m_nPendingPage = 3;
  page.ApplySettingsToDevice();
  EXPECT_TRUE(Writes().empty());
  EXPECT_EQ(recognition_->silentRuns, 1) << "an unchanged record still ends as a success";
  EXPECT_EQ(recognition_->m_nReturnPage, 103);
}

struct FailureCase {
  const char* what;
  void (*arrange)(sim::HeadsetProfile&);
  bool refuseWrite;
  bool unplug;
  bool writesTried;
  bool replaceByUnconnectable = false;  // the scan shows it, but it takes no connection
};

TEST_F(SettingsSaveTest, EveryFailureDropsTheEditsWarnsAndStartsOver) {
  const FailureCase cases[] = {
      {"another model in the id key", [](sim::HeadsetProfile& p) { p.modelId = 0x4D75; }, false, false, false},
      {"another firmware version", [](sim::HeadsetProfile& p) { p.firmwareVersion = {12, 0, 0, 0}; }, false, false,
       false},
      {"the write refused", nullptr, true, false, true},
      {"the headset unplugged", nullptr, false, true, false},
      {"a device that does not connect", nullptr, false, true, false, true},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.what);
    sim::HeadsetProfile profile;
    if (c.arrange) c.arrange(profile);
    pages::CDialogDeviceSetting& page = Enter(profile);
    if (c.refuseWrite) headset_->FailKeyWrite(0x028E, 1);
    if (c.unplug) usb_.Remove("1-2");
    if (c.replaceByUnconnectable) usb_.Attach("1-2", std::make_shared<recogtest::PlainUsbDevice>(0x092B, 0x4D21));
    page.m_editedSettings.m_bSidetone = false;

    fw::ModalScript script;
    bool warning = false;
    bool errorStatus = false;
    std::string status;
    script.Do([&](fw::Dialog& d) {
      warning = dynamic_cast<controls::CDialogMessageBox&>(d).m_bWarning;
      errorStatus = !W().m_bStatusNormal;
      status = W().GetStatusMessage();
      EXPECT_FALSE(W().m_bBusy);
      d.EndDialog(fw::IDOK);
    });
    page.ApplySettingsToDevice();

    EXPECT_EQ(!Writes().empty(), c.writesTried);
    EXPECT_EQ(recognition_->silentRuns, 0) << "never the success path";
    EXPECT_TRUE(errorStatus);
    EXPECT_EQ(status, "Failed to save device setting. Not the recognized device");
    ASSERT_EQ(script.Dialogs().size(), 1u);
    const fw::ShownDialog& box = script.Last();
    EXPECT_TRUE(warning);
    EXPECT_EQ(box.size, (fw::Size{400, 165}));
    EXPECT_EQ(box.Text(controls::IDC_MESSAGE_TEXT), text::GetDeviceMismatchText(0));
    EXPECT_EQ(box.VisibleButtons(), (std::vector<int>{fw::IDOK}));
    EXPECT_EQ(W().m_nCurrentPage, 1);
    EXPECT_TRUE(page.m_editedSettings.m_bSidetone) << "edits discarded";
    EXPECT_TRUE(W().m_deviceSettings.m_bSidetone);
    EXPECT_FALSE(W().m_bBusy);

    TearDown();
    SetUp();
  }
}

}  // namespace
}  // namespace testing_pages
