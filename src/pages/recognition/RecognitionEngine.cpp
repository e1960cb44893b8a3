#include "pages/recognition/RecognitionEngine.h"

#include "app/UpdaterDlg.h"
#include "controls/DialogMessageBox.h"
#include "device/MakerDeviceAccess.h"
#include "framework/Application.h"
#include "framework/Messages.h"
#include "headset/RecognitionStates.h"
#include "headset/bluecore/DfuPathWalk.h"
#include "headset/hid/HidRecognition.h"
#include "pages/recognition/DialogDeviceRecognition.h"
#include "pages/recognition/RecognitionReport.h"
#include "localization/PageNumbers.h"

namespace pages {

namespace {

// The window refuses commands while the device is being talked to, and again accepts them
// before any report, however the run ends.
class BusyScope {
 public:
  BusyScope(CDialogDeviceRecognition& page, app::CUpdaterDlg& main)
      : page_(page), main_(main), busy_(main.HoldBusy()) {
    main_.RefreshControls();
    page_.ShowRecognitionText();
  }
  ~BusyScope() {
    busy_.Release();
    main_.RefreshControls();
    page_.ShowRecognitionText();
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  CDialogDeviceRecognition& page_;
  app::CUpdaterDlg& main_;
  BusyHold busy_;
};

void StopHidPairPoll(CDialogDeviceRecognition& page) {
  page.KillPageTimer(recognition::kHidPairPollTimer);
  page.m_nHidPollTimer = 0;
}

class WindowReportTarget : public recognition::ReportTarget {
 public:
  WindowReportTarget(CDialogDeviceRecognition& page, app::CUpdaterDlg& main) : page_(page), main_(main) {}

  int Language() const override { return main_.m_nLanguage; }
  int UsbStatus() const override { return main_.m_nUsbStatus; }
  int DeviceTarget() const override { return main_.m_nDeviceTarget; }
  int CurrentPage() const override { return main_.m_nCurrentPage; }

  void ShowStatus(const text::LocalizedText& message, bool error) override {
    for (int language = 0; language < text::kLanguageCount; ++language) {
      main_.SetStatusMessage(message[static_cast<size_t>(language)], language);
    }
    main_.ShowStatusMessage(main_.GetStatusMessage(), error);
  }

  bool RunBox(const recognition::ReportBox& box) override {
    controls::CDialogMessageBox dialog(&main_);
    dialog.Setup(box.text, box.warning, box.cancelText, box.okText, {box.width, box.height});
    return dialog.DoModal() == fw::IDCANCEL && box.cancelText.has_value();
  }

  void GoToPage(int page) override { main_.GoToPage(page); }

  void GoToPageKeepingStatus(int page) override {
    switch (page) {
      case wizard::PAGE_FIRMWARE_UPDATE: main_.GoToFirmwareUpdatePage(false); break;
      case wizard::PAGE_FIRMWARE_RESTORE: main_.GoToFirmwareRestorePage(false); break;
      case wizard::PAGE_DEVICE_SETTING: main_.GoToDeviceSettingPage(false); break;
      case wizard::PAGE_DEVICE_SETTING_SECOND: main_.GoToDeviceSettingSecondPage(false); break;
      case wizard::PAGE_SPEED_DIAL: main_.GoToSpeedDialPage(false); break;
      default: break;
    }
  }

  void GoToSelectionPage() override { main_.GoToSelectionPage(); }
  void SetInstructionVariant(int variant) override { page_.SetInstructionVariant(variant); }
  void StopHidPairPoll() override { pages::StopHidPairPoll(page_); }

 private:
  CDialogDeviceRecognition& page_;
  app::CUpdaterDlg& main_;
};

headset::RecognitionSlots SlotsOf(app::CUpdaterDlg& main) {
  return {main.m_nDeviceTarget,      main.m_nUsbStatus,      main.m_bDeviceRecognized, main.m_deviceSettings,
          main.m_nSettingsPageCount, main.m_anSettingsPages, main.m_nSettingsPageSel};
}

bool IsRefused(platform::DeviceAccess access) {
  return access == platform::DeviceAccess::kAccessDenied || access == platform::DeviceAccess::kBusy;
}

// Recognises unless the interface is there but may not be opened: what the device does not
// answer takes the product's default.
int RecognizeOverHid(CDialogDeviceRecognition& page, app::CUpdaterDlg& main, const device::CDeviceSettings* toWrite) {
  headset::hid::OpenHidInterfacesFor(main.m_nDeviceTarget, main.m_hHidDevice, main.m_hHidDeviceSecond);
  if (!main.m_hHidDevice && IsRefused(device::AccessToMakerDevices())) return headset::RECOGNIZE_NO_DEVICE;
  // The module products' waits take up to 46 s: the window keeps answering meanwhile, busy, so
  // that commands and its close are refused as in every busy state. Timers wait as well: a tick of
  // the pair poll would close the handles this run talks through.
  const auto answering = [](uint32_t ms) { fw::Application::WaitAnswering(ms, true); };
  headset::hid::RecognizeOverHidChannel(SlotsOf(main), {main.m_hHidDevice.get(), main.m_hHidDeviceSecond.get()},
                                       toWrite, &page.m_eWriteBack, answering);
  StopHidPairPoll(page);
  return headset::RECOGNIZE_OK;
}

}  // namespace

int RunRecognition(CDialogDeviceRecognition& page, device::CDeviceSettings* toWrite, bool interactive) {
  app::CUpdaterDlg* main = app::GetMainWindow(page);
  if (!main) return headset::RECOGNIZE_NO_DEVICE;
  main->ShowStatusMessage(main->BuildProgressStatus(), false);

  int state = headset::RECOGNIZE_NO_DEVICE;
  // A record given now replaces one still owed; without one, the owed record is written.
  if (toWrite) page.m_pendingWrite = *toWrite;
  const device::CDeviceSettings* record = page.m_pendingWrite ? &*page.m_pendingWrite : nullptr;
  page.m_eWriteBack = headset::WriteBack::kNone;
  {
    BusyScope busy(page, *main);
    if (page.IsHidDevicePresent(1, nullptr, nullptr)) {
      state = RecognizeOverHid(page, *main, record);
    } else {
      main->CloseHidHandles();
      state = headset::bluecore::RecognizeOverDfu(SlotsOf(*main), record, &page.m_eWriteBack);
    }
  }
  // Recognised: the wizard moves on and reports what became of the settings, written or not.
  if (state == headset::RECOGNIZE_OK || state == headset::RECOGNIZE_DFU_MODE) page.m_pendingWrite.reset();

  const platform::DeviceAccess access =
      state == headset::RECOGNIZE_NO_DEVICE ? device::AccessToMakerDevices() : platform::DeviceAccess::kGone;
  WindowReportTarget target(page, *main);
  recognition::ReportRecognition(state, page.m_nReturnPage, interactive, target, access, page.m_eWriteBack);
  return state;
}

}  // namespace pages
