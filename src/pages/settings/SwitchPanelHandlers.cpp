// What the switch panel's controls do: each radio pair, gain radio, list and the time-out write
// one setting of the edited record; each "?" opens its help box; "..." shows the restart note.
#include <algorithm>
#include <string>

#include "app/UpdaterDlg.h"
#include "controls/DialogMessageBox.h"
#include "device/ModelNames.h"
#include "device/RadioServices.h"
#include "device/SettingsEditors.h"
#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/UpDown.h"
#include "localization/MakerAddresses.h"
#include "localization/SafeFormat.h"
#include "localization/SettingVocabulary.h"
#include "localization/SharedTexts.h"
#include "pages/settings/DeviceSettingIds.h"
#include "pages/settings/DialogDeviceSetting.h"
#include "pages/settings/SwitchPanelRows.h"
#include "platform/Shell.h"

namespace pages {

namespace {

constexpr int kMotionLevels = 3;   // Disable, Low, High stored as 1, 2, 3
constexpr fw::Size kNoteDetailsSize = {510, 160};

}  // namespace

void CDialogDeviceSetting::OnSwitchRadio(const SwitchPair& pair, bool enable) {
  if (IsRefusing()) return;
  app::CUpdaterDlg* main = MainWindow();
  pair.store(m_editedSettings, enable, device::IsDualInterfaceFamily(main->m_nDeviceTarget));
  SetRadioPair(pair.enableId, pair.disableId, enable);
  main->RefreshControls();
}

void CDialogDeviceSetting::OnRadioTransmitGain(int gain) {
  if (IsRefusing()) return;
  m_editedSettings.m_nRadioTransmitGain = gain;
  Control<fw::Button>(IDC_GAIN_LOW)->SetCheck(gain == device::kRadioTransmitGainLow ? 1 : 0);
  Control<fw::Button>(IDC_GAIN_MEDIUM)->SetCheck(gain == device::kRadioTransmitGainMedium ? 1 : 0);
  Control<fw::Button>(IDC_GAIN_HIGH)->SetCheck(gain == device::kRadioTransmitGainHigh ? 1 : 0);
  MainWindow()->RefreshControls();
}

void CDialogDeviceSetting::OnMotionSensitivityChanged() {
  if (IsRefusing()) return;
  const int index = Control<fw::ComboBox>(IDC_MOTION_LIST)->GetCurSel();
  // A list without a selection stores nothing.
  if (index < 0 || index >= kMotionLevels) return;
  m_editedSettings.SetMotionSensitivity(index + 1);
  MainWindow()->RefreshControls();
}

void CDialogDeviceSetting::OnAudioBlendSensitivityChanged() {
  if (IsRefusing()) return;
  const int index = Control<fw::ComboBox>(IDC_BLEND_LIST)->GetCurSel();
  if (index < 0 || index >= kAudioBlendLevels) return;
  m_editedSettings.SetAudioBlendSensitivity(kAudioBlendLevels - index);
  MainWindow()->RefreshControls();
}

void CDialogDeviceSetting::OnAudioChannelTimeoutChanged() {
  auto* spin = Control<fw::UpDown>(IDC_TIMEOUT_SPIN);
  if (!spin || !spin->IsCreated()) return;  // notifications while the page is being built
  m_editedSettings.m_nAudioChannelTimeout = std::clamp(spin->GetPos(), kAudioChannelTimeoutMin, kAudioChannelTimeoutMax);
  if (app::CUpdaterDlg* main = MainWindow()) main->RefreshControls();
}

void CDialogDeviceSetting::OnHelpButton(const HelpButton& help) {
  if (IsRefusing()) return;
  const app::CUpdaterDlg* main = MainWindow();
  const int language = main->m_nLanguage;
  const std::string format = help.text(language);
  const std::string model = device::GetModelName(main->m_nDeviceTarget, false);
  const std::string concurrent = text::VocabularyText(text::g_strConcurrentAudio, language);
  std::string message;
  switch (help.arguments) {
    case HelpArguments::None: message = format; break;
    case HelpArguments::ModelName: message = text::Format(format, model); break;
    case HelpArguments::ModelNameTwice: message = text::Format(format, model, model); break;
    case HelpArguments::NoiseControlName:
      message = text::Format(format, text::VocabularyText(text::g_strAmbientNoise, language));
      break;
    case HelpArguments::AudioBoostName:
      message = text::Format(format, text::VocabularyText(text::g_strAudioBoost, language));
      break;
    case HelpArguments::ConcurrentAudioAndFmRadio:
      message = text::Format(format, concurrent, text::VocabularyText(text::g_strFmRadio, language));
      break;
    case HelpArguments::ConcurrentAudio: message = text::Format(format, concurrent); break;
    case HelpArguments::ConcurrentAudioTwice: message = text::Format(format, concurrent, concurrent); break;
  }
  const bool japaneseSize = language == kLanguageJapanese && help.japaneseSize.cx != 0;
  ShowHelpBox(message, japaneseSize ? help.japaneseSize : help.size, help.mailButton);
}

void CDialogDeviceSetting::ShowHelpBox(const std::string& message, fw::Size size, bool withMailButton) {
  app::CUpdaterDlg* main = MainWindow();
  const int language = main->m_nLanguage;
  controls::CDialogMessageBox box(main);
  const controls::CDialogMessageBox::Caption mail =
      withMailButton ? controls::CDialogMessageBox::Caption(text::GetSendEmailText(language)) : std::nullopt;
  box.Setup(message, false, mail, text::GetOkText(language), size);
  if (box.DoModal() == fw::IDCANCEL && withMailButton) {
    platform::Shell::Get().Open(std::string("mailto:") + text::kSupportMailAddress);
  }
}

void CDialogDeviceSetting::OnNoteDetails() {
  if (IsRefusing()) return;
  const app::CUpdaterDlg* main = MainWindow();
  const std::string note = GetDlgItem(IDC_RESTART_NOTE)->GetWindowText();
  ShowHelpBox(text::Format("[%s]\n%s", text::GetPageTitleText(main->m_nCurrentPage, main->m_nLanguage), note),
              kNoteDetailsSize, false);
}

}  // namespace pages
