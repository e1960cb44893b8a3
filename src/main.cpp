#include "app/UpdaterApp.h"

int main(int argc, char** argv) {
  app::CUpdaterApp application(argc, argv);
  application.InitInstance();
  return 0;
}
