// The archived list's value texts: on/off kinds by their stored sense, named choices with their
// catch-all text, levels and numbers, and no look-up outside a table for any stored value.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "device/DeviceSettings.h"
#include "localization/SettingVocabulary.h"
#include "localization/SharedTexts.h"
#include "settings/archived/ArchivedValueText.h"
#include "settings/catalogue/RowKind.h"

namespace {

using device::CDeviceSettings;
using settings::ArchivedValueText;
using enum settings::RowKind;

struct Case {
  settings::RowKind kind;
  std::function<void(CDeviceSettings&)> set;
  const char* english;
};

TEST(ArchivedValueText, RendersEachValueAsItsRowNamesIt) {
  // clang-format off
  const std::vector<Case> cases = {
      // word 14 whole: 0 and 11 are outside the level table and show as numbers
      {ROW_VOX_SENSITIVITY_LEVELS, [](auto& s) { s.m_anVoxSensitivity[0] = 0; }, "0"},
      {ROW_VOX_SENSITIVITY_LEVELS, [](auto& s) { s.m_anVoxSensitivity[0] = 1; }, "Level 1"},
      {ROW_VOX_SENSITIVITY_LEVELS, [](auto& s) { s.m_anVoxSensitivity[0] = 10; }, "Level 10"},
      {ROW_VOX_SENSITIVITY_LEVELS, [](auto& s) { s.m_anVoxSensitivity[0] = 11; }, "11"},
      {ROW_VOX_SENSITIVITY_LMH, [](auto& s) { s.m_anVoxSensitivity[0] = 0; }, "0"},
      {ROW_VOX_SENSITIVITY_LMH, [](auto& s) { s.m_anVoxSensitivity[0] = 3; }, "High"},
      {ROW_VOX_SENSITIVITY_LMH, [](auto& s) { s.m_anVoxSensitivity[0] = 4; }, "4"},
      {ROW_VOX_SENSITIVITY_BANK, [](auto& s) { s.m_anBasicSetting[1] = 0; }, "0"},
      {ROW_VOX_SENSITIVITY_BANK, [](auto& s) { s.m_anBasicSetting[1] = 5; }, "Level 5"},
      // "Disabled" for off, not the grid's "Disable"; anything above Medium is High
      {ROW_SMART_VOLUME_FLAG, [](auto& s) { s.m_anSmartVolumeControl[0] = 0; }, "Disabled"},
      {ROW_SMART_VOLUME_FLAG, [](auto& s) { s.m_anSmartVolumeControl[0] = 2; }, "Medium"},
      {ROW_SMART_VOLUME_FLAG, [](auto& s) { s.m_anSmartVolumeControl[0] = 9; }, "High"},
      {ROW_SMART_VOLUME_DUAL, [](auto& s) { s.m_anBasicSetting[2] = 0x2; }, "Low"},
      // the device counts this sensitivity downwards
      {ROW_AUDIO_BLEND_SENSITIVITY_DUAL, [](auto& s) { s.m_anBasicSetting[0] = 10; }, "1"},
      {ROW_AUDIO_BLEND_SENSITIVITY_DUAL, [](auto& s) { s.m_anBasicSetting[0] = 1; }, "10"},
      {ROW_AUDIO_BLEND_SENSITIVITY_DUAL, [](auto& s) { s.m_anBasicSetting[0] = INT_MIN; }, "2147483659"},
      {ROW_MOTION_SENSITIVITY_DUAL, [](auto& s) { s.m_anBasicSetting[3] = 1; }, "Disable"},
      {ROW_MOTION_SENSITIVITY_DUAL, [](auto& s) { s.m_anBasicSetting[3] = 2; }, "Low"},
      {ROW_MOTION_SENSITIVITY_DUAL, [](auto& s) { s.m_anBasicSetting[3] = 0; }, "High"},
      {ROW_AUDIO_SOURCE_PRIORITY_FLAG, [](auto& s) { s.m_nAudioSourcePriority = 0; }, "Intercom"},
      {ROW_AUDIO_SOURCE_PRIORITY_FLAG, [](auto& s) { s.m_nAudioSourcePriority = 7; }, "Music"},
      {ROW_ESS_STATUS, [](auto& s) { s.m_anBasicSetting[2] = 0; }, "ESS ON"},
      {ROW_ESS_SENSITIVITY, [](auto& s) { s.m_anBasicSetting[2] = 0; }, "Medium"},
      {ROW_VIDEO_RESOLUTION, [](auto&) {}, "1080p/30fps"},
      {ROW_UNIT_LANGUAGE, [](auto& s) { s.m_anBasicSetting[3] = 15; }, "English"},
      // the switched-off members read "Disabled" only when they hold 1
      {ROW_VOICE_PROMPT_FLAG, [](auto& s) { s.m_bVoicePromptOff = true; }, "Disabled"},
      {ROW_AUDIO_BOOST_FLAG, [](auto& s) { s.m_bAudioBoostOff = 0; }, "Enabled"},
      {ROW_AUDIO_BOOST_FLAG, [](auto& s) { s.m_bAudioBoostOff = 1; }, "Disabled"},
      {ROW_AUDIO_BOOST_FLAG, [](auto& s) { s.m_bAudioBoostOff = 2; }, "Enabled"},
      {ROW_HD_INTERCOM_FLAG, [](auto& s) { s.m_bHdIntercom = 3; }, "Enabled"},
      {ROW_EIGHT_WAY_DUAL, [](auto& s) { s.m_anBasicSetting[2] = 0x40; }, "Enabled"},
      // bank words: bits above 15 are not settings; three bits of word 0 store "off"
      {ROW_VOX_PHONE_BANK, [](auto& s) { s.m_anBasicSetting[0] = 0; }, "Disabled"},
      {ROW_VOX_PHONE_BANK, [](auto& s) { s.m_anBasicSetting[0] = 0xFFFF; }, "Enabled"},
      {ROW_VOX_PHONE_BANK, [](auto& s) { s.m_anBasicSetting[0] = 0x10000; }, "Disabled"},
      {ROW_VOICE_PROMPT_BANK, [](auto& s) { s.m_anBasicSetting[0] = 0; }, "Enabled"},
      {ROW_VOICE_PROMPT_BANK, [](auto& s) { s.m_anBasicSetting[0] = 0xFFFF; }, "Disabled"},
      {ROW_VOICE_PROMPT_BANK, [](auto& s) { s.m_anBasicSetting[0] = 0x10000; }, "Enabled"},
      {ROW_GUEST_MODE_BANK, [](auto& s) { s.m_anBasicSetting[0] = 0xFFFF; }, "Enabled"},
      {ROW_GUEST_MODE_BANK, [](auto& s) { s.m_anBasicSetting[0] = 0x10000; }, "Disabled"},
      {ROW_VOICE_COMMAND_BANK, [](auto& s) { s.m_anBasicSetting[1] = 0x10400; }, "Enabled"},
  };
  // clang-format on
  for (const Case& c : cases) {
    CDeviceSettings record;
    c.set(record);
    EXPECT_EQ(ArchivedValueText(c.kind, record, 0), c.english) << settings::KindInfo(c.kind).name;
  }
}

TEST(ArchivedValueText, EveryKindHasATextForAnyStoredValue) {
  // Whatever the archive held, every kind gives a text, and a switch reads one of the two.
  const std::string enabled = text::GetEnabledText(0);
  const std::string disabled = text::GetDisabledText(0);
  for (const int word : {0, 1, -1, 11, 0xFFFF, 0x10000, INT_MAX, INT_MIN}) {
    CDeviceSettings record;
    record.m_anBasicSetting.fill(word);
    record.m_anCameraSetting.fill(word);
    record.m_anVoxSensitivity.fill(word);
    record.m_anSmartVolumeControl.fill(word);
    record.m_bAudioBoostOff = record.m_bHdIntercom = record.m_bFmStationGuide = word;
    record.m_bHdVoice = record.m_nAudioSourcePriority = record.m_bAudioBlend = word;
    record.m_bSmartNaviSystem = word;
    for (const settings::RowKindInfo& kind : settings::AllRowKinds()) {
      for (const int language : {0, 4, 10, 11, -1}) {
        const std::string value = ArchivedValueText(kind.kind, record, language);
        EXPECT_FALSE(value.empty()) << kind.name << " word " << word;
        if (kind.cell == settings::CellKind::kCheckBox && language == 0) {
          EXPECT_TRUE(value == enabled || value == disabled) << kind.name << ": " << value;
        }
      }
    }
  }
}

TEST(ArchivedValueText, FollowsTheLanguage) {
  CDeviceSettings record;
  record.m_anVoxSensitivity[0] = 4;
  EXPECT_EQ(ArchivedValueText(ROW_VOX_SENSITIVITY_LEVELS, record, 2),
            text::VocabularyItem(text::g_strLevels, 2, 3));
  EXPECT_EQ(ArchivedValueText(ROW_VOX_PHONE_FLAG, record, 2), text::GetDisabledText(2));
  EXPECT_NE(text::GetDisabledText(2), text::GetDisabledText(0));
  record.m_anBasicSetting[3] = 2;
  EXPECT_EQ(ArchivedValueText(ROW_UNIT_LANGUAGE, record, 1),
            text::VocabularyItem(text::g_strDeviceLanguages, 1, 2));
}

}  // namespace
