#pragma once
// USB DFU class requests on one interface of an open device.
#include <cstdint>

#include "platform/UsbBus.h"
#include "platform/dfu/DfuResult.h"

namespace dfu {

enum DfuRequest : uint8_t {
  kDfuDetach = 0,
  kDfuDnload = 1,
  kDfuUpload = 2,
  kDfuGetStatus = 3,
  kDfuClrStatus = 4,
  kDfuGetState = 5,
  kDfuAbort = 6,
};

enum DfuState : uint8_t {
  kStateAppIdle = 0,
  kStateAppDetach = 1,
  kStateDfuIdle = 2,
  kStateDnloadSync = 3,
  kStateDnBusy = 4,
  kStateDnloadIdle = 5,
  kStateManifestSync = 6,
  kStateManifest = 7,
  kStateManifestWaitReset = 8,
  kStateUploadIdle = 9,
  kStateError = 10,
};

inline constexpr uint8_t kDfuStatusOk = 0;

struct DfuStatusReply {
  uint8_t status = 0;
  uint32_t pollTimeoutMs = 0;
  uint8_t state = 0;
};

class DfuClassRequests {
 public:
  DfuClassRequests(platform::UsbDevice& device, uint16_t interfaceNumber)
      : device_(device), interface_(interfaceNumber) {}

  Result GetStatus(DfuStatusReply& reply);
  Result Detach(uint16_t timeoutMs);
  Result Download(uint16_t block, const uint8_t* data, uint16_t length);
  Result ClearStatus();
  Result Abort();

 private:
  Result Out(uint8_t request, uint16_t value, uint8_t* data, uint16_t length, const char* what);

  platform::UsbDevice& device_;
  uint16_t interface_;
};

}  // namespace dfu
