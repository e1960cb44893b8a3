#include "platform/dfu/DfuSteps.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Clock.h"
#include "platform/UsbBus.h"
#include "platform/dfu/DeviceNames.h"
#include "platform/dfu/DfuClassRequests.h"
#include "platform/dfu/DfuFile.h"
#include "platform/usb/UsbDescriptors.h"

namespace dfu {

namespace {

constexpr uint16_t kDetachTimeoutMs = 5000;
constexpr uint16_t kDefaultTransferSize = 1023;
constexpr uint32_t kRescanIntervalMs = 1000;
constexpr int kRescansAfterDetach = 5;      // the device is back in DFU mode within 5 s
constexpr int kRescansForDfuDevice = 30;    // long enough for the user to start it in DFU mode
constexpr int kRescansAfterManifest = 10;   // programming done, the application starts
constexpr int kMaxStatusPolls = 1000;
// A BlueCore device asks for a few seconds at most: one poll waits no longer than this, and all
// the polls of one wait for the device (a block, the manifestation) together no longer than that.
constexpr uint32_t kMaxPollWaitMs = 10000;
constexpr uint32_t kMaxBusyWaitMs = 30000;
constexpr uint32_t kWaitSliceMs = 100;

const Result kCancelled{kResultCancelled, "engine stopped"};

// A device in DFU mode, opened with its DFU interface claimed.
struct DfuSession {
  std::unique_ptr<platform::UsbDevice> device;
  uint16_t interfaceNumber = 0;
  std::optional<platform::DfuFunctionalInfo> functional;
  bool claimed = false;

  ~DfuSession() { Close(); }
  void Close() {
    if (device && claimed) device->ReleaseInterface(interfaceNumber);
    claimed = false;
  }

  Result Open(const DfuTarget& target) {
    const auto info = FindAt(target.vendorId, target.location);
    if (!info || info->productId != target.dfuProductId) return {kResultNoDevice, "device not in DFU mode on the bus"};
    device = platform::UsbBus::Get().Open(*info);
    if (!device) return {kResultNoDevice, "cannot open the device"};
    const auto config = platform::ParseConfigDescriptor(device->ConfigDescriptor());
    const platform::UsbInterfaceInfo* dfu =
        config ? config->Find(platform::kUsbClassApplication, platform::kUsbSubClassDfu,
                              platform::kDfuProtocolDfuMode)
               : nullptr;
    if (!dfu) {
      device.reset();
      return {kResultBadState, "the device offers no DFU-mode interface"};
    }
    interfaceNumber = dfu->number;
    functional = dfu->dfu;
    if (!device->ClaimInterface(interfaceNumber)) {
      device.reset();
      return {kResultNoDevice, "cannot claim the DFU interface"};
    }
    claimed = true;
    return {};
  }
};

Result UnexpectedState(const DfuStatusReply& reply) {
  return {kResultBadState, "device reports status " + std::to_string(reply.status) + " in state " +
                              std::to_string(reply.state)};
}

bool IsOneOf(uint8_t state, std::initializer_list<uint8_t> states) {
  return std::find(states.begin(), states.end(), state) != states.end();
}

}  // namespace

bool DfuSteps::Wait(uint32_t ms) {
  auto& clock = platform::Clock::Get();
  while (ms > 0) {
    if (stop_) return false;
    const uint32_t slice = std::min(ms, kWaitSliceMs);
    clock.SleepMs(slice);
    ms -= slice;
  }
  return !stop_;
}

namespace {

// Polls the status, waiting what the device asks for after each answer, until its state is one of
// `ready`; `busy` states are polled through, anything else is a failure.
Result PollUntil(DfuClassRequests& requests, std::initializer_list<uint8_t> ready,
                 std::initializer_list<uint8_t> busy, const std::function<bool(uint32_t)>& wait,
                 DfuStatusReply& reply, uint32_t alreadyWaitedMs = 0) {
  uint32_t waited = alreadyWaitedMs;
  for (int poll = 0; poll < kMaxStatusPolls; ++poll) {
    if (Result result = requests.GetStatus(reply); !result) return result;
    if (reply.status != kDfuStatusOk) return UnexpectedState(reply);
    const uint32_t ms = std::min(reply.pollTimeoutMs, kMaxPollWaitMs);
    if (!wait(ms)) return kCancelled;
    waited += ms;
    if (IsOneOf(reply.state, ready)) return {};
    if (!IsOneOf(reply.state, busy)) return UnexpectedState(reply);
    if (waited >= kMaxBusyWaitMs) break;
  }
  return {kResultTimedOut, "device stayed busy"};
}

// Leaves a device in DFU mode in dfuIDLE: clears an error, aborts a transfer left half done.
Result BringToIdle(DfuClassRequests& requests) {
  DfuStatusReply reply;
  for (int round = 0; round < 3; ++round) {
    if (Result result = requests.GetStatus(reply); !result) return result;
    if (reply.state == kStateDfuIdle && reply.status == kDfuStatusOk) return {};
    Result result;
    if (reply.state == kStateError) result = requests.ClearStatus();
    else if (IsOneOf(reply.state, {kStateDnloadIdle, kStateUploadIdle, kStateDfuIdle})) result = requests.Abort();
    else return UnexpectedState(reply);
    if (!result) return result;
  }
  return UnexpectedState(reply);
}

}  // namespace

StepOutcome DfuSteps::Reconfigure(bool checkImage, const std::string& imagePath) {
  if (checkImage && !ReadValidDfuFile(imagePath))
    return {kOperationReconfigure, {kResultBadFile, "not a valid DFU file"}};
  const auto device = FindAt(target_.vendorId, target_.location);
  if (device && device->productId == target_.applicationProductId)
    return {kOperationReconfigure, DetachIntoDfuMode(*device)};
  return {kOperationReconfigureAlternative,
          ReachDfuMode(kOperationReconfigureAlternative, kRescansForDfuDevice)};
}

Result DfuSteps::DetachIntoDfuMode(const platform::UsbDeviceInfo& info) {
  auto device = platform::UsbBus::Get().Open(info);
  if (!device) return {kResultNoDevice, "cannot open the device"};
  const auto config = platform::ParseConfigDescriptor(device->ConfigDescriptor());
  const platform::UsbInterfaceInfo* runtime =
      config ? config->Find(platform::kUsbClassApplication, platform::kUsbSubClassDfu) : nullptr;
  if (!runtime) return {kResultBadState, "the application offers no DFU interface"};
  if (!device->ClaimInterface(runtime->number)) return {kResultNoDevice, "cannot claim the DFU interface"};

  DfuClassRequests requests(*device, runtime->number);
  DfuStatusReply reply;
  if (Result result = requests.GetStatus(reply); !result) return result;
  if (reply.state == kStateAppIdle) {
    if (Result result = requests.Detach(kDetachTimeoutMs); !result) return result;
    if (Result result = requests.GetStatus(reply); !result) return result;
  }
  if (reply.state != kStateAppDetach) return UnexpectedState(reply);
  device->ReleaseInterface(runtime->number);
  if (!device->Reset()) return {kResultFailed, "reset refused"};
  device.reset();

  if (Result result = AwaitDevice(target_.dfuProductId, kRescansAfterDetach, kOperationReconfigure,
                                  true, true, kResultDeviceLost);
      !result)
    return result;
  return ReachDfuMode(kOperationReconfigure, 0);
}

Result DfuSteps::ReachDfuMode(int operation, int rescans) {
  if (rescans > 0) {
    if (Result result = AwaitDevice(target_.dfuProductId, rescans, operation, false, true, kResultNoDevice);
        !result)
      return result;
  }
  DfuSession session;
  if (Result result = session.Open(target_); !result) return result;
  DfuClassRequests requests(*session.device, session.interfaceNumber);
  return BringToIdle(requests);
}

Result DfuSteps::AwaitDevice(uint16_t productId, int rescans, int operation, bool afterReset,
                             bool reportWaiting, DfuResultCode absent) {
  for (int attempt = afterReset ? 1 : 0; attempt <= rescans; ++attempt) {
    if (attempt > 0) {
      if (reportWaiting) report_(attempt - 1, operation, kActivityWaitingForDevice);
      if (!Wait(kRescanIntervalMs)) return kCancelled;
    }
    const auto found = afterReset ? FindAt(target_.vendorId, target_.location)
                                  : FindDevice(target_.vendorId, productId, target_.location);
    if (found && found->productId == productId) {
      target_.location = found->path;
      report_(0, operation, kActivityDeviceFound);
      return {};
    }
  }
  return {absent, "the device did not appear"};
}

StepOutcome DfuSteps::Download(const std::string& imagePath) {
  const auto file = ReadValidDfuFile(imagePath);
  if (!file) return {kOperationDownload, {kResultBadFile, "not a valid DFU file"}};
  const auto image = DfuImageOf(*file);

  DfuSession session;
  if (Result result = session.Open(target_); !result) return {kOperationDownload, result};
  if (session.functional && !(session.functional->attributes & 0x01))
    return {kOperationDownload, {kResultBadState, "the device does not accept downloads"}};
  const size_t blockSize = session.functional && session.functional->transferSize > 0
                               ? session.functional->transferSize
                               : kDefaultTransferSize;
  DfuClassRequests requests(*session.device, session.interfaceNumber);
  if (Result result = BringToIdle(requests); !result) return {kOperationDownload, result};

  const auto wait = [this](uint32_t ms) { return Wait(ms); };
  DfuStatusReply reply;
  int reported = -1;
  size_t block = 0;
  for (size_t offset = 0; offset < image.size(); offset += blockSize, ++block) {
    if (stop_) return {kOperationDownload, kCancelled};
    if (Result result = PollUntil(requests, {kStateDfuIdle, kStateDnloadIdle},
                                  {kStateDnloadSync, kStateDnBusy}, wait, reply);
        !result)
      return {kOperationDownload, result};
    const size_t length = std::min(blockSize, image.size() - offset);
    if (Result result = requests.Download(static_cast<uint16_t>(block), image.data() + offset,
                                          static_cast<uint16_t>(length));
        !result)
      return {kOperationDownload, result};
    const int percent = static_cast<int>((offset + length) * 100 / image.size());
    if (percent != reported) {
      report_(percent, kOperationDownload, kActivityTransferring);
      reported = percent;
    }
  }
  if (Result result = PollUntil(requests, {kStateDnloadIdle}, {kStateDnloadSync, kStateDnBusy}, wait, reply);
      !result)
    return {kOperationDownload, result};
  if (Result result = requests.Download(static_cast<uint16_t>(block), nullptr, 0); !result)
    return {kOperationDownload, result};
  report_(100, kOperationDownload, kActivityImageTransferred);
  return {kOperationDownload, {}};
}

StepOutcome DfuSteps::Manifest() {
  DfuSession session;
  if (Result result = session.Open(target_); !result) return {kOperationManifest, result};
  DfuClassRequests requests(*session.device, session.interfaceNumber);

  // The download left the device in MANIFEST-SYNC; it programs the image while we poll, then
  // waits for a reset (or, if manifestation tolerant, returns to dfuIDLE).
  DfuStatusReply reply;
  if (Result result = requests.GetStatus(reply); !result) return {kOperationManifest, result};
  if (reply.status != kDfuStatusOk ||
      !IsOneOf(reply.state, {kStateManifestSync, kStateManifest, kStateManifestWaitReset}))
    return {kOperationManifest, UnexpectedState(reply)};
  report_(0, kOperationManifest, kActivityManifesting);
  if (reply.state != kStateManifestWaitReset) {
    const uint32_t first = std::min(reply.pollTimeoutMs, kMaxPollWaitMs);
    if (!Wait(first)) return {kOperationManifest, kCancelled};
    const auto wait = [this](uint32_t ms) { return Wait(ms); };
    if (Result result = PollUntil(requests, {kStateManifestWaitReset, kStateDfuIdle},
                                  {kStateManifestSync, kStateManifest}, wait, reply, first);
        !result)
      return {kOperationManifest, result};
  }

  session.Close();
  if (!session.device->Reset()) return {kOperationManifest, {kResultFailed, "reset refused"}};
  session.device.reset();
  report_(0, kOperationManifest, kActivityResetIssued);
  return {kOperationManifest, AwaitDevice(target_.applicationProductId, kRescansAfterManifest,
                                          kOperationManifest, true, false, kResultDeviceLost)};
}

}  // namespace dfu
