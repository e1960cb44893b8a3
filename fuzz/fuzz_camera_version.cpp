// A camera's version file comes from its memory card.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "firmware/formats/CameraVersionFile.h"

std::vector<std::string> CorvaleFuzzSeeds() {
  return {"2.10", "V2.1", "2\r\n.1\r\n", "99999999999.99999999999", "...", "1.2.3\n4.5"};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const firmware::CameraVersion version = firmware::ParseCameraVersionText(text);
  if (version.major < 0 || version.minor < 0) __builtin_trap();
  return 0;
}
