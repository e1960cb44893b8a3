#include "firmware/update/DialogFirmwareUpdate.h"

#include <optional>
#include <utility>

#include "app/DiagnosticReport.h"
#include "app/UpdaterDlg.h"
#include "app/WindowColours.h"
#include "device/FirmwareVersionForms.h"
#include "device/ModelNames.h"
#include "device/Version.h"
#include "firmware/formats/FirmwareList.h"
#include "firmware/update/DialogNewUpdateFound.h"
#include "framework/FileDialog.h"
#include "headset/RadioBatches.h"
#include "headset/bluecore/AlternateModelIdentity.h"
#include "framework/Font.h"
#include "io/Download.h"
#include "io/ExternalTool.h"
#include "localization/FirmwareTexts.h"
#include "localization/LanguageNames.h"
#include "localization/PageNumbers.h"
#include "localization/SafeFormat.h"
#include "localization/ServerFailureTexts.h"
#include "localization/SettingVocabulary.h"
#include "localization/StatusTexts.h"
#include "resources/PageTemplates.h"

namespace firmware {

bool g_bOfferNewerFirmware = true;

namespace {

constexpr unsigned kFirmwareListDelayMs = 500;
constexpr unsigned kProgressPeriodMs = 1000;
constexpr unsigned kDownloadDelayMs = 500;
constexpr fw::Colour kNoVersionColour = fw::RGB(255, 112, 0);

// The name part of a server path, so that the save dialog never proposes a folder.
std::string BaseName(const std::string& name) {
  const size_t slash = name.find_last_of("/\\");
  return slash == std::string::npos ? name : name.substr(slash + 1);
}

}  // namespace

CDialogFirmwareUpdate::CDialogFirmwareUpdate() : CWizardPage(res::FirmwareUpdateTemplate()) {
  BindControl(IDC_FIRMWARE_TO_UPDATE, m_staticFirmwareToUpdate);
  BindControl(IDC_FIRMWARE_IMAGE_PATH, m_editImagePath);
  BindControl(IDC_FIRMWARE_BROWSE, m_btnBrowse);
  BindControl(IDC_FIRMWARE_LATEST_VERSION, m_staticLatestVersion);
  BindControl(IDC_FIRMWARE_DOWNLOAD, m_btnDownload);
  BindControl(IDC_FIRMWARE_VOICE_PROMPT, m_comboVoicePrompt);
  BindControl(IDC_FIRMWARE_VOICE_PROMPT_CAPTION, m_staticVoicePrompt);
  BindControl(IDC_FIRMWARE_INSTRUCTIONS, m_staticInstructions);
}

CDialogFirmwareUpdate::~CDialogFirmwareUpdate() {
  // The engines and the transfer thread report into this page from their threads: they go first.
  EndTransferThread();
  DestroyEngines();
}

bool CDialogFirmwareUpdate::OnInitDialog() {
  CWizardPage::OnInitDialog();
  const fw::Font bold = GetFont().WithWeight(fw::FW_BOLD);
  for (fw::Window* control : std::initializer_list<fw::Window*>{
           &m_staticFirmwareToUpdate, &m_editImagePath, &m_btnBrowse, &m_staticLatestVersion, &m_btnDownload,
           &m_comboVoicePrompt, &m_staticVoicePrompt, &m_staticInstructions}) {
    control->SetFont(bold, true);
  }
  return true;
}

std::string CDialogFirmwareUpdate::RunExternalTool(const std::string& commandLine) {
  m_strToolOutput = io::RunExternalTool(commandLine);
  return m_strToolOutput;
}

// --- Entry and dress ------------------------------------------------------------------------------

void CDialogFirmwareUpdate::ResetUpdatePage() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  main->m_nProgress = -1;
  m_bAutoUpdate = false;
  m_job.Reset(wizard::PAGE_FIRMWARE_UPDATE);
  // A job still under way is dropped with its busy state; its timer would tick over a reset job.
  KillTimer(TIMER_UPDATE_PROGRESS);
  m_jobBusy.Release();
  CancelPendingStep();
  DestroyEngines();
  m_editImagePath.SetWindowText("");
  m_comboVoicePrompt.ResetContent();
  m_serverFetch.StartAfter(TIMER_FIRMWARE_LIST, kFirmwareListDelayMs);
  main->RefreshControls();
  RefreshUpdatePage();
}

void CDialogFirmwareUpdate::RefreshUpdatePage() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main || !IsCreated()) return;
  const int lang = main->m_nLanguage;
  const int target = main->m_nDeviceTarget;
  SetRedraw(false);

  const fw::Rect browse = m_btnBrowse.GetWindowRect();
  const fw::Rect combo = m_comboVoicePrompt.GetWindowRect();
  // Download sits on the drop-down list's row, as high as Browse.
  fw::Rect download = m_btnDownload.GetWindowRect();
  download.top = combo.top + (combo.Height() - browse.Height()) / 2;
  download.bottom = download.top + browse.Height();

  m_staticFirmwareToUpdate.SetWindowText(text::GetFirmwareToUpdateText(lang));
  m_btnBrowse.SetWindowText(text::GetBrowseText(lang));
  m_btnDownload.SetWindowText(text::GetDownloadButtonText(lang));
  m_staticInstructions.SetWindowText(text::GetVoicePromptInstructionsText(lang));

  const bool idle = !main->m_bBusy;
  m_btnBrowse.EnableWindow(idle);
  m_btnDownload.EnableWindow(idle);
  m_comboVoicePrompt.EnableWindow(idle);

  std::string label;
  bool showVariants = false;
  if (m_job.m_nState == JOB_READY) {
    // The list is still being read (the page was just entered): nothing failed yet.
    m_btnDownload.EnableWindow(false);
  } else if (m_job.HasNoVersion()) {
    m_btnDownload.EnableWindow(false);
    label = text::GetCannotConnectToServerText(lang);
  } else {
    const std::string version =
        device::UsesFourPartVersion(target)
            ? text::Format("v%d.%d.%d.%d", m_job.m_nServerType, m_job.m_nServerSub, m_job.m_nServerMajor,
                           m_job.m_nServerMinor)
            : text::Format("v%d.%d%s", m_job.m_nServerMajor, m_job.m_nServerMinor,
                           m_job.m_nServerSub != 0 || device::ShowsZeroThirdNumber(target)
                               ? text::Format(".%d", m_job.m_nServerSub)
                               : std::string());
    showVariants = m_comboVoicePrompt.GetCount() >= 2;
    if (!showVariants) {
      label = text::Format("%s: %s (%s)", text::GetLatestVersionText(lang), version, m_job.m_strFileName);
    } else {
      const int selected = m_comboVoicePrompt.GetCurSel();
      m_comboVoicePrompt.ResetContent();
      for (int i = 0; i < m_job.m_nCount; ++i) {
        m_comboVoicePrompt.AddString(text::TranslateLanguageName(m_job.m_astrLanguages[static_cast<size_t>(i)], lang));
      }
      m_comboVoicePrompt.SetCurSel(selected);
      label = text::Format("%s: %s", text::GetLatestVersionText(lang), version);
      m_staticVoicePrompt.SetWindowText(text::VocabularyText(text::g_strVoicePrompt, lang));
      // Below the list, by as much as the list reaches below Browse.
      const int drop = combo.bottom - browse.bottom;
      download.top += drop;
      download.bottom += drop;
    }
  }
  m_comboVoicePrompt.ShowWindow(showVariants);
  m_staticVoicePrompt.ShowWindow(showVariants);
  m_staticInstructions.ShowWindow(showVariants);

  m_btnDownload.MoveWindow(download, true);
  m_staticLatestVersion.SetWindowText(label);
  SetRedraw(true);
  Invalidate(true);
}

fw::Brush CDialogFirmwareUpdate::OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) {
  const fw::Brush brush = CWizardPage::OnCtlColor(dc, control, kind);
  if (&control == &m_staticLatestVersion) {
    dc.SetTextColor(m_job.HasNoVersion() && m_job.m_nState != JOB_READY ? kNoVersionColour : fw::RGB(0, 0, 0));
  }
  return brush;
}

bool CDialogFirmwareUpdate::OnCommand(int id, int notifyCode) {
  if (notifyCode == fw::BN_CLICKED && id == IDC_FIRMWARE_BROWSE) {
    OnBrowse();
    return true;
  }
  if (notifyCode == fw::BN_CLICKED && id == IDC_FIRMWARE_DOWNLOAD) {
    OnDownload();
    return true;
  }
  return CWizardPage::OnCommand(id, notifyCode);
}

void CDialogFirmwareUpdate::OnTimer(unsigned id) {
  switch (id) {
    case TIMER_FIRMWARE_LIST: OnFirmwareListTimer(); break;
    case TIMER_FIRMWARE_DOWNLOAD: OnFirmwareDownloadTimer(); break;
    case TIMER_UPDATE_PROGRESS: OnProgressTimer(); break;
    case TIMER_DEVICE_BACK: OnDeviceBackTimer(); break;
    case TIMER_UPDATE_STEP: OnUpdateStepTimer(); break;
    default: CWizardPage::OnTimer(id); break;
  }
}

// --- The server's firmware list and the offer ---------------------------------------------------------

void CDialogFirmwareUpdate::OnFirmwareListTimer() {
  KillTimer(TIMER_FIRMWARE_LIST);
  if (!MainWindow()) return;
  m_serverFetch.FetchList(kFirmwareListName, [this](const pages::FetchResult& list, pages::BusyHold busy) {
    OnFirmwareList(list, busy);
  });
}

void CDialogFirmwareUpdate::OnFirmwareList(const pages::FetchResult& list, pages::BusyHold& busy) {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  if (list.received <= 0) {
    m_job.m_nServerMajor = m_job.m_nServerMinor = m_job.m_nServerType = m_job.m_nServerSub = 0;
  } else {
    TakeFirmwareList(ReadFirmwareList(list.body, FirmwareListKey()));
    if (m_comboVoicePrompt.GetCount() > 0 && main->m_bApplyToFirmwareLanguage) {
      const int own = m_job.FindLanguage(text::GetLanguageName(main->m_nLanguage, 0));
      if (own >= 0) {
        m_comboVoicePrompt.SetCurSel(own);
        m_job.m_strFileName = m_job.m_astrFileNames[static_cast<size_t>(own)];
      }
    }
  }

  if (!g_bOfferNewerFirmware) {
    g_bOfferNewerFirmware = true;
  } else {
    OfferNewerFirmware();
  }

  m_job.m_nState = JOB_IDLE;
  busy.Release();
  main->RefreshControls();
  RefreshUpdatePage();
}

void CDialogFirmwareUpdate::TakeFirmwareList(const FirmwareListEntry& entry) {
  app::CUpdaterDlg* main = MainWindow();
  if (!entry.found) return;
  if (device::UsesFourPartVersion(main->m_nDeviceTarget)) {
    m_job.ParseVersion4(entry.version);
  } else {
    m_job.ParseVersion(entry.version);
  }
  m_job.m_strFileName = entry.fileName;
  for (const FirmwareListVariant& variant : entry.variants) {
    m_job.AddVariant(variant.fileName, variant.language);
    m_comboVoicePrompt.AddString(text::TranslateLanguageName(variant.language, main->m_nLanguage));
  }
  if (!entry.variants.empty()) {
    // The first variant, unless the one of the stored voice-prompt language is listed.
    const int stored = m_job.FindLanguage(main->m_strFirmwareLanguage);
    const int selected = stored >= 0 ? stored : 0;
    m_comboVoicePrompt.SetCurSel(selected);
    m_job.m_strFileName = m_job.m_astrFileNames[static_cast<size_t>(selected)];
  }
  if (entry.sub) m_job.m_nServerSub = *entry.sub;
}

void CDialogFirmwareUpdate::OfferNewerFirmware() {
  app::CUpdaterDlg* main = MainWindow();
  m_bAutoUpdate = IsNewerFirmwareAvailable();
  if (!m_bAutoUpdate) return;
  CDialogNewUpdateFound offer(main);
  if (offer.DoModal(main) == fw::IDOK) {
    PostMessage(fw::WM_COMMAND, fw::MakeCommand(IDC_FIRMWARE_DOWNLOAD, fw::BN_CLICKED), 0);
  } else {
    m_bAutoUpdate = false;
  }
}

// The list names a model by its file-name form; units of a batch that runs another model's firmware
// look for that model's line, and when the attached unit cannot be asked no line is theirs.
std::string CDialogFirmwareUpdate::FirmwareListKey() const {
  const int target = MainWindow()->m_nDeviceTarget;
  if (!headset::HasAlternateModelBatch(target)) return device::GetModelName(target, true);
  const std::optional<std::string> address = headset::bluecore::ReadFirstDeviceLowerAddress();
  if (!address) return {};
  const bool alternate = headset::IsAlternateModelBatch(target, *address);
  return device::GetModelName(alternate ? headset::AlternateModel() : target, true);
}

bool CDialogFirmwareUpdate::IsNewerFirmwareAvailable() const {
  const app::CUpdaterDlg* main = MainWindow();
  if (!main) return false;
  if (headset::HasAlternateModelBatch(main->m_nDeviceTarget)) {
    // A unit of that batch is always offered the other model's firmware; one that cannot be
    // asked is offered nothing.
    const std::optional<std::string> address = headset::bluecore::ReadFirstDeviceLowerAddress();
    if (!address) return false;
    if (headset::IsAlternateModelBatch(main->m_nDeviceTarget, *address)) return true;
  }
  return device::IsServerVersionNewer(main->m_deviceSettings, main->m_nDeviceTarget, m_job.m_nServerMajor,
                                      m_job.m_nServerMinor, m_job.m_nServerType, m_job.m_nServerSub);
}

// --- Local image and download ----------------------------------------------------------------------------

fw::FileDialogRequest CDialogFirmwareUpdate::NewFileDialogRequest() const {
  const app::CUpdaterDlg* main = MainWindow();
  if (main) return main->NewFileDialogRequest();
  fw::FileDialogRequest request;
  request.folder = "/";
  return request;
}

void CDialogFirmwareUpdate::ShowImagePath(const std::string& path) {
  m_editImagePath.SetWindowText(path);
  const int end = static_cast<int>(path.size());
  m_editImagePath.SetSel(end, end);
}

void CDialogFirmwareUpdate::OnBrowse() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main || main->m_bBusy) return;
  fw::FileDialogRequest request = NewFileDialogRequest();
  request.filter = "*.img|*.IMG|";
  const std::optional<std::string> chosen = fw::ShowFileDialog(request, nullptr);
  if (!chosen) return;
  main->m_strCurrentPath = app::FolderOf(*chosen);
  ShowImagePath(*chosen);
  for (int i = 0; i < text::kLanguageCount; ++i) main->SetStatusMessage(text::GetPressUpdateButtonText(i), i);
  main->ShowStatusMessage(main->GetStatusMessage(), false);
  m_job.m_nPercent = -1;
  m_job.m_bFinished = false;
  main->RefreshControls();
  RefreshUpdatePage();
}

void CDialogFirmwareUpdate::OnDownload() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main || main->m_bBusy) return;
  const int selected = m_comboVoicePrompt.GetCurSel();
  if (m_comboVoicePrompt.GetCount() > 0 && selected >= 0 && selected < m_job.m_nCount) {
    m_job.m_strFileName = m_job.m_astrFileNames[static_cast<size_t>(selected)];
  }
  m_job.m_nState = JOB_DOWNLOADING;
  pages::BusyHold busy = main->HoldBusy();
  main->RefreshControls();
  RefreshUpdatePage();

  fw::FileDialogRequest request = NewFileDialogRequest();
  request.save = true;
  request.defaultName = BaseName(m_job.m_strFileName);
  request.filter = text::GetImageFilterText(main->m_nLanguage);
  const std::optional<std::string> chosen = fw::ShowFileDialog(request, nullptr);
  if (!chosen) {
    m_bAutoUpdate = false;
    busy.Release();
    main->RefreshControls();
    RefreshUpdatePage();
    return;
  }
  main->m_strCurrentPath = app::FolderOf(*chosen);
  m_job.m_strImagePath = *chosen;
  const text::LocalizedText messages = text::InEveryLanguage([&](int language) {
    return text::Format("%s %s", text::GetPageProgressText(main->m_nCurrentPage, main->m_nUsbStatus, language),
                        text::GetAboutToDownloadLatestText(language));
  });
  m_job.m_astrMessages.Set(messages);
  main->m_strStatus = messages;
  main->ShowStatusMessage(main->GetStatusMessage(), false);
  // The window stays busy, and the job downloading, until the image has come.
  m_serverFetch.StartAfter(TIMER_FIRMWARE_DOWNLOAD, kDownloadDelayMs, std::move(busy));
}

void CDialogFirmwareUpdate::OnFirmwareDownloadTimer() {
  KillTimer(TIMER_FIRMWARE_DOWNLOAD);
  m_serverFetch.FetchFile(m_job.m_strFileName, m_job.m_strImagePath,
                          [this](const pages::FetchResult& image, pages::BusyHold busy) {
                            OnFirmwareDownloaded(image.received, busy);
                          });
}

void CDialogFirmwareUpdate::OnFirmwareDownloaded(int result, pages::BusyHold& busy) {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  const bool failed = result <= 0;
  if (failed) {
    main->m_strStatus = text::InEveryLanguage([result](int language) {
      return text::Format("%s. %s", text::GetDownloadFailedText(language),
                          result == io::kDownloadFileNotCreated ? text::GetCannotOpenFileText(language)
                                                                : text::GetCannotConnectToServerText(language));
    });
  } else {
    if (m_bAutoUpdate) {
      main->BuildProgressStatus();
    } else {
      main->m_strStatus = text::InEveryLanguage(text::GetPressUpdateButtonText);
    }
    ShowImagePath(m_job.m_strImagePath);
  }
  m_job.m_nState = JOB_IDLE;
  busy.Release();
  main->RefreshControls();
  RefreshUpdatePage();
  main->ShowStatusMessage(main->GetStatusMessage(), failed);
  if (!m_bAutoUpdate) return;
  // Only a complete image goes on to the update: after a failure the path field still names the
  // earlier image (or none), and the update's own failure would hide the download's.
  if (failed) {
    m_bAutoUpdate = false;
  } else {
    main->PostMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_ACTION, fw::BN_CLICKED), 0);
  }
}

// --- Start of an update -----------------------------------------------------------------------------------

void CDialogFirmwareUpdate::StartUpdateFromMain() { StartUpdate(false); }

void CDialogFirmwareUpdate::StartRestoreJob(pages::BusyHold busy) {
  // Page 4 is current, so the dispatcher works on the restore page's job.
  m_jobBusy = std::move(busy);
  StartFirmwareUpdate();
  SetTimer(TIMER_UPDATE_PROGRESS, kProgressPeriodMs);
}

bool CDialogFirmwareUpdate::MayStartConfirmedDfu() const {
  const app::CUpdaterDlg* main = MainWindow();
  if (!main) return false;
  // The job whose backup failed holds the window while it waits for the OK; the start takes its
  // place. Any other duty still under way refuses the start, as it refuses every command.
  const bool asking = m_jobBusy.Held() && m_job.m_nState == JOB_WAITING_USER;
  return main->BusyHolds() <= (asking ? 1 : 0);
}

void CDialogFirmwareUpdate::StartDfuUpdateConfirmed() {
  // Called from the confirming box's OK, which may be the job's own pop-up: the update closes it.
  PostMessage(WM_START_CONFIRMED_DFU);
}

void CDialogFirmwareUpdate::StartUpdate(bool dfuOnly) {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  KillTimer(TIMER_DEVICE_BACK);
  m_bDeviceBackTimer = false;
  m_bTransferDone = false;
  m_nRestartWaitTicks = 0;
  CancelPendingStep();
  DestroyEngines();
  m_job.m_nState = JOB_REQUESTED;
  m_job.m_astrMessages.Clear();
  // Taken before an earlier job's hold goes: the window never shows idle in between.
  m_jobBusy = main->HoldBusy();
  main->RefreshControls();
  RefreshUpdatePage();
  const int selected = m_comboVoicePrompt.GetCurSel();
  if (m_comboVoicePrompt.GetCount() > 0 && selected >= 0 && selected < m_job.m_nCount) {
    main->m_strFirmwareLanguage = m_job.m_astrLanguages[static_cast<size_t>(selected)];
  }
  m_job.m_strImagePath = m_editImagePath.GetWindowText();
  if (dfuOnly) {
    StartDfuUpdate();
  } else {
    StartFirmwareUpdate();
  }
  SetTimer(TIMER_UPDATE_PROGRESS, kProgressPeriodMs);
}

// --- Waits between the steps of an update's start -------------------------------------------------

void CDialogFirmwareUpdate::ContinueAfter(unsigned ms, std::function<void()> step) {
  CancelPendingStep();
  m_pendingStep = std::move(step);
  SetTimer(TIMER_UPDATE_STEP, ms);
}

void CDialogFirmwareUpdate::CancelPendingStep() {
  KillTimer(TIMER_UPDATE_STEP);
  m_pendingStep = nullptr;
  // An archive write under way goes on to its end, but its word no longer finds a step.
  m_archiveWrites.Drop();
  m_archiveStep = nullptr;
}

void CDialogFirmwareUpdate::OnUpdateStepTimer() {
  KillTimer(TIMER_UPDATE_STEP);
  // Taken out first: the step may wait again.
  if (const std::function<void()> step = std::exchange(m_pendingStep, nullptr)) step();
}

}  // namespace firmware
