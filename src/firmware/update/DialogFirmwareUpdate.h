#pragma once
// Page 3: updates the device's firmware with the newest image the update server lists for it, or
// with a local image. On entry it reads the server's "Firmware" list, may offer a newer version,
// and gets the image by download or Browse; ACTION then hands the job to the update.
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "device/FirmwareUpdateSets.h"
#include "firmware/update/DfuCallbackQueue.h"
#include "firmware/update/FirmwareJob.h"
#include "framework/FileDialog.h"
#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/Edit.h"
#include "framework/Static.h"
#include "io/NumberedWorker.h"
#include "io/Worker.h"
#include "pages/BusyHold.h"
#include "pages/WizardPage.h"
#include "platform/HidBus.h"
#include "platform/dfu/DFUEngine.h"

namespace app {
class CUpdaterDlg;
}

namespace firmware {

struct FirmwareListEntry;

enum : int {
  IDC_FIRMWARE_TO_UPDATE = 1027,
  IDC_FIRMWARE_IMAGE_PATH = 1028,  // empty: no image chosen
  IDC_FIRMWARE_BROWSE = 1029,
  IDC_FIRMWARE_LATEST_VERSION = 1030,
  IDC_FIRMWARE_DOWNLOAD = 1031,
  IDC_FIRMWARE_VOICE_PROMPT = 1032,  // voice-prompt variants
  IDC_FIRMWARE_VOICE_PROMPT_CAPTION = 1035,
  IDC_FIRMWARE_INSTRUCTIONS = 1207,  // shares its place with the progress bar
};

enum : unsigned {
  TIMER_FIRMWARE_LIST = 201,
  TIMER_UPDATE_PROGRESS = 203,
  TIMER_UPDATE_STEP = 204,  // the wait before the next step of an update's start
  TIMER_DEVICE_BACK = 205,
  TIMER_FIRMWARE_DOWNLOAD = 206,
};

// One record of the DFU library's reports waits in the page's queue.
inline constexpr unsigned WM_DFU_CALLBACK = 0x0400 + 1;
// The user confirmed a DFU update; it starts once the confirming box has gone.
inline constexpr unsigned WM_START_CONFIRMED_DFU = 0x0400 + 2;
// The transfer thread asks the UI thread for something (wParam a TransferEvent, lParam its value).
inline constexpr unsigned WM_TRANSFER_EVENT = 0x0400 + 3;
// The settings archive's worker is done; lParam is the write's number.
inline constexpr unsigned WM_ARCHIVE_WRITTEN = 0x0400 + 4;

enum TransferEvent : uintptr_t {
  TRANSFER_STARTED = 1,       // the step starts: the estimate of its progress starts again
  TRANSFER_GAVE_UP = 2,       // no automatic update follows
  TRANSFER_ARM_DEVICE_BACK = 3,
  TRANSFER_ARCHIVED = 4,      // lParam: the time the settings archive was written
  TRANSFER_ASK_FOR_OK = 5,    // the archive failed: the job waits for the user's OK
};

// The two files an image of the split-image product becomes, in the IMG folder.
inline constexpr const char* kSplitDfuFileName = "__thessik_dfu_bluetooth__.img";
inline constexpr const char* kSplitCameraFileName = "__thessik_firmware__.bin";

// The server's list of firmware images.
inline constexpr const char* kFirmwareListName = "Firmware";

// When the page has read the server's firmware list it may offer a newer version; a false here
// skips that offer once (the list is being read again after a language change).
extern bool g_bOfferNewerFirmware;

class CDialogFirmwareUpdate : public pages::CWizardPage, public dfu::DFUEngine::Callback {
 public:
  CDialogFirmwareUpdate();
  ~CDialogFirmwareUpdate() override;
  pages::PageFrame DescribeFrame(int language) const override;
  void ShowFrameProgress(bool shown) override;

  CFirmwareJob m_job;
  // The user accepted the offer of a newer firmware: ACTION follows the download by itself.
  bool m_bAutoUpdate = false;
  std::string m_strToolOutput;

  fw::Static m_staticFirmwareToUpdate;  // 1027
  fw::Edit m_editImagePath;             // 1028
  fw::Button m_btnBrowse;               // 1029
  fw::Static m_staticLatestVersion;     // 1030
  fw::Button m_btnDownload;             // 1031
  fw::ComboBox m_comboVoicePrompt;      // 1032
  fw::Static m_staticVoicePrompt;       // 1035
  fw::Static m_staticInstructions;      // 1207

  // Page entry: busy until the server's firmware list has been read.
  virtual void ResetUpdatePage();
  // Captions, states, the latest-version label and the voice-prompt choice from the job.
  virtual void RefreshUpdatePage();
  // ACTION on page 3.
  virtual void StartUpdateFromMain();
  // The restore page's image has come: its job runs through the dispatcher, the window busy on
  // `busy` until the job ends.
  void StartRestoreJob(pages::BusyHold busy);
  // The user confirmed a DFU update in a message box.
  virtual void StartDfuUpdateConfirmed();
  // The server's version is newer than the recognised device's firmware.
  bool IsNewerFirmwareAvailable() const;
  // The model name the firmware list is searched for.
  std::string FirmwareListKey() const;

  void OnBrowse();
  void OnDownload();

  bool OnInitDialog() override;
  bool OnCommand(int id, int notifyCode) override;
  void OnTimer(unsigned id) override;
  fw::Brush OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) override;

  // Runs a firmware tool on the calling (transfer) thread; its log is left in m_strToolOutput,
  // which the caller searches for the tool's success text.
  std::string RunExternalTool(const std::string& commandLine);

  // --- The update dispatcher -------------------------------------------------------------------
  // The job of the page on show: this page's on page 3, the restore page's otherwise.
  CFirmwareJob& ActiveJob();
  // Checks the device and the image and starts the transfer; an update (page 3) of a device in
  // application mode archives its settings first. Reports through the active job only; the caller
  // arms the progress timer.
  virtual void StartFirmwareUpdate();
  // The DFU path alone, without the archive and without location tags.
  virtual void StartDfuUpdate();
  // A write of the settings archive still runs (one the job waits for, or a dropped one).
  bool IsWritingArchive() const { return m_archiveWrites.IsRunning(); }
  // The attached device is the recognised one; false after the failure is in the active job.
  bool CheckSameDevice(bool tagged);
  // The job's image carries the tag of the device or of a model it accepts.
  bool IsDfuFileForDevice();

  // The device needs seconds (for some products minutes) between the steps of an update's start.
  // Each such wait is a one-shot timer of the page, so the window keeps painting and answering;
  // `step` then runs on the UI thread. One step waits at a time (for a timer or for the settings
  // archive); the end of the job, a new start, entering the page and its destruction drop it.
  void ContinueAfter(unsigned ms, std::function<void()> step);
  void CancelPendingStep();
  // The archive of the device's settings, written atomically into the IMG folder on a worker of
  // the page (a failure keeps the previous one); `then` runs as the job's waiting step, handed
  // whether it was written.
  void WriteSettingsArchive(std::function<void(bool written)> then);

  // --- The DFU engine driver -------------------------------------------------------------------
  // Waits for the device to settle, then lists, binds and reconfigures (after the wait: the caller
  // has already moved the job on).
  void StartDfuReconfigure();
  void OnDfuNotice(int value, const dfu::DFUEngine::Status& status) override;
  void OnDfuProgress(int value, const dfu::DFUEngine::Status& status) override;
  void OnDfuComplete(int value, const dfu::DFUEngine::Status& status) override;
  // Handles the oldest queued record (one per posted WM_DFU_CALLBACK).
  void OnDfuCallback();
  void ContinueDfuAfterStep(const dfu::DFUEngine::Status& status);
  intptr_t OnMessage(unsigned msg, uintptr_t wParam, intptr_t lParam) override;

  // --- Progress and the end of a job ----------------------------------------------------------
  // The device runs its application again after the transfer.
  virtual bool IsDeviceBackAfterUpdate();

  // --- Transfer threads -----------------------------------------------------------------------
  // Starts `body` on the page's transfer thread (false while one still runs). The body reports
  // only through the job it is given and the flags of the main window; the progress timer ends
  // the job. The page joins the thread when it is destroyed.
  bool StartTransferThread(io::Worker::Body body);
  bool IsTransferThreadRunning() const { return m_transferThread.IsRunning(); }
  // Stops the transfer thread, waits for it and closes the interfaces it used. The owner of the
  // restore page's job calls it before that job goes.
  void EndTransferThread();

  // Driver state (UI thread only).
  int m_nActiveEngine = 0;
  bool m_bEngine1Created = false;
  bool m_bEngine2Created = false;
  int m_nProgressCallbacks = 0;
  bool m_bStepStarted = false;
  bool m_bDeviceBackTimer = false;
  int m_nRestartWaitTicks = 0;
  bool m_bTransferDone = false;
  int m_nTickSkips = 0;
  // The window's busy state from the start of a job (ACTION, a confirmed DFU start, the restore's
  // image) until EndJob.
  pages::BusyHold m_jobBusy;

 protected:
  // Starts the thread routine of a HID route on the device that has passed its presence and
  // version checks; the thread owns the main window's open interfaces until it is joined.
  virtual void StartTransferForRoute(device::UpdateRoute route);

 private:
  // The common start of an update; `dfuOnly` takes the DFU path alone.
  void StartUpdate(bool dfuOnly);
  void OnFirmwareListTimer();
  void OnFirmwareList(const pages::FetchResult& list, pages::BusyHold& busy);
  void TakeFirmwareList(const FirmwareListEntry& entry);
  void OfferNewerFirmware();
  void OnFirmwareDownloadTimer();
  void OnFirmwareDownloaded(int result, pages::BusyHold& busy);
  void OnProgressTimer();
  void EstimateProgress(CFirmwareJob& job);
  void EndJob(CFirmwareJob& job);
  void OnDeviceBackTimer();
  void OnUpdateStepTimer();
  // One listing of the DFU devices (`poll` counts them from 1), then the engines are bound.
  void ListDfuDevices(int poll);
  void RestartTimedOut(CFirmwareJob& job);
  void FinishSuccess(CFirmwareJob& job);
  // Whatever the product's end needs after the device came back; false with the failure written.
  bool MoveCameraFirmware(CFirmwareJob& job);
  void DestroyEngines();
  // The two DFU paths after the dispatch; `tagged` adds the location tags.
  void RunDfuPath(bool tagged, bool mayArchive);
  // The writes the device still owes, then the DFU steps; every check has passed.
  void ChangeDeviceThenReconfigure();
  void OnArchiveWritten(intptr_t run);
  // The job's step that waits for a timer or for the settings archive.
  bool IsStepPending() const { return m_pendingStep || m_archiveStep; }
  // Only the job that waits for this confirmation may be holding the window.
  bool MayStartConfirmedDfu() const;
  bool SplitCameraImage(CFirmwareJob& job);
  // The HID checks of the dispatch; each false has written the failure.
  bool CheckHidPresence(device::UpdateRoute route);
  bool CheckHidVersions(device::UpdateRoute route);
  // The device restarts into the mode its transfer needs and, after a wait, is opened again there
  // and handed to its transfer.
  void EnterHidUpdateMode(device::UpdateRoute route);
  // Into the boot loader over HID, then the DFU path once the device had time to start it.
  void PrepareBootLoaderThenDfu();
  void OnTransferEvent(uintptr_t event, intptr_t value);
  // Writes the failure "%s. %s<tag>" into every message of the active job and ends it.
  void FailJob(const text::LocalizedText& reasons, const std::string& tag, int error = 1);
  void FailJob(std::string (*reason)(int), const std::string& tag = {}, int error = 1);
  void ArmDeviceBackTimer();
  void OpenPrompt(CFirmwareJob& job, const std::string& text, fw::Size size, bool withOk);
  void OpenHoldPrompt(CFirmwareJob& job, bool twoButtons);
  void ClosePopup(CFirmwareJob& job);
  void HandleDfuProgress(int value, const dfu::DFUEngine::Status& status);
  void HandleDfuComplete(int value, const dfu::DFUEngine::Status& status);
  // What both file dialogs start from: the main window's folder and language.
  fw::FileDialogRequest NewFileDialogRequest() const;
  // The path field shows `path` with the caret after its end.
  void ShowImagePath(const std::string& path);

  // Writes still owed to the device once every check before the transfer has passed.
  bool m_bReidentifyPending = false;
  bool m_bDfuOnlyStart = false;  // inside StartDfuUpdate
  std::function<void()> m_pendingStep;  // run by TIMER_UPDATE_STEP
  std::function<void(bool written)> m_archiveStep;  // run by the archive write's word
  DfuCallbackQueue m_callbacks;
  dfu::DFUEngine m_dfuEngine1;
  dfu::DFUEngine m_dfuEngine2;
  // The vendor interfaces a transfer thread talks through, closed once it is joined.
  std::unique_ptr<platform::HidDevice> m_transferFirst;
  std::unique_ptr<platform::HidDevice> m_transferSecond;
  // The settings archive's writes; a dropped one goes on to its end, but its word runs nothing.
  io::NumberedWorker<bool> m_archiveWrites{[this](intptr_t run) { PostMessage(WM_ARCHIVE_WRITTEN, 0, run); }};
  // Last: joined before anything it uses goes.
  io::Worker m_transferThread;
};

}  // namespace firmware
