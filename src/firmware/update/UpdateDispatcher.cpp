// The start of an update or restore: device and image checks, the settings archive, the choice of
// the transfer, and the writes the device still owes once everything has passed.
#include <ctime>
#include <filesystem>
#include <vector>

#include "app/UpdaterDlg.h"
#include "device/FirmwareUpdateSets.h"
#include "device/ModelNames.h"
#include "device/UsbIdentities.h"
#include "firmware/formats/DfuModelTag.h"
#include "firmware/formats/FirmwareImageFile.h"
#include "firmware/formats/SettingsArchive.h"
#include "firmware/update/DialogFirmwareUpdate.h"
#include "headset/RadioBatches.h"
#include "headset/bluecore/AlternateModelIdentity.h"
#include "headset/bluecore/SameDeviceCheck.h"
#include "io/AtomicFile.h"
#include "localization/FirmwareTexts.h"
#include "localization/PageNumbers.h"
#include "localization/SafeFormat.h"
#include "localization/SharedTexts.h"
#include "localization/StatusTexts.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/dfu/DFUEngine.h"

namespace firmware {

namespace {

constexpr uint32_t kBootLoaderSettleMs = 1000;

bool InApplicationMode(int usbStatus) { return usbStatus > 0 && !device::IsDfuMode(usbStatus); }

std::string ImageFolderPath() {
  const std::string folder = platform::Paths::Get().ImageFolder();
  return folder.empty() ? std::string("/") : folder + "/";
}

}  // namespace

CFirmwareJob& CDialogFirmwareUpdate::ActiveJob() {
  app::CUpdaterDlg* main = MainWindow();
  if (main && main->m_nCurrentPage != wizard::PAGE_FIRMWARE_UPDATE) return main->m_dlgFirmwareRestore.m_job;
  return m_job;
}

void CDialogFirmwareUpdate::FailJob(const text::LocalizedText& reasons, const std::string& tag, int error) {
  app::CUpdaterDlg* main = MainWindow();
  CFirmwareJob& job = ActiveJob();
  const int page = main ? main->m_nCurrentPage : int{wizard::PAGE_FIRMWARE_UPDATE};
  const int usbStatus = main ? main->m_nUsbStatus : 0;
  job.m_astrMessages.Set(text::InEveryLanguage([&](int language) {
    return text::Format("%s. %s%s", text::GetPageFailureText(page, usbStatus, language),
                        reasons[static_cast<size_t>(language)], tag);
  }));
  job.m_nError = error;
  job.m_bFinished = true;
  m_bAutoUpdate = false;
}

void CDialogFirmwareUpdate::FailJob(std::string (*reason)(int), const std::string& tag, int error) {
  FailJob(text::InEveryLanguage(reason), tag, error);
}

// --- Settings archive ---------------------------------------------------------------------------

int CDialogFirmwareUpdate::WriteSettingsArchive(app::CUpdaterDlg* main) {
  if (!main) main = MainWindow();
  if (!main) return 0;
  const std::string name = device::GetModelName(main->m_nDeviceTarget, true) + "." + kSettingsArchiveExtension;
  const int64_t now = static_cast<int64_t>(std::time(nullptr));
  if (!io::WriteFileAtomically(ImageFolderPath() + name, FormatSettingsArchive(main->m_deviceSettings, now))) {
    return 0;
  }
  main->m_deviceSettings.m_timeArchived = now;
  return 1;
}

// --- Device and image checks ---------------------------------------------------------------------

bool CDialogFirmwareUpdate::CheckSameDevice(bool tagged) {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return false;
  const headset::bluecore::SameDevice result =
      headset::bluecore::CheckSameDevice(main->m_nDeviceTarget, main->m_nUsbStatus, main->m_deviceSettings);
  if (result == headset::bluecore::SameDevice::kPass) return true;
  FailJob(text::GetNotRecognizedDeviceText, tagged ? headset::bluecore::SameDeviceTag(result) : "",
          JOB_ERROR_DEVICE);
  return false;
}

bool CDialogFirmwareUpdate::IsDfuFileForDevice() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return false;
  const int64_t size = GetFileSizeByReading(ActiveJob().m_strImagePath);
  if (size < static_cast<int64_t>(kDfuTagWindowBytes)) return false;
  const std::optional<std::string> head = io::ReadWholeFile(ActiveJob().m_strImagePath, static_cast<size_t>(size));
  if (!head || head->size() < kDfuTagWindowBytes) return false;
  const std::span<const uint8_t> window(reinterpret_cast<const uint8_t*>(head->data()), kDfuTagWindowBytes);

  const int target = main->m_nDeviceTarget;
  bool alternateBatch = false;
  if (target == kAlternateBatchTarget) {
    const std::optional<std::string> address = headset::bluecore::ReadFirstDeviceLowerAddress();
    alternateBatch = address && headset::IsAlternateModelBatch(target, *address);
  }
  const DfuFileMatch match = MatchDfuFile(window, main->m_deviceSettings.m_nProductId, target, alternateBatch);
  m_bReidentifyPending = match == DfuFileMatch::kForAlternateModel;
  return match != DfuFileMatch::kNotForDevice;
}

bool CDialogFirmwareUpdate::SplitCameraImage(CFirmwareJob& job) {
  const std::string folder = ImageFolderPath();
  const std::string dfuFile = folder + kSplitDfuFileName;
  const std::string cameraFile = folder + kSplitCameraFileName;
  // Files of an earlier run must never be flashed in place of this image's.
  std::error_code ignored;
  std::filesystem::remove(dfuFile, ignored);
  std::filesystem::remove(cameraFile, ignored);

  FirmwareImageFile image;
  if (!image.Load(job.m_strImagePath, ImageLayout::Older, ImageProductTest::Equals(device::kSplitImageProduct)) ||
      image.Sections().size() < 2) {
    return false;
  }
  auto asText = [](std::span<const uint8_t> bytes) {
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  };
  if (!io::WriteFileAtomically(dfuFile, asText(image.SectionBytes(0))) ||
      !io::WriteFileAtomically(cameraFile, asText(image.SectionBytes(1)))) {
    std::filesystem::remove(dfuFile, ignored);
    std::filesystem::remove(cameraFile, ignored);
    return false;
  }
  job.m_strImagePath = dfuFile;
  return true;
}

// --- The dispatcher ------------------------------------------------------------------------------

void CDialogFirmwareUpdate::StartFirmwareUpdate() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  CFirmwareJob& job = ActiveJob();
  const int page = main->m_nCurrentPage;
  const int usbStatus = main->m_nUsbStatus;
  job.m_astrMessages.Set(text::InEveryLanguage([&](int language) {
    return text::Format("%s %s", text::GetPageProgressText(page, usbStatus, language),
                        page == wizard::PAGE_FIRMWARE_UPDATE ? text::GetCheckingFirmwareText(language)
                                  : text::GetCheckingBackupFirmwareText(language));
  }));
  job.m_nPercent = 0;
  job.m_bFinished = false;
  job.m_bApplying = false;
  ClosePopup(job);
  job.m_nError = JOB_ERROR_FAILED;
  m_bReidentifyPending = false;
  if (m_bDfuOnlyStart) {
    RunDfuPath(false, false);
    return;
  }

  const int target = main->m_nDeviceTarget;
  const device::UpdateRoute route = device::UpdateRouteOf(target);
  switch (route) {
    case device::UpdateRoute::kDfu:
      RunDfuPath(true, true);
      return;
    case device::UpdateRoute::kPreparationThenDfu:
      // Already in the boot loader: the DFU path as it is. Otherwise the HID presence test,
      // which finds no device until the HID transfers exist.
      if (device::IsDfuMode(usbStatus)) {
        platform::Clock::Get().SleepMs(2 * kBootLoaderSettleMs);
        RunDfuPath(true, true);
        return;
      }
      if (!main->m_dlgDeviceRecognition.IsHidDevicePresent(1, nullptr, nullptr)) {
        FailJob(text::GetNotRecognizedDeviceText);
        return;
      }
      StartTransferForRoute(route);
      return;
    case device::UpdateRoute::kExternalTools:
      if (!main->m_dlgDeviceRecognition.ProbeHidPair(0, 0, 0)) {
        FailJob(text::GetNotRecognizedDeviceText, "[0]");
        return;
      }
      StartTransferForRoute(route);
      return;
    default: {
      int productId = 0;
      if (!main->m_dlgDeviceRecognition.IsHidDevicePresent(0, &productId, nullptr) || productId != target) {
        FailJob(text::GetNotRecognizedDeviceText);
        return;
      }
      StartTransferForRoute(route);
      return;
    }
  }
}

void CDialogFirmwareUpdate::StartDfuUpdate() {
  m_bDfuOnlyStart = true;
  StartFirmwareUpdate();
  m_bDfuOnlyStart = false;
}

void CDialogFirmwareUpdate::StartTransferForRoute(device::UpdateRoute) {
  // The HID transfers are not part of this program yet: the job ends as a failure on the thread,
  // the way a transfer reports.
  CFirmwareJob* job = &ActiveJob();
  StartTransferThread([job](std::stop_token) {
    job->m_astrMessages.Set(text::InEveryLanguage(text::GetCannotUpdateFirmwareText));
    job->m_nError = JOB_ERROR_FAILED;
    job->m_bFinished = true;
  });
}

bool CDialogFirmwareUpdate::StartTransferThread(io::Worker::Body body) {
  return m_transferThread.Start(std::move(body));
}

void CDialogFirmwareUpdate::RunDfuPath(bool tagged, bool mayArchive) {
  app::CUpdaterDlg* main = MainWindow();
  CFirmwareJob& job = ActiveJob();
  const int target = main->m_nDeviceTarget;
  const auto tagIf = [tagged](const char* tag) { return std::string(tagged ? tag : ""); };

  if (!CheckSameDevice(tagged)) return;
  if (target == device::kSplitImageProduct) {
    if (!SplitCameraImage(job)) return FailJob(text::GetFirmwareCorruptedText);
    if (!dfu::DFUEngine::IsDFUFileValid(job.m_strImagePath)) return FailJob(text::GetCannotGetStatusText);
  } else if (!dfu::DFUEngine::IsDFUFileValid(job.m_strImagePath)) {
    return FailJob(text::GetCannotGetStatusText, tagIf("[9][5]"));
  }
  if (!IsDfuFileForDevice()) {
    return FailJob(text::InEveryLanguage([target](int language) {
                     return text::GetFirmwareNotForModelText(target, language);
                   }),
                   target == device::kSplitImageProduct ? "" : tagIf("[9][6]"));
  }
  job.m_nState = JOB_CHECKING_IMAGE;

  const bool applicationMode = InApplicationMode(main->m_nUsbStatus);
  if (mayArchive && main->m_nCurrentPage == wizard::PAGE_FIRMWARE_UPDATE && applicationMode && !WriteSettingsArchive(nullptr)) {
    // Nothing is sent to the device until the user has read that the backup failed; OK goes on
    // through the DFU path without an archive.
    job.m_nState = JOB_WAITING_USER;
    main->m_bWaitForUserOk = true;
    return;
  }
  // The device is changed only now that every check has passed and its settings are safe.
  if (m_bReidentifyPending && !headset::bluecore::WriteAlternateModelIdentity()) {
    return FailJob(text::GetCannotUpdateFirmwareText);
  }
  if (applicationMode && !headset::bluecore::ClearOldFirmwareKeys(target, main->m_deviceSettings)) {
    return FailJob(text::GetCannotUpdateFirmwareText);
  }

  job.m_nState = JOB_IMAGE_OK;
  const int page = main->m_nCurrentPage;
  const int usbStatus = main->m_nUsbStatus;
  job.m_astrMessages.Set(
      text::InEveryLanguage([&](int language) { return text::GetPageProgressText(page, usbStatus, language); }));
  job.m_nError = JOB_ERROR_NONE;
  m_nProgressCallbacks = 0;
  m_bStepStarted = true;
  for (auto& tick : job.m_anTicks) tick = 0;
  StartDfuReconfigure();
  job.m_nState = JOB_RECONFIGURING;
}

}  // namespace firmware
