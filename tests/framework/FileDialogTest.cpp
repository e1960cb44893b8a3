#include "framework/FileDialog.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <QApplication>
#include <QFileDialog>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <filesystem>
#include <optional>
#include <string>

#include "ScratchFolder.h"
#include "framework/TestSeams.h"
#include "platform/Paths.h"

namespace {

// Sets an environment variable for the object's lifetime (unsets it for nothing).
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = getenv(name)) old_ = old;
    value ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedEnvironment() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// The toolkit's own file dialog, shown for real and cancelled as the user cancels it, writes its
// settings when it goes. With a HOME that names no folder it makes no home for them: they go to
// the program's IMG folder.
TEST(FileDialog, ACancelledFileDialogMakesNoMissingHome) {
  testutil::ScratchFolder scratch;
  const std::string home = scratch.File("no-such-home");
  ASSERT_TRUE(std::filesystem::create_directories(scratch.File("program/IMG")));
  platform::FixedPaths paths(scratch.File("program"));
  platform::Paths::Scoped usePaths(paths);
  std::optional<std::string> chosen;
  {
    ScopedEnvironment noHome("HOME", home.c_str());
    ScopedEnvironment noConfig("XDG_CONFIG_HOME", nullptr);
    // No script answers the real dialog, so the tests' report of unanswered dialogs must not
    // refuse it.
    fw::ModalScript::SetFailureReporter(nullptr);
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog && dialog->isVisible()) dialog->reject();
      }
    });
    cancel.start(20);
    fw::FileDialogRequest request;
    request.title = "Open";
    request.folder = scratch.Path();
    request.filter = "All files (*.*)|*.*||";
    chosen = fw::ShowFileDialog(request, nullptr);
    fw::ModalScript::SetFailureReporter([](const std::string& message) { ADD_FAILURE() << message; });
  }
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                     QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                     QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  EXPECT_FALSE(chosen.has_value());
  EXPECT_FALSE(std::filesystem::exists(home));
  EXPECT_TRUE(std::filesystem::exists(scratch.File("program/IMG/QtProject.conf")));
}

}  // namespace
