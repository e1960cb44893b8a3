#pragma once
// Reader of a USB configuration descriptor: the interfaces, their endpoints and the DFU functional
// descriptor. The bytes come from the device, so every field is bounds-checked.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace platform {

struct UsbEndpointInfo {
  uint8_t address = 0;     // bit 7 set for IN
  uint8_t attributes = 0;  // bits 0-1: 0 control, 1 isochronous, 2 bulk, 3 interrupt
  uint16_t maxPacketSize = 0;
};

struct DfuFunctionalInfo {
  uint8_t attributes = 0;  // bit 0 can download, 1 can upload, 2 manifestation tolerant, 3 will detach
  uint16_t detachTimeoutMs = 0;
  uint16_t transferSize = 0;
  uint16_t dfuVersion = 0;  // BCD; 0 when the descriptor is shorter than DFU 1.1's
};

struct UsbInterfaceInfo {
  uint8_t number = 0;
  uint8_t alternate = 0;
  uint8_t interfaceClass = 0;
  uint8_t interfaceSubClass = 0;
  uint8_t interfaceProtocol = 0;
  std::vector<UsbEndpointInfo> endpoints;
  std::optional<DfuFunctionalInfo> dfu;  // the DFU functional descriptor that follows the interface
};

struct UsbConfigInfo {
  std::vector<UsbInterfaceInfo> interfaces;

  // The first interface (alternate 0 preferred) of this class triple; a negative protocol matches any.
  const UsbInterfaceInfo* Find(uint8_t interfaceClass, uint8_t subClass, int protocol = -1) const;
};

inline constexpr uint8_t kUsbClassWireless = 0xE0;      // subclass 1, protocol 1: Bluetooth HCI
inline constexpr uint8_t kUsbClassApplication = 0xFE;   // subclass 1: DFU
inline constexpr uint8_t kUsbSubClassDfu = 0x01;
inline constexpr uint8_t kDfuProtocolRuntime = 0x01;
inline constexpr uint8_t kDfuProtocolDfuMode = 0x02;

// nullopt when the bytes are not a configuration descriptor; descriptors that are cut short or
// overrun the total length end the walk, keeping what was read before them.
std::optional<UsbConfigInfo> ParseConfigDescriptor(std::span<const uint8_t> bytes);

// Fetches a whole configuration descriptor in two reads through `get` (a GET_DESCRIPTOR of at
// most `length` bytes into `data`, giving back the byte count or a negative error): the nine-byte
// head for wTotalLength, then that many bytes. Empty when a read fails or the head is no
// configuration header; what a device answers beyond what was asked is dropped.
std::vector<uint8_t> FetchConfigDescriptor(const std::function<int(uint8_t* data, uint16_t length)>& get);

}  // namespace platform
