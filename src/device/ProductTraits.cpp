#include "device/ProductTraits.h"

namespace device {

namespace {

using Hold = UpdateModeControls;

// One row per named product, in product id order.
constexpr ProductTraits kTraits[] = {
    {0x2010, HidFamily::None, HidSettingsForm::None, Hold::MinusButton, 0},
    {0x2011, HidFamily::None, HidSettingsForm::None, Hold::MinusButton, 0},
    {0x2020, HidFamily::None, HidSettingsForm::None, Hold::CenterButton, 0},
    {0x2030, HidFamily::DualInterface, HidSettingsForm::DualInterface, Hold::PhoneJogDial, 0},
    {0x2110, HidFamily::None, HidSettingsForm::None, Hold::MinusButton, 0},
    {0x2210, HidFamily::None, HidSettingsForm::None, Hold::MinusButton, 0},
    {0x2310, HidFamily::None, HidSettingsForm::None, Hold::MinusButton, 0},
    {0x3010, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, kNoSettingsPages},
    {0x3020, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 
     kNoSettingsPages | kFourNumberVersion | kWaitsAfterOk | kCameraCard},
    {0x3030, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::MinusButton, 0},
    {0x3040, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::MinusButton, 0},
    {0x3050, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::MinusButton, kFinishWithoutReadyPoll},
    {0x3060, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::PhoneJogDial,
     kCameraFirmwareCopy | kFinishWithoutReadyPoll},
    {0x3110, HidFamily::Module, HidSettingsForm::WordBank, Hold::PhoneJogDial, 0},
    {0x3112, HidFamily::Module, HidSettingsForm::WordBank, Hold::PhoneJogDial, 0},
    {0x3114, HidFamily::Module, HidSettingsForm::WordBank, Hold::PhoneJogDial, 0},
    {0x3116, HidFamily::Module, HidSettingsForm::WordBank, Hold::PhoneJogDial, 0},
    {0x3118, HidFamily::Module, HidSettingsForm::WordBank, Hold::PhoneJogDial, 0},
    {0x3124, HidFamily::Module, HidSettingsForm::WordBank, Hold::PhoneJogDial, 0},
    {0x3126, HidFamily::Module, HidSettingsForm::WordBank, Hold::PhoneJogDial, 0},
    {0x3500, HidFamily::Module, HidSettingsForm::NoParameters, Hold::PhoneJogDial,
     kNoSettingsPages | kOneMainDeviceSection},
    {0x4010, HidFamily::None, HidSettingsForm::None, Hold::MinusButton, 0},
    {0x4020, HidFamily::None, HidSettingsForm::None, Hold::MinusButton, 0},
    {0x4021, HidFamily::None, HidSettingsForm::None, Hold::MinusButton, 0},
    {0x4030, HidFamily::None, HidSettingsForm::None, Hold::MinusButton, 0},
    {0x4040, HidFamily::None, HidSettingsForm::None, Hold::LeftRight, 0},
    {0x4110, HidFamily::None, HidSettingsForm::None, Hold::CenterButton, 0},
    {0x4111, HidFamily::None, HidSettingsForm::None, Hold::CenterButton, kSpeedDialsOnly},
    {0x4120, HidFamily::None, HidSettingsForm::None, Hold::CenterButton, 0},
    {0x4210, HidFamily::DualInterface, HidSettingsForm::DualInterface, Hold::PhoneJogDial, 0},
    {0x4310, HidFamily::DualInterface, HidSettingsForm::DualInterface, Hold::PhoneJogDial, 0},
    {0x4330, HidFamily::DualInterface, HidSettingsForm::DualInterface, Hold::PhoneJogDial, 0},
    {0x4350, HidFamily::DualInterface, HidSettingsForm::DualInterface, Hold::PhoneJogDial, 0},
    {0x4410, HidFamily::DualInterface, HidSettingsForm::DualInterface, Hold::PhoneJogDial, 0},
    {0x4430, HidFamily::DualInterface, HidSettingsForm::DualInterface, Hold::PhoneJogDial, 0},
    {0x4510, HidFamily::DualInterface, HidSettingsForm::DualInterface, Hold::PhoneJogDial, 0},
    {0x4530, HidFamily::DualInterface, HidSettingsForm::DualInterface, Hold::PhoneJogDial, 0},
    {0x4D05, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x4D10, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x4D15, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x4D20, HidFamily::None, HidSettingsForm::None, Hold::CenterButton, 0},
    {0x4D21, HidFamily::None, HidSettingsForm::None, Hold::CenterButton, 0},
    {0x4D30, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x4D35, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x4D40, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x4D45, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x4D50, HidFamily::None, HidSettingsForm::None, Hold::CenterButton, 0},
    {0x4D55, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x4D65, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x4D75, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x4D85, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x5010, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x5011, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x5020, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x5030, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x5040, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x5050, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x5060, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x5061, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x5070, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x5080, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x5210, HidFamily::None, HidSettingsForm::None, Hold::PttPairing, 0},
    {0x5310, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, kNoSettingsPages},
    {0x5320, HidFamily::SingleInterface, HidSettingsForm::NoParameters, Hold::PhoneJogDial, kNoSettingsPages},
    {0x5330, HidFamily::SingleInterface, HidSettingsForm::NoParameters, Hold::PhoneJogDial, kNoSettingsPages},
    {0x5345, HidFamily::Pair, HidSettingsForm::NoParameters, Hold::PhoneJogDial, kNoSettingsPages},
    {0x5410, HidFamily::SingleInterface, HidSettingsForm::CommitVoxSmartVolume, Hold::PhoneJogDial, 0},
    {0x5412, HidFamily::SingleInterface, HidSettingsForm::CommitWithFm, Hold::PhoneJogDial, 0},
    {0x5414, HidFamily::SingleInterface, HidSettingsForm::CommitWithFm, Hold::PhoneJogDial, 0},
    {0x5416, HidFamily::SingleInterface, HidSettingsForm::CommitWithFm, Hold::PhoneJogDial, 0},
    {0x5418, HidFamily::SingleInterface, HidSettingsForm::CommitWithFm, Hold::PhoneJogDial, 0},
    {0x5420, HidFamily::SingleInterface, HidSettingsForm::CommitWithFm, Hold::PhoneJogDial, 0},
    {0x5510, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::PhoneJogDial, kCameraFirmwareCopy},
    {0x5520, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::MinusOrCenterPlus, 0},
    {0x5522, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::MinusButton, 0},
    {0x5524, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::MinusButton, 0},
    {0x5526, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::MinusOrCenterPlus, 0},
    {0x5530, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::PhoneJogDial, 0},
    {0x5532, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::PhoneJogDial, 0},
    {0x5536, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::MinusButton, 0},
    {0x5550, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::PhoneJogDial, 0},
    {0x5560, HidFamily::SingleInterface, HidSettingsForm::CommitVoxSmartVolume, Hold::MinusOrJogDial, 0},
    {0x5570, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::PhoneJogDial,
     kCameraFirmwareCopy | kFinishWithoutReadyPoll},
    {0x5580, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::PhoneJogDial, kCameraFirmwareCopy},
    {0x5610, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::MinusButton, 0},
    {0x5611, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::MinusButton, 0},
    {0x5612, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::MinusButton, 0},
    {0x5620, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::MinusButton, 0},
    {0x5621, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::MinusButton, 0},
    {0x5622, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::MinusButton, 0},
    {0x5623, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::MinusButton, 0},
    {0x5624, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::MinusButton, 0},
    {0x5710, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::PhoneJogDial, 0},
    {0x5720, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::MinusOrCenterPlus,
     kFinishWithoutReadyPoll},
    {0x5910, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::MinusOrCenterPlus, 0},
    {0x5920, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::MinusOrCenterPlus, 0},
    {0x6010, HidFamily::SingleInterface, HidSettingsForm::CommitShortFm, Hold::PhoneJogDial, 0},
    {0x6012, HidFamily::SingleInterface, HidSettingsForm::CommitShortFm, Hold::PhoneJogDial, 0},
    {0x6014, HidFamily::SingleInterface, HidSettingsForm::CommitShortFm, Hold::PhoneJogDial, 0},
    {0x6016, HidFamily::SingleInterface, HidSettingsForm::CommitShortFm, Hold::PhoneJogDial, 0},
    {0x6018, HidFamily::SingleInterface, HidSettingsForm::CommitShortFm, Hold::PhoneJogDial, 0},
    {0x6020, HidFamily::SingleInterface, HidSettingsForm::CommitAltVox, Hold::PhoneJogDial, 0},
    {0x6022, HidFamily::SingleInterface, HidSettingsForm::CommitAltVox, Hold::PhoneJogDial, 0},
    {0x6024, HidFamily::SingleInterface, HidSettingsForm::CommitAltVox, Hold::PhoneJogDial, 0},
    {0x6026, HidFamily::SingleInterface, HidSettingsForm::CommitShortFm, Hold::PhoneJogDial, 0},
    {0x6110, HidFamily::None, HidSettingsForm::None, Hold::CenterButton, 0},
    {0x6111, HidFamily::None, HidSettingsForm::None, Hold::CenterButton, 0},
    {0x6120, HidFamily::None, HidSettingsForm::None, Hold::CenterButton, 0},
    {0x6121, HidFamily::None, HidSettingsForm::None, Hold::CenterButton, 0},
    {0x6210, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::MinusButton, 0},
    {0x6400, HidFamily::SingleInterface, HidSettingsForm::PlainFeatureWord, Hold::PhoneJogDial,
     kFinishWithoutReadyPoll},
    {0x6420, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
    {0x6430, HidFamily::None, HidSettingsForm::None, Hold::PhoneJogDial, 0},
};

}  // namespace

std::span<const ProductTraits> ProductTraitsTable() { return kTraits; }

const ProductTraits* FindProductTraits(int productId) {
  for (const ProductTraits& row : kTraits) {
    if (row.productId == productId) return &row;
  }
  return nullptr;
}

HidFamily HidFamilyOf(int productId) {
  const ProductTraits* row = FindProductTraits(productId);
  return row ? row->hidFamily : HidFamily::None;
}

HidSettingsForm HidSettingsFormOf(int productId) {
  const ProductTraits* row = FindProductTraits(productId);
  return row ? row->hidSettings : HidSettingsForm::None;
}

UpdateModeControls UpdateModeControlsOf(int productId) {
  const ProductTraits* row = FindProductTraits(productId);
  return row ? row->updateModeControls : UpdateModeControls::PhoneJogDial;
}

bool HasProductFlag(int productId, unsigned flag) {
  const ProductTraits* row = FindProductTraits(productId);
  return row && (row->flags & flag) != 0;
}

}  // namespace device
