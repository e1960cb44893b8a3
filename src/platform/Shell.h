#pragma once
// Opening a web page, a mail link or a downloaded installer with the desktop's opener.
#include <mutex>
#include <string>
#include <vector>

#include "platform/Installable.h"

namespace platform {

class Shell : public Installable<Shell> {
 public:
  // Hands `target` (a URL, a mailto: link or a file path) to the desktop; true when the opener
  // could be started.
  virtual bool Open(const std::string& target) = 0;
  static Shell& Real();
};

// Records what would have been opened, for tests.
class RecordingShell : public Shell {
 public:
  bool Open(const std::string& target) override {
    std::lock_guard<std::mutex> lock(mutex_);
    opened_.push_back(target);
    return result_;
  }
  std::vector<std::string> Opened() {
    std::lock_guard<std::mutex> lock(mutex_);
    return opened_;
  }
  void SetResult(bool result) { result_ = result; }

 private:
  std::mutex mutex_;
  std::vector<std::string> opened_;
  bool result_ = true;
};

}  // namespace platform
