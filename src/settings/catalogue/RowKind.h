#pragma once
// The kinds of settings row that the grid, its editing rules and the restore page's archived list
// share: what a row shows, where its value lives, how the value becomes a cell and when the
// value cell is greyed. Every row of every row list is one of these kinds.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "device/DeviceSettings.h"
#include "localization/SettingVocabulary.h"

namespace settings {

// Suffixes tell the record family the kind reads: _FLAG the feature-word members and whole words
// 14 to 24, _DUAL the dual-interface bit fields of word 2 (and words 0 and 3), _BANK the single
// bits and level fields of words 0, 1 and 3; the camera and ESS kinds name their setting.
// The order is binding for nothing; the names are.
enum class RowKind : int {
  ROW_VOX_PHONE_FLAG,
  ROW_VOX_INTERCOM_FLAG,
  ROW_VOICE_PROMPT_FLAG,
  ROW_HQ_A2DP_FLAG,
  ROW_SIDETONE_FLAG,
  ROW_NOISE_CONTROL_FLAG,
  ROW_AUDIO_BOOST_FLAG,
  ROW_HD_INTERCOM_FLAG,
  ROW_FM_STATION_GUIDE_FLAG,
  ROW_HD_VOICE_FLAG,
  ROW_AUDIO_SOURCE_PRIORITY_FLAG,
  ROW_AUDIO_BLEND_FLAG,
  ROW_CONCURRENT_AUDIO_FLAG,
  ROW_SMART_NAVI_FLAG,
  ROW_VOX_SENSITIVITY_LEVELS,
  ROW_VOX_SENSITIVITY_LMH,
  ROW_SMART_VOLUME_FLAG,
  ROW_VOX_PHONE_DUAL,
  ROW_SIDETONE_DUAL,
  ROW_CONCURRENT_AUDIO_DUAL,
  ROW_AUDIO_BLEND_SENSITIVITY_DUAL,
  ROW_MOTION_SENSITIVITY_DUAL,
  ROW_NAVIGATION_APP_DUAL,
  ROW_AUDIO_BLEND_VOLUME_DUAL,
  ROW_HD_INTERCOM_DUAL,
  ROW_EIGHT_WAY_DUAL,
  ROW_VOICE_PROMPT_DUAL,
  ROW_NOISE_CONTROL_DUAL,
  ROW_AUDIO_BOOST_DUAL,
  ROW_FM_STATION_GUIDE_DUAL,
  ROW_SMART_VOLUME_DUAL,
  ROW_VOICE_COMMAND_DUAL,
  ROW_VOX_PHONE_BANK,
  ROW_VOX_INTERCOM_BANK,
  ROW_VOICE_PROMPT_BANK,
  ROW_HQ_A2DP_BANK,
  ROW_SIDETONE_BANK,
  ROW_NOISE_CONTROL_BANK,
  ROW_AUDIO_BOOST_BANK,
  ROW_HD_INTERCOM_BANK,
  ROW_FM_STATION_GUIDE_BANK,
  ROW_GUEST_MODE_BANK,
  ROW_AUDIO_BLEND_VOLUME_BANK,
  ROW_VOICE_COMMAND_BANK,
  ROW_INTERCOM_CONCURRENT_AUDIO_BANK,
  ROW_VOX_SENSITIVITY_BANK,
  ROW_SMART_VOLUME_BANK,
  ROW_AUDIO_BLEND_SENSITIVITY_BANK,
  ROW_UNIT_LANGUAGE,
  ROW_PHOTO_MODE,
  ROW_VIDEO_MODE_TWO,
  ROW_VIDEO_MODE_THREE,
  ROW_VIDEO_RESOLUTION,
  ROW_TIMELAPSE_INTERVAL,
  ROW_VIDEO_TAGGING_INTERVAL,
  ROW_LOOP_RECORDING_INTERVAL,
  ROW_VIDEO_MIC_GAIN,
  ROW_DATE_CAPTION,
  ROW_SPEAKER_SOUND_RECORDING,
  ROW_RECORD_MUSIC,
  ROW_RECORD_FM_RADIO,
  ROW_RECORD_INTERCOM,
  ROW_RECORD_PHONE,
  ROW_AUTO_CAMERA_SLEEP,
  ROW_ESS_STATUS,
  ROW_ESS_SENSITIVITY,
};
inline constexpr int kRowKindCount = static_cast<int>(RowKind::ROW_ESS_SENSITIVITY) + 1;

enum class CellKind { kCheckBox, kDropDown };

// How the source value becomes the cell. A check box cell holds "0" (Enable shown) or "1"
// (Disable shown); any non-zero source counts as set.
enum class Mapping {
  kEnableWhenSet,
  kDisableWhenSet,        // the source stores a switched-off flag
  kIndexIsValue,          // drop-down: the source is the option index
  kIndexIsValueMinusOne,  // drop-down: the source counts from 1
  kIndexIsTenMinusValue,  // drop-down: level 10 is the first option
};

// Where the value lives in the record.
enum class SourceKind {
  kAccessor,  // a CDeviceSettings getter
  kMember,    // a member read as a whole
  kWordBit,   // one bit of the low 16 bits of word 0 or word 1
};

struct ValueSource {
  SourceKind kind;
  int (*read)(const device::CDeviceSettings&);
  std::string_view what;  // the getter, the member, or "word 0 bit 0x0400"; for messages and tests
  int word = -1;          // kWordBit only
  int mask = 0;           // kWordBit only
};

// The conditions that grey a row's value cell. The value handed to the cell is the flag the
// condition yields: rules 2 and 4 hand over the raw member or masked bit, and any non-zero value
// greys.
enum class GreyRule {
  kNone,
  kWhileConcurrentAudioOff,          // GetConcurrentAudio() == 0
  kWhileAudioBlendOn,                // m_bAudioBlend itself
  kWhileSpeakerRecordingOff,         // GetSpeakerSoundRecording() == 0
  kWhileIntercomConcurrentAudioBit,  // word 1 & 0x0800 itself
};

// One option text of a drop-down: a whole vocabulary row, an item of a multi-item table, or the
// shared "Disable" text.
struct OptionText {
  enum class From { kRow, kLowMediumHigh, kLevels, kDeviceLanguages, kDisableText };
  From from;
  const text::VocabularyRow* row = nullptr;  // kRow only
  int item = 0;                              // the item tables only
};

struct OptionSet {
  std::string_view name;
  std::span<const OptionText> texts;
};

struct RowKindInfo {
  RowKind kind;
  std::string_view name;  // "ROW_VOX_PHONE_FLAG" and so on
  const text::VocabularyRow* label;
  CellKind cell;
  ValueSource source;
  Mapping mapping;
  const OptionSet* options;  // drop-downs only
  GreyRule rule;             // the rule this kind carries where a list applies it
  bool helpButton;           // false only for the four recording sources of the camera headset
};

// Every kind, indexed by its enum value.
std::span<const RowKindInfo> AllRowKinds();
const RowKindInfo& KindInfo(RowKind kind);
std::optional<RowKind> FindRowKind(std::string_view name);

// The option sets that occur, for checks over all of them.
std::span<const OptionSet* const> AllOptionSets();

// The option's text in `language` (0 to 10; any other reads as English).
std::string OptionTextIn(const OptionText& option, int language);

}  // namespace settings
