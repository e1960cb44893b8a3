#include "platform/dfu/BccmdChannel.h"

#include <algorithm>
#include <atomic>
#include <string>

#include "platform/Clock.h"
#include "platform/usb/UsbDescriptors.h"

namespace dfu {

namespace {

constexpr unsigned kCommandTimeoutMs = 1000;
constexpr unsigned kEventTimeoutMs = 1000;
// One whole exchange waits at most this long for its reply, however many foreign events pass by;
// the device answers a persistent-store command within milliseconds.
constexpr uint32_t kReplyBudgetMs = 3000;
constexpr unsigned kDrainTimeoutMs = 10;
constexpr int kMaxDrainedEvents = 32;
constexpr int kMaxForeignEvents = 16;
constexpr uint8_t kHciEventEndpoint = 0x81;
constexpr uint16_t kDefaultPacketSize = 16;
constexpr uint16_t kMaxPacketSize = 64;
constexpr uint8_t kRequestTypeClassDevice = 0x20;

// Shared by every channel so that a reply left over from an earlier channel never matches.
uint16_t NextSequence() {
  static std::atomic<uint16_t> sequence{1};
  return sequence.fetch_add(1);
}

Result StatusFailure(uint16_t status) {
  return {kResultCommandFailed, "persistent store answered status " + std::to_string(status)};
}

}  // namespace

std::unique_ptr<BccmdChannel> BccmdChannel::Open(std::unique_ptr<platform::UsbDevice> device,
                                                 Result& why) {
  const auto config = platform::ParseConfigDescriptor(device->ConfigDescriptor());
  const platform::UsbInterfaceInfo* hci =
      config ? config->Find(platform::kUsbClassWireless, 0x01, 0x01) : nullptr;
  if (!hci) {
    why = {kResultBadState, "the device has no command channel (it may be in DFU mode)"};
    return nullptr;
  }
  uint16_t packetSize = kDefaultPacketSize;
  for (const auto& endpoint : hci->endpoints) {
    if (endpoint.address == kHciEventEndpoint && endpoint.maxPacketSize > 0)
      packetSize = std::min(endpoint.maxPacketSize, kMaxPacketSize);
  }
  if (!device->ClaimInterface(hci->number)) {
    why = {kResultNoDevice, "cannot claim the command channel"};
    return nullptr;
  }
  why = {};
  return std::unique_ptr<BccmdChannel>(
      new BccmdChannel(std::move(device), hci->number, kHciEventEndpoint, packetSize));
}

BccmdChannel::BccmdChannel(std::unique_ptr<platform::UsbDevice> device, int interfaceNumber,
                           uint8_t endpoint, uint16_t packetSize)
    : device_(std::move(device)), interface_(interfaceNumber), endpoint_(endpoint), packetSize_(packetSize) {}

BccmdChannel::~BccmdChannel() { device_->ReleaseInterface(interface_); }

Result BccmdChannel::GetPs(uint16_t key, std::span<uint8_t> out, uint16_t* storedBytes) {
  if (out.empty()) return {kResultFailed, "nothing to read"};
  bccmd::Reply reply;
  const uint16_t sizeRequest[] = {key, bccmd::kStoresDefault};
  Result result = Exchange(bccmd::kGetRequest, bccmd::kVarPsSize, sizeRequest, reply);
  if (!result) return result;
  if (reply.payload.size() < 2 || reply.payload[0] != key) return {kResultFailed, "unexpected size reply"};
  const size_t words = reply.payload[1];
  if (words == 0) return StatusFailure(bccmd::kStatusNoValue);
  if (words > bccmd::kMaxPsDataWords) return {kResultTooLarge, "key longer than one command holds"};

  std::vector<uint16_t> request = {key, static_cast<uint16_t>(words), bccmd::kStoresDefault};
  request.resize(3 + words, 0);
  result = Exchange(bccmd::kGetRequest, bccmd::kVarPersistentStore, request, reply);
  if (!result) return result;
  if (reply.payload.size() < 3 + words || reply.payload[0] != key || reply.payload[1] != words)
    return {kResultFailed, "unexpected key reply"};

  std::fill(out.begin(), out.end(), uint8_t{0});
  for (size_t i = 0; i < words; ++i) {
    const uint16_t word = reply.payload[3 + i];
    if (2 * i < out.size()) out[2 * i] = static_cast<uint8_t>(word & 0xFF);
    if (2 * i + 1 < out.size()) out[2 * i + 1] = static_cast<uint8_t>(word >> 8);
  }
  if (storedBytes) *storedBytes = static_cast<uint16_t>(words * 2);
  return {};
}

Result BccmdChannel::SetPs(uint16_t key, std::span<const uint8_t> value) {
  const size_t words = (value.size() + 1) / 2;
  if (words == 0) return {kResultFailed, "nothing to write"};
  if (words > bccmd::kMaxPsDataWords) return {kResultTooLarge, "value longer than one command holds"};
  std::vector<uint16_t> request = {key, static_cast<uint16_t>(words), bccmd::kStoresDefault};
  for (size_t i = 0; i < words; ++i) {
    const uint8_t low = value[2 * i];
    const uint8_t high = 2 * i + 1 < value.size() ? value[2 * i + 1] : 0;
    request.push_back(static_cast<uint16_t>(low | (high << 8)));
  }
  bccmd::Reply reply;
  return Exchange(bccmd::kSetRequest, bccmd::kVarPersistentStore, request, reply);
}

Result BccmdChannel::Exchange(uint16_t type, uint16_t variable, std::span<const uint16_t> payload,
                              bccmd::Reply& reply) {
  const uint16_t sequence = NextSequence();
  std::vector<uint8_t> command = bccmd::BuildCommand(type, sequence, variable, payload);
  if (command.empty()) return {kResultTooLarge, "command too long"};
  DrainEvents();
  const int sent = device_->ControlTransfer(kRequestTypeClassDevice, 0, 0, 0, command.data(),
                                            static_cast<uint16_t>(command.size()), kCommandTimeoutMs);
  if (sent < 0) return TransferFailure(sent, "persistent-store command");
  if (static_cast<size_t>(sent) != command.size()) return {kResultFailed, "command cut short"};

  std::vector<uint8_t> event;
  const ReplyDeadline deadline{platform::Clock::Get().TickCount(), kReplyBudgetMs};
  for (int i = 0; i < kMaxForeignEvents; ++i) {
    if (Result result = ReadEvent(event, deadline); !result) return result;
    // Anything else on the event endpoint (other events, late replies) is passed over.
    if (bccmd::ParseReply(event, sequence, reply) != bccmd::ReplyCheck::kOurs) continue;
    if (reply.variable != variable) return {kResultFailed, "reply for another variable"};
    if (reply.status != bccmd::kStatusOk) return StatusFailure(reply.status);
    return {};
  }
  return {kResultTimedOut, "no reply to the persistent-store command"};
}

void BccmdChannel::DrainEvents() {
  uint8_t packet[kMaxPacketSize];
  for (int i = 0; i < kMaxDrainedEvents; ++i) {
    if (device_->InterruptIn(endpoint_, packet, packetSize_, kDrainTimeoutMs) <= 0) return;
  }
}

uint32_t BccmdChannel::ReplyDeadline::RemainingMs() const {
  const uint32_t elapsed = platform::Clock::Get().TickCount() - start;
  return elapsed >= budgetMs ? 0 : budgetMs - elapsed;
}

Result BccmdChannel::ReadEvent(std::vector<uint8_t>& event, const ReplyDeadline& deadline) {
  event.clear();
  uint8_t packet[kMaxPacketSize];
  size_t wanted = 2;  // event code and parameter length, then the parameters they announce
  // An event has at most 2 + 255 bytes; a few empty packets on the way are tolerated.
  const int maxPackets = (2 + 255) / packetSize_ + 4;
  for (int i = 0; i < maxPackets && event.size() < wanted; ++i) {
    const uint32_t remaining = deadline.RemainingMs();
    if (remaining == 0) return {kResultTimedOut, "no reply to the persistent-store command in time"};
    const int got = device_->InterruptIn(endpoint_, packet, packetSize_, std::min<uint32_t>(remaining, kEventTimeoutMs));
    if (got < 0) return TransferFailure(got, "persistent-store reply");
    event.insert(event.end(), packet, packet + std::min<int>(got, packetSize_));
    if (event.size() >= 2) wanted = 2 + size_t{event[1]};
  }
  if (event.size() < wanted) return {kResultFailed, "reply cut short"};
  event.resize(wanted);
  return {};
}

}  // namespace dfu
