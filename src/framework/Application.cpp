#include "framework/Application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdlib>
#include <cstring>

#include "framework/Dialog.h"

namespace fw {

struct Application::Impl {
  std::unique_ptr<QApplication> own;
};

Application::Application(int& argc, char** argv) : impl_(std::make_unique<Impl>()) {
  if (!QApplication::instance()) impl_->own = std::make_unique<QApplication>(argc, argv);
}

Application::~Application() = default;

bool Application::HasDisplay(int argc, char** argv) {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    if (const char* value = std::getenv(name); value && *value) return true;
  }
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return true;
  }
  return false;
}

int Application::Run(Dialog& mainWindow) { return mainWindow.DoModal(nullptr); }

void Application::ProcessPendingMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void Application::ProcessMessagesFor(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(ms - timer.elapsed()));
  }
}

}  // namespace fw
