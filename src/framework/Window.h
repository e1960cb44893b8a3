#pragma once
// The base of every window: dialogs, pages and controls. A Window object exists before and after
// its on-screen window; Create... makes the on-screen part, DestroyWindow (or the destructor)
// removes it. Everything here runs on the UI thread, except PostMessage.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/DeviceContext.h"
#include "framework/DialogTemplate.h"
#include "framework/Font.h"
#include "framework/Geometry.h"
#include "framework/Messages.h"
#include "framework/PaintTools.h"

namespace fw {

namespace detail {
struct WindowImpl;
struct Native;  // the toolkit's widget behind a window; defined inside the framework only
}  // namespace detail

class Dialog;

class Window {
 public:
  Window();
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // --- Identity and tree ---------------------------------------------------------------------
  bool IsCreated() const;  // the on-screen window exists
  int GetDlgCtrlID() const { return id_; }
  // The parent window; for a top-level dialog, its owner.
  Window* GetParent() const { return parent_ ? parent_ : owner_; }
  // The direct child with control id `id`, or nullptr.
  Window* GetDlgItem(int id) const;
  const std::vector<Window*>& GetChildren() const { return children_; }
  // The window that contains this one (nullptr for a top-level window, which may have an owner).
  Window* GetContainer() const { return parent_; }
  // The top-level window this one belongs to (itself when it has no parent).
  Window* GetTopLevel();
  // True when `ancestor` is this window or one of its parents.
  bool IsDescendantOf(const Window* ancestor) const;
  uint32_t GetStyle() const { return style_; }
  // Removes then adds style bits (text alignment of a static, for instance) and repaints.
  void ModifyStyle(uint32_t remove, uint32_t add);

  // Creates a control at run time under `parent`: `t` gives kind, id, style and text, and its
  // rectangle in pixels of the parent's client area. A template's items are created by the dialog.
  bool CreateControl(const ControlTemplate& t, Window* parent);

  // --- Text and font -------------------------------------------------------------------------
  virtual void SetWindowText(const std::string& text);
  virtual std::string GetWindowText() const;
  void SetFont(const Font& font, bool redraw = true);
  // The font set on this window, else its dialog's font.
  Font GetFont() const;

  // --- Placement and state -------------------------------------------------------------------
  // Rectangle in the parent's client pixels (screen pixels for a top-level window).
  Rect GetWindowRect() const;
  Rect GetClientRect() const;  // 0, 0, width, height
  void MoveWindow(const Rect& rect, bool repaint = true);
  void MoveWindow(int x, int y, int width, int height, bool repaint = true) {
    MoveWindow(Rect::FromXYWH(x, y, width, height), repaint);
  }
  Point ClientToScreen(Point p) const;
  Point ScreenToClient(Point p) const;
  // Shows or hides this window; returns whether it was visible before.
  bool ShowWindow(bool show);
  // This window's own visibility flag (its parents may still hide it).
  bool IsWindowVisible() const;
  // Visible and every parent visible too.
  bool IsShownInTree() const;
  // Enables or disables; returns whether it was disabled before.
  bool EnableWindow(bool enable);
  // This window's own enabled flag.
  bool IsWindowEnabled() const;
  void SetRedraw(bool redraw);
  void Invalidate(bool erase = true);
  void InvalidateRect(const Rect& rect, bool erase = true);
  void UpdateWindow();  // paints pending changes now
  // The focus within this window's top-level window; it is the keyboard's only while that window
  // is the active one.
  void SetFocus();
  // Makes this window's top-level window the active one (when shown) and gives this window the
  // focus, so that the keyboard reaches it at once.
  void TakeFocus();
  bool HasFocus() const;
  static Window* GetFocus();
  // Raises this window above its siblings.
  void BringToTop();
  void DestroyWindow();

  // --- Messages ------------------------------------------------------------------------------
  // A direct call: WM_COMMAND goes to OnCommand, anything else to OnMessage. Returns its result.
  intptr_t SendMessage(unsigned msg, uintptr_t wParam = 0, intptr_t lParam = 0);
  // Queues the message for the UI thread, in order. Safe from any thread; a message for a window
  // destroyed before delivery is dropped. Returns false when there is no UI event loop at all.
  bool PostMessage(unsigned msg, uintptr_t wParam = 0, intptr_t lParam = 0);
  // Sends WM_COMMAND (this window's id, code) to the parent, the way a control reports to its
  // dialog. The control's own OnReflectedCommand sees it first and may keep it.
  void NotifyParent(int notifyCode);

  // --- Timers --------------------------------------------------------------------------------
  // Arms (or re-arms) timer `id` with a period of `ms`; OnTimer(id) runs at every tick until killed.
  bool SetTimer(unsigned id, unsigned ms);
  // Arms timer `id` to tick once, at the next turn of the event loop (after the input and paints
  // already queued): work done in idle time, one step per turn. It is disarmed before OnTimer(id)
  // runs, which may arm it again; KillTimer drops it as any timer.
  bool SetOneShot(unsigned id);
  bool KillTimer(unsigned id);
  // Test seams: whether a timer is armed, its period (0 when not armed), and a tick now. FireTimer
  // calls OnTimer(id) only when the timer is armed and returns whether it did.
  bool IsTimerArmed(unsigned id) const;
  unsigned TimerInterval(unsigned id) const;
  bool FireTimer(unsigned id);
  std::vector<unsigned> ArmedTimers() const;
  // How often SetTimer has armed (or re-armed) timer `id` of this window.
  unsigned TimerArmings(unsigned id) const;

  // --- Painting ------------------------------------------------------------------------------
  // Paints this window on `dc` the way it paints on screen (tests pass a RecordingDeviceContext).
  void Paint(DeviceContext& dc);
  // Asks the parent dialog's colour handler for this window's colours: sets text colour, background
  // colour and mode on `dc` and returns the brush (never Brush::None: the default is filled in).
  Brush QueryColours(DeviceContext& dc, CtlColor kind);

  // --- Hooks (override in subclasses) ---------------------------------------------------------
  // A command from a control (id, notification code) or a menu. Return true when handled.
  virtual bool OnCommand(int id, int notifyCode);
  // A control's own notification before the parent sees it; true keeps it from the parent.
  virtual bool OnReflectedCommand(int notifyCode);
  // Any message other than WM_COMMAND sent or posted to the window.
  virtual intptr_t OnMessage(unsigned msg, uintptr_t wParam, intptr_t lParam);
  virtual void OnTimer(unsigned id);
  // Mouse, key, character and focus messages aimed at this window. Return true when handled: the
  // toolkit's default processing is then skipped. DefaultProcessing() runs it now instead.
  virtual bool OnInput(const Msg& msg);
  // Sees input aimed at this window or any descendant before it is dispatched; called on the
  // target first, then on each parent up to the top level. True swallows the message.
  virtual bool PreTranslateMessage(const Msg& msg);
  // The colour handler: asked by a child (or by the window itself for its background) for colours.
  // Set text colour and background mode on `dc`; return the brush, or Brush() for the default.
  virtual Brush OnCtlColor(DeviceContext& dc, Window& control, CtlColor kind);
  // An owner-drawn child asks to be drawn. The default passes it to the child's DrawItem.
  virtual void OnDrawItem(int id, const DrawItemStruct& item);
  // Draws this owner-drawn control (reflected from the parent). Does nothing by default.
  virtual void DrawItem(const DrawItemStruct& item);
  // Paints the window. The default paints as the kind of window does (DefaultPaint).
  virtual void OnPaint(DeviceContext& dc);
  // The pointer is over `over` (this window or a descendant). Parents are asked first; return true
  // after SetCursor to decide the cursor.
  virtual bool OnSetCursor(Window& over);
  // A right click (or the menu key) on this window or an unhandled descendant; screen coordinates.
  // Return true when handled; otherwise the parent is asked.
  virtual bool OnContextMenu(Window& clicked, Point screenPoint);
  virtual void OnEnable(bool enabled);
  virtual void OnShowWindow(bool show);
  virtual void OnSize(Size client);
  virtual void OnDestroy();

  // During OnInput: let the toolkit process the current message now (at most once).
  void DefaultProcessing();
  // The cursor over this window now; decided by OnSetCursor of it and its parents.
  CursorShape QueryCursor();

  // Whether mouse input passes through this window to its parent (a disabled window, a static
  // without notify).
  virtual bool IsMouseTransparent() const;
  // Whether this window takes a key that the dialog would otherwise handle (Enter, Esc, Tab).
  virtual bool WantsKey(unsigned vk) const;

  // Framework internals (not for pages).
  detail::WindowImpl& Impl() const { return *impl_; }

 protected:
  // The kind's own painting (the toolkit's, for native controls).
  virtual void DefaultPaint(DeviceContext& dc);
  // The kind's own default colours when no handler answers.
  virtual Brush DefaultColours(DeviceContext& dc, CtlColor kind);
  // The colour request kind of this window.
  virtual CtlColor ColourKind() const { return CtlColor::Static; }

  // Creation: builds the on-screen part for a control described by `t` (its rectangle already in
  // pixels) under `parent`. Each kind makes its own native widget.
  virtual detail::Native* CreateNative(detail::Native* parent, const ControlTemplate& t) = 0;
  // After the native window exists and is attached.
  virtual void OnCreated() {}
  // After SetWindowText stored a new text: native controls show it.
  virtual void OnTextChanged();

  void SetStyle(uint32_t style) { style_ = style; }

 private:
  friend class Dialog;
  friend struct detail::WindowImpl;
  void AttachChild(Window* child);
  void DetachChild(Window* child);
  void DetachFromTree();

  std::unique_ptr<detail::WindowImpl> impl_;
  Window* parent_ = nullptr;
  Window* owner_ = nullptr;
  std::vector<Window*> children_;
  int id_ = 0;
  uint32_t style_ = 0;
};

// Sets the mouse cursor shape for the window under the pointer (call from OnSetCursor).
void SetCursor(CursorShape shape);
// True while the key (VK_SHIFT, VK_CONTROL, VK_MENU) or the left mouse button (VK_LBUTTON) is held.
bool IsKeyDown(unsigned vk);

}  // namespace fw
