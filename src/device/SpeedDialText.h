#pragma once
// Speed-dial numbers as the device stores them: 20 little-endian 16-bit words of which the
// device keeps only the low byte, one character per word, ended by the first zero byte.
// The characters that survive that are printable Latin-1 (U+0020-U+007E, U+00A0-U+00FF);
// texts are UTF-8 here and anything else is left out rather than stored as a wrong byte.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace device {

inline constexpr int kSpeedDialWordCount = 20;
using SpeedDialWords = std::array<uint16_t, kSpeedDialWordCount>;

bool IsSpeedDialCharacter(char32_t c);

// `text` reduced to what the device can store: carriable characters only, at most 20.
std::string FitSpeedDialText(std::string_view text);

// Reads the words into `text` (low bytes up to the first zero, unprintable bytes skipped);
// returns the number of characters.
int UnpackTextWords(std::string& text, const SpeedDialWords& words);

// Stores FitSpeedDialText(text) one character per word and zeroes the rest; returns twice the
// number of characters stored (the byte length of the used words).
int PackTextWords(SpeedDialWords& words, std::string_view text);

}  // namespace device
