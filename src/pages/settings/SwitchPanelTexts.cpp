// The texts step of the device settings page: captions in the current language, then what the
// page shows for the product (its switch panel rows, the grid, or only DEFAULT and CANCEL).
#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "app/UpdaterDlg.h"
#include "device/SettingsEditors.h"
#include "device/SwitchPanelLayouts.h"
#include "framework/ComboBox.h"
#include "framework/ListView.h"
#include "localization/SettingVocabulary.h"
#include "localization/SettingsPageTexts.h"
#include "localization/SharedTexts.h"
#include "pages/settings/DeviceSettingIds.h"
#include "pages/settings/DialogDeviceSetting.h"
#include "pages/settings/SwitchPanelRows.h"

namespace pages {

namespace {

using text::VocabularyText;

struct Caption {
  int id;
  std::string (*text)(int language);
};

constexpr Caption kCaptions[] = {
    {IDC_MORE_SETTINGS, text::GetMoreSettingsText},
    {IDC_SETTINGS_DEFAULT, text::GetDefaultButtonText},
    {IDC_SETTINGS_CANCEL, text::GetCancelText},
    {IDC_VOX_PHONE_LABEL, [](int l) { return VocabularyText(text::g_strVoxPhone, l); }},
    {IDC_VOX_INTERCOM_LABEL, [](int l) { return VocabularyText(text::g_strVoxIntercom, l); }},
    {IDC_EDR_LABEL, [](int l) { return VocabularyText(text::g_strEnhancedDataRate, l); }},
    {IDC_EDR_NOTE, text::GetOnboardAudioNoteText},
    {IDC_PLC_LABEL, [](int l) { return VocabularyText(text::g_strPacketLossConcealment, l); }},
    {IDC_A2DP_LABEL, [](int l) { return VocabularyText(text::g_strHighQualityA2dp, l); }},
    {IDC_MIC_BOOST_LABEL, [](int l) { return VocabularyText(text::g_strMicrophoneBoosting, l); }},
    {IDC_SIDETONE_LABEL, [](int l) { return VocabularyText(text::g_strSidetone, l); }},
    {IDC_NOISE_LABEL, [](int l) { return VocabularyText(text::g_strAmbientNoise, l); }},
    {IDC_AGC_LABEL, [](int l) { return VocabularyText(text::g_strAutoGainControl, l); }},
    {IDC_GAIN_LABEL, [](int l) { return VocabularyText(text::g_strRadioTransmitGain, l); }},
    {IDC_TIMEOUT_LABEL, [](int l) { return VocabularyText(text::g_strAudioChannelTimeout, l); }},
    {IDC_AUDIO_BOOST_LABEL, [](int l) { return VocabularyText(text::g_strAudioBoost, l); }},
    {IDC_RESTART_NOTE, text::GetRestartNoteText},
    {IDC_GAIN_LOW, [](int l) { return text::VocabularyItem(text::g_strLowMediumHigh, l, 0); }},
    {IDC_GAIN_MEDIUM, [](int l) { return text::VocabularyItem(text::g_strLowMediumHigh, l, 1); }},
    {IDC_GAIN_HIGH, [](int l) { return text::VocabularyItem(text::g_strLowMediumHigh, l, 2); }},
    {IDC_TIMEOUT_UNIT, text::GetTimeoutRangeText},
    {IDC_MOTION_LABEL, [](int l) { return VocabularyText(text::g_strMotionSensorSensitivity, l); }},
    {IDC_CONCURRENT_LABEL, [](int l) { return VocabularyText(text::g_strConcurrentAudio, l); }},
    {IDC_BLEND_LABEL, [](int l) { return VocabularyText(text::g_strAudioBlendSensitivity, l); }},
    {IDC_NAV_APP_LABEL, [](int l) { return VocabularyText(text::g_strNavigationAppSupport, l); }},
};

// The "..." button beside the restart note: only these languages show it.
bool ShowsNoteDetails(int language) {
  return language == kLanguageFrench || language == kLanguageDutch || language == kLanguageRussian;
}

constexpr int kNarrowLabelProduct = 0x5510;
constexpr int kHelpColumnWidth = 30;
constexpr int kLabelColumnWidth = 310;
constexpr int kValueColumnWidth = 170;
constexpr int kNarrowLabelColumnWidth = 280;
constexpr int kWideValueColumnWidth = 200;

}  // namespace

void CDialogDeviceSetting::RefreshSettingsPageTexts() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  const int language = main->m_nLanguage;
  SetRedraw(false);
  ApplyBoldFont();
  for (const Caption& caption : kCaptions) {
    if (fw::Window* control = GetDlgItem(caption.id)) control->SetWindowText(caption.text(language));
  }
  for (const SwitchPair& pair : SwitchPairs()) {
    GetDlgItem(pair.enableId)->SetWindowText(text::GetEnableText(language));
    GetDlgItem(pair.disableId)->SetWindowText(text::GetDisableText(language));
  }
  FillMotionSensitivityList();
  fw::Window* more = GetDlgItem(IDC_MORE_SETTINGS);
  more->EnableWindow(false);
  more->ShowWindow(false);
  fw::Window* grid = GetDlgItem(IDC_SETTINGS_GRID);
  if (main->m_bBusy || main->m_bPageListOpen) {
    SetSwitchPanelState(false, false);
    grid->EnableWindow(false);
  } else {
    SetSwitchPanelState(true, true);
    grid->ShowWindow(false);
    grid->EnableWindow(false);
    switch (device::SettingsEditorFor(main->m_nDeviceTarget)) {
      case device::SettingsEditor::SwitchPanel:
        HideRowsNotShown();
        break;
      case device::SettingsEditor::Grid:
        SetSwitchPanelState(false, true);
        SetGridColumnWidths();
        grid->ShowWindow(true);
        grid->EnableWindow(true);
        break;
      case device::SettingsEditor::None:
        SetSwitchPanelState(false, true);
        break;
    }
  }
  SetRedraw(true);
  Invalidate(true);
}

void CDialogDeviceSetting::HideRowsNotShown() {
  const app::CUpdaterDlg* main = MainWindow();
  const int product = main->m_nDeviceTarget;
  const device::PanelBand* layout = device::FindSwitchPanelLayout(
      product, main->m_deviceSettings.m_nVersionMajor, main->m_deviceSettings.m_nVersionMinor);
  std::vector<int> shown;
  for (int r = 0; r <= static_cast<int>(device::PanelRow::Note); ++r) {
    const auto row = static_cast<device::PanelRow>(r);
    const PanelRowControls* controls = ControlsOfRow(row);
    if (controls && layout && layout->Shows(row, product)) {
      shown.insert(shown.end(), std::begin(controls->ids), std::end(controls->ids));
    }
  }
  const auto isShown = [&](int id) { return std::find(shown.begin(), shown.end(), id) != shown.end(); };
  for (int id : PanelLabelIds()) {
    if (!isShown(id)) GetDlgItem(id)->ShowWindow(false);
  }
  for (int id : PanelActiveIds()) {
    if (isShown(id)) continue;
    fw::Window* control = GetDlgItem(id);
    control->ShowWindow(false);
    control->EnableWindow(false);
  }
}

void CDialogDeviceSetting::SetSwitchPanelState(bool bOn, bool bShowHide) {
  const bool details = ShowsNoteDetails(Language());
  fw::Window* note = GetDlgItem(IDC_NOTE_DETAILS);
  if (bShowHide) {
    for (int id : PanelLabelIds()) GetDlgItem(id)->ShowWindow(bOn);
    for (int id : PanelActiveIds()) {
      fw::Window* control = GetDlgItem(id);
      control->ShowWindow(bOn);
      control->EnableWindow(bOn);
    }
    note->ShowWindow(bOn && details);
    note->EnableWindow(bOn && details);
    return;
  }
  for (int id : PanelActiveIds()) GetDlgItem(id)->EnableWindow(bOn);
  note->EnableWindow(bOn);
}

void CDialogDeviceSetting::SetGridColumnWidths() {
  const app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  const bool narrowLabels = main->m_nDeviceTarget == kNarrowLabelProduct && main->m_nLanguage == kLanguageRussian;
  m_gridSettings.SetColumnWidth(0, kHelpColumnWidth);
  m_gridSettings.SetColumnWidth(1, narrowLabels ? kNarrowLabelColumnWidth : kLabelColumnWidth);
  m_gridSettings.SetColumnWidth(2, narrowLabels ? kWideValueColumnWidth : kValueColumnWidth);
}

void CDialogDeviceSetting::FillMotionSensitivityList() {
  auto* list = Control<fw::ComboBox>(IDC_MOTION_LIST);
  if (!list) return;
  const int language = Language();
  list->ResetContent();
  list->AddString(text::GetDisableText(language));
  list->AddString(text::VocabularyItem(text::g_strLowMediumHigh, language, 0));
  list->AddString(text::VocabularyItem(text::g_strLowMediumHigh, language, 2));
  // Stored levels are 1 Disable, 2 Low, 3 High; another value selects nothing.
  list->SetCurSel(m_editedSettings.GetMotionSensitivity() - 1);
}

}  // namespace pages
