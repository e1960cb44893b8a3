#pragma once
// The colours of the main window's brushes; the message box and the pages paint with the same.
#include "framework/Colour.h"

namespace app {

inline constexpr fw::Colour kColourWhite = fw::RGB(255, 255, 255);
inline constexpr fw::Colour kColourNavigation = fw::RGB(255, 255, 246);
inline constexpr fw::Colour kColourTitle = fw::RGB(224, 224, 214);
inline constexpr fw::Colour kColourStatusNormal = fw::RGB(181, 213, 255);
inline constexpr fw::Colour kColourStatusError = fw::RGB(255, 142, 0);

}  // namespace app
