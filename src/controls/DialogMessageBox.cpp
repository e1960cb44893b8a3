#include "controls/DialogMessageBox.h"

#include <algorithm>

#include "app/UpdaterDlg.h"
#include "app/WindowColours.h"
#include "framework/Application.h"
#include "framework/Button.h"
#include "framework/Static.h"
#include "platform/Shell.h"
#include "resources/DialogTemplates.h"

namespace controls {

namespace {

constexpr fw::Colour kTextBackground = fw::RGB(236, 236, 216);
constexpr fw::Size kPictureSize = {64, 64};

// Fixed pixel layout inside the caller's size W x H.
constexpr int kMargin = 20;
constexpr int kTextLeft = 104;
constexpr int kTextRightMargin = 124 - kTextLeft;  // the text is W - 124 wide
constexpr int kTextHeightLessWithButtons = 84;
constexpr int kTextHeightLessWithout = 40;
constexpr fw::Size kButtonSize = {115, 24};
constexpr int kButtonsFromBottom = 44;
constexpr int kOkFromRight = 135;
constexpr int kCancelFromRight = 251;
constexpr int kThirdFromRight = 366;

constexpr const char* kReleaseNotesAddress =
    "https://help.corvale.example/zovozezevozovazizeriv/"
    "ZeltoBluetoothDeviceManagerForWindowsHelp/Contents/Resources/English/release_notes.html";

void ShowButton(fw::Window* button, bool shown, const std::string& caption) {
  if (!button) return;
  if (shown) button->SetWindowText(caption);
  button->EnableWindow(shown);
  button->ShowWindow(shown);
}

}  // namespace

CDialogMessageBox::CDialogMessageBox(fw::Window* parent)
    : fw::Dialog(res::MessageBoxTemplate()), parent_(parent) {}

CDialogMessageBox::~CDialogMessageBox() = default;

void CDialogMessageBox::Setup(const std::string& text, bool warning, const Caption& cancelText,
                              const Caption& okText, fw::Size size) {
  SetupThreeButtons(text, warning, std::nullopt, cancelText, okText, size);
}

void CDialogMessageBox::SetupThreeButtons(const std::string& text, bool warning, const Caption& thirdText,
                                          const Caption& cancelText, const Caption& okText, fw::Size size) {
  m_strText = text;
  m_bWarning = warning;
  m_bHasOk = okText.has_value();
  m_bHasCancel = cancelText.has_value();
  m_bHasThird = thirdText.has_value();
  m_strThirdText = thirdText.value_or("");
  m_strCancelText = cancelText.value_or("");
  m_strOkText = okText.value_or("");
  m_size = size;
}

int CDialogMessageBox::DoModal() { return fw::Dialog::DoModal(parent_); }

bool CDialogMessageBox::Create() { return fw::Dialog::Create(parent_); }

bool CDialogMessageBox::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  const fw::Font bold = GetFont().WithWeight(fw::FW_BOLD);
  for (int id : {int{IDC_MESSAGE_TEXT}, int{fw::IDOK}, int{fw::IDCANCEL}, int{IDC_MESSAGE_THIRD}}) {
    if (fw::Window* control = GetDlgItem(id)) control->SetFont(bold, true);
  }
  if (fw::Window* text = GetDlgItem(IDC_MESSAGE_TEXT)) text->SetWindowText(m_strText);
  if (auto* picture = Control<fw::Static>(IDC_MESSAGE_PICTURE)) {
    picture->SetBitmap(fw::Bitmap::Load(m_bWarning ? res::IDB_WARNING : res::IDB_LOGO, kPictureSize));
  }
  ShowButton(GetDlgItem(fw::IDCANCEL), m_bHasCancel, m_strCancelText);
  ShowButton(GetDlgItem(fw::IDOK), m_bHasOk, m_strOkText);
  ShowButton(GetDlgItem(IDC_MESSAGE_THIRD), m_bHasThird, m_strThirdText);
  LayOut();
  if (fw::Window* ok = GetDlgItem(fw::IDOK); ok && m_bHasOk) ok->SetFocus();
  return true;
}

bool CDialogMessageBox::PreTranslateMessage(const fw::Msg& msg) {
  // Enter belongs to OK alone: without it, not even a focused Cancel button takes Enter.
  if (msg.kind == fw::MsgKind::KeyDown && msg.key == fw::VK_RETURN && !m_bHasOk) return true;
  return fw::Dialog::PreTranslateMessage(msg);
}

void CDialogMessageBox::LayOut() {
  const int w = m_size.cx;
  const int h = m_size.cy;
  const fw::Rect at = GetWindowRect();
  MoveWindow(at.left, at.top, w, h);

  const bool anyButton = m_bHasOk || m_bHasCancel || m_bHasThird;
  if (fw::Window* picture = GetDlgItem(IDC_MESSAGE_PICTURE)) {
    picture->MoveWindow(kMargin, kMargin, kPictureSize.cx, kPictureSize.cy);
  }
  if (fw::Window* text = GetDlgItem(IDC_MESSAGE_TEXT)) {
    const int textHeight = h - (anyButton ? kTextHeightLessWithButtons : kTextHeightLessWithout);
    text->MoveWindow(kTextLeft, kMargin, std::max(0, w - kTextLeft - kTextRightMargin), std::max(0, textHeight));
  }
  const int buttonTop = h - kButtonsFromBottom;
  const std::pair<int, int> buttons[] = {
      {fw::IDOK, kOkFromRight}, {fw::IDCANCEL, kCancelFromRight}, {IDC_MESSAGE_THIRD, kThirdFromRight}};
  for (const auto& [id, fromRight] : buttons) {
    if (fw::Window* button = GetDlgItem(id)) {
      button->MoveWindow(w - fromRight, buttonTop, kButtonSize.cx, kButtonSize.cy);
    }
  }
}

void CDialogMessageBox::OnOK() {
  // Enter does not close a box that shows no OK button, nor one that is waiting.
  if (!m_bHasOk || waiting_) return;
  if (okHook_) okHook_(*this);
  EndDialog(fw::IDOK);
}

void CDialogMessageBox::WaitWithOkDisabled(uint32_t ms) {
  fw::Window* ok = GetDlgItem(fw::IDOK);
  if (ok) ok->EnableWindow(false);
  waiting_ = true;
  fw::Application::WaitAnswering(ms, false);
  waiting_ = false;
  if (ok) ok->EnableWindow(true);
}

void CDialogMessageBox::OnCancel() {
  // Esc and the window's close command do nothing unless a Cancel button is shown.
  if (!m_bHasCancel || waiting_) return;
  EndDialog(fw::IDCANCEL);
}

bool CDialogMessageBox::OnCommand(int id, int notifyCode) {
  if (id == IDC_MESSAGE_THIRD) {
    OnReleaseNotes();
    return true;
  }
  return fw::Dialog::OnCommand(id, notifyCode);
}

void CDialogMessageBox::OnReleaseNotes() {
  if (!m_bHasThird) return;
  platform::Shell::Get().Open(kReleaseNotesAddress);
}

fw::Brush CDialogMessageBox::OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) {
  fw::Dialog::OnCtlColor(dc, control, kind);
  dc.SetBkMode(fw::BkMode::Transparent);
  dc.SetBkColor(kTextBackground);
  return fw::Brush::Solid(m_bWarning ? app::kColourStatusError : app::kColourWhite);
}

bool CDialogMessageBox::OnSetCursor(fw::Window& over) {
  const app::CUpdaterDlg* main = app::CUpdaterDlg::Running();
  if (main && main->m_bBusy) {
    fw::SetCursor(fw::CursorShape::Wait);
    return true;
  }
  return fw::Dialog::OnSetCursor(over);
}

}  // namespace controls
