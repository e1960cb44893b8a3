#pragma once
// The platform's open and save dialogs. A FileDialogScript answers them in tests.
#include <optional>
#include <string>

namespace fw {

class Window;

struct FileDialogRequest {
  bool save = false;
  std::string title;
  std::string folder;       // starting folder
  std::string filter;       // classic form: "Firmware (*.img)|*.img|All files (*.*)|*.*||"
  std::string defaultName;  // file name proposed
  std::string defaultExt;   // appended by a save dialog when the name has none
  std::string locale;       // the program's language ("de", "zh_CN"), which the dialog speaks too
};

// The chosen path, or nothing when the user cancelled.
std::optional<std::string> ShowFileDialog(const FileDialogRequest& request, Window* owner);

// Makes the toolkit's own dialogs speak `locale` ("de"; "en" or empty: English) with the toolkit's
// translations where they are installed; without them they stay English. Returns whether the
// dialogs now speak `locale`.
bool UseToolkitLanguage(const std::string& locale);

}  // namespace fw
