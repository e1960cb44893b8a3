#include "headset/bluecore/FirstDeviceAddress.h"

#include <algorithm>
#include <cctype>

#include "device/UsbIdentities.h"
#include "headset/bluecore/DfuPathWalk.h"
#include "headset/bluecore/PsKeyPort.h"
#include "platform/dfu/DFUTransport.h"

namespace headset::bluecore {

std::optional<std::string> ReadFirstDeviceLowerAddress() {
  dfu::DFUTransportUSB::init();
  std::optional<std::string> address;
  dfu::CStringListX names;
  dfu::DFURequestsUSB::EnumerateDevices(names);
  for (auto position = names.GetHeadPosition(); position != 0;) {
    std::string path = dfu::DFUTransportUSB::PathInternal(names.GetNext(position));
    std::transform(path.begin(), path.end(), path.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const UsbIds ids = ParseDevicePathIds(path);
    if (!device::IsAcceptedUsbIdentity(ids.vendorId, ids.productId)) continue;
    dfu::Device::Canonicalise(path, true);
    dfu::DFUTransportCOM transport;
    if (dfu::DFURequestsUSB::ConnectDevice(path, transport)) {
      PsKeyPort port(transport);
      if (const auto texts = ReadAddressTexts(port)) address = texts->lower;
      transport.Disconnect();
    }
    break;  // only the first device of the family is asked
  }
  dfu::DFUTransportUSB::deinit();
  return address;
}

}  // namespace headset::bluecore
