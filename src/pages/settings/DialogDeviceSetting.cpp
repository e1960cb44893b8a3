#include "pages/settings/DialogDeviceSetting.h"

#include <algorithm>

#include "app/UpdaterDlg.h"
#include "device/RadioServices.h"
#include "framework/ComboBox.h"
#include "framework/DeviceContext.h"
#include "framework/Edit.h"
#include "framework/ListView.h"
#include "framework/UpDown.h"
#include "headset/bluecore/BasicSettingsKeys.h"
#include "headset/hid/HidSettingsSave.h"
#include "localization/SafeFormat.h"
#include "localization/SettingHelpTexts.h"
#include "pages/settings/DeviceSettingIds.h"
#include "pages/settings/SwitchPanelRows.h"
#include "resources/PageTemplates.h"

namespace pages {

namespace {

constexpr int kDeviceUnitLanguageWord = 3;  // of the 0x31xx family, kept by DEFAULT
constexpr int kKeepsUnitLanguageOnDefault = 0x3110;
constexpr fw::Colour kNoteInk = fw::RGB(255, 112, 0);

// Every control that shows text in the page's bold font, the EDR note aside.
constexpr int kBoldControls[] = {
    IDC_SETTINGS_GRID, 1100, 1035, 1036, 1037, 1040, 1043, 1048, 1052, 1056, 1076, 1082, 1096, 1060, 1065,
    1070, 1069, 1071, 1038, 1039, 1041, 1042, 1045, 1046, 1050, 1051, 1054, 1055, 1058, 1059, 1078, 1079,
    1094, 1095, 1098, 1099, 1062, 1063, 1064, 1067, 1073, 1074, 1080, 1182, 1083, 1085, 1086, 1087, 1183,
    1089, 1091, 1092, 1075};

struct GridColumn {
  int format;
  int width;  // until the product's widths are set
};
// Help buttons, labels, values.
constexpr GridColumn kGridColumns[] = {{fw::LVCFMT_CENTER, 30}, {fw::LVCFMT_LEFT, 310}, {fw::LVCFMT_CENTER, 170}};

}  // namespace

CDialogDeviceSetting::CDialogDeviceSetting() : CSettingsPage(res::DeviceSettingTemplate(), 5) {
  const auto helps = HelpButtons();
  for (std::size_t i = 0; i < m_btnHelp.size() && i < helps.size(); ++i) BindControl(helps[i].id, m_btnHelp[i]);

  BindControl(res::IDC_GRID_SETTINGS, m_gridSettings);
  controls::GridHost host;
  host.popupOpen = &m_bDropDownOpen;
  host.currentPage = [this] { return MainWindow() ? MainWindow()->m_nCurrentPage : 0; };
  host.clickRules = [this](int row, int column) { RunGridClickRules(row, column); };
  host.popupRules = [this](int row, int) { RunGridChoiceRules(row); };
  host.refreshAfterPopup = [this] {
    RefreshSettingsPageTexts();
    if (app::CUpdaterDlg* main = MainWindow()) main->RefreshControls();
  };
  m_gridSettings.SetHost(std::move(host));
}

CDialogDeviceSetting::~CDialogDeviceSetting() = default;

int CDialogDeviceSetting::IsSettingsModified() const {
  const app::CUpdaterDlg* main = MainWindow();
  return main && m_editedSettings.SettingsDiffer(main->m_deviceSettings, false) ? 1 : 0;
}

void CDialogDeviceSetting::BuildDefaults() {
  m_defaultSettings.CopyFrom(m_editedSettings, true);
  m_defaultSettings.SetDefaults(m_editedSettings.m_nProductId, m_editedSettings.m_nVersionMajor,
                                m_editedSettings.m_nVersionMinor);
}

bool CDialogDeviceSetting::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  ApplyBoldFont();
  // The grid's insertion moves existing cells with their columns; the product may change the
  // widths when the grid shows (SetGridColumnWidths).
  for (int i = 0; i < static_cast<int>(std::size(kGridColumns)); ++i) {
    m_gridSettings.InsertColumn(i, "", kGridColumns[i].format, kGridColumns[i].width);
  }
  m_bDropDownOpen = false;
  for (controls::CBitmapButton& help : m_btnHelp) {
    help.LoadBitmaps(kHelpButtonBitmap);
    help.SizeToContent();
  }
  AttachTimeoutSpin();
  if (auto* levels = Control<fw::ComboBox>(IDC_BLEND_LIST)) {
    for (int label = 1; label <= kAudioBlendLevels; ++label) levels->AddString(text::Format("%2d", label));
  }
  return true;
}

void CDialogDeviceSetting::AttachTimeoutSpin() {
  auto* spin = Control<fw::UpDown>(IDC_TIMEOUT_SPIN);
  fw::Window* edit = GetDlgItem(IDC_TIMEOUT_EDIT);
  if (!spin || !edit) return;
  spin->SetRange(kAudioChannelTimeoutMin, kAudioChannelTimeoutMax);
  // Aligned right on its edit, as an attached up-down sits: inside the edit's right end.
  const fw::Rect e = edit->GetWindowRect();
  const int width = spin->GetWindowRect().Width();
  edit->MoveWindow(e.left, e.top, e.Width() - width, e.Height());
  spin->MoveWindow(e.right - width, e.top, width, e.Height());
}

int CDialogDeviceSetting::Language() const {
  const app::CUpdaterDlg* main = MainWindow();
  return main ? main->m_nLanguage : 0;
}

bool CDialogDeviceSetting::IsRefusing() const {
  const app::CUpdaterDlg* main = MainWindow();
  return !main || main->m_bBusy || main->m_bPageListOpen;
}

void CDialogDeviceSetting::ApplyBoldFont() {
  const fw::Font base = GetFont();
  const int language = Language();
  if (m_fontBold.IsNull() || base != m_boldFontBase || language != m_nBoldFontLanguage) {
    m_boldFontBase = base;
    m_nBoldFontLanguage = language;
    m_fontBold = base.WithWeight(fw::FW_BOLD);
    m_fontNote = language == kLanguageJapanese ? m_fontBold.WithHeight(base.Height() - 1) : m_fontBold;
  }
  for (int id : kBoldControls) {
    if (fw::Window* control = GetDlgItem(id)) control->SetFont(m_fontBold, true);
  }
  if (fw::Window* note = GetDlgItem(IDC_EDR_NOTE)) note->SetFont(m_fontNote, true);
}

fw::Brush CDialogDeviceSetting::OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) {
  fw::Brush brush = CWizardPage::OnCtlColor(dc, control, kind);
  const int id = control.GetDlgCtrlID();
  if (&control != this && (id == IDC_EDR_NOTE || id == IDC_RESTART_NOTE)) dc.SetTextColor(kNoteInk);
  return brush;
}

void CDialogDeviceSetting::ShowPageContents() {
  LayoutLegacyPanel();
  RefreshSettingsPageTexts();
  if (fw::Window* grid = GetDlgItem(IDC_SETTINGS_GRID)) grid->SetFocus();
}

void CDialogDeviceSetting::OnButtonDefault() {
  if (IsRefusing()) return;
  app::CUpdaterDlg* main = MainWindow();
  if (main->m_nDeviceTarget == kKeepsUnitLanguageOnDefault) {
    m_defaultSettings.m_anBasicSetting[kDeviceUnitLanguageWord] =
        main->m_deviceSettings.m_anBasicSetting[kDeviceUnitLanguageWord];
  }
  m_editedSettings.CopyFrom(m_defaultSettings, false);
  main->RefreshControls();
  LayoutLegacyPanel();
  RefreshSettingsPageTexts();
}

void CDialogDeviceSetting::OnButtonCancel() {
  if (IsRefusing()) return;
  app::CUpdaterDlg* main = MainWindow();
  m_editedSettings.CopyFrom(main->m_deviceSettings, false);
  main->RefreshControls();
  LayoutLegacyPanel();
  RefreshSettingsPageTexts();
}

std::string CDialogDeviceSetting::GetVideoModeHelpText() const {
  const app::CUpdaterDlg* main = MainWindow();
  const bool fromVersion2 = main && main->m_deviceSettings.CompareVersion(2, 0) >= 0;
  return text::GetVideoModeHelpText(Language(), fromVersion2);
}

bool CDialogDeviceSetting::OnCommand(int id, int notifyCode) {
  if (id == IDC_TIMEOUT_EDIT) {
    if (notifyCode == fw::EN_CHANGE) OnAudioChannelTimeoutChanged();
    return true;
  }
  if (id == IDC_TIMEOUT_SPIN) {
    // The up-down writes its position into its edit, as a buddy does.
    if (notifyCode == fw::UDN_DELTAPOS) SetTimeoutControls(Control<fw::UpDown>(IDC_TIMEOUT_SPIN)->GetPos());
    return true;
  }
  if (id == IDC_MOTION_LIST || id == IDC_BLEND_LIST) {
    if (notifyCode == fw::CBN_SELCHANGE) {
      if (id == IDC_MOTION_LIST) {
        OnMotionSensitivityChanged();
      } else {
        OnAudioBlendSensitivityChanged();
      }
    }
    return true;
  }
  if (notifyCode != fw::BN_CLICKED) return fw::Dialog::OnCommand(id, notifyCode);
  if (const SwitchPair* pair = FindSwitchPair(id)) {
    OnSwitchRadio(*pair, id == pair->enableId);
    return true;
  }
  if (const HelpButton* help = FindHelpButton(id)) {
    OnHelpButton(*help);
    return true;
  }
  switch (id) {
    case IDC_SETTINGS_DEFAULT: OnButtonDefault(); return true;
    case IDC_SETTINGS_CANCEL: OnButtonCancel(); return true;
    case IDC_NOTE_DETAILS: OnNoteDetails(); return true;
    case IDC_GAIN_LOW: OnRadioTransmitGain(device::kRadioTransmitGainLow); return true;
    case IDC_GAIN_MEDIUM: OnRadioTransmitGain(device::kRadioTransmitGainMedium); return true;
    case IDC_GAIN_HIGH: OnRadioTransmitGain(device::kRadioTransmitGainHigh); return true;
    case IDC_MORE_SETTINGS: return true;  // kept hidden; it has nothing to do
    default: return fw::Dialog::OnCommand(id, notifyCode);
  }
}

bool CDialogDeviceSetting::WritePersistentStoreKeys(headset::bluecore::PsKeyPort& port) {
  const app::CUpdaterDlg* main = MainWindow();
  return headset::bluecore::WriteBasicSettingsKeys(port, m_editedSettings, main->m_deviceSettings);
}

bool CDialogDeviceSetting::HasHidPayload(int target) const { return headset::hid::HasHidSettingsPayload(target); }

bool CDialogDeviceSetting::WriteHidSettings(headset::hid::HidHandles handles) {
  const app::CUpdaterDlg* main = MainWindow();
  return headset::hid::WriteHidBasicSettings(main->m_nDeviceTarget, handles, m_editedSettings, main->m_deviceSettings);
}

}  // namespace pages
