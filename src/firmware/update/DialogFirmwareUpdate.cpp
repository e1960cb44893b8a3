#include "firmware/update/DialogFirmwareUpdate.h"

#include "app/UpdaterDlg.h"
#include "framework/ComboBox.h"
#include "framework/Edit.h"
#include "io/ExternalTool.h"
#include "resources/PageTemplates.h"

namespace firmware {

bool g_bOfferNewerFirmware = true;

namespace {
constexpr unsigned kFirmwareListDelayMs = 500;
constexpr unsigned kProgressPeriodMs = 1000;
}  // namespace

CDialogFirmwareUpdate::CDialogFirmwareUpdate() : CWizardPage(res::FirmwareUpdateTemplate()) {}

CDialogFirmwareUpdate::~CDialogFirmwareUpdate() = default;

std::string CDialogFirmwareUpdate::RunExternalTool(const std::string& commandLine) {
  m_strToolOutput = io::RunExternalTool(commandLine);
  return m_strToolOutput;
}

void CDialogFirmwareUpdate::ResetUpdatePage() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  main->m_nProgress = -1;
  m_job.Reset(3);
  if (auto* path = Control<fw::Edit>(IDC_FIRMWARE_IMAGE_PATH)) path->SetWindowText("");
  if (auto* voice = Control<fw::ComboBox>(IDC_FIRMWARE_VOICE_PROMPT)) voice->ResetContent();
  main->m_bBusy = true;
  main->RefreshControls();
  RefreshUpdatePage();
  SetTimer(TIMER_FIRMWARE_LIST, kFirmwareListDelayMs);
}

void CDialogFirmwareUpdate::RefreshUpdatePage() {
  // Captions and states come with the update page's work.
}

void CDialogFirmwareUpdate::StartUpdateFromMain() { StartUpdate(false); }

void CDialogFirmwareUpdate::StartDfuUpdateConfirmed() { StartUpdate(true); }

void CDialogFirmwareUpdate::StartUpdate(bool /*dfuOnly*/) {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  KillTimer(TIMER_DEVICE_BACK);
  m_job.m_nState = JOB_REQUESTED;
  for (std::string& message : m_job.m_astrMessages) message.clear();
  main->m_bBusy = true;
  main->RefreshControls();
  RefreshUpdatePage();
  if (auto* path = Control<fw::Edit>(IDC_FIRMWARE_IMAGE_PATH)) m_job.m_strImagePath = path->GetWindowText();
  // The transfer itself comes with the firmware update's work; the progress timer then ends the
  // job it started. Until then the timer ends the busy state at its first tick.
  SetTimer(TIMER_UPDATE_PROGRESS, kProgressPeriodMs);
}

void CDialogFirmwareUpdate::OnTimer(unsigned id) {
  if (id == TIMER_FIRMWARE_LIST || id == TIMER_UPDATE_PROGRESS) {
    KillTimer(id);
    EndBusy();
  }
}

void CDialogFirmwareUpdate::EndBusy() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  main->m_bBusy = false;
  main->RefreshControls();
  RefreshUpdatePage();
}

}  // namespace firmware
