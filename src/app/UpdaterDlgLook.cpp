// How the main window's own controls are coloured and which fonts they use.
#include <map>

#include "app/UpdaterDlg.h"
#include "framework/Font.h"

namespace app {

namespace {

constexpr int kLanguageFrench = 1;
constexpr int kLanguageGerman = 2;

// Controls that get the bold font, in the order they get it.
constexpr int kBoldControls[] = {
    IDC_DEVICE_LINE1,     IDC_DEVICE_LINE2,     IDC_ABOUT,       IDC_CLOSE,          IDC_SHOW_STATUS,
    IDC_NAV_WELCOME,      IDC_NAV_RECOGNITION,  IDC_NAV_FIRMWARE_UPDATE, IDC_NAV_FIRMWARE_RESTORE,
    IDC_NAV_DEVICE_SETTING, IDC_TAB_BAND,       IDC_STATUS_BACKGROUND, IDC_STATUS_TEXT, IDC_PERCENT_NUMBER,
    IDC_PERCENT_SIGN,     IDC_BACK,             IDC_UPDATE_SHORTCUT, IDC_NEXT,       IDC_RESTORE_SHORTCUT,
    IDC_ACTION,           IDC_TAB_FIRST,        IDC_TAB_SECOND,  IDC_PAGE_LIST,
};

}  // namespace

const fw::Brush& CUpdaterDlg::BackgroundBrushOf(fw::Window& control) {
  // Taken the first time the control asks: the background picture under it never changes.
  auto found = m_panelBrushes.find(control.GetDlgCtrlID());
  if (found == m_panelBrushes.end()) {
    const fw::Brush brush = fw::Brush::Pattern(fw::Bitmap::FromBackground(control));
    found = m_panelBrushes.emplace(control.GetDlgCtrlID(), brush).first;
  }
  return found->second;
}

void CUpdaterDlg::UpdateFonts() {
  const fw::Font bold = GetFont().WithWeight(fw::FW_BOLD);
  for (int id : kBoldControls) {
    if (fw::Window* control = GetDlgItem(id)) control->SetFont(bold, true);
  }
  // Some navigation captions are long in French and German: one unit smaller there.
  const fw::Font smaller = bold.WithHeight(bold.Height() + 1);
  if (m_nLanguage == kLanguageFrench) {
    m_btnNavigation[1].SetFont(smaller, true);
    m_btnNavigation[3].SetFont(smaller, true);
  } else if (m_nLanguage == kLanguageGerman) {
    m_btnNavigation[4].SetFont(smaller, true);
  }
}

fw::Brush CUpdaterDlg::OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) {
  const fw::Brush answer = fw::Dialog::OnCtlColor(dc, control, kind);
  const int id = control.GetDlgCtrlID();
  if (&control == this) return answer;
  switch (id) {
    case IDC_NAV_WELCOME:
    case IDC_NAV_RECOGNITION:
    case IDC_NAV_FIRMWARE_UPDATE:
    case IDC_NAV_FIRMWARE_RESTORE:
    case IDC_NAV_DEVICE_SETTING:
      dc.SetBkMode(fw::BkMode::Transparent);
      return m_brushNavigation;
    case IDC_TAB_BAND:
    case IDC_TAB_FIRST:
    case IDC_TAB_SECOND:
      dc.SetBkMode(fw::BkMode::Transparent);
      return m_brushTitle;
    case IDC_STATUS_BACKGROUND:
    case IDC_STATUS_TEXT:
      dc.SetBkMode(fw::BkMode::Transparent);
      dc.SetTextColor(fw::colours::kBlack);
      return m_bStatusNormal ? m_brushStatusNormal : m_brushStatusError;
    case IDC_DEVICE_PICTURE:
    case IDC_DEVICE_LINE1:
    case IDC_DEVICE_LINE2:
      dc.SetBkMode(fw::BkMode::Transparent);
      return BackgroundBrushOf(control);
    case IDC_CLOSE:
    case IDC_ABOUT:
    case IDC_SHOW_STATUS:
    case IDC_BACK:
    case IDC_NEXT:
    case IDC_ACTION:
    case IDC_UPDATE_SHORTCUT:
    case IDC_RESTORE_SHORTCUT:
    case IDC_PROGRESS:
    case IDC_PERCENT_SIGN:
    case IDC_PERCENT_NUMBER:
    case IDC_PAGE_LIST:
    case IDC_PAGE_FRAME:
    case IDC_BACKGROUND:
      dc.SetBkMode(fw::BkMode::Transparent);
      return m_brushWhite;
    default:
      if (kind == fw::CtlColor::Static) {
        dc.SetBkMode(fw::BkMode::Transparent);
        return m_brushWhite;
      }
      return answer;
  }
}

}  // namespace app
