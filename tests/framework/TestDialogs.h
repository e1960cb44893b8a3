#pragma once
// Small dialogs for the framework's tests.
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "framework/DialogTemplate.h"

namespace fwtest {

// A pop-up with a default OK button, a Cancel button, a text, a multi-line edit that takes Enter,
// an owner-drawn button and a list box.
inline const fw::DialogTemplate& SampleTemplate() {
  using K = fw::ControlKind;
  static const fw::DialogTemplate tmpl{
      900,
      {200, 100},
      "Arial",
      10,
      fw::DS_POPUP,
      "Sample",
      {
          {10, K::Text, fw::Du(5, 5, 100, 10), 0, "Hello", 0},
          {11, K::Text, fw::Du(5, 20, 100, 10), fw::CS_NOTIFY, "Link", 0},
          {12, K::Edit, fw::Du(5, 35, 100, 20), fw::CS_MULTILINE | fw::CS_WANTRETURN, "", 0},
          {13, K::PushButton, fw::Du(110, 5, 40, 14), fw::CS_OWNERDRAW, "Owner", 0},
          {14, K::ListBox, fw::Du(110, 25, 80, 40), fw::CS_NOTIFY, "", 0},
          {fw::IDOK, K::PushButton, fw::Du(90, 80, 50, 14), fw::CS_DEFAULT, "OK", 0},
          {fw::IDCANCEL, K::PushButton, fw::Du(145, 80, 50, 14), 0, "Cancel", 0},
      }};
  return tmpl;
}

// Records what reaches its hooks.
class RecordingDialog : public fw::Dialog {
 public:
  explicit RecordingDialog(const fw::DialogTemplate& tmpl = SampleTemplate()) : Dialog(tmpl) {}

  std::vector<std::string> events;
  std::vector<fw::DrawItemStruct> drawn;
  bool endOnOk = true;

  bool OnCommand(int id, int code) override {
    events.push_back("command " + std::to_string(id) + "/" + std::to_string(code));
    return Dialog::OnCommand(id, code);
  }
  void OnOK() override {
    events.push_back("OnOK");
    if (endOnOk) Dialog::OnOK();
  }
  void OnCancel() override {
    events.push_back("OnCancel");
    Dialog::OnCancel();
  }
  void OnClose() override {
    events.push_back("OnClose");
    Dialog::OnClose();
  }
  void OnDrawItem(int id, const fw::DrawItemStruct& item) override {
    drawn.push_back(item);
    Dialog::OnDrawItem(id, item);
  }
};

}  // namespace fwtest
