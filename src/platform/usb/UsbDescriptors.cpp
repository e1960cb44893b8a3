#include "platform/usb/UsbDescriptors.h"

#include <algorithm>

namespace platform {

namespace {

constexpr uint8_t kTypeConfig = 0x02;
constexpr uint8_t kTypeInterface = 0x04;
constexpr uint8_t kTypeEndpoint = 0x05;
constexpr uint8_t kTypeDfuFunctional = 0x21;

uint16_t Word(std::span<const uint8_t> bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

}  // namespace

const UsbInterfaceInfo* UsbConfigInfo::Find(uint8_t interfaceClass, uint8_t subClass,
                                            int protocol) const {
  const UsbInterfaceInfo* found = nullptr;
  for (const auto& candidate : interfaces) {
    if (candidate.interfaceClass != interfaceClass || candidate.interfaceSubClass != subClass) continue;
    if (protocol >= 0 && candidate.interfaceProtocol != protocol) continue;
    if (candidate.alternate == 0) return &candidate;
    if (!found) found = &candidate;
  }
  return found;
}

std::optional<UsbConfigInfo> ParseConfigDescriptor(std::span<const uint8_t> bytes) {
  if (bytes.size() < 9 || bytes[0] < 9 || bytes[1] != kTypeConfig) return std::nullopt;
  // wTotalLength bounds the walk, and so does what we were actually given.
  const size_t total = std::min<size_t>(Word(bytes, 2), bytes.size());
  UsbConfigInfo config;
  UsbInterfaceInfo* current = nullptr;
  size_t at = bytes[0];
  while (at + 2 <= total) {
    const size_t length = bytes[at];
    const uint8_t type = bytes[at + 1];
    if (length < 2 || at + length > total) break;
    const auto descriptor = bytes.subspan(at, length);
    if (type == kTypeInterface && length >= 9) {
      UsbInterfaceInfo& info = config.interfaces.emplace_back();
      info.number = descriptor[2];
      info.alternate = descriptor[3];
      info.interfaceClass = descriptor[5];
      info.interfaceSubClass = descriptor[6];
      info.interfaceProtocol = descriptor[7];
      current = &info;
    } else if (type == kTypeEndpoint && length >= 7 && current) {
      current->endpoints.push_back({descriptor[2], descriptor[3], Word(descriptor, 4)});
    } else if (type == kTypeDfuFunctional && length >= 7 && current &&
               current->interfaceClass == kUsbClassApplication &&
               current->interfaceSubClass == kUsbSubClassDfu) {
      DfuFunctionalInfo dfu;
      dfu.attributes = descriptor[2];
      dfu.detachTimeoutMs = Word(descriptor, 3);
      dfu.transferSize = Word(descriptor, 5);
      if (length >= 9) dfu.dfuVersion = Word(descriptor, 7);
      current->dfu = dfu;
    }
    at += length;
  }
  return config;
}

std::vector<uint8_t> FetchConfigDescriptor(const std::function<int(uint8_t* data, uint16_t length)>& get) {
  uint8_t head[9] = {};
  const int got = get(head, sizeof head);
  if (got < 4 || head[1] != 0x02) return {};
  const uint16_t total = static_cast<uint16_t>(head[2] | (head[3] << 8));
  if (total < sizeof head) return {};
  std::vector<uint8_t> bytes(total);
  const int rc = get(bytes.data(), total);
  if (rc < 0) return {};
  bytes.resize(std::min<size_t>(static_cast<size_t>(rc), total));
  return bytes;
}

}  // namespace platform
