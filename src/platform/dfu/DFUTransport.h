#pragma once
// Persistent-store access to a BlueCore device in application mode: list the devices, connect a
// command channel to one, read and write keys with BCCMD, close everything again.
//
//   DFUTransportUSB::init();
//   DFURequestsUSB::EnumerateDevices(names);
//   DFURequestsUSB::ConnectDevice(DFUTransportUSB::PathInternal(name), transport);
//   transport.BCCMDGetPS(key, buffer, bytes, &actual);   transport.BCCMDSetPS(key, buffer, bytes);
//   DFUTransportUSB::deinit();   // closes every channel still connected
#include <cstdint>
#include <memory>
#include <mutex>

#include "platform/dfu/CStringX.h"
#include "platform/dfu/DfuResult.h"

namespace dfu {

class BccmdChannel;

// One command channel to one device. Connecting it again closes the previous device first.
class DFUTransportCOM {
 public:
  DFUTransportCOM();
  ~DFUTransportCOM();
  DFUTransportCOM(const DFUTransportCOM&) = delete;
  DFUTransportCOM& operator=(const DFUTransportCOM&) = delete;

  // Reads a key of `length` bytes into `buffer` (words little-endian; bytes past the stored value
  // are 0). `actual`, when given, receives the stored length in bytes.
  Result BCCMDGetPS(uint16_t key, void* buffer, uint16_t length, uint16_t* actual);
  // Writes `length` bytes from `buffer` as the key's value.
  Result BCCMDSetPS(uint16_t key, const void* buffer, uint16_t length);

  bool IsConnected() const;
  void Disconnect();

 private:
  friend class DFURequestsUSB;
  friend class DFUTransportUSB;
  void Attach(std::unique_ptr<BccmdChannel> channel);

  mutable std::mutex mutex_;
  std::unique_ptr<BccmdChannel> channel_;
};

class DFUTransportUSB {
 public:
  // Opens the transport; channels can be connected until deinit.
  static void init();
  // Closes the transport and every channel connected through it.
  static void deinit();
  // The device path of a listed name; empty for a text that names no device.
  static CStringX PathInternal(const CStringX& name);
};

class DFURequestsUSB {
 public:
  // Replaces the list with the names of the attached DFU-capable devices; returns their number.
  static int EnumerateDevices(CStringListX& names);
  // Connects `transport` to the device at `path`. Fails for a device in DFU mode, which has no
  // command channel, for a device that is gone, and while the transport is not open.
  static Result ConnectDevice(const CStringX& path, DFUTransportCOM& transport);
};

class Device {
 public:
  // The canonical form of a device path (upper-case ids). A text that is no device path gives an
  // empty result when `validate` is set and comes back unchanged otherwise.
  static CStringX Canonicalise(const CStringX& path, bool validate);
};

}  // namespace dfu
