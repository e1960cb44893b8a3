#pragma once
// What the running system says about itself: the kernel's identity (uname) and the distribution's
// os-release text. The diagnostic report shows both.
#include <optional>
#include <string>

#include "platform/Installable.h"

namespace platform {

struct KernelIdentity {
  std::string name;     // "Linux"
  std::string release;  // "6.1.0-18-amd64"
  std::string version;  // the kernel's build line, "#1 SMP ..."
  std::string machine;  // "x86_64", "aarch64", "i686", ...
};

class SystemInfo : public Installable<SystemInfo> {
 public:
  // Nothing when the kernel does not answer.
  virtual std::optional<KernelIdentity> Kernel() = 0;
  // The distribution's os-release file as it stands; nothing when there is none.
  virtual std::optional<std::string> OsRelease() = 0;
  static SystemInfo& Real();
};

// Answers with what a test or the demo build gives it.
class FixedSystemInfo : public SystemInfo {
 public:
  FixedSystemInfo(std::optional<KernelIdentity> kernel, std::optional<std::string> osRelease)
      : kernel_(std::move(kernel)), osRelease_(std::move(osRelease)) {}
  std::optional<KernelIdentity> Kernel() override { return kernel_; }
  std::optional<std::string> OsRelease() override { return osRelease_; }

 private:
  std::optional<KernelIdentity> kernel_;
  std::optional<std::string> osRelease_;
};

}  // namespace platform
