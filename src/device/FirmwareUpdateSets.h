#pragma once
// What the firmware update does differently per product: the way the image reaches the device,
// the three phase lengths of the progress estimate, the product's set of the estimate, and the
// few products the DFU path treats on their own.
namespace device {

// How an update of a product is carried out.
enum class UpdateRoute {
  kDfu,                 // the DFU library (every product the table does not name)
  kHidLegacyImage,      // HID reports, older image layout, two interfaces
  kHidSimple,           // HID reports, two interfaces
  kExternalTools,       // the two flashing tools, after the HID pair probe
  kHidDualModule,       // HID reports, one interface
  kHidCamera,           // HID reports, then the camera's drive
  kHidUpdateMode,       // a preparation into update mode, then HID reports
  kPreparationThenDfu,  // a preparation into the boot loader, then the DFU library
};
UpdateRoute UpdateRouteOf(int target);
// The route's HID presence test must find a device of exactly the target's product id.
bool RouteTestsHidPresence(UpdateRoute route);

// The product's set in the progress estimate.
enum class ProgressSet { kOther, kH, kM, kU, kK, kL, kN, kV, kF, kE };
ProgressSet ProgressSetOf(int target);

// Ticks of the preparation, the transfer and the restart phase.
struct UpdatePhases {
  int preparation;
  int transfer;
  int restart;
};
UpdatePhases UpdatePhasesOf(int target);

// No hold-button prompt while the DFU library runs.
bool IsPromptExcluded(int target);
// The DFU device list is polled for until the boot loader appears.
bool IsPolledDfuProduct(int target);
// Two DFU devices, flashed one after the other.
inline constexpr int kTwoDeviceProduct = 0x5310;
// The image holds a DFU file and a camera file, split before the transfer.
inline constexpr int kSplitImageProduct = 0x3020;
// The progress of the DFU transfer skips ticks while the camera side settles.
bool SkipsProgressTicks(int target);
// After success the user is advised to pair the device again.
bool GetsPairingAdvice(int target);

}  // namespace device
