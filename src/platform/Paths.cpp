#include "platform/Paths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform {

namespace {

constexpr const char* kImageFolderName = "IMG";
constexpr const char* kUserFolderName = "corvale-manager";

bool IsWritableFolder(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && access(path.c_str(), W_OK | X_OK) == 0;
}

class ProcPaths : public Paths {
 public:
  std::string ProgramFolder() override {
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return ".";
    std::string path(buffer, static_cast<size_t>(n));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
  }

  std::string UserDataFolder() override {
    // A relative XDG_DATA_HOME is invalid and is ignored.
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && data[0] == '/') return data;
    const std::string home = Paths::HomeFolder();
    return home.empty() ? std::string() : home + "/.local/share";
  }
};

}  // namespace

std::string Paths::HomeFolder() {
  std::string home;
  if (const char* variable = std::getenv("HOME"); variable && *variable) {
    home = variable;
  } else if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) {
    home = entry->pw_dir;
  }
  // Folders are made below the home folder, never the home folder itself.
  struct stat info {};
  return !home.empty() && stat(home.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? home : std::string();
}

std::string Paths::ImageFolder() {
  const std::string beside = ProgramFolder() + "/" + kImageFolderName;
  if (IsWritableFolder(beside)) return beside;
  const std::string data = UserDataFolder();
  if (data.empty()) return beside;
  const std::string own = data + "/" + kUserFolderName + "/" + kImageFolderName;
  std::error_code error;
  std::filesystem::create_directories(own, error);
  return IsWritableFolder(own) ? own : beside;
}

Paths& Paths::Real() {
  static ProcPaths paths;
  return paths;
}

}  // namespace platform
