#include "framework/TestSeams.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <cstdio>
#include <optional>

#include "framework/Dialog.h"
#include "framework/detail/BitmapAccess.h"
#include "framework/detail/Convert.h"
#include "framework/detail/Host.h"
#include "framework/detail/Usable.h"

namespace fw {

namespace {

ModalScript* g_modalScript = nullptr;
FileDialogScript* g_fileScript = nullptr;
std::function<void(const std::string&)> g_reporter;

// Depth-first search for a control id among the dialog's descendants (a page's controls too).
Window* FindControl(Window& root, int id) {
  if (Window* direct = root.GetDlgItem(id)) return direct;
  for (Window* child : root.GetChildren()) {
    if (Window* found = FindControl(*child, id)) return found;
  }
  return nullptr;
}

ShownDialog Snapshot(Dialog& dialog) {
  ShownDialog shown;
  shown.templateId = dialog.TemplateId();
  shown.title = dialog.GetWindowText();
  shown.size = dialog.GetClientRect().GetSize();
  for (const ControlTemplate& item : dialog.Template().controls) {
    Window* control = dialog.GetDlgItem(item.id);
    if (!control) continue;
    shown.controls.push_back(
        {item.id, item.kind, control->GetWindowText(), control->IsWindowVisible(), control->IsWindowEnabled()});
  }
  return shown;
}

std::string Describe(const ShownDialog& d) {
  std::string out = "dialog " + std::to_string(d.templateId);
  for (const std::string& text : d.VisibleTexts()) out += " \"" + text + "\"";
  return out;
}

int QtKey(unsigned vk) {
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return static_cast<int>(vk);
  if (vk >= VK_F1 && vk < VK_F1 + 24) return Qt::Key_F1 + static_cast<int>(vk - VK_F1);
  switch (vk) {
    case VK_BACK: return Qt::Key_Backspace;
    case VK_TAB: return Qt::Key_Tab;
    case VK_RETURN: return Qt::Key_Return;
    case VK_SHIFT: return Qt::Key_Shift;
    case VK_CONTROL: return Qt::Key_Control;
    case VK_MENU: return Qt::Key_Alt;
    case VK_ESCAPE: return Qt::Key_Escape;
    case VK_SPACE: return Qt::Key_Space;
    case VK_PRIOR: return Qt::Key_PageUp;
    case VK_NEXT: return Qt::Key_PageDown;
    case VK_END: return Qt::Key_End;
    case VK_HOME: return Qt::Key_Home;
    case VK_LEFT: return Qt::Key_Left;
    case VK_UP: return Qt::Key_Up;
    case VK_RIGHT: return Qt::Key_Right;
    case VK_DOWN: return Qt::Key_Down;
    case VK_DELETE: return Qt::Key_Delete;
    default: return 0;
  }
}

QString KeyText(unsigned vk, unsigned modifiers) {
  switch (vk) {
    case VK_RETURN: return QStringLiteral("\r");
    case VK_ESCAPE: return QString(QChar(0x1B));
    case VK_TAB: return QStringLiteral("\t");
    case VK_BACK: return QString(QChar(0x08));
    case VK_SPACE: return QStringLiteral(" ");
    default: break;
  }
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) {
    QChar c(static_cast<char16_t>(vk));
    return (modifiers & MK_SHIFT) ? QString(c) : QString(c.toLower());
  }
  return {};
}

Qt::KeyboardModifiers QtModifiers(unsigned modifiers) {
  Qt::KeyboardModifiers mods;
  if (modifiers & MK_SHIFT) mods |= Qt::ShiftModifier;
  if (modifiers & MK_CONTROL) mods |= Qt::ControlModifier;
  return mods;
}

void SendKey(QWidget* receiver, int key, Qt::KeyboardModifiers mods, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, mods, text);
  QApplication::sendEvent(receiver, &press);
  QKeyEvent release(QEvent::KeyRelease, key, mods, text);
  QApplication::sendEvent(receiver, &release);
}

}  // namespace

// --- ShownDialog -----------------------------------------------------------------------------------

const ShownControl* ShownDialog::Find(int id) const {
  for (const ShownControl& c : controls) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

std::string ShownDialog::Text(int id) const {
  const ShownControl* c = Find(id);
  return c ? c->text : std::string();
}

bool ShownDialog::IsVisible(int id) const {
  const ShownControl* c = Find(id);
  return c && c->visible;
}

bool ShownDialog::IsEnabled(int id) const {
  const ShownControl* c = Find(id);
  return c && c->enabled;
}

std::vector<std::string> ShownDialog::VisibleTexts() const {
  std::vector<std::string> texts;
  for (const ShownControl& c : controls) {
    if (c.kind == ControlKind::Text && c.visible) texts.push_back(c.text);
  }
  return texts;
}

std::vector<int> ShownDialog::VisibleButtons() const {
  std::vector<int> ids;
  for (const ShownControl& c : controls) {
    if (c.kind == ControlKind::PushButton && c.visible) ids.push_back(c.id);
  }
  return ids;
}

// --- ModalScript -----------------------------------------------------------------------------------

ModalScript::ModalScript() : previous_(g_modalScript) { g_modalScript = this; }

ModalScript::~ModalScript() { g_modalScript = previous_; }

ModalScript* ModalScript::Current() { return g_modalScript; }

ModalScript& ModalScript::Press(int id) {
  answers_.push_back([id](Dialog& dialog) {
    Window* control = FindControl(dialog, id);
    if (!control) {
      ReportFailure("dialog " + std::to_string(dialog.TemplateId()) + " has no control " + std::to_string(id));
    } else if (!Click(*control)) {
      ReportFailure("control " + std::to_string(id) + " of dialog " + std::to_string(dialog.TemplateId()) +
                    " cannot be clicked (hidden or disabled)");
    }
  });
  return *this;
}

ModalScript& ModalScript::Key(unsigned vk) {
  answers_.push_back([vk](Dialog& dialog) {
    if (vk == VK_F4) {
      RequestClose(dialog);
      return;
    }
    Window* focus = Window::GetFocus();
    PressKey(focus && focus->IsDescendantOf(&dialog) ? *focus : dialog, vk);
  });
  return *this;
}

ModalScript& ModalScript::Do(Action action) {
  answers_.push_back(std::move(action));
  return *this;
}

ModalScript& ModalScript::ChooseMenu(int id) {
  menuAnswers_.push_back(id);
  return *this;
}

const ShownDialog& ModalScript::Last() const {
  static const ShownDialog none;
  return dialogs_.empty() ? none : dialogs_.back();
}

int ModalScript::Unanswered() const {
  int count = 0;
  for (const ShownDialog& d : dialogs_) count += d.answered ? 0 : 1;
  for (const ShownMenu& m : menus_) count += m.answered ? 0 : 1;
  return count;
}

void ModalScript::SetFailureReporter(std::function<void(const std::string&)> reporter) {
  g_reporter = std::move(reporter);
}

bool ModalScript::HasFailureReporter() { return static_cast<bool>(g_reporter); }

void ModalScript::ReportFailure(const std::string& message) {
  if (g_reporter) {
    g_reporter(message);
  } else {
    std::fprintf(stderr, "corvale framework: %s\n", message.c_str());
  }
}

int ModalScript::Run(Dialog& dialog, Window* parent) {
  if (!dialog.CreateWindowAndControls(parent, true)) return -1;
  if (QWidget* widget = detail::WidgetOf(&dialog); widget && !dialog.HasEnded()) {
    widget->show();
    // Active at once, so that focus and keys behave as in a window the user looks at.
    QApplication::setActiveWindow(widget);
  }
  const size_t index = dialogs_.size();
  dialogs_.push_back(Snapshot(dialog));
  bool answered = true;
  if (!dialog.HasEnded()) {
    if (answers_.empty()) {
      answered = false;
      ReportFailure(Describe(dialogs_[index]) + " opened with no scripted answer");
    } else {
      Action answer = std::move(answers_.front());
      answers_.pop_front();
      answer(dialog);
      if (!dialog.HasEnded()) ReportFailure(Describe(dialogs_[index]) + " is still open after its scripted answer");
    }
    if (!dialog.HasEnded()) dialog.EndDialog(IDCANCEL);
  }
  dialogs_[index].answered = answered;
  dialogs_[index].result = dialog.Result();
  const int result = dialog.Result();
  dialog.DestroyWindow();
  return result;
}

int ModalScript::RunMenu(const PopupMenu& menu, Point at) {
  ShownMenu shown{menu.Items(), at, 0, false};
  if (menuAnswers_.empty()) {
    ReportFailure("pop-up menu shown with no scripted choice");
  } else {
    shown.chosen = menuAnswers_.front();
    shown.answered = true;
    menuAnswers_.pop_front();
    bool offered = shown.chosen == 0;
    for (const PopupMenu::Item& item : menu.Items()) offered = offered || (item.id == shown.chosen && item.enabled);
    if (!offered) {
      ReportFailure("pop-up menu has no enabled item " + std::to_string(shown.chosen));
      shown.chosen = 0;
    }
  }
  menus_.push_back(shown);
  return shown.chosen;
}

// --- FileDialogScript ------------------------------------------------------------------------------

FileDialogScript::FileDialogScript() : previous_(g_fileScript) { g_fileScript = this; }

FileDialogScript::~FileDialogScript() { g_fileScript = previous_; }

FileDialogScript* FileDialogScript::Current() { return g_fileScript; }

FileDialogScript& FileDialogScript::Choose(std::string path) {
  answers_.push_back(std::move(path));
  return *this;
}

FileDialogScript& FileDialogScript::Cancel() {
  answers_.push_back(std::nullopt);
  return *this;
}

std::optional<std::string> FileDialogScript::Answer(const FileDialogRequest& request) {
  requests_.push_back(request);
  if (answers_.empty()) {
    ModalScript::ReportFailure("file dialog \"" + request.title + "\" shown with no scripted answer");
    return std::nullopt;
  }
  std::optional<std::string> answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

// --- Input helpers ---------------------------------------------------------------------------------

bool Click(Window& control) {
  if (!detail::IsUsable(control)) return false;
  ClickAt(control, control.GetClientRect().CenterPoint());
  return true;
}

namespace {

// The widget under `point` of the window's client area, and the point in its and the screen's
// coordinates.
struct PointerTarget {
  QWidget* receiver = nullptr;
  QPointF at;
  QPointF global;
};

std::optional<PointerTarget> PointerTargetAt(Window& window, Point point) {
  QWidget* client = detail::ClientWidgetOf(&window);
  if (!client) return std::nullopt;
  const QPoint local = detail::ToQt(point);
  QWidget* receiver = client->childAt(local);
  if (!receiver) receiver = client;
  return PointerTarget{receiver, receiver->mapFrom(client, local), client->mapToGlobal(local)};
}

}  // namespace

void ClickAt(Window& window, Point point, bool right) {
  const std::optional<PointerTarget> target = PointerTargetAt(window, point);
  if (!target) return;
  auto [receiver, at, global] = *target;
  const Qt::MouseButton button = right ? Qt::RightButton : Qt::LeftButton;
  QMouseEvent press(QEvent::MouseButtonPress, at, global, button, button, Qt::NoModifier);
  QApplication::sendEvent(receiver, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, button, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(receiver, &release);
  if (right) {
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at.toPoint(), global.toPoint());
    QApplication::sendEvent(receiver, &menu);
  }
}

void TurnWheel(Window& window, Point point, int delta) {
  const std::optional<PointerTarget> target = PointerTargetAt(window, point);
  if (!target) return;
  auto [receiver, at, global] = *target;
  QWheelEvent wheel(at, global, QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(receiver, &wheel);
}

void PressKey(Window& window, unsigned vk, unsigned modifiers) {
  QWidget* receiver = detail::WidgetOf(&window);
  if (!receiver) return;
  if (QWidget* proxy = receiver->focusProxy()) receiver = proxy;
  SendKey(receiver, QtKey(vk), QtModifiers(modifiers), KeyText(vk, modifiers));
}

void TypeText(Window& window, const std::string& text) {
  QWidget* receiver = detail::WidgetOf(&window);
  if (!receiver) return;
  if (QWidget* proxy = receiver->focusProxy()) receiver = proxy;
  const QString q = detail::ToQt(text);
  for (int i = 0; i < q.size(); ++i) {
    QString ch(q[i]);
    if (q[i].isHighSurrogate() && i + 1 < q.size()) ch += q[++i];
    SendKey(receiver, 0, Qt::NoModifier, ch);
  }
}

void RequestClose(Window& window) {
  QWidget* top = detail::WidgetOf(window.GetTopLevel());
  if (!top) return;
  QCloseEvent close;
  QApplication::sendEvent(top, &close);
}

bool RenderToPng(Window& window, const std::string& path) {
  QWidget* widget = detail::WidgetOf(&window);
  if (!widget) return false;
  return widget->grab().save(detail::ToQt(path), "PNG");
}

Bitmap RenderAtPixelRatio(Window& window, int ratio) {
  QWidget* widget = detail::WidgetOf(&window);
  if (!widget || ratio < 1) return {};
  QImage image(widget->size() * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  widget->render(&image);
  image.setDevicePixelRatio(1);
  return detail::BitmapFromImage(image);
}

}  // namespace fw
