// The 66 row kinds. A setting shown by several record families has one kind per family, since
// each family keeps it elsewhere and some store the switched-off state.
#include <array>
#include <cstddef>

#include "settings/catalogue/OptionSets.h"
#include "settings/catalogue/RowKind.h"

namespace settings {

namespace {

using device::CDeviceSettings;
using enum RowKind;
using text::VocabularyRow;
namespace o = options;

constexpr ValueSource Accessor(int (*read)(const CDeviceSettings&), std::string_view what) {
  return {SourceKind::kAccessor, read, what};
}
constexpr ValueSource Member(int (*read)(const CDeviceSettings&), std::string_view what) {
  return {SourceKind::kMember, read, what};
}

template <int Word, int Mask>
int ReadWordBit(const CDeviceSettings& s) {
  return s.m_anBasicSetting[Word] & 0xFFFF & Mask;
}
template <int Word, int Mask>
constexpr ValueSource WordBit(std::string_view what) {
  return {SourceKind::kWordBit, &ReadWordBit<Word, Mask>, what, Word, Mask};
}

constexpr RowKindInfo Check(RowKind kind, std::string_view name, const VocabularyRow& label,
                            ValueSource source, Mapping mapping = Mapping::kEnableWhenSet,
                            GreyRule rule = GreyRule::kNone, bool help = true) {
  return {kind, name, &label, CellKind::kCheckBox, source, mapping, nullptr, rule, help};
}
constexpr RowKindInfo Choice(RowKind kind, std::string_view name, const VocabularyRow& label,
                             ValueSource source, Mapping mapping, const OptionSet& options,
                             GreyRule rule = GreyRule::kNone) {
  return {kind, name, &label, CellKind::kDropDown, source, mapping, &options, rule, true};
}

constexpr Mapping kOff = Mapping::kDisableWhenSet;
constexpr Mapping kOn = Mapping::kEnableWhenSet;
constexpr Mapping kIndex = Mapping::kIndexIsValue;
constexpr Mapping kFromOne = Mapping::kIndexIsValueMinusOne;
constexpr GreyRule kRule1 = GreyRule::kWhileConcurrentAudioOff;
constexpr GreyRule kRule2 = GreyRule::kWhileAudioBlendOn;
constexpr GreyRule kRule3 = GreyRule::kWhileSpeakerRecordingOff;
constexpr GreyRule kRule4 = GreyRule::kWhileIntercomConcurrentAudioBit;

#define CORVALE_ROW(kind) kind, #kind

// clang-format off
constexpr std::array<RowKindInfo, kRowKindCount> kRowKinds = {{
    // Feature-word family: on/off members and whole words 14 to 24.
    Check(CORVALE_ROW(ROW_VOX_PHONE_FLAG), text::g_strVoxPhone,
          Member([](const CDeviceSettings& s) { return int{s.m_bHandsfreeVox}; }, "m_bHandsfreeVox")),
    Check(CORVALE_ROW(ROW_VOX_INTERCOM_FLAG), text::g_strVoxIntercom,
          Member([](const CDeviceSettings& s) { return int{s.m_bIntercomVox}; }, "m_bIntercomVox")),
    Check(CORVALE_ROW(ROW_VOICE_PROMPT_FLAG), text::g_strVoicePrompt,
          Member([](const CDeviceSettings& s) { return int{s.m_bVoicePromptOff}; }, "m_bVoicePromptOff"), kOff),
    Check(CORVALE_ROW(ROW_HQ_A2DP_FLAG), text::g_strHighQualityA2dp,
          Member([](const CDeviceSettings& s) { return int{s.m_bBitpoolRate}; }, "m_bBitpoolRate")),
    Check(CORVALE_ROW(ROW_SIDETONE_FLAG), text::g_strSidetone,
          Member([](const CDeviceSettings& s) { return int{s.m_bSidetone}; }, "m_bSidetone")),
    Check(CORVALE_ROW(ROW_NOISE_CONTROL_FLAG), text::g_strAmbientNoise,
          Member([](const CDeviceSettings& s) { return int{s.m_bNoiseControlOff}; }, "m_bNoiseControlOff"), kOff),
    Check(CORVALE_ROW(ROW_AUDIO_BOOST_FLAG), text::g_strAudioBoost,
          Member([](const CDeviceSettings& s) { return s.m_bAudioBoostOff; }, "m_bAudioBoostOff"), kOff),
    Check(CORVALE_ROW(ROW_HD_INTERCOM_FLAG), text::g_strHdIntercom,
          Member([](const CDeviceSettings& s) { return s.m_bHdIntercom; }, "m_bHdIntercom"), kOn, kRule2),
    Check(CORVALE_ROW(ROW_FM_STATION_GUIDE_FLAG), text::g_strFmStationGuide,
          Member([](const CDeviceSettings& s) { return s.m_bFmStationGuide; }, "m_bFmStationGuide")),
    Check(CORVALE_ROW(ROW_HD_VOICE_FLAG), text::g_strHdVoice,
          Member([](const CDeviceSettings& s) { return s.m_bHdVoice; }, "m_bHdVoice"), kOn, kRule2),
    Choice(CORVALE_ROW(ROW_AUDIO_SOURCE_PRIORITY_FLAG), text::g_strAudioSourcePriority,
           Member([](const CDeviceSettings& s) { return s.m_nAudioSourcePriority; }, "m_nAudioSourcePriority"),
           kIndex, o::kSourcePriority, kRule2),
    Check(CORVALE_ROW(ROW_AUDIO_BLEND_FLAG), text::g_strAudioBlend,
          Member([](const CDeviceSettings& s) { return s.m_bAudioBlend; }, "m_bAudioBlend")),
    Check(CORVALE_ROW(ROW_CONCURRENT_AUDIO_FLAG), text::g_strConcurrentAudio,
          Member([](const CDeviceSettings& s) { return s.m_bAudioBlend; }, "m_bAudioBlend")),
    Check(CORVALE_ROW(ROW_SMART_NAVI_FLAG), text::g_strSmartNaviSystem,
          Member([](const CDeviceSettings& s) { return s.m_bSmartNaviSystem; }, "m_bSmartNaviSystem")),
    Choice(CORVALE_ROW(ROW_VOX_SENSITIVITY_LEVELS), text::g_strVoxSensitivity,
           Accessor([](const CDeviceSettings& s) { return s.GetVoxSensitivity(); }, "GetVoxSensitivity"),
           kFromOne, o::kFiveLevels),
    Choice(CORVALE_ROW(ROW_VOX_SENSITIVITY_LMH), text::g_strVoxSensitivity,
           Accessor([](const CDeviceSettings& s) { return s.GetVoxSensitivity(); }, "GetVoxSensitivity"),
           kFromOne, o::kLowMediumHigh),
    Choice(CORVALE_ROW(ROW_SMART_VOLUME_FLAG), text::g_strSmartVolumeControl,
           Accessor([](const CDeviceSettings& s) { return s.GetSmartVolumeControl(); }, "GetSmartVolumeControl"),
           kIndex, o::kOffLowMediumHigh),

    // Dual-interface family: bit fields of word 2, words 0 and 3 whole, all through accessors.
    Check(CORVALE_ROW(ROW_VOX_PHONE_DUAL), text::g_strVoxPhone,
          Accessor([](const CDeviceSettings& s) { return s.GetVoxPhone(); }, "GetVoxPhone")),
    Check(CORVALE_ROW(ROW_SIDETONE_DUAL), text::g_strSidetone,
          Accessor([](const CDeviceSettings& s) { return s.GetSidetone(); }, "GetSidetone")),
    Check(CORVALE_ROW(ROW_CONCURRENT_AUDIO_DUAL), text::g_strConcurrentAudio,
          Accessor([](const CDeviceSettings& s) { return s.GetConcurrentAudio(); }, "GetConcurrentAudio")),
    Choice(CORVALE_ROW(ROW_AUDIO_BLEND_SENSITIVITY_DUAL), text::g_strAudioBlendSensitivity,
           Accessor([](const CDeviceSettings& s) { return s.GetAudioBlendSensitivity(); }, "GetAudioBlendSensitivity"),
           Mapping::kIndexIsTenMinusValue, o::kTenLevels, kRule1),
    Choice(CORVALE_ROW(ROW_MOTION_SENSITIVITY_DUAL), text::g_strMotionSensorSensitivity,
           Accessor([](const CDeviceSettings& s) { return s.GetMotionSensitivity(); }, "GetMotionSensitivity"),
           kFromOne, o::kOffLowHigh),
    Check(CORVALE_ROW(ROW_NAVIGATION_APP_DUAL), text::g_strNavigationAppSupport,
          Accessor([](const CDeviceSettings& s) { return s.GetNavigationAppSupport(); }, "GetNavigationAppSupport"),
          kOn, kRule1),
    Check(CORVALE_ROW(ROW_AUDIO_BLEND_VOLUME_DUAL), text::g_strAudioBlendVolume,
          Accessor([](const CDeviceSettings& s) { return s.GetNavigationAppSupport(); }, "GetNavigationAppSupport"),
          kOn, kRule1),
    Check(CORVALE_ROW(ROW_HD_INTERCOM_DUAL), text::g_strHdIntercom,
          Accessor([](const CDeviceSettings& s) { return s.GetHdIntercom(); }, "GetHdIntercom")),
    Check(CORVALE_ROW(ROW_EIGHT_WAY_DUAL), text::g_strEightWayIntercom,
          Accessor([](const CDeviceSettings& s) { return s.GetEightWayIntercom(); }, "GetEightWayIntercom")),
    Check(CORVALE_ROW(ROW_VOICE_PROMPT_DUAL), text::g_strVoicePrompt,
          Accessor([](const CDeviceSettings& s) { return s.GetVoicePrompt(); }, "GetVoicePrompt")),
    Check(CORVALE_ROW(ROW_NOISE_CONTROL_DUAL), text::g_strAmbientNoise,
          Accessor([](const CDeviceSettings& s) { return s.GetAmbientNoiseControl(); }, "GetAmbientNoiseControl")),
    Check(CORVALE_ROW(ROW_AUDIO_BOOST_DUAL), text::g_strAudioBoost,
          Accessor([](const CDeviceSettings& s) { return s.GetAudioBoost(); }, "GetAudioBoost")),
    Check(CORVALE_ROW(ROW_FM_STATION_GUIDE_DUAL), text::g_strFmStationGuide,
          Accessor([](const CDeviceSettings& s) { return s.GetFmStationGuide(); }, "GetFmStationGuide")),
    Choice(CORVALE_ROW(ROW_SMART_VOLUME_DUAL), text::g_strSmartVolumeControl,
           Accessor([](const CDeviceSettings& s) { return s.GetSmartVolumeBits(); }, "GetSmartVolumeBits"),
           kIndex, o::kOffLowMediumHigh),
    Check(CORVALE_ROW(ROW_VOICE_COMMAND_DUAL), text::g_strVoiceCommand,
          Accessor([](const CDeviceSettings& s) { return s.GetVoiceCommand(); }, "GetVoiceCommand")),

    // Word-bank family: single bits of words 0 and 1, level fields of words 1 and 3.
    Check(CORVALE_ROW(ROW_VOX_PHONE_BANK), text::g_strVoxPhone, WordBit<0, 0x0001>("word 0 bit 0x0001")),
    Check(CORVALE_ROW(ROW_VOX_INTERCOM_BANK), text::g_strVoxIntercom, WordBit<0, 0x0002>("word 0 bit 0x0002")),
    Check(CORVALE_ROW(ROW_VOICE_PROMPT_BANK), text::g_strVoicePrompt, WordBit<0, 0x0008>("word 0 bit 0x0008"), kOff),
    Check(CORVALE_ROW(ROW_HQ_A2DP_BANK), text::g_strHighQualityA2dp, WordBit<0, 0x0020>("word 0 bit 0x0020")),
    Check(CORVALE_ROW(ROW_SIDETONE_BANK), text::g_strSidetone, WordBit<0, 0x0100>("word 0 bit 0x0100")),
    Check(CORVALE_ROW(ROW_NOISE_CONTROL_BANK), text::g_strAmbientNoise, WordBit<0, 0x0200>("word 0 bit 0x0200"), kOff),
    Check(CORVALE_ROW(ROW_AUDIO_BOOST_BANK), text::g_strAudioBoost, WordBit<0, 0x0400>("word 0 bit 0x0400"), kOff),
    Check(CORVALE_ROW(ROW_HD_INTERCOM_BANK), text::g_strHdIntercom, WordBit<0, 0x0800>("word 0 bit 0x0800"),
          kOn, kRule4),
    Check(CORVALE_ROW(ROW_FM_STATION_GUIDE_BANK), text::g_strFmStationGuide, WordBit<0, 0x1000>("word 0 bit 0x1000")),
    Check(CORVALE_ROW(ROW_GUEST_MODE_BANK), text::g_strGuestMode, WordBit<0, 0x8000>("word 0 bit 0x8000")),
    Check(CORVALE_ROW(ROW_AUDIO_BLEND_VOLUME_BANK), text::g_strAudioBlendVolume, WordBit<1, 0x0040>("word 1 bit 0x0040")),
    Check(CORVALE_ROW(ROW_VOICE_COMMAND_BANK), text::g_strVoiceCommand, WordBit<1, 0x0400>("word 1 bit 0x0400")),
    Check(CORVALE_ROW(ROW_INTERCOM_CONCURRENT_AUDIO_BANK), text::g_strIntercomConcurrentAudio,
          WordBit<1, 0x0800>("word 1 bit 0x0800")),
    Choice(CORVALE_ROW(ROW_VOX_SENSITIVITY_BANK), text::g_strVoxSensitivity,
           Accessor([](const CDeviceSettings& s) { return s.GetVoxSensitivityLevel(); }, "GetVoxSensitivityLevel"),
           kFromOne, o::kFiveLevels),
    Choice(CORVALE_ROW(ROW_SMART_VOLUME_BANK), text::g_strSmartVolumeControl,
           Accessor([](const CDeviceSettings& s) { return s.GetSmartVolumeLevel(); }, "GetSmartVolumeLevel"),
           kIndex, o::kOffLowMediumHigh),
    Choice(CORVALE_ROW(ROW_AUDIO_BLEND_SENSITIVITY_BANK), text::g_strAudioBlendSensitivity,
           Accessor([](const CDeviceSettings& s) { return s.GetAudioBlendSensitivityLevel(); },
                    "GetAudioBlendSensitivityLevel"),
           kFromOne, o::kFiveLevels),
    Choice(CORVALE_ROW(ROW_UNIT_LANGUAGE), text::g_strUnitLanguage,
           Accessor([](const CDeviceSettings& s) { return s.GetUnitLanguage(); }, "GetUnitLanguage"),
           kIndex, o::kDeviceLanguages),

    // The camera of the action-camera headset, words 10 and 12.
    Choice(CORVALE_ROW(ROW_PHOTO_MODE), text::g_strPhotoMode,
           Accessor([](const CDeviceSettings& s) { return s.GetPhotoMode(); }, "GetPhotoMode"), kIndex, o::kPhotoMode),
    Choice(CORVALE_ROW(ROW_VIDEO_MODE_TWO), text::g_strVideoMode,
           Accessor([](const CDeviceSettings& s) { return s.GetVideoMode(); }, "GetVideoMode"), kIndex, o::kVideoModeTwo),
    Choice(CORVALE_ROW(ROW_VIDEO_MODE_THREE), text::g_strVideoMode,
           Accessor([](const CDeviceSettings& s) { return s.GetVideoMode(); }, "GetVideoMode"), kIndex,
           o::kVideoModeThree),
    Choice(CORVALE_ROW(ROW_VIDEO_RESOLUTION), text::g_strVideoResolution,
           Accessor([](const CDeviceSettings& s) { return s.GetVideoResolution(); }, "GetVideoResolution"), kIndex,
           o::kVideoResolution),
    Choice(CORVALE_ROW(ROW_TIMELAPSE_INTERVAL), text::g_strTimelapseInterval,
           Accessor([](const CDeviceSettings& s) { return s.GetTimelapseInterval(); }, "GetTimelapseInterval"), kIndex,
           o::kTimelapseInterval),
    Choice(CORVALE_ROW(ROW_VIDEO_TAGGING_INTERVAL), text::g_strVideoTaggingInterval,
           Accessor([](const CDeviceSettings& s) { return s.GetVideoTaggingInterval(); }, "GetVideoTaggingInterval"),
           kIndex, o::kMinutes),
    Choice(CORVALE_ROW(ROW_LOOP_RECORDING_INTERVAL), text::g_strLoopRecordingInterval,
           Accessor([](const CDeviceSettings& s) { return s.GetLoopRecordingInterval(); }, "GetLoopRecordingInterval"),
           kIndex, o::kMinutes),
    Choice(CORVALE_ROW(ROW_VIDEO_MIC_GAIN), text::g_strVideoMicrophoneGain,
           Accessor([](const CDeviceSettings& s) { return s.GetVideoMicrophoneGain(); }, "GetVideoMicrophoneGain"),
           kIndex, o::kLowMediumHigh),
    Check(CORVALE_ROW(ROW_DATE_CAPTION), text::g_strDateCaption,
          Accessor([](const CDeviceSettings& s) { return s.GetDateCaption(); }, "GetDateCaption")),
    Check(CORVALE_ROW(ROW_SPEAKER_SOUND_RECORDING), text::g_strSpeakerSoundRecording,
          Accessor([](const CDeviceSettings& s) { return s.GetSpeakerSoundRecording(); }, "GetSpeakerSoundRecording")),
    // The recording sources are indented under "Speaker Sound Recording" and share its help.
    Check(CORVALE_ROW(ROW_RECORD_MUSIC), text::g_strSourceMusic,
          Accessor([](const CDeviceSettings& s) { return s.GetRecordMusic(); }, "GetRecordMusic"), kOn, kRule3, false),
    Check(CORVALE_ROW(ROW_RECORD_FM_RADIO), text::g_strSourceFmRadio,
          Accessor([](const CDeviceSettings& s) { return s.GetRecordFmRadio(); }, "GetRecordFmRadio"), kOn, kRule3,
          false),
    Check(CORVALE_ROW(ROW_RECORD_INTERCOM), text::g_strSourceIntercom,
          Accessor([](const CDeviceSettings& s) { return s.GetRecordIntercom(); }, "GetRecordIntercom"), kOn, kRule3,
          false),
    Check(CORVALE_ROW(ROW_RECORD_PHONE), text::g_strSourcePhone,
          Accessor([](const CDeviceSettings& s) { return s.GetRecordPhone(); }, "GetRecordPhone"), kOn, kRule3, false),
    Check(CORVALE_ROW(ROW_AUTO_CAMERA_SLEEP), text::g_strAutoCameraSleep,
          Accessor([](const CDeviceSettings& s) { return s.GetAutoCameraSleep(); }, "GetAutoCameraSleep")),

    // The emergency stop signal of the helmet line, word 2.
    Choice(CORVALE_ROW(ROW_ESS_STATUS), text::g_strEssStatus,
           Accessor([](const CDeviceSettings& s) { return s.GetEssStatus(); }, "GetEssStatus"), kIndex, o::kEssStatus),
    Choice(CORVALE_ROW(ROW_ESS_SENSITIVITY), text::g_strEssSensitivity,
           Accessor([](const CDeviceSettings& s) { return s.GetEssSensitivity(); }, "GetEssSensitivity"), kFromOne,
           o::kLowMediumHigh),
}};
// clang-format on

#undef CORVALE_ROW

consteval bool TableFollowsTheEnum() {
  for (std::size_t i = 0; i < kRowKinds.size(); ++i) {
    if (static_cast<std::size_t>(kRowKinds[i].kind) != i) return false;
  }
  return true;
}
static_assert(TableFollowsTheEnum(), "KindInfo indexes the table by the enum value");

}  // namespace

std::span<const RowKindInfo> AllRowKinds() { return kRowKinds; }

const RowKindInfo& KindInfo(RowKind kind) {
  const auto index = static_cast<std::size_t>(kind);
  return index < kRowKinds.size() ? kRowKinds[index] : kRowKinds[0];
}

std::optional<RowKind> FindRowKind(std::string_view name) {
  for (const RowKindInfo& info : kRowKinds) {
    if (info.name == name) return info.kind;
  }
  return std::nullopt;
}

}  // namespace settings
