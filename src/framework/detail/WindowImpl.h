#pragma once
// The state of a Window that lives on the toolkit side. Qt-free: it holds pointers only.
#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "framework/Font.h"
#include "framework/Geometry.h"

class QEvent;
class QObject;
class QTimer;
class QWidget;

namespace fw {
class DeviceContext;
class Window;
}

namespace fw::detail {

// The target of posted messages; outlives the window so that late messages find it empty.
struct Mailbox {
  std::atomic<Window*> window{nullptr};
};

// Queues `msg` for the mailbox's window on the UI thread; safe from any thread.
void PostToUiThread(std::shared_ptr<Mailbox> mailbox, unsigned msg, uintptr_t wParam, intptr_t lParam);

struct WindowImpl {
  explicit WindowImpl(Window* owner);
  ~WindowImpl();

  // Drops the widget (destroying it when `destroy`) and everything tied to it.
  void ReleaseWidget(bool destroy);
  QObject* Context();  // owner of timers and connections; created on first use

  Window* owner;
  QWidget* widget = nullptr;
  QWidget* client = nullptr;  // where children go; the widget itself unless bordered
  Point clientOffset;         // of the client area within the widget
  QObject* context = nullptr;
  std::shared_ptr<Mailbox> mailbox = std::make_shared<Mailbox>();
  std::map<unsigned, std::pair<unsigned, QTimer*>> timers;  // id -> (period, timer)
  std::map<unsigned, unsigned> timerArmings;                // id -> SetTimer calls
  std::string text;
  std::optional<Font> font;
  bool suppressPaint = false;  // while its background is being captured
  DeviceContext* painting = nullptr;  // the device context of a paint event under way
  int destroyDepth = 0;
};

}  // namespace fw::detail
