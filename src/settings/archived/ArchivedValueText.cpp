#include "settings/archived/ArchivedValueText.h"

#include <array>
#include <cstdint>
#include <span>

#include "localization/SettingVocabulary.h"
#include "localization/SharedTexts.h"

namespace settings {

namespace {

using enum RowKind;

// One named value: a vocabulary row, an item of the low/medium/high table, or a shared text.
struct ValueName {
  enum class From { kRow, kLowMediumHigh, kDisabled, kDisable };
  From from;
  const text::VocabularyRow* row = nullptr;
  int item = 0;
};

constexpr ValueName Named(const text::VocabularyRow& row) { return {ValueName::From::kRow, &row, 0}; }
constexpr ValueName Lmh(int item) { return {ValueName::From::kLowMediumHigh, nullptr, item}; }
constexpr ValueName kDisabled{ValueName::From::kDisabled, nullptr, 0};
constexpr ValueName kDisable{ValueName::From::kDisable, nullptr, 0};
constexpr ValueName kLow = Lmh(0);
constexpr ValueName kMedium = Lmh(1);
constexpr ValueName kHigh = Lmh(2);

std::string TextOf(const ValueName& name, int language) {
  switch (name.from) {
    case ValueName::From::kRow:
      return text::VocabularyText(*name.row, language);
    case ValueName::From::kLowMediumHigh:
      return text::VocabularyItem(text::g_strLowMediumHigh, language, name.item);
    case ValueName::From::kDisabled:
      return text::GetDisabledText(language);
    case ValueName::From::kDisable:
      return text::GetDisableText(language);
  }
  return {};
}

enum class Render {
  kChoice,          // names[value - first], else `other`
  kLevelNumber,     // "Level v" for v from 1 to 10, else the number
  kNumber,          // the value itself
  kElevenMinus,     // the number 11 minus the value: the device counts this level downwards
  kDeviceLanguage,  // device language v for v from 0 to 10, else device language 0
};

struct Rendering {
  RowKind kind;
  Render how;
  int first = 0;                     // kChoice: the value of names[0]
  std::span<const ValueName> names;  // kChoice
  const ValueName* other = nullptr;  // kChoice: the text of any value not named; null: the number
};

constexpr std::array kIntercom = {Named(text::g_strIntercom)};
constexpr ValueName kMusic = Named(text::g_strMusic);
constexpr std::array kLowMediumHigh = {kLow, kMedium, kHigh};
constexpr std::array kOffLowMedium = {kDisabled, kLow, kMedium};
constexpr std::array kMotion = {kDisable, kLow};
constexpr std::array kSingleShot = {Named(text::g_strSingleShot)};
constexpr ValueName kBurstShot = Named(text::g_strBurstShot);
constexpr std::array kVideoMode = {Named(text::g_strVideoMode)};
constexpr std::array kVideoOrTimelapse = {Named(text::g_strVideoMode), Named(text::g_strTimelapseMode)};
constexpr ValueName kTimelapseMode = Named(text::g_strTimelapseMode);
constexpr ValueName kLoopRecordingMode = Named(text::g_strLoopRecordingMode);
constexpr std::array kResolutions = {Named(text::g_str1080p30), Named(text::g_str720p60)};
constexpr ValueName k720p30 = Named(text::g_str720p30);
constexpr std::array kOneSecond = {Named(text::g_str1Sec)};
constexpr ValueName kTenSeconds = Named(text::g_str10Secs);
constexpr std::array kOneOrThreeMinutes = {Named(text::g_str1Min), Named(text::g_str3Mins)};
constexpr ValueName kFiveMinutes = Named(text::g_str5Mins);
constexpr std::array kLowMedium = {kLow, kMedium};
constexpr std::array kEssStatus = {Named(text::g_strEssOn), Named(text::g_strPositionLightEssOn),
                                   Named(text::g_strFogLightEssOn), Named(text::g_strEssOff)};
constexpr ValueName kEssOn = Named(text::g_strEssOn);

// The kinds whose value is not an on/off switch. Every other kind renders as "Enabled" or
// "Disabled" by the catalogue's mapping.
// clang-format off
constexpr std::array kRenderings = {
    Rendering{ROW_AUDIO_SOURCE_PRIORITY_FLAG, Render::kChoice, 0, kIntercom, &kMusic},
    Rendering{ROW_VOX_SENSITIVITY_LEVELS, Render::kLevelNumber, 0, {}, nullptr},
    Rendering{ROW_VOX_SENSITIVITY_LMH, Render::kChoice, 1, kLowMediumHigh, nullptr},
    Rendering{ROW_SMART_VOLUME_FLAG, Render::kChoice, 0, kOffLowMedium, &kHigh},
    Rendering{ROW_AUDIO_BLEND_SENSITIVITY_DUAL, Render::kElevenMinus, 0, {}, nullptr},
    Rendering{ROW_MOTION_SENSITIVITY_DUAL, Render::kChoice, 1, kMotion, &kHigh},
    Rendering{ROW_SMART_VOLUME_DUAL, Render::kChoice, 0, kOffLowMedium, &kHigh},
    Rendering{ROW_VOX_SENSITIVITY_BANK, Render::kLevelNumber, 0, {}, nullptr},
    Rendering{ROW_SMART_VOLUME_BANK, Render::kChoice, 0, kOffLowMedium, &kHigh},
    Rendering{ROW_AUDIO_BLEND_SENSITIVITY_BANK, Render::kNumber, 0, {}, nullptr},
    Rendering{ROW_UNIT_LANGUAGE, Render::kDeviceLanguage, 0, {}, nullptr},
    Rendering{ROW_PHOTO_MODE, Render::kChoice, 0, kSingleShot, &kBurstShot},
    Rendering{ROW_VIDEO_MODE_TWO, Render::kChoice, 0, kVideoMode, &kTimelapseMode},
    Rendering{ROW_VIDEO_MODE_THREE, Render::kChoice, 0, kVideoOrTimelapse, &kLoopRecordingMode},
    Rendering{ROW_VIDEO_RESOLUTION, Render::kChoice, 0, kResolutions, &k720p30},
    Rendering{ROW_TIMELAPSE_INTERVAL, Render::kChoice, 0, kOneSecond, &kTenSeconds},
    Rendering{ROW_VIDEO_TAGGING_INTERVAL, Render::kChoice, 0, kOneOrThreeMinutes, &kFiveMinutes},
    Rendering{ROW_LOOP_RECORDING_INTERVAL, Render::kChoice, 0, kOneOrThreeMinutes, &kFiveMinutes},
    Rendering{ROW_VIDEO_MIC_GAIN, Render::kChoice, 0, kLowMedium, &kHigh},
    Rendering{ROW_ESS_STATUS, Render::kChoice, 0, kEssStatus, &kEssOn},
    Rendering{ROW_ESS_SENSITIVITY, Render::kChoice, 1, kLowMediumHigh, &kMedium},
};
// clang-format on

const Rendering* RenderingOf(RowKind kind) {
  for (const Rendering& rendering : kRenderings) {
    if (rendering.kind == kind) return &rendering;
  }
  return nullptr;
}

std::string OnOffText(const RowKindInfo& info, int value, int language) {
  bool enabled = value != 0;
  if (info.mapping == Mapping::kDisableWhenSet) {
    // A bank bit stores "off" when set; the switched-off members store it as exactly 1.
    enabled = info.source.kind == SourceKind::kWordBit ? value == 0 : value != 1;
  }
  return enabled ? text::GetEnabledText(language) : text::GetDisabledText(language);
}

// Widened so that no stored value can overflow the arithmetic.
std::string ChosenText(const Rendering& rendering, int64_t value, int language) {
  switch (rendering.how) {
    case Render::kChoice: {
      const int64_t index = value - rendering.first;
      if (index >= 0 && index < static_cast<int64_t>(rendering.names.size())) {
        return TextOf(rendering.names[static_cast<std::size_t>(index)], language);
      }
      return rendering.other ? TextOf(*rendering.other, language) : std::to_string(value);
    }
    case Render::kLevelNumber:
      if (value >= 1 && value <= static_cast<int64_t>(text::g_strLevels[0].size())) {
        return text::VocabularyItem(text::g_strLevels, language, static_cast<int>(value - 1));
      }
      return std::to_string(value);
    case Render::kNumber:
      return std::to_string(value);
    case Render::kElevenMinus:
      return std::to_string(11 - value);
    case Render::kDeviceLanguage: {
      const bool known = value >= 0 && value < text::kDeviceLanguageCount;
      return text::VocabularyItem(text::g_strDeviceLanguages, language,
                                  known ? static_cast<int>(value) : 0);
    }
  }
  return {};
}

}  // namespace

std::string ArchivedValueText(RowKind kind, const device::CDeviceSettings& record, int language) {
  const RowKindInfo& info = KindInfo(kind);
  const int value = info.source.read(record);
  if (const Rendering* rendering = RenderingOf(kind)) return ChosenText(*rendering, value, language);
  return OnOffText(info, value, language);
}

}  // namespace settings
