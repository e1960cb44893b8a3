#pragma once
// Edit control: single line, or multi-line (CS_MULTILINE), optionally read-only. A change made by
// the user or by SetWindowText sends EN_CHANGE to the parent; a single-line edit also sends
// EN_SETFOCUS and EN_KILLFOCUS when it gets and loses the focus.
#include <string>

#include "framework/Window.h"

namespace fw {

class Edit : public Window {
 public:
  Edit();
  ~Edit() override;

  void SetWindowText(const std::string& text) override;
  std::string GetWindowText() const override;
  void SetReadOnly(bool readOnly);
  bool IsReadOnly() const;
  void LimitText(int maxChars);
  // Selection in characters (end exclusive); -1, -1 selects nothing.
  void SetSel(int start, int end);
  void GetSel(int& start, int& end) const;
  void ReplaceSel(const std::string& text);
  int GetLineCount() const;
  // The character nearest to `point` (client coordinates); -1 when the text is empty.
  int CharFromPos(Point point) const;
  // Top-left of character `index` (client coordinates); -1, -1 when out of range.
  Point PosFromChar(int index) const;
  // The rectangle the text is laid out in (client coordinates).
  Rect GetRect() const;
  int GetLineHeight() const;
  bool IsMultiLine() const { return (GetStyle() & CS_MULTILINE) != 0; }

 protected:
  detail::Native* CreateNative(detail::Native* parent, const ControlTemplate& t) override;
  CtlColor ColourKind() const override { return CtlColor::Edit; }
  bool WantsKey(unsigned vk) const override;
};

}  // namespace fw
