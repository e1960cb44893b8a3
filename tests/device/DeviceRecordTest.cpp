#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <new>

#include "RecordDump.h"
#include "device/DeviceSettings.h"
#include "device/SpeedDialText.h"

namespace {

using device::CDeviceSettings;
using device_test::Dump;
using device_test::FilledRecord;

CDeviceSettings Record(int productId, int major = 0, int minor = 0) {
  CDeviceSettings s;
  s.m_nProductId = productId;
  s.m_nVersionMajor = major;
  s.m_nVersionMinor = minor;
  return s;
}

TEST(DeviceRecord, StartsAllZeroWhateverTheMemoryHeld) {
  alignas(CDeviceSettings) unsigned char storage[sizeof(CDeviceSettings)];
  std::memset(storage, 0xAB, sizeof storage);
  asm volatile("" : : "r"(storage) : "memory");  // keep the fill: the constructor must clear it
  auto* s = new (storage) CDeviceSettings;
  std::string expected = "manager 0.0\nproduct 0\naddress ''\nhardware text ''\nname ''\n"
                         "address hex ''\nversion 0 0 0 0 0\n";
  for (int i = 0; i < 5; ++i) expected += "hid " + std::to_string(i) + " 0 0\n";
  expected += "hardware 0.0\narchived 0\non/off 0000000000\nradio 0 0\n";
  for (int i = 0; i < CDeviceSettings::kWordCount; ++i) {
    expected += "word " + std::to_string(i) + " 0\n";
  }
  expected += "speed dial ''\nspeed dial ''\nspeed dial ''\n";
  EXPECT_EQ(Dump(*s), expected);
  s->~CDeviceSettings();
}

TEST(DeviceRecord, WordIndexReachesTheNamedMembers) {
  CDeviceSettings s;
  for (int i = 0; i < CDeviceSettings::kWordCount; ++i) s.SetWord(i, 1000 + i);
  for (int k = 0; k < 10; ++k) EXPECT_EQ(s.m_anBasicSetting[k], 1000 + k);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(s.m_anCameraSetting[k], 1010 + k);
  EXPECT_EQ(s.m_anVoxSensitivity[0], 1014);
  EXPECT_EQ(s.m_anSmartVolumeControl[1], 1017);
  EXPECT_EQ(s.m_bAudioBoostOff, 1018);
  EXPECT_EQ(s.m_bHdIntercom, 1019);
  EXPECT_EQ(s.m_bFmStationGuide, 1020);
  EXPECT_EQ(s.m_bHdVoice, 1021);
  EXPECT_EQ(s.m_nAudioSourcePriority, 1022);
  EXPECT_EQ(s.m_bAudioBlend, 1023);
  EXPECT_EQ(s.m_bSmartNaviSystem, 1024);
  EXPECT_EQ(s.m_anReserved[6], 1031);
  EXPECT_EQ(s.m_nFmRegion, 1032);
  EXPECT_EQ(s.m_nFmMagicCode, 1033);
  EXPECT_EQ(s.m_nFmCurrentFrequency, 1034);
  EXPECT_EQ(s.m_nFmCurrentPreset, 1035);
  EXPECT_EQ(s.m_anFmPreset[0], 1036);
  EXPECT_EQ(s.m_anFmPreset[9], 1045);
  EXPECT_EQ(s.m_bFmRds, 1046);

  const std::string before = Dump(s);
  for (int outside : {-1, CDeviceSettings::kWordCount, INT_MIN, INT_MAX}) {
    s.SetWord(outside, 7);
    EXPECT_EQ(s.Word(outside), 0);
  }
  EXPECT_EQ(Dump(s), before);
}

TEST(DeviceRecord, CopyFromKeepsTheDestinationsOwnHardwareFields) {
  const CDeviceSettings src = FilledRecord(100);
  for (bool withVersions : {false, true}) {
    SCOPED_TRACE(withVersions);
    CDeviceSettings dst = FilledRecord(5001);
    const CDeviceSettings original = dst;
    dst.CopyFrom(src, withVersions);

    CDeviceSettings expected = src;
    expected.m_strHardwareVersion = original.m_strHardwareVersion;
    expected.m_strAddressHex = original.m_strAddressHex;
    expected.m_nVersionExtra = original.m_nVersionExtra;
    expected.m_anHidVersion1[4] = original.m_anHidVersion1[4];
    expected.m_anHidVersion2[4] = original.m_anHidVersion2[4];
    expected.m_nHardwareMajor = original.m_nHardwareMajor;
    expected.m_nHardwareMinor = original.m_nHardwareMinor;
    if (!withVersions) {
      expected.m_nVersionMajor = original.m_nVersionMajor;
      expected.m_nVersionMinor = original.m_nVersionMinor;
      expected.m_nSecondaryVersionType = original.m_nSecondaryVersionType;
      expected.m_nSecondaryVersion = original.m_nSecondaryVersion;
      expected.m_anHidVersion1 = original.m_anHidVersion1;
      expected.m_anHidVersion2 = original.m_anHidVersion2;
    }
    EXPECT_EQ(Dump(dst), Dump(expected));
  }
}

// Every on/off member and every word set to 1.
CDeviceSettings AllOn(int productId, int major = 0, int minor = 0) {
  CDeviceSettings s = Record(productId, major, minor);
  for (int* m : {&s.m_bHandsfreeVox, &s.m_bIntercomVox, &s.m_bEdrOff, &s.m_bVoicePromptOff,
                  &s.m_bPlc, &s.m_bBitpoolRate, &s.m_bMicrophoneBoost, &s.m_bSidetone,
                  &s.m_bNoiseControlOff, &s.m_bAutoGainControlOff}) {
    *m = true;
  }
  for (int i = 0; i < CDeviceSettings::kWordCount; ++i) s.SetWord(i, 1);
  return s;
}

TEST(DeviceRecord, FeatureWordCarriesEachFamilysWords) {
  struct Case {
    int productId, major, minor;
    uint16_t expected;
  };
  const Case cases[] = {
      {0x5410, 0, 0, 0xFF7F},  // every word reaches the feature word
      {0x4D10, 0, 0, 0x277F},  // on/off members and HD Voice only
      {0x9999, 0, 0, 0x277F},  // an unknown id likewise
      {0x6010, 0, 0, 0x2F7F},  // words 18, 19 and Smart Navi in bit 13
      {0x6020, 0, 0, 0x277F},  // Smart Navi in bit 13, nothing else
      {0x3030, 0, 0, 0x377F},  // FM Station Guide
      {0x5510, 1, 0, 0xF77F},  // HD Intercom only from firmware 1.1
      {0x5510, 1, 1, 0xFF7F},
      {0x5510, 1, 10, 0xFF7F},
      {0x5623, 0, 0, 0x2F7F},
      {0x5524, 0, 0, 0xF77F},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AllOn(c.productId, c.major, c.minor).PackFeatureWord(), c.expected)
        << std::hex << c.productId << ' ' << c.major << '.' << c.minor;
  }
}

TEST(DeviceRecord, FeatureWordBitsComeFromTheirOwnSources) {
  struct Case {
    int productId;
    std::function<void(CDeviceSettings&)> set;
    uint16_t expected;
  };
  const Case cases[] = {
      {0x4D10, [](CDeviceSettings& s) { s.m_bHandsfreeVox = true; }, 0x0001},
      {0x4D10, [](CDeviceSettings& s) { s.m_bMicrophoneBoost = true; }, 0x0040},
      {0x4D10, [](CDeviceSettings& s) { s.m_bSidetone = true; }, 0x0100},
      {0x4D10, [](CDeviceSettings& s) { s.m_bAutoGainControlOff = true; }, 0x0400},
      {0x4D10, [](CDeviceSettings& s) { s.m_bAudioBoostOff = 1; }, 0x0000},
      {0x5410, [](CDeviceSettings& s) { s.m_bAudioBoostOff = 5; }, 0x0400},
      {0x5410, [](CDeviceSettings& s) { s.m_bAudioBlend = 1; }, 0x8000},
      {0x5410, [](CDeviceSettings& s) { s.m_nAudioSourcePriority = 3; }, 0x4000},
      {0x4D10, [](CDeviceSettings& s) { s.m_bHdVoice = 1; }, 0x2000},
      {0x6010, [](CDeviceSettings& s) { s.m_bHdVoice = 1; }, 0x0000},
      {0x6010, [](CDeviceSettings& s) { s.m_bSmartNaviSystem = 1; }, 0x2000},
  };
  for (const Case& c : cases) {
    CDeviceSettings s = Record(c.productId);
    c.set(s);
    EXPECT_EQ(s.PackFeatureWord(), c.expected) << std::hex << c.productId << ' ' << c.expected;
  }
}

TEST(DeviceRecord, SettingsDifferComparesOnlyWhatTheProductOffers) {
  struct Case {
    const char* what;
    int productId, major, minor;
    bool includeFm;
    std::function<void(CDeviceSettings&)> change;
    bool differs;
  };
  const auto word = [](int index) {
    return [index](CDeviceSettings& s) { s.SetWord(index, s.Word(index) + 1); };
  };
  const Case cases[] = {
      {"word 22 is not carried for 0x4D10", 0x4D10, 0, 0, true, word(22), false},
      {"on/off member for 0x4D10", 0x4D10, 0, 0, false,
       [](CDeviceSettings& s) { s.m_bEdrOff = !s.m_bEdrOff; }, true},
      {"HD Intercom is not carried for 0x3030", 0x3030, 0, 0, false, word(19), false},
      {"FM Station Guide is, for 0x3030", 0x3030, 0, 0, false, word(20), true},
      {"0x5510 HD Intercom at 1.0", 0x5510, 1, 0, false, word(19), false},
      {"0x5510 HD Intercom at 1.1", 0x5510, 1, 1, false, word(19), true},
      {"0x5510 camera word", 0x5510, 0, 0, false, word(12), true},
      {"0x6010 preset 7", 0x6010, 0, 0, true, word(42), false},
      {"0x6010 preset 6", 0x6010, 0, 0, true, word(41), true},
      {"0x6010 RDS", 0x6010, 0, 0, true, word(46), true},
      {"0x6010 preset 6 without FM", 0x6010, 0, 0, false, word(41), false},
      {"0x6010 basic word", 0x6010, 0, 0, false, word(5), true},
      {"0x6020 FM region", 0x6020, 0, 0, true, word(32), false},
      {"0x6020 preset", 0x6020, 0, 0, true, word(36), false},
      {"0x6020 VOX sensitivity", 0x6020, 0, 0, false, word(15), true},
      {"0x5412 last preset", 0x5412, 0, 0, true, word(45), true},
      {"0x5412 FM tag word", 0x5412, 0, 0, true, word(33), true},
      {"0x5412 smart volume", 0x5412, 0, 0, false, word(17), true},
      {"0x5622 VOX at 1.0", 0x5622, 1, 0, false, word(14), false},
      {"0x5622 VOX at 1.1", 0x5622, 1, 1, false, word(14), true},
      {"0x5623 smart volume", 0x5623, 2, 0, false, word(16), false},
      {"0x2030 basic word", 0x2030, 0, 0, false, word(9), true},
      {"0x2030 on/off member", 0x2030, 0, 0, false,
       [](CDeviceSettings& s) { s.m_bHandsfreeVox = !s.m_bHandsfreeVox; }, false},
      {"0x5210 transmit gain", 0x5210, 0, 0, false,
       [](CDeviceSettings& s) { s.m_nRadioTransmitGain = 17; }, true},
      {"0x5210 channel timeout", 0x5210, 0, 0, false,
       [](CDeviceSettings& s) { s.m_nAudioChannelTimeout = 30; }, true},
      {"0x5210 on/off member", 0x5210, 0, 0, false,
       [](CDeviceSettings& s) { s.m_bSidetone = !s.m_bSidetone; }, false},
      {"0x3020 never differs", 0x3020, 0, 0, true,
       [](CDeviceSettings& s) { s = FilledRecord(9000); }, false},
      {"speed dials are never compared", 0x5410, 0, 0, true,
       [](CDeviceSettings& s) { s.m_astrSpeedDial[0] = "112"; }, false},
      {"identity is never compared", 0x4D10, 0, 0, true,
       [](CDeviceSettings& s) { s.m_strDeviceName = "other"; }, false},
  };
  for (const Case& c : cases) {
    CDeviceSettings device = Record(c.productId, c.major, c.minor);
    CDeviceSettings edited = device;
    EXPECT_FALSE(device.SettingsDiffer(edited, c.includeFm)) << c.what;
    c.change(edited);
    EXPECT_EQ(device.SettingsDiffer(edited, c.includeFm), c.differs) << c.what;
  }
}

TEST(DeviceRecord, CompareWordRangesGiveTheFirstDifference) {
  using Compare = int (CDeviceSettings::*)(const CDeviceSettings&) const;
  struct Case {
    Compare compare;
    int first, count;
  };
  const Case cases[] = {
      {&CDeviceSettings::CompareBasicWords, 0, 10},
      {&CDeviceSettings::CompareCameraWords, 10, 4},
      {&CDeviceSettings::CompareVoxSensitivityWords, 14, 2},
      {&CDeviceSettings::CompareSmartVolumeWords, 16, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first);
    CDeviceSettings a, b;
    // Words just outside the range never count.
    a.SetWord(c.first - 1, 50);
    a.SetWord(c.first + c.count, 50);
    EXPECT_EQ((a.*c.compare)(b), 0);
    a.SetWord(c.first + c.count - 1, 9);  // last word of the range
    EXPECT_EQ((a.*c.compare)(b), 9);
    EXPECT_EQ((b.*c.compare)(a), -9);
    b.SetWord(c.first, 4);  // an earlier difference decides
    EXPECT_EQ((a.*c.compare)(b), -4);
    a.SetWord(c.first, INT_MIN);
    b.SetWord(c.first, 1);
    EXPECT_LT((a.*c.compare)(b), 0);  // no overflow into a positive result
  }
}

device::SpeedDialWords Words(std::initializer_list<uint16_t> used) {
  device::SpeedDialWords words{};
  std::size_t i = 0;
  for (uint16_t w : used) words[i++] = w;
  return words;
}

TEST(DeviceRecord, SpeedDialPackingKeepsToWhatTheDeviceStores) {
  struct Case {
    std::string text;
    std::string stored;  // what reads back
    int packedBytes;
  };
  const Case cases[] = {
      {"+49 30 1234567", "+49 30 1234567", 28},
      {"1234567890123456789012345", "12345678901234567890", 40},  // cut at 20
      {"", "", 0},
      {"Zürich *31#", "Zürich *31#", 22},          // Latin-1 fits one byte per character
      {"\u260E 112", " 112", 8},                   // a telephone sign does not
      {"12\x07" "3", "123", 6},                    // control characters are left out
      {"1\xC0\x80" "2", "12", 4},                  // an overlong NUL does not end the text
      {"\xFF\xFE" "5", "5", 2},                    // neither do stray bytes
      {"\u20AC 5", " 5", 4},                       // nor characters above U+00FF
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    device::SpeedDialWords words;
    words.fill(0xFFFF);
    EXPECT_EQ(device::PackTextWords(words, c.text), c.packedBytes);
    for (std::size_t i = static_cast<std::size_t>(c.packedBytes / 2); i < words.size(); ++i) {
      EXPECT_EQ(words[i], 0) << i;
    }
    std::string back = "junk";
    EXPECT_EQ(device::UnpackTextWords(back, words), c.packedBytes / 2);
    EXPECT_EQ(back, c.stored);
    EXPECT_EQ(device::FitSpeedDialText(c.text), c.stored);
  }
}

TEST(DeviceRecord, SpeedDialUnpackingReadsLowBytesUpToTheFirstZero) {
  std::string text;
  EXPECT_EQ(device::UnpackTextWords(text, Words({'1', '2', 0, '4'})), 2);
  EXPECT_EQ(text, "12");
  // High bytes are dropped; a word whose low byte is zero ends the text.
  EXPECT_EQ(device::UnpackTextWords(text, Words({0x4131, 0x0032, 0x0100})), 2);
  EXPECT_EQ(text, "12");
  EXPECT_EQ(device::UnpackTextWords(text, Words({'9', 0x01, 0xE9})), 2);
  EXPECT_EQ(text, "9\u00E9");

  device::SpeedDialWords full;
  full.fill('7');  // no terminating zero: all 20 are read, nothing beyond
  EXPECT_EQ(device::UnpackTextWords(text, full), 20);
  EXPECT_EQ(text, std::string(20, '7'));
}

}  // namespace
