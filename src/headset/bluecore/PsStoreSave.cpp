#include "headset/bluecore/PsStoreSave.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "device/DefaultFirmwareVersions.h"
#include "device/ProductTraits.h"
#include "device/PsKeys.h"
#include "device/UsbDeviceCount.h"
#include "device/UsbIdentities.h"
#include "headset/bluecore/DfuPathWalk.h"
#include "headset/bluecore/PsKeyPort.h"
#include "platform/dfu/DFUTransport.h"

namespace headset::bluecore {

namespace {

constexpr int kTwoUnitProduct = 0x5310;
constexpr int kModelOfUnreadableId = 0x4D10;

int UnitsOf(int target) { return target == kTwoUnitProduct ? 2 : 1; }

std::string UpperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

struct FullVersion {
  int major = 0;
  int minor = 0;
  int type = 0;
  int secondary = 0;
};

FullVersion ReadFullVersion(PsKeyPort& port, int model, device::DefaultVersionLookup defaultVersion) {
  std::array<uint8_t, 4> key{};
  const bool read = port.Read(PSKEY_FIRMWARE_VERSION, key);
  if (device::HasProductFlag(model, device::kFourNumberVersion)) {
    if (!read) return {1, 0, 1, 0};
    return {key[3], key[2], key[1], key[0]};
  }
  if (read && key[0] != 0) return {key[0] / 10, key[0] % 10, key[3], key[2]};
  int value = defaultVersion(model);
  if (const device::LegacyVersionModel* legacy = device::FindLegacyVersionModel(model)) {
    std::array<uint8_t, 4> legacyKey{};
    value = port.Read(PSKEY_LEGACY_VERSION, legacyKey) ? legacyKey[0] : legacy->fallback;
  }
  return {value / 10, value % 10, 0, 0};
}

bool IsRecognisedDevice(PsKeyPort& port, const PsSaveTarget& target) {
  const device::CDeviceSettings& recognised = *target.recognised;
  const auto modelKey = port.ReadWord(PSKEY_PRODUCT_ID);
  const int model = modelKey ? *modelKey : kModelOfUnreadableId;
  if (model != recognised.m_nProductId) return false;
  const FullVersion v = ReadFullVersion(port, model, target.defaultVersion);
  return recognised.CompareFullVersion(v.major, v.minor, v.type, v.secondary) == 0;
}

// Closes the library's transport however the walk ends.
class TransportSession {
 public:
  TransportSession() { dfu::DFUTransportUSB::init(); }
  ~TransportSession() { dfu::DFUTransportUSB::deinit(); }
  TransportSession(const TransportSession&) = delete;
  TransportSession& operator=(const TransportSession&) = delete;
};

}  // namespace

PsSaveResult SaveOverPersistentStore(const PsSaveTarget& target, const PsKeyWrites& writes) {
  const int units = UnitsOf(target.deviceTarget);
  std::array<int, 2> pids{};
  const int present = device::CountUsbDevices(pids.data(), static_cast<int>(pids.size()));
  if (present < units || pids[0] != target.usbStatus || (units == 2 && pids[1] != target.usbStatus)) {
    return PsSaveResult::kNotPresent;
  }

  TransportSession session;
  dfu::CStringListX names;
  dfu::DFURequestsUSB::EnumerateDevices(names);
  int matches = 0;
  int written = 0;
  for (auto position = names.GetHeadPosition(); position != 0;) {
    const std::string path = UpperCase(dfu::DFUTransportUSB::PathInternal(names.GetNext(position)));
    const UsbIds ids = ParseDevicePathIds(path);
    if (!device::IsAcceptedUsbIdentity(ids.vendorId, ids.productId)) continue;
    if (++matches > units) break;

    dfu::DFUTransportCOM transport;
    if (!dfu::DFURequestsUSB::ConnectDevice(path, transport)) continue;
    PsKeyPort port(transport);
    PsSaveResult outcome = PsSaveResult::kWritten;
    if (!target.recognised || !IsRecognisedDevice(port, target)) {
      outcome = PsSaveResult::kOtherDevice;
    } else if (!writes(port)) {
      outcome = PsSaveResult::kWriteFailed;
    }
    transport.Disconnect();
    if (outcome != PsSaveResult::kWritten) return outcome;
    ++written;
  }
  // A save that reached no device has written nothing, whatever the scan showed.
  return written > 0 ? PsSaveResult::kWritten : PsSaveResult::kNotReached;
}

}  // namespace headset::bluecore
