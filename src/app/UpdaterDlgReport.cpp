// The context menu's diagnostic report: asks where to save it and writes it there.
#include <ctime>
#include <filesystem>
#include <system_error>

#include "app/DiagnosticReport.h"
#include "app/UpdaterDlg.h"
#include "controls/DialogMessageBox.h"
#include "framework/FileDialog.h"
#include "io/AtomicFile.h"
#include "localization/LanguageNames.h"
#include "localization/ServerFailureTexts.h"
#include "localization/SharedTexts.h"
#include "platform/Paths.h"

namespace app {

namespace {

constexpr fw::Size kWriteFailureBoxSize = {440, 130};

std::tm LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace

std::string CUpdaterDlg::SaveDialogFolder() const {
  if (!m_strCurrentPath.empty()) {
    // A remembered folder that is gone would leave the dialog in the process's working folder.
    std::error_code error;
    if (std::filesystem::is_directory(m_strCurrentPath, error)) return m_strCurrentPath;
    const std::string home = platform::Paths::HomeFolder();
    if (!home.empty()) return home + "/";
  }
  const std::string program = platform::Paths::Get().ProgramFolder();
  return program.empty() ? "/" : platform::Paths::Get().ImageFolder() + "/";
}

fw::FileDialogRequest CUpdaterDlg::NewFileDialogRequest() const {
  fw::FileDialogRequest request;
  request.folder = SaveDialogFolder();
  request.locale = text::GetLocaleName(m_nLanguage);
  return request;
}

void CUpdaterDlg::OnMenuDiagnosticLog() {
  if (IsRefusingCommands()) return;

  fw::FileDialogRequest request = NewFileDialogRequest();
  request.save = true;
  request.filter = kDiagnosticLogFilter;
  request.defaultName = DiagnosticLogFileName(LocalTimeNow());
  const std::optional<std::string> chosen = fw::ShowFileDialog(request, nullptr);
  if (!chosen) return;

  m_strCurrentPath = *chosen;
  ManagerState manager;
  manager.status = m_staticStatusText.GetWindowText();
  manager.deviceRecognized = m_bDeviceRecognized;
  manager.deviceTarget = m_nDeviceTarget;
  manager.usbStatus = m_nUsbStatus;
  const std::string report = ComposeDiagnosticReport(manager, m_deviceSettings, GatherSystemState());
  // The user asked for this file and would otherwise send support a report that does not exist.
  if (!io::WriteFileAtomically(*chosen, io::ToCrLf(report))) {
    controls::CDialogMessageBox box(this);
    box.Setup(text::GetCannotOpenFileText(m_nLanguage), true, std::nullopt, text::GetOkText(m_nLanguage),
              kWriteFailureBoxSize);
    box.DoModal();
  }
  m_strCurrentPath = FolderOf(*chosen);
}

}  // namespace app
