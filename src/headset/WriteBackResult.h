#pragma once
// What became of a settings record that recognition was given to write into the device.
namespace headset {

enum class WriteBack {
  kNone,        // nothing was given to write
  kWritten,     // the device took every write; a BlueCore device also reads every key back as
                // written (a HID device confirms each parameter as it stores it)
  kNotWritten,  // no device took the settings: none was reached, or a write was refused
  kDiffers,     // taken, but the device does not read back what was written
};

// One run over several units: the worst of what each unit's write-back gave.
constexpr WriteBack Worse(WriteBack a, WriteBack b) {
  const auto rank = [](WriteBack w) {
    switch (w) {
      case WriteBack::kNotWritten: return 3;
      case WriteBack::kDiffers: return 2;
      case WriteBack::kWritten: return 1;
      case WriteBack::kNone: return 0;
    }
    return 0;
  };
  return rank(a) >= rank(b) ? a : b;
}

// The settings a run was given did not all get into the device as they were.
constexpr bool IsWriteBackFailure(WriteBack w) { return w == WriteBack::kNotWritten || w == WriteBack::kDiffers; }

}  // namespace headset
