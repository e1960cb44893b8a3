#include "io/HidInterfaceLookup.h"

#include <algorithm>
#include <initializer_list>

#include "io/HidChannel.h"
#include "io/HidReports.h"

namespace io {

namespace {

std::vector<std::string> FindPaths(std::initializer_list<uint16_t> products, int max) {
  std::vector<std::string> paths;
  if (max <= 0) return paths;
  for (const platform::HidInterfaceInfo& info : platform::HidBus::Get().Enumerate(HID_VENDOR_ID, 0)) {
    if (!IsVendorCollection(info)) continue;
    if (std::find(products.begin(), products.end(), info.productId) == products.end()) continue;
    paths.push_back(info.path);
    if (static_cast<int>(paths.size()) >= max) break;
  }
  return paths;
}

bool OpenPaths(const std::vector<std::string>& paths, std::unique_ptr<platform::HidDevice>& first,
               std::unique_ptr<platform::HidDevice>& second, int count) {
  if (static_cast<int>(paths.size()) < count) return false;
  platform::HidBus& bus = platform::HidBus::Get();
  first = bus.Open(paths[0]);
  if (count == 2) second = bus.Open(paths[1]);
  return first != nullptr && (count == 1 || second != nullptr);
}

bool OpenPair(std::initializer_list<uint16_t> products, std::unique_ptr<platform::HidDevice>& first,
              std::unique_ptr<platform::HidDevice>& second, int count) {
  first.reset();
  second.reset();
  if (count != 1 && count != 2) return false;
  return OpenPaths(FindPaths(products, count), first, second, count);
}

}  // namespace

std::vector<std::string> FindHidPairPaths(int max) {
  return FindPaths({HID_PAIR_PRODUCT_FIRST, HID_PAIR_PRODUCT_SECOND}, max);
}

std::vector<std::string> FindHidPairOrDfuPaths(int max) {
  return FindPaths({HID_PAIR_PRODUCT_DFU, HID_PAIR_PRODUCT_FIRST, HID_PAIR_PRODUCT_SECOND}, max);
}

bool OpenHidPair(std::unique_ptr<platform::HidDevice>& first, std::unique_ptr<platform::HidDevice>& second,
                 int count) {
  return OpenPair({HID_PAIR_PRODUCT_FIRST, HID_PAIR_PRODUCT_SECOND}, first, second, count);
}

bool OpenHidPairOrDfu(std::unique_ptr<platform::HidDevice>& first,
                      std::unique_ptr<platform::HidDevice>& second, int count) {
  return OpenPair({HID_PAIR_PRODUCT_DFU, HID_PAIR_PRODUCT_FIRST, HID_PAIR_PRODUCT_SECOND}, first, second,
                  count);
}

int CountHidDfuDevices(int max) {
  if (max <= 0) return 0;
  platform::HidBus& bus = platform::HidBus::Get();
  int count = 0;
  for (const platform::HidInterfaceInfo& info : bus.Enumerate(HID_VENDOR_ID, HID_PAIR_PRODUCT_DFU)) {
    if (count >= max) break;
    if (info.vendorId != HID_VENDOR_ID || info.productId != HID_PAIR_PRODUCT_DFU) continue;
    // An interface that cannot be opened is skipped, as one that answers nothing would be.
    if (bus.Open(info.path)) ++count;
  }
  return count;
}

}  // namespace io
