#include "framework/SystemMetrics.h"

#include <QGuiApplication>
#include <QScreen>
#include <optional>

#include "framework/detail/Convert.h"

namespace fw {

namespace {
std::optional<Rect> g_workArea;
}  // namespace

Rect GetScreenWorkArea() {
  if (g_workArea) return *g_workArea;
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? detail::FromQt(screen->availableGeometry()) : Rect{0, 0, 1024, 768};
}

ScopedScreenWorkArea::ScopedScreenWorkArea(const Rect& area)
    : hadPrevious_(g_workArea.has_value()), previous_(g_workArea.value_or(Rect{})) {
  g_workArea = area;
}

ScopedScreenWorkArea::~ScopedScreenWorkArea() {
  if (hadPrevious_) {
    g_workArea = previous_;
  } else {
    g_workArea.reset();
  }
}

}  // namespace fw
