// Recognition on a real main window, headless, against the simulated bus: the status it leaves
// in two languages and its colour, the message box shown or not, the page reached, and the DFU
// transport opened and closed once.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/MainWindowFixture.h"
#include "app/MainWindowIds.h"
#include "app/WindowColours.h"
#include "controls/DialogMessageBox.h"
#include "device/UsbIdentities.h"
#include "framework/Messages.h"
#include "framework/RecordingDeviceContext.h"
#include "framework/TestSeams.h"
#include "headset/RecognitionRig.h"
#include "headset/hid/SimHidHeadset.h"
#include "localization/DeviceAccessTexts.h"
#include "localization/RecognitionPageTexts.h"
#include "localization/SharedTexts.h"
#include "localization/StatusTexts.h"
#include "pages/recognition/RecognitionEngine.h"
#include "platform/Shell.h"

namespace {

using namespace headset;
using namespace pages;
using device::ScopedAcceptedUsbIdentities;
using recogtest::PlainUsbDevice;
using recogtest::RelabelledDevice;

constexpr uint16_t kVendor = 0x092B;
constexpr int kFrench = 1;

sim::HeadsetProfile Profile(uint16_t productId, uint16_t modelId, bool dfuMode = false) {
  sim::HeadsetProfile profile;
  profile.productId = productId;
  profile.modelId = modelId;
  profile.startInDfuMode = dfuMode;
  return profile;
}

class RecognizeDeviceTest : public testing_app::MainWindowTest {
 protected:
  // The window on page 2 for target 0x4D21, as a NEXT there finds it.
  app::CUpdaterDlg& OnPage2() {
    app::CUpdaterDlg& w = Start();
    w.m_nDeviceTarget = 0x4D21;
    w.GoToRecognitionPage(true, nullptr, 0);
    return w;
  }

  static bool StatusIsError(app::CUpdaterDlg& w) {
    fw::RecordingDeviceContext dc;
    return w.m_staticStatusText.QueryColours(dc, fw::CtlColor::Static).GetColour() == app::kColourStatusError;
  }

  recogtest::Rig rig;
  platform::RecordingShell shell;
  platform::Shell::Scoped shellScope{shell};
};

struct Case {
  const char* what;
  std::vector<device::UsbIdentity> identities;  // empty: the shipped ones
  std::function<void(recogtest::Rig&)> attach;
  bool interactive;
  int state;
  int page;           // reached
  bool box;           // a message box was shown
  const char* boxPart;  // text the box holds, in English
  // The status left on the line (pages 1 replace theirs): English text and French reason.
  const char* english;
  std::function<std::string(int)> frenchPart;
  bool error;
};

TEST_F(RecognizeDeviceTest, EveryStateReportsItself) {
  const std::vector<device::UsbIdentity> unprovisioned = {{kVendor, 0x0001}};
  const std::vector<device::UsbIdentity> twoUnits = {{kVendor, 0x5310}, {kVendor, 0xD310}};
  const auto instruction1 = [](int language) { return text::GetPageInstructionText(1, 0, language); };
  const auto cannotOpen = [](int language) { return text::GetCannotOpenUsbText(language); };
  const Case cases[] = {
      {"0: application mode", {}, [](recogtest::Rig& r) { r.Attach(); }, true, RECOGNIZE_OK, 3, false, nullptr,
       "Device recognized successfully. Ready for FIRMWARE UPDATE",
       [](int language) { return text::GetPageInstructionText(3, 0, language); }, false},
      {"1: DFU mode", {}, [](recogtest::Rig& r) { r.Attach(Profile(0x4D21, 0x4D21, true)); }, true,
       RECOGNIZE_DFU_MODE, 3, false, nullptr, "Firmware management mode. Ready for FIRMWARE UPDATE",
       [](int language) { return text::GetFirmwareManagementModeText(language); }, true},
      {"2: nothing attached", {}, [](recogtest::Rig&) {}, true, RECOGNIZE_NO_DEVICE, 2, false, nullptr,
       "Failed to recognize device. Cannot open USB", cannotOpen, true},
      {"2: silent", {}, [](recogtest::Rig&) {}, false, RECOGNIZE_NO_DEVICE, 2, false, nullptr,
       "Failed to recognize device. Cannot open USB", cannotOpen, true},
      {"2: headset there but refused to this user", {},
       [](recogtest::Rig& r) {
         r.Attach();
         r.bus.SetAccess("1-2", platform::DeviceAccess::kAccessDenied);
       },
       true, RECOGNIZE_NO_DEVICE, 2, false, nullptr,
       "Failed to recognize device. No permission to open the headset. Install the udev rule (see README)",
       [](int language) { return text::GetNoPermissionText(language); }, true},
      {"2: headset held by another program", {},
       [](recogtest::Rig& r) {
         r.Attach();
         r.bus.SetAccess("1-2", platform::DeviceAccess::kBusy);
       },
       true, RECOGNIZE_NO_DEVICE, 2, false, nullptr,
       "Failed to recognize device. The headset is in use by another program",
       [](int language) { return text::GetDeviceBusyText(language); }, true},
      {"3: another model", {}, [](recogtest::Rig& r) { r.Attach(Profile(0x4D21, 0x4D10)); }, false,
       RECOGNIZE_OTHER_MODEL, 1, true, "A device other than the ", nullptr, instruction1, false},
      {"4: provisioned", unprovisioned, [](recogtest::Rig& r) { r.Attach(Profile(0x0001, 0x4D21)); }, true,
       RECOGNIZE_PROVISIONED, 2, true, "1. Unplug the USB cable from PC.", nullptr,
       [](int language) { return text::GetDeviceActivatedText(language); }, false},
      {"4: provisioned, silent", unprovisioned, [](recogtest::Rig& r) { r.Attach(Profile(0x0001, 0x4D21)); }, false,
       RECOGNIZE_PROVISIONED, 2, false, nullptr, "On recognizing device.",
       [](int language) { return text::GetPageProgressText(2, 0, language); }, false},
      {"5: one unit of two", twoUnits, [](recogtest::Rig& r) { r.Attach(Profile(0x5310, 0x5310)); }, true,
       RECOGNIZE_FEWER_INTERFACES_OBTAINED, 1, true, "less", nullptr, instruction1, false},
      {"6: one more on the bus, silent", {},
       [](recogtest::Rig& r) {
         r.Attach();
         r.bus.Attach("1-3", std::make_shared<PlainUsbDevice>(kVendor, 0x4D21));
       },
       false, RECOGNIZE_MORE_INTERFACES_OBTAINED, 2, false, nullptr, "On recognizing device.",
       [](int language) { return text::GetPageProgressText(2, 0, language); }, false},
      {"6: one more on the bus", {},
       [](recogtest::Rig& r) {
         r.Attach();
         r.bus.Attach("1-3", std::make_shared<PlainUsbDevice>(kVendor, 0x4D21));
       },
       true, RECOGNIZE_MORE_INTERFACES_OBTAINED, 1, true, "obtained", nullptr, instruction1, false},
      {"7: two units, one listed", twoUnits,
       [](recogtest::Rig& r) {
         r.Attach(Profile(0x5310, 0x5310));
         r.bus.Attach("1-3", std::make_shared<PlainUsbDevice>(kVendor, 0x5310));
       },
       true, RECOGNIZE_FEWER_INTERFACES_FOUND, 1, true, "found", nullptr, instruction1, false},
      {"8: two headsets, silent", {},
       [](recogtest::Rig& r) {
         r.Attach({}, "1-2");
         r.Attach({}, "1-3");
       },
       false, RECOGNIZE_MORE_INTERFACES_FOUND, 2, false, nullptr, "On recognizing device.",
       [](int language) { return text::GetPageProgressText(2, 0, language); }, false},
      {"8: two headsets", {},
       [](recogtest::Rig& r) {
         r.Attach({}, "1-2");
         r.Attach({}, "1-3");
       },
       true, RECOGNIZE_MORE_INTERFACES_FOUND, 1, true, "found", nullptr, instruction1, false},
      {"9: listed in DFU mode but connects, even silent", {},
       [](recogtest::Rig& r) {
         r.bus.Attach("1-2", std::make_shared<RelabelledDevice>(std::make_shared<sim::SimBlueCoreHeadset>(), 0xCD21));
       },
       false, RECOGNIZE_INTERFACE_PROBLEM, 1, true, "There is problem in the USB interface.", nullptr, instruction1,
       false},
      {"10: camera without its card file", {}, [](recogtest::Rig& r) { r.Attach(Profile(0x4D21, 0x3020)); }, true,
       RECOGNIZE_CARD_FILE_MISSING, 2, false, nullptr, nullptr,
       [](int language) { return text::GetCheckSdCardText(language); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::optional<ScopedAcceptedUsbIdentities> identities;
    if (!c.identities.empty()) identities.emplace(c.identities);
    recogtest::Rig local;
    c.attach(local);
    app::CUpdaterDlg& w = OnPage2();
    fw::ModalScript script;
    if (c.box) script.Press(fw::IDOK);
    const int inits = dfu::DFUTransportUSB::InitCount();
    const int deinits = dfu::DFUTransportUSB::DeinitCount();

    EXPECT_EQ(w.m_dlgDeviceRecognition.RecognizeDevice(nullptr, c.interactive), c.state);

    EXPECT_EQ(dfu::DFUTransportUSB::InitCount() - inits, 1);
    EXPECT_EQ(dfu::DFUTransportUSB::DeinitCount() - deinits, 1);
    // Page 3 keeps the window busy itself while it fetches its firmware list.
    if (c.page != 3) {
      EXPECT_FALSE(w.m_bBusy);
    }
    EXPECT_EQ(w.m_nCurrentPage, c.page);
    EXPECT_EQ(ShownPage(w), c.page);
    ASSERT_EQ(script.Dialogs().size(), c.box ? 1u : 0u);
    if (c.box) {
      EXPECT_NE(script.Last().Text(controls::IDC_MESSAGE_TEXT).find(c.boxPart), std::string::npos)
          << script.Last().Text(controls::IDC_MESSAGE_TEXT);
    }
    if (c.english) {
      EXPECT_EQ(w.m_staticStatusText.GetWindowText(), c.english);
    }
    EXPECT_EQ(w.m_strStatus[0], w.m_staticStatusText.GetWindowText());
    EXPECT_NE(w.m_strStatus[kFrench].find(c.frenchPart(kFrench)), std::string::npos) << w.m_strStatus[kFrench];
    EXPECT_EQ(StatusIsError(w), c.error);
    EXPECT_TRUE(shell.Opened().empty());
  }
}

TEST_F(RecognizeDeviceTest, NextOnPages1And2FindsTheHeadsetOrSaysThereIsNone) {
  for (const bool attached : {true, false}) {
    SCOPED_TRACE(attached);
    recogtest::Rig local;
    if (attached) local.Attach();
    app::CUpdaterDlg& w = Start();
    const auto pressNext = [&] { w.SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_NEXT, fw::BN_CLICKED), 0); };
    pressNext();
    ASSERT_EQ(w.m_nCurrentPage, 2);
    pressNext();
    EXPECT_EQ(ShownPage(w), attached ? 3 : 2);
    EXPECT_EQ(w.m_staticStatusText.GetWindowText(),
              attached ? "Device recognized successfully. Ready for FIRMWARE UPDATE"
                       : "Failed to recognize device. Cannot open USB");
    EXPECT_EQ(StatusIsError(w), !attached);
  }
}

TEST_F(RecognizeDeviceTest, SendEmailOpensAMailToSupport) {
  rig.Attach({}, "1-2");
  rig.Attach({}, "1-3");
  app::CUpdaterDlg& w = OnPage2();
  fw::ModalScript script;
  script.Press(fw::IDCANCEL);
  EXPECT_EQ(w.m_dlgDeviceRecognition.RecognizeDevice(nullptr, true), RECOGNIZE_MORE_INTERFACES_FOUND);
  EXPECT_EQ(script.Last().Text(controls::IDC_MESSAGE_TEXT),
            text::GetInterfaceCountErrorText(false, RECOGNIZE_MORE_INTERFACES_FOUND, 0));
  EXPECT_EQ(shell.Opened(), (std::vector<std::string>{"mailto:support@zelto.com"}));
}

TEST_F(RecognizeDeviceTest, TheRecognisedDeviceIsTheWindowsDevice) {
  sim::HeadsetProfile profile;
  profile.firmwareVersion = {0x2A, 0, 3, 1};
  rig.Attach(profile);
  app::CUpdaterDlg& w = OnPage2();
  w.m_nLanguage = kFrench;
  ASSERT_EQ(w.m_dlgDeviceRecognition.RecognizeDevice(nullptr, true), RECOGNIZE_OK);
  EXPECT_TRUE(w.m_bDeviceRecognized);
  EXPECT_EQ(w.m_nUsbStatus, 0x4D21);
  EXPECT_EQ(w.m_deviceSettings.m_nProductId, 0x4D21);
  EXPECT_EQ(w.m_deviceSettings.m_strAddress, "78BC9A[123456]");
  EXPECT_EQ(w.m_deviceSettings.m_strDeviceName, "Corvale Headset");
  EXPECT_EQ(w.m_deviceSettings.m_nVersionMajor, 4);
  EXPECT_EQ(w.m_deviceSettings.m_nVersionMinor, 2);
  EXPECT_TRUE(w.m_deviceSettings.m_bSidetone);
  // The line shows the French status.
  EXPECT_EQ(w.m_staticStatusText.GetWindowText(), w.m_strStatus[kFrench]);
}

TEST_F(RecognizeDeviceTest, AfterAnUpdateTheRecordIsWrittenBackAndTheWizardReturns) {
  auto headset = rig.Attach();
  app::CUpdaterDlg& w = Start();
  w.m_nDeviceTarget = 0x4D21;
  device::CDeviceSettings archived;
  archived.m_nVersionMajor = 1;
  archived.m_astrSpeedDial = {"0800", "", ""};
  w.GoToRecognitionPage(false, &archived, 3);
  EXPECT_EQ(w.m_nCurrentPage, 3);
  EXPECT_EQ(w.m_staticStatusText.GetWindowText(), text::GetPageSuccessText(3, 0x4D21, 0));
  EXPECT_FALSE(StatusIsError(w));
  EXPECT_EQ(w.m_deviceSettings.m_astrSpeedDial[0], "0800");
  EXPECT_FALSE(w.m_deviceSettings.m_bSidetone);  // the archived feature word was written back
}

TEST_F(RecognizeDeviceTest, ASilentRunThatFindsNothingIsRepeatedInteractively) {
  app::CUpdaterDlg& w = Start();
  w.m_nDeviceTarget = 0x4D21;
  const int inits = dfu::DFUTransportUSB::InitCount();
  const int deinits = dfu::DFUTransportUSB::DeinitCount();
  w.GoToRecognitionPage(false, nullptr, 3);
  fw::Application::ProcessPendingMessages();
  EXPECT_EQ(dfu::DFUTransportUSB::InitCount() - inits, 2);
  EXPECT_EQ(dfu::DFUTransportUSB::DeinitCount() - deinits, 2);
  EXPECT_EQ(w.m_nCurrentPage, 2);
  EXPECT_EQ(w.m_staticStatusText.GetWindowText(), "Failed to recognize device. Cannot open USB");
}

TEST_F(RecognizeDeviceTest, WithoutAMakerHidInterfaceThePresenceTestSaysNo) {
  rig.hid.Add(0x1234, 0x5678);
  app::CUpdaterDlg& w = OnPage2();
  int productId = -1;
  EXPECT_FALSE(w.m_dlgDeviceRecognition.IsHidDevicePresent(1, &productId, nullptr));
  EXPECT_EQ(productId, -1);
}

TEST_F(RecognizeDeviceTest, AMakerHidInterfaceTakesTheHidBranchWithoutTheDfuLibrary) {
  rig.Attach();
  rig.hid.Add(0x1234, 0x5678);
  rig.hid.Add(kVendor, 0x5410);
  rig.hid.Add(kVendor, 0x5420);
  app::CUpdaterDlg& w = OnPage2();
  int productId = 0;
  EXPECT_TRUE(w.m_dlgDeviceRecognition.IsHidDevicePresent(0, &productId, nullptr));
  EXPECT_EQ(productId, 0x5410);
  const int inits = dfu::DFUTransportUSB::InitCount();
  EXPECT_EQ(w.m_dlgDeviceRecognition.RecognizeDevice(nullptr, true), RECOGNIZE_OK);
  EXPECT_EQ(dfu::DFUTransportUSB::InitCount(), inits);
  EXPECT_TRUE(w.m_bDeviceRecognized);
  EXPECT_EQ(w.m_deviceSettings.m_nProductId, 0x4D21) << "the target is recognised, never changed";
  EXPECT_EQ(w.m_dlgDeviceRecognition.m_nHidPollTimer, 0u);
}

TEST_F(RecognizeDeviceTest, AHidHeadsetRefusedToThisUserIsNotRecognisedAndTheRuleIsNamed) {
  recogtest::SimHidHeadset headset;
  rig.hid.SetAccess(headset.AttachTo(rig.hid, 0x5520), platform::DeviceAccess::kAccessDenied);
  app::CUpdaterDlg& w = Start();
  w.m_nDeviceTarget = 0x5520;
  w.GoToRecognitionPage(true, nullptr, 0);

  EXPECT_EQ(w.m_dlgDeviceRecognition.RecognizeDevice(nullptr, true), RECOGNIZE_NO_DEVICE);
  EXPECT_FALSE(w.m_bDeviceRecognized);
  EXPECT_EQ(ShownPage(w), 2);
  EXPECT_EQ(w.m_strStatus[kFrench],
            text::GetPageFailureText(2, 0, kFrench) + ". " + text::GetNoPermissionText(kFrench));
}

TEST_F(RecognizeDeviceTest, AHidOnlyHeadsetIsRecognisedWrittenAndKeptOpen) {
  recogtest::SimHidHeadset headset;
  headset.version = {1, 2, 0, 0, 0};
  headset.address = {0x00, 0x01, 0xEC, 0x11, 0x22, 0x33};
  headset.params[io::HID_PARAM_DEVICE_NAME] = recogtest::SimHidHeadset::Text("Rider");
  headset.AttachTo(rig.hid, 0x5520);
  app::CUpdaterDlg& w = StartWithEveryPage();
  w.m_nDeviceTarget = 0x5520;
  device::CDeviceSettings toWrite;
  toWrite.m_nProductId = 0x5520;
  toWrite.m_astrSpeedDial[0] = "112";

  EXPECT_EQ(w.m_dlgDeviceRecognition.RecognizeDevice(&toWrite, false), RECOGNIZE_OK);
  EXPECT_TRUE(w.m_bDeviceRecognized);
  EXPECT_EQ(w.m_nUsbStatus, 0x5520);
  EXPECT_EQ(w.m_deviceSettings.m_strDeviceName, "Rider");
  EXPECT_EQ(w.m_deviceSettings.m_nVersionMinor, 2);
  EXPECT_EQ(w.m_deviceSettings.m_strAddress, "0001EC[112233]");
  EXPECT_EQ(w.m_deviceSettings.m_astrSpeedDial[0], "112") << "written before it was read";
  EXPECT_GT(w.m_nSettingsPageCount, 0);
  EXPECT_TRUE(w.m_hHidDevice) << "the window closes its handles itself";
}

// A recognition page that runs a test's action on a posted message, and counts the ticks of its
// timers that come while the window is busy (without letting them through, so that a failure
// reads as one).
class ProbedRecognition : public CDialogDeviceRecognition {
 public:
  static constexpr unsigned kPing = fw::WM_USER + 77;
  std::function<void()> onPing;
  int ticksWhileBusy = 0;

  intptr_t OnMessage(unsigned msg, uintptr_t wParam, intptr_t lParam) override {
    if (msg != kPing) return CDialogDeviceRecognition::OnMessage(msg, wParam, lParam);
    if (onPing) onPing();
    return 0;
  }
  void OnTimer(unsigned id) override {
    if (MainWindow()->m_bBusy) {
      ++ticksWhileBusy;
      return;
    }
    CDialogDeviceRecognition::OnTimer(id);
  }
};

// Page 2 of a module product whose first interface, when told to switch its module on, posts a
// ping to the page: the ping is handled once the window runs its messages again.
class ModuleWaitTest : public RecognizeDeviceTest {
 protected:
  app::CUpdaterDlg& OnPage2WithModuleProduct() {
    auto page = std::make_unique<ProbedRecognition>();
    probe = page.get();
    app::CUpdaterDlg::Pages pages;
    pages.recognition = std::move(page);
    app::CUpdaterDlg& w = Start(std::move(pages));
    w.m_nDeviceTarget = 0x3110;
    w.GoToRecognitionPage(true, nullptr, 0);
    main.version = {2, 1, 0, 0, 0};
    main.address = {0, 1, 2, 3, 4, 5};
    module.version = {3, 4, 5, 6, 7};
    module.address = {6, 7, 8, 9, 10, 11};
    rig.hid.Add(io::HID_VENDOR_ID, 0x3110, 0xFF00, 1, [this](const std::vector<uint8_t>& request) {
      if (request[1] == io::HID_CMD_MODULE_ON) probe->PostMessage(ProbedRecognition::kPing, 0, 0);
      return main.Answer(request);
    });
    return w;
  }

  // From the first ping on, every ping posts the next one while the window is busy, so that one is
  // handled at every turn of the waits that keep the window answering: its time (from now) goes to
  // answeredAt. `act` runs at the first ping `after` ms or more from now.
  void PingThroughTheWaits(app::CUpdaterDlg& w, uint32_t after, std::function<void()> act) {
    answeredAt.clear();
    const uint32_t start = rig.clock.TickCount();
    probe->onPing = [this, &w, start, after, act = std::move(act)]() mutable {
      if (!w.m_bBusy) return;
      answeredAt.push_back(rig.clock.TickCount() - start);
      if (act && answeredAt.back() >= after) std::exchange(act, nullptr)();
      probe->PostMessage(ProbedRecognition::kPing, 0, 0);
    };
  }

  void PressNext(app::CUpdaterDlg& w) {
    w.SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_NEXT, fw::BN_CLICKED), 0);
  }

  ProbedRecognition* probe = nullptr;
  recogtest::SimHidHeadset main;
  recogtest::SimHidHeadset module;
  std::vector<uint32_t> answeredAt;
};

constexpr uint32_t kNever = UINT32_MAX;

// The 6 s start wait and the module-open retries a second apart all keep the window answering: a
// module that shows up during either is found at the next try.
TEST_F(ModuleWaitTest, TheWindowAnswersThroughTheWaitsWhichKeepTheirLength) {
  const struct {
    const char* what;
    uint32_t comesAt;  // from NEXT
    uint32_t waited;
    const char* address;
  } cases[] = {
      {"during the start wait", 0, 6000, "000102[030405] _ 060708[090A0B]"},
      {"during the retries", 8500, 9000, "000102[030405] _ 060708[090A0B]"},
      {"never", kNever, 6000 + 2 * 20 * 1000, "000102[030405] _ "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    main.log.clear();
    app::CUpdaterDlg& w = OnPage2WithModuleProduct();
    const uint32_t start = rig.clock.TickCount();
    // The module shows up as the real one does, a while after it was switched on.
    PingThroughTheWaits(w, c.comesAt, [&] { module.AttachTo(rig.hid, device::HID_MODULE_PRODUCT); });
    PressNext(w);
    ASSERT_FALSE(answeredAt.empty());
    EXPECT_LT(answeredAt.front(), 6000u) << "handled during the start wait";
    EXPECT_GE(answeredAt.back(), c.waited - 1000) << "handled during the last wait";
    EXPECT_EQ(rig.clock.TickCount() - start, c.waited);
    EXPECT_EQ(main.Count(io::HID_CMD_MODULE_ON, 0), 1);
    EXPECT_EQ(w.m_deviceSettings.m_strAddress, c.address);
    EXPECT_EQ(ShownPage(w), 3);
    rig.hid.Clear();
  }
}

TEST_F(ModuleWaitTest, CommandsAndTheCloseAreRefusedAndTimersHeldThroughTheWaits) {
  const struct {
    const char* what;
    uint32_t at;  // from NEXT
  } cases[] = {{"during the start wait", 0}, {"during the retries", 7500}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    main.log.clear();
    app::CUpdaterDlg& w = OnPage2WithModuleProduct();
    bool acted = false;
    PingThroughTheWaits(w, c.at, [&] {
      acted = true;
      PressNext(w);
      w.SendMessage(fw::WM_CLOSE, 0, 0);
      EXPECT_FALSE(w.HasEnded());
      // A tick of the pair poll would close the handles the run talks through.
      probe->SetTimer(pages::recognition::kHidPairPollTimer, 1);
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      module.AttachTo(rig.hid, device::HID_MODULE_PRODUCT);
    });
    PressNext(w);
    EXPECT_TRUE(acted);
    EXPECT_EQ(main.Count(io::HID_CMD_MODULE_ON, 0), 1) << "NEXT started no second run";
    EXPECT_FALSE(w.HasEnded());
    EXPECT_FALSE(SettingsFile().has_value());
    EXPECT_EQ(probe->ticksWhileBusy, 0);
    EXPECT_EQ(w.m_deviceSettings.m_anHidVersion2, (std::array<int, 5>{3, 4, 5, 6, 7}));
    rig.hid.Clear();
  }
}

}  // namespace
