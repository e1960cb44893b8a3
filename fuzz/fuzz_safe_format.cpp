#include <cstddef>
#include <cstdint>
#include <string>

#include "localization/SafeFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string format(reinterpret_cast<const char*>(data), size);
  (void)text::Format(format, "text", 42, -7);
  (void)text::Format(format);
  return 0;
}
