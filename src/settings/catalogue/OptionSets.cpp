#include "settings/catalogue/OptionSets.h"

#include <array>

#include "localization/SharedTexts.h"

namespace settings {

namespace {

using From = OptionText::From;

constexpr OptionText Row(const text::VocabularyRow& row) { return {From::kRow, &row, 0}; }
constexpr OptionText Level(int item) { return {From::kLevels, nullptr, item}; }
constexpr OptionText Grade(int item) { return {From::kLowMediumHigh, nullptr, item}; }
constexpr OptionText kDisable{From::kDisableText, nullptr, 0};

constexpr std::array kTenLevelTexts = {Level(0), Level(1), Level(2), Level(3), Level(4),
                                       Level(5), Level(6), Level(7), Level(8), Level(9)};
constexpr std::array kFiveLevelTexts = {Level(0), Level(1), Level(2), Level(3), Level(4)};
constexpr std::array kLowMediumHighTexts = {Grade(0), Grade(1), Grade(2)};
constexpr std::array kOffLowMediumHighTexts = {kDisable, Grade(0), Grade(1), Grade(2)};
constexpr std::array kOffLowHighTexts = {kDisable, Grade(0), Grade(2)};
constexpr std::array kSourcePriorityTexts = {Row(text::g_strIntercom), Row(text::g_strMusic)};
constexpr std::array kPhotoModeTexts = {Row(text::g_strSingleShot), Row(text::g_strBurstShot)};
constexpr std::array kVideoModeTwoTexts = {Row(text::g_strVideoMode),
                                           Row(text::g_strTimelapseMode)};
constexpr std::array kVideoModeThreeTexts = {
    Row(text::g_strVideoMode), Row(text::g_strTimelapseMode), Row(text::g_strLoopRecordingMode)};
constexpr std::array kVideoResolutionTexts = {Row(text::g_str1080p30), Row(text::g_str720p60),
                                              Row(text::g_str720p30)};
constexpr std::array kTimelapseIntervalTexts = {Row(text::g_str1Sec), Row(text::g_str10Secs)};
constexpr std::array kMinutesTexts = {Row(text::g_str1Min), Row(text::g_str3Mins),
                                      Row(text::g_str5Mins)};
constexpr std::array kEssStatusTexts = {Row(text::g_strEssOn), Row(text::g_strPositionLightEssOn),
                                        Row(text::g_strFogLightEssOn), Row(text::g_strEssOff)};

constexpr std::array<OptionText, text::kDeviceLanguageCount> DeviceLanguageTexts() {
  std::array<OptionText, text::kDeviceLanguageCount> texts{};
  for (int code = 0; code < text::kDeviceLanguageCount; ++code) {
    texts[static_cast<std::size_t>(code)] = {From::kDeviceLanguages, nullptr, code};
  }
  return texts;
}
constexpr auto kDeviceLanguageTexts = DeviceLanguageTexts();

}  // namespace

namespace options {

const OptionSet kTenLevels{"ten levels", kTenLevelTexts};
const OptionSet kFiveLevels{"five levels", kFiveLevelTexts};
const OptionSet kLowMediumHigh{"three levels", kLowMediumHighTexts};
const OptionSet kOffLowMediumHigh{"off and three levels", kOffLowMediumHighTexts};
const OptionSet kOffLowHigh{"off, low, high", kOffLowHighTexts};
const OptionSet kSourcePriority{"source priority", kSourcePriorityTexts};
const OptionSet kPhotoMode{"photo mode", kPhotoModeTexts};
const OptionSet kVideoModeTwo{"video mode (two)", kVideoModeTwoTexts};
const OptionSet kVideoModeThree{"video mode (three)", kVideoModeThreeTexts};
const OptionSet kVideoResolution{"video resolution", kVideoResolutionTexts};
const OptionSet kTimelapseInterval{"timelapse interval", kTimelapseIntervalTexts};
const OptionSet kMinutes{"minutes", kMinutesTexts};
const OptionSet kDeviceLanguages{"device languages", kDeviceLanguageTexts};
const OptionSet kEssStatus{"ESS status", kEssStatusTexts};

}  // namespace options

std::span<const OptionSet* const> AllOptionSets() {
  static constexpr std::array<const OptionSet*, 14> kAll = {
      &options::kTenLevels,        &options::kFiveLevels,        &options::kLowMediumHigh,
      &options::kOffLowMediumHigh, &options::kOffLowHigh,        &options::kSourcePriority,
      &options::kPhotoMode,        &options::kVideoModeTwo,      &options::kVideoModeThree,
      &options::kVideoResolution,  &options::kTimelapseInterval, &options::kMinutes,
      &options::kDeviceLanguages,  &options::kEssStatus};
  return kAll;
}

std::string OptionTextIn(const OptionText& option, int language) {
  switch (option.from) {
    case From::kRow:
      return option.row ? text::VocabularyText(*option.row, language) : std::string();
    case From::kLowMediumHigh:
      return text::VocabularyItem(text::g_strLowMediumHigh, language, option.item);
    case From::kLevels:
      return text::VocabularyItem(text::g_strLevels, language, option.item);
    case From::kDeviceLanguages:
      return text::VocabularyItem(text::g_strDeviceLanguages, language, option.item);
    case From::kDisableText:
      return text::GetDisableText(language);
  }
  return {};
}

}  // namespace settings
