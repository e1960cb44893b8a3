#pragma once
// An RGB colour as the classic framework's COLORREF, without the packing tricks.
#include <cstdint>
#include <cstdio>
#include <string>

namespace fw {

struct Colour {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;

  // 0x00BBGGRR, the classic layout, for tables and hashing.
  constexpr uint32_t Ref() const { return uint32_t(r) | (uint32_t(g) << 8) | (uint32_t(b) << 16); }
  std::string ToString() const {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", r, g, b);
    return text;
  }
  friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

constexpr Colour RGB(int r, int g, int b) {
  return Colour{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
}

namespace colours {
constexpr Colour kBlack = RGB(0, 0, 0);
constexpr Colour kWhite = RGB(255, 255, 255);
// The classic system colours, fixed so that drawing does not depend on the desktop theme.
constexpr Colour kButtonFace = RGB(240, 240, 240);
constexpr Colour kButtonShadow = RGB(160, 160, 160);
constexpr Colour kButtonDarkShadow = RGB(105, 105, 105);
constexpr Colour kButtonHighlight = RGB(255, 255, 255);
constexpr Colour kButtonLight = RGB(227, 227, 227);
constexpr Colour kWindow = RGB(255, 255, 255);
constexpr Colour kWindowText = RGB(0, 0, 0);
constexpr Colour kGrayText = RGB(109, 109, 109);
constexpr Colour kHighlight = RGB(0, 120, 215);
constexpr Colour kHighlightText = RGB(255, 255, 255);
}  // namespace colours

}  // namespace fw
