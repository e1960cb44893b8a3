#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/usb/UsbDescriptors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto config = platform::ParseConfigDescriptor(std::span(data, size));
  if (config) (void)config->Find(0xFE, 0x01);
  // The same bytes as a device's answers to the two descriptor reads: each read gets the bytes
  // from the start, as many as asked for or the input holds, and may claim more.
  int reads = 0;
  const std::vector<uint8_t> fetched = platform::FetchConfigDescriptor([&](uint8_t* out, uint16_t length) {
    ++reads;
    const size_t n = std::min<size_t>(length, size);
    std::copy(data, data + n, out);
    return size > 0 && (data[0] & 1) ? static_cast<int>(size) : static_cast<int>(n);
  });
  if (reads > 2 || fetched.size() > 0xFFFF) __builtin_trap();
  if (!fetched.empty() && fetched.size() != std::min<size_t>(size, data[2] | (data[3] << 8))) __builtin_trap();
  return 0;
}

std::vector<std::string> CorvaleFuzzSeeds() {
  const uint8_t config[] = {9, 2, 43, 0, 2, 1, 0, 0x80, 50, 9, 4, 0, 0, 1, 0xE0, 1, 1, 0, 7, 5, 0x81, 3, 16, 0, 1,
                            9, 4, 1, 0, 0, 0xFE, 1, 1, 0, 9, 0x21, 0x03, 0x88, 0x13, 0xFF, 0x03, 0x00, 0x01};
  return {std::string(config, config + sizeof config)};
}
