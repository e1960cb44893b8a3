#pragma once
// Finding and opening the maker's vendor HID collection by product id, and the exchange of one
// command report for its reply. A device answers "busy" until it has carried a command out; the
// exchange waits for that within bounds, so a silent or forever-busy device ends it as a failure.
// The channel keeps no state: handles belong to the caller.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "io/HidReports.h"
#include "platform/HidBus.h"

namespace io {

// A HID device answers within milliseconds; these bound one exchange. A run of exchanges is
// bounded as a whole by HidRunBudget.
struct HidExchangeLimits {
  int readTimeoutMs = 1000;      // wait for any one input report
  uint32_t busyBudgetMs = 2000;  // all busy replies of one exchange together
  int maxBusyReplies = 100000;
};

// Vendor 0x092B, usage page 0xFF00, usage 1.
bool IsVendorCollection(const platform::HidInterfaceInfo& info);

// Path of the first vendor collection (in enumeration order) whose product id is the low 16 bits
// of `productId`.
std::optional<std::string> FindHidInterface(int productId);
// That interface opened; when it cannot be opened, the next one of the same product; else null.
std::unique_ptr<platform::HidDevice> OpenHidDevice(int productId);

// One write of the 1023-byte report; false for a null device or a write that did not take it all.
bool WriteHidReport(platform::HidDevice* device, const HidCommandReport& report);
// Reads replies until one is not busy; true when its status is OK. The reply itself is dropped.
bool ReadHidReply(platform::HidDevice* device, const HidExchangeLimits& limits = {});
// Writes `request`, then reads into `reply` until a report is not busy. True exactly when that
// report's status is HID_STATUS_OK. `reply` holds the last report read; its status stays
// HID_STATUS_PRESET when no report arrived. A null device fails without reading.
bool HidTransact(platform::HidDevice* device, const HidCommandReport& request, HidReplyReport& reply,
                 const HidExchangeLimits& limits = {});

}  // namespace io
