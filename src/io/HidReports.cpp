#include "io/HidReports.h"

#include <algorithm>
#include <utility>

namespace io {

HidCommandReport MakeHidCommand(uint8_t command, uint8_t argument) {
  HidCommandReport report;
  report.bytes[1] = command;
  report.bytes[2] = argument;
  return report;
}

std::optional<HidCommandReport> MakeParamWrite(uint8_t param, std::span<const uint16_t> words) {
  if (words.size() > HID_REQUEST_WORDS_MAX) return std::nullopt;
  HidCommandReport report = MakeHidCommand(HID_CMD_WRITE_PARAM, param);
  report.bytes[HID_REQUEST_WORD_COUNT] = static_cast<uint8_t>(words.size());
  for (size_t i = 0; i < words.size(); ++i) {
    report.bytes[HID_REQUEST_PAYLOAD + 2 * i] = static_cast<uint8_t>(words[i] >> 8);
    report.bytes[HID_REQUEST_PAYLOAD + 2 * i + 1] = static_cast<uint8_t>(words[i] & 0xFF);
  }
  return report;
}

HidCommandReport MakeParamCommit(const HidCommandReport& write) {
  HidCommandReport report = write;
  report.bytes[1] = HID_CMD_COMMIT_PARAM;
  SwapRequestWords(report);
  return report;
}

HidCommandReport MakeParamRead(uint8_t param) { return MakeHidCommand(HID_CMD_READ_PARAM, param); }

HidCommandReport MakeParamLoad(uint8_t param) { return MakeHidCommand(HID_CMD_LOAD_PARAM, param); }

HidCommandReport MakeCrcCommand(uint8_t command, uint16_t crc) {
  HidCommandReport report = MakeHidCommand(command, 0);
  report.bytes[HID_REQUEST_WORD_COUNT] = 2;
  report.bytes[HID_REQUEST_PAYLOAD] = static_cast<uint8_t>(crc & 0xFF);
  report.bytes[HID_REQUEST_PAYLOAD + 1] = static_cast<uint8_t>(crc >> 8);
  return report;
}

std::optional<HidCommandReport> MakeSectionData(std::span<const uint8_t> data) {
  if (data.size() > HID_SECTION_CHUNK_MAX) return std::nullopt;
  HidCommandReport report = MakeHidCommand(HID_CMD_SECTION_DATA, static_cast<uint8_t>(data.size() >> 8));
  report.bytes[3] = static_cast<uint8_t>(data.size() & 0xFF);
  std::copy(data.begin(), data.end(), report.bytes.begin() + HID_REQUEST_PAYLOAD);
  return report;
}

void SwapWords(std::span<uint8_t> bytes, int count) {
  if (count <= 0) return;
  const size_t words = std::min(static_cast<size_t>(count), bytes.size() / 2);
  for (size_t i = 0; i < words; ++i) std::swap(bytes[2 * i], bytes[2 * i + 1]);
}

void SwapRequestWords(HidCommandReport& request) {
  SwapWords(std::span(request.bytes).subspan(HID_REQUEST_PAYLOAD), request.bytes[HID_REQUEST_WORD_COUNT]);
}

void SwapReplyWords(HidReplyReport& reply) {
  SwapWords(std::span(reply.bytes).subspan(HID_REPLY_WORDS), reply.bytes[HID_REPLY_WORD_COUNT]);
}

std::optional<std::vector<uint16_t>> ReadParamWords(const HidReplyReport& reply) {
  const size_t received = std::min(reply.length, reply.bytes.size());
  if (received <= HID_REPLY_WORD_COUNT) return std::nullopt;
  const size_t count = reply.bytes[HID_REPLY_WORD_COUNT];
  // A count beyond what arrived is a garbled reply, not a short list of words.
  if (count > HID_REPLY_WORDS_MAX || HID_REPLY_WORDS + 2 * count > received) return std::nullopt;
  std::vector<uint16_t> words(count);
  for (size_t i = 0; i < count; ++i) {
    words[i] = static_cast<uint16_t>((reply.bytes[HID_REPLY_WORDS + 2 * i] << 8) |
                                     reply.bytes[HID_REPLY_WORDS + 2 * i + 1]);
  }
  return words;
}

}  // namespace io
