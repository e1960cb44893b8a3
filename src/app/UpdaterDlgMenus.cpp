// The About box, the online help and the language switch of the main window.
#include "app/AboutDlg.h"
#include "app/DialogLanguageManager.h"
#include "app/UpdaterDlg.h"
#include "framework/ComboBox.h"
#include "resources/Menus.h"
#include "localization/PageNumbers.h"

namespace app {

namespace {

// The firmware pages read the server's lists again for the new language after this short delay,
// busy from the change on.
constexpr unsigned kListReloadDelayMs = 10;

// The voice-prompt variants a firmware page lists; 0 when it has none (or no such list).
int VoicePromptEntries(const fw::Dialog& page, int comboId) {
  const auto* combo = page.Control<fw::ComboBox>(comboId);
  return combo ? combo->GetCount() : 0;
}

void EmptyVoicePrompts(const fw::Dialog& page, int comboId) {
  if (auto* combo = page.Control<fw::ComboBox>(comboId)) combo->ResetContent();
}

}  // namespace

bool CUpdaterDlg::OnChromeCommand(int id, int notifyCode) {
  switch (id) {
    case IDC_ABOUT:
      OnButtonAbout();
      return true;
    case res::ID_MENU_ABOUT:
      OnMenuAbout();
      return true;
    case res::ID_MENU_ONLINE_HELP:
      CAboutDlg::OnOnlineHelp();
      return true;
    case res::ID_MENU_LANGUAGE:
      OnLanguage();
      return true;
    case IDC_LANGUAGE_FLAG:
      if (notifyCode == fw::STN_CLICKED) OnLanguage();
      return true;
    default:
      return false;
  }
}

void CUpdaterDlg::OnButtonAbout() {
  if (IsRefusingCommands()) return;
  CAboutDlg about;
  about.DoModal();
}

void CUpdaterDlg::OnMenuAbout() {
  if (IsRefusingCommands()) return;
  PostMessage(fw::WM_COMMAND, fw::MakeCommand(IDC_ABOUT, fw::BN_CLICKED), 0);
}

void CUpdaterDlg::OnLanguage() {
  if (IsRefusingCommands()) return;
  CDialogLanguageManager dialog;
  dialog.m_nLanguage = m_nLanguage;
  dialog.m_bApplyToFirmwareLanguage = m_bApplyToFirmwareLanguage;
  if (dialog.DoModal() != fw::IDOK) return;
  ApplyLanguageChoice(dialog);
  AddToolTips();
}

void CUpdaterDlg::ApplyLanguageChoice(const CDialogLanguageManager& dialog) {
  if (dialog.m_nLanguage == m_nLanguage && dialog.m_bApplyToFirmwareLanguage == m_bApplyToFirmwareLanguage) return;
  m_nLanguage = text::LanguageOrEnglish(dialog.m_nLanguage);
  m_bApplyToFirmwareLanguage = dialog.m_bApplyToFirmwareLanguage;
  UpdateFonts();
  RefreshControls();
  RefreshStatusMessage();
  RedressPageForLanguage();
}

void CUpdaterDlg::RedressPageForLanguage() {
  switch (m_nCurrentPage) {
    case wizard::PAGE_SELECTION:
      m_dlgDeviceSelection.RedrawSelection();
      break;
    case wizard::PAGE_RECOGNITION:
      m_dlgDeviceRecognition.ShowRecognitionText();
      break;
    case wizard::PAGE_FIRMWARE_UPDATE:
      if (m_bApplyToFirmwareLanguage &&
          VoicePromptEntries(m_dlgFirmwareUpdate, firmware::IDC_FIRMWARE_VOICE_PROMPT) > 0) {
        // The list is read again in the new language; the newer-version offer was made already.
        firmware::g_bOfferNewerFirmware = false;
        m_dlgFirmwareUpdate.m_job.Reset(wizard::PAGE_FIRMWARE_UPDATE);
        EmptyVoicePrompts(m_dlgFirmwareUpdate, firmware::IDC_FIRMWARE_VOICE_PROMPT);
        m_dlgFirmwareUpdate.m_serverFetch.StartAfter(firmware::TIMER_FIRMWARE_LIST, kListReloadDelayMs);
        RefreshControls();
        m_dlgFirmwareUpdate.RefreshUpdatePage();
      } else {
        m_dlgFirmwareUpdate.RefreshUpdatePage();
      }
      break;
    case wizard::PAGE_FIRMWARE_RESTORE:
      if (m_bApplyToFirmwareLanguage &&
          VoicePromptEntries(m_dlgFirmwareRestore, firmware::IDC_RESTORE_VOICE_PROMPT) > 0) {
        m_dlgFirmwareRestore.m_job.Reset(wizard::PAGE_FIRMWARE_RESTORE);
        m_dlgFirmwareRestore.m_job.m_bFound = 1;
        EmptyVoicePrompts(m_dlgFirmwareRestore, firmware::IDC_RESTORE_VOICE_PROMPT);
        m_dlgFirmwareRestore.m_serverFetch.StartAfter(firmware::TIMER_RESTORE_LOOKUP, kListReloadDelayMs);
        RefreshControls();
      } else {
        m_dlgFirmwareRestore.RefreshRestorePage();
      }
      break;
    case wizard::PAGE_DEVICE_SETTING:
      m_dlgDeviceSetting.ApplyBoldFont();
      m_dlgDeviceSetting.RefreshSettingsPageTexts();
      m_dlgDeviceSetting.LayoutLegacyPanel();
      break;
    case wizard::PAGE_DEVICE_SETTING_SECOND:
      m_dlgDeviceSettingSecond.RefreshSettingsPageTexts();
      break;
    case wizard::PAGE_SPEED_DIAL:
      m_dlgDeviceSettingSpeedDial.RefreshSettingsPageTexts();
      break;
    default:
      break;
  }
}

}  // namespace app
