#include "firmware/restore/DialogFirmwareRestore.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <initializer_list>

#include "app/UpdaterDlg.h"
#include "device/FirmwareVersionForms.h"
#include "device/ModelNames.h"
#include "device/RadioServices.h"
#include "device/RestoreSummaryTables.h"
#include "device/SettingsPages.h"
#include "firmware/formats/RevisionsList.h"
#include "firmware/formats/SettingsArchive.h"
#include "firmware/update/DialogFirmwareUpdate.h"
#include "framework/Font.h"
#include "io/AtomicFile.h"
#include "io/Blanks.h"
#include "io/Download.h"
#include "localization/FirmwareTexts.h"
#include "localization/LanguageNames.h"
#include "localization/MainWindowTexts.h"
#include "localization/PageNumbers.h"
#include "localization/RestoreTexts.h"
#include "localization/SafeFormat.h"
#include "localization/ServerFailureTexts.h"
#include "localization/SettingVocabulary.h"
#include "localization/SharedTexts.h"
#include "localization/StatusTexts.h"
#include "platform/Paths.h"
#include "resources/PageTemplates.h"
#include "settings/archived/ArchivedSettingsList.h"

namespace firmware {

namespace {

constexpr unsigned kLookupDelayMs = 500;
constexpr const char* kRestoreImageExtension = "img";
constexpr size_t kArchiveMaxBytes = 1u << 20;
constexpr int kDateTextMax = 127;
// The list's columns: label, ":" and value.
constexpr std::array<int, 3> kListColumnWidths = {322, 11, 177};
// FM view: odd presets stand in the left column, indented by this many blanks.
constexpr int kFmLeftColumnIndent = 25;

// The archive time in local time with the language's pattern; empty when it cannot be written.
std::string FormatArchiveTime(int64_t archived, int language) {
  const std::time_t time = static_cast<std::time_t>(archived);
  std::tm local{};
  if (localtime_r(&time, &local) == nullptr) return {};
  char buffer[kDateTextMax + 1] = {};
  const std::string pattern = text::GetDateTimeFormatText(language);
  if (std::strftime(buffer, sizeof buffer, pattern.c_str(), &local) == 0) return {};
  return std::string(io::Trim(buffer));
}

std::string OnOff(bool on, int language) {
  return on ? text::GetEnabledText(language) : text::GetDisabledText(language);
}

// "  87.5 MHz": frequencies below 100 MHz are padded to the width of the others.
std::string PresetFrequencyText(int tenKiloHertz) {
  char buffer[32] = {};
  std::snprintf(buffer, sizeof buffer, "%s%0.1f MHz", tenKiloHertz < 10000 ? "  " : "", tenKiloHertz / 100.0);
  return buffer;
}

struct PairText {
  std::string label;
  std::string value;
};

PairText DescribePair(device::SummaryPair pair, const device::CDeviceSettings& s, int lang) {
  using P = device::SummaryPair;
  const auto label = [lang](const text::VocabularyRow& row) {
    return text::Format("%s:", text::VocabularyText(row, lang));
  };
  switch (pair) {
    case P::kVoxPhone: return {label(text::g_strVoxPhone), OnOff(s.m_bHandsfreeVox, lang)};
    case P::kVoxIntercom: return {label(text::g_strVoxIntercom), OnOff(s.m_bIntercomVox, lang)};
    // The flag means "EDR off" on every firmware band, as recognition and the settings panel read it.
    case P::kEdr: return {label(text::g_strEnhancedDataRate), OnOff(!s.m_bEdrOff, lang)};
    case P::kPlc: return {label(text::g_strPacketLossConcealment), OnOff(s.m_bPlc, lang)};
    case P::kHighQualityA2dp: return {label(text::g_strHighQualityA2dp), OnOff(s.m_bBitpoolRate, lang)};
    case P::kMicrophoneBoost: return {label(text::g_strMicrophoneBoosting), OnOff(s.m_bMicrophoneBoost, lang)};
    case P::kSidetone: return {label(text::g_strSidetone), OnOff(s.m_bSidetone, lang)};
    // Only 1 reads as switched off; any other number an archive holds reads as on.
    case P::kNoiseControl: return {label(text::g_strAmbientNoise), OnOff(s.m_bNoiseControlOff != 1, lang)};
    case P::kAutoGainControl: return {label(text::g_strAutoGainControl), OnOff(s.m_bAutoGainControlOff != 1, lang)};
    case P::kRadioTransmitGain:
      return {label(text::g_strRadioTransmitGain),
              text::VocabularyItem(text::g_strLowMediumHigh, lang, device::TransmitGainToIndex(s.m_nRadioTransmitGain))};
    case P::kAudioChannelTimeout:
      return {text::Format("%s :", text::VocabularyText(text::g_strAudioChannelTimeout, lang)),
              text::Format("%d %s", s.m_nAudioChannelTimeout, text::GetSecondsText(lang))};
  }
  return {};
}

}  // namespace

CDialogFirmwareRestore::CDialogFirmwareRestore() : CWizardPage(res::FirmwareRestoreTemplate()) {
  BindControl(IDC_RESTORE_TITLE, m_staticTitle);
  BindControl(IDC_RESTORE_VERSION_LABEL, m_staticVersionLabel);
  BindControl(IDC_RESTORE_VERSION, m_staticVersion);
  BindControl(IDC_RESTORE_VOICE_PROMPT, m_comboVoicePrompt);
  BindControl(IDC_RESTORE_VOICE_PROMPT_LABEL, m_staticVoicePromptLabel);
  BindControl(IDC_RESTORE_DATE_LABEL, m_staticDateLabel);
  BindControl(IDC_RESTORE_DATE, m_staticDate);
  for (int i = 0; i < kPairCount; ++i) {
    BindControl(IDC_RESTORE_FIRST_PAIR + 2 * i, m_astaticPairLabel[size_t(i)]);
    BindControl(IDC_RESTORE_FIRST_PAIR + 2 * i + 1, m_astaticPairValue[size_t(i)]);
  }
  BindControl(IDC_RESTORE_ARCHIVED_SETTINGS, m_listArchivedSettings);
}

CDialogFirmwareRestore::~CDialogFirmwareRestore() = default;

int CDialogFirmwareRestore::Language() const {
  const app::CUpdaterDlg* main = MainWindow();
  return main ? main->m_nLanguage : 0;
}

int CDialogFirmwareRestore::Target() const {
  const app::CUpdaterDlg* main = MainWindow();
  return main ? main->m_nDeviceTarget : 0;
}

bool CDialogFirmwareRestore::OnInitDialog() {
  CWizardPage::OnInitDialog();
  const fw::Font bold = GetFont().WithWeight(fw::FW_BOLD);
  for (fw::Window* control :
       std::initializer_list<fw::Window*>{&m_staticTitle, &m_staticVersionLabel, &m_staticVersion,
                                          &m_comboVoicePrompt, &m_staticVoicePromptLabel, &m_staticDateLabel,
                                          &m_staticDate, &m_listArchivedSettings}) {
    control->SetFont(bold, true);
  }
  for (int i = 0; i < kPairCount; ++i) {
    m_astaticPairLabel[size_t(i)].SetFont(bold, true);
    m_astaticPairValue[size_t(i)].SetFont(bold, true);
  }
  m_bArchiveChecked = false;
  for (int column = 0; column < int(kListColumnWidths.size()); ++column) {
    m_listArchivedSettings.InsertColumn(column, "", fw::LVCFMT_LEFT, kListColumnWidths[size_t(column)]);
  }
  SetListColumnWidths();
  return true;
}

void CDialogFirmwareRestore::SetListColumnWidths() {
  for (int column = 0; column < int(kListColumnWidths.size()); ++column) {
    m_listArchivedSettings.SetColumnWidth(column, kListColumnWidths[size_t(column)]);
  }
}

std::string CDialogFirmwareRestore::GetTitleText() const { return text::GetBackupFirmwareInfoText(Language()); }

// --- Entry and lookup ---------------------------------------------------------------------------

void CDialogFirmwareRestore::ResetPages() {
  device::ClearSettingsPages(m_nSettingsPageCount, m_anSettingsPages, m_nSettingsPageSel);
  if (app::CUpdaterDlg* main = MainWindow()) main->m_bPageListOpen = false;
}

void CDialogFirmwareRestore::ResetRestorePage(bool showStatus) {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  m_bArchiveChecked = false;
  m_bShowStatus = showStatus;
  main->m_nProgress = -1;
  ResetPages();
  m_job.Reset(wizard::PAGE_FIRMWARE_RESTORE);
  m_job.m_bFound = true;
  m_comboVoicePrompt.ResetContent();
  m_serverFetch.StartAfter(TIMER_RESTORE_LOOKUP, kLookupDelayMs);
  main->RefreshControls();
  // Off until the lookup has filled the page, so that no half-built page shows.
  SetRedraw(false);
  RefreshRestorePage();
}

int CDialogFirmwareRestore::ReadSettingsArchive() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return 0;
  const std::string folder = platform::Paths::Get().ImageFolder();
  if (folder.empty()) return 0;
  m_bArchiveChecked = true;
  const std::string model = device::GetModelName(main->m_nDeviceTarget, true);
  if (model.empty()) return 0;
  const std::optional<std::string> text =
      io::ReadWholeFile(folder + "/" + model + "." + kSettingsArchiveExtension, kArchiveMaxBytes);
  if (!text) return 0;
  // Words the archive does not hold keep the device's own values, never what an earlier read left
  // behind; a cut-off archive would restore settings nobody archived, so it is refused.
  device::CDeviceSettings archived = main->m_deviceSettings;
  const ArchiveReadResult read = ReadSettingsArchiveText(*text, archived);
  if (!read.hasProductId || !read.hasVersion || !read.complete) return 0;
  m_archivedSettings = archived;
  const device::MinimumVersion minimum = device::RestoreMinimumVersion(m_archivedSettings.m_nProductId);
  if (m_archivedSettings.CompareVersion(minimum.major, minimum.minor) < 0) return 0;
  return 1;
}

void CDialogFirmwareRestore::OnTimer(unsigned id) {
  if (id == TIMER_RESTORE_LOOKUP) {
    KillTimer(id);
    LookUpArchivedFirmware();
    return;
  }
  CWizardPage::OnTimer(id);
}

void CDialogFirmwareRestore::LookUpArchivedFirmware() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  m_job.m_nState = JOB_IDLE;
  m_job.m_bFound = ReadSettingsArchive() != 0;
  if (!m_job.m_bFound) {
    ShowLookupFailure(text::GetNoBackupFirmwareText);
    // Nothing to ask the server for: the wait ends here.
    m_serverFetch.Cancel();
    FinishLookup();
    return;
  }
  m_job.m_bFound = false;
  m_serverFetch.FetchList(kRevisionsListName, [this](const pages::FetchResult& list, pages::BusyHold busy) {
    TakeRevisionsList(list);
    busy.Release();
    FinishLookup();
  });
}

void CDialogFirmwareRestore::ShowLookupFailure(std::string (*reason)(int)) {
  app::CUpdaterDlg* main = MainWindow();
  const int page = main->m_nCurrentPage;
  const int usb = main->m_nUsbStatus;
  main->m_strStatus = text::InEveryLanguage([&](int language) {
    return text::Format("%s. %s", text::GetPageFailureText(page, usb, language), reason(language));
  });
}

void CDialogFirmwareRestore::TakeRevisionsList(const pages::FetchResult& fetched) {
  app::CUpdaterDlg* main = MainWindow();
  if (fetched.received < 1) {
    ShowLookupFailure(text::GetCannotConnectToServerText);
    return;
  }
  // The list is text up to its first zero byte.
  const std::string list = fetched.body.substr(0, fetched.body.find('\0'));
  RevisionsQuery query;
  query.model = device::GetModelName(main->m_nDeviceTarget, true);
  query.archivedMajor = m_archivedSettings.m_nVersionMajor;
  query.archivedMinor = m_archivedSettings.m_nVersionMinor;
  query.fourPartVersions = device::UsesFourPartVersion(main->m_nDeviceTarget);
  query.archivedType = m_archivedSettings.m_nSecondaryVersionType;
  query.archivedSub = m_archivedSettings.m_nSecondaryVersion;
  query.firmwareLanguage = main->m_strFirmwareLanguage;
  TakeRevisions(ScanRevisionsList(list, query));
  if (!m_job.m_bFound) {
    ShowLookupFailure(text::GetNoBackupOnServerText);
    return;
  }
  if (m_comboVoicePrompt.GetCount() > 0 && main->m_bApplyToFirmwareLanguage) {
    const int own = m_job.FindLanguage(text::GetLanguageName(main->m_nLanguage, 0));
    if (own >= 0) {
      m_comboVoicePrompt.SetCurSel(own);
      m_job.m_strFileName = m_job.m_astrFileNames[size_t(own)];
    }
  }
  if (m_bShowStatus) {
    main->m_strStatus = text::InEveryLanguage(m_comboVoicePrompt.GetCount() > 0 ? text::GetRestoreAfterLanguageText
                                                                                : text::GetPressRestoreButtonText);
  }
}

void CDialogFirmwareRestore::FinishLookup() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  device::GetSettingsPages(m_archivedSettings.m_nProductId, m_archivedSettings.m_nVersionMajor,
                           m_archivedSettings.m_nVersionMinor, m_nSettingsPageCount, m_anSettingsPages,
                           m_nSettingsPageSel);
  // A run that set no message shows the one before in its own colour: the result of a restore
  // that ended with the settings not written back stays an error.
  const bool ownMessage = !m_job.m_bFound || m_bShowStatus;
  main->ShowStatusMessage(main->GetStatusMessage(), ownMessage ? !m_job.m_bFound : !main->m_bStatusNormal);
  main->RefreshControls();
  RefreshRestorePage();
  SetRedraw(true);
  Invalidate(true);
}

void CDialogFirmwareRestore::TakeRevisions(const RevisionsMatch& match) {
  const int lang = Language();
  m_job.m_nServerMajor = match.major;
  m_job.m_nServerMinor = match.minor;
  m_job.m_nServerType = match.type;
  m_job.m_nServerSub = match.sub;
  m_job.m_strFileName = match.fileName;
  for (const RevisionVariant& variant : match.variants) {
    m_job.AddVariant(variant.file, variant.language);
    m_comboVoicePrompt.AddString(text::TranslateLanguageName(variant.language, lang));
  }
  if (match.selected >= 0) m_comboVoicePrompt.SetCurSel(match.selected);
  m_job.m_bFound = match.found;
  m_job.m_bFinished = match.found;
}

// --- Restore ------------------------------------------------------------------------------------

std::string CDialogFirmwareRestore::RestoreImagePath(int target) {
  platform::Paths& paths = platform::Paths::Get();
  // Without the program's folder there is no IMG folder to write to, and no other place will do.
  if (paths.ProgramFolder().empty()) return {};
  const std::string folder = paths.ImageFolder();
  const std::string model = device::GetModelName(target, true);
  if (folder.empty() || model.empty()) return {};
  return folder + "/" + model + "." + kRestoreImageExtension;
}

void CDialogFirmwareRestore::StartRestore() {
  app::CUpdaterDlg* main = MainWindow();
  // RESTORE is offered only once the archived version was found on the server.
  if (!main || !m_job.m_bFound || m_serverFetch.IsPending()) return;
  m_job.m_astrMessages.Clear();
  const int selected = m_comboVoicePrompt.GetCurSel();
  if (m_comboVoicePrompt.GetCount() > 0 && selected >= 0 && selected < m_job.m_nCount) {
    main->m_strFirmwareLanguage = m_job.m_astrLanguages[size_t(selected)];
    m_job.m_strFileName = m_job.m_astrFileNames[size_t(selected)];
  }
  const int page = main->m_nCurrentPage;
  const int usb = main->m_nUsbStatus;
  const text::LocalizedText started = text::InEveryLanguage([&](int language) {
    return text::Format("%s %s", text::GetPageProgressText(page, usb, language),
                        text::GetAboutToDownloadBackupText(language));
  });
  main->m_strStatus = started;
  m_job.m_astrMessages.Set(started);
  main->ShowStatusMessage(main->GetStatusMessage(), false);

  // No path (the program's folder is unknown) fails as a file that cannot be made.
  const std::string path = RestoreImagePath(main->m_nDeviceTarget);
  m_job.m_nState = JOB_DOWNLOADING;
  m_serverFetch.FetchFile(m_job.m_strFileName, path,
                          [this, path](const pages::FetchResult& image, pages::BusyHold busy) {
                            OnRestoreImageDownloaded(image.received, path, busy);
                          });
  main->RefreshControls();
  RefreshRestorePage();
}

void CDialogFirmwareRestore::OnRestoreImageDownloaded(int received, const std::string& path, pages::BusyHold& busy) {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  if (received > 0) {
    m_job.m_strImagePath = path;
    // The main window stays busy, on the hold RESTORE took, until the update's progress timer
    // ends the job.
    main->m_dlgFirmwareUpdate.StartRestoreJob(busy.PassOn());
    return;
  }
  const auto reason = received == io::kDownloadFileNotCreated ? text::GetCannotOpenFileText
                                                              : text::GetCannotConnectToServerText;
  main->m_strStatus = text::InEveryLanguage([&](int language) {
    return text::Format("%s. %s", text::GetDownloadFailedText(language), reason(language));
  });
  main->ShowStatusMessage(main->GetStatusMessage(), true);
  // The archive, the variants and the found flag stay: RESTORE may be pressed again.
  busy.Release();
  main->RefreshControls();
  RefreshRestorePage();
}

// --- Refresh ------------------------------------------------------------------------------------

void CDialogFirmwareRestore::HideArchiveControls() {
  for (fw::Window* control : std::initializer_list<fw::Window*>{&m_staticVersionLabel, &m_staticVersion,
                                                                &m_staticDateLabel, &m_staticDate}) {
    control->ShowWindow(false);
  }
  ShowSummaryPairs(false);
  m_listArchivedSettings.ShowWindow(false);
}

void CDialogFirmwareRestore::ShowSummaryPairs(bool show) {
  for (int i = 0; i < kPairCount; ++i) {
    m_astaticPairLabel[size_t(i)].ShowWindow(show);
    m_astaticPairValue[size_t(i)].ShowWindow(show);
  }
}

void CDialogFirmwareRestore::ShowSettingsList() { m_listArchivedSettings.ShowWindow(m_job.m_bFound); }

void CDialogFirmwareRestore::FillArchivedSettingsList() {
  const app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  if (m_listArchivedSettings.GetItemCount() > 0) m_listArchivedSettings.DeleteAllItems();
  const int sel = m_nSettingsPageSel;
  const int kind = sel >= 0 && sel < int(m_anSettingsPages.size()) ? m_anSettingsPages[size_t(sel)] : 0;
  const settings::ArchivedSettingsList list =
      settings::BuildArchivedSettingsList(main->m_nDeviceTarget, m_archivedSettings, kind, main->m_nLanguage);
  if (list.outcome == settings::ArchivedSettingsList::Outcome::kHidden) {
    m_listArchivedSettings.ShowWindow(false);
    return;
  }
  const int count = static_cast<int>(list.rows.size());
  for (int i = 0; i < count; ++i) {
    m_listArchivedSettings.InsertItem(i, "");
    m_listArchivedSettings.SetItem(i, 1, fw::LVIF_TEXT, ":");
  }
  for (int i = 0; i < count; ++i) {
    m_listArchivedSettings.SetItem(i, 0, fw::LVIF_TEXT, list.rows[size_t(i)].label);
    m_listArchivedSettings.SetItem(i, 2, fw::LVIF_TEXT, list.rows[size_t(i)].value);
  }
}

void CDialogFirmwareRestore::RefreshRestorePage() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main || !IsCreated()) return;
  if (!m_bArchiveChecked) {
    HideArchiveControls();
    return;
  }
  const int lang = main->m_nLanguage;
  SetRedraw(false);
  FillArchiveSummary();
  m_comboVoicePrompt.EnableWindow(!main->m_bBusy && !main->m_bPageListOpen);
  for (fw::Window* control : std::initializer_list<fw::Window*>{&m_staticVersionLabel, &m_staticVersion,
                                                                &m_staticDateLabel, &m_staticDate}) {
    control->ShowWindow(true);
  }
  ShowSummaryPairs(true);
  FillArchivedSettingsList();
  m_listArchivedSettings.ShowWindow(false);

  const bool variants = m_comboVoicePrompt.GetCount() >= 2;
  if (variants) {
    const int selected = m_comboVoicePrompt.GetCurSel();
    m_comboVoicePrompt.ResetContent();
    for (int i = 0; i < m_job.m_nCount; ++i) {
      m_comboVoicePrompt.AddString(text::TranslateLanguageName(m_job.m_astrLanguages[size_t(i)], lang));
    }
    m_comboVoicePrompt.SetCurSel(selected);
    m_staticVoicePromptLabel.SetWindowText(text::VocabularyText(text::g_strVoicePrompt, lang));
  }
  m_comboVoicePrompt.ShowWindow(variants);
  m_staticVoicePromptLabel.ShowWindow(variants);

  if (!m_job.m_bFound) {
    m_comboVoicePrompt.ShowWindow(false);
    m_staticVoicePromptLabel.ShowWindow(false);
    HideArchiveControls();
  }
  ShowVisibleRows();
  SetRedraw(true);
  Invalidate(true);
}

// Hides the pair rows the product, band and kind on show do not fill; shows the list in their
// place where the product's grid lists its settings row by row.
void CDialogFirmwareRestore::ShowVisibleRows() {
  const int sel = m_nSettingsPageSel;
  const int kind = sel >= 0 && sel < int(m_anSettingsPages.size()) ? m_anSettingsPages[size_t(sel)] : 0;
  const uint8_t rows = device::RestoreVisibleRows(Target(), m_archivedSettings, kind);
  for (int i = 0; i < kPairCount; ++i) {
    if (rows & (1u << i)) continue;
    m_astaticPairLabel[size_t(i)].ShowWindow(false);
    m_astaticPairValue[size_t(i)].ShowWindow(false);
  }
  if (rows & device::kShowList) ShowSettingsList();
}

fw::Brush CDialogFirmwareRestore::OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) {
  const fw::Brush brush = CWizardPage::OnCtlColor(dc, control, kind);
  if (&control == &m_staticTitle) dc.SetTextColor(kTitleColour);
  app::CUpdaterDlg* main = MainWindow();
  // The open page list keeps the keyboard focus while the page redraws.
  if (main && main->m_bPageListOpen) main->m_listPages.SetFocus();
  return brush;
}

// RESTORE and the archived device's tabs once the archived version was found on the server.
pages::PageFrame CDialogFirmwareRestore::DescribeFrame(int language) const {
  const bool found = m_job.m_bFound;
  return {text::GetRestoreActionText(language), found, found};
}

// --- Summary --------------------------------------------------------------------------------------

void CDialogFirmwareRestore::FillArchiveSummary() {
  const int lang = Language();
  const int target = Target();
  const device::CDeviceSettings& s = m_archivedSettings;
  // An earlier FM view left the first five labels left-aligned.
  for (int i = 0; i < kPairCount - 1; ++i) m_astaticPairLabel[size_t(i)].ModifyStyle(0, fw::CS_RIGHT);
  m_staticTitle.SetWindowText(GetTitleText());

  const std::string word = text::GetVersionText(lang);
  const bool fourNumbers = device::UsesFourPartVersion(target);
  if (m_comboVoicePrompt.GetCount() > 0) {
    m_staticVersionLabel.ModifyStyle(fw::CS_RIGHT, fw::CS_CENTER);
    m_staticVersionLabel.SetWindowText(
        fourNumbers ? text::Format("%s: v%d.%d.%d.%d", word, s.m_nSecondaryVersionType, s.m_nSecondaryVersion,
                                   s.m_nVersionMajor, s.m_nVersionMinor)
                    : text::Format("%s: v%d.%d", word, s.m_nVersionMajor, s.m_nVersionMinor));
  } else {
    m_staticVersionLabel.ModifyStyle(fw::CS_CENTER, fw::CS_RIGHT);
    m_staticVersionLabel.SetWindowText(text::Format("%s:", word));
  }
  if (fourNumbers) {
    m_staticVersion.SetWindowText(text::Format("v%d.%d.%d.%d", s.m_nSecondaryVersionType, s.m_nSecondaryVersion,
                                               s.m_nVersionMajor, s.m_nVersionMinor));
  } else if (device::ShowsZeroThirdNumber(target)) {
    m_staticVersion.SetWindowText(
        text::Format("v%d.%d.%d", s.m_nVersionMajor, s.m_nVersionMinor, s.m_nSecondaryVersion));
  } else {
    m_staticVersion.SetWindowText(text::Format("v%d.%d", s.m_nVersionMajor, s.m_nVersionMinor));
  }
  m_staticDateLabel.SetWindowText(text::Format("%s:", text::VocabularyText(text::g_strDate, lang)));
  m_staticDate.SetWindowText(FormatArchiveTime(s.m_timeArchived, lang));

  const device::ArchiveSummaryGroup* group = device::FindArchiveSummaryGroup(target);
  if (!group) return;
  const int sel = m_nSettingsPageSel;
  const int kind = sel >= 0 && sel < int(m_anSettingsPages.size()) ? m_anSettingsPages[size_t(sel)] : 0;
  if (group->basicWhateverKind || kind == device::SETTINGS_PAGE_BASIC) {
    const std::vector<device::SummaryPair>& pairs = device::BasicPairsFor(*group, s);
    for (size_t i = 0; i < pairs.size() && i < size_t(kPairCount); ++i) {
      const PairText pair = DescribePair(pairs[i], s, lang);
      m_astaticPairLabel[i].SetWindowText(pair.label);
      m_astaticPairValue[i].SetWindowText(pair.value);
    }
  } else if (kind == device::SETTINGS_PAGE_SPEED_DIAL) {
    if (group->speedDials) ShowArchivedSpeedDials();
  } else if (group->fmView) {
    FillFmView();
  }
}

void CDialogFirmwareRestore::ShowArchivedSpeedDials() {
  const int lang = Language();
  for (int i = 0; i < device::CDeviceSettings::kSpeedDialCount; ++i) {
    const std::string& number = m_archivedSettings.m_astrSpeedDial[size_t(i)];
    m_astaticPairLabel[size_t(i)].SetWindowText(
        text::Format("%s %d:", text::VocabularyText(text::g_strSpeedDial, lang), i + 1));
    m_astaticPairValue[size_t(i)].SetWindowText(number.empty() ? text::VocabularyText(text::g_strEmpty, lang)
                                                               : number);
  }
}

void CDialogFirmwareRestore::FillFmView() {
  const int lang = Language();
  const device::CDeviceSettings& s = m_archivedSettings;
  for (int i = 0; i < kPairCount - 1; ++i) m_astaticPairLabel[size_t(i)].ModifyStyle(fw::CS_RIGHT, 0);
  m_staticDateLabel.SetWindowText(text::Format("%s:", text::VocabularyText(text::g_strRadioRegion, lang)));
  m_staticDate.SetWindowText(text::VocabularyItem(text::g_strRadioRegions, lang, s.m_nFmRegion));
  for (int n = 1; n <= device::CDeviceSettings::kFmPresetCount; ++n) {
    const int f = s.m_anFmPreset[size_t(n - 1)];
    const std::string preset = f == 0 ? text::VocabularyText(text::g_strEmpty, lang) : PresetFrequencyText(f);
    const std::string line = text::Format("%s%s%d: %s", n % 2 ? std::string(kFmLeftColumnIndent, ' ') : "",
                                          n < 10 ? " " : "", n, preset);
    // Presets 1 to 10 go to label 1, value 1, label 2, value 2 ... value 5.
    const size_t pair = size_t((n - 1) / 2);
    (n % 2 ? m_astaticPairLabel[pair] : m_astaticPairValue[pair]).SetWindowText(line);
  }
  m_astaticPairLabel[kPairCount - 1].SetWindowText(
      text::Format("%s:", text::VocabularyText(text::g_strRdsAlternativeFrequencies, lang)));
  m_astaticPairValue[kPairCount - 1].SetWindowText(OnOff(s.m_bFmRds != 0, lang));
}

}  // namespace firmware
