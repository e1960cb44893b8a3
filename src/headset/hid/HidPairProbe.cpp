#include "headset/hid/HidPairProbe.h"

#include <array>

#include "headset/hid/HidRequests.h"
#include "io/HidInterfaceLookup.h"

namespace headset::hid {

namespace {

constexpr std::array<int, 5> kDefaultPairVersion = {1, 0, 2, 0, 0};

bool IsPairInterface(int productId) {
  return productId == io::HID_PAIR_PRODUCT_FIRST || productId == io::HID_PAIR_PRODUCT_SECOND ||
         productId == io::HID_PAIR_PRODUCT_DFU;
}

// A module in DFU mode does not answer; it counts as firmware 1.0.
std::array<int, 5> ReadPairVersion(platform::HidDevice* device, int productId) {
  if (productId == io::HID_PAIR_PRODUCT_DFU) return kDefaultPairVersion;
  std::array<int, 5> version = kDefaultPairVersion;
  io::HidReplyReport reply;
  if (Ask(device, io::MakeHidCommand(io::HID_CMD_READ_VERSION), reply)) {
    const auto& b = reply.bytes;
    version = {b[3], b[4], 2, b[5], b[6]};
  }
  Send(device, io::MakeHidCommand(io::HID_CMD_MODULE_NORMAL));
  return version;
}

}  // namespace

bool ProbeHidPair(std::unique_ptr<platform::HidDevice>& first, std::unique_ptr<platform::HidDevice>& second,
                  device::CDeviceSettings& record) {
  platform::HidBus& bus = platform::HidBus::Get();
  for (const platform::HidInterfaceInfo& info : bus.Enumerate(io::HID_VENDOR_ID, 0)) {
    if (!io::IsVendorCollection(info) || !IsPairInterface(info.productId)) continue;
    auto device = bus.Open(info.path);
    if (!device) continue;
    const std::array<int, 5> version = ReadPairVersion(device.get(), info.productId);
    if (!first) {
      first = std::move(device);
      record.m_anHidVersion1 = version;
      record.m_nVersionMajor = version[0];
      record.m_nVersionMinor = version[1];
      record.m_nSecondaryVersionType = version[2];
      record.m_nSecondaryVersion = version[3];
      record.m_nVersionExtra = version[4];
    } else {
      second = std::move(device);
      record.m_anHidVersion2 = version;
    }
    if (first && second) return true;
  }
  return false;
}

int QueryHardwareVariant(platform::HidDevice* device) {
  io::HidReplyReport reply;
  const io::HidCommandReport request = io::MakeParamRead(io::HID_PARAM_HW_VARIANT);
  if (!Ask(device, request, reply) && !Ask(device, request, reply)) return 0;
  return ReplyWordLow(reply, 0);
}

}  // namespace headset::hid
