#pragma once
// The common ground of the seven wizard pages: a modeless child dialog inside the main window's
// page frame that never ends itself.
#include <string>

#include "framework/Dialog.h"
#include "pages/ServerFetch.h"

namespace app {
class CUpdaterDlg;
}

namespace pages {

// What the main window's frame shows for the page on view while the window is not busy.
struct PageFrame {
  std::string actionCaption;  // empty: ACTION is hidden
  bool actionEnabled = false;
  bool tabs = false;  // the settings-page tabs, and their list while it is open
};

class CWizardPage : public fw::Dialog {
 public:
  using fw::Dialog::Dialog;

  // Pages without an action of their own keep ACTION hidden and show no tabs.
  virtual PageFrame DescribeFrame(int /*language*/) const { return {}; }
  // The frame's progress bar is shown (or hidden again); a page with a control in the bar's place
  // hides it meanwhile.
  virtual void ShowFrameProgress(bool /*shown*/) {}

  // Enter and Esc belong to the wizard, not to the page: a page is never closed by a key, so
  // both do nothing here, as they do on the main window.
  void OnOK() override {}
  void OnCancel() override {}
  // Every page and its controls stand on white, with transparent text backgrounds.
  fw::Brush OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) override;
  intptr_t OnMessage(unsigned msg, uintptr_t wParam, intptr_t lParam) override;
  // Tells the main window, which makes the later pages once page 1 is on the screen.
  void OnPaint(fw::DeviceContext& dc) override;

  // Drops what the page waits for from the update server and gives back the busy state it took;
  // the main window calls it when the page is left or entered again and when the window closes.
  virtual void DropServerWait() { m_serverFetch.Cancel(); }

  // The page's one fetch from the update server at a time, busy in the main window meanwhile.
  // Last member: its worker is joined before the page's window goes.
  ServerFetch m_serverFetch{*this, [this] { return HoldMainWindowBusy(); }};

 protected:
  // The main window, or nullptr while the page is not placed in its frame.
  app::CUpdaterDlg* MainWindow() const;

  // A unit of the main window's busy state; none while the page is not placed in its frame.
  BusyHold HoldMainWindowBusy() const;
};

}  // namespace pages
