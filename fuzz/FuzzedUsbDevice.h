#pragma once
// A headset on a simulated USB bus whose answers come from fuzz input. Each control-in or
// interrupt-in transfer takes a control byte: 0xFF is a stall, 0xFE a time-out, anything else a
// reply of (byte & 0x7F) bytes (or what is left); with the top bit set, reply bytes 7 and 8 are
// the sequence number of the last BCCMD command, so that replies can match it. No input left is
// a time-out. Out transfers are taken whole. A reset switches between application and DFU mode.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "SimUsbBus.h"

class FuzzedUsbDevice : public sim::SimUsbDevice {
 public:
  FuzzedUsbDevice(const uint8_t* data, size_t size, uint16_t applicationProduct, bool dfuMode)
      : data_(data), size_(size), product_(applicationProduct), dfuMode_(dfuMode) {}

 protected:
  platform::UsbDeviceInfo IdentityLocked() override {
    return {0x092B, static_cast<uint16_t>(dfuMode_ ? product_ | 0x8000 : product_), 0x0100, {}};
  }
  std::vector<uint8_t> ConfigDescriptorLocked() override {
    // Application mode: the HCI interface (event endpoint 0x81) and the DFU run-time interface.
    // DFU mode: the DFU-mode interface. Both announce downloads of 1023-byte blocks.
    static const std::vector<uint8_t> kApplication = {
        9, 2, 43, 0, 2, 1, 0, 0x80, 50, 9, 4, 0, 0, 1, 0xE0, 1, 1, 0, 7, 5, 0x81, 3, 16, 0, 1,
        9, 4, 1, 0, 0, 0xFE, 1, 1, 0, 9, 0x21, 0x03, 0x88, 0x13, 0xFF, 0x03, 0x00, 0x01};
    static const std::vector<uint8_t> kDfu = {9, 2, 27, 0, 1, 1, 0, 0x80, 50, 9, 4, 0, 0, 0, 0xFE, 1, 2, 0,
                                              9, 0x21, 0x03, 0x88, 0x13, 0xFF, 0x03, 0x00, 0x01};
    return dfuMode_ ? kDfu : kApplication;
  }
  int ControlLocked(uint8_t requestType, uint8_t, uint16_t, uint16_t, uint8_t* data,
                    uint16_t length) override {
    if (requestType & 0x80) return Next(data, length);
    if (data && length >= 10) sequence_[0] = data[8], sequence_[1] = data[9];
    return length;
  }
  int InterruptInLocked(uint8_t, uint8_t* data, int length) override {
    return Next(data, static_cast<size_t>(std::max(length, 0)));
  }
  void ResetLocked() override {
    dfuMode_ = !dfuMode_;
    ReenumerateLocked();
  }

 private:
  int Next(uint8_t* buffer, size_t length) {
    if (pos_ >= size_) return platform::kUsbTimeout;
    const uint8_t control = data_[pos_++];
    if (control == 0xFF) return platform::kUsbStall;
    if (control == 0xFE) return platform::kUsbTimeout;
    const size_t n = std::min({size_t{control & 0x7Fu}, size_ - pos_, length});
    std::memcpy(buffer, data_ + pos_, n);
    pos_ += n;
    if ((control & 0x80) && n >= 9) std::memcpy(buffer + 7, sequence_, 2);
    return static_cast<int>(n);
  }

  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  uint16_t product_;
  bool dfuMode_;
  uint8_t sequence_[2] = {};
};
