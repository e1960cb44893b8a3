#pragma once
// Glue between a Window and the toolkit widget that shows it. Only the framework's .cpp files use
// this, after including the toolkit's headers.
#include <functional>

class QEvent;
class QObject;
class QPaintEvent;
class QWidget;

namespace fw {
class Window;
}

namespace fw::detail {

struct Native;

inline QWidget* AsWidget(Native* n) { return reinterpret_cast<QWidget*>(n); }
inline Native* AsNative(QWidget* w) { return reinterpret_cast<Native*>(w); }

// Marks `widget` as the window's widget and connects it to the input router.
void InitHost(QWidget* widget, Window* window);
// The window whose widget is `widget` or its nearest host parent within the same top-level window.
Window* WindowOfWidget(const QObject* widget);
// The widget of `window`, nullptr when it has none.
QWidget* WidgetOf(const Window* window);
// Where children of `window` go (its widget, or the inner client widget of a bordered one).
QWidget* ClientWidgetOf(const Window* window);
// Runs the window's painting for a paint event on `device`; `basePaint` is the toolkit's own.
void PaintHost(Window* window, QWidget* device, QPaintEvent* event, const std::function<void()>& basePaint);

// A toolkit widget class with the framework's painting in front of its own.
template <class Base>
class Host : public Base {
 public:
  template <typename... Args>
  explicit Host(Window* window, Args&&... args) : Base(std::forward<Args>(args)...), window_(window) {
    InitHost(this, window);
  }
  Window* FwWindow() const { return window_; }

 protected:
  void paintEvent(QPaintEvent* event) override {
    PaintHost(window_, this, event, [&] { Base::paintEvent(event); });
  }

 private:
  Window* window_;
};

}  // namespace fw::detail
