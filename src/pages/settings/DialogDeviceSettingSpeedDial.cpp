#include "pages/settings/DialogDeviceSettingSpeedDial.h"

#include <algorithm>

#include "app/UpdaterDlg.h"
#include "framework/Edit.h"
#include "headset/bluecore/PsSettingsTransfer.h"
#include "headset/hid/HidSettingsSave.h"
#include "localization/SafeFormat.h"
#include "localization/SettingVocabulary.h"
#include "localization/SettingsPageTexts.h"
#include "localization/SharedTexts.h"
#include "resources/PageTemplates.h"

namespace pages {

namespace {

constexpr std::array<int, device::CDeviceSettings::kSpeedDialCount> kNumberEdits = {
    IDC_SPEED_DIAL_EDIT_1, IDC_SPEED_DIAL_EDIT_2, IDC_SPEED_DIAL_EDIT_3};
constexpr std::array<int, device::CDeviceSettings::kSpeedDialCount> kNumberLabels = {
    IDC_SPEED_DIAL_LABEL_1, IDC_SPEED_DIAL_LABEL_2, IDC_SPEED_DIAL_LABEL_3};
constexpr int kBoldControls[] = {IDC_SPEED_DIAL_DEFAULT, IDC_SPEED_DIAL_CANCEL, IDC_SPEED_DIAL_LABEL_1,
                                 IDC_SPEED_DIAL_EDIT_1,  IDC_SPEED_DIAL_LABEL_2, IDC_SPEED_DIAL_EDIT_2,
                                 IDC_SPEED_DIAL_LABEL_3, IDC_SPEED_DIAL_EDIT_3};

std::string DiallingCharactersOf(const std::string& text) {
  std::string kept;
  for (const char c : text) {
    if (kSpeedDialCharacters.find(c) != std::string_view::npos) kept += c;
  }
  return kept;
}

// After a paste the wanted place can lie past the shortened text (or before its start).
void PlaceSelection(fw::Edit& edit, int start, int end) {
  const int length = static_cast<int>(edit.GetWindowText().size());
  edit.SetSel(std::clamp(start, 0, length), std::clamp(end, 0, length));
}

}  // namespace

CDialogDeviceSettingSpeedDial::CDialogDeviceSettingSpeedDial()
    : CSettingsPage(res::DeviceSettingSpeedDialTemplate(), 7) {}

CDialogDeviceSettingSpeedDial::~CDialogDeviceSettingSpeedDial() = default;

int CDialogDeviceSettingSpeedDial::IsSettingsModified() const {
  const app::CUpdaterDlg* main = MainWindow();
  return main && m_editedSettings.m_astrSpeedDial != main->m_deviceSettings.m_astrSpeedDial ? 1 : 0;
}

void CDialogDeviceSettingSpeedDial::BuildDefaults() {
  m_defaultSettings.CopyFrom(m_editedSettings, true);
  m_defaultSettings.SetSpeedDialDefaults(m_editedSettings.m_nProductId, m_editedSettings.m_nVersionMajor,
                                         m_editedSettings.m_nVersionMinor);
}

bool CDialogDeviceSettingSpeedDial::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  m_fontBold = GetFont().WithWeight(fw::FW_BOLD);
  for (const int id : kBoldControls) {
    if (fw::Window* control = GetDlgItem(id)) control->SetFont(m_fontBold, true);
  }
  return true;
}

int CDialogDeviceSettingSpeedDial::Language() const {
  const app::CUpdaterDlg* main = MainWindow();
  return main ? main->m_nLanguage : 0;
}

bool CDialogDeviceSettingSpeedDial::IsRefusing() const {
  const app::CUpdaterDlg* main = MainWindow();
  return !main || main->m_bBusy || main->m_bPageListOpen;
}

void CDialogDeviceSettingSpeedDial::ShowPageContents() { ShowEditedNumbers(); }

void CDialogDeviceSettingSpeedDial::ShowEditedNumbers() {
  FillNumbers();
  RefreshSettingsPageTexts();
}

void CDialogDeviceSettingSpeedDial::FillNumbers() {
  for (std::size_t n = 0; n < kNumberEdits.size(); ++n) {
    // Each write notifies the page again, which finds nothing more to change.
    if (fw::Window* edit = GetDlgItem(kNumberEdits[n])) edit->SetWindowText(m_editedSettings.m_astrSpeedDial[n]);
  }
}

void CDialogDeviceSettingSpeedDial::RefreshSettingsPageTexts() {
  const int language = Language();
  if (fw::Window* button = GetDlgItem(IDC_SPEED_DIAL_DEFAULT)) button->SetWindowText(text::GetDefaultButtonText(language));
  if (fw::Window* button = GetDlgItem(IDC_SPEED_DIAL_CANCEL)) button->SetWindowText(text::GetCancelText(language));
  const bool editable = !IsRefusing();
  for (std::size_t n = 0; n < kNumberEdits.size(); ++n) {
    if (fw::Window* label = GetDlgItem(kNumberLabels[n])) {
      label->SetWindowText(
          text::Format("%s %d", text::VocabularyText(text::g_strSpeedDial, language), static_cast<int>(n) + 1));
    }
    if (fw::Window* edit = GetDlgItem(kNumberEdits[n])) edit->EnableWindow(editable);
  }
}

void CDialogDeviceSettingSpeedDial::OnNumberChange(int n) {
  if (n < 0 || n >= static_cast<int>(kNumberEdits.size())) return;
  auto* edit = Control<fw::Edit>(kNumberEdits[static_cast<std::size_t>(n)]);
  if (!edit) return;
  std::string& number = m_editedSettings.m_astrSpeedDial[static_cast<std::size_t>(n)];
  number = edit->GetWindowText();
  int start = 0;
  int end = 0;
  edit->GetSel(start, end);

  const std::string kept = DiallingCharactersOf(number);
  if (kept.size() != number.size()) {
    number = kept;
    ShowEditedNumbers();
    // Where the rejected character was typed.
    PlaceSelection(*edit, start - 1, end - 1);
  } else if (number.size() > kSpeedDialMaxLength) {
    number.resize(kSpeedDialMaxLength);
    ShowEditedNumbers();
    PlaceSelection(*edit, start, end);
  }
  if (app::CUpdaterDlg* main = MainWindow()) main->RefreshControls();
  edit->Invalidate();
}

void CDialogDeviceSettingSpeedDial::OnButtonDefault() {
  if (IsRefusing()) return;
  m_editedSettings.CopyFrom(m_defaultSettings, false);
  MainWindow()->RefreshControls();
  ShowEditedNumbers();
}

void CDialogDeviceSettingSpeedDial::OnButtonCancel() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  m_editedSettings.CopyFrom(main->m_deviceSettings, false);
  main->RefreshControls();
  ShowEditedNumbers();
}

bool CDialogDeviceSettingSpeedDial::OnCommand(int id, int notifyCode) {
  const auto edit = std::find(kNumberEdits.begin(), kNumberEdits.end(), id);
  if (edit != kNumberEdits.end()) {
    if (notifyCode == fw::EN_CHANGE) OnNumberChange(static_cast<int>(edit - kNumberEdits.begin()));
    return true;
  }
  if (notifyCode == fw::BN_CLICKED && id == IDC_SPEED_DIAL_DEFAULT) {
    OnButtonDefault();
    return true;
  }
  if (notifyCode == fw::BN_CLICKED && id == IDC_SPEED_DIAL_CANCEL) {
    OnButtonCancel();
    return true;
  }
  return fw::Dialog::OnCommand(id, notifyCode);
}

bool CDialogDeviceSettingSpeedDial::WritePersistentStoreKeys(headset::bluecore::PsKeyPort& port) {
  return headset::bluecore::WriteSpeedDialKeys(port, m_editedSettings);
}

bool CDialogDeviceSettingSpeedDial::HasHidPayload(int target) const { return headset::hid::HasHidSpeedDialPayload(target); }

bool CDialogDeviceSettingSpeedDial::WriteHidSettings(headset::hid::HidHandles handles) {
  return headset::hid::WriteHidSpeedDials(MainWindow()->m_nDeviceTarget, handles, m_editedSettings);
}

}  // namespace pages
