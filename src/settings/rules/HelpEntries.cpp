#include "settings/rules/HelpEntries.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "device/ModelNames.h"
#include "localization/SafeFormat.h"
#include "localization/SettingHelpTexts.h"
#include "localization/SettingVocabulary.h"

namespace settings::rules {

namespace {

using enum RowKind;
using HelpText = std::string (*)(int language);

// What fills a text's placeholders, in order.
enum class Fill { kNone, kOwnLabelOnce, kOwnLabelTwice, kConcurrentAudioOnce, kConcurrentAudioTwice,
                  kConcurrentAudioThenFmRadio, kModelName };

// Kinds of one label and family; unused places hold kNoKind.
constexpr auto kNoKind = static_cast<RowKind>(-1);
struct HelpEntry {
  std::array<RowKind, 3> kinds;
  HelpText text;
  Fill fill;
  int height;
};

// The products whose "Audio Sumbra™" help names music and navigation, and those whose five-level
// VOX sensitivity starts at level two.
constexpr std::array<int, 2> kAudioBlendMusicGpsProducts = {0x5410, 0x5560};
constexpr std::array<int, 9> kVoxDefaultTwoProducts = {0x6010, 0x6012, 0x6014, 0x6016, 0x6018,
                                                       0x6020, 0x6022, 0x6024, 0x6026};

template <std::size_t N>
bool In(const std::array<int, N>& ids, int id) {
  return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// clang-format off
const HelpEntry kEntries[] = {
    {{ROW_VOICE_PROMPT_FLAG, ROW_VOICE_PROMPT_DUAL, ROW_VOICE_PROMPT_BANK}, text::GetVoicePromptHelpText, Fill::kNone, 130},
    {{ROW_VOX_PHONE_FLAG, ROW_VOX_PHONE_DUAL, ROW_VOX_PHONE_BANK}, text::GetVoxPhoneHelpText, Fill::kNone, 150},
    {{ROW_AUDIO_BOOST_FLAG, ROW_AUDIO_BOOST_DUAL, ROW_AUDIO_BOOST_BANK}, text::GetAudioBoostHelpText, Fill::kOwnLabelOnce, 150},
    {{ROW_SIDETONE_FLAG, ROW_SIDETONE_DUAL, ROW_SIDETONE_BANK}, text::GetSidetoneHelpText, Fill::kNone, 160},
    {{ROW_NOISE_CONTROL_FLAG, ROW_NOISE_CONTROL_DUAL, ROW_NOISE_CONTROL_BANK}, text::GetAmbientNoiseHelpText,
     Fill::kOwnLabelOnce, 160},
    {{ROW_HD_INTERCOM_FLAG, ROW_HD_INTERCOM_DUAL, ROW_HD_INTERCOM_BANK}, text::GetHdIntercomHelpText, Fill::kOwnLabelOnce, 160},
    {{ROW_HD_VOICE_FLAG, kNoKind, kNoKind}, text::GetHdVoiceHelpText, Fill::kNone, 160},
    {{ROW_HQ_A2DP_FLAG, ROW_HQ_A2DP_BANK, kNoKind}, text::GetHighQualityA2dpHelpText, Fill::kNone, 160},
    {{ROW_VIDEO_RESOLUTION, kNoKind, kNoKind}, text::GetVideoResolutionHelpText, Fill::kNone, 160},
    {{ROW_TIMELAPSE_INTERVAL, kNoKind, kNoKind}, text::GetTimelapseIntervalHelpText, Fill::kNone, 160},
    {{ROW_VIDEO_TAGGING_INTERVAL, kNoKind, kNoKind}, text::GetVideoTaggingIntervalHelpText, Fill::kNone, 160},
    {{ROW_LOOP_RECORDING_INTERVAL, kNoKind, kNoKind}, text::GetLoopRecordingIntervalHelpText, Fill::kNone, 160},
    {{ROW_VIDEO_MIC_GAIN, kNoKind, kNoKind}, text::GetVideoMicrophoneGainHelpText, Fill::kNone, 160},
    {{ROW_SMART_VOLUME_FLAG, ROW_SMART_VOLUME_DUAL, ROW_SMART_VOLUME_BANK}, text::GetSmartVolumeControlHelpText,
     Fill::kNone, 170},
    {{ROW_PHOTO_MODE, kNoKind, kNoKind}, text::GetPhotoModeHelpText, Fill::kNone, 170},
    {{ROW_DATE_CAPTION, kNoKind, kNoKind}, text::GetDateCaptionHelpText, Fill::kNone, 170},
    {{ROW_MOTION_SENSITIVITY_DUAL, kNoKind, kNoKind}, text::GetMotionSensorSensitivityHelpText, Fill::kModelName, 170},
    {{ROW_VOX_SENSITIVITY_LEVELS, ROW_VOX_SENSITIVITY_BANK, kNoKind}, text::GetVoxSensitivityHelpText, Fill::kNone, 180},
    {{ROW_VOX_SENSITIVITY_LMH, kNoKind, kNoKind}, text::GetVoxSensitivityLowMediumHighHelpText, Fill::kNone, 180},
    {{ROW_VOICE_COMMAND_DUAL, ROW_VOICE_COMMAND_BANK, kNoKind}, text::GetVoiceCommandHelpText, Fill::kNone, 180},
    {{ROW_UNIT_LANGUAGE, kNoKind, kNoKind}, text::GetUnitLanguageHelpText, Fill::kNone, 180},
    {{ROW_SMART_NAVI_FLAG, kNoKind, kNoKind}, text::GetNavigationInterruptHelpText, Fill::kNone, 180},
    {{ROW_FM_STATION_GUIDE_FLAG, ROW_FM_STATION_GUIDE_DUAL, ROW_FM_STATION_GUIDE_BANK}, text::GetFmStationGuideHelpText,
     Fill::kNone, 190},
    {{ROW_EIGHT_WAY_DUAL, kNoKind, kNoKind}, text::GetEightWayIntercomHelpText, Fill::kOwnLabelTwice, 190},
    {{ROW_NAVIGATION_APP_DUAL, kNoKind, kNoKind}, text::GetNavigationAppSupportHelpText, Fill::kConcurrentAudioTwice, 190},
    {{ROW_SPEAKER_SOUND_RECORDING, kNoKind, kNoKind}, text::GetSpeakerSoundRecordingHelpText, Fill::kOwnLabelTwice, 190},
    {{ROW_AUTO_CAMERA_SLEEP, kNoKind, kNoKind}, text::GetAutoCameraSleepHelpText, Fill::kOwnLabelTwice, 200},
    {{ROW_ESS_STATUS, kNoKind, kNoKind}, text::GetEssStatusHelpText, Fill::kNone, 200},
    {{ROW_ESS_SENSITIVITY, kNoKind, kNoKind}, text::GetEssSensitivityHelpText, Fill::kNone, 200},
    {{ROW_AUDIO_BLEND_VOLUME_DUAL, ROW_AUDIO_BLEND_VOLUME_BANK, kNoKind}, text::GetAudioBlendVolumeHelpText, Fill::kNone, 220},
    {{ROW_VOX_INTERCOM_FLAG, ROW_VOX_INTERCOM_BANK, kNoKind}, text::GetVoxIntercomHelpText, Fill::kOwnLabelTwice, 230},
    {{ROW_AUDIO_SOURCE_PRIORITY_FLAG, kNoKind, kNoKind}, text::GetAudioSourcePriorityHelpText, Fill::kNone, 230},
    {{ROW_AUDIO_BLEND_SENSITIVITY_DUAL, kNoKind, kNoKind}, text::GetAudioBlendSensitivityHelpText, Fill::kConcurrentAudioOnce, 240},
    {{ROW_AUDIO_BLEND_SENSITIVITY_BANK, kNoKind, kNoKind}, text::GetAudioBlendSensitivityFiveLevelHelpText, Fill::kNone, 240},
    {{ROW_GUEST_MODE_BANK, kNoKind, kNoKind}, text::GetGuestModeHelpText, Fill::kNone, 260},
    {{ROW_CONCURRENT_AUDIO_DUAL, kNoKind, kNoKind}, text::GetConcurrentAudioHelpText, Fill::kConcurrentAudioThenFmRadio, 260},
    {{ROW_CONCURRENT_AUDIO_FLAG, kNoKind, kNoKind}, text::GetConcurrentAudioFullHelpText, Fill::kNone, 280},
    {{ROW_INTERCOM_CONCURRENT_AUDIO_BANK, kNoKind, kNoKind}, text::GetIntercomConcurrentAudioHelpText, Fill::kNone, 280},
    {{ROW_AUDIO_BLEND_FLAG, kNoKind, kNoKind}, text::GetAudioBlendHelpText, Fill::kNone, 280},
};
// clang-format on

const HelpEntry* EntryOf(RowKind kind) {
  for (const HelpEntry& entry : kEntries) {
    if (std::find(entry.kinds.begin(), entry.kinds.end(), kind) != entry.kinds.end()) return &entry;
  }
  return nullptr;
}

std::string Filled(const std::string& text, Fill fill, RowKind kind, int productId, int language) {
  const auto label = [language](const text::VocabularyRow& row) { return text::VocabularyText(row, language); };
  const std::string own = label(*KindInfo(kind).label);
  switch (fill) {
    case Fill::kNone:
      return text;
    case Fill::kOwnLabelOnce:
      return text::Format(text, own);
    case Fill::kOwnLabelTwice:
      return text::Format(text, own, own);
    case Fill::kConcurrentAudioOnce:
      return text::Format(text, label(text::g_strConcurrentAudio));
    case Fill::kConcurrentAudioTwice:
      return text::Format(text, label(text::g_strConcurrentAudio), label(text::g_strConcurrentAudio));
    case Fill::kConcurrentAudioThenFmRadio:
      return text::Format(text, label(text::g_strConcurrentAudio), label(text::g_strFmRadio));
    case Fill::kModelName:
      return text::Format(text, device::GetModelName(productId, false));
  }
  return text;
}

}  // namespace

bool HasHelpEntry(RowKind kind) {
  return kind == ROW_VIDEO_MODE_TWO || kind == ROW_VIDEO_MODE_THREE || EntryOf(kind) != nullptr;
}

std::optional<RowHelp> HelpForRow(const RowList& list, int row, int productId, const device::CDeviceSettings& device,
                                  int language) {
  if (row < 0 || static_cast<std::size_t>(row) >= list.rows.size()) return std::nullopt;
  const RowKind kind = list.rows[static_cast<std::size_t>(row)].kind;
  if (kind == ROW_VIDEO_MODE_TWO || kind == ROW_VIDEO_MODE_THREE) {
    const bool withLoopRecording = device.CompareVersion(2, 0) >= 0;
    return RowHelp{text::GetVideoModeHelpText(language, withLoopRecording), withLoopRecording ? 250 : 190};
  }
  const HelpEntry* entry = EntryOf(kind);
  if (!entry) return std::nullopt;
  HelpText helpText = entry->text;
  if (kind == ROW_VOX_SENSITIVITY_LEVELS && In(kVoxDefaultTwoProducts, productId)) {
    helpText = text::GetVoxSensitivityDefaultTwoHelpText;
  } else if (kind == ROW_AUDIO_BLEND_FLAG && In(kAudioBlendMusicGpsProducts, productId)) {
    helpText = text::GetAudioBlendMusicGpsHelpText;
  }
  return RowHelp{Filled(helpText(language), entry->fill, kind, productId, language), entry->height};
}

}  // namespace settings::rules
