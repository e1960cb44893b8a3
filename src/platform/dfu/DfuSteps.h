#pragma once
// The three steps of a firmware job on one device: reconfigure into DFU mode, download the image,
// manifest it. They run on the engine's thread, report progress through a function and end with
// the operation code of the route they took and their result.
#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>

#include "platform/UsbBus.h"
#include "platform/dfu/DfuResult.h"

namespace dfu {

// The device an engine is bound to. Its location follows the device when it comes back elsewhere.
struct DfuTarget {
  uint16_t vendorId = 0;
  uint16_t applicationProductId = 0;
  uint16_t dfuProductId = 0;  // the application id with bit 15 set
  std::string location;
};

struct StepOutcome {
  int operation = kOperationNone;
  Result result;
};

class DfuSteps {
 public:
  using Report = std::function<void(int value, int operation, int activity)>;

  DfuSteps(DfuTarget& target, std::stop_token stop, Report report)
      : target_(target), stop_(std::move(stop)), report_(std::move(report)) {}

  StepOutcome Reconfigure(bool checkImage, const std::string& imagePath);
  StepOutcome Download(const std::string& imagePath);
  StepOutcome Manifest();

 private:
  Result DetachIntoDfuMode(const platform::UsbDeviceInfo& device);
  Result ReachDfuMode(int operation, int rescans);
  // Looks for the device under `productId` about once a second, `rescans` times. A device that
  // was just reset is given a second before the first look and is looked for at its own port
  // only; one the engine has lost track of may turn up at any port.
  Result AwaitDevice(uint16_t productId, int rescans, int operation, bool afterReset, bool reportWaiting,
                     DfuResultCode absent);
  // Sleeps on the platform clock until the time is up or the engine stops; false when it stopped.
  bool Wait(uint32_t ms);

  DfuTarget& target_;
  std::stop_token stop_;
  Report report_;
};

}  // namespace dfu
