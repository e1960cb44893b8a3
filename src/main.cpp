#include <iostream>

#include "app/UpdaterApp.h"
#include "framework/Application.h"
#include "platform/ProcessSignals.h"

int main(int argc, char** argv) {
  // Before any thread exists, so that every thread inherits the block.
  platform::BlockCloseSignals();
  platform::IgnoreFileSizeLimitSignal();
  const platform::CloseSignalThread closeSignals(platform::CloseSignalAction::kAskTheWindow);
  if (!fw::Application::HasDisplay(argc, argv)) {
    std::cerr << "corvale-manager: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)\n";
    return 1;
  }
  app::CUpdaterApp application(argc, argv);
  application.InitInstance();
  return 0;
}
