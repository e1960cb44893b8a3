#include "app/UpdaterApp.h"

#include "app/UpdaterDlg.h"

namespace app {

CUpdaterApp::CUpdaterApp(int& argc, char** argv) : fw::Application(argc, argv) {}

bool CUpdaterApp::InitInstance() {
  CUpdaterDlg window;
  Run(window);
  return false;
}

}  // namespace app
