#include "headset/bluecore/FamilyDeviceWalk.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "device/UsbIdentities.h"
#include "headset/bluecore/DfuPathWalk.h"
#include "platform/dfu/DFUTransport.h"

namespace headset::bluecore {

namespace {

constexpr int kFamilyProduct = 0x4D21;

class TransportSession {
 public:
  TransportSession() { dfu::DFUTransportUSB::init(); }
  ~TransportSession() { dfu::DFUTransportUSB::deinit(); }
  TransportSession(const TransportSession&) = delete;
  TransportSession& operator=(const TransportSession&) = delete;
};

}  // namespace

bool IsFamilyDeviceIds(int vendorId, int productId) {
  return vendorId == device::MAKER_VENDOR_ID &&
         (productId == kFamilyProduct || productId == device::WithDfuFlag(kFamilyProduct));
}

int ForEachFamilyDevice(const std::function<WalkStep(PsKeyPort&)>& visit) {
  TransportSession session;
  dfu::CStringListX names;
  dfu::DFURequestsUSB::EnumerateDevices(names);
  dfu::DFUTransportCOM transport;
  int visited = 0;
  for (dfu::CStringListX::POSITION at = names.GetHeadPosition(); at != 0;) {
    std::string path = dfu::DFUTransportUSB::PathInternal(names.GetNext(at));
    std::transform(path.begin(), path.end(), path.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const UsbIds ids = ParseDevicePathIds(path);
    if (!IsFamilyDeviceIds(ids.vendorId, ids.productId)) continue;
    dfu::Device::Canonicalise(path, true);
    if (!dfu::DFURequestsUSB::ConnectDevice(path, transport)) continue;
    ++visited;
    PsKeyPort port(transport);
    const WalkStep step = visit(port);
    transport.Disconnect();
    if (step == WalkStep::kStop) break;
  }
  return visited;
}

}  // namespace headset::bluecore
