#include "platform/Paths.h"

#include <unistd.h>

#include <climits>

namespace platform {

namespace {

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
};

}  // namespace

Paths& Paths::Real() {
  static ProcPaths paths;
  return paths;
}

}  // namespace platform
