#include "device/SpeedDialText.h"

#include <vector>

namespace device {

namespace {

// Code points of a UTF-8 text; a malformed sequence gives U+FFFD for its first byte.
std::vector<char32_t> DecodeUtf8(std::string_view text) {
  std::vector<char32_t> out;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t c = 0;
    if (lead < 0x80) {
      c = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1;
      c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2;
      c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3;
      c = lead & 0x07;
    } else {
      out.push_back(U'\uFFFD');
      ++i;
      continue;
    }
    bool ok = i + static_cast<std::size_t>(extra) < text.size();
    for (int k = 1; ok && k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) {
        ok = false;
      } else {
        c = (c << 6) | (next & 0x3F);
      }
    }
    // Overlong forms would smuggle in characters such as NUL; they count as malformed.
    static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (!ok || c < kSmallest[extra]) {
      out.push_back(U'\uFFFD');
      ++i;
      continue;
    }
    out.push_back(c);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

void AppendLatin1(std::string& out, unsigned char c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

}  // namespace

bool IsSpeedDialCharacter(char32_t c) {
  return (c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0xFF);
}

std::string FitSpeedDialText(std::string_view text) {
  std::string out;
  int count = 0;
  for (char32_t c : DecodeUtf8(text)) {
    if (count == kSpeedDialWordCount) break;
    if (!IsSpeedDialCharacter(c)) continue;
    AppendLatin1(out, static_cast<unsigned char>(c));
    ++count;
  }
  return out;
}

int UnpackTextWords(std::string& text, const SpeedDialWords& words) {
  text.clear();
  int count = 0;
  for (uint16_t word : words) {
    const auto c = static_cast<unsigned char>(word & 0xFF);
    if (c == 0) break;
    if (!IsSpeedDialCharacter(c)) continue;
    AppendLatin1(text, c);
    ++count;
  }
  return count;
}

int PackTextWords(SpeedDialWords& words, std::string_view text) {
  words.fill(0);
  int count = 0;
  for (char32_t c : DecodeUtf8(FitSpeedDialText(text))) {
    words[static_cast<std::size_t>(count++)] = static_cast<uint16_t>(c);
  }
  return 2 * count;
}

}  // namespace device
