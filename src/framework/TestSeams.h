#pragma once
// Seams for headless tests: a script that answers modal dialogs, message boxes and pop-up menus and
// records what they showed; a script that answers file dialogs; and helpers that click, type and
// take screenshots through the same paths the user's input takes.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/DialogTemplate.h"
#include "framework/FileDialog.h"
#include "framework/Geometry.h"
#include "framework/PopupMenu.h"

namespace fw {

class Dialog;
class Window;

struct ShownControl {
  int id = 0;
  ControlKind kind = ControlKind::Text;
  std::string text;
  bool visible = false;
  bool enabled = false;
};

// What a modal dialog showed right after OnInitDialog.
struct ShownDialog {
  int templateId = 0;
  std::string title;
  Size size;  // client size in pixels
  std::vector<ShownControl> controls;
  bool answered = false;  // false: the script had no answer left; the dialog returned IDCANCEL
  int result = 0;

  const ShownControl* Find(int id) const;
  std::string Text(int id) const;  // empty when absent
  bool IsVisible(int id) const;
  bool IsEnabled(int id) const;
  // Texts of the visible static texts, in template order.
  std::vector<std::string> VisibleTexts() const;
  // Ids of the visible push buttons, in template order.
  std::vector<int> VisibleButtons() const;
};

struct ShownMenu {
  std::vector<PopupMenu::Item> items;
  Point at;
  int chosen = 0;
  bool answered = false;
};

// Installed for its scope. While installed, Dialog::DoModal does not run a nested loop: it creates
// the dialog (off screen), runs OnInitDialog, records what it shows, then applies the next scripted
// answer and returns the dialog's result. A modal dialog with no answer left is recorded as
// unanswered, ends with IDCANCEL and is reported through the failure reporter (tests turn that into
// a test failure). Pop-up menus are answered from their own queue the same way (no answer: nothing
// chosen, reported too).
class ModalScript {
 public:
  using Action = std::function<void(Dialog&)>;

  ModalScript();
  ~ModalScript();
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;

  // The next dialog: click control `id` (as the user would: a disabled or hidden one fails).
  ModalScript& Press(int id);
  // The next dialog: a key (VK_RETURN, VK_ESCAPE) to the focused control, or VK_F4 for Alt+F4.
  ModalScript& Key(unsigned vk);
  // The next dialog: run `action`; when the dialog is still open afterwards it is reported.
  ModalScript& Do(Action action);
  // The next pop-up menu: choose command `id` (0 dismisses it).
  ModalScript& ChooseMenu(int id);

  const std::vector<ShownDialog>& Dialogs() const { return dialogs_; }
  const ShownDialog& Last() const;  // the last dialog shown (a default record when none)
  const std::vector<ShownMenu>& Menus() const { return menus_; }
  int PendingAnswers() const { return static_cast<int>(answers_.size() + menuAnswers_.size()); }
  int Unanswered() const;

  // Where unanswered dialogs and failed presses are reported. The default writes to stderr. With a
  // reporter installed (a test program) on the offscreen platform, a modal dialog, menu or file
  // dialog shown with no script is reported and cancelled instead of waiting for input forever.
  static void SetFailureReporter(std::function<void(const std::string&)> reporter);
  static bool HasFailureReporter();
  static void ReportFailure(const std::string& message);

  // Framework internals.
  static ModalScript* Current();
  int Run(Dialog& dialog, Window* parent);
  int RunMenu(const PopupMenu& menu, Point at);

 private:
  std::deque<Action> answers_;
  std::deque<int> menuAnswers_;
  std::vector<ShownDialog> dialogs_;
  std::vector<ShownMenu> menus_;
  ModalScript* previous_ = nullptr;
};

// Installed for its scope: answers open and save dialogs in order and records the requests.
class FileDialogScript {
 public:
  FileDialogScript();
  ~FileDialogScript();
  FileDialogScript(const FileDialogScript&) = delete;
  FileDialogScript& operator=(const FileDialogScript&) = delete;

  // The next file dialog returns `path`; Cancel() makes it return nothing.
  FileDialogScript& Choose(std::string path);
  FileDialogScript& Cancel();
  const std::vector<FileDialogRequest>& Requests() const { return requests_; }
  int PendingAnswers() const { return static_cast<int>(answers_.size()); }

  static FileDialogScript* Current();
  std::optional<std::string> Answer(const FileDialogRequest& request);

 private:
  std::deque<std::optional<std::string>> answers_;
  std::vector<FileDialogRequest> requests_;
  FileDialogScript* previous_ = nullptr;
};

// Clicks `control` with the left button as the user would: press and release at its centre through
// the input path (PreTranslateMessage sees both). Nothing happens, and false is returned, when the
// control or a parent below its top-level window is hidden or disabled.
bool Click(Window& control);
// Presses and releases the left button at `point` of `window` (client coordinates) whatever its
// state; a disabled window or a static without notify passes it to its parent.
void ClickAt(Window& window, Point point, bool right = false);
// Turns the mouse wheel over `point` of `window` (client coordinates): `delta` in multiples of 120
// per notch, positive away from the user.
void TurnWheel(Window& window, Point point, int delta);
// A key press and release aimed at `window` (the focused control), with modifiers MK_SHIFT,
// MK_CONTROL; characters are typed for printable keys.
void PressKey(Window& window, unsigned vk, unsigned modifiers = 0);
// Types text into `window` as key presses of its characters.
void TypeText(Window& window, const std::string& text);
// The window manager's close request (Alt+F4) to the top-level window of `window`.
void RequestClose(Window& window);
// Renders `window` as it shows on screen to a PNG file; false on failure.
bool RenderToPng(Window& window, const std::string& path);
// What `window` shows on a screen with device pixel ratio `ratio`: `ratio` pixels across and down
// for each of its own. Null for a window that is not created or a ratio below 1.
Bitmap RenderAtPixelRatio(Window& window, int ratio);

}  // namespace fw
