#pragma once
// Buttons: push (owner-drawn or not), check box, radio button, group box. A click sends
// BN_CLICKED with the button's id to the parent.
#include "framework/Window.h"

namespace fw {

enum : int { BST_UNCHECKED = 0, BST_CHECKED = 1 };

class Button : public Window {
 public:
  Button();
  ~Button() override;

  // The pushed look (the classic BM_SETSTATE): an owner-drawn button draws ODS_SELECTED while set.
  void SetState(bool pushed);
  bool GetState() const;
  void SetCheck(int check);
  int GetCheck() const;
  bool IsOwnerDraw() const { return (GetStyle() & CS_OWNERDRAW) != 0; }
  ControlKind Kind() const { return kind_; }

  // Clicks the button as the user would: nothing when disabled or hidden; a check box or radio
  // button with CS_AUTO changes its check first. Returns whether a click happened.
  bool Click();

 protected:
  detail::Native* CreateNative(detail::Native* parent, const ControlTemplate& t) override;
  void DefaultPaint(DeviceContext& dc) override;
  CtlColor ColourKind() const override { return CtlColor::Button; }
  bool IsMouseTransparent() const override;
  void OnTextChanged() override;

 private:
  ControlKind kind_ = ControlKind::PushButton;
  bool pushed_ = false;  // held pushed by SetState, whatever the enabled state does
};

}  // namespace fw
