#pragma once
// The modal dialog in which the user chooses the interface language. It re-texts itself in the
// language just clicked, so the user sees the effect before confirming; the caller reads the
// chosen language and the apply-to-voice-prompt flag back after IDOK and applies them itself.
#include <array>

#include "framework/Button.h"
#include "framework/Dialog.h"
#include "framework/Static.h"
#include "localization/TextRow.h"

namespace app {

enum : int {
  IDC_LANGUAGE_GROUP = 1143,
  IDC_APPLY_TO_VOICE_PROMPT = 1165,
};

class CDialogLanguageManager : public fw::Dialog {
 public:
  explicit CDialogLanguageManager(fw::Window* parent = nullptr);
  ~CDialogLanguageManager() override;

  // Set by the caller before DoModal; m_nLanguage follows every click.
  int m_nLanguage = 0;
  bool m_bApplyToFirmwareLanguage = false;

  // Re-texts the dialog in m_nLanguage and sets the radio buttons and the check box from the members.
  void RefreshLanguageDialog();

  bool OnInitDialog() override;
  bool OnCommand(int id, int notifyCode) override;

  // The ids of one language's row, by interface language.
  struct RowIds {
    int radio;
    int flag;
    int label;
  };
  static const RowIds& RowOf(int language);

 private:
  void DoDataExchange();

  fw::Button m_groupLanguage;
  std::array<fw::Static, text::kLanguageCount> m_staticLabels;  // by interface language
  fw::Button m_checkApply;
  fw::Button m_btnOk;
  fw::Button m_btnCancel;
};

}  // namespace app
