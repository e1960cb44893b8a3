// The status line under the page frame: one message kept in every UI language, so that a language
// switch shows it again without asking the page that composed it.
#include "app/UpdaterDlg.h"
#include "controls/DialogMessageBox.h"
#include "localization/PageNumbers.h"
#include "localization/SafeFormat.h"
#include "localization/SharedTexts.h"
#include "localization/StatusTexts.h"

namespace app {

namespace {

constexpr fw::Size kStatusBoxSize = {510, 160};
// Return codes above this stand for "saved on a settings page, then go on to code - 100".
constexpr int kAfterSaveCodeBase = 100;

}  // namespace

std::string CUpdaterDlg::GetStatusMessage() const {
  return m_strStatus[static_cast<size_t>(text::LanguageOrEnglish(m_nLanguage))];
}

void CUpdaterDlg::SetStatusMessage(const std::string& message, int language) {
  if (language < 0 || language >= text::kLanguageCount) return;
  m_strStatus[static_cast<size_t>(language)] = message;
}

std::string CUpdaterDlg::BuildInstructionStatus() {
  m_strStatus = text::InEveryLanguage(
      [&](int language) { return text::GetPageInstructionText(m_nCurrentPage, m_nUsbStatus, language); });
  return GetStatusMessage();
}

std::string CUpdaterDlg::BuildProgressStatus() {
  m_strStatus = text::InEveryLanguage(
      [&](int language) { return text::GetPageProgressText(m_nCurrentPage, m_nUsbStatus, language); });
  return GetStatusMessage();
}

void CUpdaterDlg::ShowStatusMessage(const std::string& message, bool error) {
  m_bStatusNormal = !error;
  // Setting the background's text repaints it in the new colour.
  m_staticStatusBackground.SetWindowText("");
  m_staticStatusBackground.Invalidate();
  m_staticStatusText.SetWindowText(message);
  m_staticStatusText.Invalidate();
}

void CUpdaterDlg::RefreshStatusMessage() {
  m_staticStatusBackground.SetWindowText("");
  m_staticStatusBackground.Invalidate();
  m_staticStatusText.SetWindowText(GetStatusMessage());
  m_staticStatusText.Invalidate();
}

void CUpdaterDlg::ShowPageStatus() {
  const int returnPage = m_dlgDeviceRecognition.m_nReturnPage;
  if (m_nCurrentPage != wizard::PAGE_RECOGNITION || returnPage == 0) {
    ShowStatusMessage(BuildInstructionStatus(), false);
    return;
  }
  // A silent recognition on the way back: what just succeeded, then what page 2 does now. A code
  // above 100 comes from a settings save, whose success it reports.
  const int succeeded = returnPage > kAfterSaveCodeBase ? wizard::PAGE_DEVICE_SETTING : returnPage;
  m_strStatus = text::InEveryLanguage([&](int language) {
    return text::Format("%s. %s", text::GetPageSuccessText(succeeded, m_nUsbStatus, language),
                        text::GetPageInstructionText(2, m_nUsbStatus, language));
  });
  ShowStatusMessage(GetStatusMessage(), false);
}

void CUpdaterDlg::OnButtonShowStatus() {
  // Refused while busy, as every command is: a click queued before the button was disabled
  // opens nothing over the duty under way.
  if (m_bBusy) return;
  const std::string message =
      text::Format("[%s]\n%s", text::GetPageTitleText(m_nCurrentPage, m_nLanguage), GetStatusMessage());
  controls::CDialogMessageBox box(this);
  box.Setup(message, !m_bStatusNormal, std::nullopt, text::GetOkText(m_nLanguage), kStatusBoxSize);
  box.DoModal();
}

}  // namespace app
