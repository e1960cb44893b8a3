#include "firmware/update/DialogNewUpdateFound.h"

#include "app/UpdaterDlg.h"
#include "app/WindowColours.h"
#include "device/FirmwareVersionForms.h"
#include "device/Version.h"
#include "framework/Bitmap.h"
#include "framework/Font.h"
#include "localization/FirmwareTexts.h"
#include "localization/SafeFormat.h"
#include "localization/SettingVocabulary.h"
#include "localization/SharedTexts.h"
#include "resources/DialogTemplates.h"

namespace firmware {

namespace {

constexpr fw::Colour kBackground = fw::RGB(236, 236, 216);
constexpr fw::Size kLogoSize = {64, 64};

}  // namespace

CDialogNewUpdateFound::CDialogNewUpdateFound(app::CUpdaterDlg* main)
    : fw::Dialog(res::NewUpdateFoundTemplate(), main), main_(main) {
  BindControl(IDC_OFFER_LOGO, m_staticLogo);
  BindControl(IDC_OFFER_QUESTION, m_staticQuestion);
  BindControl(IDC_OFFER_CURRENT_CAPTION, m_staticCurrentCaption);
  BindControl(IDC_OFFER_NEW_CAPTION, m_staticNewCaption);
  BindControl(IDC_OFFER_CURRENT_VERSION, m_staticCurrentVersion);
  BindControl(IDC_OFFER_NEW_VERSION, m_staticNewVersion);
  BindControl(IDC_OFFER_VOICE_PROMPT, m_comboVoicePrompt);
  BindControl(IDC_OFFER_VOICE_PROMPT_CAPTION, m_staticVoicePrompt);
  BindControl(fw::IDOK, m_btnYes);
  BindControl(fw::IDCANCEL, m_btnNo);
}

CDialogNewUpdateFound::~CDialogNewUpdateFound() = default;

int CDialogNewUpdateFound::Language() const { return main_ ? main_->m_nLanguage : 0; }

std::string CDialogNewUpdateFound::GetQuestionText() const { return text::GetNewFirmwareQuestionText(Language()); }
std::string CDialogNewUpdateFound::GetCurrentVersionText() const { return text::GetCurrentVersionText(Language()); }
std::string CDialogNewUpdateFound::GetNewVersionText() const { return text::GetNewVersionText(Language()); }

bool CDialogNewUpdateFound::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  const fw::Font bold = GetFont().WithWeight(fw::FW_BOLD);
  for (fw::Window* control : std::initializer_list<fw::Window*>{
           &m_staticQuestion, &m_staticCurrentCaption, &m_staticNewCaption, &m_staticCurrentVersion,
           &m_staticNewVersion, &m_comboVoicePrompt, &m_staticVoicePrompt, &m_btnYes, &m_btnNo}) {
    control->SetFont(bold, true);
  }
  m_staticLogo.SetBitmap(fw::Bitmap::Load(res::IDB_LOGO, kLogoSize));
  m_staticQuestion.SetWindowText(GetQuestionText());
  m_staticCurrentCaption.SetWindowText(GetCurrentVersionText());
  m_staticNewCaption.SetWindowText(GetNewVersionText());
  m_btnYes.SetWindowText(text::GetYesText(Language()));
  m_btnNo.SetWindowText(text::GetNoText(Language()));
  if (main_) {
    ShowVersions();
    CopyVoicePrompts();
  }
  return true;
}

void CDialogNewUpdateFound::ShowVersions() {
  const int target = main_->m_nDeviceTarget;
  const CFirmwareJob& job = main_->m_dlgFirmwareUpdate.m_job;
  const device::CDeviceSettings& dev = main_->m_deviceSettings;
  if (device::UsesFourPartVersion(target)) {
    m_staticNewVersion.SetWindowText(
        text::Format("%d.%d.%d.%d", job.m_nServerType, job.m_nServerSub, job.m_nServerMajor, job.m_nServerMinor));
    m_staticCurrentVersion.SetWindowText(text::Format("%d.%d.%d.%d", dev.m_nSecondaryVersionType,
                                                      dev.m_nSecondaryVersion, dev.m_nVersionMajor,
                                                      dev.m_nVersionMinor));
    return;
  }
  const auto thirdNumber = [target](int sub) {
    return sub != 0 || device::ShowsZeroThirdNumber(target) ? text::Format(".%d", sub) : std::string();
  };
  m_staticNewVersion.SetWindowText(
      text::Format("%d.%d%s", job.m_nServerMajor, job.m_nServerMinor, thirdNumber(job.m_nServerSub)));
  std::string current;
  if (dev.m_nSecondaryVersionType == device::kVersionReleaseCandidate) {
    current = text::Format("%d.%drc%s", dev.m_nVersionMajor, dev.m_nVersionMinor,
                           dev.m_nSecondaryVersion != 0 ? text::Format("%d", dev.m_nSecondaryVersion) : "");
  } else if (dev.m_nSecondaryVersionType == device::kVersionThirdNumber) {
    current = text::Format("%d.%d%s", dev.m_nVersionMajor, dev.m_nVersionMinor, thirdNumber(dev.m_nSecondaryVersion));
  } else {
    current = text::Format("%d.%d", dev.m_nVersionMajor, dev.m_nVersionMinor);
  }
  m_staticCurrentVersion.SetWindowText(current);
}

void CDialogNewUpdateFound::CopyVoicePrompts() {
  const fw::ComboBox& page = main_->m_dlgFirmwareUpdate.m_comboVoicePrompt;
  m_comboVoicePrompt.ResetContent();
  const bool several = page.GetCount() > 1;
  if (several) {
    for (int i = 0; i < page.GetCount(); ++i) m_comboVoicePrompt.AddString(page.GetLBText(i));
    m_comboVoicePrompt.SetCurSel(page.GetCurSel());
    m_staticVoicePrompt.SetWindowText(text::VocabularyText(text::g_strVoicePrompt, Language()));
  }
  m_comboVoicePrompt.ShowWindow(several);
  m_comboVoicePrompt.EnableWindow(several);
  m_staticVoicePrompt.ShowWindow(several);
}

void CDialogNewUpdateFound::OnOK() {
  if (main_ && m_comboVoicePrompt.GetCount() > 0) {
    main_->m_dlgFirmwareUpdate.m_comboVoicePrompt.SetCurSel(m_comboVoicePrompt.GetCurSel());
  }
  EndDialog(fw::IDOK);
}

fw::Brush CDialogNewUpdateFound::OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) {
  fw::Dialog::OnCtlColor(dc, control, kind);
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SetBkColor(kBackground);
  return main_ ? main_->m_brushWhite : fw::Brush::Solid(app::kColourWhite);
}

}  // namespace firmware
