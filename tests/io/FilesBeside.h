#pragma once
// What a writer left beside its target: the entries of the target's folder whose names start with
// the target's name, the target itself excepted. A temporary file, whatever its name, shows here.
#include <filesystem>
#include <string>
#include <vector>

namespace testing_io {

inline std::vector<std::string> FilesBeside(const std::string& target) {
  const std::filesystem::path path(target);
  const std::string name = path.filename().string();
  std::vector<std::string> found;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(path.parent_path(), error)) {
    const std::string other = entry.path().filename().string();
    if (other != name && other.starts_with(name)) found.push_back(other);
  }
  return found;
}

}  // namespace testing_io
