#include "headset/bluecore/DfuPathWalk.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "device/DefaultFirmwareVersions.h"
#include "device/ProductIds.h"
#include "device/ProductTraits.h"
#include "device/PsKeys.h"
#include "device/SettingsPages.h"
#include "device/TargetCompatibility.h"
#include "device/UsbDeviceCount.h"
#include "device/UsbIdentities.h"
#include "headset/RadioBatches.h"
#include "headset/RecognitionStates.h"
#include "headset/bluecore/PsKeyPort.h"
#include "headset/bluecore/PsSettingsTransfer.h"
#include "platform/Drives.h"
#include "platform/dfu/DFUTransport.h"

namespace headset::bluecore {

namespace {

using device::CDeviceSettings;
using device::DFU_MODE_FLAG;
using device::ProductIds;

// This program's version, as every record it makes carries it.
constexpr int kManagerVersionMajor = 1;
constexpr int kManagerVersionMinor = 0;

// USB product ids of a device whose USB identity was never written.
constexpr int kUnprovisionedId = 1;
constexpr int kUnprovisionedDfuId = 0xFFFF;
// The two-unit product and its DFU identity.
constexpr int kTwoUnitProduct = 0x5310;
constexpr int kTwoUnitDfuId = device::WithDfuFlag(kTwoUnitProduct);
constexpr int kMaxUnits = 2;

// The file the card of a camera product must hold.
constexpr const char* kCameraMarkerFile = "thessik.bin";

// Name fragments that identify a model whose id key cannot be read.
constexpr const char* kFirstModelName = "TQG27";
constexpr int kFirstModel = 0x4D10;
constexpr const char* kSecondModelName = "VRK38";
constexpr int kSecondModel = 0x5010;
constexpr int kModelOfUnreadableId = kFirstModel;

// Models that keep their own id when found in DFU mode under a target they are a variant of.
constexpr ProductIds kOwnIdInDfuMode = {0x4D35, 0x4D55, 0x4D45, 0x4D65, 0x5050, 0x4D30,
                                        0x4D40, 0x5060, 0x5061, 0x5070, 0x5080};

// A legacy value that replaces the version key's value.
bool IsLegacyVersion(int value) { return value > 3 && value < 0x20; }
// The version key's value that the legacy key never overrides (3.2).
constexpr int kKeptVersionValue = 0x20;

int UnitsOf(int target) { return target == kTwoUnitProduct ? 2 : 1; }

bool IsApplicationModeId(int productId) { return productId > 0 && !device::IsDfuMode(productId); }

std::string UpperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

// Opens the library's transport for the lifetime of the object.
class TransportSession {
 public:
  TransportSession() { dfu::DFUTransportUSB::init(); }
  ~TransportSession() { Close(); }
  TransportSession(const TransportSession&) = delete;
  TransportSession& operator=(const TransportSession&) = delete;

  void Close() {
    if (open_) dfu::DFUTransportUSB::deinit();
    open_ = false;
  }

 private:
  bool open_ = true;
};

class DfuPathWalk {
 public:
  DfuPathWalk(const RecognitionSlots& slots, const CDeviceSettings* toWrite) : slots_(slots), toWrite_(toWrite) {}

  int Run() {
    {
      TransportSession session;
      Walk();
      session.Close();
    }
    if (state_ == RECOGNIZE_OK || state_ == RECOGNIZE_DFU_MODE) CheckCounts();
    return state_;
  }

  // What became of the settings to write: not written unless a device in application mode took
  // them, and the worst of the devices that were given them.
  WriteBack WriteBackResult() const {
    if (!toWrite_) return WriteBack::kNone;
    return writeBack_ == WriteBack::kNone ? WriteBack::kNotWritten : writeBack_;
  }

 private:
  enum class Next { kNextName, kEndWalk };

  void Walk() {
    dfu::CStringListX names;
    dfu::DFURequestsUSB::EnumerateDevices(names);
    usbCount_ = device::CountUsbDevices(usbPids_.data(), static_cast<int>(usbPids_.size()));
    if (usbCount_ == 0) return;

    slots_.deviceTarget = 0;
    for (auto position = names.GetHeadPosition(); position != 0;) {
      const std::string path = UpperCase(dfu::DFUTransportUSB::PathInternal(names.GetNext(position)));
      const UsbIds ids = ParseDevicePathIds(path);
      if (!device::IsAcceptedUsbIdentity(ids.vendorId, ids.productId)) continue;

      ++engineMatches_;
      if (slots_.deviceTarget == 0) slots_.deviceTarget = device::WithoutDfuFlag(ids.productId);
      if (engineMatches_ > UnitsOf(slots_.deviceTarget)) {
        state_ = RECOGNIZE_MORE_INTERFACES_FOUND;
        return;
      }
      if (HandleDevice(path, ids.productId) == Next::kEndWalk) return;
    }
  }

  // This device's entry of the USB scan.
  int& UsbPid(int index) { return usbPids_[static_cast<size_t>(std::clamp(index, 0, kMaxUnits - 1))]; }
  int& ThisUsbPid() { return UsbPid(engineMatches_ - 1); }

  Next HandleDevice(const std::string& path, int productId) {
    dfu::Device::Canonicalise(path, true);
    versionType_ = 0;
    versionSub_ = 0;
    values_ = CDeviceSettings();
    if (productId == kUnprovisionedDfuId ||
        !dfu::DFURequestsUSB::ConnectDevice(path, transport_)) {
      return HandleDfuMode();
    }
    PsKeyPort port(transport_);
    const Next next = HandleConnected(port);
    transport_.Disconnect();
    return next;
  }

  Next HandleConnected(PsKeyPort& port) {
    ++connectedCount_;
    int& target = slots_.deviceTarget;
    const auto model = port.ReadWord(PSKEY_PRODUCT_ID);
    modelId_ = model ? *model : kModelOfUnreadableId;
    if (!model) identityKnown_ = false;
    if (target == kUnprovisionedId || target == kUnprovisionedDfuId) target = modelId_;

    if (device::HasProductFlag(modelId_, device::kCameraCard) && !CameraMarkerPresent()) {
      state_ = RECOGNIZE_CARD_FILE_MISSING;
      return Next::kEndWalk;
    }

    // Without an address the batch test gets an empty text, which is in no patch batch.
    const auto address = ReadAddressTexts(port);
    addressText_ = address ? address->display : std::string();
    if (NeedsRadioPatch(target, address ? address->lower : std::string())) ApplyRadioPatch(port, target);

    ReadName(port, model.has_value());
    ReadFirmwareVersion(port);
    if (toWrite_) writeBack_ = Worse(writeBack_, WriteBackAndVerify(port, target, *toWrite_));
    ReadSettings(port, modelId_, major_, minor_, target, addressText_, values_);

    if (!device::IsTargetCompatible(target, modelId_)) {
      state_ = RECOGNIZE_OTHER_MODEL;
      return Next::kEndWalk;
    }
    state_ = RECOGNIZE_OK;
    if (ThisUsbPid() == kUnprovisionedId && identityKnown_) {
      // A device that did not take its new identity is not provisioned, whatever it took.
      state_ = ProvisionUsbIdentity(port) ? RECOGNIZE_PROVISIONED : RECOGNIZE_INTERFACE_PROBLEM;
      return Next::kEndWalk;
    }
    if (target == kTwoUnitProduct && engineMatches_ == 2) CompareSecondUnit();
    FillRecord();
    return Next::kNextName;
  }

  bool CameraMarkerPresent() const {
    auto& drives = platform::Drives::Get();
    for (const std::string& root : drives.RemovableRoots()) {
      if (drives.FileExistsAt(root, kCameraMarkerFile)) return true;
    }
    return false;
  }

  void ReadName(PsKeyPort& port, bool modelRead) {
    std::array<uint8_t, 256> key{};
    if (!port.Read(PSKEY_DEVICE_NAME, key)) {
      name_ = kFirstModelName;
      identityKnown_ = false;
      return;
    }
    name_ = DecodeDeviceName(key);
    if (modelRead) return;
    if (name_.find(kFirstModelName) != std::string::npos) {
      modelId_ = kFirstModel;
      identityKnown_ = true;
    } else if (name_.find(kSecondModelName) != std::string::npos) {
      modelId_ = kSecondModel;
      identityKnown_ = true;
    }
  }

  void ReadFirmwareVersion(PsKeyPort& port) {
    std::array<uint8_t, 4> key{};
    const bool read = port.Read(PSKEY_FIRMWARE_VERSION, key);
    if (device::HasProductFlag(modelId_, device::kFourNumberVersion)) {
      // A.B.C.D is kept as type A, secondary B, major C, minor D.
      major_ = read ? key[3] : 1;
      minor_ = read ? key[2] : 0;
      versionType_ = read ? key[1] : 1;
      versionSub_ = read ? key[0] : 0;
      return;
    }

    const device::LegacyVersionModel* legacy = device::FindLegacyVersionModel(modelId_);
    std::array<uint8_t, 4> legacyKey{};
    int value = 0;
    if (read && key[0] != 0) {
      value = key[0];
      versionType_ = key[3];
      versionSub_ = key[2];
      if (legacy && port.Read(PSKEY_LEGACY_VERSION, legacyKey)) {
        versionType_ = 0;
        versionSub_ = 0;
        if (value != kKeptVersionValue && IsLegacyVersion(legacyKey[0])) {
          value = legacyKey[0];
          ClearVersionKey(port);
        }
      }
    } else if (legacy) {
      if (port.Read(PSKEY_LEGACY_VERSION, legacyKey)) {
        value = legacyKey[0];
        if (IsLegacyVersion(value)) ClearVersionKey(port);
      } else {
        value = legacy->fallback;
      }
    } else {
      value = device::DefaultFirmwareVersion(modelId_);
    }
    major_ = value / 10;
    minor_ = value % 10;
  }

  // From now on the legacy key alone tells the version.
  static void ClearVersionKey(PsKeyPort& port) { port.WriteWords(PSKEY_FIRMWARE_VERSION, {0, 0}); }

  bool ProvisionUsbIdentity(PsKeyPort& port) {
    constexpr uint16_t kClassCodes[] = {0x00FF, 0x0001, 0x0001};
    const dfu::Result results[] = {
        port.WriteWords(PSKEY_USB_VENDOR_ID, {device::MAKER_VENDOR_ID}),
        port.WriteWords(PSKEY_USB_PRODUCT_ID, {static_cast<uint16_t>(modelId_)}),
        port.WriteWords(PSKEY_USB_DFU_PRODUCT_ID, {static_cast<uint16_t>(modelId_ + DFU_MODE_FLAG)}),
        port.WriteWords(PSKEY_USB_DEVICE_CLASS_CODES, kClassCodes),
        port.WriteWords(PSKEY_USB_BT_IF_CLASS_CODES, kClassCodes),
        port.WriteWords(PSKEY_USB_BT_SCO_IF_CLASS_CODES, kClassCodes),
    };
    for (const dfu::Result& result : results) {
      if (!result) return false;
    }
    return true;
  }

  // The second unit of the two-unit product answers under the first unit's record; when it does
  // not match that unit, it is taken to be the first unit's module now in DFU mode.
  void CompareSecondUnit() {
    const CDeviceSettings& first = slots_.record;
    addressText_ = first.m_strAddress + " _ " + addressText_;
    const bool differs = name_ != first.m_strDeviceName || major_ != first.m_nVersionMajor ||
                         minor_ != first.m_nVersionMinor || versionType_ != first.m_nSecondaryVersionType ||
                         versionSub_ != first.m_nSecondaryVersion || slots_.usbStatus != UsbPid(1);
    if (!differs) return;
    skipModeCheck_ = true;
    slots_.deviceRecognized = true;
    modelId_ = slots_.deviceTarget;
    UsbPid(1) += DFU_MODE_FLAG;
    slots_.usbStatus = UsbPid(1);
    state_ = RECOGNIZE_DFU_MODE;
  }

  // A device without a command channel. Nothing is read from it: the record gets what the run
  // knows already.
  Next HandleDfuMode() {
    ++dfuModeCount_;
    const int target = slots_.deviceTarget;
    const int usbPid = ThisUsbPid();
    const int applicationId = usbPid - DFU_MODE_FLAG;
    if (usbPid == kUnprovisionedDfuId || device::IsTargetCompatible(target, applicationId)) {
      slots_.deviceRecognized = true;
      modelId_ = kOwnIdInDfuMode.Contains(applicationId) ? applicationId : target;
      slots_.usbStatus = usbPid;
      state_ = RECOGNIZE_DFU_MODE;
    } else if ((UsbPid(0) == kTwoUnitDfuId) != (UsbPid(1) == kTwoUnitDfuId)) {
      slots_.deviceRecognized = true;
      modelId_ = target;
      slots_.usbStatus = target;
      state_ = RECOGNIZE_DFU_MODE;
    } else {
      state_ = RECOGNIZE_OTHER_MODEL;
      return Next::kEndWalk;
    }
    FillRecord();
    return Next::kNextName;
  }

  void FillRecord() {
    // The first unit of the two-unit product in DFU mode stands for both.
    if (slots_.deviceTarget == kTwoUnitProduct && engineMatches_ == 2 && UsbPid(0) == kTwoUnitDfuId) return;
    CDeviceSettings& record = slots_.record;
    record.m_nManagerVersionMajor = kManagerVersionMajor;
    record.m_nManagerVersionMinor = kManagerVersionMinor;
    record.m_nProductId = modelId_;
    record.m_strDeviceName = name_;
    record.m_nVersionMajor = major_;
    record.m_nVersionMinor = minor_;
    record.m_nSecondaryVersionType = versionType_;
    record.m_nSecondaryVersion = versionSub_;
    record.m_nVersionExtra = 0;
    record.m_anHidVersion1 = {};
    record.m_anHidVersion2 = {};
    record.m_strAddress = addressText_;
    record.m_strHardwareVersion.clear();
    CopyPsSettings(values_, record);
    slots_.deviceRecognized = true;
    slots_.usbStatus = ThisUsbPid();
    device::GetSettingsPages(record.m_nProductId, record.m_nVersionMajor, record.m_nVersionMinor,
                             slots_.settingsPageCount, slots_.settingsPages, slots_.settingsPageSel);
  }

  void CheckCounts() {
    const int target = slots_.deviceTarget;
    const int needed = UnitsOf(target);
    if (usbCount_ != needed) {
      state_ = usbCount_ < needed ? RECOGNIZE_FEWER_INTERFACES_OBTAINED : RECOGNIZE_MORE_INTERFACES_OBTAINED;
      return;
    }
    int applicationMode = 0;
    int dfuMode = 0;
    for (int unit = 0; unit < UnitsOf(target); ++unit) {
      (IsApplicationModeId(UsbPid(unit)) ? applicationMode : dfuMode) += 1;
    }
    if (usbCount_ != engineMatches_) {
      state_ = usbCount_ < engineMatches_ ? RECOGNIZE_MORE_INTERFACES_FOUND : RECOGNIZE_FEWER_INTERFACES_FOUND;
      return;
    }
    if (!skipModeCheck_ && (applicationMode != connectedCount_ || dfuMode != dfuModeCount_)) {
      state_ = RECOGNIZE_INTERFACE_PROBLEM;
    }
  }

  const RecognitionSlots& slots_;
  const CDeviceSettings* toWrite_;
  dfu::DFUTransportCOM transport_;
  int state_ = RECOGNIZE_NO_DEVICE;

  // The USB scan.
  int usbCount_ = 0;
  std::array<int, kMaxUnits> usbPids_{};
  // What the walk met.
  int engineMatches_ = 0;
  int connectedCount_ = 0;
  int dfuModeCount_ = 0;
  bool skipModeCheck_ = false;
  bool identityKnown_ = true;
  WriteBack writeBack_ = WriteBack::kNone;
  // The device handled last; what a device in DFU mode cannot tell is kept from the one before.
  int modelId_ = 0;
  std::string name_;
  std::string addressText_;
  int major_ = 0;
  int minor_ = 0;
  // Reset for every device.
  int versionType_ = 0;
  int versionSub_ = 0;
  CDeviceSettings values_;
};

uint16_t ReadHexField(std::string_view path, size_t at) {
  uint16_t value = 0;
  for (size_t i = 0; i < 4 && at + i < path.size(); ++i) {
    const char c = path[at + i];
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else break;
    value = static_cast<uint16_t>(value * 16 + digit);
  }
  return value;
}

}  // namespace

UsbIds ParseDevicePathIds(std::string_view path) {
  constexpr std::string_view kVendorField = "VID_";
  constexpr std::string_view kProductField = "PID_";
  UsbIds ids;
  const size_t vendorAt = path.find(kVendorField);
  size_t productFrom = 0;
  if (vendorAt != std::string_view::npos) {
    productFrom = vendorAt + kVendorField.size();
    if (vendorAt > 0) ids.vendorId = ReadHexField(path, productFrom);
  }
  const size_t productAt = path.find(kProductField, productFrom);
  if (productAt != std::string_view::npos && productAt > 0) {
    ids.productId = ReadHexField(path, productAt + kProductField.size());
  }
  return ids;
}

int RecognizeOverDfu(const RecognitionSlots& slots, const device::CDeviceSettings* toWrite, WriteBack* writeBack) {
  DfuPathWalk walk(slots, toWrite);
  const int state = walk.Run();
  if (writeBack) *writeBack = walk.WriteBackResult();
  return state;
}

}  // namespace headset::bluecore
