#include "framework/ToolTip.h"

#include <QWidget>

#include "framework/Window.h"
#include "framework/detail/Convert.h"
#include "framework/detail/Host.h"

namespace fw {

ToolTip::~ToolTip() = default;

bool ToolTip::Create(Window* parent) {
  parent_ = parent;
  created_ = true;
  Apply();
  return true;
}

void ToolTip::AddTool(Window& tool, const std::string& text) {
  tools_.push_back({&tool, text});
  Apply();
}

void ToolTip::Activate(bool active) {
  active_ = active;
  Apply();
}

std::string ToolTip::GetToolText(const Window& tool) const {
  for (auto it = tools_.rbegin(); it != tools_.rend(); ++it) {
    if (it->window == &tool) return it->text;
  }
  return {};
}

void ToolTip::RelayEvent(const Msg&) {}

void ToolTip::Apply() {
  for (const Tool& tool : tools_) {
    if (QWidget* widget = detail::WidgetOf(tool.window)) {
      widget->setToolTip(created_ && active_ ? detail::ToQt(GetToolText(*tool.window)) : QString());
    }
  }
}

}  // namespace fw
