#pragma once
// Production batches told apart by the Bluetooth address. A batch value is the first six
// characters of an address text (normally the six hex digits of the address's lower part) read
// as a hexadecimal number.
#include <string_view>

namespace headset {

// Up to six characters read like strtol in base 16: leading blanks skipped, reading stops at the
// first character that is not a hex digit, no digit gives 0.
long BatchValue(std::string_view addressText);

// Devices of `target` from a batch after the model's threshold need the radio calibration patch.
// False for any target without a threshold, whatever the address.
bool NeedsRadioPatch(int target, std::string_view addressText);

// Units of 0x5060 from the batch that shipped with the firmware of model 0x5011.
bool IsAlternateModelBatch(int target, std::string_view addressText);
// A target one of whose batches runs another model's firmware; that model is AlternateModel().
bool HasAlternateModelBatch(int target);
int AlternateModel();

// Units of 0x4210 from the batches that left the factory with a wrong hardware variant code.
bool NeedsVariantCodeFix(int target, std::string_view addressText);

}  // namespace headset
