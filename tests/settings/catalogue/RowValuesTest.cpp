// What a row shows for a record: check box texts, drop-down selections and the grey flags.
#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <vector>

#include "settings/catalogue/RowValues.h"

namespace {

using namespace settings;
using device::CDeviceSettings;

const RowKindInfo& Kind(RowKind kind) { return KindInfo(kind); }

TEST(RowValues, CheckBoxTextFollowsTheMappingAndAnyNonZeroCounts) {
  CDeviceSettings s;
  EXPECT_EQ(CheckBoxText(Kind(RowKind::ROW_HD_INTERCOM_FLAG), s), "1");  // off shows Disable
  s.m_bHdIntercom = 1;
  EXPECT_EQ(CheckBoxText(Kind(RowKind::ROW_HD_INTERCOM_FLAG), s), "0");
  s.m_bHdIntercom = 2;
  EXPECT_EQ(CheckBoxText(Kind(RowKind::ROW_HD_INTERCOM_FLAG), s), "0");

  // Switched-off flags show Disable when set, whatever non-zero value they hold.
  EXPECT_EQ(CheckBoxText(Kind(RowKind::ROW_AUDIO_BOOST_FLAG), s), "0");
  s.m_bAudioBoostOff = 2;
  EXPECT_EQ(CheckBoxText(Kind(RowKind::ROW_AUDIO_BOOST_FLAG), s), "1");
  s.m_bVoicePromptOff = true;
  EXPECT_EQ(CheckBoxText(Kind(RowKind::ROW_VOICE_PROMPT_FLAG), s), "1");

  // The dual-interface voice prompt bit is set when the prompt is on.
  s.SetVoicePrompt(1);
  EXPECT_EQ(CheckBoxText(Kind(RowKind::ROW_VOICE_PROMPT_DUAL), s), "0");

  // Word 0 all ones on the word bank: the three switched-off bits show Disable, the rest Enable.
  CDeviceSettings bank;
  bank.m_anBasicSetting[0] = 0xFFFF;
  for (RowKind kind : {RowKind::ROW_AUDIO_BOOST_BANK, RowKind::ROW_VOICE_PROMPT_BANK,
                       RowKind::ROW_NOISE_CONTROL_BANK}) {
    EXPECT_EQ(CheckBoxText(Kind(kind), bank), "1") << Kind(kind).name;
  }
  for (RowKind kind :
       {RowKind::ROW_VOX_PHONE_BANK, RowKind::ROW_VOX_INTERCOM_BANK, RowKind::ROW_HQ_A2DP_BANK,
        RowKind::ROW_SIDETONE_BANK, RowKind::ROW_HD_INTERCOM_BANK,
        RowKind::ROW_FM_STATION_GUIDE_BANK, RowKind::ROW_GUEST_MODE_BANK}) {
    EXPECT_EQ(CheckBoxText(Kind(kind), bank), "0") << Kind(kind).name;
  }
  // Only the low 16 bits of a word hold settings.
  bank.m_anBasicSetting[0] = 0x10000;
  EXPECT_EQ(CheckBoxText(Kind(RowKind::ROW_VOX_PHONE_BANK), bank), "1");
}

TEST(RowValues, DropDownSelectionByEncoding) {
  struct Case {
    RowKind kind;
    int value;
    int index;
  };
  // Each case stores `value` in the kind's source, then expects `index` (-1: nothing selected).
  const std::vector<Case> cases = {
      {RowKind::ROW_AUDIO_BLEND_SENSITIVITY_DUAL, 10, 0},
      {RowKind::ROW_AUDIO_BLEND_SENSITIVITY_DUAL, 1, 9},
      {RowKind::ROW_AUDIO_BLEND_SENSITIVITY_DUAL, 0, -1},
      {RowKind::ROW_AUDIO_BLEND_SENSITIVITY_DUAL, 11, -1},
      {RowKind::ROW_VOX_SENSITIVITY_LEVELS, 0, -1},
      {RowKind::ROW_VOX_SENSITIVITY_LEVELS, 5, 4},
      {RowKind::ROW_VOX_SENSITIVITY_LEVELS, 6, -1},
      {RowKind::ROW_VOX_SENSITIVITY_LMH, 3, 2},
      {RowKind::ROW_VOX_SENSITIVITY_LMH, 4, -1},
      {RowKind::ROW_VOX_SENSITIVITY_LEVELS, INT_MIN, -1},
      {RowKind::ROW_SMART_VOLUME_FLAG, 0, 0},
      {RowKind::ROW_SMART_VOLUME_FLAG, 3, 3},
      {RowKind::ROW_SMART_VOLUME_FLAG, 4, -1},
      {RowKind::ROW_AUDIO_SOURCE_PRIORITY_FLAG, 1, 1},
      {RowKind::ROW_AUDIO_SOURCE_PRIORITY_FLAG, 2, -1},
      {RowKind::ROW_AUDIO_SOURCE_PRIORITY_FLAG, INT_MAX, -1},
      {RowKind::ROW_AUDIO_SOURCE_PRIORITY_FLAG, -1, -1},
  };
  for (const Case& c : cases) {
    CDeviceSettings s;
    switch (c.kind) {
      case RowKind::ROW_AUDIO_BLEND_SENSITIVITY_DUAL:
        s.m_anBasicSetting[0] = c.value;
        break;
      case RowKind::ROW_VOX_SENSITIVITY_LEVELS:
      case RowKind::ROW_VOX_SENSITIVITY_LMH:
        s.m_anVoxSensitivity[0] = c.value;
        break;
      case RowKind::ROW_SMART_VOLUME_FLAG:
        s.m_anSmartVolumeControl[0] = c.value;
        break;
      default:
        s.m_nAudioSourcePriority = c.value;
        break;
    }
    EXPECT_EQ(SelectedOption(Kind(c.kind), s), c.index) << Kind(c.kind).name << " " << c.value;
  }

  // Motion sensitivity counts from 1: 1 Disable, 2 Low, 3 High; 0 and 4 select nothing.
  for (const auto& [level, index] :
       std::vector<std::pair<int, int>>{{0, -1}, {1, 0}, {2, 1}, {3, 2}, {4, -1}}) {
    CDeviceSettings s;
    s.SetMotionSensitivity(level);
    EXPECT_EQ(SelectedOption(Kind(RowKind::ROW_MOTION_SENSITIVITY_DUAL), s), index) << level;
  }
  // Check box kinds select nothing.
  EXPECT_EQ(SelectedOption(Kind(RowKind::ROW_VOX_PHONE_FLAG), CDeviceSettings{}), -1);
}

TEST(RowValues, OptionsJoinWithOneNewlineBetweenNeighbours) {
  EXPECT_EQ(JoinedOptions(Kind(RowKind::ROW_MOTION_SENSITIVITY_DUAL), 0), "Disable\nLow\nHigh");
  EXPECT_EQ(JoinedOptions(Kind(RowKind::ROW_AUDIO_SOURCE_PRIORITY_FLAG), 2),
            "Gegensprechen\nMusik");
  EXPECT_EQ(JoinedOptions(Kind(RowKind::ROW_VOX_PHONE_FLAG), 0), "");
  // Out-of-range languages read as English.
  EXPECT_EQ(JoinedOptions(Kind(RowKind::ROW_TIMELAPSE_INTERVAL), 11), "1 sec\n10 secs");
  EXPECT_EQ(JoinedOptions(Kind(RowKind::ROW_TIMELAPSE_INTERVAL), -1), "1 sec\n10 secs");
}

TEST(RowValues, GreyFlagsOfTheFourRules) {
  const CatalogueRow audioBlendSensitivity{RowKind::ROW_AUDIO_BLEND_SENSITIVITY_DUAL, true};
  const CatalogueRow hdVoice{RowKind::ROW_HD_VOICE_FLAG, true};
  const CatalogueRow hdVoiceUnruled{RowKind::ROW_HD_VOICE_FLAG, false};
  const CatalogueRow music{RowKind::ROW_RECORD_MUSIC, true};
  const CatalogueRow bankHdIntercom{RowKind::ROW_HD_INTERCOM_BANK, true};

  CDeviceSettings s;
  EXPECT_NE(GreyFlag(audioBlendSensitivity, s), 0);  // concurrent audio off
  EXPECT_NE(GreyFlag(music, s), 0);                  // speaker recording off
  EXPECT_EQ(GreyFlag(hdVoice, s), 0);
  EXPECT_EQ(GreyFlag(bankHdIntercom, s), 0);

  s.SetConcurrentAudio(1);
  s.SetSpeakerSoundRecording(1);
  s.m_bAudioBlend = 5;
  s.m_anBasicSetting[1] = 0x0800;
  EXPECT_EQ(GreyFlag(audioBlendSensitivity, s), 0);
  EXPECT_EQ(GreyFlag(music, s), 0);
  EXPECT_EQ(GreyFlag(hdVoice, s), 5);  // the member itself is the flag
  EXPECT_EQ(GreyFlag(hdVoiceUnruled, s), 0);
  EXPECT_EQ(GreyFlag(bankHdIntercom, s), 0x0800);
}

}  // namespace
