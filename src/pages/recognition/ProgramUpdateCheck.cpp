// The program's own update check, run by page 1's timers: the "Software" list read once per run,
// the user asked, the installer downloaded on a worker thread and opened, and the program ended.
#include "pages/recognition/ProgramUpdateCheck.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "app/DiagnosticReport.h"
#include "app/UpdaterDlg.h"
#include "controls/DialogMessageBox.h"
#include "device/Version.h"
#include "framework/FileDialog.h"
#include "io/Blanks.h"
#include "io/UpdateServer.h"
#include "localization/SafeFormat.h"
#include "localization/SelectionPageTexts.h"
#include "localization/ServerFailureTexts.h"
#include "localization/SharedTexts.h"
#include "localization/TextRow.h"
#include "pages/recognition/DialogDeviceSelection.h"
#include "platform/Shell.h"

namespace pages {

namespace {

constexpr const char* kReleaseNotesCaption = "Release Notes";
constexpr fw::Size kPromptSize = {530, 230};

using io::Trim;

// A line cut at its first two colons. A colon that stands first does not cut.
struct ListLine {
  int fields = 1;
  std::string_view key;
  std::string_view second;  // trimmed only in a three-field line
  std::string_view third;
};

ListLine CutLine(std::string_view line) {
  ListLine cut;
  const size_t first = line.find(':');
  if (first == std::string_view::npos || first == 0) return cut;
  cut.fields = 2;
  cut.key = Trim(line.substr(0, first));
  const std::string_view rest = line.substr(first + 1);
  const size_t second = rest.find(':');
  if (second == std::string_view::npos || second == 0) {
    cut.second = rest;
    return cut;
  }
  cut.fields = 3;
  cut.second = Trim(rest.substr(0, second));
  cut.third = Trim(rest.substr(second + 1));
  return cut;
}

// The next line of `rest`, or nothing when the list has ended. Empty lines between line feeds are
// skipped; a lone line feed at the very end ends the list.
std::optional<std::string_view> NextLine(std::string_view& rest) {
  while (!rest.empty() && rest.front() == '\n') {
    if (rest.size() < 2) return std::nullopt;
    rest.remove_prefix(1);
  }
  if (rest.empty()) return std::nullopt;
  const size_t feed = rest.find('\n');
  const std::string_view line = rest.substr(0, feed);
  rest = feed == std::string_view::npos ? std::string_view() : rest.substr(feed + 1);
  return line;
}

// `s` without its first character (a whole UTF-8 sequence).
std::string_view DropFirstCharacter(std::string_view s) {
  if (s.empty()) return s;
  size_t length = 1;
  while (length < s.size() && (static_cast<unsigned char>(s[length]) & 0xC0) == 0x80) ++length;
  return s.substr(length);
}

// The name part of a server path, so that the save dialog never proposes a folder.
std::string BaseName(const std::string& name) {
  const size_t slash = name.find_last_of("/\\");
  return slash == std::string::npos ? name : name.substr(slash + 1);
}

}  // namespace

SoftwareOffer ReadSoftwareList(std::string_view list) {
  SoftwareOffer offer;
  std::string_view candidateVersion;
  bool versionTaken = false;
  std::string_view rest = list;
  while (const std::optional<std::string_view> line = NextLine(rest)) {
    const ListLine cut = CutLine(*line);
    if (!versionTaken && cut.fields == 3) {
      candidateVersion = cut.second;
      offer.fileName = std::string(cut.third);
    }
    const bool ours = cut.fields > 1 && cut.key == kProgramKey;
    if (ours && cut.fields == 2) {
      offer.build = device::ReadInteger(cut.second);
    } else if (ours && cut.fields == 3 && !versionTaken) {
      versionTaken = true;
      // The version's first character is its letter "v". Without a dot it reads as 0.0.
      device::ParseTwoPartVersion(DropFirstCharacter(candidateVersion), offer.major, offer.minor);
      continue;
    }
    if (versionTaken) break;
  }
  return offer;
}

bool IsNewerThanRunning(int major, int minor, int build) {
  if (major != kRunningMajor) return major > kRunningMajor;
  if (minor != kRunningMinor) return minor > kRunningMinor;
  return build > kRunningBuild;
}

void CDialogDeviceSelection::StartUpdateCheck() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  // The window stays busy until the list has come.
  m_serverFetch.StartAfter(TIMER_UPDATE_CHECK, kUpdateCheckDelayMs);
  main->RefreshControls();
  RedrawSelection();
}

void CDialogDeviceSelection::OnTimer(unsigned id) {
  if (id == TIMER_UPDATE_CHECK) {
    OnUpdateCheckTimer();
  } else if (id == TIMER_UPDATE_DOWNLOAD) {
    OnUpdateDownloadTimer();
  }
  CWizardPage::OnTimer(id);
}

void CDialogDeviceSelection::OnUpdateCheckTimer() {
  KillTimer(TIMER_UPDATE_CHECK);
  m_serverFetch.FetchList(kSoftwareListName,
                          [this](const FetchResult& list, BusyHold busy) { TakeSoftwareList(list, std::move(busy)); });
}

void CDialogDeviceSelection::TakeSoftwareList(const FetchResult& list, BusyHold busy) {
  // No answer, or an empty list: asked again on the next entry of the page.
  if (list.received <= 0) {
    EndUpdateCheck(busy);
    return;
  }
  m_bUpdateChecked = true;
  const SoftwareOffer offer = ReadSoftwareList(list.body);
  m_strUpdateFileName = offer.fileName;
  if (!IsNewerThanRunning(offer.major, offer.minor, offer.build)) {
    EndUpdateCheck(busy);
    return;
  }
  OfferUpdate(offer.major, offer.minor, offer.build, std::move(busy));
}

void CDialogDeviceSelection::OfferUpdate(int major, int minor, int build, BusyHold busy) {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  const int language = main->m_nLanguage;
  controls::CDialogMessageBox prompt(main);
  prompt.SetupThreeButtons(text::GetNewerProgramText(major, minor, build, language), false,
                           std::string(kReleaseNotesCaption), text::GetNoText(language),
                           text::GetYesText(language), kPromptSize);
  if (prompt.DoModal() != fw::IDOK) {
    EndUpdateCheck(busy);
    return;
  }

  fw::FileDialogRequest request = main->NewFileDialogRequest();
  m_strUpdatePath = request.folder;
  request.save = true;
  request.defaultName = BaseName(m_strUpdateFileName);
  request.filter = text::GetUpdateFileFilterText(language);
  const std::optional<std::string> chosen = fw::ShowFileDialog(request, nullptr);
  if (!chosen) {
    EndUpdateCheck(busy);
    return;
  }
  StartInstallerDownload(*chosen, std::move(busy));
}

void CDialogDeviceSelection::StartInstallerDownload(const std::string& path, BusyHold busy) {
  app::CUpdaterDlg* main = MainWindow();
  m_downloadBusy = std::move(busy);
  m_strUpdatePath = path;
  main->m_strCurrentPath = app::FolderOf(path);
  main->m_nProgress = 0;
  m_download.total = 0;
  m_download.received = 0;
  m_installerResult.reset();
  main->m_strStatus = text::InEveryLanguage(text::GetDownloadingUpdateText);
  main->ShowStatusMessage(main->GetStatusMessage(), false);

  m_installerDownload.Start(
      [this, url = io::UpdateServerAddress(m_strUpdateFileName), target = m_strUpdatePath](std::stop_token stop) {
        const int result = io::DownloadUrl(url, nullptr, &target, &m_download, stop);
        if (result < 0) m_download.received = result;
        return result;
      });
  SetTimer(TIMER_UPDATE_DOWNLOAD, kUpdateDownloadTickMs);
}

intptr_t CDialogDeviceSelection::OnMessage(unsigned msg, uintptr_t wParam, intptr_t lParam) {
  if (msg != WM_INSTALLER_DOWNLOADED) return CWizardPage::OnMessage(msg, wParam, lParam);
  // The next tick finishes the download; a dropped one's word takes nothing.
  if (const std::optional<int> result = m_installerDownload.Take(lParam)) m_installerResult = *result;
  return 0;
}

void CDialogDeviceSelection::OnUpdateDownloadTimer() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  // A transfer that has not begun within a tick counts as no connection.
  if (m_download.total == 0 && m_download.received >= 0) m_download.received = io::kDownloadNotOpened;
  const int received = m_download.received;
  const int total = m_download.total;
  if (received >= 0 && total > 0) {
    main->m_nProgress = static_cast<int>(std::min<int64_t>(int64_t{received} * 100 / total, 100));
    main->RefreshControls();
    RedrawSelection();
  }
  if (received < 0) {
    FinishInstallerDownload(false, received);
  } else if (m_installerResult) {
    // The nominal total may be passed by a large installer long before the worker's end.
    FinishInstallerDownload(true, 0);
  }
}

void CDialogDeviceSelection::FinishInstallerDownload(bool succeeded, int failure) {
  KillTimer(TIMER_UPDATE_DOWNLOAD);
  app::CUpdaterDlg* main = MainWindow();
  if (succeeded) {
    main->m_strStatus = text::InEveryLanguage(text::GetUpdateSucceededText);
  } else {
    main->m_strStatus = text::InEveryLanguage([failure](int language) {
      return text::Format("%s.", failure == io::kDownloadFileNotCreated ? text::GetCannotOpenFileText(language)
                                                                       : text::GetCannotConnectToServerText(language));
    });
  }
  main->ShowStatusMessage(main->GetStatusMessage(), !succeeded);
  if (succeeded) platform::Shell::Get().Open(m_strUpdatePath);
  m_downloadBusy.Release();
  main->m_nProgress = -1;
  main->RefreshControls();
  RedrawSelection();
  if (succeeded) main->OnOK();
}

void CDialogDeviceSelection::DropServerWait() {
  CWizardPage::DropServerWait();
  if (!m_downloadBusy.Held()) return;
  // The installer download is the check's last wait: stopped, its file left as it was.
  KillTimer(TIMER_UPDATE_DOWNLOAD);
  m_installerDownload.Drop();
  m_downloadBusy.Release();
  if (app::CUpdaterDlg* main = MainWindow()) main->m_nProgress = -1;
}

void CDialogDeviceSelection::EndUpdateCheck(BusyHold& busy) {
  busy.Release();
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  main->RefreshControls();
  RedrawSelection();
}

}  // namespace pages
