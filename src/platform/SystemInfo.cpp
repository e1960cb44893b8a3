#include "platform/SystemInfo.h"

#include <sys/utsname.h>

#include "platform/PlainFile.h"

namespace platform {

namespace {

// os-release is a few hundred bytes; anything much larger is not one.
constexpr size_t kMaxOsReleaseBytes = 64 * 1024;

class RealSystemInfo : public SystemInfo {
 public:
  std::optional<KernelIdentity> Kernel() override {
    utsname names{};
    if (uname(&names) != 0) return std::nullopt;
    return KernelIdentity{names.sysname, names.release, names.version, names.machine};
  }

  std::optional<std::string> OsRelease() override {
    // The first is the administrator's; the second the distribution's fallback.
    for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
      const PlainFile file(path);
      if (!file.IsOpen()) continue;
      if (auto text = ReadToEnd(file.Descriptor(), kMaxOsReleaseBytes)) return text;
    }
    return std::nullopt;
  }
};

}  // namespace

SystemInfo& SystemInfo::Real() {
  static RealSystemInfo info;
  return info;
}

}  // namespace platform
