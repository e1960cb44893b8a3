#include "headset/hid/HidRecognition.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "device/ModelNames.h"
#include "device/ProductTraits.h"
#include "device/SettingsPages.h"
#include "headset/RadioBatches.h"
#include "headset/hid/HidRequests.h"
#include "headset/hid/HidSettingsExchange.h"
#include "io/HidChannel.h"
#include "io/HidInterfaceLookup.h"
#include "io/HidRunBudget.h"
#include "localization/SafeFormat.h"
#include "localization/Utf8.h"
#include "platform/Clock.h"

namespace headset::hid {

namespace {

using device::HidFamily;
using HidVersion = std::array<int, 5>;

constexpr HidVersion kDefaultVersion = {1, 0, 0, 0, 0};
constexpr HidVersion kDefaultPairVersion = {1, 0, 2, 0, 0};
constexpr uint32_t kModuleStartMs = 6000;
constexpr int kModuleOpenAttempts = 20;
constexpr uint32_t kModuleRetryMs = 1000;
constexpr int kFixedHardwareVariant = 11;

std::string ReadName(platform::HidDevice* device, int target) {
  io::HidReplyReport reply;
  if (Ask(device, io::MakeParamRead(io::HID_PARAM_DEVICE_NAME), reply)) {
    const size_t count = ReplyWordCount(reply);
    // Word 0 is not part of the name.
    std::string name;
    for (size_t i = 1; i < count; ++i) {
      const uint8_t c = ReplyWordLow(reply, i);
      if (c == 0) break;
      name.push_back(static_cast<char>(c));
    }
    if (!name.empty()) return text::ReplaceInvalidUtf8(name);
  }
  return device::IsHidProduct(target) ? device::GetModelName(target, false) : std::string();
}

HidVersion ReadVersion(platform::HidDevice* device, bool pairLayout) {
  io::HidReplyReport reply;
  if (!Ask(device, io::MakeHidCommand(io::HID_CMD_READ_VERSION), reply)) {
    return pairLayout ? kDefaultPairVersion : kDefaultVersion;
  }
  const auto& b = reply.bytes;
  if (pairLayout) return {b[3], b[4], 2, b[5], b[6]};
  return {b[3], b[4], b[5], b[6], b[7]};
}

void SetRecordVersion(device::CDeviceSettings& record, const HidVersion& v) {
  record.m_nVersionMajor = v[0];
  record.m_nVersionMinor = v[1];
  record.m_nSecondaryVersionType = v[2];
  record.m_nSecondaryVersion = v[3];
  record.m_nVersionExtra = v[4];
}

void Wait(const ModuleWait& wait, uint32_t ms) {
  if (wait) {
    wait(ms);
  } else {
    platform::Clock::Get().SleepMs(ms);
  }
}

// The module of the module products appears as its own USB product a while after it was
// switched on; it gets a fixed number of tries.
std::unique_ptr<platform::HidDevice> OpenModule(const ModuleWait& wait) {
  for (int attempt = 0; attempt < kModuleOpenAttempts; ++attempt) {
    if (auto module = io::OpenHidDevice(device::HID_MODULE_PRODUCT)) return module;
    Wait(wait, kModuleRetryMs);
  }
  return nullptr;
}

// True when a module was switched on, so that it is worth looking for again.
bool ReadVersions(HidHandles handles, int target, device::CDeviceSettings& record, const ModuleWait& wait) {
  bool moduleOn = false;
  const HidFamily family = device::HidFamilyOf(target);
  if (target == device::HID_PAIR_PRODUCT || target == device::HID_PAIR_SECOND_PRODUCT) {
    Send(handles.first, io::MakeHidCommand(io::HID_CMD_MODULE_NORMAL));
    record.m_anHidVersion1 = ReadVersion(handles.first, true);
    SetRecordVersion(record, record.m_anHidVersion1);
    Send(handles.second, io::MakeHidCommand(io::HID_CMD_MODULE_NORMAL));
    record.m_anHidVersion2 = ReadVersion(handles.second, true);
  } else if (family == HidFamily::Module) {
    record.m_anHidVersion1 = ReadVersion(handles.first, false);
    SetRecordVersion(record, record.m_anHidVersion1);
    // A device that gives no final answer to the switch-on has started no module to wait for.
    io::HidReplyReport reply;
    Ask(handles.first, io::MakeHidCommand(io::HID_CMD_MODULE_ON), reply);
    const bool answered = reply.Status() != io::HID_STATUS_PRESET && reply.Status() != io::HID_STATUS_BUSY;
    std::unique_ptr<platform::HidDevice> module;
    moduleOn = answered;
    if (answered) {
      Wait(wait, kModuleStartMs);
      module = OpenModule(wait);
    }
    record.m_anHidVersion2 = ReadVersion(module.get(), false);
  } else {
    record.m_anHidVersion1 = ReadVersion(handles.first, false);
    SetRecordVersion(record, record.m_anHidVersion1);
  }
  if (family == HidFamily::DualInterface) record.m_anHidVersion2 = ReadVersion(handles.second, false);

  // The record carries the older of the two interface versions.
  if (family == HidFamily::DualInterface || family == HidFamily::Pair || target == device::HID_PAIR_SECOND_PRODUCT) {
    const HidVersion& v2 = record.m_anHidVersion2;
    if (record.CompareFullVersion(v2[0], v2[1], v2[2], v2[3]) > 0) SetRecordVersion(record, v2);
  }
  return moduleOn;
}

// "%02X%02X%02X[%02X%02X%02X]" of reply bytes 3 to 8, or empty when the exchange failed.
std::string ReadAddressText(platform::HidDevice* device, io::HidReplyReport& reply) {
  if (!Ask(device, io::MakeHidCommand(io::HID_CMD_READ_ADDRESS), reply)) return {};
  const auto& b = reply.bytes;
  return text::Format("%02X%02X%02X[%02X%02X%02X]", b[3], b[4], b[5], b[6], b[7], b[8]);
}

// Units of a known batch left the factory with a wrong variant code; both interfaces get the
// right one.
void FixHardwareVariant(HidHandles handles, int target, const io::HidReplyReport& address) {
  const auto& b = address.bytes;
  if (!NeedsVariantCodeFix(target, text::Format("%02X%02X%02X", b[6], b[7], b[8]))) return;
  io::HidReplyReport reply;
  if (!Ask(handles.first, io::MakeParamRead(io::HID_PARAM_HW_VARIANT), reply)) return;
  if (ReplyWordLow(reply, 0) == kFixedHardwareVariant) return;
  const uint16_t word = kFixedHardwareVariant;
  const auto write = io::MakeParamWrite(io::HID_PARAM_HW_VARIANT, std::span<const uint16_t>(&word, 1));
  Send(handles.first, *write);
  Send(handles.second, *write);
}

void ReadAddresses(HidHandles handles, int target, bool moduleOn, device::CDeviceSettings& record,
                   const ModuleWait& wait) {
  io::HidReplyReport reply;
  const std::string address = ReadAddressText(handles.first, reply);
  if (!address.empty()) {
    const auto& b = reply.bytes;
    record.m_strAddressHex = text::Format("%02X%02X%02X%02X%02X%02X", b[3], b[4], b[5], b[6], b[7], b[8]);
    if (target == 0x4210) FixHardwareVariant(handles, target, reply);
  }
  record.m_strAddress = address;

  const HidFamily family = device::HidFamilyOf(target);
  if (family == HidFamily::DualInterface || family == HidFamily::Pair) {
    record.m_strAddress = address + " _ " + ReadAddressText(handles.second, reply);
    if (Ask(handles.first, io::MakeParamRead(io::HID_PARAM_HW_VERSION), reply)) {
      const int major = ReplyWordLow(reply, 0);
      const int minor = ReplyWordLow(reply, 1);
      record.m_strHardwareVersion = text::Format("   |   H/W v%1d.%1d", major, minor);
      record.m_nHardwareMajor = major;
      record.m_nHardwareMinor = minor;
    } else {
      record.m_nHardwareMajor = 1;
      record.m_nHardwareMinor = 0;
    }
  } else if (family == HidFamily::Module) {
    const auto module = moduleOn ? OpenModule(wait) : nullptr;
    record.m_strAddress = address + " _ " + ReadAddressText(module.get(), reply);
  }
}

}  // namespace

void OpenHidInterfacesFor(int target, std::unique_ptr<platform::HidDevice>& first,
                          std::unique_ptr<platform::HidDevice>& second) {
  if (first) return;
  const HidFamily family = device::HidFamilyOf(target);
  if (family == HidFamily::Pair) {
    io::OpenHidPair(first, second, 2);
    return;
  }
  std::vector<std::string> paths;
  for (const auto& info : platform::HidBus::Get().Enumerate(io::HID_VENDOR_ID, static_cast<uint16_t>(target))) {
    if (io::IsVendorCollection(info) && info.productId == target) paths.push_back(info.path);
  }
  const size_t wanted = family == HidFamily::DualInterface ? 2 : 1;
  for (const std::string& path : paths) {
    auto device = platform::HidBus::Get().Open(path);
    if (!device) continue;
    (first ? second : first) = std::move(device);
    if ((first ? 1u : 0u) + (second ? 1u : 0u) == wanted) break;
  }
}

void RecognizeOverHidChannel(const RecognitionSlots& slots, HidHandles handles,
                             const device::CDeviceSettings* toWrite, WriteBack* writeBack,
                             const ModuleWait& wait) {
  const int target = slots.deviceTarget;
  device::CDeviceSettings& record = slots.record;
  // The run happens on the window's thread: a silent or always-busy device must not hold it.
  io::HidRunBudget budget(kHidRecognitionBudgetMs);
  std::optional<io::BudgetedHidDevice> first, second;
  if (handles.first) handles.first = &first.emplace(*handles.first, budget);
  if (handles.second) handles.second = &second.emplace(*handles.second, budget);
  record.m_nManagerVersionMajor = 1;
  record.m_nManagerVersionMinor = 0;
  record.m_nProductId = target;

  const HidFamily family = device::HidFamilyOf(target);
  if (family == HidFamily::Pair) {
    record.m_strDeviceName = device::GetModelName(target, false);
  } else {
    record.m_strDeviceName = ReadName(family == HidFamily::DualInterface ? handles.second : handles.first, target);
  }
  const bool moduleOn = ReadVersions(handles, target, record, wait);
  if (toWrite) {
    const bool written = WriteHidSettings(target, handles, *toWrite);
    if (writeBack) *writeBack = written ? WriteBack::kWritten : WriteBack::kNotWritten;
  } else if (writeBack) {
    *writeBack = WriteBack::kNone;
  }
  ReadAddresses(handles, target, moduleOn, record, wait);
  ReadHidSettings(target, handles, record);

  slots.deviceRecognized = true;
  if (device::IsHidProduct(target)) slots.usbStatus = target;
  device::GetSettingsPages(record.m_nProductId, record.m_nVersionMajor, record.m_nVersionMinor,
                           slots.settingsPageCount, slots.settingsPages, slots.settingsPageSel);
}

}  // namespace headset::hid
