#pragma once
// Page 4: restores the firmware and settings the device had before its last update. On entry it
// reads the settings archive that the update wrote for the model, looks the archived version up
// in the server's "Revisions" list and shows what the archive holds.
#include <array>
#include <cstdint>
#include <string>

#include "controls/grid/ConfigListCtrl.h"
#include "device/DeviceSettings.h"
#include "firmware/update/FirmwareJob.h"
#include "framework/ComboBox.h"
#include "framework/Static.h"
#include "pages/WizardPage.h"

namespace firmware {

struct RevisionsMatch;

enum : int {
  IDC_RESTORE_TITLE = 1012,
  IDC_RESTORE_VERSION_LABEL = 1013,
  IDC_RESTORE_VERSION = 1014,
  IDC_RESTORE_DATE_LABEL = 1015,
  IDC_RESTORE_DATE = 1016,
  IDC_RESTORE_FIRST_PAIR = 1017,  // label, value, label, value ... up to 1028
  IDC_RESTORE_VOICE_PROMPT = 1034,
  IDC_RESTORE_VOICE_PROMPT_LABEL = 1167,
  IDC_RESTORE_ARCHIVED_SETTINGS = 1202,
};
enum : unsigned { TIMER_RESTORE_LOOKUP = 202 };

// The server's list of earlier firmware images.
inline constexpr const char* kRevisionsListName = "Revisions";

class CDialogFirmwareRestore : public pages::CWizardPage {
 public:
  static constexpr int kPairCount = 6;
  static constexpr fw::Colour kTitleColour = fw::RGB(56, 117, 215);

  CDialogFirmwareRestore();
  ~CDialogFirmwareRestore() override;
  pages::PageFrame DescribeFrame(int language) const override;

  int m_nSettingsPageCount = 0;            // 0 to 3
  std::array<int, 3> m_anSettingsPages{};  // settings-page kinds of the archived device
  int m_nSettingsPageSel = 0;              // the kind whose archived values are shown
  bool m_bArchiveChecked = false;          // looked for since page entry; until then nothing shows
  bool m_bShowStatus = false;              // a found archive ends with the RESTORE prompt
  CFirmwareJob m_job;
  device::CDeviceSettings m_archivedSettings;

  fw::Static m_staticTitle;             // 1012
  fw::Static m_staticVersionLabel;      // 1013
  fw::Static m_staticVersion;           // 1014
  fw::ComboBox m_comboVoicePrompt;      // 1034
  fw::Static m_staticVoicePromptLabel;  // 1167
  fw::Static m_staticDateLabel;         // 1015
  fw::Static m_staticDate;              // 1016
  std::array<fw::Static, kPairCount> m_astaticPairLabel;  // 1017, 1019 ... 1027
  std::array<fw::Static, kPairCount> m_astaticPairValue;  // 1018, 1020 ... 1028
  controls::CConfigListCtrl m_listArchivedSettings;       // 1202

  // Page entry: busy, and nothing of the archive shown, until the lookup has run.
  virtual void ResetRestorePage(bool showStatus);
  // Shows what the archive holds for the settings-page kind on show.
  virtual void RefreshRestorePage();
  // The title, version, date and pair texts.
  virtual void FillArchiveSummary();
  // The read-only list of every archived setting (products with a settings grid).
  virtual void FillArchivedSettingsList();
  // ACTION on page 4: downloads the chosen image on the page's own worker.
  virtual void StartRestore();
  // Where the archived image of `target` is downloaded to; empty when no folder is known.
  static std::string RestoreImagePath(int target);
  // Reads the model's archive into m_archivedSettings: 1 it may be restored, 0 otherwise.
  int ReadSettingsArchive();

  std::string GetTitleText() const;
  void ShowArchivedSpeedDials();

  bool OnInitDialog() override;
  void OnTimer(unsigned id) override;
  fw::Brush OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) override;

 private:
  // The lookup's steps: the archive, then the "Revisions" list once it has come, then the page.
  void LookUpArchivedFirmware();
  void TakeRevisionsList(const pages::FetchResult& list);
  void TakeRevisions(const RevisionsMatch& match);
  void FinishLookup();
  void ShowLookupFailure(std::string (*reason)(int));
  // The image download has ended: the image goes to the update's dispatcher, or the failure shows.
  void OnRestoreImageDownloaded(int received, const std::string& path, pages::BusyHold& busy);
  void ResetPages();
  void HideArchiveControls();
  void ShowSummaryPairs(bool show);
  void ShowSettingsList();
  void SetListColumnWidths();
  void ShowVisibleRows();
  void FillFmView();
  int Language() const;
  int Target() const;
};

}  // namespace firmware
