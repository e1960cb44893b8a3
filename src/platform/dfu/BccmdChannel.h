#pragma once
// Persistent-store access over BCCMD on an open device whose HCI interface we hold: commands go out
// as class control requests, replies come back as vendor events on the interrupt endpoint.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/UsbBus.h"
#include "platform/dfu/BccmdPdu.h"
#include "platform/dfu/DfuResult.h"

namespace dfu {

class BccmdChannel {
 public:
  // Claims the device's Bluetooth HCI interface; nullptr (with `why` set) when the device has none
  // (it is in DFU mode) or it cannot be claimed.
  static std::unique_ptr<BccmdChannel> Open(std::unique_ptr<platform::UsbDevice> device, Result& why);
  ~BccmdChannel();
  BccmdChannel(const BccmdChannel&) = delete;
  BccmdChannel& operator=(const BccmdChannel&) = delete;

  // Reads a key into `out` (zero-filled past the stored value); `storedBytes` gets the key's length.
  Result GetPs(uint16_t key, std::span<uint8_t> out, uint16_t* storedBytes);
  // Writes `value` (an odd last byte is padded with zero) as the key's new value.
  Result SetPs(uint16_t key, std::span<const uint8_t> value);

 private:
  BccmdChannel(std::unique_ptr<platform::UsbDevice> device, int interfaceNumber, uint8_t endpoint,
               uint16_t packetSize);
  Result Exchange(uint16_t type, uint16_t variable, std::span<const uint16_t> payload,
                  bccmd::Reply& reply);
  void DrainEvents();
  // The time left for one exchange's reply, on the platform clock.
  struct ReplyDeadline {
    uint32_t start;
    uint32_t budgetMs;
    uint32_t RemainingMs() const;
  };
  // One whole HCI event, put together from interrupt packets, before the deadline.
  Result ReadEvent(std::vector<uint8_t>& event, const ReplyDeadline& deadline);

  std::unique_ptr<platform::UsbDevice> device_;
  int interface_;
  uint8_t endpoint_;
  uint16_t packetSize_;
};

}  // namespace dfu
