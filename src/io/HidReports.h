#pragma once
// The two fixed-size reports of the maker's vendor HID collection: the command the host sends and
// the reply the device answers with, their command and parameter codes, and the byte orders.
// Parameter words travel big-endian; CRC words, and the words of a commit, low byte first.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace io {

inline constexpr uint16_t HID_VENDOR_ID = 0x092B;
inline constexpr uint16_t HID_USAGE_PAGE_VENDOR = 0xFF00;
inline constexpr uint16_t HID_USAGE_VENDOR = 1;
inline constexpr uint8_t HID_REPORT_ID = 1;
inline constexpr size_t HID_REPORT_OUT_SIZE = 1023;
inline constexpr size_t HID_REPORT_IN_SIZE = 67;
inline constexpr size_t HID_SECTION_CHUNK_MAX = 1019;  // 1023 minus the 4 header bytes
inline constexpr uint8_t HID_STATUS_OK = 0;
inline constexpr uint8_t HID_STATUS_BUSY = 1;
inline constexpr uint8_t HID_STATUS_PRESET = 0xFF;  // written before each read: "no answer yet"

// Offsets within the reports.
inline constexpr size_t HID_REQUEST_WORD_COUNT = 3;
inline constexpr size_t HID_REQUEST_PAYLOAD = 4;
inline constexpr size_t HID_REPLY_STATUS = 2;
inline constexpr size_t HID_REPLY_DATA = 3;
inline constexpr size_t HID_REPLY_WORD_COUNT = 4;
inline constexpr size_t HID_REPLY_WORDS = 5;
// Words one reply can hold (bytes 5 to 66); the count byte of a write can name at most 255.
inline constexpr size_t HID_REPLY_WORDS_MAX = (HID_REPORT_IN_SIZE - HID_REPLY_WORDS) / 2;
inline constexpr size_t HID_REQUEST_WORDS_MAX = 255;

enum HidCommand : uint8_t {
  HID_CMD_READ_VERSION = 0x01,
  HID_CMD_READ_ADDRESS = 0x02,
  HID_CMD_READ_PARAM = 0x03,
  HID_CMD_WRITE_PARAM = 0x04,
  HID_CMD_BEGIN_SECTION = 0x05,
  HID_CMD_SECTION_DATA = 0x06,
  HID_CMD_END_SECTION = 0x07,
  HID_CMD_FINISH_UPDATE = 0x08,
  HID_CMD_QUERY_READY = 0x0D,
  HID_CMD_ENTER_BOOTLOADER = 0x0E,
  HID_CMD_LOAD_PARAM = 0x10,
  HID_CMD_COMMIT_PARAM = 0x11,
  HID_CMD_STORAGE_MODE_ON = 0x20,
  HID_CMD_STORAGE_MODE_OFF = 0x21,
  HID_CMD_STORAGE_STATUS = 0x22,
  HID_CMD_MODULE_NORMAL = 0x30,
  HID_CMD_MODULE_DFU = 0x31,
  HID_CMD_GET_ROLE = 0x32,
  HID_CMD_MCU_BOOT = 0x33,
  HID_CMD_MODULES_DONE = 0x34,
  HID_CMD_MODULE_ON = 0x50,
  HID_CMD_MODULE_OFF = 0x52,
  HID_CMD_SET_PROMPT_LANGUAGE = 0x59,
  HID_CMD_CHUNK_CRC = 0x5A,
  HID_CMD_TOTAL_CRC = 0x5B,
};

enum HidParam : uint8_t {
  HID_PARAM_SMART_VOLUME = 0x03,
  HID_PARAM_FEATURES = 0x04,
  HID_PARAM_HW_VARIANT = 0x05,
  HID_PARAM_HW_VERSION = 0x06,
  HID_PARAM_CAMERA = 0x07,
  HID_PARAM_VOX_SENSITIVITY_ALT = 0x12,
  HID_PARAM_VOX_SENSITIVITY = 0x14,
  HID_PARAM_FM = 0x15,
  HID_PARAM_CAMERA_EXTRA = 0x1C,
  HID_PARAM_DEVICE_NAME = 0x1D,
  HID_PARAM_SPEED_DIAL_1 = 0x5A,
  HID_PARAM_SPEED_DIAL_2 = 0x5B,
  HID_PARAM_SPEED_DIAL_3 = 0x5C,
};

// Byte 0 the report id 1, byte 1 the command, then what the command needs; every other byte 0,
// so nothing of an earlier exchange travels with a command.
struct HidCommandReport {
  std::array<uint8_t, HID_REPORT_OUT_SIZE> bytes{};
  HidCommandReport() { bytes[0] = HID_REPORT_ID; }
  uint8_t Command() const { return bytes[1]; }
};

// One input report as read: byte 2 the status, the data from byte 3. `length` is how many bytes
// the device sent; the bytes after them are 0.
struct HidReplyReport {
  std::array<uint8_t, HID_REPORT_IN_SIZE> bytes{};
  size_t length = 0;
  uint8_t Status() const { return bytes[HID_REPLY_STATUS]; }
};

// A command whose only argument (parameter id, section target, language code) is byte 2.
HidCommandReport MakeHidCommand(uint8_t command, uint8_t argument = 0);
// HID_CMD_WRITE_PARAM of `words`, big-endian; nullopt for more words than the count byte names.
std::optional<HidCommandReport> MakeParamWrite(uint8_t param, std::span<const uint16_t> words);
// HID_CMD_COMMIT_PARAM following `write`: the same parameter, count and words, low byte first.
HidCommandReport MakeParamCommit(const HidCommandReport& write);
HidCommandReport MakeParamRead(uint8_t param);
HidCommandReport MakeParamLoad(uint8_t param);
// HID_CMD_CHUNK_CRC or HID_CMD_TOTAL_CRC: 0, 2, then the CRC low byte first.
HidCommandReport MakeCrcCommand(uint8_t command, uint16_t crc);
// HID_CMD_SECTION_DATA: big-endian byte count in bytes 2 and 3, then the data; nullopt when
// the data exceeds HID_SECTION_CHUNK_MAX.
std::optional<HidCommandReport> MakeSectionData(std::span<const uint8_t> data);

// Exchanges the two bytes of each of the first `count` 16-bit words of `bytes`; words that would
// run past the end are left alone, and a count of 0 or less does nothing.
void SwapWords(std::span<uint8_t> bytes, int count);
// The words named by the request's count byte, from byte 4.
void SwapRequestWords(HidCommandReport& request);
// The words named by the reply's count byte, from byte 5, at most the 31 a reply holds.
void SwapReplyWords(HidReplyReport& reply);

// The words of a HID_CMD_READ_PARAM reply as it came off the wire (not swapped). nullopt when the
// count names more words than the device sent.
std::optional<std::vector<uint16_t>> ReadParamWords(const HidReplyReport& reply);

}  // namespace io
