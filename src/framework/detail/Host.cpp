#include "framework/detail/Host.h"

#include <QAbstractScrollArea>
#include <QPaintEvent>
#include <QWidget>

#include "framework/Window.h"
#include "framework/detail/InputRouter.h"
#include "framework/detail/QtDeviceContext.h"
#include "framework/detail/WindowImpl.h"

namespace fw::detail {

namespace {
constexpr const char* kWindowProperty = "fwWindow";
}

void InitHost(QWidget* widget, Window* window) {
  InstallInputRouter();
  widget->setProperty(kWindowProperty, QVariant::fromValue(reinterpret_cast<quintptr>(window)));
  widget->setMouseTracking(true);
  if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) area->viewport()->setMouseTracking(true);
}

Window* WindowOfWidget(const QObject* object) {
  for (const QObject* o = object; o; o = o->parent()) {
    if (!o->isWidgetType()) return nullptr;
    const QVariant value = o->property(kWindowProperty);
    if (value.isValid()) {
      auto* window = reinterpret_cast<Window*>(value.value<quintptr>());
      // A widget whose window let go of it (being destroyed) belongs to nobody.
      return window && window->Impl().widget == o ? window : nullptr;
    }
    if (static_cast<const QWidget*>(o)->isWindow()) return nullptr;  // a foreign pop-up
  }
  return nullptr;
}

QWidget* WidgetOf(const Window* window) { return window ? window->Impl().widget : nullptr; }

QWidget* ClientWidgetOf(const Window* window) { return window ? window->Impl().client : nullptr; }

void PaintHost(Window* window, QWidget* device, QPaintEvent*, const std::function<void()>& basePaint) {
  WindowImpl& impl = window->Impl();
  if (impl.suppressPaint || impl.widget != device) return;
  QWidget* target = device;
  Point origin = impl.clientOffset;
  if (auto* area = qobject_cast<QAbstractScrollArea*>(device)) {
    // Painting lands on the viewport; the device context keeps the control's own coordinates.
    target = area->viewport();
    origin = {-target->x(), -target->y()};
  }
  QtDeviceContext dc(target, origin, basePaint, window->GetFont());
  DeviceContext* outer = impl.painting;
  impl.painting = &dc;
  window->Paint(dc);
  impl.painting = outer;
}

}  // namespace fw::detail
