#pragma once
// The folder of the running program and the IMG folder beside it, where the program keeps its
// settings file, the settings archive and downloaded images.
#include <string>

#include "platform/Installable.h"

namespace platform {

class Paths : public Installable<Paths> {
 public:
  // Absolute folder of the running binary, without a trailing slash.
  virtual std::string ProgramFolder() = 0;
  // ProgramFolder() + "/IMG".
  std::string ImageFolder() { return ProgramFolder() + "/IMG"; }
  static Paths& Real();
};

// Points the program at a folder of the caller's choosing (tests, the demo build).
class FixedPaths : public Paths {
 public:
  explicit FixedPaths(std::string folder) : folder_(std::move(folder)) {}
  std::string ProgramFolder() override { return folder_; }

 private:
  std::string folder_;
};

}  // namespace platform
