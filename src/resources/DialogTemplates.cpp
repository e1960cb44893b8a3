#include "resources/DialogTemplates.h"

namespace res {

const fw::DialogTemplate* FindDialogTemplate(int id) {
  using Getter = const fw::DialogTemplate& (*)();
  static constexpr Getter kAll[] = {&MainWindowTemplate, &MessageBoxTemplate, &AboutBoxTemplate,
                                     &LanguageManagerTemplate, &NewUpdateFoundTemplate};
  for (Getter get : kAll) {
    if (get().id == id) return &get();
  }
  return nullptr;
}

}  // namespace res
