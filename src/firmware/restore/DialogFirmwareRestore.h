#pragma once
// Page 4: restores the firmware and settings the device had before its last update.
#include <array>

#include "firmware/update/FirmwareJob.h"
#include "pages/WizardPage.h"

namespace firmware {

enum : int { IDC_RESTORE_VOICE_PROMPT = 1034 };
enum : unsigned { TIMER_RESTORE_LOOKUP = 202 };

class CDialogFirmwareRestore : public pages::CWizardPage {
 public:
  CDialogFirmwareRestore();
  ~CDialogFirmwareRestore() override;
  pages::PageFrame DescribeFrame(int language) const override;

  int m_nArchivePageCount = 0;               // 0 to 3
  std::array<int, 3> m_anArchivePages{};     // settings-page kinds of the archived device
  int m_nArchivePageSel = 0;                 // the kind whose archived values are listed
  CFirmwareJob m_job;
  bool m_bShowStatus = false;

  // Page entry: busy until the settings archive and the server's revisions have been read.
  virtual void ResetRestorePage(bool showStatus);
  virtual void FillArchiveSummary();
  virtual void RefreshRestorePage();
  // ACTION on page 4.
  virtual void StartRestore();

  void OnTimer(unsigned id) override;
};

}  // namespace firmware
