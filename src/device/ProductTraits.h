#pragma once
// What sets one product apart from the others, one row per product id: how its HID interfaces
// are laid out, how its settings travel over them, which controls put it into update mode, and
// the few facts that hold for single products. Code that must treat products differently asks
// here instead of keeping a list of ids of its own.
#include <cstdint>
#include <span>

namespace device {

// How a product of the maker's HID families is reached.
enum class HidFamily : uint8_t {
  None,             // not a HID product: reached through its persistent store
  DualInterface,    // first and second vendor interface of its own product id
  Pair,             // two modules, HID_PAIR_PRODUCT and HID_PAIR_SECOND_PRODUCT
  Module,           // first interface plus a module seen as HID_MODULE_PRODUCT
  SingleInterface,
};

// Which parameters a HID product keeps and how they are written.
enum class HidSettingsForm : uint8_t {
  None,                  // not a HID product, or one outside the table
  NoParameters,          // a HID product without parameters
  DualInterface,         // basic words and FM on the second interface, speed dials on the first
  WordBank,              // a few basic words
  PlainFeatureWord,      // the feature word, FM and speed dials
  CommitVoxSmartVolume,  // the commit products: each parameter loaded before a read and
  CommitWithFm,          //   committed after a write
  CommitShortFm,
  CommitAltVox,
};

// The controls held down to enter update mode, named in the update instructions.
enum class UpdateModeControls : uint8_t {
  PhoneJogDial,  // every product without a row of its own
  MinusButton,
  CenterButton,
  MinusOrCenterPlus,
  LeftRight,
  PttPairing,
  MinusOrJogDial,
};

enum ProductFlag : unsigned {
  kNoSettingsPages = 1u << 0,    // the wizard offers no settings page
  kFourNumberVersion = 1u << 1,  // firmware version A.B.C.D with type and secondary first
  kWaitsAfterOk = 1u << 2,       // the OK that follows a firmware step waits ten seconds
  kCameraCard = 1u << 3,         // recognition checks its memory card for the marker file
  kSpeedDialsOnly = 1u << 4,     // its only settings page is the speed dials
  kCameraFirmwareCopy = 1u << 5,      // its image's third section is copied to the camera's drive
  kFinishWithoutReadyPoll = 1u << 6,  // its HID update finishes without asking whether it is ready
  kOneMainDeviceSection = 1u << 7,    // its module image has one main-device section, not two
};

struct ProductTraits {
  int productId;
  HidFamily hidFamily;
  HidSettingsForm hidSettings;
  UpdateModeControls updateModeControls;
  unsigned flags;
};

std::span<const ProductTraits> ProductTraitsTable();

// nullptr for a product without a row.
const ProductTraits* FindProductTraits(int productId);

// HidFamily::None for a product without a row.
HidFamily HidFamilyOf(int productId);
HidSettingsForm HidSettingsFormOf(int productId);
UpdateModeControls UpdateModeControlsOf(int productId);
bool HasProductFlag(int productId, unsigned flag);

inline bool IsHidProduct(int productId) { return HidFamilyOf(productId) != HidFamily::None; }
// Products whose HID version the device panel shows from the first interface.
inline bool ShowsFirstInterfaceVersion(int productId) {
  const HidFamily family = HidFamilyOf(productId);
  return family == HidFamily::DualInterface || family == HidFamily::Module;
}
inline bool HasTwoHidInterfaces(int productId) { return HidFamilyOf(productId) == HidFamily::DualInterface; }
// The firmware transfer threads of the HID products wait for the user's OK themselves.
inline bool TransferWaitsForOkItself(int productId) { return IsHidProduct(productId); }
inline bool IsCommitProduct(int productId) {
  const HidSettingsForm form = HidSettingsFormOf(productId);
  return form == HidSettingsForm::CommitVoxSmartVolume || form == HidSettingsForm::CommitWithFm ||
         form == HidSettingsForm::CommitShortFm || form == HidSettingsForm::CommitAltVox;
}

// USB products that are interfaces of a product rather than products of their own: the second
// module of the pair product, the module of the module products, and a pair module whose
// Bluetooth part waits in DFU mode.
inline constexpr int HID_PAIR_PRODUCT = 0x5345;
inline constexpr int HID_PAIR_SECOND_PRODUCT = 0x5346;
inline constexpr int HID_MODULE_PRODUCT = 0x3120;
inline constexpr int HID_DFU_PRODUCT = 0xD340;

inline bool IsHidPairProduct(int productId) {
  return productId == HID_PAIR_PRODUCT || productId == HID_PAIR_SECOND_PRODUCT;
}

// Single products the program names.
inline constexpr int EDITION_PRODUCT = 0x4D10;  // this edition's device target, whatever the selection shows
inline constexpr int PIRVA_PRODUCT = 0x4010;    // selected as the edition's product

}  // namespace device
