#pragma once
// A fresh folder in the temporary folder, removed with everything in it when the object goes.
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace testutil {

class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& prefix = "corvale-test") {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (mkdtemp(pattern.data())) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // Empty when no folder could be made.
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

}  // namespace testutil
