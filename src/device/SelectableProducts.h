#pragma once
// The products the selection page offers, in the order of its buttons, each with the picture its
// button draws.
#include <array>

namespace device {

struct SelectableProduct {
  int productId;
  int picture;
};

inline constexpr std::array<SelectableProduct, 18> SELECTABLE_PRODUCTS = {{
    {0x4D10, 178}, {0x4D05, 177}, {0x4D15, 195}, {0x4020, 211}, {0x2010, 222}, {0x4030, 219},
    {0x4010, 215}, {0x5010, 179}, {0x5020, 180}, {0x5030, 192}, {0x5210, 181}, {0x5310, 193},
    {0x4D20, 200}, {0x2020, 223}, {0x5040, 199}, {0x4110, 216}, {0x3010, 224}, {0x4120, 230},
}};

}  // namespace device
