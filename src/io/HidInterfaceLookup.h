#pragma once
// The two vendor HID interfaces of the two-module product 0x5345: normally products 0x5345 and
// 0x5346; while its Bluetooth module is in DFU mode, that one shows as 0xD340. Paths come in
// enumeration order, so which module is first is the system's choice: HID_CMD_GET_ROLE tells.
#include <memory>
#include <string>
#include <vector>

#include "platform/HidBus.h"

namespace io {

inline constexpr uint16_t HID_PAIR_PRODUCT_FIRST = 0x5345;
inline constexpr uint16_t HID_PAIR_PRODUCT_SECOND = 0x5346;
inline constexpr uint16_t HID_PAIR_PRODUCT_DFU = 0xD340;

// Paths of up to `max` vendor collections of products 0x5345 and 0x5346.
std::vector<std::string> FindHidPairPaths(int max);
// The same, also taking product 0xD340.
std::vector<std::string> FindHidPairOrDfuPaths(int max);

// `count` is 1 or 2. Resets both handles, then, when `count` interfaces are found, opens the first
// into `first` and, for 2, the second into `second`. True when every handle asked for is open;
// on false a handle that did open is still the caller's.
bool OpenHidPair(std::unique_ptr<platform::HidDevice>& first, std::unique_ptr<platform::HidDevice>& second,
                 int count);
bool OpenHidPairOrDfu(std::unique_ptr<platform::HidDevice>& first,
                      std::unique_ptr<platform::HidDevice>& second, int count);

// Up to `max` openable interfaces of product 0xD340 (any usage): modules waiting in DFU mode.
int CountHidDfuDevices(int max);

}  // namespace io
