#include "platform/dfu/DFUTransport.h"

#include <set>

#include "platform/dfu/BccmdChannel.h"
#include "platform/dfu/DeviceNames.h"

namespace dfu {

namespace {

// The open flag and the channels connected while it was open, so that deinit can close them.
struct TransportState {
  std::mutex mutex;
  bool open = false;
  std::set<DFUTransportCOM*> connected;
};

TransportState& State() {
  static TransportState state;
  return state;
}

}  // namespace

DFUTransportCOM::DFUTransportCOM() = default;

DFUTransportCOM::~DFUTransportCOM() { Disconnect(); }

Result DFUTransportCOM::BCCMDGetPS(uint16_t key, void* buffer, uint16_t length, uint16_t* actual) {
  if (!buffer || length == 0) return {kResultFailed, "no buffer"};
  std::lock_guard lock(mutex_);
  if (!channel_) return {kResultNoDevice, "not connected"};
  return channel_->GetPs(key, {static_cast<uint8_t*>(buffer), length}, actual);
}

Result DFUTransportCOM::BCCMDSetPS(uint16_t key, const void* buffer, uint16_t length) {
  if (!buffer || length == 0) return {kResultFailed, "no buffer"};
  std::lock_guard lock(mutex_);
  if (!channel_) return {kResultNoDevice, "not connected"};
  return channel_->SetPs(key, {static_cast<const uint8_t*>(buffer), length});
}

bool DFUTransportCOM::IsConnected() const {
  std::lock_guard lock(mutex_);
  return channel_ != nullptr;
}

void DFUTransportCOM::Disconnect() {
  {
    auto& state = State();
    std::lock_guard lock(state.mutex);
    state.connected.erase(this);
  }
  std::unique_ptr<BccmdChannel> closing;
  std::lock_guard lock(mutex_);
  closing = std::move(channel_);
}

void DFUTransportCOM::Attach(std::unique_ptr<BccmdChannel> channel) {
  std::lock_guard lock(mutex_);
  channel_ = std::move(channel);
}

void DFUTransportUSB::init() {
  auto& state = State();
  std::lock_guard lock(state.mutex);
  state.open = true;
}

void DFUTransportUSB::deinit() {
  auto& state = State();
  std::lock_guard lock(state.mutex);
  state.open = false;
  for (DFUTransportCOM* transport : state.connected) transport->Attach(nullptr);
  state.connected.clear();
}

CStringX DFUTransportUSB::PathInternal(const CStringX& name) { return Device::Canonicalise(name, true); }

int DFURequestsUSB::EnumerateDevices(CStringListX& names) {
  return ListDfuDeviceNames(names);
}

Result DFURequestsUSB::ConnectDevice(const CStringX& path, DFUTransportCOM& transport) {
  transport.Disconnect();
  {
    auto& state = State();
    std::lock_guard lock(state.mutex);
    if (!state.open) return {kResultFailed, "transport not open"};
  }
  const auto ref = ParseDeviceName(path);
  if (!ref) return {kResultFailed, "not a device path"};
  const auto info = FindAt(ref->vendorId, ref->location);
  if (!info) return {kResultNoDevice, "device not attached"};
  auto device = platform::UsbBus::Get().Open(*info);
  if (!device) return {kResultNoDevice, "cannot open the device"};
  Result result;
  auto channel = BccmdChannel::Open(std::move(device), result);
  if (!channel) return result;

  auto& state = State();
  std::lock_guard lock(state.mutex);
  if (!state.open) return {kResultFailed, "transport closed"};
  transport.Attach(std::move(channel));
  state.connected.insert(&transport);
  return {};
}

CStringX Device::Canonicalise(const CStringX& path, bool validate) {
  const auto ref = ParseDeviceName(path);
  if (!ref) return validate ? CStringX() : path;
  return MakeDeviceName({ref->vendorId, ref->productId, 0, ref->location});
}

}  // namespace dfu
