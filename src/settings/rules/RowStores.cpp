#include "settings/rules/RowStores.h"

#include <array>
#include <cstddef>

namespace settings::rules {

namespace {

using device::CDeviceSettings;
using enum RowKind;

using Store = void (*)(CDeviceSettings&, int);

struct KindStore {
  RowKind kind;
  Store store;              // null for the word-bank bits: their word and mask are the kind's source
  GreyRule rowsFollowing;  // the rows this kind's setting greys or un-greys
};

constexpr GreyRule kNoRows = GreyRule::kNone;

// clang-format off
constexpr std::array<KindStore, kRowKindCount> kStores = {{
    {ROW_VOX_PHONE_FLAG, [](CDeviceSettings& s, int v) { s.m_bHandsfreeVox = v != 0; }, kNoRows},
    {ROW_VOX_INTERCOM_FLAG, [](CDeviceSettings& s, int v) { s.m_bIntercomVox = v != 0; }, kNoRows},
    {ROW_VOICE_PROMPT_FLAG, [](CDeviceSettings& s, int v) { s.m_bVoicePromptOff = v != 0; }, kNoRows},
    {ROW_HQ_A2DP_FLAG, [](CDeviceSettings& s, int v) { s.m_bBitpoolRate = v != 0; }, kNoRows},
    {ROW_SIDETONE_FLAG, [](CDeviceSettings& s, int v) { s.m_bSidetone = v != 0; }, kNoRows},
    {ROW_NOISE_CONTROL_FLAG, [](CDeviceSettings& s, int v) { s.m_bNoiseControlOff = v != 0; }, kNoRows},
    {ROW_AUDIO_BOOST_FLAG, [](CDeviceSettings& s, int v) { s.m_bAudioBoostOff = v; }, kNoRows},
    {ROW_HD_INTERCOM_FLAG, [](CDeviceSettings& s, int v) { s.m_bHdIntercom = v; }, kNoRows},
    {ROW_FM_STATION_GUIDE_FLAG, [](CDeviceSettings& s, int v) { s.m_bFmStationGuide = v; }, kNoRows},
    {ROW_HD_VOICE_FLAG, [](CDeviceSettings& s, int v) { s.m_bHdVoice = v; }, kNoRows},
    {ROW_AUDIO_SOURCE_PRIORITY_FLAG, [](CDeviceSettings& s, int v) { s.m_nAudioSourcePriority = v; }, kNoRows},
    {ROW_AUDIO_BLEND_FLAG, [](CDeviceSettings& s, int v) { s.m_bAudioBlend = v; }, GreyRule::kWhileAudioBlendOn},
    {ROW_CONCURRENT_AUDIO_FLAG, [](CDeviceSettings& s, int v) { s.m_bAudioBlend = v; }, GreyRule::kWhileAudioBlendOn},
    {ROW_SMART_NAVI_FLAG, [](CDeviceSettings& s, int v) { s.m_bSmartNaviSystem = v; }, kNoRows},
    {ROW_VOX_SENSITIVITY_LEVELS, [](CDeviceSettings& s, int v) { s.SetVoxSensitivity(v); }, kNoRows},
    {ROW_VOX_SENSITIVITY_LMH, [](CDeviceSettings& s, int v) { s.SetVoxSensitivity(v); }, kNoRows},
    {ROW_SMART_VOLUME_FLAG, [](CDeviceSettings& s, int v) { s.SetSmartVolumeControl(v); }, kNoRows},

    {ROW_VOX_PHONE_DUAL, [](CDeviceSettings& s, int v) { s.SetVoxPhone(v); }, kNoRows},
    {ROW_SIDETONE_DUAL, [](CDeviceSettings& s, int v) { s.SetSidetone(v); }, kNoRows},
    {ROW_CONCURRENT_AUDIO_DUAL, [](CDeviceSettings& s, int v) { s.SetConcurrentAudio(v); },
     GreyRule::kWhileConcurrentAudioOff},
    {ROW_AUDIO_BLEND_SENSITIVITY_DUAL, [](CDeviceSettings& s, int v) { s.SetAudioBlendSensitivity(v); }, kNoRows},
    {ROW_MOTION_SENSITIVITY_DUAL, [](CDeviceSettings& s, int v) { s.SetMotionSensitivity(v); }, kNoRows},
    {ROW_NAVIGATION_APP_DUAL, [](CDeviceSettings& s, int v) { s.SetNavigationAppSupport(v); }, kNoRows},
    {ROW_AUDIO_BLEND_VOLUME_DUAL, [](CDeviceSettings& s, int v) { s.SetNavigationAppSupport(v); }, kNoRows},
    {ROW_HD_INTERCOM_DUAL, [](CDeviceSettings& s, int v) { s.SetHdIntercom(v); }, kNoRows},
    {ROW_EIGHT_WAY_DUAL, [](CDeviceSettings& s, int v) { s.SetEightWayIntercom(v); }, kNoRows},
    {ROW_VOICE_PROMPT_DUAL, [](CDeviceSettings& s, int v) { s.SetVoicePrompt(v); }, kNoRows},
    {ROW_NOISE_CONTROL_DUAL, [](CDeviceSettings& s, int v) { s.SetAmbientNoiseControl(v); }, kNoRows},
    {ROW_AUDIO_BOOST_DUAL, [](CDeviceSettings& s, int v) { s.SetAudioBoost(v); }, kNoRows},
    {ROW_FM_STATION_GUIDE_DUAL, [](CDeviceSettings& s, int v) { s.SetFmStationGuide(v); }, kNoRows},
    {ROW_SMART_VOLUME_DUAL, [](CDeviceSettings& s, int v) { s.SetSmartVolumeBits(v); }, kNoRows},
    {ROW_VOICE_COMMAND_DUAL, [](CDeviceSettings& s, int v) { s.SetVoiceCommand(v); }, kNoRows},

    {ROW_VOX_PHONE_BANK, nullptr, kNoRows},
    {ROW_VOX_INTERCOM_BANK, nullptr, kNoRows},
    {ROW_VOICE_PROMPT_BANK, nullptr, kNoRows},
    {ROW_HQ_A2DP_BANK, nullptr, kNoRows},
    {ROW_SIDETONE_BANK, nullptr, kNoRows},
    {ROW_NOISE_CONTROL_BANK, nullptr, kNoRows},
    {ROW_AUDIO_BOOST_BANK, nullptr, kNoRows},
    {ROW_HD_INTERCOM_BANK, nullptr, kNoRows},
    {ROW_FM_STATION_GUIDE_BANK, nullptr, kNoRows},
    {ROW_GUEST_MODE_BANK, nullptr, kNoRows},
    {ROW_AUDIO_BLEND_VOLUME_BANK, nullptr, kNoRows},
    {ROW_VOICE_COMMAND_BANK, nullptr, kNoRows},
    {ROW_INTERCOM_CONCURRENT_AUDIO_BANK, nullptr, GreyRule::kWhileIntercomConcurrentAudioBit},
    {ROW_VOX_SENSITIVITY_BANK, [](CDeviceSettings& s, int v) { s.SetVoxSensitivityLevel(v); }, kNoRows},
    {ROW_SMART_VOLUME_BANK, [](CDeviceSettings& s, int v) { s.SetSmartVolumeLevel(v); }, kNoRows},
    {ROW_AUDIO_BLEND_SENSITIVITY_BANK, [](CDeviceSettings& s, int v) { s.SetAudioBlendSensitivityLevel(v); },
     kNoRows},
    {ROW_UNIT_LANGUAGE, [](CDeviceSettings& s, int v) { s.SetUnitLanguage(v); }, kNoRows},

    {ROW_PHOTO_MODE, [](CDeviceSettings& s, int v) { s.SetPhotoMode(v); }, kNoRows},
    {ROW_VIDEO_MODE_TWO, [](CDeviceSettings& s, int v) { s.SetVideoMode(v); }, kNoRows},
    {ROW_VIDEO_MODE_THREE, [](CDeviceSettings& s, int v) { s.SetVideoMode(v); }, kNoRows},
    {ROW_VIDEO_RESOLUTION, [](CDeviceSettings& s, int v) { s.SetVideoResolution(v); }, kNoRows},
    {ROW_TIMELAPSE_INTERVAL, [](CDeviceSettings& s, int v) { s.SetTimelapseInterval(v); }, kNoRows},
    {ROW_VIDEO_TAGGING_INTERVAL, [](CDeviceSettings& s, int v) { s.SetVideoTaggingInterval(v); }, kNoRows},
    {ROW_LOOP_RECORDING_INTERVAL, [](CDeviceSettings& s, int v) { s.SetLoopRecordingInterval(v); }, kNoRows},
    {ROW_VIDEO_MIC_GAIN, [](CDeviceSettings& s, int v) { s.SetVideoMicrophoneGain(v); }, kNoRows},
    {ROW_DATE_CAPTION, [](CDeviceSettings& s, int v) { s.SetDateCaption(v); }, kNoRows},
    {ROW_SPEAKER_SOUND_RECORDING, [](CDeviceSettings& s, int v) { s.SetSpeakerSoundRecording(v); },
     GreyRule::kWhileSpeakerRecordingOff},
    {ROW_RECORD_MUSIC, [](CDeviceSettings& s, int v) { s.SetRecordMusic(v); }, GreyRule::kWhileSpeakerRecordingOff},
    {ROW_RECORD_FM_RADIO, [](CDeviceSettings& s, int v) { s.SetRecordFmRadio(v); },
     GreyRule::kWhileSpeakerRecordingOff},
    {ROW_RECORD_INTERCOM, [](CDeviceSettings& s, int v) { s.SetRecordIntercom(v); },
     GreyRule::kWhileSpeakerRecordingOff},
    {ROW_RECORD_PHONE, [](CDeviceSettings& s, int v) { s.SetRecordPhone(v); }, GreyRule::kWhileSpeakerRecordingOff},
    {ROW_AUTO_CAMERA_SLEEP, [](CDeviceSettings& s, int v) { s.SetAutoCameraSleep(v); }, kNoRows},

    {ROW_ESS_STATUS, [](CDeviceSettings& s, int v) { s.SetEssStatus(v); }, kNoRows},
    {ROW_ESS_SENSITIVITY, [](CDeviceSettings& s, int v) { s.SetEssSensitivity(v); }, kNoRows},
}};
// clang-format on

consteval bool StoresFollowTheEnum() {
  for (std::size_t i = 0; i < kStores.size(); ++i) {
    if (static_cast<std::size_t>(kStores[i].kind) != i) return false;
  }
  return true;
}
static_assert(StoresFollowTheEnum(), "the store table is indexed by the kind's enum value");

const KindStore* StoreOf(RowKind kind) {
  const auto index = static_cast<std::size_t>(kind);
  return index < kStores.size() ? &kStores[index] : nullptr;
}

}  // namespace

bool StoreCheckState(RowKind kind, bool disableShown, CDeviceSettings& record) {
  const KindStore* store = StoreOf(kind);
  const RowKindInfo& info = KindInfo(kind);
  if (!store || info.cell != CellKind::kCheckBox) return false;
  const bool set = info.mapping == Mapping::kDisableWhenSet ? disableShown : !disableShown;
  if (info.source.kind == SourceKind::kWordBit) {
    // The settings are the low 16 bits; the rest of the word is kept as read.
    int& word = record.m_anBasicSetting[static_cast<std::size_t>(info.source.word)];
    word = set ? (word | info.source.mask) : (word & ~info.source.mask);
    return true;
  }
  if (!store->store) return false;
  store->store(record, set ? 1 : 0);
  return true;
}

bool StoreOption(RowKind kind, int index, CDeviceSettings& record) {
  const KindStore* store = StoreOf(kind);
  const RowKindInfo& info = KindInfo(kind);
  if (!store || !store->store || info.cell != CellKind::kDropDown || !info.options) return false;
  if (index < 0 || static_cast<std::size_t>(index) >= info.options->texts.size()) return false;
  int value = index;
  switch (info.mapping) {
    case Mapping::kIndexIsValue:
      break;
    case Mapping::kIndexIsValueMinusOne:
      value = index + 1;
      break;
    case Mapping::kIndexIsTenMinusValue:
      value = 10 - index;
      break;
    case Mapping::kEnableWhenSet:
    case Mapping::kDisableWhenSet:
      return false;
  }
  store->store(record, value);
  return true;
}

GreyRule RuleFollowing(RowKind kind) {
  const KindStore* store = StoreOf(kind);
  return store ? store->rowsFollowing : GreyRule::kNone;
}

}  // namespace settings::rules
