#pragma once
// Persistent-store keys of one connected BlueCore device, as recognition reads and writes them:
// every read asks for the key's full length into a cleared buffer and reports whether it worked;
// every write sends exactly the given bytes and gives back the library's result. Recognition
// does not act on a failed write, because nothing the device answers would change what it does
// next; a caller that must know checks it.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/dfu/DfuResult.h"

namespace dfu {
class DFUTransportCOM;
}

namespace headset::bluecore {

class PsKeyPort {
 public:
  explicit PsKeyPort(dfu::DFUTransportCOM& transport) : transport_(transport) {}

  // Fills `buffer` (cleared first) with the key; false when the read failed, and then the
  // buffer holds zeros.
  bool Read(uint16_t key, std::span<uint8_t> buffer);
  // Word 0 of a two-byte key.
  std::optional<uint16_t> ReadWord(uint16_t key);

  // A key that is empty or longer than one command carries fails without being sent.
  dfu::Result Write(uint16_t key, std::span<const uint8_t> bytes);
  // The words little-endian, one after the other.
  dfu::Result WriteWords(uint16_t key, std::initializer_list<uint16_t> words);
  dfu::Result WriteWords(uint16_t key, std::span<const uint16_t> words);

  // Every write the device takes from now on is noted (key and bytes) in `log`; null stops it.
  using WriteLog = std::vector<std::pair<uint16_t, std::vector<uint8_t>>>;
  void NoteWrites(WriteLog* log) { log_ = log; }

 private:
  dfu::DFUTransportCOM& transport_;
  WriteLog* log_ = nullptr;
};

// The device name key: 8-bit text up to its first zero byte (or the end of the key), each byte a
// Latin-1 character, given back as UTF-8.
std::string DecodeDeviceName(std::span<const uint8_t> key);

// The Bluetooth address key in the two forms recognition uses: "78BC9A[123456]" (NAP, UAP, then
// the LAP in brackets) and the bare LAP "123456" that the batch tests read.
struct AddressTexts {
  std::string display;
  std::string lower;
};

// Both texts from the eight bytes of PSKEY_BDADDR.
AddressTexts FormatAddressTexts(std::span<const uint8_t, 8> key);

// nullopt when the address key cannot be read.
std::optional<AddressTexts> ReadAddressTexts(PsKeyPort& port);

}  // namespace headset::bluecore
