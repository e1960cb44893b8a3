#include "io/HidChannel.h"

#include <algorithm>
#include <array>
#include <vector>

#include "platform/Clock.h"

namespace io {

namespace {

// Replies left over from an exchange that timed out would otherwise be taken as the answer to the
// next command; more than this many queued reports means the device is babbling, not lagging.
constexpr int kStaleRepliesMax = 64;

void DropStaleReplies(platform::HidDevice& device) {
  std::array<uint8_t, HID_REPORT_IN_SIZE> scratch{};
  for (int i = 0; i < kStaleRepliesMax; ++i) {
    if (device.Read(scratch.data(), scratch.size(), 0) <= 0) return;
  }
}

// One input report into `reply`. A read that fails, times out or stops before the status byte
// leaves `reply` as it was, with the status preset.
bool ReadOneReply(platform::HidDevice& device, HidReplyReport& reply, int timeoutMs) {
  reply.bytes[HID_REPLY_STATUS] = HID_STATUS_PRESET;
  std::array<uint8_t, HID_REPORT_IN_SIZE> buffer{};
  const int n = device.Read(buffer.data(), buffer.size(), std::max(timeoutMs, 0));
  if (n <= static_cast<int>(HID_REPLY_STATUS)) return false;
  reply.bytes = buffer;
  reply.length = std::min(static_cast<size_t>(n), buffer.size());
  return true;
}

bool AwaitReply(platform::HidDevice& device, HidReplyReport& reply, const HidExchangeLimits& limits) {
  if (!ReadOneReply(device, reply, limits.readTimeoutMs)) return false;
  platform::Clock& clock = platform::Clock::Get();
  const uint32_t start = clock.TickCount();
  int busyReplies = 0;
  while (reply.Status() == HID_STATUS_BUSY) {
    const uint32_t elapsed = clock.TickCount() - start;
    if (++busyReplies > limits.maxBusyReplies || elapsed >= limits.busyBudgetMs) return false;
    const uint32_t remaining = limits.busyBudgetMs - elapsed;
    const int timeoutMs =
        static_cast<int>(std::min<uint32_t>(remaining, static_cast<uint32_t>(limits.readTimeoutMs)));
    if (!ReadOneReply(device, reply, timeoutMs)) return false;
  }
  return reply.Status() == HID_STATUS_OK;
}

std::vector<std::string> VendorPathsOf(int productId) {
  const auto product = static_cast<uint16_t>(productId & 0xFFFF);
  std::vector<std::string> paths;
  for (const platform::HidInterfaceInfo& info : platform::HidBus::Get().Enumerate(HID_VENDOR_ID, product)) {
    if (IsVendorCollection(info) && info.productId == product) paths.push_back(info.path);
  }
  return paths;
}

}  // namespace

bool IsVendorCollection(const platform::HidInterfaceInfo& info) {
  return info.vendorId == HID_VENDOR_ID && info.usagePage == HID_USAGE_PAGE_VENDOR &&
         info.usage == HID_USAGE_VENDOR;
}

std::optional<std::string> FindHidInterface(int productId) {
  std::vector<std::string> paths = VendorPathsOf(productId);
  if (paths.empty()) return std::nullopt;
  return paths.front();
}

std::unique_ptr<platform::HidDevice> OpenHidDevice(int productId) {
  for (const std::string& path : VendorPathsOf(productId)) {
    if (std::unique_ptr<platform::HidDevice> device = platform::HidBus::Get().Open(path)) return device;
  }
  return nullptr;
}

bool WriteHidReport(platform::HidDevice* device, const HidCommandReport& report) {
  if (device == nullptr) return false;
  DropStaleReplies(*device);
  return device->Write(report.bytes.data(), report.bytes.size()) == static_cast<int>(report.bytes.size());
}

bool ReadHidReply(platform::HidDevice* device, const HidExchangeLimits& limits) {
  if (device == nullptr) return false;
  HidReplyReport reply;
  return AwaitReply(*device, reply, limits);
}

bool HidTransact(platform::HidDevice* device, const HidCommandReport& request, HidReplyReport& reply,
                 const HidExchangeLimits& limits) {
  reply.bytes[HID_REPLY_STATUS] = HID_STATUS_PRESET;
  if (!WriteHidReport(device, request)) return false;
  return AwaitReply(*device, reply, limits);
}

}  // namespace io
