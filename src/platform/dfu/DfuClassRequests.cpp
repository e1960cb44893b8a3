#include "platform/dfu/DfuClassRequests.h"

namespace dfu {

namespace {

constexpr uint8_t kHostToInterface = 0x21;
constexpr uint8_t kInterfaceToHost = 0xA1;
constexpr unsigned kRequestTimeoutMs = 5000;

}  // namespace

Result DfuClassRequests::GetStatus(DfuStatusReply& reply) {
  uint8_t bytes[6] = {};
  const int got = device_.ControlTransfer(kInterfaceToHost, kDfuGetStatus, 0, interface_, bytes,
                                          sizeof bytes, kRequestTimeoutMs);
  if (got < 0) return TransferFailure(got, "DFU status");
  if (got != sizeof bytes) return {kResultFailed, "DFU status cut short"};
  reply.status = bytes[0];
  reply.pollTimeoutMs = static_cast<uint32_t>(bytes[1] | (bytes[2] << 8) | (bytes[3] << 16));
  reply.state = bytes[4];
  return {};
}

Result DfuClassRequests::Detach(uint16_t timeoutMs) {
  return Out(kDfuDetach, timeoutMs, nullptr, 0, "DFU detach");
}

Result DfuClassRequests::Download(uint16_t block, const uint8_t* data, uint16_t length) {
  // The transfer only reads the block; the interface wants a mutable pointer for both directions.
  return Out(kDfuDnload, block, const_cast<uint8_t*>(data), length, "DFU download");
}

Result DfuClassRequests::ClearStatus() { return Out(kDfuClrStatus, 0, nullptr, 0, "DFU clear status"); }

Result DfuClassRequests::Abort() { return Out(kDfuAbort, 0, nullptr, 0, "DFU abort"); }

Result DfuClassRequests::Out(uint8_t request, uint16_t value, uint8_t* data, uint16_t length,
                             const char* what) {
  const int sent = device_.ControlTransfer(kHostToInterface, request, value, interface_, data, length,
                                           kRequestTimeoutMs);
  if (sent < 0) return TransferFailure(sent, what);
  if (sent != length) return {kResultFailed, std::string(what) + " cut short"};
  return {};
}

}  // namespace dfu
