// The start of an update or restore: device and image checks, the settings archive, the choice of
// the transfer, and the writes the device still owes once everything has passed.
#include <algorithm>
#include <array>
#include <ctime>
#include <filesystem>
#include <optional>
#include <stop_token>
#include <vector>

#include "app/UpdaterDlg.h"
#include "device/FirmwareUpdateSets.h"
#include "device/ModelNames.h"
#include "device/UsbIdentities.h"
#include "firmware/formats/DfuModelTag.h"
#include "firmware/formats/FirmwareImageFile.h"
#include "device/Version.h"
#include "firmware/formats/SettingsArchive.h"
#include "firmware/update/DialogFirmwareUpdate.h"
#include "firmware/update/HidTransferRoutes.h"
#include "headset/RadioBatches.h"
#include "headset/bluecore/AlternateModelIdentity.h"
#include "headset/bluecore/SameDeviceCheck.h"
#include "headset/hid/HidRecognition.h"
#include "io/HidChannel.h"
#include "io/AtomicFile.h"
#include "localization/FirmwareTexts.h"
#include "localization/PageNumbers.h"
#include "localization/SafeFormat.h"
#include "localization/SharedTexts.h"
#include "localization/StatusTexts.h"
#include "platform/Paths.h"
#include "platform/dfu/DFUEngine.h"

namespace firmware {

namespace {

constexpr uint32_t kBootLoaderSettleMs = 1000;
// From the command that enters the boot loader until it runs.
constexpr uint32_t kBootLoaderStartMs = 3000 + 4000 + 3000;
// From the command that enters the update mode until the device is looked for again.
constexpr uint32_t kUpdateModeRestartMs = 3000;

bool InApplicationMode(int usbStatus) { return usbStatus > 0 && !device::IsDfuMode(usbStatus); }

// Empty without the program's folder: the files must then fail to be written, not land in the root.
std::string ImageFolderPath() {
  platform::Paths& paths = platform::Paths::Get();
  if (paths.ProgramFolder().empty()) return {};
  const std::string folder = paths.ImageFolder();
  return folder.empty() ? std::string() : folder + "/";
}

// Works on its own copy of the record, so that a transfer thread may call it.
bool WriteSettingsArchiveFile(int target, const device::CDeviceSettings& record, int64_t now) {
  const std::string folder = ImageFolderPath();
  if (folder.empty()) return false;
  const std::string name = device::GetModelName(target, true) + "." + kSettingsArchiveExtension;
  return io::WriteFileAtomically(folder + name, FormatSettingsArchive(record, now));
}

std::array<int, 4> FirstFour(const std::array<int, 5>& version) {
  return {version[0], version[1], version[2], version[3]};
}

// The interface answers the version query with `expected` (major, minor, type, secondary). A
// device that does not answer, or a closed interface, is not the recognised one.
bool HidVersionIs(platform::HidDevice* device, const std::array<int, 4>& expected) {
  io::HidReplyReport reply;
  if (!io::HidTransact(device, io::MakeHidCommand(io::HID_CMD_READ_VERSION), reply)) return false;
  const auto& b = reply.bytes;
  return device::CompareVersions(b[3], b[4], b[5], b[6], expected[0], expected[1], expected[2], expected[3],
                                 false) == 0;
}

// Its answer does not matter: the device is looked for again after its restart.
void SendEnterBootLoader(platform::HidDevice* device) {
  io::HidReplyReport reply;
  io::HidTransact(device, io::MakeHidCommand(io::HID_CMD_ENTER_BOOTLOADER), reply);
}

// The presence test that opens again whatever maker's device is attached into the first handle.
bool ReopenPresentHidDevice(app::CUpdaterDlg& main) {
  int productId = 0;
  if (!main.m_dlgDeviceRecognition.IsHidDevicePresent(1, &productId, nullptr)) return false;
  if (!main.m_hHidDevice) main.m_hHidDevice = io::OpenHidDevice(productId);
  return true;
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

void CDialogFirmwareUpdate::WriteSettingsArchive(std::function<void(bool written)> then) {
  app::CUpdaterDlg* main = MainWindow();
  const int64_t now = static_cast<int64_t>(std::time(nullptr));
  // One step waits at a time: this one, for the write's word.
  CancelPendingStep();
  m_archiveStep = [this, then = std::move(then), now](bool written) {
    if (written) MainWindow()->m_deviceSettings.m_timeArchived = now;
    then(written);
  };
  // The flush to disk takes a while: the window paints meanwhile, and its job waits for the word.
  m_archiveWrites.Start([now, target = main->m_nDeviceTarget, record = main->m_deviceSettings](std::stop_token) {
    return WriteSettingsArchiveFile(target, record, now);
  });
}

void CDialogFirmwareUpdate::OnArchiveWritten(intptr_t run) {
  // A dropped write's word only lets its worker be joined.
  const std::optional<bool> written = m_archiveWrites.Take(run);
  if (!written || !m_archiveStep) return;
  std::exchange(m_archiveStep, nullptr)(*written);
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
  // Only the first bytes carry the tag: a file shorter than them is no file for any device.
  const auto window = ReadDfuTagWindow(ActiveJob().m_strImagePath);
  if (!window) return false;

  const int target = main->m_nDeviceTarget;
  bool alternateBatch = false;
  if (target == kAlternateBatchTarget) {
    const std::optional<std::string> address = headset::bluecore::ReadFirstDeviceLowerAddress();
    alternateBatch = address && headset::IsAlternateModelBatch(target, *address);
  }
  const DfuFileMatch match = MatchDfuFile(*window, main->m_deviceSettings.m_nProductId, target, alternateBatch);
  m_bReidentifyPending = match == DfuFileMatch::kForAlternateModel;
  return match != DfuFileMatch::kNotForDevice;
}

bool CDialogFirmwareUpdate::SplitCameraImage(CFirmwareJob& job) {
  const std::string folder = ImageFolderPath();
  if (folder.empty()) return false;
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

  const device::UpdateRoute route = device::UpdateRouteOf(main->m_nDeviceTarget);
  switch (route) {
    case device::UpdateRoute::kDfu:
      RunDfuPath(true, true);
      return;
    case device::UpdateRoute::kPreparationThenDfu:
      PrepareBootLoaderThenDfu();
      return;
    case device::UpdateRoute::kHidUpdateMode:
      EnterHidUpdateMode(route);
      return;
    default:
      if (!CheckHidPresence(route) || !CheckHidVersions(route)) return;
      StartTransferForRoute(route);
      return;
  }
}

void CDialogFirmwareUpdate::StartDfuUpdate() {
  m_bDfuOnlyStart = true;
  StartFirmwareUpdate();
  m_bDfuOnlyStart = false;
}

bool CDialogFirmwareUpdate::CheckHidPresence(device::UpdateRoute route) {
  app::CUpdaterDlg* main = MainWindow();
  const int target = main->m_nDeviceTarget;
  switch (route) {
    case device::UpdateRoute::kExternalTools:
      if (main->m_dlgDeviceRecognition.ProbeHidPair(0, 0, 0)) return true;
      FailJob(text::GetNotRecognizedDeviceText, "[0]");
      return false;
    default: {
      int productId = 0;
      if (!main->m_dlgDeviceRecognition.IsHidDevicePresent(0, &productId, nullptr) || productId != target) {
        FailJob(text::GetNotRecognizedDeviceText);
        return false;
      }
      // Recognition left them open; a device recognised before it was unplugged and attached again
      // is opened anew.
      headset::hid::OpenHidInterfacesFor(target, main->m_hHidDevice, main->m_hHidDeviceSecond);
      return true;
    }
  }
}

bool CDialogFirmwareUpdate::CheckHidVersions(device::UpdateRoute route) {
  app::CUpdaterDlg* main = MainWindow();
  const HidTransferRoute* row = FindHidTransferRoute(route);
  const HidVersionCheck check = row ? row->versionCheck : HidVersionCheck::kNone;
  const device::CDeviceSettings& record = main->m_deviceSettings;
  const std::array<int, 4> firmware = {record.m_nVersionMajor, record.m_nVersionMinor,
                                       record.m_nSecondaryVersionType, record.m_nSecondaryVersion};
  bool same = true;
  switch (check) {
    case HidVersionCheck::kNone:
      break;
    case HidVersionCheck::kBothInterfaces:
      same = HidVersionIs(main->m_hHidDevice.get(), FirstFour(record.m_anHidVersion1)) &&
             HidVersionIs(main->m_hHidDeviceSecond.get(), FirstFour(record.m_anHidVersion2));
      break;
    case HidVersionCheck::kFirstWithHidVersion1:
      same = HidVersionIs(main->m_hHidDevice.get(), FirstFour(record.m_anHidVersion1));
      break;
    case HidVersionCheck::kFirstWithFirmware:
      same = HidVersionIs(main->m_hHidDevice.get(), firmware);
      break;
  }
  if (!same) FailJob(text::GetNotRecognizedDeviceText);
  return same;
}

void CDialogFirmwareUpdate::EnterHidUpdateMode(device::UpdateRoute route) {
  app::CUpdaterDlg* main = MainWindow();
  headset::hid::OpenHidInterfacesFor(main->m_nDeviceTarget, main->m_hHidDevice, main->m_hHidDeviceSecond);
  SendEnterBootLoader(main->m_hHidDevice.get());
  main->ResetHidHandles();
  ContinueAfter(kUpdateModeRestartMs, [this, route] {
    if (!ReopenPresentHidDevice(*MainWindow())) return FailJob(text::GetNotRecognizedDeviceText);
    if (CheckHidVersions(route)) StartTransferForRoute(route);
  });
}

void CDialogFirmwareUpdate::PrepareBootLoaderThenDfu() {
  app::CUpdaterDlg* main = MainWindow();
  const auto dfuPath = [this] { RunDfuPath(true, true); };
  if (device::IsDfuMode(main->m_nUsbStatus)) return ContinueAfter(2 * kBootLoaderSettleMs, dfuPath);
  if (!ReopenPresentHidDevice(*main)) return FailJob(text::GetNotRecognizedDeviceText);
  const device::CDeviceSettings& record = main->m_deviceSettings;
  if (!HidVersionIs(main->m_hHidDevice.get(), {record.m_nVersionMajor, record.m_nVersionMinor,
                                               record.m_nSecondaryVersionType, record.m_nSecondaryVersion})) {
    return FailJob(text::GetNotRecognizedDeviceText);
  }
  SendEnterBootLoader(main->m_hHidDevice.get());
  // The device leaves for its boot loader: what was open of it is gone.
  main->ResetHidHandles();
  ContinueAfter(kBootLoaderStartMs, [this, dfuPath] {
    // The device now answers under its boot loader's product id.
    app::CUpdaterDlg& window = *MainWindow();
    if (device::UpdateRouteOf(window.m_nUsbStatus) == device::UpdateRoute::kPreparationThenDfu) ++window.m_nUsbStatus;
    ContinueAfter(kBootLoaderSettleMs, dfuPath);
  });
}

void CDialogFirmwareUpdate::StartTransferForRoute(device::UpdateRoute route) {
  app::CUpdaterDlg* main = MainWindow();
  const HidTransferRoute* row = FindHidTransferRoute(route);
  if (!row) return FailJob(text::GetCannotUpdateFirmwareText);
  // A thread of an earlier job has ended with that job; what is left of it goes now.
  EndTransferThread();
  m_transferFirst = std::move(main->m_hHidDevice);
  m_transferSecond = std::move(main->m_hHidDeviceSecond);

  CFirmwareJob& job = ActiveJob();
  HidTransferContext context{job,
                             job.m_strImagePath,
                             main->m_nCurrentPage,
                             main->m_nUsbStatus,
                             main->m_nDeviceTarget,
                             m_transferFirst.get(),
                             m_transferSecond.get(),
                             main->m_bWaitForUserOk,
                             {},
                             {}};
  // The hooks run on the thread: whatever belongs to the window is posted to it.
  context.hooks.writeSettingsArchive = [this, target = main->m_nDeviceTarget, record = main->m_deviceSettings] {
    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    if (!WriteSettingsArchiveFile(target, record, now)) return false;
    PostMessage(WM_TRANSFER_EVENT, TRANSFER_ARCHIVED, static_cast<intptr_t>(now));
    return true;
  };
  context.hooks.askForOk = [this] { PostMessage(WM_TRANSFER_EVENT, TRANSFER_ASK_FOR_OK); };
  context.hooks.transferStarted = [this] { PostMessage(WM_TRANSFER_EVENT, TRANSFER_STARTED); };
  context.hooks.armDeviceBackTimer = [this] { PostMessage(WM_TRANSFER_EVENT, TRANSFER_ARM_DEVICE_BACK); };
  context.hooks.gaveUp = [this] { PostMessage(WM_TRANSFER_EVENT, TRANSFER_GAVE_UP); };
  const HidTransferRoutine routine = row->routine;
  if (!StartTransferThread([routine, context](std::stop_token stop) { routine(context, std::move(stop)); })) {
    FailJob(text::GetCannotUpdateFirmwareText);
  }
}

bool CDialogFirmwareUpdate::StartTransferThread(io::Worker::Body body) {
  return m_transferThread.Start(std::move(body));
}

void CDialogFirmwareUpdate::EndTransferThread() {
  m_transferThread.Stop(0);
  m_transferFirst.reset();
  m_transferSecond.reset();
}

void CDialogFirmwareUpdate::OnTransferEvent(uintptr_t event, intptr_t value) {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  CFirmwareJob& job = ActiveJob();
  switch (event) {
    case TRANSFER_STARTED:
      m_nProgressCallbacks = 0;
      m_bStepStarted = true;
      // The backup-failed box has been answered: gone, it leaves room for the hold-button prompt.
      ClosePopup(job);
      break;
    case TRANSFER_GAVE_UP:
      m_bAutoUpdate = false;
      break;
    case TRANSFER_ARM_DEVICE_BACK:
      // Only for the job that asked: one that has ended since must not be completed again.
      if (job.m_nState == JOB_WAITING_RESTART && !job.m_bFinished) ArmDeviceBackTimer();
      break;
    case TRANSFER_ASK_FOR_OK:
      // The next tick opens the box; a job that has ended since asks for nothing.
      if (!job.m_bFinished && IsTransferThreadRunning()) job.m_nState = JOB_WAITING_USER;
      break;
    case TRANSFER_ARCHIVED:
      main->m_deviceSettings.m_timeArchived = static_cast<int64_t>(value);
      break;
    default:
      break;
  }
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

  if (!mayArchive || main->m_nCurrentPage != wizard::PAGE_FIRMWARE_UPDATE || !InApplicationMode(main->m_nUsbStatus)) {
    return ChangeDeviceThenReconfigure();
  }
  WriteSettingsArchive([this](bool written) {
    if (written) return ChangeDeviceThenReconfigure();
    // Nothing is sent to the device until the user has read that the backup failed; OK goes on
    // through the DFU path without an archive. The flag goes first, as the box clears it.
    MainWindow()->m_bWaitForUserOk = true;
    ActiveJob().m_nState = JOB_WAITING_USER;
  });
}

void CDialogFirmwareUpdate::ChangeDeviceThenReconfigure() {
  app::CUpdaterDlg* main = MainWindow();
  CFirmwareJob& job = ActiveJob();
  // The device is changed only now that every check has passed and its settings are safe: first
  // the keys its old firmware leaves, then the identity of a unit that was shipped as another model.
  if (InApplicationMode(main->m_nUsbStatus) &&
      !headset::bluecore::ClearOldFirmwareKeys(main->m_nDeviceTarget, main->m_deviceSettings)) {
    return FailJob(text::GetCannotUpdateFirmwareText);
  }
  if (m_bReidentifyPending && !headset::bluecore::WriteAlternateModelIdentity()) {
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
