#include "headset/bluecore/BasicSettingsKeys.h"

#include "device/ProductIds.h"
#include "device/PsKeys.h"
#include "headset/bluecore/PsKeyPort.h"
#include "headset/bluecore/PsSettingsTransfer.h"

namespace headset::bluecore {

namespace {

using device::ProductIds;

// VOX in keys of their own before firmware 4.0, in the feature word from then on.
constexpr ProductIds kVoxKeyModels = {0x4D10, 0x4D30, 0x4D40, 0x4D20, 0x4D50, 0x5010, 0x5060,
                                      0x5061, 0x5020, 0x5070, 0x5030, 0x5080, 0x5040, 0x5050};
constexpr ProductIds kFeatureWordModels = {0x4D21, 0x4D75, 0x5011, 0x4040, 0x2020, 0x6110, 0x6111, 0x6120,
                                           0x6121, 0x4110, 0x4111, 0x4120, 0x6420, 0x6430, 0x4D05, 0x4D35,
                                           0x4D55, 0x4D15, 0x4D45, 0x4D65, 0x4D85, 0x4020, 0x4021, 0x2310,
                                           0x2010, 0x2011, 0x2110, 0x2210, 0x4030, 0x4010};
constexpr int kRadioModel = 0x5210;

uint16_t Flag(bool on) { return on ? 1 : 0; }

}  // namespace

bool WriteBasicSettingsKeys(PsKeyPort& port, const device::CDeviceSettings& edited,
                            const device::CDeviceSettings& device) {
  const int model = device.m_nProductId;
  if (edited.m_bEdrOff != device.m_bEdrOff) {
    if (!port.Write(PSKEY_LOCAL_SUPPORTED_FEATURES, edited.m_bEdrOff ? EDR_OFF_FEATURES : EDR_ON_FEATURES)) {
      return false;
    }
  }
  const bool voxKeys = kVoxKeyModels.Contains(model) && device.CompareVersion(4, 0) < 0;
  if (voxKeys) {
    if (edited.m_bIntercomVox != device.m_bIntercomVox &&
        !port.WriteWords(PSKEY_VOX_INTERCOM, {Flag(edited.m_bIntercomVox)})) {
      return false;
    }
    if (edited.m_bHandsfreeVox != device.m_bHandsfreeVox &&
        !port.WriteWords(PSKEY_VOX_PHONE, {Flag(edited.m_bHandsfreeVox)})) {
      return false;
    }
  } else if (kVoxKeyModels.Contains(model) || kFeatureWordModels.Contains(model)) {
    const uint16_t word = edited.PackFeatureWord();
    if (word != device.PackFeatureWord() && !port.WriteWords(PSKEY_FEATURE_FLAGS, {word, 0})) return false;
  } else if (model == kRadioModel) {
    if (edited.m_nRadioTransmitGain != device.m_nRadioTransmitGain &&
        !port.WriteWords(PSKEY_RADIO_TRANSMIT_GAIN, {static_cast<uint16_t>(edited.m_nRadioTransmitGain)})) {
      return false;
    }
    if (edited.m_nAudioChannelTimeout != device.m_nAudioChannelTimeout &&
        !port.WriteWords(PSKEY_AUDIO_CHANNEL_TIMEOUT, {TimeoutMilliseconds(edited.m_nAudioChannelTimeout)})) {
      return false;
    }
  }
  return true;
}

}  // namespace headset::bluecore
