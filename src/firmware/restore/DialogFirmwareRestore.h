#pragma once
// Page 4: restores the firmware and settings the device had before its last update. On entry it
// reads the settings archive that the update wrote for the model, looks the archived version up
// in the server's "Revisions" list and shows what the archive holds.
#include <array>
#include <cstdint>
#include <stop_token>
#include <string>

#include "controls/grid/ConfigListCtrl.h"
#include "device/DeviceSettings.h"
#include "firmware/update/FirmwareJob.h"
#include "framework/ComboBox.h"
#include "framework/Static.h"
#include "io/Worker.h"
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

// Posted by the image download when it has ended. wParam is its result, lParam the number of the
// download it ends (a message of an earlier one is not acted on).
inline constexpr unsigned WM_RESTORE_DOWNLOAD_DONE = 0x0400 + 1000;
enum : uintptr_t {
  RESTORE_IMAGE_DOWNLOADED = 0,  // at least one byte, in place at the image path
  RESTORE_FILE_NOT_CREATED = 1,  // the local file could not be made (or no folder is known)
  RESTORE_NOT_DOWNLOADED = 2,    // no server, no file there, nothing received, or cancelled
};

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
  // ACTION on page 4: downloads the chosen image on the page's own thread.
  virtual void StartRestore();
  // The download has ended: the image goes to the update's dispatcher, or the failure shows.
  intptr_t OnRestoreDownloadDone(uintptr_t wParam, intptr_t lParam);
  bool IsDownloadRunning() const { return m_downloadThread.IsRunning(); }
  // Where the archived image of `target` is downloaded to; empty when no folder is known.
  static std::string RestoreImagePath(int target);
  // Reads the model's archive into m_archivedSettings: 1 it may be restored, 0 otherwise.
  int ReadSettingsArchive();

  std::string GetTitleText() const;
  void ShowArchivedSpeedDials();

  bool OnInitDialog() override;
  void OnTimer(unsigned id) override;
  intptr_t OnMessage(unsigned msg, uintptr_t wParam, intptr_t lParam) override;
  fw::Brush OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) override;

 private:
  void LookUpArchivedFirmware();
  void TakeRevisions(const RevisionsMatch& match);
  void ResetPages();
  void HideArchiveControls();
  void ShowSummaryPairs(bool show);
  void ShowSettingsList();
  void SetListColumnWidths();
  void ShowVisibleRows();
  void FillFmView();
  int Language() const;
  int Target() const;
  // The body of the download thread: touches nothing of the page but the job's state and the
  // message it posts.
  void DownloadRestoreImageThread(const std::string& url, const std::string& path, intptr_t run,
                                  std::stop_token stop);

  // UI thread only: the file the latest download writes, and its number.
  std::string m_strDownloadPath;
  intptr_t m_nDownloadRun = 0;
  // Last: joined (its transfer cancelled) before anything it uses goes.
  io::Worker m_downloadThread;
};

}  // namespace firmware
