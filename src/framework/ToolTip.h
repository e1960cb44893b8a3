#pragma once
// Tooltips for controls. Tools are registered with their text; nothing shows while inactive.
#include <string>
#include <vector>

#include "framework/Messages.h"

namespace fw {

class Window;

class ToolTip {
 public:
  ToolTip() = default;
  ~ToolTip();
  ToolTip(const ToolTip&) = delete;
  ToolTip& operator=(const ToolTip&) = delete;

  bool Create(Window* parent);
  bool IsCreated() const { return created_; }
  // Registers `tool` with `text`; a later registration of the same tool replaces the text shown.
  void AddTool(Window& tool, const std::string& text);
  void Activate(bool active);
  bool IsActive() const { return active_; }
  int GetToolCount() const { return static_cast<int>(tools_.size()); }
  // The text registered last for `tool`, empty when none.
  std::string GetToolText(const Window& tool) const;
  // Lets the tooltip see an input message (the classic relay); showing is left to the toolkit.
  void RelayEvent(const Msg& msg);

 private:
  void Apply();
  struct Tool {
    Window* window;
    std::string text;
  };
  std::vector<Tool> tools_;
  Window* parent_ = nullptr;
  bool created_ = false;
  bool active_ = true;
};

}  // namespace fw
