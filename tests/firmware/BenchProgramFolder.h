#pragma once
// The program's folder, with its IMG folder, made afresh in the temporary folder for a benchmark:
// installed as the program's paths for its scope, and removed with everything in it afterwards.
#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "platform/Paths.h"

namespace benchtest {

class ProgramFolder {
 public:
  ProgramFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "corvale-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return;
    path_ = pattern;
    std::filesystem::create_directories(path_ / "IMG");
    paths_.emplace(path_.string());
    use_.emplace(*paths_);
  }
  ~ProgramFolder() {
    use_.reset();
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  // Empty when no folder could be made.
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::optional<platform::FixedPaths> paths_;
  std::optional<platform::Paths::Scoped> use_;
};

}  // namespace benchtest
