// Every test program runs with a Qt application on the offscreen platform, so that page and
// control tests can create windows headless; Qt-free tests simply ignore it.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "framework/TestSeams.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  // A modal dialog, menu or file dialog that no script answers fails the test that opened it.
  fw::ModalScript::SetFailureReporter([](const std::string& message) { ADD_FAILURE() << message; });
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
