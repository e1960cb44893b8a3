#pragma once
// The model tag of a BlueCore DFU file: the model's file-name form, "#" and the model id in four
// upper-case hexadecimal digits, as text from byte 16 of the file. A file is meant for a device
// when it carries the device's tag or one of the tags its model accepts.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace firmware {

// The bytes of a file that the check reads; a shorter file carries no tag.
inline constexpr size_t kDfuTagWindowBytes = 1648;
inline constexpr size_t kDfuTagOffset = 16;
// The model a batch of 0x5060 units is re-identified as when its file is tagged for it.
inline constexpr int kAlternateModel = 0x5011;
inline constexpr int kAlternateBatchTarget = 0x5060;

// The first kDfuTagWindowBytes of the file at `path`; nothing when it is shorter, cannot be read
// or is no plain file.
std::optional<std::array<uint8_t, kDfuTagWindowBytes>> ReadDfuTagWindow(const std::string& path);

// Format("%s#%04X") of the file-name form of `model` and `code`.
std::string MakeDfuModelTag(int model, int code);

// The tag's length of bytes from byte 16, trimmed of white space at both ends, equals the tag.
bool CarriesTag(std::span<const uint8_t> window, std::string_view tag);

enum class DfuFileMatch {
  kNotForDevice,
  kForDevice,
  kForAlternateModel,  // accepted once the device is re-identified as the alternate model
};

// `window` holds the file's first bytes (at least kDfuTagWindowBytes for any match); `productId`
// is the recognised model, `target` the product the update is for, `alternateBatch` whether the
// device's address lies in the batch that may be re-identified.
DfuFileMatch MatchDfuFile(std::span<const uint8_t> window, int productId, int target, bool alternateBatch);

}  // namespace firmware
