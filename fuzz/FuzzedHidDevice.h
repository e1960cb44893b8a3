#pragma once
// A vendor HID device whose replies come from fuzz input: each reply a length byte, then that many
// bytes (or what is left). A length of 0xFF is a failing read; no input left is a time-out.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/HidBus.h"

class FuzzedHidDevice : public platform::HidDevice {
 public:
  FuzzedHidDevice(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  int Write(const uint8_t*, size_t length) override { return static_cast<int>(length); }
  int Read(uint8_t* buffer, size_t length, int timeoutMs) override {
    if (timeoutMs == 0 || pos_ >= size_) return 0;
    const size_t announced = data_[pos_++];
    if (announced == 0xFF) return -1;
    const size_t n = std::min({announced, size_ - pos_, length});
    std::memcpy(buffer, data_ + pos_, n);
    pos_ += n;
    return static_cast<int>(n);
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};
