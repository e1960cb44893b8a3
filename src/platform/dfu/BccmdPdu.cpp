#include "platform/dfu/BccmdPdu.h"

#include <algorithm>

namespace dfu::bccmd {

namespace {

void PutWord(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value & 0xFF));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

uint16_t Word(std::span<const uint8_t> bytes, size_t index) {
  return static_cast<uint16_t>(bytes[index * 2] | (bytes[index * 2 + 1] << 8));
}

}  // namespace

std::vector<uint8_t> BuildCommand(uint16_t type, uint16_t sequence, uint16_t variable,
                                  std::span<const uint16_t> payload) {
  if (payload.size() > kMaxPduWords - kHeaderWords) return {};
  const size_t words = std::max(kMinPduWords, kHeaderWords + payload.size());
  std::vector<uint8_t> command;
  command.reserve(4 + words * 2);
  PutWord(command, kVendorOpcode);
  command.push_back(static_cast<uint8_t>(words * 2 + 1));
  command.push_back(kChannelBccmd);
  PutWord(command, type);
  PutWord(command, static_cast<uint16_t>(words));
  PutWord(command, sequence);
  PutWord(command, variable);
  PutWord(command, kStatusOk);
  for (uint16_t word : payload) PutWord(command, word);
  command.resize(4 + words * 2, 0);
  return command;
}

ReplyCheck ParseReply(std::span<const uint8_t> event, uint16_t sequence, Reply& reply) {
  if (event.size() < 3 || event[0] != kVendorEvent || event[2] != kChannelBccmd) return ReplyCheck::kNotOurs;
  const size_t parameterBytes = event[1];
  if (parameterBytes < 1 || event.size() < 2 + parameterBytes) return ReplyCheck::kMalformed;
  const auto pdu = event.subspan(3, parameterBytes - 1);
  if (pdu.size() < kHeaderWords * 2) return ReplyCheck::kMalformed;
  if (Word(pdu, 0) != kGetResponse || Word(pdu, 2) != sequence) return ReplyCheck::kNotOurs;
  const size_t words = Word(pdu, 1);
  if (words < kHeaderWords || words * 2 > pdu.size()) return ReplyCheck::kMalformed;
  reply.variable = Word(pdu, 3);
  reply.status = Word(pdu, 4);
  reply.payload.clear();
  for (size_t i = kHeaderWords; i < words; ++i) reply.payload.push_back(Word(pdu, i));
  return ReplyCheck::kOurs;
}

}  // namespace dfu::bccmd
