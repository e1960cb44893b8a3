#pragma once
// The exchanges recognition makes over the vendor HID channel: a question whose reply is used,
// a command whose reply is not, and the words of a reply as far as the report reaches.
#include <cstddef>
#include <cstdint>

#include "io/HidChannel.h"
#include "io/HidReports.h"

namespace headset::hid {

// The interfaces of one recognition run; either may be null, and an exchange on null fails.
struct HidHandles {
  platform::HidDevice* first = nullptr;
  platform::HidDevice* second = nullptr;
};

// True when the device answered; `reply` is cleared first so nothing of an earlier answer stays.
inline bool Ask(platform::HidDevice* device, const io::HidCommandReport& request, io::HidReplyReport& reply) {
  reply = io::HidReplyReport{};
  return io::HidTransact(device, request, reply);
}

inline void Send(platform::HidDevice* device, const io::HidCommandReport& request) {
  io::HidReplyReport ignored;
  io::HidTransact(device, request, ignored);
}

// Word `index` of a reply in host order (it travels big-endian); past the report it reads 0.
inline uint16_t ReplyWord(const io::HidReplyReport& reply, size_t index) {
  const size_t at = io::HID_REPLY_WORDS + 2 * index;
  if (at + 1 >= reply.bytes.size()) return 0;
  return static_cast<uint16_t>((reply.bytes[at] << 8) | reply.bytes[at + 1]);
}

inline uint8_t ReplyWordLow(const io::HidReplyReport& reply, size_t index) {
  return static_cast<uint8_t>(ReplyWord(reply, index) & 0xFF);
}

// The reply's word count, at most what a reply holds.
inline size_t ReplyWordCount(const io::HidReplyReport& reply) {
  const size_t count = reply.bytes[io::HID_REPLY_WORD_COUNT];
  return count < io::HID_REPLY_WORDS_MAX ? count : io::HID_REPLY_WORDS_MAX;
}

}  // namespace headset::hid
