#include "framework/Dialog.h"

#include <QApplication>
#include <QEventLoop>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/Edit.h"
#include "framework/ListBox.h"
#include "framework/ListView.h"
#include "framework/ProgressBar.h"
#include "framework/Static.h"
#include "framework/TestSeams.h"
#include "framework/UpDown.h"
#include "framework/detail/BitmapAccess.h"
#include "framework/detail/Convert.h"
#include "framework/detail/Host.h"
#include "framework/detail/WindowImpl.h"

namespace fw {

namespace {

std::unique_ptr<Window> DefaultControl(ControlKind kind) {
  switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::GroupBox:
      return std::make_unique<Button>();
    case ControlKind::Text:
    case ControlKind::Picture:
      return std::make_unique<Static>();
    case ControlKind::Edit:
      return std::make_unique<Edit>();
    case ControlKind::ListBox:
      return std::make_unique<ListBox>();
    case ControlKind::ComboBox:
      return std::make_unique<ComboBox>();
    case ControlKind::ListView:
      return std::make_unique<ListView>();
    case ControlKind::ProgressBar:
      return std::make_unique<ProgressBar>();
    case ControlKind::UpDown:
      return std::make_unique<UpDown>();
  }
  return std::make_unique<Static>();
}

bool IsOffscreen() { return QGuiApplication::platformName() == QLatin1String("offscreen"); }

// Dialogs inside DoModal now; only the window's thread runs them.
int g_runningModals = 0;

}  // namespace

Dialog::Dialog(const DialogTemplate& tmpl, Window* parent) : template_(&tmpl), defaultParent_(parent) {}

Dialog::~Dialog() {
  if (quitLoop_) quitLoop_();
  DestroyWindow();
}

bool Dialog::BindControl(int id, Window& control) {
  if (IsCreated()) return false;
  bound_[id] = &control;
  return true;
}

bool Dialog::CreateWindowAndControls(Window* parent, bool modal) {
  if (IsCreated()) return false;
  const bool child = (template_->style & DS_CHILD) != 0;
  if (child && !parent) return false;
  ended_ = false;
  result_ = 0;
  modal_ = modal;
  defaultControls_.clear();
  owner_ = child ? nullptr : (parent ? parent->GetTopLevel() : nullptr);
  Impl().font = Font::FromPointSize(template_->fontFace, template_->fontPoints);

  ControlTemplate self;
  self.id = 0;
  self.units = Rect::FromSize(DuToPixels(template_->units));
  self.style = child && !(template_->style & DS_VISIBLE) ? uint32_t{CS_HIDDEN} : 0u;
  self.text = template_->caption;
  if (!CreateControl(self, child ? parent : nullptr)) return false;

  for (const ControlTemplate& item : template_->controls) {
    Window* control = nullptr;
    auto bound = bound_.find(item.id);
    if (bound != bound_.end()) {
      control = bound->second;
    } else {
      defaultControls_.push_back(DefaultControl(item.kind));
      control = defaultControls_.back().get();
    }
    ControlTemplate pixels = item;
    pixels.units = DuToPixels(item.units);
    control->CreateControl(pixels, this);
  }
  OnInitDialog();
  return IsCreated();
}

detail::Native* Dialog::CreateNative(detail::Native* parent, const ControlTemplate& t) {
  const bool child = (template_->style & DS_CHILD) != 0;
  QWidget* parentWidget = child ? detail::AsWidget(parent) : detail::WidgetOf(owner_);
  auto* widget = new detail::Host<QWidget>(this, parentWidget);
  widget->setFont(detail::ToQt(GetFont()));
  if (!child) {
    Qt::WindowFlags flags = Qt::Window;
    if (!(template_->style & DS_CAPTION)) flags |= Qt::FramelessWindowHint;
    widget->setWindowFlags(flags);
    widget->setFixedSize(t.units.Width(), t.units.Height());
    widget->setWindowTitle(detail::ToQt(t.text));
  }
  return detail::AsNative(widget);
}

int Dialog::RunningModals() { return g_runningModals; }

int Dialog::DoModal(Window* parent) {
  if (!parent) parent = defaultParent_;
  ++g_runningModals;
  struct Ended {
    ~Ended() { --g_runningModals; }
  } ended;
  if (ModalScript* script = ModalScript::Current()) return script->Run(*this, parent);
  if (IsOffscreen() && ModalScript::HasFailureReporter()) {
    // Nobody could answer it: say so instead of waiting forever.
    ModalScript::ReportFailure("modal dialog " + std::to_string(TemplateId()) + " opened with no ModalScript");
    return IDCANCEL;
  }
  if (!CreateWindowAndControls(parent, true)) return -1;
  QWidget* widget = detail::WidgetOf(this);
  if (!ended_ && widget) {
    widget->setWindowModality(Qt::ApplicationModal);
    QWidget* owner = widget->parentWidget();
    const QRect screen = widget->screen()->availableGeometry();
    const QRect over = owner ? owner->geometry() : screen;
    const Point at = PlaceOnScreen({widget->width(), widget->height()}, {over.center().x(), over.center().y()},
                                   detail::FromQt(screen));
    widget->move(at.x, at.y);
    widget->show();
    widget->activateWindow();
    QEventLoop loop;
    quitLoop_ = [&loop] { loop.quit(); };
    if (!ended_) loop.exec(QEventLoop::DialogExec);
    quitLoop_ = nullptr;
  }
  const int result = result_;
  DestroyWindow();
  return result;
}

void Dialog::SetIcon(const Bitmap& icon) {
  icon_ = icon;
  if (QWidget* widget = detail::WidgetOf(this); widget && !icon.IsNull()) {
    widget->setWindowIcon(QIcon(QPixmap::fromImage(detail::ImageOf(icon))));
  }
}

bool Dialog::Create(Window* parent) {
  if (!parent) parent = defaultParent_;
  if (!CreateWindowAndControls(parent, false)) return false;
  if (!(template_->style & DS_CHILD) && (template_->style & DS_VISIBLE)) ShowWindow(true);
  return true;
}

void Dialog::EndDialog(int result) {
  result_ = result;
  ended_ = true;
  if (IsCreated()) ShowWindow(false);
  if (quitLoop_) quitLoop_();
}

bool Dialog::OnInitDialog() { return true; }
void Dialog::OnOK() { EndDialog(IDOK); }
void Dialog::OnCancel() { EndDialog(IDCANCEL); }
void Dialog::OnClose() { HandleEscapeKey(); }
std::string Dialog::CloseRefusal() const { return {}; }

void Dialog::StartMoveDrag() {
  QWidget* widget = detail::WidgetOf(GetTopLevel());
  if (widget && widget->windowHandle()) widget->windowHandle()->startSystemMove();
}

void Dialog::SetWindowText(const std::string& text) {
  Window::SetWindowText(text);
  QWidget* widget = detail::WidgetOf(this);
  if (widget && widget->isWindow()) widget->setWindowTitle(detail::ToQt(text));
}

std::string Dialog::GetWindowText() const { return Window::GetWindowText(); }

int Dialog::GetDefID() const {
  for (const ControlTemplate& c : template_->controls) {
    if (c.style & CS_DEFAULT) return c.id;
  }
  return IDOK;
}

bool Dialog::OnCommand(int id, int) {
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

intptr_t Dialog::OnMessage(unsigned msg, uintptr_t, intptr_t) {
  if (msg == WM_CLOSE) OnClose();
  return 0;
}

bool Dialog::PreTranslateMessage(const Msg& msg) {
  // Only the top-level dialog acts as the dialog manager for Enter and Esc.
  if (GetContainer() || msg.kind != MsgKind::KeyDown || !msg.target) return false;
  if (msg.key != VK_RETURN && msg.key != VK_ESCAPE) return false;
  if (msg.target->WantsKey(msg.key)) return false;
  if (msg.key == VK_RETURN) {
    HandleEnterKey();
  } else {
    HandleEscapeKey();
  }
  return true;
}

void Dialog::HandleEnterKey() {
  // A focused push button is pressed itself; otherwise the default button (IDOK when none).
  Window* focus = Window::GetFocus();
  auto* button = dynamic_cast<Button*>(focus);
  if (button && button->Kind() == ControlKind::PushButton && button->IsDescendantOf(this) &&
      button->IsWindowEnabled()) {
    button->NotifyParent(BN_CLICKED);
    return;
  }
  const int id = GetDefID();
  Window* control = GetDlgItem(id);
  if (control && !control->IsWindowEnabled()) return;
  SendMessage(WM_COMMAND, MakeCommand(id, BN_CLICKED), reinterpret_cast<intptr_t>(control));
}

void Dialog::HandleEscapeKey() {
  Window* cancel = GetDlgItem(IDCANCEL);
  if (cancel && !cancel->IsWindowEnabled()) return;
  SendMessage(WM_COMMAND, MakeCommand(IDCANCEL, BN_CLICKED), reinterpret_cast<intptr_t>(cancel));
}

void Dialog::DefaultPaint(DeviceContext& dc) { dc.FillRect(GetClientRect(), QueryColours(dc, CtlColor::Dialog)); }

Brush Dialog::DefaultColours(DeviceContext& dc, CtlColor kind) { return Window::DefaultColours(dc, kind); }

}  // namespace fw
