#include "framework/detail/InputRouter.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <memory>
#include <vector>

#include "framework/Dialog.h"
#include "framework/Window.h"
#include "framework/detail/Convert.h"
#include "framework/detail/Host.h"
#include "framework/detail/WindowImpl.h"

namespace fw::detail {

namespace {

// An input event being dispatched to a window now.
struct Dispatch {
  QObject* receiver;
  QEvent* event;
  Window* window;
  bool defaultDone;
};

// An event handed back to the toolkit for its own processing: the toolkit may pass it on to parent
// widgets, as the same event or a copy of the same type, which must not be dispatched again.
struct Passing {
  QObject* receiver;
  QEvent* event;
  QEvent::Type type;
};

std::vector<Dispatch*> g_dispatches;
std::vector<Passing> g_passing;
bool g_waitCursorShown = false;

bool IsAncestorOrSelf(const QObject* ancestor, const QObject* of) {
  for (const QObject* o = of; o; o = o->parent()) {
    if (o == ancestor) return true;
  }
  return false;
}

bool IsPassing(QObject* receiver, QEvent* event) {
  for (const Passing& p : g_passing) {
    if (p.event == event) return true;
    if (p.type == event->type() && IsAncestorOrSelf(receiver, p.receiver)) return true;
  }
  return false;
}

void PassToToolkit(QObject* receiver, QEvent* event) {
  g_passing.push_back({receiver, event, event->type()});
  QCoreApplication::sendEvent(receiver, event);
  g_passing.pop_back();
}

unsigned VirtualKey(int key) {
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return static_cast<unsigned>(key);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return VK_F1 + static_cast<unsigned>(key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Delete: return VK_DELETE;
    default: return 0;
  }
}

unsigned Flags(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) {
  unsigned flags = 0;
  if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
  if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
  if (buttons & Qt::MiddleButton) flags |= MK_MBUTTON;
  if (mods & Qt::ShiftModifier) flags |= MK_SHIFT;
  if (mods & Qt::ControlModifier) flags |= MK_CONTROL;
  return flags;
}

std::optional<MsgKind> MouseKind(const QMouseEvent& e) {
  const Qt::MouseButton b = e.button();
  switch (e.type()) {
    case QEvent::MouseButtonPress:
      return b == Qt::LeftButton ? MsgKind::LButtonDown : b == Qt::RightButton ? MsgKind::RButtonDown : MsgKind::MButtonDown;
    case QEvent::MouseButtonDblClick:
      return b == Qt::LeftButton ? MsgKind::LButtonDblClk : b == Qt::RightButton ? MsgKind::RButtonDown : MsgKind::MButtonDown;
    case QEvent::MouseButtonRelease:
      return b == Qt::LeftButton ? MsgKind::LButtonUp : b == Qt::RightButton ? MsgKind::RButtonUp : MsgKind::MButtonUp;
    case QEvent::MouseMove:
      return MsgKind::MouseMove;
    default:
      return std::nullopt;
  }
}

// Walks the target and its parents; true when one of them swallowed the message. `alive` tells
// whether the target still exists afterwards.
bool PreTranslate(const Msg& msg) {
  for (Window* w = msg.target; w; w = w->GetContainer()) {
    if (w->PreTranslateMessage(msg)) return true;
  }
  return false;
}

void ApplyCursor(Window& over) {
  const CursorShape shape = over.QueryCursor();
  const bool wait = shape == CursorShape::Wait;
  if (wait && !g_waitCursorShown) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (!wait && g_waitCursorShown) {
    QGuiApplication::restoreOverrideCursor();
  }
  g_waitCursorShown = wait;
  if (QWidget* widget = WidgetOf(&over)) {
    if (shape == CursorShape::Hand) {
      widget->setCursor(Qt::PointingHandCursor);
    } else if (shape == CursorShape::Arrow) {
      widget->setCursor(Qt::ArrowCursor);
    } else if (shape == CursorShape::IBeam) {
      widget->setCursor(Qt::IBeamCursor);
    } else if (widget->testAttribute(Qt::WA_SetCursor) && !wait) {
      widget->unsetCursor();
    }
  }
}

// Runs the hooks for one message; true when the message was taken (no default processing).
bool Deliver(Dispatch& d, const Msg& msg) {
  g_dispatches.push_back(&d);
  const bool handled = msg.target->OnInput(msg);
  g_dispatches.pop_back();
  return handled || d.defaultDone;
}

class InputRouter : public QObject {
 public:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (!receiver->isWidgetType() || IsPassing(receiver, event)) return false;
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
        return Mouse(receiver, static_cast<QMouseEvent*>(event));
      case QEvent::Wheel:
        return Wheel(receiver, static_cast<QWheelEvent*>(event));
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
        return Key(receiver, static_cast<QKeyEvent*>(event));
      case QEvent::FocusIn:
      case QEvent::FocusOut:
        return Focus(receiver, static_cast<QFocusEvent*>(event));
      case QEvent::ContextMenu:
        return ContextMenu(receiver, static_cast<QContextMenuEvent*>(event));
      case QEvent::Close:
        return Close(receiver, event);
      case QEvent::Show:
      case QEvent::Hide:
      case QEvent::Resize:
      case QEvent::EnabledChange:
        Lifecycle(receiver, event);
        return false;
      default:
        return false;
    }
  }

 private:
  static Window* HostWindow(QObject* receiver) {
    Window* w = WindowOfWidget(receiver);
    return w && WidgetOf(w) == receiver ? w : nullptr;
  }

  static void Lifecycle(QObject* receiver, QEvent* event) {
    Window* w = HostWindow(receiver);
    if (!w) return;
    auto* widget = static_cast<QWidget*>(receiver);
    switch (event->type()) {
      case QEvent::Show:
        w->OnShowWindow(true);
        break;
      case QEvent::Hide:
        w->OnShowWindow(false);
        break;
      case QEvent::Resize: {
        WindowImpl& impl = w->Impl();
        if (impl.client && impl.client != widget) {
          impl.client->setGeometry(impl.clientOffset.x, impl.clientOffset.y,
                                   widget->width() - 2 * impl.clientOffset.x,
                                   widget->height() - 2 * impl.clientOffset.y);
        }
        w->OnSize(w->GetClientRect().GetSize());
        break;
      }
      case QEvent::EnabledChange:
        w->OnEnable(widget->isEnabled());
        break;
      default:
        break;
    }
  }

  static bool Mouse(QObject* receiver, QMouseEvent* e) {
    Window* w = WindowOfWidget(receiver);
    const std::optional<MsgKind> kind = MouseKind(*e);
    if (!w || !kind) return false;
    const Window* original = w;
    // A disabled window or a static that does not notify lets the mouse through to its parent.
    while (w->GetContainer() && w->IsMouseTransparent()) w = w->GetContainer();
    Msg msg;
    msg.kind = *kind;
    msg.target = w;
    msg.targetId = w->GetDlgCtrlID();
    msg.screenPoint = FromQt(e->globalPosition().toPoint());
    msg.point = w->ScreenToClient(msg.screenPoint);
    msg.flags = Flags(e->buttons(), e->modifiers());
    std::shared_ptr<Mailbox> alive = w->Impl().mailbox;
    e->accept();
    if (PreTranslate(msg) || !alive->window.load()) return true;
    if (msg.kind == MsgKind::MouseMove) ApplyCursor(*w);
    Dispatch d{receiver, e, w, false};
    if (!Deliver(d, msg) && w == original && alive->window.load()) PassToToolkit(receiver, e);
    e->accept();
    return true;
  }

  static bool Wheel(QObject* receiver, QWheelEvent* e) {
    Window* w = WindowOfWidget(receiver);
    if (!w) return false;
    Msg msg;
    msg.kind = MsgKind::MouseWheel;
    msg.target = w;
    msg.targetId = w->GetDlgCtrlID();
    msg.screenPoint = FromQt(e->globalPosition().toPoint());
    msg.point = w->ScreenToClient(msg.screenPoint);
    msg.flags = Flags(e->buttons(), e->modifiers());
    msg.wheelDelta = e->angleDelta().y();
    std::shared_ptr<Mailbox> alive = w->Impl().mailbox;
    if (PreTranslate(msg) || !alive->window.load()) return true;
    Dispatch d{receiver, e, w, false};
    if (!Deliver(d, msg) && alive->window.load()) PassToToolkit(receiver, e);
    e->accept();
    return true;
  }

  static bool Key(QObject* receiver, QKeyEvent* e) {
    Window* w = WindowOfWidget(receiver);
    if (!w) return false;
    const bool press = e->type() == QEvent::KeyPress;
    Msg msg;
    msg.kind = press ? MsgKind::KeyDown : MsgKind::KeyUp;
    msg.target = w;
    msg.targetId = w->GetDlgCtrlID();
    msg.key = VirtualKey(e->key());
    msg.flags = Flags(Qt::NoButton, e->modifiers());
    msg.autoRepeat = e->isAutoRepeat();
    std::shared_ptr<Mailbox> alive = w->Impl().mailbox;
    e->accept();
    if (PreTranslate(msg) || !alive->window.load()) return true;
    Dispatch d{receiver, e, w, false};
    bool taken = Deliver(d, msg);
    if (press && !e->text().isEmpty() && alive->window.load()) {
      Msg ch = msg;
      ch.kind = MsgKind::Char;
      ch.text = FromQt(e->text());
      if (!PreTranslate(ch) && alive->window.load()) {
        taken = Deliver(d, ch) || taken;
      } else {
        taken = true;
      }
    }
    if (!alive->window.load()) return true;
    if (!taken) PassToToolkit(receiver, e);
    // Alt+F4 is the close request where no window manager turns it into one.
    if (press && msg.key == VK_F4 && (e->modifiers() & Qt::AltModifier) && alive->window.load()) {
      if (auto* dialog = dynamic_cast<Dialog*>(w->GetTopLevel())) dialog->OnClose();
    }
    e->accept();
    return true;
  }

  static bool Focus(QObject* receiver, QFocusEvent* e) {
    Window* w = WindowOfWidget(receiver);
    if (!w) return false;
    Msg msg;
    msg.kind = e->type() == QEvent::FocusIn ? MsgKind::SetFocus : MsgKind::KillFocus;
    msg.target = w;
    msg.targetId = w->GetDlgCtrlID();
    Window* other = WindowOfWidget(QApplication::focusWidget());
    msg.other = other == w ? nullptr : other;
    std::shared_ptr<Mailbox> alive = w->Impl().mailbox;
    Dispatch d{receiver, e, w, false};
    if (!Deliver(d, msg) && alive->window.load()) PassToToolkit(receiver, e);
    return true;
  }

  static bool ContextMenu(QObject* receiver, QContextMenuEvent* e) {
    Window* w = WindowOfWidget(receiver);
    if (!w) return false;
    const Point at = FromQt(e->globalPos());
    Window* clicked = w;
    while (clicked->GetContainer() && clicked->IsMouseTransparent()) clicked = clicked->GetContainer();
    for (Window* x = clicked; x; x = x->GetContainer()) {
      if (x->OnContextMenu(*clicked, at)) {
        e->accept();
        return true;
      }
    }
    return false;
  }

  static bool Close(QObject* receiver, QEvent* e) {
    auto* dialog = dynamic_cast<Dialog*>(HostWindow(receiver));
    if (!dialog) return false;
    // The window stays unless the dialog ends itself; ending hides it.
    e->ignore();
    dialog->OnClose();
    return true;
  }
};

}  // namespace

void InstallInputRouter() {
  static InputRouter* router = nullptr;
  if (router || !QCoreApplication::instance()) return;
  router = new InputRouter;
  router->setParent(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(router);
}

void RunDefaultForCurrentInput(Window* window) {
  if (g_dispatches.empty()) return;
  Dispatch* d = g_dispatches.back();
  if (d->window != window || d->defaultDone) return;
  d->defaultDone = true;
  if (WindowOfWidget(d->receiver) == window) PassToToolkit(d->receiver, d->event);
}

}  // namespace fw::detail
