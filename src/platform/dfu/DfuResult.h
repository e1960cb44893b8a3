#pragma once
// The outcome of a DFU library call: a code of DfuCodes.h and a text for the developer.
#include <string>
#include <utility>

#include "platform/UsbBus.h"
#include "platform/dfu/DfuCodes.h"

namespace dfu {

class Result {
 public:
  Result(DfuResultCode code = kResultOk, std::string text = "") : code_(code), text_(std::move(text)) {}

  explicit operator bool() const { return code_ == kResultOk; }
  DfuResultCode GetCode() const { return code_; }
  const std::string& GetText() const { return text_; }

 private:
  DfuResultCode code_;
  std::string text_;
};

// The failure a transfer result (a platform::UsbResult) stands for; `what` names the request.
inline Result TransferFailure(int transferResult, const std::string& what) {
  switch (transferResult) {
    case platform::kUsbStall: return {kResultStalled, what + ": refused by the device"};
    case platform::kUsbTimeout: return {kResultTimedOut, what + ": no answer in time"};
    case platform::kUsbNoDevice: return {kResultDeviceLost, what + ": the device has gone"};
    default: return {kResultFailed, what + ": transfer failed"};
  }
}

}  // namespace dfu
