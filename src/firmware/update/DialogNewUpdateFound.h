#pragma once
// The offer of a newer firmware: the device's current version, the server's version, the
// voice-prompt variant when there are several, YES or NO. Its parent is the main window; YES
// hands the chosen variant to the firmware update page's drop-down list.
#include <string>

#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "framework/Static.h"

namespace app {
class CUpdaterDlg;
}

namespace firmware {

enum : int {
  IDC_OFFER_LOGO = 1025,
  IDC_OFFER_QUESTION = 1026,
  IDC_OFFER_CURRENT_CAPTION = 1027,
  IDC_OFFER_NEW_CAPTION = 1028,
  IDC_OFFER_CURRENT_VERSION = 1029,
  IDC_OFFER_NEW_VERSION = 1030,
  IDC_OFFER_VOICE_PROMPT = 1032,
  IDC_OFFER_VOICE_PROMPT_CAPTION = 1168,
};

class CDialogNewUpdateFound : public fw::Dialog {
 public:
  explicit CDialogNewUpdateFound(app::CUpdaterDlg* main);
  ~CDialogNewUpdateFound() override;

  fw::Static m_staticLogo;            // 1025
  fw::Static m_staticQuestion;        // 1026
  fw::Static m_staticCurrentCaption;  // 1027
  fw::Static m_staticNewCaption;      // 1028
  fw::Static m_staticCurrentVersion;  // 1029
  fw::Static m_staticNewVersion;      // 1030
  fw::ComboBox m_comboVoicePrompt;    // 1032
  fw::Static m_staticVoicePrompt;     // 1168
  fw::Button m_btnYes;                // IDOK
  fw::Button m_btnNo;                 // IDCANCEL

  std::string GetQuestionText() const;
  std::string GetCurrentVersionText() const;
  std::string GetNewVersionText() const;

  bool OnInitDialog() override;
  void OnOK() override;
  fw::Brush OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) override;

 private:
  int Language() const;
  void ShowVersions();
  void CopyVoicePrompts();

  app::CUpdaterDlg* main_;
};

}  // namespace firmware
