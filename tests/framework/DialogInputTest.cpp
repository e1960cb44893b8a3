#include <gtest/gtest.h>

#include "TestDialogs.h"
#include "framework/Button.h"
#include "framework/Edit.h"
#include "framework/TestSeams.h"
#include "resources/DialogTemplates.h"

namespace {

using fwtest::RecordingDialog;

// Captures what the modal runner reports instead of failing the test.
class CapturedFailures {
 public:
  CapturedFailures() {
    fw::ModalScript::SetFailureReporter([this](const std::string& m) { messages.push_back(m); });
  }
  ~CapturedFailures() {
    fw::ModalScript::SetFailureReporter([](const std::string& m) { ADD_FAILURE() << m; });
  }
  std::vector<std::string> messages;
};

// A message box as the program builds it: texts and button states set in OnInitDialog.
class Box : public fw::Dialog {
 public:
  Box(std::string text, bool cancel) : Dialog(res::MessageBoxTemplate()), text_(std::move(text)), cancel_(cancel) {}
  bool OnInitDialog() override {
    Dialog::OnInitDialog();
    GetDlgItem(1026)->SetWindowText(text_);
    GetDlgItem(fw::IDOK)->SetWindowText("YES");
    GetDlgItem(fw::IDCANCEL)->SetWindowText("NO");
    GetDlgItem(fw::IDCANCEL)->ShowWindow(cancel_);
    GetDlgItem(fw::IDCANCEL)->EnableWindow(cancel_);
    return true;
  }

 private:
  std::string text_;
  bool cancel_;
};

// A page-like owner whose command handler asks a question, as handlers do.
class Asker : public RecordingDialog {
 public:
  int answer = 0;
  bool OnCommand(int id, int code) override {
    if (id == 13) {
      Box box("Would you like to save Basic changes?", true);
      answer = box.DoModal(this);
      return true;
    }
    return RecordingDialog::OnCommand(id, code);
  }
};

TEST(ModalRunner, AnswersAMessageBoxOpenedInAHandlerAndRecordsWhatItShowed) {
  Asker owner;
  ASSERT_TRUE(owner.Create(nullptr));
  fw::ModalScript script;
  script.Press(fw::IDCANCEL).Press(fw::IDOK);

  owner.SendMessage(fw::WM_COMMAND, fw::MakeCommand(13, fw::BN_CLICKED));
  EXPECT_EQ(owner.answer, fw::IDCANCEL);
  owner.SendMessage(fw::WM_COMMAND, fw::MakeCommand(13, fw::BN_CLICKED));
  EXPECT_EQ(owner.answer, fw::IDOK);

  ASSERT_EQ(script.Dialogs().size(), 2u);
  const fw::ShownDialog& shown = script.Dialogs()[0];
  EXPECT_EQ(shown.templateId, res::IDD_MESSAGE_BOX);
  EXPECT_EQ(shown.VisibleTexts(), (std::vector<std::string>{"Would you like to save Basic changes?"}));
  EXPECT_EQ(shown.VisibleButtons(), (std::vector<int>{fw::IDOK, fw::IDCANCEL}));
  EXPECT_EQ(shown.Text(fw::IDOK), "YES");
  EXPECT_EQ(shown.Text(fw::IDCANCEL), "NO");
  EXPECT_EQ(shown.size, (fw::Size{404, 118}));
  EXPECT_EQ(shown.result, fw::IDCANCEL);
  EXPECT_EQ(script.PendingAnswers(), 0);
  EXPECT_EQ(script.Unanswered(), 0);
}

TEST(ModalRunner, ReportsDialogsWithoutAnswerAndPressesOfHiddenButtons) {
  CapturedFailures failures;
  fw::ModalScript script;
  Box unanswered("first", true);
  EXPECT_EQ(unanswered.DoModal(), fw::IDCANCEL);
  EXPECT_EQ(script.Unanswered(), 1);
  ASSERT_EQ(failures.messages.size(), 1u);
  EXPECT_NE(failures.messages[0].find("\"first\""), std::string::npos) << failures.messages[0];

  script.Press(fw::IDCANCEL);  // hidden in a box without a Cancel caption
  Box okOnly("second", false);
  EXPECT_EQ(okOnly.DoModal(), fw::IDCANCEL);
  EXPECT_EQ(failures.messages.size(), 3u);  // the press failed and the box stayed open
}

TEST(ModalRunner, KeysAnswerLikeTheKeyboard) {
  fw::ModalScript script;
  script.Key(fw::VK_RETURN).Key(fw::VK_ESCAPE);
  Box first("enter", true);
  EXPECT_EQ(first.DoModal(), fw::IDOK);
  Box second("escape", true);
  EXPECT_EQ(second.DoModal(), fw::IDCANCEL);
}

TEST(DialogKeys, EnterEscAndCloseReachTheirHandlers) {
  RecordingDialog dialog;
  dialog.endOnOk = false;
  ASSERT_TRUE(dialog.Create(nullptr));
  fw::Window& text = *dialog.GetDlgItem(10);

  fw::PressKey(text, fw::VK_RETURN);
  EXPECT_EQ(dialog.events, (std::vector<std::string>{"command 1/0", "OnOK"}));

  dialog.events.clear();
  fw::RequestClose(dialog);  // Alt+F4: the close request, which by default cancels
  EXPECT_EQ(dialog.events, (std::vector<std::string>{"OnClose", "command 2/0", "OnCancel"}));
  EXPECT_TRUE(dialog.HasEnded());
  EXPECT_EQ(dialog.Result(), fw::IDCANCEL);
}

TEST(DialogKeys, EscIsIgnoredWhileCancelIsDisabledAndAnEditCanKeepEnter) {
  RecordingDialog dialog;
  dialog.endOnOk = false;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.GetDlgItem(fw::IDCANCEL)->EnableWindow(false);
  fw::PressKey(*dialog.GetDlgItem(10), fw::VK_ESCAPE);
  fw::RequestClose(dialog);
  EXPECT_EQ(dialog.events, (std::vector<std::string>{"OnClose"}));

  dialog.events.clear();
  auto* edit = dialog.Control<fw::Edit>(12);
  ASSERT_NE(edit, nullptr);
  fw::PressKey(*edit, fw::VK_RETURN);
  // The edit takes Enter as a new line (and reports the change); the dialog does not see it.
  EXPECT_EQ(dialog.events, (std::vector<std::string>{"command 12/" + std::to_string(fw::EN_CHANGE)}));
  fw::TypeText(*edit, "ab");
  EXPECT_EQ(edit->GetWindowText(), "\nab");
}

// Sees input before it is dispatched and can swallow it.
class Filtering : public RecordingDialog {
 public:
  std::vector<fw::Msg> seen;
  bool swallow = false;
  bool PreTranslateMessage(const fw::Msg& msg) override {
    if (msg.kind == fw::MsgKind::LButtonDown || msg.kind == fw::MsgKind::KeyDown) seen.push_back(msg);
    if (swallow && msg.kind == fw::MsgKind::LButtonDown) return true;
    return RecordingDialog::PreTranslateMessage(msg);
  }
  bool OnInput(const fw::Msg& msg) override {
    if (msg.kind == fw::MsgKind::LButtonDown) events.push_back("surface " + std::to_string(msg.point.x));
    return false;
  }
};

TEST(PreTranslate, SeesClicksOnDescendantsWithTheirIdAndMaySwallowThem) {
  Filtering dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  fw::Window& cancel = *dialog.GetDlgItem(fw::IDCANCEL);

  ASSERT_TRUE(fw::Click(cancel));
  ASSERT_EQ(dialog.seen.size(), 1u);
  EXPECT_EQ(dialog.seen[0].targetId, fw::IDCANCEL);
  EXPECT_EQ(dialog.seen[0].point, cancel.GetClientRect().CenterPoint());
  EXPECT_EQ(dialog.events, (std::vector<std::string>{"command 2/0", "OnCancel"}));

  dialog.events.clear();
  dialog.swallow = true;
  fw::Window& owner = *dialog.GetDlgItem(13);
  ASSERT_TRUE(fw::Click(owner));
  EXPECT_EQ(dialog.seen.back().targetId, 13);
  EXPECT_TRUE(dialog.events.empty()) << "a swallowed press must not click";
}

TEST(PreTranslate, ClicksOnPlainTextOrDisabledControlsGoToTheDialog) {
  Filtering dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  fw::Window& text = *dialog.GetDlgItem(10);
  fw::ClickAt(text, {3, 3});
  ASSERT_EQ(dialog.seen.size(), 1u);
  EXPECT_EQ(dialog.seen[0].target, &dialog);
  EXPECT_EQ(dialog.seen[0].point, (fw::Point{text.GetWindowRect().left + 3, text.GetWindowRect().top + 3}));

  fw::Window& ok = *dialog.GetDlgItem(fw::IDOK);
  ok.EnableWindow(false);
  EXPECT_FALSE(fw::Click(ok));
  fw::ClickAt(ok, {2, 2});
  EXPECT_EQ(dialog.seen.back().target, &dialog);
  EXPECT_EQ(dialog.events.size(), 2u) << "two presses on the surface, no command";

  dialog.events.clear();
  ASSERT_TRUE(fw::Click(*dialog.GetDlgItem(11)));  // a text that notifies is clicked itself
  EXPECT_EQ(dialog.events, (std::vector<std::string>{"command 11/0"}));
}

}  // namespace
