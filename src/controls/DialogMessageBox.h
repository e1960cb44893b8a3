#pragma once
// The program's own message box: a 64 x 64 picture (warning sign or logo), a bold text and up to
// three buttons with the caller's captions, at a size the caller gives in pixels. Used modally to
// tell or ask, or modelessly without buttons as a pop-up its owner removes.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "framework/Dialog.h"

namespace controls {

enum : int {
  IDC_MESSAGE_PICTURE = 1025,
  IDC_MESSAGE_TEXT = 1026,
  IDC_MESSAGE_THIRD = 3,
};

class CDialogMessageBox : public fw::Dialog {
 public:
  // A caption for a button; no caption hides the button.
  using Caption = std::optional<std::string>;

  explicit CDialogMessageBox(fw::Window* parent = nullptr);
  ~CDialogMessageBox() override;

  void Setup(const std::string& text, bool warning, const Caption& cancelText, const Caption& okText,
             fw::Size size);
  void SetupThreeButtons(const std::string& text, bool warning, const Caption& thirdText, const Caption& cancelText,
                         const Caption& okText, fw::Size size);

  // Modal use: IDOK from OK or Enter, IDCANCEL from Cancel or Esc.
  int DoModal();
  // Modeless use, as a child of nothing: a pop-up owned by the parent given at construction.
  bool Create();

  // What the box's owner does when OK is pressed, before the box closes.
  using OkHook = std::function<void(CDialogMessageBox&)>;
  void SetOkHook(OkHook hook) { okHook_ = std::move(hook); }
  // For an OK hook: keeps the box up with OK disabled for `ms` milliseconds of the injected
  // clock, running the UI's messages; OK, Enter, Cancel and Esc do nothing meanwhile.
  void WaitWithOkDisabled(uint32_t ms);

  std::string m_strText;
  bool m_bWarning = false;
  bool m_bHasOk = false;
  bool m_bHasCancel = false;
  bool m_bHasThird = false;
  std::string m_strThirdText;
  std::string m_strCancelText;
  std::string m_strOkText;
  fw::Size m_size;

  bool OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  bool OnCommand(int id, int notifyCode) override;
  fw::Brush OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) override;
  bool OnSetCursor(fw::Window& over) override;
  bool PreTranslateMessage(const fw::Msg& msg) override;

 private:
  void OnReleaseNotes();
  void LayOut();

  fw::Window* parent_;
  OkHook okHook_;
  bool waiting_ = false;  // inside WaitWithOkDisabled
};

}  // namespace controls
