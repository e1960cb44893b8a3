#pragma once
// A context menu: items with command ids and separators, relabelled by id, shown at a point.
#include <string>
#include <vector>

#include "framework/DialogTemplate.h"
#include "framework/Geometry.h"

namespace fw {

class Window;

enum : unsigned {
  TPM_LEFTALIGN = 0x0,
  TPM_RIGHTBUTTON = 0x2,  // the right button may choose too
  TPM_RETURNCMD = 0x100,  // return the chosen id instead of posting it
};

class PopupMenu {
 public:
  PopupMenu() = default;
  explicit PopupMenu(const MenuTemplate& tmpl);

  void AppendItem(int id, const std::string& text);
  void AppendSeparator();
  // Relabels the item with command `id`; false when there is none.
  bool ModifyItem(int id, const std::string& text);
  void EnableItem(int id, bool enable);
  int GetItemCount() const { return static_cast<int>(items_.size()); }
  // The text of item `id`, empty when none.
  std::string GetItemText(int id) const;

  struct Item {
    int id = 0;  // 0: separator
    std::string text;
    bool enabled = true;
  };
  const std::vector<Item>& Items() const { return items_; }

  // Shows the menu at `screenPoint` and waits for a choice. With TPM_RETURNCMD returns the chosen
  // id (0 for none); otherwise posts WM_COMMAND (id, 0) to `owner` and returns whether an item was
  // chosen. A ModalScript answers instead when installed.
  int TrackPopupMenu(unsigned flags, Point screenPoint, Window& owner) const;

 private:
  std::vector<Item> items_;
};

}  // namespace fw
