#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/dfu/BccmdPdu.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  // The first two bytes choose the sequence number the reply is checked against.
  const uint16_t sequence = static_cast<uint16_t>(data[0] | (data[1] << 8));
  dfu::bccmd::Reply reply;
  if (dfu::bccmd::ParseReply(std::span(data + 2, size - 2), sequence, reply) == dfu::bccmd::ReplyCheck::kOurs) {
    // What was read lies within the event: a header and at most the words it carries.
    if ((reply.payload.size() + dfu::bccmd::kHeaderWords) * 2 > size) __builtin_trap();
  }
  return 0;
}

std::vector<std::string> CorvaleFuzzSeeds() {
  // Sequence 7, then a GETRESP event for key 0x02A3 holding 0x4D21.
  const uint8_t reply[] = {7, 0, 0xFF, 19, 0xC2, 1, 0, 9, 0, 7, 0, 0x03, 0x70, 0, 0,
                           0xA3, 0x02, 1, 0, 0, 0, 0x21, 0x4D};
  return {std::string(reply, reply + sizeof reply)};
}
