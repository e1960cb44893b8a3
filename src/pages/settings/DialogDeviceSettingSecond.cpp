#include "pages/settings/DialogDeviceSettingSecond.h"

#include <string>
#include <vector>

#include "app/UpdaterDlg.h"
#include "controls/DialogMessageBox.h"
#include "device/RadioServices.h"
#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/Edit.h"
#include "framework/UpDown.h"
#include "headset/bluecore/PsSettingsTransfer.h"
#include "headset/hid/HidSettingsSave.h"
#include "localization/FmPresetTexts.h"
#include "localization/SafeFormat.h"
#include "localization/SettingVocabulary.h"
#include "localization/SettingsPageTexts.h"
#include "localization/SharedTexts.h"
#include "pages/settings/DeviceSettingIds.h"
#include "resources/PageTemplates.h"
#include "settings/fm/TypedMegahertz.h"

namespace pages {

namespace {

constexpr int kFmPage = 6;
constexpr fw::Size kPresetMessageSize{415, 130};
constexpr fw::Size kRdsHelpSize{540, 195};
// While an arrow is held: 0.1 MHz steps after one second, 1 MHz steps after two.
const std::vector<fw::UdAccel> kPresetAcceleration = {{1, 10}, {2, 100}};

constexpr int kBoldControls[] = {IDC_FM_DEFAULT,   IDC_FM_CANCEL,    IDC_FM_REGION_LABEL, IDC_FM_REGION,
                                 IDC_FM_TITLE,     IDC_FM_RDS_LABEL, IDC_FM_RDS_ENABLE,   IDC_FM_RDS_DISABLE};

double Megahertz(int tenKilohertz) { return tenKilohertz / 100.0; }

}  // namespace

CDialogDeviceSettingSecond::CDialogDeviceSettingSecond() : CSettingsPage(res::DeviceSettingSecondTemplate(), kFmPage) {
  BindControl(IDC_FM_RDS_HELP, m_btnRdsHelp);
}

CDialogDeviceSettingSecond::~CDialogDeviceSettingSecond() = default;

template <typename T>
T* CDialogDeviceSettingSecond::PresetControl(PresetControlKind kind, int n) const {
  if (n < 0 || n >= kFmPresetCount) return nullptr;
  return dynamic_cast<T*>(m_apPresetControls[static_cast<std::size_t>(kind * kFmPresetCount + n)]);
}

int CDialogDeviceSettingSecond::IsSettingsModified() const {
  const app::CUpdaterDlg* main = MainWindow();
  // The product's own comparison, FM block included: it knows which products carry one.
  return main && m_editedSettings.SettingsDiffer(main->m_deviceSettings, true) ? 1 : 0;
}

void CDialogDeviceSettingSecond::BuildDefaults() {
  m_defaultSettings.CopyFrom(m_editedSettings, true);
  m_defaultSettings.SetFmDefaults(m_editedSettings.m_nProductId, m_editedSettings.m_nVersionMajor,
                                  m_editedSettings.m_nVersionMinor);
}

bool CDialogDeviceSettingSecond::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  for (std::size_t kind = 0; kind < kFmPresetControlKinds.size(); ++kind) {
    for (int n = 0; n < kFmPresetCount; ++n) {
      m_apPresetControls[kind * kFmPresetCount + static_cast<std::size_t>(n)] =
          GetDlgItem((*kFmPresetControlKinds[kind])[static_cast<std::size_t>(n)]);
    }
  }
  for (int n = 0; n < kFmPresetCount; ++n) {
    if (auto* spin = PresetControl<fw::UpDown>(kSpin, n)) {
      spin->SetBuddy(PresetControl<fw::Window>(kPosition, n));
      spin->SetAccel(kPresetAcceleration);
    }
  }
  ApplyBoldFont();
  m_btnRdsHelp.LoadBitmaps(kHelpButtonBitmap);
  m_btnRdsHelp.SizeToContent();
  return true;
}

void CDialogDeviceSettingSecond::ApplyBoldFont() {
  m_fontBold = GetFont().WithWeight(fw::FW_BOLD);
  for (int id : kBoldControls) {
    if (fw::Window* control = GetDlgItem(id)) control->SetFont(m_fontBold, true);
  }
  for (PresetControlKind kind : {kCheck, kEdit, kPosition, kUnit}) {
    for (int n = 0; n < kFmPresetCount; ++n) {
      if (fw::Window* control = PresetControl<fw::Window>(kind, n)) control->SetFont(m_fontBold, true);
    }
  }
}

int CDialogDeviceSettingSecond::Language() const {
  const app::CUpdaterDlg* main = MainWindow();
  return main ? main->m_nLanguage : 0;
}

bool CDialogDeviceSettingSecond::IsRefusing() const {
  const app::CUpdaterDlg* main = MainWindow();
  return !main || main->m_bBusy || main->m_bPageListOpen;
}

const device::FmBand* CDialogDeviceSettingSecond::Band() const {
  return device::FindFmBand(m_editedSettings.m_nFmRegion);
}

bool CDialogDeviceSettingSecond::IsPresetChecked(int n) const {
  const auto* check = PresetControl<fw::Button>(kCheck, n);
  return check && check->GetCheck() != 0;
}

void CDialogDeviceSettingSecond::ShowPresetText(int n) {
  auto* edit = PresetControl<fw::Edit>(kEdit, n);
  if (!edit) return;
  const int value = m_editedSettings.m_anFmPreset[static_cast<std::size_t>(n)];
  edit->SetWindowText(value != 0 ? text::Format("%0.1f", Megahertz(value))
                                 : text::VocabularyText(text::g_strEmpty, Language()));
}

void CDialogDeviceSettingSecond::SetPresetPosition(int n, int position) {
  if (auto* spin = PresetControl<fw::UpDown>(kSpin, n)) spin->SetPos(position);
}

void CDialogDeviceSettingSecond::ShowPageContents() {
  FillFmControls();
  RefreshSettingsPageTexts();
}

void CDialogDeviceSettingSecond::FillFmControls() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  if (!device::HasFmRadio(main->m_nDeviceTarget)) {
    main->GoToDeviceSettingPage(true);
    return;
  }
  const int region = m_editedSettings.m_nFmRegion;
  if (auto* combo = Control<fw::ComboBox>(IDC_FM_REGION)) combo->SetCurSel(Band() ? region : -1);
  const device::FmBand* band = Band();
  for (int n = 0; n < kFmPresetCount; ++n) {
    // One position beyond each end of the band, so that a step past an end can wrap round.
    if (auto* spin = PresetControl<fw::UpDown>(kSpin, n)) {
      spin->SetRange(band ? band->lowest - 1 : 0, band ? band->highest + 1 : 0);
    }
    int& value = m_editedSettings.m_anFmPreset[static_cast<std::size_t>(n)];
    const bool valid = device::CheckFmFrequency(region, value) == device::kFmFrequencyValid;
    if (!valid) value = 0;
    if (auto* check = PresetControl<fw::Button>(kCheck, n)) check->SetCheck(valid ? 1 : 0);
    SetPresetPosition(n, value);
    ShowPresetText(n);
  }
  SetRdsButtons();
}

void CDialogDeviceSettingSecond::SetRdsButtons() {
  if (auto* on = Control<fw::Button>(IDC_FM_RDS_ENABLE)) on->SetCheck(m_editedSettings.m_bFmRds ? 1 : 0);
  if (auto* off = Control<fw::Button>(IDC_FM_RDS_DISABLE)) off->SetCheck(m_editedSettings.m_bFmRds ? 0 : 1);
}

void CDialogDeviceSettingSecond::RefreshSettingsPageTexts() {
  const app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  const int language = Language();
  SetRedraw(false);
  if (auto* combo = Control<fw::ComboBox>(IDC_FM_REGION)) {
    combo->ResetContent();
    for (int region = 0; region < device::kFmRegionCount; ++region) {
      combo->AddString(text::VocabularyItem(text::g_strRadioRegions, language, region));
    }
    combo->SetCurSel(Band() ? m_editedSettings.m_nFmRegion : -1);
  }
  const auto caption = [this](int id, const std::string& text) {
    if (fw::Window* control = GetDlgItem(id)) control->SetWindowText(text);
  };
  caption(IDC_FM_DEFAULT, text::GetDefaultButtonText(language));
  caption(IDC_FM_CANCEL, text::GetCancelText(language));
  caption(IDC_FM_REGION_LABEL, text::VocabularyText(text::g_strRegion, language));
  caption(IDC_FM_TITLE, text::VocabularyText(text::g_strFmRadioPresets, language));
  caption(IDC_FM_RDS_LABEL, text::VocabularyText(text::g_strRdsAlternativeFrequencies, language));
  caption(IDC_FM_RDS_ENABLE, text::GetEnableText(language));
  caption(IDC_FM_RDS_DISABLE, text::GetDisableText(language));
  for (int n = 0; n < kFmPresetCount; ++n) {
    if (m_editedSettings.m_anFmPreset[static_cast<std::size_t>(n)] == 0) ShowPresetText(n);
  }

  const bool refusing = main->m_bBusy || main->m_bPageListOpen;
  const auto enable = [](fw::Window* control, bool on) {
    if (control) control->EnableWindow(on);
  };
  enable(GetDlgItem(IDC_FM_REGION), !refusing);
  for (int n = 0; n < kFmPresetCount; ++n) {
    const bool on = !refusing && IsPresetChecked(n);
    enable(PresetControl<fw::Window>(kCheck, n), !refusing);
    for (PresetControlKind kind : {kEdit, kPosition, kSpin}) enable(PresetControl<fw::Window>(kind, n), on);
  }
  for (int id : {IDC_FM_RDS_ENABLE, IDC_FM_RDS_DISABLE, IDC_FM_RDS_HELP}) enable(GetDlgItem(id), !refusing);
  SetRedraw(true);
  Invalidate();
}

void CDialogDeviceSettingSecond::OnButtonDefault() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  m_editedSettings.CopyFrom(m_defaultSettings, false);
  main->RefreshControls();
  FillFmControls();
  RefreshSettingsPageTexts();
}

void CDialogDeviceSettingSecond::OnButtonCancel() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  m_editedSettings.CopyFrom(main->m_deviceSettings, false);
  main->RefreshControls();
  FillFmControls();
  RefreshSettingsPageTexts();
}

void CDialogDeviceSettingSecond::OnPresetCheck(int n) {
  if (IsRefusing() || n < 0 || n >= kFmPresetCount) return;
  const device::FmBand* band = Band();
  auto* check = PresetControl<fw::Button>(kCheck, n);
  // Without a region there is no channel to start on: the preset stays off until one is chosen.
  if (!band && check) check->SetCheck(0);
  const bool checked = IsPresetChecked(n);

  int position = band ? band->lowest : 0;
  if (checked) {
    // Start where the nearest preset that is on stands, looking below first.
    const auto startOf = [this](int other) {
      const int value = m_editedSettings.m_anFmPreset[static_cast<std::size_t>(other)];
      return IsPresetChecked(other) && value > 0 ? value : 0;
    };
    int start = 0;
    for (int other = n - 1; other >= 0 && start == 0; --other) start = startOf(other);
    for (int other = n + 1; other < kFmPresetCount && start == 0; ++other) start = startOf(other);
    if (start != 0) position = start;
  } else {
    m_editedSettings.m_anFmPreset[static_cast<std::size_t>(n)] = 0;
  }
  for (PresetControlKind kind : {kEdit, kPosition, kSpin}) {
    if (fw::Window* control = PresetControl<fw::Window>(kind, n)) control->EnableWindow(checked);
  }
  SetPresetPosition(n, position);
  // The buddy reports only a text that changed; an unchanged one still has to be taken.
  OnPresetSpin(n);
}

int CDialogDeviceSettingSecond::ChannelFor(const device::FmBand& band, int position, int stored) const {
  if (position < band.lowest) return band.highest;
  if (position > band.highest) return band.lowest;
  const int offGrid = (position - band.lowest) % band.step;
  if (offGrid == 0) return position;
  // Between two channels: on to the next one in the direction the up-down moved.
  const int channel = position < stored ? position - offGrid : position - offGrid + band.step;
  return channel > band.highest ? band.lowest : channel;
}

void CDialogDeviceSettingSecond::OnPresetSpin(int n) {
  app::CUpdaterDlg* main = MainWindow();
  if (m_bInPresetSpin || IsRefusing() || main->m_nCurrentPage != kFmPage || n < 0 || n >= kFmPresetCount) return;
  m_bInPresetSpin = true;
  int& value = m_editedSettings.m_anFmPreset[static_cast<std::size_t>(n)];
  const device::FmBand* band = Band();
  const auto* spin = PresetControl<fw::UpDown>(kSpin, n);
  if (!IsPresetChecked(n) || !band || !spin) {
    value = 0;
  } else {
    const int channel = ChannelFor(*band, spin->GetPos(), value);
    if (device::CheckFmFrequency(m_editedSettings.m_nFmRegion, channel) == device::kFmFrequencyValid) value = channel;
    // The up-down stands on the stored channel, not between channels.
    if (spin->GetPos() != value) SetPresetPosition(n, value != 0 ? value : band->lowest);
  }
  m_bInPresetSpin = false;
  ShowPresetText(n);
  main->RefreshControls();
}

void CDialogDeviceSettingSecond::OnPresetEditFocus(int n) {
  if (auto* edit = PresetControl<fw::Edit>(kEdit, n)) edit->SetSel(0, -1);
}

void CDialogDeviceSettingSecond::OnPresetEditChange(int n) {
  if (auto* edit = PresetControl<fw::Edit>(kEdit, n)) edit->Invalidate();
}

void CDialogDeviceSettingSecond::OnPresetEditKillFocus(int n) {
  auto* edit = PresetControl<fw::Edit>(kEdit, n);
  // A preset that is off shows "Empty" and takes no typing.
  if (!edit || !IsPresetChecked(n)) return;
  const int region = m_editedSettings.m_nFmRegion;
  const int typed = settings::fm::ParseTypedMegahertz(edit->GetWindowText());
  const int check = device::CheckFmFrequency(region, typed);
  if (check == device::kFmFrequencyValid) {
    SetPresetPosition(n, typed);
    OnPresetSpin(n);
    return;
  }
  const int language = Language();
  const device::FmBand* band = Band();
  const std::string message =
      check == device::kFmFrequencyOutOfBand && band
          ? text::Format(text::GetFmPresetRangeText(language), Megahertz(band->lowest), Megahertz(band->highest))
          : text::GetFmPresetInvalidText(language);
  controls::CDialogMessageBox box(this);
  box.Setup(message, true, std::nullopt, text::GetOkText(language), kPresetMessageSize);
  box.DoModal();
  // The up-down still holds the stored channel: show it again.
  OnPresetSpin(n);
  ShowPresetText(n);
  edit->SetFocus();
}

void CDialogDeviceSettingSecond::OnRegionChange() {
  app::CUpdaterDlg* main = MainWindow();
  auto* combo = Control<fw::ComboBox>(IDC_FM_REGION);
  if (!main || !combo || combo->GetCurSel() < 0) return;
  m_editedSettings.m_nFmRegion = combo->GetCurSel();
  for (int& value : m_editedSettings.m_anFmPreset) {
    if (device::CheckFmFrequency(m_editedSettings.m_nFmRegion, value) != device::kFmFrequencyValid) value = 0;
  }
  main->RefreshControls();
  FillFmControls();
  RefreshSettingsPageTexts();
}

void CDialogDeviceSettingSecond::OnRdsOn() {
  m_editedSettings.m_bFmRds = 1;
  SetRdsButtons();
  if (app::CUpdaterDlg* main = MainWindow()) main->RefreshControls();
}

void CDialogDeviceSettingSecond::OnRdsOff() {
  m_editedSettings.m_bFmRds = 0;
  SetRdsButtons();
  if (app::CUpdaterDlg* main = MainWindow()) main->RefreshControls();
}

void CDialogDeviceSettingSecond::OnRdsHelp() {
  app::CUpdaterDlg* main = MainWindow();
  if (!main) return;
  controls::CDialogMessageBox box(main);
  box.Setup(text::GetRdsHelpText(main->m_nLanguage), false, std::nullopt, text::GetOkText(main->m_nLanguage),
            kRdsHelpSize);
  box.DoModal();
}

bool CDialogDeviceSettingSecond::OnCommand(int id, int notifyCode) {
  switch (id) {
    case IDC_FM_DEFAULT:
      if (notifyCode == fw::BN_CLICKED) OnButtonDefault();
      return true;
    case IDC_FM_CANCEL:
      if (notifyCode == fw::BN_CLICKED) OnButtonCancel();
      return true;
    case IDC_FM_REGION:
      if (notifyCode == fw::CBN_SELCHANGE) OnRegionChange();
      return true;
    case IDC_FM_RDS_ENABLE:
      if (notifyCode == fw::BN_CLICKED) OnRdsOn();
      return true;
    case IDC_FM_RDS_DISABLE:
      if (notifyCode == fw::BN_CLICKED) OnRdsOff();
      return true;
    case IDC_FM_RDS_HELP:
      if (notifyCode == fw::BN_CLICKED) OnRdsHelp();
      return true;
    default:
      break;
  }
  for (int n = 0; n < kFmPresetCount; ++n) {
    const auto i = static_cast<std::size_t>(n);
    if (id == kFmPresetCheckIds[i]) {
      if (notifyCode == fw::BN_CLICKED) OnPresetCheck(n);
      return true;
    }
    if (id == kFmPresetPositionIds[i]) {
      if (notifyCode == fw::EN_CHANGE) OnPresetSpin(n);
      return true;
    }
    if (id == kFmPresetEditIds[i]) {
      if (notifyCode == fw::EN_SETFOCUS) OnPresetEditFocus(n);
      if (notifyCode == fw::EN_CHANGE) OnPresetEditChange(n);
      if (notifyCode == fw::EN_KILLFOCUS) OnPresetEditKillFocus(n);
      return true;
    }
    if (id == kFmPresetSpinIds[i]) return true;  // its buddy reports the new position
  }
  return fw::Dialog::OnCommand(id, notifyCode);
}

bool CDialogDeviceSettingSecond::WritePersistentStoreKeys(headset::bluecore::PsKeyPort& port) {
  const app::CUpdaterDlg* main = MainWindow();
  // The other products keep their FM presets elsewhere: nothing to write over this path.
  if (!main || !device::KeepsFmBlockInPersistentStore(main->m_nDeviceTarget)) return true;
  return headset::bluecore::WriteFmBlockKey(port, m_editedSettings);
}

bool CDialogDeviceSettingSecond::HasHidPayload(int target) const { return headset::hid::HasHidFmPayload(target); }

bool CDialogDeviceSettingSecond::WriteHidSettings(headset::hid::HidHandles handles) {
  return headset::hid::WriteHidFmBlock(MainWindow()->m_nDeviceTarget, handles, m_editedSettings);
}

}  // namespace pages
