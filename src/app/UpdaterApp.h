#pragma once
// The application object: runs the main window as the program's one modal dialog.
#include "framework/Application.h"

namespace app {

class CUpdaterApp : public fw::Application {
 public:
  CUpdaterApp(int& argc, char** argv);

  // Runs the program; false, so that the process ends when it returns.
  bool InitInstance();
};

}  // namespace app
