// Frequencies typed by the user on the FM presets page.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/fm/TypedMegahertz.h"

std::vector<std::string> CorvaleFuzzSeeds() {
  return {"95.04", "1e30", "abc", "99999999999", "inf", "-nan", " 87.5 ", "-9999.99", "0x1p3", "."};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const int v = settings::fm::ParseTypedMegahertz(text);
  // Every answer is on the 0.1 MHz grid or outside every band.
  if (v != settings::fm::kOutsideEveryBand && v % 10 != 0) __builtin_trap();
  return 0;
}
