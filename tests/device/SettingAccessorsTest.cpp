#include <gtest/gtest.h>

#include <vector>

#include "device/DeviceSettings.h"

namespace {

using device::CDeviceSettings;
using Getter = int (CDeviceSettings::*)() const;
using Setter = void (CDeviceSettings::*)(int);

CDeviceSettings AtFirmware(int major, int minor) {
  CDeviceSettings s;
  s.m_nVersionMajor = major;
  s.m_nVersionMinor = minor;
  return s;
}

struct BitCase {
  const char* name;
  Getter get;
  Setter set;
  int word;
  int bit;
};

#define BIT(Name, word, bit) \
  { #Name, &CDeviceSettings::Get##Name, &CDeviceSettings::Set##Name, word, bit }

// Every one-bit setting: the bit it owns, and that it touches no other.
TEST(SettingAccessors, OneBitSettingsOwnExactlyTheirBit) {
  const BitCase cases[] = {
      BIT(VoxPhone, 2, 15),           BIT(HdIntercom, 2, 13),   BIT(Sidetone, 2, 12),
      BIT(ConcurrentAudio, 2, 11),    BIT(VoicePrompt, 2, 10),  BIT(NavigationAppSupport, 2, 9),
      BIT(AmbientNoiseControl, 2, 8), BIT(AudioBoost, 2, 7),    BIT(EightWayIntercom, 2, 6),
      BIT(FmStationGuide, 2, 5),      BIT(VoiceCommand, 2, 0),  BIT(PhotoMode, 10, 0),
      BIT(VideoMode, 10, 1),  // firmware before 2.0
      BIT(TimelapseInterval, 10, 4),  BIT(DateCaption, 10, 5),  BIT(SpeakerSoundRecording, 10, 6),
      BIT(AutoCameraSleep, 10, 7),    BIT(RecordMusic, 10, 8),  BIT(RecordFmRadio, 10, 9),
      BIT(RecordIntercom, 10, 10),    BIT(RecordPhone, 10, 11),
  };
  for (const BitCase& c : cases) {
    SCOPED_TRACE(c.name);
    CDeviceSettings s = AtFirmware(1, 9);
    (s.*c.set)(2);  // any nonzero value switches on
    EXPECT_EQ(s.Word(c.word), 1 << c.bit);
    EXPECT_EQ((s.*c.get)(), 1);
    for (int i = 0; i < CDeviceSettings::kWordCount; ++i) {
      if (i != c.word) {
        EXPECT_EQ(s.Word(i), 0) << "word " << i;
      }
    }

    s.SetWord(c.word, 0xFFFF);
    EXPECT_EQ((s.*c.get)(), 1);
    (s.*c.set)(0);
    EXPECT_EQ(s.Word(c.word), 0xFFFF & ~(1 << c.bit));
    EXPECT_EQ((s.*c.get)(), 0);
  }
}
#undef BIT

// A field of several bits: for each value the bits it writes, from an empty and a full word.
struct FieldCase {
  const char* name;
  Getter get;
  Setter set;
  int word;
  int mask;
  std::vector<std::pair<int, int>> valueBits;  // value, the field's bits in the word
  std::vector<int> refused;                    // values that leave the word unchanged
  int major = 2;                               // firmware of the record
};

#define FIELD(Name) #Name, &CDeviceSettings::Get##Name, &CDeviceSettings::Set##Name

TEST(SettingAccessors, FieldsRoundTripInTheirBitsOnly) {
  const FieldCase cases[] = {
      {FIELD(SmartVolumeBits), 2, 0x1E, {{0, 0}, {1, 0x02}, {2, 0x04}, {3, 0x06}}, {4, -1}},
      {FIELD(VoxSensitivityLevel),
       1,
       0x07,
       {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}},
       {6, 7, -1}},
      {FIELD(SmartVolumeLevel), 1, 0x38, {{0, 0}, {1, 0x08}, {2, 0x10}, {3, 0x18}}, {4, -1}},
      {FIELD(AudioBlendSensitivityLevel),
       1,
       0x380,
       {{0, 0}, {1, 0x80}, {2, 0x100}, {5, 0x280}},
       {6, -1}},
      {FIELD(UnitLanguage), 3, 0x0F, {{0, 0}, {4, 4}, {10, 10}}, {11, 15, -1}},
      {FIELD(VideoResolution), 10, 0x0C, {{0, 0}, {1, 0x04}, {2, 0x08}}, {3, -1}},
      {FIELD(VideoTaggingInterval), 12, 0x03, {{0, 0}, {1, 0x01}, {2, 0x02}}, {3, -1}},
      {FIELD(LoopRecordingInterval), 12, 0x0C, {{0, 0}, {1, 0x04}, {2, 0x08}}, {3, -1}},
      {FIELD(VideoMicrophoneGain), 12, 0x30, {{0, 0}, {1, 0x10}, {2, 0x20}}, {3, -1}},
      {FIELD(VideoMode), 12, 0xC0, {{0, 0}, {1, 0x40}, {2, 0x80}}, {3, -1}, 2},
      {FIELD(EssStatus), 2, 0x03, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}, {}},
      {FIELD(EssSensitivity), 2, 0x0C, {{1, 0x04}, {2, 0x08}, {3, 0x0C}}, {}},
  };
  for (const FieldCase& c : cases) {
    SCOPED_TRACE(c.name);
    for (int start : {0, 0xFFFF}) {
      for (const auto& [value, bits] : c.valueBits) {
        CDeviceSettings s = AtFirmware(c.major, 0);
        s.SetWord(c.word, start);
        (s.*c.set)(value);
        EXPECT_EQ(s.Word(c.word), (start & ~c.mask) | bits) << "value " << value;
        EXPECT_EQ((s.*c.get)(), value) << "value " << value;
      }
      for (int value : c.refused) {
        CDeviceSettings s = AtFirmware(c.major, 0);
        s.SetWord(c.word, start);
        (s.*c.set)(value);
        EXPECT_EQ(s.Word(c.word), start) << "refused " << value;
      }
    }
  }
}
#undef FIELD

// Bit patterns a device may report that no setter writes, and how they read.
TEST(SettingAccessors, OddPatternsReadAsTheDeviceMeansThem) {
  struct Case {
    const char* what;
    Getter get;
    int word;
    int value;
    int expected;
    int major = 2;
  };
  const Case cases[] = {
      {"VOX level 6", &CDeviceSettings::GetVoxSensitivityLevel, 1, 6, 3},
      {"VOX level 7", &CDeviceSettings::GetVoxSensitivityLevel, 1, 0xFFFF, 3},
      {"blend level 6", &CDeviceSettings::GetAudioBlendSensitivityLevel, 1, 6 << 7, 3},
      {"blend level 7", &CDeviceSettings::GetAudioBlendSensitivityLevel, 1, 7 << 7, 3},
      {"unit language 11", &CDeviceSettings::GetUnitLanguage, 3, 11, 0},
      {"unit language 15", &CDeviceSettings::GetUnitLanguage, 3, 0xFF, 0},
      {"smart volume bit 5", &CDeviceSettings::GetSmartVolumeLevel, 1, 0x20, 3},
      {"smart volume bit 5 and 1", &CDeviceSettings::GetSmartVolumeLevel, 1, 0x28, 3},
      {"smart volume bits with bit 3", &CDeviceSettings::GetSmartVolumeBits, 2, 0x0E, 0},
      {"smart volume bits with bit 4", &CDeviceSettings::GetSmartVolumeBits, 2, 0x16, 0},
      {"smart volume bits 3", &CDeviceSettings::GetSmartVolumeBits, 2, 0x06, 3},
      {"both bits of a pair", &CDeviceSettings::GetVideoResolution, 10, 0x0C, 0},
      {"video mode pair both", &CDeviceSettings::GetVideoMode, 12, 0xC0, 0},
      {"video mode before 2.0 ignores word 12", &CDeviceSettings::GetVideoMode, 12, 0x40, 0, 1},
      {"ESS sensitivity neither bit", &CDeviceSettings::GetEssSensitivity, 2, 0, 2},
  };
  for (const Case& c : cases) {
    CDeviceSettings s = AtFirmware(c.major, 9);
    s.SetWord(c.word, c.value);
    EXPECT_EQ((s.*c.get)(), c.expected) << c.what;
  }
}

TEST(SettingAccessors, SettersWithTheirOwnRulesForOtherValues) {
  CDeviceSettings s;
  s.SetWord(2, 0xFFFF);
  s.SetEssSensitivity(7);  // anything but 1 and 3 means the middle level: bit 3 only
  EXPECT_EQ(s.Word(2), (0xFFFF & ~0x0C) | 0x08);
  s.SetEssSensitivity(0);
  EXPECT_EQ(s.GetEssSensitivity(), 2);
  s.SetEssStatus(5);  // anything but 1 to 3 clears both bits
  EXPECT_EQ(s.Word(2) & 0x03, 0);
  s.SetEssStatus(-1);
  EXPECT_EQ(s.GetEssStatus(), 0);

  CDeviceSettings old = AtFirmware(1, 0);
  old.SetVideoMode(3);  // one bit before 2.0: any nonzero value switches it on
  EXPECT_EQ(old.Word(10), 0x02);
  EXPECT_EQ(old.Word(12), 0);
  CDeviceSettings newer = AtFirmware(2, 0);
  newer.SetVideoMode(1);
  EXPECT_EQ(newer.Word(10), 0);
  EXPECT_EQ(newer.Word(12), 0x40);
}

TEST(SettingAccessors, WholeWordsAndRecordingSources) {
  struct Case {
    Getter get;
    Setter set;
    int word;
  };
  const Case cases[] = {
      {&CDeviceSettings::GetAudioBlendSensitivity, &CDeviceSettings::SetAudioBlendSensitivity, 0},
      {&CDeviceSettings::GetMotionSensitivity, &CDeviceSettings::SetMotionSensitivity, 3},
      {&CDeviceSettings::GetVoxSensitivity, &CDeviceSettings::SetVoxSensitivity, 14},
      {&CDeviceSettings::GetSmartVolumeControl, &CDeviceSettings::SetSmartVolumeControl, 16},
  };
  for (const Case& c : cases) {
    CDeviceSettings s;
    (s.*c.set)(0x1234);
    EXPECT_EQ(s.Word(c.word), 0x1234) << c.word;
    s.SetWord(c.word, -5);
    EXPECT_EQ((s.*c.get)(), -5) << c.word;
  }

  CDeviceSettings camera;
  camera.SetWord(10, 0xF0FF);  // every bit but the four sources
  EXPECT_TRUE(camera.HasNoRecordingSource());
  for (int bit = 8; bit <= 11; ++bit) {
    camera.SetWord(10, 1 << bit);
    EXPECT_FALSE(camera.HasNoRecordingSource()) << bit;
  }
}

}  // namespace
