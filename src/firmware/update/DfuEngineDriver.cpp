// The DFU library's driver: binds the engines to the device, starts each step, and turns the
// library's reports (queued from its thread, handled one per message on the UI thread) into the
// job's state, the hold-button prompts and the device-back poll.
#include <algorithm>
#include <cctype>

#include "app/UpdaterDlg.h"
#include "controls/DialogMessageBox.h"
#include "device/FirmwareUpdateSets.h"
#include "device/UsbIdentities.h"
#include "firmware/update/DialogFirmwareUpdate.h"
#include "firmware/update/FirmwareOkHook.h"
#include "headset/bluecore/DfuPathWalk.h"
#include "headset/bluecore/FamilyDeviceWalk.h"
#include "localization/FirmwareTexts.h"
#include "localization/MainWindowTexts.h"
#include "localization/SafeFormat.h"
#include "localization/SharedTexts.h"
#include "platform/dfu/DFUTransport.h"

namespace firmware {

namespace {

constexpr uint32_t kBeforeReconfigureMs = 3000;
constexpr int kDeviceListPolls = 600;
constexpr uint32_t kDeviceListPollMs = 1000;
constexpr unsigned kDeviceBackPeriodMs = 500;
// Reports of a device still being waited for before the hold-button prompt opens again.
constexpr int kWaitReportsBeforePrompt = 20;
constexpr fw::Size kHoldPromptSize = {400, 110};

}  // namespace

void CDialogFirmwareUpdate::StartDfuReconfigure() {
  if (!MainWindow()) return;
  ContinueAfter(kBeforeReconfigureMs, [this] { ListDfuDevices(1); });
}

void CDialogFirmwareUpdate::ListDfuDevices(int poll) {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  CFirmwareJob& job = ActiveJob();
  const int target = main->m_nDeviceTarget;
  const bool polled = device::IsPolledDfuProduct(target);

  dfu::CStringListX names;
  const int listed = dfu::DFUEngine::GetUSBDeviceNames(names);
  if (polled && listed != 1 && poll < kDeviceListPolls) {
    return ContinueAfter(kDeviceListPollMs, [this, poll] { ListDfuDevices(poll + 1); });
  }
  if (listed == 0) return FailJob(text::GetCannotGetDeviceText, polled ? "[8][0]" : "[8][2]");

  int matches = 0;
  for (dfu::CStringListX::POSITION at = names.GetHeadPosition(); at != 0;) {
    const dfu::CStringX& name = names.GetNext(at);
    std::string path = dfu::DFUTransportUSB::PathInternal(name);
    std::transform(path.begin(), path.end(), path.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const headset::bluecore::UsbIds ids = headset::bluecore::ParseDevicePathIds(path);
    if (!headset::bluecore::IsFamilyDeviceIds(ids.vendorId, ids.productId)) continue;
    ++matches;
    dfu::DFUEngine& engine = matches == 1 ? m_dfuEngine1 : m_dfuEngine2;
    engine.CreateUSB(name);
    (matches == 1 ? m_bEngine1Created : m_bEngine2Created) = true;
    engine.SetCallback(this);
  }
  const int required = target == device::kTwoDeviceProduct ? 2 : 1;
  if (matches != required) {
    return FailJob(text::GetUsbMismatchText, text::Format("(%d)", matches));
  }
  if (!m_dfuEngine1.StartReconfigure(false, true, job.m_strImagePath)) {
    return FailJob(text::GetCannotGetDeviceText, polled ? "[8][1]" : "[8][3]");
  }
  m_nActiveEngine = 1;
}

// --- The library's thread ------------------------------------------------------------------------

void CDialogFirmwareUpdate::OnDfuNotice(int value, const dfu::DFUEngine::Status& status) {
  if (m_callbacks.Push(CCallbackData(CCallbackData::CALLBACK_NOTICE, value, status))) PostMessage(WM_DFU_CALLBACK);
}

void CDialogFirmwareUpdate::OnDfuProgress(int value, const dfu::DFUEngine::Status& status) {
  if (m_callbacks.Push(CCallbackData(CCallbackData::CALLBACK_PROGRESS, value, status))) PostMessage(WM_DFU_CALLBACK);
}

void CDialogFirmwareUpdate::OnDfuComplete(int value, const dfu::DFUEngine::Status& status) {
  if (m_callbacks.Push(CCallbackData(CCallbackData::CALLBACK_COMPLETE, value, status))) PostMessage(WM_DFU_CALLBACK);
}

// --- The UI thread -------------------------------------------------------------------------------

intptr_t CDialogFirmwareUpdate::OnMessage(unsigned msg, uintptr_t wParam, intptr_t lParam) {
  if (msg == WM_DFU_CALLBACK) {
    OnDfuCallback();
    return 0;
  }
  if (msg == WM_START_CONFIRMED_DFU) {
    if (MayStartConfirmedDfu()) StartUpdate(true);
    return 0;
  }
  if (msg == WM_TRANSFER_EVENT) {
    OnTransferEvent(wParam, lParam);
    return 0;
  }
  if (msg == WM_ARCHIVE_WRITTEN) {
    OnArchiveWritten(lParam);
    return 0;
  }
  return CWizardPage::OnMessage(msg, wParam, lParam);
}

void CDialogFirmwareUpdate::OnDfuCallback() {
  const std::optional<CCallbackData> record = m_callbacks.Pop();
  // A report that outlived its job (or came before an engine ran) has nothing left to act on.
  if (!record || m_nActiveEngine == 0 || ActiveJob().m_nState == JOB_IDLE) return;
  if (record->m_nKind == CCallbackData::CALLBACK_COMPLETE) {
    HandleDfuComplete(record->m_nValue, record->m_status);
  } else {
    HandleDfuProgress(record->m_nValue, record->m_status);
  }
}

void CDialogFirmwareUpdate::HandleDfuProgress(int, const dfu::DFUEngine::Status& status) {
  app::CUpdaterDlg* main = MainWindow();
  CFirmwareJob& job = ActiveJob();
  const int target = main->m_nDeviceTarget;
  const bool prompts = !device::IsPromptExcluded(target);
  switch (status.activity) {
    case dfu::kActivityWaitingForDevice:
      job.m_nState = JOB_TRANSFERRING;
      if (main->m_nUsbStatus > 0 && !device::IsDfuMode(main->m_nUsbStatus) && !job.m_pPopup) {
        if (prompts) OpenHoldPrompt(job, false);
      } else if (m_nProgressCallbacks >= 0) {
        m_bStepStarted = false;
        if (++m_nProgressCallbacks > kWaitReportsBeforePrompt && prompts) {
          m_nProgressCallbacks = 0;
          if (!job.m_pPopup) OpenHoldPrompt(job, false);
        }
      }
      job.m_anTicks[1] = 0;
      job.m_anTicks[0] = 0;
      break;
    case dfu::kActivityDeviceFound:
      if (target != device::kTwoDeviceProduct) ClosePopup(job);
      break;
    case dfu::kActivityImageTransferred:
      m_bTransferDone = true;
      job.m_nState = JOB_WAITING_RESTART;
      m_nRestartWaitTicks = 0;
      if (prompts && !job.m_pPopup) OpenHoldPrompt(job, true);
      job.m_anTicks[1] = 0;
      job.m_anTicks[0] = 0;
      break;
    case dfu::kActivityResetIssued:
      ArmDeviceBackTimer();
      break;
    default:
      break;
  }
}

void CDialogFirmwareUpdate::HandleDfuComplete(int, const dfu::DFUEngine::Status& status) {
  if (status.result) {
    ContinueDfuAfterStep(status);
    return;
  }
  app::CUpdaterDlg* main = MainWindow();
  CFirmwareJob& job = ActiveJob();
  const dfu::DfuResultCode code = status.result.GetCode();
  const bool deviceUnreachable = code == dfu::kResultDeviceLost || code == dfu::kResultNoDevice;
  // The one failure another device may still mend: the first engine could not reach its device.
  // The second engine is asked even when nothing was bound to it; its refusal then says that the
  // device cannot be reached.
  if (status.operation == dfu::kOperationReconfigureAlternative && deviceUnreachable &&
      main->m_nDeviceTarget != device::kTwoDeviceProduct && m_nActiveEngine == 1) {
    if (!m_dfuEngine2.StartReconfigure(false, true, job.m_strImagePath)) {
      return FailJob(text::GetCannotGetDeviceText);
    }
    m_nActiveEngine = 2;
    job.m_nError = JOB_ERROR_NONE;
    m_nProgressCallbacks = 0;
    m_bStepStarted = true;
    for (auto& tick : job.m_anTicks) tick = 0;
    job.m_nPercent = 50;
    job.m_nState = JOB_RECONFIGURING;
    return;
  }
  // Any other failed step ends the job now: no timer would end a job left reconfiguring or
  // transferring.
  FailJob(text::GetCannotUpdateFirmwareText);
}

void CDialogFirmwareUpdate::ContinueDfuAfterStep(const dfu::DFUEngine::Status& status) {
  CFirmwareJob& job = ActiveJob();
  m_nProgressCallbacks = 0;
  m_bStepStarted = true;
  dfu::DFUEngine& engine = m_nActiveEngine == 2 ? m_dfuEngine2 : m_dfuEngine1;
  bool started = true;
  switch (status.operation) {
    case dfu::kOperationReconfigure:
      ClosePopup(job);
      started = engine.StartDownload(job.m_strImagePath);
      break;
    case dfu::kOperationReconfigureAlternative:
      started = engine.StartDownload(job.m_strImagePath);
      break;
    case dfu::kOperationDownload:
      started = engine.StartManifest();
      break;
    default:
      if (m_bTransferDone) ArmDeviceBackTimer();
      break;
  }
  if (!started) FailJob(text::GetCannotUpdateFirmwareText);
}

void CDialogFirmwareUpdate::ArmDeviceBackTimer() {
  if (m_bDeviceBackTimer) return;
  SetTimer(TIMER_DEVICE_BACK, kDeviceBackPeriodMs);
  m_bDeviceBackTimer = true;
}

// --- Pop-ups -------------------------------------------------------------------------------------

void CDialogFirmwareUpdate::OpenPrompt(CFirmwareJob& job, const std::string& message, fw::Size size, bool withOk) {
  app::CUpdaterDlg* main = MainWindow();
  auto popup = std::make_unique<controls::CDialogMessageBox>(main);
  popup->Setup(message, true, std::nullopt,
               withOk ? controls::CDialogMessageBox::Caption(text::GetOkText(main->m_nLanguage)) : std::nullopt,
               size);
  if (withOk) popup->SetOkHook(FirmwareOkHook(*main));
  if (!popup->Create()) return;
  const fw::Rect frame = main->GetWindowRect();
  popup->MoveWindow(frame.left + (frame.Width() - size.cx) / 2, frame.top + (frame.Height() - size.cy) / 2,
                    size.cx, size.cy);
  popup->ShowWindow(true);
  job.m_pPopup = std::move(popup);
}

void CDialogFirmwareUpdate::OpenHoldPrompt(CFirmwareJob& job, bool twoButtons) {
  app::CUpdaterDlg* main = MainWindow();
  const int target = main->m_nDeviceTarget;
  const int language = main->m_nLanguage;
  OpenPrompt(job, twoButtons ? text::GetPressAndHoldTwoText(target, language) : text::GetPressAndHoldText(target, language),
             kHoldPromptSize, false);
}

void CDialogFirmwareUpdate::ClosePopup(CFirmwareJob& job) { job.ClosePopup(); }

}  // namespace firmware
