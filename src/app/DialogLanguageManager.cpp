#include "app/DialogLanguageManager.h"

#include "framework/Font.h"
#include "localization/LanguageDialogTexts.h"
#include "localization/LanguageNames.h"
#include "localization/SharedTexts.h"
#include "resources/DialogTemplates.h"

namespace app {

namespace {

// Radio button, flag and label of each interface language, in language order.
constexpr std::array<CDialogLanguageManager::RowIds, text::kLanguageCount> kRows = {{
    {1144, 1151, 1152},  // English
    {1145, 1153, 1154},  // French
    {1146, 1155, 1156},  // German
    {1147, 1157, 1158},  // Italian
    {1172, 1173, 1174},  // Japanese
    {1169, 1170, 1171},  // Korean
    {1150, 1163, 1164},  // Spanish
    {1148, 1159, 1160},  // Dutch
    {1149, 1161, 1162},  // Russian
    {1166, 1167, 1168},  // Chinese
    {1175, 1176, 1177},  // Finnish
}};

// The language whose radio button, flag or label `id` is; -1 for any other control.
int LanguageOfControl(int id) {
  for (int language = 0; language < text::kLanguageCount; ++language) {
    const auto& row = kRows[static_cast<size_t>(language)];
    if (id == row.radio || id == row.flag || id == row.label) return language;
  }
  return -1;
}

}  // namespace

CDialogLanguageManager::CDialogLanguageManager(fw::Window* parent)
    : fw::Dialog(res::LanguageManagerTemplate(), parent) {
  DoDataExchange();
}

CDialogLanguageManager::~CDialogLanguageManager() = default;

const CDialogLanguageManager::RowIds& CDialogLanguageManager::RowOf(int language) {
  return kRows[static_cast<size_t>(text::LanguageOrEnglish(language))];
}

void CDialogLanguageManager::DoDataExchange() {
  BindControl(IDC_LANGUAGE_GROUP, m_groupLanguage);
  for (int language = 0; language < text::kLanguageCount; ++language) {
    BindControl(RowOf(language).label, m_staticLabels[static_cast<size_t>(language)]);
  }
  BindControl(IDC_APPLY_TO_VOICE_PROMPT, m_checkApply);
  BindControl(fw::IDOK, m_btnOk);
  BindControl(fw::IDCANCEL, m_btnCancel);
}

bool CDialogLanguageManager::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  // The radio buttons carry no text and keep the dialog's own font.
  const fw::Font bold = GetFont().WithWeight(fw::FW_BOLD);
  m_groupLanguage.SetFont(bold, true);
  for (fw::Static& label : m_staticLabels) label.SetFont(bold, true);
  m_checkApply.SetFont(bold, true);
  m_btnOk.SetFont(bold, true);
  m_btnCancel.SetFont(bold, true);
  RefreshLanguageDialog();
  return true;
}

void CDialogLanguageManager::RefreshLanguageDialog() {
  const int shown = m_nLanguage;
  m_groupLanguage.SetWindowText(text::GetManagerSoftwareLanguageText(shown));
  for (int language = 0; language < text::kLanguageCount; ++language) {
    m_staticLabels[static_cast<size_t>(language)].SetWindowText(text::GetLanguageName(language, shown));
  }
  m_btnOk.SetWindowText(text::GetOkText(shown));
  m_btnCancel.SetWindowText(text::GetCancelText(shown));
  // The rows' group styles split the automatic grouping, so the one mark is kept here.
  for (const RowIds& row : kRows) {
    if (auto* radio = Control<fw::Button>(row.radio)) radio->SetCheck(fw::BST_UNCHECKED);
  }
  if (auto* radio = Control<fw::Button>(RowOf(shown).radio)) radio->SetCheck(fw::BST_CHECKED);
  m_checkApply.SetWindowText(text::GetApplyToVoicePromptText(shown));
  m_checkApply.SetCheck(m_bApplyToFirmwareLanguage ? fw::BST_CHECKED : fw::BST_UNCHECKED);
}

bool CDialogLanguageManager::OnCommand(int id, int notifyCode) {
  if (notifyCode == fw::BN_CLICKED) {
    if (const int language = LanguageOfControl(id); language >= 0) {
      m_nLanguage = language;
      RefreshLanguageDialog();
      return true;
    }
    if (id == IDC_APPLY_TO_VOICE_PROMPT) {
      m_bApplyToFirmwareLanguage = m_checkApply.GetCheck() == fw::BST_CHECKED;
      RefreshLanguageDialog();
      return true;
    }
  }
  return fw::Dialog::OnCommand(id, notifyCode);
}

}  // namespace app
