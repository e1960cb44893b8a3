#include "SimBlueCoreHeadset.h"

#include <algorithm>
#include <cstring>

#include "SimDfuImage.h"
#include "platform/Clock.h"

namespace sim {

namespace {

// Wire facts, written out here rather than taken from the host side, so that the two sides check
// each other.
constexpr uint16_t kDfuModeFlag = 0x8000;
constexpr uint8_t kHciInterface = 0;
constexpr uint8_t kRuntimeInterface = 1;  // in application mode
constexpr uint8_t kDfuInterface = 0;      // in DFU mode
constexpr uint8_t kEventEndpoint = 0x81;
constexpr int kEventPacketSize = 16;
constexpr uint16_t kTransferSize = 1023;

// BCCMD
constexpr uint16_t kGetReq = 0, kGetResp = 1, kSetReq = 2;
constexpr uint16_t kVarPs = 0x7003, kVarPsSize = 0x3006;
constexpr uint16_t kStatusOk = 0, kStatusNoSuchVariable = 1, kStatusNoValue = 3, kStatusBadRequest = 4;

// DFU requests and states
enum : uint8_t { kDetach = 0, kDnload = 1, kUpload = 2, kGetStatus = 3, kClrStatus = 4, kGetState = 5, kAbort = 6 };
enum : uint8_t {
  kAppIdle = 0, kAppDetach = 1, kDfuIdle = 2, kDnloadSync = 3, kDnBusy = 4, kDnloadIdle = 5,
  kManifestSync = 6, kManifest = 7, kManifestWaitReset = 8, kUploadIdle = 9, kDfuError = 10,
};
constexpr uint8_t kErrFirmware = 0x0A;
constexpr uint8_t kErrStalledPacket = 0x0F;

std::vector<uint16_t> ToWords(const std::vector<uint8_t>& bytes) {
  std::vector<uint16_t> words((bytes.size() + 1) / 2, 0);
  for (size_t i = 0; i < bytes.size(); ++i) words[i / 2] |= static_cast<uint16_t>(bytes[i] << (8 * (i % 2)));
  return words;
}

void Append(std::vector<uint8_t>& out, std::initializer_list<uint8_t> bytes) {
  for (uint8_t byte : bytes) out.push_back(byte);
}

void AppendWord(std::vector<uint8_t>& out, uint16_t value) {
  Append(out, {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)});
}

std::vector<uint8_t> DfuFunctionalDescriptor(uint8_t attributes) {
  std::vector<uint8_t> out = {9, 0x21, attributes};
  AppendWord(out, 5000);
  AppendWord(out, kTransferSize);
  AppendWord(out, 0x0100);
  return out;
}

std::vector<uint8_t> BuildConfig(std::initializer_list<std::vector<uint8_t>> parts, uint8_t interfaces) {
  std::vector<uint8_t> body;
  for (const auto& part : parts) body.insert(body.end(), part.begin(), part.end());
  std::vector<uint8_t> out = {9, 0x02};
  AppendWord(out, static_cast<uint16_t>(9 + body.size()));
  Append(out, {interfaces, 1, 0, 0x80, 50});
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

std::vector<uint8_t> Interface(uint8_t number, uint8_t endpoints, uint8_t cls, uint8_t sub, uint8_t protocol) {
  return {9, 0x04, number, 0, endpoints, cls, sub, protocol, 0};
}

std::vector<uint8_t> Endpoint(uint8_t address, uint8_t attributes, uint16_t packet) {
  std::vector<uint8_t> out = {7, 0x05, address, attributes};
  AppendWord(out, packet);
  out.push_back(attributes == 3 ? 1 : 0);
  return out;
}

}  // namespace

SimBlueCoreHeadset::SimBlueCoreHeadset(HeadsetProfile profile)
    : vendorId_(profile.vendorId),
      productId_(static_cast<uint16_t>(profile.productId & ~kDfuModeFlag)),
      dfuMode_(profile.startInDfuMode),
      dfuAttributes_(profile.dfuAttributes) {
  store_[0x02A3] = {profile.modelId};
  store_[0x02A4] = ToWords({profile.firmwareVersion.begin(), profile.firmwareVersion.end()});
  store_[0x0001] = {static_cast<uint16_t>((profile.lap >> 16) & 0xFF), static_cast<uint16_t>(profile.lap & 0xFFFF),
                    profile.uap, profile.nap};
  std::vector<uint8_t> name(profile.name.begin(), profile.name.end());
  name.push_back(0);
  store_[0x0108] = ToWords(name);
  for (const auto& [key, bytes] : profile.settings) store_[key] = ToWords(bytes);
}

bool SimBlueCoreHeadset::InDfuMode() {
  std::lock_guard lock(mutex_);
  return dfuMode_;
}

std::optional<std::vector<uint8_t>> SimBlueCoreHeadset::Key(uint16_t key) {
  std::lock_guard lock(mutex_);
  const auto found = store_.find(key);
  if (found == store_.end()) return std::nullopt;
  std::vector<uint8_t> bytes;
  for (uint16_t word : found->second) AppendWord(bytes, word);
  return bytes;
}

void SimBlueCoreHeadset::SetKey(uint16_t key, const std::vector<uint8_t>& bytes) {
  std::lock_guard lock(mutex_);
  store_[key] = ToWords(bytes);
}

std::vector<std::pair<uint16_t, std::vector<uint8_t>>> SimBlueCoreHeadset::KeyWrites() {
  std::lock_guard lock(mutex_);
  return keyWrites_;
}

std::vector<uint16_t> SimBlueCoreHeadset::Sequences() {
  std::lock_guard lock(mutex_);
  return sequences_;
}

std::vector<uint8_t> SimBlueCoreHeadset::DfuRequests() {
  std::lock_guard lock(mutex_);
  return dfuRequests_;
}

std::vector<uint8_t> SimBlueCoreHeadset::ReceivedImage() {
  std::lock_guard lock(mutex_);
  return image_;
}

void SimBlueCoreHeadset::SetPollTimeout(uint32_t ms) {
  std::lock_guard lock(mutex_);
  pollTimeoutMs_ = ms;
}

void SimBlueCoreHeadset::AnnouncePollTimeout(uint32_t ms) {
  std::lock_guard lock(mutex_);
  announcedPollMs_ = ms;
}

void SimBlueCoreHeadset::InjectEventBeforeReply(std::vector<uint8_t> event) {
  std::lock_guard lock(mutex_);
  injected_.push_back(std::move(event));
}

void SimBlueCoreHeadset::FailKeyRead(uint16_t key, uint16_t status) {
  std::lock_guard lock(mutex_);
  failRead_[key] = status;
}

void SimBlueCoreHeadset::FailKeyWrite(uint16_t key, uint16_t status) {
  std::lock_guard lock(mutex_);
  failWrite_[key] = status;
}

void SimBlueCoreHeadset::DropKeyWrite(uint16_t key) {
  std::lock_guard lock(mutex_);
  dropWrite_.insert(key);
}

void SimBlueCoreHeadset::UnplugAfterBlocks(int blocks) {
  std::lock_guard lock(mutex_);
  unplugAfterBlocks_ = blocks;
}

void SimBlueCoreHeadset::StayAwayAfterReset() {
  std::lock_guard lock(mutex_);
  stayAwayAfterReset_ = true;
}

void SimBlueCoreHeadset::ComeBackLateAfterReset(uint32_t ms) {
  std::lock_guard lock(mutex_);
  awayAfterResetMs_ = ms;
}

void SimBlueCoreHeadset::FailMidDownload() {
  std::lock_guard lock(mutex_);
  if (!dfuMode_) return;
  dfuState_ = kDfuError;
  dfuStatus_ = kErrStalledPacket;
  clearResumesDownload_ = true;
}

platform::UsbDeviceInfo SimBlueCoreHeadset::IdentityLocked() {
  return {vendorId_, static_cast<uint16_t>(dfuMode_ ? productId_ | kDfuModeFlag : productId_), 0x0100, ""};
}

std::vector<uint8_t> SimBlueCoreHeadset::ConfigDescriptorLocked() {
  if (dfuMode_) {
    return BuildConfig({Interface(kDfuInterface, 0, 0xFE, 0x01, 0x02), DfuFunctionalDescriptor(dfuAttributes_)}, 1);
  }
  return BuildConfig({Interface(kHciInterface, 3, 0xE0, 0x01, 0x01), Endpoint(kEventEndpoint, 3, kEventPacketSize),
                           Endpoint(0x82, 2, 64), Endpoint(0x02, 2, 64),
                           Interface(kRuntimeInterface, 0, 0xFE, 0x01, 0x01), DfuFunctionalDescriptor(dfuAttributes_)},
                          2);
}

int SimBlueCoreHeadset::ControlLocked(uint8_t requestType, uint8_t request, uint16_t value, uint16_t index,
                                      uint8_t* data, uint16_t length) {
  if (requestType == 0x20 && request == 0 && value == 0 && index == 0 && !dfuMode_)
    return HciCommandLocked(data, length);
  const bool classInterface = requestType == 0x21 || requestType == 0xA1;
  if (classInterface && !dfuMode_ && index == kRuntimeInterface)
    return RuntimeRequestLocked(request, value, data, length);
  if (classInterface && dfuMode_ && index == kDfuInterface) return DfuRequestLocked(request, value, data, length);
  return platform::kUsbStall;
}

int SimBlueCoreHeadset::InterruptInLocked(uint8_t endpoint, uint8_t* data, int length) {
  if (dfuMode_ || endpoint != kEventEndpoint) return platform::kUsbStall;
  if (events_.empty()) return platform::kUsbTimeout;
  const auto& event = events_.front();
  const size_t count = std::min({static_cast<size_t>(std::max(length, 0)), size_t{kEventPacketSize},
                                 event.size() - eventOffset_});
  std::memcpy(data, event.data() + eventOffset_, count);
  eventOffset_ += count;
  if (eventOffset_ == event.size()) {
    events_.pop_front();
    eventOffset_ = 0;
  }
  return static_cast<int>(count);
}

int SimBlueCoreHeadset::HciCommandLocked(const uint8_t* data, uint16_t length) {
  // 00 FC, parameter length, channel 0xC2, then the PDU whose length word must agree.
  if (!data || length < 4 + 10 || data[0] != 0x00 || data[1] != 0xFC || data[2] != length - 3 || data[3] != 0xC2)
    return platform::kUsbStall;
  const size_t pduBytes = length - 4u;
  std::vector<uint16_t> pdu(pduBytes / 2);
  for (size_t i = 0; i < pdu.size(); ++i) pdu[i] = static_cast<uint16_t>(data[4 + 2 * i] | (data[5 + 2 * i] << 8));
  if (pduBytes % 2 != 0 || pdu[1] * 2u != pduBytes || pdu[1] < 9 || pdu[1] > 64) return platform::kUsbStall;
  const uint16_t type = pdu[0], sequence = pdu[2], variable = pdu[3];
  sequences_.push_back(sequence);

  std::vector<uint16_t> reply = pdu;  // the device answers with the PDU, type and status changed
  reply[0] = kGetResp;
  uint16_t status = kStatusOk;
  const uint16_t key = pdu[5];
  const auto stored = store_.find(key);
  if (type != kGetReq && type != kSetReq) {
    status = kStatusBadRequest;
  } else if (variable == kVarPsSize && type == kGetReq) {
    if (stored == store_.end()) status = kStatusNoValue;
    else reply[6] = static_cast<uint16_t>(stored->second.size());
  } else if (variable == kVarPs) {
    // payload: key, length in words, stores, data
    const size_t words = pdu[6];
    if (8 + words > pdu.size()) {
      status = kStatusBadRequest;
    } else if (type == kGetReq) {
      if (const auto fail = failRead_.find(key); fail != failRead_.end()) status = fail->second;
      else if (stored == store_.end()) status = kStatusNoValue;
      else if (stored->second.size() != words) status = kStatusBadRequest;
      else std::copy(stored->second.begin(), stored->second.end(), reply.begin() + 8);
    } else {
      std::vector<uint8_t> bytes;
      for (size_t i = 0; i < words; ++i) AppendWord(bytes, pdu[8 + i]);
      keyWrites_.emplace_back(key, std::move(bytes));
      if (const auto fail = failWrite_.find(key); fail != failWrite_.end()) status = fail->second;
      else if (!dropWrite_.count(key)) store_[key].assign(pdu.begin() + 8, pdu.begin() + 8 + static_cast<long>(words));
    }
  } else {
    status = kStatusNoSuchVariable;
  }
  reply[4] = status;

  while (!injected_.empty()) {
    events_.push_back(std::move(injected_.front()));
    injected_.pop_front();
  }
  std::vector<uint8_t> event = {0xFF, static_cast<uint8_t>(1 + reply.size() * 2), 0xC2};
  for (uint16_t word : reply) AppendWord(event, word);
  events_.push_back(std::move(event));
  return length;
}

int SimBlueCoreHeadset::RuntimeRequestLocked(uint8_t request, uint16_t, uint8_t* data, uint16_t length) {
  dfuRequests_.push_back(request);
  switch (request) {
    case kGetStatus:
      if (length < 6) return platform::kUsbStall;
      std::memset(data, 0, 6);
      data[4] = appState_;
      return 6;
    case kGetState:
      if (length < 1) return platform::kUsbStall;
      data[0] = appState_;
      return 1;
    case kDetach:
      appState_ = kAppDetach;
      return 0;
    default:
      return platform::kUsbStall;
  }
}

int SimBlueCoreHeadset::DfuRequestLocked(uint8_t request, uint16_t value, uint8_t* data, uint16_t length) {
  dfuRequests_.push_back(request);
  switch (request) {
    case kDnload:
      return DownloadLocked(value, data, length);
    case kGetStatus:
      return StatusLocked(data, length);
    case kGetState:
      if (length < 1) return StallLocked();
      data[0] = dfuState_;
      return 1;
    case kClrStatus:
      if (dfuState_ != kDfuError) return StallLocked();
      dfuState_ = clearResumesDownload_ ? kDnloadIdle : kDfuIdle;
      dfuStatus_ = 0;
      clearResumesDownload_ = false;
      return 0;
    case kAbort:
      if (dfuState_ != kDfuIdle && dfuState_ != kDnloadIdle && dfuState_ != kUploadIdle) return StallLocked();
      dfuState_ = kDfuIdle;
      return 0;
    default:  // UPLOAD and DETACH are not served in DFU mode here
      return StallLocked();
  }
}

int SimBlueCoreHeadset::DownloadLocked(uint16_t block, const uint8_t* data, uint16_t length) {
  if (length > kTransferSize) return StallLocked();
  if (dfuState_ == kDfuIdle && length > 0 && block == 0) {
    image_.clear();
    firmwareValid_ = false;  // the old firmware is erased as the new one goes in
    newVersion_.reset();
  } else if (dfuState_ != kDnloadIdle || block != nextBlock_) {
    return StallLocked();
  }
  if (length == 0) {
    dfuState_ = kManifestSync;
    return 0;
  }
  image_.insert(image_.end(), data, data + length);
  nextBlock_ = static_cast<uint16_t>(block + 1);
  dfuState_ = kDnloadSync;
  if (unplugAfterBlocks_ > 0 && ++blocksReceived_ >= unplugAfterBlocks_) {
    unplugAfterBlocks_ = 0;
    LeaveLocked();
  }
  return length;
}

bool SimBlueCoreHeadset::BusyLocked() {
  return platform::Clock::Get().TickCount() - busySince_ < pollTimeoutMs_;
}

int SimBlueCoreHeadset::StatusLocked(uint8_t* data, uint16_t length) {
  if (length < 6) return StallLocked();
  uint32_t poll = 0;
  switch (dfuState_) {
    case kDnloadSync:
      if (pollTimeoutMs_ > 0) {
        dfuState_ = kDnBusy;
        poll = pollTimeoutMs_;
        busySince_ = platform::Clock::Get().TickCount();
      } else {
        dfuState_ = kDnloadIdle;
      }
      break;
    case kDnBusy:
      if (BusyLocked()) return StallLocked();
      dfuState_ = kDnloadIdle;
      break;
    case kManifestSync:
      dfuState_ = kManifest;
      poll = pollTimeoutMs_;
      busySince_ = platform::Clock::Get().TickCount();
      break;
    case kManifest: {
      if (BusyLocked()) return StallLocked();
      const bool valid = image_.size() >= kSimImageVersionOffset + 4 && std::memcmp(image_.data(), "CSR-dfu", 7) == 0;
      if (!valid) {
        dfuState_ = kDfuError;
        dfuStatus_ = kErrFirmware;
        break;
      }
      std::array<uint8_t, 4> version;
      std::copy_n(image_.begin() + kSimImageVersionOffset, 4, version.begin());
      newVersion_ = version;
      firmwareValid_ = true;
      dfuState_ = kManifestWaitReset;
      break;
    }
    default:
      break;
  }
  if (poll > 0 && announcedPollMs_) poll = *announcedPollMs_;
  data[0] = dfuStatus_;
  data[1] = static_cast<uint8_t>(poll);
  data[2] = static_cast<uint8_t>(poll >> 8);
  data[3] = static_cast<uint8_t>(poll >> 16);
  data[4] = dfuState_;
  data[5] = 0;
  return 6;
}

int SimBlueCoreHeadset::StallLocked() {
  dfuState_ = kDfuError;
  dfuStatus_ = kErrStalledPacket;
  return platform::kUsbStall;
}

void SimBlueCoreHeadset::ResetLocked() {
  const bool wasDfuMode = dfuMode_;
  if (!dfuMode_) {
    dfuMode_ = appState_ == kAppDetach;
  } else if (firmwareValid_) {
    dfuMode_ = false;
    if (newVersion_) store_[0x02A4] = ToWords({newVersion_->begin(), newVersion_->end()});
    newVersion_.reset();
  }
  appState_ = kAppIdle;
  dfuState_ = kDfuIdle;
  dfuStatus_ = 0;
  clearResumesDownload_ = false;
  if (stayAwayAfterReset_) {
    stayAwayAfterReset_ = false;
    LeaveLocked();
  } else if (awayAfterResetMs_) {
    LeaveForLocked(*awayAfterResetMs_);
    awayAfterResetMs_.reset();
  } else if (dfuMode_ != wasDfuMode) {
    ReenumerateLocked();
  }
}

void SimBlueCoreHeadset::OnPowerUpLocked() {
  // Without a whole firmware the boot loader keeps the device in DFU mode.
  dfuMode_ = !firmwareValid_;
  appState_ = kAppIdle;
  dfuState_ = kDfuIdle;
  dfuStatus_ = 0;
  clearResumesDownload_ = false;
}

void SimBlueCoreHeadset::OnEnumeratedLocked() {
  events_.clear();
  eventOffset_ = 0;
  nextBlock_ = 0;
  blocksReceived_ = 0;
}

}  // namespace sim
