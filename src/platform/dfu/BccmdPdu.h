#pragma once
// BCCMD framing: commands as HCI vendor commands on channel 2, replies as HCI vendor events.
// A PDU is little-endian 16-bit words: type, length in words (header included), sequence number,
// variable id, status, then the payload.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace dfu::bccmd {

inline constexpr uint16_t kGetRequest = 0;
inline constexpr uint16_t kGetResponse = 1;
inline constexpr uint16_t kSetRequest = 2;

inline constexpr uint16_t kVarPersistentStore = 0x7003;  // payload: key, length in words, stores, data
inline constexpr uint16_t kVarPsSize = 0x3006;           // payload: key, stores; answers key, length
inline constexpr uint16_t kStoresDefault = 0x0000;

inline constexpr size_t kHeaderWords = 5;
inline constexpr size_t kMinPduWords = 9;
inline constexpr size_t kMaxPduWords = 64;
inline constexpr size_t kMaxPsDataWords = kMaxPduWords - kHeaderWords - 3;

inline constexpr uint8_t kChannelBccmd = 0xC2;  // first and last fragment, channel 2
inline constexpr uint8_t kVendorEvent = 0xFF;
inline constexpr uint16_t kVendorOpcode = 0xFC00;

enum Status : uint16_t {
  kStatusOk = 0,
  kStatusNoSuchVariable = 1,
  kStatusTooBig = 2,
  kStatusNoValue = 3,
  kStatusBadRequest = 4,
  kStatusNoAccess = 5,
  kStatusReadOnly = 6,
  kStatusWriteOnly = 7,
  kStatusError = 8,
  kStatusPermissionDenied = 9,
};

// The HCI command bytes of one BCCMD request (status 0), its PDU padded to at least kMinPduWords;
// empty when the payload does not fit in kMaxPduWords.
std::vector<uint8_t> BuildCommand(uint16_t type, uint16_t sequence, uint16_t variable,
                                  std::span<const uint16_t> payload);

struct Reply {
  uint16_t variable = 0;
  uint16_t status = 0;
  std::vector<uint16_t> payload;
};

enum class ReplyCheck {
  kOurs,       // a response to our sequence number; `reply` is filled
  kNotOurs,    // another event, another channel, a request or another sequence number
  kMalformed,  // claims to be a BCCMD response but its lengths do not add up
};

// Checks one whole HCI event (event code, parameter length, parameters).
ReplyCheck ParseReply(std::span<const uint8_t> event, uint16_t sequence, Reply& reply);

}  // namespace dfu::bccmd
