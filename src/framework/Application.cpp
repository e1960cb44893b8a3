#include "framework/Application.h"

#include <QApplication>
#include <QElapsedTimer>

#include "framework/Dialog.h"

namespace fw {

struct Application::Impl {
  std::unique_ptr<QApplication> own;
};

Application::Application(int& argc, char** argv) : impl_(std::make_unique<Impl>()) {
  if (!QApplication::instance()) impl_->own = std::make_unique<QApplication>(argc, argv);
}

Application::~Application() = default;

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
