#include "localization/Utf8.h"

#include <cstdint>

namespace text {

size_t Utf8SequenceLength(std::string_view bytes, size_t at) {
  if (at >= bytes.size()) return 0;
  const auto lead = static_cast<uint8_t>(bytes[at]);
  size_t length = 0;
  uint32_t min = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2, min = 0x80;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3, min = 0x800;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4, min = 0x10000;
  else return 0;
  if (bytes.size() - at < length) return 0;
  uint32_t code = lead & (0x7Fu >> length);
  for (size_t k = 1; k < length; ++k) {
    const auto next = static_cast<uint8_t>(bytes[at + k]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3Fu);
  }
  const bool valid = code >= min && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
  return valid ? length : 0;
}

bool IsValidUtf8(std::string_view bytes) {
  for (size_t at = 0; at < bytes.size();) {
    const size_t length = Utf8SequenceLength(bytes, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

std::string ReplaceInvalidUtf8(std::string_view bytes) {
  static constexpr char kReplacement[] = "\xEF\xBF\xBD";
  std::string text;
  for (size_t at = 0; at < bytes.size();) {
    const size_t length = Utf8SequenceLength(bytes, at);
    if (length == 0) {
      text += kReplacement;
      ++at;
    } else {
      text.append(bytes.substr(at, length));
      at += length;
    }
  }
  return text;
}

}  // namespace text
