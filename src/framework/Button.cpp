#include "framework/Button.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "framework/detail/Convert.h"
#include "framework/detail/Host.h"
#include "framework/detail/Usable.h"
#include "framework/detail/WindowImpl.h"

namespace fw {

namespace {

// A check box or radio button without CS_AUTO leaves its check to the program, as the classic
// manual styles do.
template <class Base>
class CheckHost : public detail::Host<Base> {
 public:
  CheckHost(Window* w, QWidget* parent, bool automatic) : detail::Host<Base>(w, parent), automatic_(automatic) {}

 protected:
  void nextCheckState() override {
    if (automatic_) Base::nextCheckState();
  }

 private:
  bool automatic_;
};

QAbstractButton* AsButton(const Window* w) { return qobject_cast<QAbstractButton*>(detail::WidgetOf(w)); }

}  // namespace

Button::Button() = default;
Button::~Button() = default;

detail::Native* Button::CreateNative(detail::Native* parentNative, const ControlTemplate& t) {
  QWidget* parent = detail::AsWidget(parentNative);
  kind_ = t.kind;
  const bool automatic = (t.style & CS_AUTO) != 0;
  QWidget* widget = nullptr;
  switch (t.kind) {
    case ControlKind::CheckBox:
      widget = new CheckHost<QCheckBox>(this, parent, automatic);
      break;
    case ControlKind::RadioButton:
      widget = new CheckHost<QRadioButton>(this, parent, automatic);
      static_cast<QRadioButton*>(widget)->setAutoExclusive(automatic);
      break;
    case ControlKind::GroupBox:
      widget = new detail::Host<QGroupBox>(this, parent);
      static_cast<QGroupBox*>(widget)->setTitle(detail::ToQt(detail::StripMnemonic(t.text)));
      return detail::AsNative(widget);
    default:
      widget = new detail::Host<QPushButton>(this, parent);
      break;
  }
  auto* button = static_cast<QAbstractButton*>(widget);
  if (!(t.style & CS_OWNERDRAW)) button->setText(detail::ToQt(t.text));
  QObject::connect(button, &QAbstractButton::clicked, button, [this] {
    pushed_ = false;  // a click ends the pushed look, as the classic button's release does
    NotifyParent(BN_CLICKED);
  });
  return detail::AsNative(widget);
}

void Button::OnTextChanged() {
  QWidget* widget = detail::WidgetOf(this);
  if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    group->setTitle(detail::ToQt(detail::StripMnemonic(GetWindowText())));
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !IsOwnerDraw()) {
    button->setText(detail::ToQt(GetWindowText()));
  }
}

void Button::SetState(bool pushed) {
  pushed_ = pushed;
  if (QAbstractButton* b = AsButton(this)) {
    if (b->isEnabled()) b->setDown(pushed);
    b->update();
  }
}

bool Button::GetState() const {
  QAbstractButton* b = AsButton(this);
  return pushed_ || (b && b->isDown());
}

void Button::SetCheck(int check) {
  QAbstractButton* b = AsButton(this);
  if (!b) return;
  b->setCheckable(true);
  b->setChecked(check == BST_CHECKED);
}

int Button::GetCheck() const {
  QAbstractButton* b = AsButton(this);
  return b && b->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

bool Button::Click() {
  QAbstractButton* b = AsButton(this);
  if (!b || !detail::IsUsable(*this)) return false;
  b->click();
  return true;
}

void Button::DefaultPaint(DeviceContext& dc) {
  if (!IsOwnerDraw()) {
    Window::DefaultPaint(dc);
    return;
  }
  DrawItemStruct item;
  item.ctlId = GetDlgCtrlID();
  item.control = this;
  item.dc = &dc;
  item.rect = GetClientRect();
  if (GetState()) item.state |= ODS_SELECTED;
  if (!IsWindowEnabled()) item.state |= ODS_DISABLED;
  if (HasFocus()) item.state |= ODS_FOCUS;
  if (Window* parent = GetContainer()) {
    parent->OnDrawItem(item.ctlId, item);
  } else {
    DrawItem(item);
  }
}

bool Button::IsMouseTransparent() const { return kind_ == ControlKind::GroupBox || Window::IsMouseTransparent(); }

}  // namespace fw
