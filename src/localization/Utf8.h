#pragma once
// UTF-8 checks for text that comes from outside (files, devices).
#include <cstddef>
#include <string>
#include <string_view>

namespace text {

// Length of the well-formed UTF-8 sequence at `at` (1 to 4), or 0 when the bytes there are not
// one: a stray continuation byte, an overlong form, a surrogate, a code point above U+10FFFF, or a
// sequence cut short.
size_t Utf8SequenceLength(std::string_view bytes, size_t at);

bool IsValidUtf8(std::string_view bytes);

// The text with every byte that does not start a well-formed sequence replaced by U+FFFD, so that
// no malformed text travels on into files and the display.
std::string ReplaceInvalidUtf8(std::string_view bytes);

}  // namespace text
