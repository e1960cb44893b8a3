// Every test program runs with a Qt application on the offscreen platform, so that page and
// control tests can create windows headless; Qt-free tests simply ignore it.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "framework/TestSeams.h"
#include "platform/Http.h"
#include "platform/ProcessSignals.h"

namespace {

// Tests never reach past this machine: a test that wants a server installs its own for its scope.
class NoNetwork : public platform::Http {
 public:
  platform::HttpResult Fetch(const std::string&, platform::HttpReceiver&) override {
    platform::HttpResult result;
    result.detail = "tests reach no network";
    return result;
  }
};

}  // namespace

int main(int argc, char** argv) {
  // As the program does, before any thread exists. Outside a test that runs a window with them, the
  // close signals end a test program as they would without the block (Ctrl+C in the terminal).
  platform::BlockCloseSignals();
  const platform::CloseSignalThread closeSignals(platform::CloseSignalAction::kEndProgram);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  // A modal dialog, menu or file dialog that no script answers fails the test that opened it.
  fw::ModalScript::SetFailureReporter([](const std::string& message) { ADD_FAILURE() << message; });
  static NoNetwork noNetwork;
  platform::Http::Install(&noNetwork);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
