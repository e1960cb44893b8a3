#pragma once
#include "framework/Window.h"

namespace fw::detail {

// Whether the user could reach `window`: it and every parent below its top-level window are visible
// and enabled.
inline bool IsUsable(const Window& window) {
  if (!window.IsCreated()) return false;
  for (const Window* w = &window; w && w->GetContainer(); w = w->GetContainer()) {
    if (!w->IsWindowVisible() || !w->IsWindowEnabled()) return false;
  }
  return true;
}

}  // namespace fw::detail
