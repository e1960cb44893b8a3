#pragma once
// A dialog built from a template: the main window, a page (modeless child), a message box (modal)
// or a pop-up (modeless top-level).
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/DialogTemplate.h"
#include "framework/Window.h"

namespace fw {

class Dialog : public Window {
 public:
  explicit Dialog(const DialogTemplate& tmpl, Window* parent = nullptr);
  ~Dialog() override;

  const DialogTemplate& Template() const { return *template_; }
  int TemplateId() const { return template_->id; }

  // Binds a member control object to template item `id` before creation, so that the item is
  // created as that object (a subclass of the item's kind). Items not bound get a default control
  // of their kind, owned by the dialog. Binding after creation has no effect and returns false.
  bool BindControl(int id, Window& control);
  // The bound or default control of item `id`, as a concrete type (nullptr when absent or another type).
  template <typename T>
  T* Control(int id) const {
    return dynamic_cast<T*>(GetDlgItem(id));
  }

  // Runs the dialog modally: a nested event loop until EndDialog; returns its result. When a
  // ModalScript is installed the script answers instead (see TestSeams.h). Other windows take no
  // input while it runs. `parent` (else the one given to the constructor) owns it.
  int DoModal(Window* parent = nullptr);
  // Creates the dialog modelessly: a child window of `parent` (DS_CHILD: a page in a frame
  // control) or a top-level pop-up owned by `parent`. Shown when the template says DS_VISIBLE.
  bool Create(Window* parent = nullptr);
  // Ends a modal dialog with `result` (hides a modeless one).
  void EndDialog(int result);
  bool IsModal() const { return modal_; }
  bool HasEnded() const { return ended_; }
  int Result() const { return result_; }
  // How many modal dialogs run now, scripted ones included: a dialog over the program's window
  // makes it two.
  static int RunningModals();

  // Hooks. OnInitDialog runs after the controls exist, before the dialog is first shown.
  virtual bool OnInitDialog();
  virtual void OnOK();      // default: EndDialog(IDOK)
  virtual void OnCancel();  // default: EndDialog(IDCANCEL)
  // Window close request (Alt+F4, the task bar). Default: OnCancel.
  virtual void OnClose();
  // What keeps OnClose from ending the dialog now, in a few words for the program's standard
  // error ("the window is busy with the headset"); empty when nothing does. Default: empty.
  virtual std::string CloseRefusal() const;

  // Dragging: moves a top-level dialog with the pointer, as if its caption were dragged. Call from
  // OnInput on a left-button press over the dialog's surface.
  void StartMoveDrag();
  // The icon of a top-level dialog (title bar, task bar, window switcher).
  void SetIcon(const Bitmap& icon);
  const Bitmap& GetIcon() const { return icon_; }
  // Title of a top-level dialog (the task bar shows it).
  void SetWindowText(const std::string& text) override;
  std::string GetWindowText() const override;

  // The id Enter presses: the control with CS_DEFAULT, else IDOK.
  int GetDefID() const;

  bool OnCommand(int id, int notifyCode) override;
  intptr_t OnMessage(unsigned msg, uintptr_t wParam, intptr_t lParam) override;
  bool PreTranslateMessage(const Msg& msg) override;

 protected:
  detail::Native* CreateNative(detail::Native* parent, const ControlTemplate& t) override;
  void DefaultPaint(DeviceContext& dc) override;
  Brush DefaultColours(DeviceContext& dc, CtlColor kind) override;
  CtlColor ColourKind() const override { return CtlColor::Dialog; }
  bool IsMouseTransparent() const override { return false; }

 private:
  friend class ModalScript;
  friend struct detail::WindowImpl;
  bool CreateWindowAndControls(Window* parent, bool modal);
  void HandleEnterKey();
  void HandleEscapeKey();

  const DialogTemplate* template_;
  Window* defaultParent_ = nullptr;
  std::map<int, Window*> bound_;
  std::vector<std::unique_ptr<Window>> defaultControls_;
  bool modal_ = false;
  bool ended_ = false;
  int result_ = 0;
  std::function<void()> quitLoop_;
  Bitmap icon_;
};

}  // namespace fw
