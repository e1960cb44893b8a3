#include "framework/Window.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <memory>

#include "framework/RecordingDeviceContext.h"
#include "framework/detail/Convert.h"
#include "framework/detail/Host.h"
#include "framework/detail/InputRouter.h"
#include "framework/detail/QtDeviceContext.h"
#include "framework/detail/WindowImpl.h"

namespace fw {

namespace detail {

namespace {

// A posted message travels as an event of its own to one receiver on the UI thread. The posting
// thread writes the event and the UI thread reads it; the toolkit's queue orders the two behind
// locks that the thread checker cannot see, so the hand-over is also published through this
// atomic once the event is complete, and acquired before it is read.
std::atomic<unsigned> g_handOver{0};

QEvent::Type PostedMessageType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

struct PostedMessage : QEvent {
  PostedMessage(std::shared_ptr<Mailbox> m, unsigned message, uintptr_t w, intptr_t l)
      : QEvent(PostedMessageType()), mailbox(std::move(m)), msg(message), wParam(w), lParam(l) {}
  std::shared_ptr<Mailbox> mailbox;
  unsigned msg;
  uintptr_t wParam;
  intptr_t lParam;
};

class PostedMessageReceiver : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() != PostedMessageType()) return QObject::event(e);
    g_handOver.load(std::memory_order_acquire);
    const auto& posted = *static_cast<PostedMessage*>(e);
    // Dropped when the window has gone since.
    if (Window* target = posted.mailbox->window.load()) target->SendMessage(posted.msg, posted.wParam, posted.lParam);
    return true;
  }
};

}  // namespace

void PostToUiThread(std::shared_ptr<Mailbox> mailbox, unsigned msg, uintptr_t wParam, intptr_t lParam) {
  // Made by whichever thread posts first, then handed to the UI thread, whose loop delivers the
  // events in the order they were posted. It lives as long as the process.
  static QObject* const receiver = [] {
    auto* made = new PostedMessageReceiver;
    made->moveToThread(QCoreApplication::instance()->thread());
    return made;
  }();
  auto* event = new PostedMessage(std::move(mailbox), msg, wParam, lParam);
  g_handOver.fetch_add(1, std::memory_order_release);
  QCoreApplication::postEvent(receiver, event);
}

WindowImpl::WindowImpl(Window* o) : owner(o) {}

WindowImpl::~WindowImpl() { ReleaseWidget(true); }

QObject* WindowImpl::Context() {
  if (!context) context = new QObject;
  return context;
}

void WindowImpl::ReleaseWidget(bool destroy) {
  mailbox->window.store(nullptr);
  for (auto& [id, slot] : timers) delete slot.second;
  timers.clear();
  QWidget* w = widget;
  widget = nullptr;
  client = nullptr;
  clientOffset = {};
  if (context) {
    // Drops the connection that reports the widget's destruction. When that report is what runs
    // now, the context goes later, outside its own slot.
    if (destroy) {
      delete context;
    } else {
      context->deleteLater();
    }
    context = nullptr;
  }
  if (destroy && w) delete w;
}

}  // namespace detail

namespace {
CursorShape g_cursorChoice = CursorShape::Default;
}  // namespace

Window::Window() : impl_(std::make_unique<detail::WindowImpl>(this)) {}

Window::~Window() {
  DetachFromTree();
  impl_->ReleaseWidget(true);
}

bool Window::IsCreated() const { return impl_->widget != nullptr; }

Window* Window::GetDlgItem(int id) const {
  for (Window* child : children_) {
    if (child->id_ == id) return child;
  }
  return nullptr;
}

Window* Window::GetTopLevel() {
  Window* w = this;
  while (w->parent_) w = w->parent_;
  return w;
}

bool Window::IsDescendantOf(const Window* ancestor) const {
  for (const Window* w = this; w; w = w->parent_) {
    if (w == ancestor) return true;
  }
  return false;
}

void Window::AttachChild(Window* child) {
  if (child->parent_) child->parent_->DetachChild(child);
  child->parent_ = this;
  children_.push_back(child);
}

void Window::DetachChild(Window* child) {
  children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
  child->parent_ = nullptr;
}

void Window::DetachFromTree() {
  owner_ = nullptr;
  if (parent_) parent_->DetachChild(this);
  for (Window* child : children_) child->parent_ = nullptr;
  children_.clear();
}

void Window::ModifyStyle(uint32_t remove, uint32_t add) {
  style_ = (style_ & ~remove) | add;
  if (IsCreated()) Invalidate();
}

bool Window::CreateControl(const ControlTemplate& t, Window* parent) {
  if (IsCreated()) return false;
  id_ = t.id;
  style_ = t.style;
  impl_->text = t.text;
  const bool popup = parent && (t.style & CS_POPUPWINDOW);
  QWidget* parentWidget = popup ? detail::WidgetOf(parent->GetTopLevel()) : parent ? detail::ClientWidgetOf(parent) : nullptr;
  detail::Native* native = CreateNative(detail::AsNative(parentWidget), t);
  if (!native) return false;
  QWidget* widget = detail::AsWidget(native);
  if (popup) {
    // A top-level window of its own, owned by the parent's top-level window.
    owner_ = parent;
    widget->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
  } else if (parent) {
    parent->AttachChild(this);
  }
  impl_->widget = widget;
  if (!impl_->client) impl_->client = widget;
  impl_->mailbox->window.store(this);
  detail::WindowImpl* impl = impl_.get();
  QObject::connect(widget, &QObject::destroyed, impl->Context(), [this, impl] {
    impl->widget = nullptr;  // destroyed with its parent: forget it, and leave the tree
    impl->ReleaseWidget(false);
    DetachFromTree();
  });
  if (parent) {
    widget->setGeometry(detail::ToQt(t.units));
    // Made with its parent's font, which is mostly its dialog's: set only when it differs, since
    // every change of font costs some controls a rebuild of their insides.
    if (const QFont font = detail::ToQt(GetFont()); widget->font() != font) widget->setFont(font);
    widget->setVisible(!(t.style & CS_HIDDEN));
  }
  if (t.style & CS_DISABLED) widget->setEnabled(false);
  OnCreated();
  return true;
}

void Window::SetWindowText(const std::string& text) {
  impl_->text = text;
  OnTextChanged();
  if (impl_->widget) impl_->widget->update();
}

std::string Window::GetWindowText() const { return impl_->text; }

void Window::SetFont(const Font& font, bool redraw) {
  impl_->font = font;
  if (!impl_->widget) return;
  // A change of font makes some controls (drop-down lists above all) build their insides anew:
  // none when the font is the one they show already.
  const QFont wanted = detail::ToQt(font);
  if (impl_->widget->font() == wanted) return;
  impl_->widget->setFont(wanted);
  if (redraw) impl_->widget->update();
}

Font Window::GetFont() const {
  for (const Window* w = this; w; w = w->parent_) {
    if (w->impl_->font) return *w->impl_->font;
  }
  return Font::FromPointSize("Arial", 10);
}

Rect Window::GetWindowRect() const {
  if (!impl_->widget) return {};
  if (impl_->widget->isWindow()) {
    return Rect::FromXYWH(impl_->widget->x(), impl_->widget->y(), impl_->widget->width(), impl_->widget->height());
  }
  return detail::FromQt(impl_->widget->geometry());
}

Rect Window::GetClientRect() const {
  if (!impl_->client) return {};
  return Rect::FromXYWH(0, 0, impl_->client->width(), impl_->client->height());
}

void Window::MoveWindow(const Rect& rect, bool repaint) {
  if (!impl_->widget) return;
  if (impl_->widget->isWindow() && impl_->widget->minimumSize() == impl_->widget->maximumSize()) {
    impl_->widget->setFixedSize(rect.Width(), rect.Height());  // a dialog keeps a fixed size, this one
  }
  impl_->widget->setGeometry(detail::ToQt(rect));
  if (repaint) impl_->widget->update();
}

Point Window::ClientToScreen(Point p) const {
  if (!impl_->client) return p;
  return detail::FromQt(impl_->client->mapToGlobal(detail::ToQt(p)));
}

Point Window::ScreenToClient(Point p) const {
  if (!impl_->client) return p;
  return detail::FromQt(impl_->client->mapFromGlobal(detail::ToQt(p)));
}

bool Window::ShowWindow(bool show) {
  if (!impl_->widget) return false;
  const bool was = !impl_->widget->isHidden();
  impl_->widget->setVisible(show);
  return was;
}

bool Window::IsWindowVisible() const { return impl_->widget && !impl_->widget->isHidden(); }

bool Window::IsShownInTree() const { return impl_->widget && impl_->widget->isVisible(); }

bool Window::EnableWindow(bool enable) {
  if (!impl_->widget) return false;
  const bool wasDisabled = !IsWindowEnabled();
  impl_->widget->setEnabled(enable);
  return wasDisabled;
}

bool Window::IsWindowEnabled() const {
  return impl_->widget && !impl_->widget->testAttribute(Qt::WA_ForceDisabled);
}

void Window::SetRedraw(bool redraw) {
  if (impl_->widget) impl_->widget->setUpdatesEnabled(redraw);
}

void Window::Invalidate(bool) {
  if (impl_->widget) impl_->widget->update();
}

void Window::InvalidateRect(const Rect& rect, bool) {
  if (!impl_->widget) return;
  const Point o = impl_->clientOffset;
  impl_->widget->update(detail::ToQt(rect.Offset(o.x, o.y)));
}

void Window::UpdateWindow() {
  if (impl_->widget && impl_->widget->isVisible()) impl_->widget->repaint();
}

void Window::SetFocus() {
  if (impl_->widget) impl_->widget->setFocus(Qt::OtherFocusReason);
}

void Window::TakeFocus() {
  QWidget* widget = impl_->widget;
  if (!widget) return;
  // Asked even of the active window: an activation of another window may still be on its way
  // (a list opened and closed by two quick keys), and the last request wins.
  QWidget* top = widget->window();
  if (top->isVisible()) top->activateWindow();
  widget->setFocus(Qt::OtherFocusReason);
}

bool Window::HasFocus() const {
  QWidget* focus = QApplication::focusWidget();
  return focus && detail::WindowOfWidget(focus) == this;
}

Window* Window::GetFocus() { return detail::WindowOfWidget(QApplication::focusWidget()); }

void Window::BringToTop() {
  if (impl_->widget) impl_->widget->raise();
}

void Window::DestroyWindow() {
  if (!impl_->widget) return;
  OnDestroy();
  impl_->ReleaseWidget(true);
  DetachFromTree();
}

intptr_t Window::SendMessage(unsigned msg, uintptr_t wParam, intptr_t lParam) {
  switch (msg) {
    case WM_COMMAND:
      return OnCommand(CommandId(wParam), CommandCode(wParam)) ? 1 : 0;
    case WM_TIMER:
      OnTimer(static_cast<unsigned>(wParam));
      return 0;
    default:
      return OnMessage(msg, wParam, lParam);
  }
}

bool Window::PostMessage(unsigned msg, uintptr_t wParam, intptr_t lParam) {
  QCoreApplication* app = QCoreApplication::instance();
  std::shared_ptr<detail::Mailbox> mailbox = impl_->mailbox;
  if (!app || !mailbox->window.load()) return false;
  detail::PostToUiThread(std::move(mailbox), msg, wParam, lParam);
  return true;
}

void Window::NotifyParent(int notifyCode) {
  if (OnReflectedCommand(notifyCode)) return;
  if (parent_) parent_->SendMessage(WM_COMMAND, MakeCommand(id_, notifyCode), reinterpret_cast<intptr_t>(this));
}

bool Window::SetTimer(unsigned id, unsigned ms) {
  auto& slot = impl_->timers[id];
  if (!slot.second) {
    QTimer* timer = new QTimer(impl_->Context());
    slot.second = timer;
    QObject::connect(timer, &QTimer::timeout, timer, [this, id, timer] {
      if (timer->isSingleShot()) KillTimer(id);
      OnTimer(id);
    });
  }
  slot.first = ms;
  slot.second->setSingleShot(false);
  slot.second->start(static_cast<int>(std::max(1u, ms)));
  ++impl_->timerArmings[id];
  return true;
}

bool Window::SetOneShot(unsigned id) {
  SetTimer(id, 0);
  QTimer* timer = impl_->timers[id].second;
  timer->setSingleShot(true);
  timer->start(0);
  return true;
}

bool Window::KillTimer(unsigned id) {
  auto it = impl_->timers.find(id);
  if (it == impl_->timers.end()) return false;
  QTimer* timer = it->second.second;
  impl_->timers.erase(it);
  timer->stop();
  timer->deleteLater();  // it may be the one whose tick is running now
  return true;
}

bool Window::IsTimerArmed(unsigned id) const { return impl_->timers.count(id) != 0; }

unsigned Window::TimerInterval(unsigned id) const {
  auto it = impl_->timers.find(id);
  return it == impl_->timers.end() ? 0 : it->second.first;
}

bool Window::FireTimer(unsigned id) {
  if (!IsTimerArmed(id)) return false;
  if (impl_->timers[id].second->isSingleShot()) KillTimer(id);
  OnTimer(id);
  return true;
}

unsigned Window::TimerArmings(unsigned id) const {
  auto it = impl_->timerArmings.find(id);
  return it == impl_->timerArmings.end() ? 0 : it->second;
}

std::vector<unsigned> Window::ArmedTimers() const {
  std::vector<unsigned> ids;
  for (const auto& [id, slot] : impl_->timers) ids.push_back(id);
  return ids;
}

void Window::Paint(DeviceContext& dc) {
  const int saved = dc.SaveDC();
  dc.SelectFont(GetFont());
  OnPaint(dc);
  dc.RestoreDC(saved);
}

Brush Window::QueryColours(DeviceContext& dc, CtlColor kind) {
  dc.SetTextColor(colours::kBlack);
  dc.SetBkColor(colours::kButtonFace);
  dc.SetBkMode(BkMode::Opaque);
  Window* asker = (kind == CtlColor::Dialog || !parent_) ? this : parent_;
  Brush brush = asker->OnCtlColor(dc, *this, kind);
  if (brush.IsNone()) brush = DefaultColours(dc, kind);
  return brush;
}

bool Window::OnCommand(int, int) { return false; }
bool Window::OnReflectedCommand(int) { return false; }
intptr_t Window::OnMessage(unsigned, uintptr_t, intptr_t) { return 0; }
void Window::OnTimer(unsigned) {}
bool Window::OnInput(const Msg&) { return false; }
bool Window::PreTranslateMessage(const Msg&) { return false; }

Brush Window::OnCtlColor(DeviceContext& dc, Window& control, CtlColor kind) {
  return control.DefaultColours(dc, kind);
}

void Window::OnDrawItem(int id, const DrawItemStruct& item) {
  Window* control = item.control ? item.control : GetDlgItem(id);
  if (control) control->DrawItem(item);
}

void Window::DrawItem(const DrawItemStruct&) {}
void Window::OnPaint(DeviceContext& dc) { DefaultPaint(dc); }
bool Window::OnSetCursor(Window&) { return false; }
bool Window::OnContextMenu(Window&, Point) { return false; }
void Window::OnEnable(bool) {}
void Window::OnShowWindow(bool) {}
void Window::OnSize(Size) {}
void Window::OnDestroy() {}
void Window::OnTextChanged() {}

void Window::DefaultProcessing() { detail::RunDefaultForCurrentInput(this); }

CursorShape Window::QueryCursor() {
  std::vector<Window*> chain;
  for (Window* w = this; w; w = w->parent_) chain.push_back(w);
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    g_cursorChoice = CursorShape::Default;
    if ((*it)->OnSetCursor(*this)) return g_cursorChoice;
  }
  return CursorShape::Default;
}

void Window::DefaultPaint(DeviceContext& dc) {
  auto* qt = dynamic_cast<detail::QtDeviceContext*>(&dc);
  if (!qt || !impl_->widget) return;
  // A native control paints itself in the colours its dialog's colour handler gives.
  RecordingDeviceContext answer;
  const Brush brush = QueryColours(answer, ColourKind());
  QPalette palette = impl_->widget->palette();
  const QColor text = detail::ToQt(answer.GetTextColor());
  for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) palette.setColor(QPalette::Active, role, text), palette.setColor(QPalette::Inactive, role, text);
  if (brush.GetKind() == Brush::Kind::Solid) {
    const QColor fill = detail::ToQt(brush.GetColour());
    for (auto role : {QPalette::Base, QPalette::Window, QPalette::Button}) palette.setColor(role, fill);
  }
  if (palette != impl_->widget->palette()) impl_->widget->setPalette(palette);
  qt->PaintDefault();
}

Brush Window::DefaultColours(DeviceContext& dc, CtlColor kind) {
  if (kind == CtlColor::Edit || kind == CtlColor::ListBox) {
    dc.SetBkColor(colours::kWindow);
    dc.SetTextColor(colours::kWindowText);
    return Brush::Solid(colours::kWindow);
  }
  dc.SetBkColor(colours::kButtonFace);
  return Brush::Solid(colours::kButtonFace);
}

bool Window::IsMouseTransparent() const { return IsCreated() && !IsWindowEnabled(); }
bool Window::WantsKey(unsigned) const { return false; }

void SetCursor(CursorShape shape) { g_cursorChoice = shape; }

bool IsKeyDown(unsigned vk) {
  const Qt::KeyboardModifiers mods = QGuiApplication::queryKeyboardModifiers();
  switch (vk) {
    case VK_LBUTTON: return QGuiApplication::mouseButtons() & Qt::LeftButton;
    case VK_SHIFT: return mods & Qt::ShiftModifier;
    case VK_CONTROL: return mods & Qt::ControlModifier;
    case VK_MENU: return mods & Qt::AltModifier;
    default: return false;
  }
}

}  // namespace fw
