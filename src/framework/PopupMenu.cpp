#include "framework/PopupMenu.h"

#include <QGuiApplication>
#include <QMenu>

#include "framework/TestSeams.h"
#include "framework/Window.h"
#include "framework/detail/Convert.h"
#include "framework/detail/Host.h"

namespace fw {

PopupMenu::PopupMenu(const MenuTemplate& tmpl) {
  for (const MenuItemTemplate& item : tmpl.items) {
    if (item.id == 0) {
      AppendSeparator();
    } else {
      AppendItem(item.id, item.text);
    }
  }
}

void PopupMenu::AppendItem(int id, const std::string& text) { items_.push_back({id, text, true}); }

void PopupMenu::AppendSeparator() { items_.push_back({0, {}, true}); }

bool PopupMenu::ModifyItem(int id, const std::string& text) {
  for (Item& item : items_) {
    if (item.id == id && id != 0) {
      item.text = text;
      return true;
    }
  }
  return false;
}

void PopupMenu::EnableItem(int id, bool enable) {
  for (Item& item : items_) {
    if (item.id == id) item.enabled = enable;
  }
}

std::string PopupMenu::GetItemText(int id) const {
  for (const Item& item : items_) {
    if (item.id == id && id != 0) return item.text;
  }
  return {};
}

int PopupMenu::TrackPopupMenu(unsigned flags, Point screenPoint, Window& owner) const {
  int chosen = 0;
  if (ModalScript* script = ModalScript::Current()) {
    chosen = script->RunMenu(*this, screenPoint);
  } else if (QGuiApplication::platformName() == QLatin1String("offscreen") && ModalScript::HasFailureReporter()) {
    ModalScript::ReportFailure("pop-up menu shown with no ModalScript");
  } else {
    QMenu menu(detail::WidgetOf(owner.GetTopLevel()));
    for (const Item& item : items_) {
      if (item.id == 0) {
        menu.addSeparator();
        continue;
      }
      QAction* action = menu.addAction(detail::ToQt(item.text));
      action->setData(item.id);
      action->setEnabled(item.enabled);
    }
    if (QAction* action = menu.exec(detail::ToQt(screenPoint))) chosen = action->data().toInt();
  }
  if (flags & TPM_RETURNCMD) return chosen;
  if (chosen != 0) owner.PostMessage(WM_COMMAND, MakeCommand(chosen, 0));
  return chosen != 0 ? 1 : 0;
}

}  // namespace fw
