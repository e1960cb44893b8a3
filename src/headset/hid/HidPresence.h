#pragma once
// Whether one of the maker's HID interfaces is attached: then recognition talks to the device
// with vendor HID reports instead of through its persistent store.
#include <optional>

namespace headset::hid {

// The product id of the first of the maker's HID interfaces in enumeration order, or nullopt
// when none is attached. Interfaces without a product id are passed over.
std::optional<int> FindMakerHidProduct();

}  // namespace headset::hid
