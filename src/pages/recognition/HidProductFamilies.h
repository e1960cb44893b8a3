#pragma once
// Which of the maker's HID products talk over one interface, two, or a module that shows up
// as its own USB product, and so which handle each exchange of recognition goes to.
namespace pages::recognition {

enum class HidFamily {
  DualInterface,  // first and second interface
  Pair,           // the two-module product 0x5345
  Module,         // first interface plus a module seen as product 0x3120
  SingleInterface,
  Unknown,        // outside the list: handled as a single-interface product
};

inline constexpr int kHidPairProduct = 0x5345;
inline constexpr int kHidPairSecondProduct = 0x5346;
inline constexpr int kHidModuleProduct = 0x3120;

HidFamily HidFamilyOf(int productId);
inline bool IsKnownHidProduct(int productId) { return HidFamilyOf(productId) != HidFamily::Unknown; }

}  // namespace pages::recognition
