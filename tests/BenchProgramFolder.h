#pragma once
// The program's folder, with its IMG folder, made afresh in the temporary folder for a benchmark:
// installed as the program's paths for its scope, and removed with everything in it afterwards.
#include <filesystem>
#include <optional>

#include "ScratchFolder.h"
#include "platform/Paths.h"

namespace benchtest {

class ProgramFolder {
 public:
  ProgramFolder() {
    if (scratch_.Path().empty()) return;
    path_ = scratch_.Path();
    std::filesystem::create_directories(path_ / "IMG");
    paths_.emplace(path_.string());
    use_.emplace(*paths_);
  }
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  // Empty when no folder could be made.
  const std::filesystem::path& Path() const { return path_; }

 private:
  testutil::ScratchFolder scratch_{"corvale-bench"};
  std::filesystem::path path_;
  std::optional<platform::FixedPaths> paths_;
  std::optional<platform::Paths::Scoped> use_;
};

}  // namespace benchtest
