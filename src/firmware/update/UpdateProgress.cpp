// The one-second progress timer of a running job (estimate, pop-ups, status line, the end of the
// job) and the half-second poll for the device coming back after its transfer.
#include <algorithm>
#include <filesystem>

#include "app/UpdaterDlg.h"
#include "controls/DialogMessageBox.h"
#include "device/FirmwareUpdateSets.h"
#include "device/UsbDeviceCount.h"
#include "device/UsbIdentities.h"
#include "firmware/formats/FirmwareImageFile.h"
#include "firmware/transfer/CardFileCopy.h"
#include "firmware/update/DialogFirmwareUpdate.h"
#include "firmware/update/FirmwareOkHook.h"
#include "io/AtomicFile.h"
#include "localization/FirmwareTexts.h"
#include "localization/MainWindowTexts.h"
#include "localization/PageNumbers.h"
#include "localization/SafeFormat.h"
#include "localization/SharedTexts.h"
#include "localization/StatusTexts.h"
#include "platform/Drives.h"
#include "platform/Paths.h"

namespace firmware {

namespace {

using device::ProgressSet;

// Ticks past the end of the restart estimate before the device counts as lost.
constexpr int kRestartWaitTicks = 10;
// Ticks a HID device has to come back once its transfer ended, a press on its button included;
// t0 counts them (the thread zeroes it as the transfer starts, and nothing else moves it there).
constexpr int kHidDeviceBackTicks = 180;
constexpr fw::Size kBackupFailedSize = {500, 180};
constexpr fw::Size kPairingAdviceSize = {530, 160};
constexpr fw::Size kPowerCycleSize = {380, 145};
constexpr fw::Size kCameraReconnectSize = {550, 180};
constexpr fw::Size kMismatchSize = {400, 165};
constexpr const char* kCameraMarkerFile = "thessik.bin";
constexpr const char* kCameraFirmwareName = "pxe27_100.bin";

bool IsAnyOf(ProgressSet set, std::initializer_list<ProgressSet> sets) {
  return std::find(sets.begin(), sets.end(), set) != sets.end();
}

void Step(std::atomic<int>& tick, int cap) { tick = std::min(tick + 1, cap); }

// The card keeps its older file until the new one is there whole.
bool CopyCameraFileToCard(const std::string& root, const std::string& file) {
  const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(file.data()), file.size());
  const CardFileNames names{root, kSplitCameraFileName, kCameraFirmwareName, /*replaceFinal=*/true};
  return CopyFileToCard(names, bytes, io::Md5Of(bytes.data(), static_cast<unsigned>(bytes.size()))) ==
         CardCopyResult::Copied;
}

int ShowBox(app::CUpdaterDlg& main, const std::string& message, bool warning, fw::Size size) {
  controls::CDialogMessageBox box(&main);
  box.Setup(message, warning, std::nullopt, text::GetOkText(main.m_nLanguage), size);
  // The camera's closing box holds its OK while the camera settles, as every firmware box does.
  box.SetOkHook(FirmwareOkHook(main));
  return box.DoModal();
}

}  // namespace

void CDialogFirmwareUpdate::OnProgressTimer() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  CFirmwareJob& job = ActiveJob();
  if (job.m_bFinished) {
    const bool succeeded = job.m_nPercent == 100 && job.m_nError == JOB_ERROR_NONE;
    EndJob(job);
    // A success ends in recognition, whose report is what the status line says now.
    if (succeeded) return;
  } else if (job.m_nPercent >= 0) {
    EstimateProgress(job);
    const int percent = job.m_nPercent;
    if (main->m_nDeviceTarget == device::kTwoDeviceProduct) {
      main->m_nProgress = m_nActiveEngine == 2 ? percent / 2 + 50 : percent / 2;
    } else {
      main->m_nProgress = percent;
    }
  }
  const text::LocalizedText messages = job.m_astrMessages.Take();
  for (int i = 0; i < text::kLanguageCount; ++i) {
    if (!messages[static_cast<size_t>(i)].empty()) main->SetStatusMessage(messages[static_cast<size_t>(i)], i);
  }
  // A job starts as failed until its transfer begins; while it waits between its first steps it has
  // not failed, and the window, which now paints during those waits, must not say so.
  main->ShowStatusMessage(main->GetStatusMessage(), job.m_nError != JOB_ERROR_NONE && !IsStepPending());
  main->RefreshControls();
}

void CDialogFirmwareUpdate::EstimateProgress(CFirmwareJob& job) {
  app::CUpdaterDlg* main = MainWindow();
  const int target = main->m_nDeviceTarget;
  const device::UpdatePhases phases = device::UpdatePhasesOf(target);
  const int a = phases.preparation, b = phases.transfer, c = phases.restart;
  const ProgressSet set = device::ProgressSetOf(target);
  auto& t0 = job.m_anTicks[0];
  auto& t1 = job.m_anTicks[1];
  const bool hasPopup = job.m_pPopup != nullptr;

  switch (job.m_nState.load()) {
    case JOB_IMAGE_OK:
      job.m_nPercent = set == ProgressSet::kH ? 2 : 5;
      t0 = 0;
      break;
    case JOB_RECONFIGURING:
      m_nTickSkips = 0;
      if (!hasPopup) {
        Step(t1, a);
        job.m_nPercent = std::min(t1 * 100 / (a + b + c) + 5, 15);
      }
      break;
    case JOB_WAITING_USER:
      if (!hasPopup) OpenPrompt(job, text::GetBackupFailedText(main->m_nLanguage), kBackupFailedSize, true);
      break;
    case JOB_TRANSFERRING:
      if (IsAnyOf(set, {ProgressSet::kH, ProgressSet::kM, ProgressSet::kF, ProgressSet::kU})) {
        Step(t1, b);
        job.m_nPercent = std::min(t1 * 100 / (b + c) + 2, set == ProgressSet::kM ? 97 : 77);
      } else if (IsAnyOf(set, {ProgressSet::kK, ProgressSet::kL, ProgressSet::kN, ProgressSet::kV})) {
        if (!job.m_bApplying) {
          Step(t1, b);
          job.m_nPercent = t1 * 100 / (b + c) + 2;
          ClosePopup(job);
        } else if (!hasPopup) {
          OpenHoldPrompt(job, false);
        }
      } else if (set == ProgressSet::kE) {
        job.m_nPercent = std::min(job.m_nPercent + 1, 90);
      } else if (!hasPopup && m_bStepStarted) {
        if (device::SkipsProgressTicks(target) && m_nTickSkips < 1) {
          ++m_nTickSkips;
        } else {
          Step(t1, b);
        }
        job.m_nPercent = std::min(t1 * 100 / (b + c) + 15, 90);
      } else if (++t0 > b * 3 / 2) {
        ClosePopup(job);
      }
      break;
    case JOB_WAITING_RESTART: {
      const auto stepRestart = [&] {
        t1 = std::clamp(t1 + 1, b, b + c);
        job.m_nPercent = std::min(t1 * 100 / (b + c) + 2, 98);
      };
      const bool hidRow =
          IsAnyOf(set, {ProgressSet::kH, ProgressSet::kK, ProgressSet::kL, ProgressSet::kN, ProgressSet::kV, ProgressSet::kM});
      if (hidRow && ++t0 > kHidDeviceBackTicks) {
        RestartTimedOut(job);
      } else if (set == ProgressSet::kH) {
        stepRestart();
      } else if (hidRow) {
        if (!job.m_bApplying) {
          stepRestart();
        } else if (!hasPopup) {
          OpenHoldPrompt(job, false);
        }
      } else if (!hasPopup) {
        if (device::SkipsProgressTicks(target) && m_nTickSkips < 3) {
          ++m_nTickSkips;
        } else {
          Step(t1, c);
        }
        job.m_nPercent = t1 * 100 / c + 90;
        if (job.m_nPercent > 98) {
          job.m_nPercent = 98;
          if (++m_nRestartWaitTicks > kRestartWaitTicks) RestartTimedOut(job);
        }
      } else if (++t0 > c * 3 / 2) {
        m_nRestartWaitTicks = 0;
        ClosePopup(job);
      }
      break;
    }
    default:
      if (job.m_nState <= JOB_CHECKING_IMAGE) job.m_nPercent = 1;
      break;
  }
}

void CDialogFirmwareUpdate::RestartTimedOut(CFirmwareJob& job) {
  // The device never came back in application mode: the update cannot be called a success.
  if (m_bDeviceBackTimer) {
    KillTimer(TIMER_DEVICE_BACK);
    m_bDeviceBackTimer = false;
  }
  m_bTransferDone = false;
  ClosePopup(job);
  FailJob(text::GetCannotGetDeviceText, "");
}

void CDialogFirmwareUpdate::DestroyEngines() {
  if (m_bEngine1Created) m_dfuEngine1.Destroy();
  if (m_bEngine2Created) m_dfuEngine2.Destroy();
  m_bEngine1Created = m_bEngine2Created = false;
  m_nActiveEngine = 0;
  // Reports still queued belong to the job that ends; none can follow once the engines are gone.
  m_callbacks.Clear();
}

void CDialogFirmwareUpdate::EndJob(CFirmwareJob& job) {
  app::CUpdaterDlg* main = MainWindow();
  m_bAutoUpdate = false;
  KillTimer(TIMER_UPDATE_PROGRESS);
  KillTimer(TIMER_DEVICE_BACK);
  m_bDeviceBackTimer = false;
  m_bTransferDone = false;
  CancelPendingStep();
  DestroyEngines();
  EndTransferThread();
  ClosePopup(job);
  job.m_nState = JOB_IDLE;
  m_jobBusy.Release();
  main->RefreshControls();
  if (main->m_nCurrentPage == wizard::PAGE_FIRMWARE_UPDATE) {
    RefreshUpdatePage();
  } else {
    main->m_dlgFirmwareRestore.RefreshRestorePage();
  }
  for (auto& tick : job.m_anTicks) tick = 0;

  const int page = main->m_nCurrentPage;
  if (job.m_nPercent == 100 && job.m_nError == JOB_ERROR_NONE) {
    const int usbStatus = main->m_nUsbStatus;
    const text::LocalizedText success =
        text::InEveryLanguage([&](int language) { return text::GetPageSuccessText(page, usbStatus, language); });
    job.m_astrMessages.Set(success);
    main->m_nProgress = 100;
    const int target = main->m_nDeviceTarget;
    const int language = main->m_nLanguage;
    if (device::GetsPairingAdvice(target)) {
      ShowBox(*main, text::GetPairingAdviceText(language), true, kPairingAdviceSize);
    } else if (target == device::kTwoDeviceProduct) {
      const std::string current = job.m_astrMessages.Peek()[static_cast<size_t>(text::LanguageOrEnglish(language))];
      ShowBox(*main, text::Format(text::GetPowerCycleText(language), current), false, kPowerCycleSize);
    } else if (target == device::kSplitImageProduct) {
      main->m_bWaitAfterOk = true;
      ShowBox(*main, text::GetCameraReconnectText(language), true, kCameraReconnectSize);
    }
    // After a restore, recognition writes the archived settings back. Its report has the last
    // word on the status line: the success again, or that the device was not found or did not
    // take its settings.
    main->GoToRecognitionPage(false,
                              page == wizard::PAGE_FIRMWARE_UPDATE ? nullptr : &main->m_dlgFirmwareRestore.m_archivedSettings,
                              page);
  } else if (job.m_nError == JOB_ERROR_DEVICE) {
    ShowBox(*main, text::GetDeviceMismatchText(main->m_nLanguage), true, kMismatchSize);
    main->GoToSelectionPage();
  }
}

// --- The device back after its transfer -------------------------------------------------------------

void CDialogFirmwareUpdate::OnDeviceBackTimer() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  CFirmwareJob& job = ActiveJob();
  // A job that failed meanwhile stays failed: the next tick ends it as it is.
  if (job.m_bFinished) {
    KillTimer(TIMER_DEVICE_BACK);
    m_bDeviceBackTimer = false;
    return;
  }
  if (!IsDeviceBackAfterUpdate()) return;
  KillTimer(TIMER_DEVICE_BACK);
  m_bDeviceBackTimer = false;
  m_bTransferDone = false;
  ClosePopup(job);
  const int target = main->m_nDeviceTarget;
  if (target == device::kTwoDeviceProduct && m_nActiveEngine != 2) {
    if (m_dfuEngine2.StartReconfigure(false, true, job.m_strImagePath)) {
      m_nActiveEngine = 2;
      job.m_nError = JOB_ERROR_NONE;
      m_nProgressCallbacks = 0;
      m_bStepStarted = true;
      for (auto& tick : job.m_anTicks) tick = 0;
      job.m_nPercent = 50;
      job.m_nState = JOB_RECONFIGURING;
    } else {
      FailJob(text::GetCannotGetDeviceText, "");
    }
  } else if (target != device::kSplitImageProduct || MoveCameraFirmware(job)) {
    FinishSuccess(job);
  }
  main->m_nProgress = job.m_nPercent;
  main->RefreshControls();
}

void CDialogFirmwareUpdate::FinishSuccess(CFirmwareJob& job) {
  job.m_nError = JOB_ERROR_NONE;
  job.m_bFinished = true;
  job.m_nPercent = 100;
}

bool CDialogFirmwareUpdate::MoveCameraFirmware(CFirmwareJob&) {
  const std::string folder = platform::Paths::Get().ImageFolder() + "/";
  auto& drives = platform::Drives::Get();
  for (const std::string& root : drives.RemovableRoots()) {
    if (!drives.FileExistsAt(root, kCameraMarkerFile)) continue;
    const std::optional<std::string> file =
        io::ReadWholeFile(folder + kSplitCameraFileName, FirmwareImageFile::kMaxFileSize);
    if (!file || !CopyCameraFileToCard(root, *file)) {
      FailJob(text::GetCameraUpdateFailedText, "");
      return false;
    }
    std::error_code ignored;
    std::filesystem::remove(folder + kSplitCameraFileName, ignored);
    std::filesystem::remove(folder + kSplitDfuFileName, ignored);
    return true;
  }
  FailJob(text::GetCheckSdCardText, "");
  return false;
}

bool CDialogFirmwareUpdate::IsDeviceBackAfterUpdate() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return false;
  const int target = main->m_nDeviceTarget;
  if (device::UpdateRouteOf(target) == device::UpdateRoute::kExternalTools) {
    return main->m_dlgDeviceRecognition.ProbeHidPair(0, 0, 0);
  }
  if (device::ProgressSetOf(target) != ProgressSet::kOther && device::ProgressSetOf(target) != ProgressSet::kE) {
    main->CloseHidHandles();
    const bool present = main->m_dlgDeviceRecognition.IsHidDevicePresent(1, nullptr, nullptr);
    if (!present) main->CloseHidHandles();
    return present;
  }
  int ids[2] = {0, 0};
  const int count = device::CountUsbDevices(ids, 2);
  const auto inApplication = [](int id) { return id >= 1 && id < device::DFU_MODE_FLAG; };
  if (target == device::kTwoDeviceProduct) {
    return count >= 2 && inApplication(ids[m_nActiveEngine == 2 ? 1 : 0]);
  }
  return count >= 1 && inApplication(ids[0]);
}

}  // namespace firmware
