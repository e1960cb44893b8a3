#pragma once
// Simulated surroundings of a recognition run: a USB bus with headsets, an empty HID bus, a
// manual clock and removable drives laid out by the test, each installed for the test's scope.
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "SimBlueCoreHeadset.h"
#include "SimHidBus.h"
#include "SimUsbBus.h"
#include "device/DeviceSettings.h"
#include "device/PsKeys.h"
#include "headset/bluecore/DfuPathWalk.h"
#include "headset/bluecore/PsKeyPort.h"
#include "platform/Clock.h"
#include "platform/Drives.h"
#include "platform/dfu/DFUTransport.h"

namespace recogtest {

// A device of an accepted USB identity without a DFU interface: the USB scan counts it, the DFU
// library does not list it.
class PlainUsbDevice : public sim::SimUsbDevice {
 public:
  PlainUsbDevice(uint16_t vendorId, uint16_t productId) : vendorId_(vendorId), productId_(productId) {}

 private:
  platform::UsbDeviceInfo IdentityLocked() override { return {vendorId_, productId_, 0x0100, ""}; }
  std::vector<uint8_t> ConfigDescriptorLocked() override {
    return {9, 0x02, 18, 0, 1, 1, 0, 0x80, 50, 9, 0x04, 0, 0, 0, 0xFF, 0, 0, 0};
  }
  int ControlLocked(uint8_t, uint8_t, uint16_t, uint16_t, uint8_t*, uint16_t) override { return platform::kUsbStall; }
  int InterruptInLocked(uint8_t, uint8_t*, int) override { return platform::kUsbTimeout; }
  void ResetLocked() override {}

  uint16_t vendorId_;
  uint16_t productId_;
};

// A headset that the bus shows under another product id than its own, such as a device that
// runs its application while it calls itself 092B:CD21.
class RelabelledDevice : public sim::SimUsbDevice {
 public:
  RelabelledDevice(std::shared_ptr<sim::SimBlueCoreHeadset> inner, uint16_t shownProductId)
      : inner_(std::move(inner)), shownProductId_(shownProductId) {}

 private:
  platform::UsbDeviceInfo IdentityLocked() override {
    auto info = inner_->Describe().value_or(platform::UsbDeviceInfo{});
    info.productId = shownProductId_;
    return info;
  }
  std::vector<uint8_t> ConfigDescriptorLocked() override { return inner_->ConfigDescriptor(inner_->Generation()); }
  int ControlLocked(uint8_t requestType, uint8_t request, uint16_t value, uint16_t index, uint8_t* data,
                    uint16_t length) override {
    return inner_->Control(inner_->Generation(), requestType, request, value, index, data, length);
  }
  int InterruptInLocked(uint8_t endpoint, uint8_t* data, int length) override {
    return inner_->InterruptIn(inner_->Generation(), endpoint, data, length);
  }
  void ResetLocked() override { inner_->Reset(inner_->Generation()); }

  std::shared_ptr<sim::SimBlueCoreHeadset> inner_;
  uint16_t shownProductId_;
};

struct Rig {
  Rig() : busScope(bus), hidScope(hid), drivesScope(drives), clockScope(clock) {}

  std::shared_ptr<sim::SimBlueCoreHeadset> Attach(const sim::HeadsetProfile& profile = {},
                                                  const std::string& port = "1-2") {
    auto headset = std::make_shared<sim::SimBlueCoreHeadset>(profile);
    bus.Attach(port, headset);
    return headset;
  }

  sim::SimUsbBus bus;
  sim::SimHidBus hid;
  platform::FakeDrives drives;
  platform::ManualClock clock;
  platform::UsbBus::Scoped busScope;
  platform::HidBus::Scoped hidScope;
  platform::Drives::Scoped drivesScope;
  platform::Clock::Scoped clockScope;
};

// The main-window state a run writes, held by the test.
struct DeviceState {
  int target = 0x4D21;
  int usbStatus = 0;
  bool recognized = false;
  device::CDeviceSettings record;
  int pageCount = 0;
  std::array<int, 3> pages{};
  int pageSel = 0;

  headset::RecognitionSlots Slots() {
    return {target, usbStatus, recognized, record, pageCount, pages, pageSel};
  }
};

// A command channel to the one attached headset, open for the object's lifetime.
class ConnectedHeadset {
 public:
  ConnectedHeadset() {
    dfu::DFUTransportUSB::init();
    dfu::CStringListX names;
    dfu::DFURequestsUSB::EnumerateDevices(names);
    auto position = names.GetHeadPosition();
    connected_ = position && dfu::DFURequestsUSB::ConnectDevice(
                                 dfu::DFUTransportUSB::PathInternal(names.GetNext(position)), transport_);
  }
  ~ConnectedHeadset() { dfu::DFUTransportUSB::deinit(); }

  bool Connected() const { return connected_; }
  headset::bluecore::PsKeyPort& Port() { return port_; }

 private:
  dfu::DFUTransportCOM transport_;
  headset::bluecore::PsKeyPort port_{transport_};
  bool connected_ = false;
};

// Every key of the key table the headset stores, by key.
inline std::map<uint16_t, std::vector<uint8_t>> StoredKeys(sim::SimBlueCoreHeadset& headset) {
  std::map<uint16_t, std::vector<uint8_t>> keys;
  for (const PsKeyInfo& info : PsKeyTable()) {
    if (auto value = headset.Key(info.key)) keys[info.key] = *value;
  }
  return keys;
}

// The keys whose value differs between two snapshots (added, changed or gone).
inline std::vector<uint16_t> ChangedKeys(const std::map<uint16_t, std::vector<uint8_t>>& before,
                                         const std::map<uint16_t, std::vector<uint8_t>>& after) {
  std::vector<uint16_t> changed;
  for (const PsKeyInfo& info : PsKeyTable()) {
    const auto a = before.find(info.key);
    const auto b = after.find(info.key);
    const bool inA = a != before.end(), inB = b != after.end();
    if (inA != inB || (inA && a->second != b->second)) changed.push_back(info.key);
  }
  return changed;
}

inline std::vector<uint8_t> Words(std::initializer_list<uint16_t> words) {
  std::vector<uint8_t> bytes;
  for (uint16_t word : words) {
    bytes.push_back(static_cast<uint8_t>(word & 0xFF));
    bytes.push_back(static_cast<uint8_t>(word >> 8));
  }
  return bytes;
}

}  // namespace recogtest
