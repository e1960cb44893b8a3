#include "framework/CustomWindow.h"

#include <QWidget>

#include "framework/detail/Host.h"

namespace fw {

CustomWindow::CustomWindow() = default;
CustomWindow::~CustomWindow() = default;

bool CustomWindow::Create(Window* parent, const Rect& rect, uint32_t style, int id) {
  ControlTemplate t;
  t.id = id;
  t.units = rect;
  t.style = style;
  return CreateControl(t, parent);
}

detail::Native* CustomWindow::CreateNative(detail::Native* parent, const ControlTemplate&) {
  auto* widget = new detail::Host<QWidget>(this, detail::AsWidget(parent));
  widget->setFocusPolicy(Qt::ClickFocus);
  widget->setAttribute(Qt::WA_OpaquePaintEvent);
  return detail::AsNative(widget);
}

void CustomWindow::DefaultPaint(DeviceContext& dc) { dc.FillSolidRect(GetClientRect(), colours::kButtonFace); }

}  // namespace fw
