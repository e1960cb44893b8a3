#include "firmware/restore/DialogFirmwareRestore.h"

#include "app/UpdaterDlg.h"
#include "framework/ComboBox.h"
#include "localization/MainWindowTexts.h"
#include "resources/PageTemplates.h"

namespace firmware {

namespace {
constexpr unsigned kLookupDelayMs = 500;
}

CDialogFirmwareRestore::CDialogFirmwareRestore() : CWizardPage(res::FirmwareRestoreTemplate()) {}

CDialogFirmwareRestore::~CDialogFirmwareRestore() = default;

void CDialogFirmwareRestore::ResetRestorePage(bool showStatus) {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  m_nArchivePageCount = 0;
  m_anArchivePages.fill(0);
  m_nArchivePageSel = 0;
  m_bShowStatus = showStatus;
  main->m_nProgress = -1;
  m_job.Reset(4);
  m_job.m_bFound = 1;
  if (auto* voice = Control<fw::ComboBox>(IDC_RESTORE_VOICE_PROMPT)) voice->ResetContent();
  main->m_bBusy = true;
  main->RefreshControls();
  Invalidate();
  SetTimer(TIMER_RESTORE_LOOKUP, kLookupDelayMs);
}

void CDialogFirmwareRestore::FillArchiveSummary() {
  // The archive summary comes with the restore page's work.
}

void CDialogFirmwareRestore::RefreshRestorePage() {
  // Captions come with the restore page's work.
}

void CDialogFirmwareRestore::StartRestore() {
  // The restore comes with the restore page's work.
}

void CDialogFirmwareRestore::OnTimer(unsigned id) {
  if (id != TIMER_RESTORE_LOOKUP) return;
  KillTimer(id);
  // Reading the archive and the server's revisions comes with the restore page's work; until
  // then the lookup finds nothing.
  m_job.m_bFound = 0;
  if (app::CUpdaterDlg* main = MainWindow()) {
    main->m_bBusy = false;
    main->RefreshControls();
  }
  RefreshRestorePage();
}

// RESTORE and the archived device's tabs once the archived version was found on the server.
pages::PageFrame CDialogFirmwareRestore::DescribeFrame(int language) const {
  const bool found = m_job.m_bFound != 0;
  return {text::GetRestoreActionText(language), found, found};
}

}  // namespace firmware
