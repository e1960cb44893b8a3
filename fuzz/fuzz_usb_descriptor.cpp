#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/usb/UsbDescriptors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto config = platform::ParseConfigDescriptor(std::span(data, size));
  if (config) (void)config->Find(0xFE, 0x01);
  return 0;
}

std::vector<std::string> CorvaleFuzzSeeds() {
  const uint8_t config[] = {9, 2, 43, 0, 2, 1, 0, 0x80, 50, 9, 4, 0, 0, 1, 0xE0, 1, 1, 0, 7, 5, 0x81, 3, 16, 0, 1,
                            9, 4, 1, 0, 0, 0xFE, 1, 1, 0, 9, 0x21, 0x03, 0x88, 0x13, 0xFF, 0x03, 0x00, 0x01};
  return {std::string(config, config + sizeof config)};
}
