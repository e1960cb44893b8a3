// The report reads the distribution's os-release file and the kernel's release text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/DiagnosticReport.h"

std::vector<std::string> CorvaleFuzzSeeds() {
  return {"PRETTY_NAME=\"Debian GNU/Linux 12\"\nVERSION_ID=\"12\"\n", "NAME='Ubuntu'\r\nVERSION_ID='22.04'",
          "PRETTY_NAME=\"\\", "PRETTY_NAME=\"a\\\"b\nVERSION_ID=99999999999999999999", "=\n=\"\n\"", ""};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  app::SystemState system;
  // The same bytes as os-release and as the kernel's release and machine.
  system.kernel = platform::KernelIdentity{"Linux", text, text, text};
  system.osRelease = text;
  const std::string report = app::ComposeDiagnosticReport({}, device::CDeviceSettings{}, system);
  if (report.find("[Windows Information]\n") == std::string::npos ||
      report.find("[USB Information]\n") == std::string::npos) {
    __builtin_trap();
  }
  return 0;
}
