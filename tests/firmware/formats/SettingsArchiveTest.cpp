#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "firmware/formats/SettingsArchive.h"

namespace {

using device::CDeviceSettings;

// Every archived field with a distinct value.
CDeviceSettings FilledRecord() {
  CDeviceSettings s;
  s.m_nManagerVersionMajor = 1;
  s.m_nManagerVersionMinor = 0;
  s.m_nProductId = 0x4D21;
  s.m_strDeviceName = "Headset 27";
  s.m_nVersionMajor = 4;
  s.m_nVersionMinor = 12;
  s.m_nSecondaryVersionType = 1;
  s.m_nSecondaryVersion = 3;
  s.m_bIntercomVox = true;
  s.m_bEdrOff = true;
  s.m_bPlc = true;
  s.m_bMicrophoneBoost = true;
  s.m_bNoiseControlOff = true;
  s.m_nRadioTransmitGain = 15;
  s.m_nAudioChannelTimeout = 45;
  for (int w = 0; w <= 21; ++w) s.SetWord(w, 100 + w);
  for (int w : {18, 19, 20, 21}) s.SetWord(w, w % 2);
  s.m_nFmRegion = 3;
  s.m_nFmMagicCode = 0x56E9;
  s.m_nFmCurrentFrequency = 9870;
  s.m_nFmCurrentPreset = 2;
  for (int i = 0; i < 10; ++i) s.m_anFmPreset[size_t(i)] = 8750 + 10 * i;
  s.m_bFmRds = 1;
  s.m_astrSpeedDial = {"0123", "", "+49#*"};
  return s;
}

class SettingsArchive : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* tz = std::getenv("TZ");
    if (tz) oldTz_ = tz;
    hadTz_ = tz != nullptr;
    setenv("TZ", "UTC", 1);
    tzset();
  }
  void TearDown() override {
    if (hadTz_)
      setenv("TZ", oldTz_.c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }
  std::string oldTz_;
  bool hadTz_ = false;
};

constexpr int64_t kMarch5th2024 = 1709622249;  // 2024-03-05 07:04:09 UTC

TEST_F(SettingsArchive, WritesFiftySevenLinesInTheirOrder) {
  const std::string text = firmware::FormatSettingsArchive(FilledRecord(), kMarch5th2024);
  std::vector<std::string> lines;
  for (size_t at = 0; at < text.size();) {
    const size_t end = text.find("\r\n", at);
    ASSERT_NE(end, std::string::npos) << "every line ends with CR LF";
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  ASSERT_EQ(lines.size(), 57u);
  const std::pair<size_t, const char*> expected[] = {
      {0, "keyManagerVersion=1.0"},     {1, "keyDeviceRecognized=19745"},
      {2, "keyDeviceName=Headset 27"},  {3, "keyDeviceVersion=4.12"},
      {6, "keyDateArchived=03/05/2024 07:04:09"},
      {7, "keyIntercomVOX=1"},          {8, "keyHandsfreeVOX=0"},
      {17, "keyBasicSettingP7E01=100"}, {26, "keyBasicSettingP7E10=109"},
      {27, "keyBasicSettingK4TVOXSensitivity01=114"},
      {29, "keyBasicSettingVN4SmartVolumeControl01=116"},
      {31, "keyBasicSettingK4VCamera01=110"}, {32, "keyBasicSettingK4VCamera02=111"},
      {33, "keyRadioTransmitGain=15"},  {35, "keyAudioBoost=0"},
      {39, "keyFMRadioRegion=3"},       {40, "keyFMRadioMagicCode=22249"},
      {43, "keyFMRadioPreset01=8750"},  {52, "keyFMRadioPreset10=8840"},
      {53, "keyFMRadioRDS=1"},          {54, "keySpeedDial01=0123"},
      {55, "keySpeedDial02="},          {56, "keySpeedDial03=+49#*"},
  };
  for (const auto& [index, line] : expected) EXPECT_EQ(lines[index], line) << index;
}

TEST_F(SettingsArchive, ReadsBackWhatItWrote) {
  const CDeviceSettings written = FilledRecord();
  CDeviceSettings read;
  const auto result = firmware::ReadSettingsArchiveText(firmware::FormatSettingsArchive(written, kMarch5th2024), read);
  EXPECT_TRUE(result.hasProductId && result.hasVersion && result.hasDate);
  EXPECT_EQ(read.m_timeArchived, kMarch5th2024);
  CDeviceSettings expected = written;
  expected.m_timeArchived = kMarch5th2024;
  EXPECT_EQ(read.m_nManagerVersionMajor, 1);
  EXPECT_EQ(read.m_nProductId, expected.m_nProductId);
  EXPECT_EQ(read.m_strDeviceName, expected.m_strDeviceName);
  EXPECT_EQ(read.m_nVersionMinor, 12);
  EXPECT_EQ(read.m_nSecondaryVersionType, 1);
  EXPECT_EQ(read.m_nSecondaryVersion, 3);
  EXPECT_EQ(read.m_nRadioTransmitGain, 15);
  EXPECT_EQ(read.m_nAudioChannelTimeout, 45);
  EXPECT_EQ(read.m_astrSpeedDial, expected.m_astrSpeedDial);
  EXPECT_TRUE(read.m_bIntercomVox && read.m_bEdrOff && read.m_bPlc && read.m_bMicrophoneBoost &&
              read.m_bNoiseControlOff);
  EXPECT_FALSE(read.m_bHandsfreeVox || read.m_bVoicePromptOff || read.m_bSidetone);
  for (int w = 0; w < CDeviceSettings::kWordCount; ++w) {
    const bool archived = w <= 11 || (w >= 14 && w <= 21) || w >= 32;
    EXPECT_EQ(read.Word(w), archived ? written.Word(w) : 0) << "word " << w;
  }
}

TEST_F(SettingsArchive, ReaderSkipsWhatWouldWriteOutsideABlock) {
  CDeviceSettings s = FilledRecord();
  s.m_timeArchived = 77;
  const char* text =
      "\nkeyFMRadioPreset11=1\r\n"
      "keyFMRadioPreset00=2\n"
      "keyFMRadioPreset1=3\n"
      "keyBasicSettingK4VCamera04=44\n"
      "keyBasicSettingK4VCamera05=45\n"
      "keySpeedDial04=999\n"
      "keySpeedDial02=\n"
      "=orphan\n"
      "no equals sign\n"
      "keyDateArchived=3/5/2024 7:04:09\n"
      "keyFMRadioRegion=7\n"
      "keyHDVoice=5\n"
      "  keyBasicSettingVN4SmartVolumeControl02 = 9 \r\n"
      "keyAudioSumbra=2";
  const auto result = firmware::ReadSettingsArchiveText(text, s);
  EXPECT_FALSE(result.hasProductId || result.hasVersion || result.hasDate);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(s.m_anFmPreset[size_t(i)], 8750 + 10 * i);
  EXPECT_EQ(s.Word(13), 44);
  EXPECT_EQ(s.m_astrSpeedDial[1], "");
  EXPECT_EQ(s.m_astrSpeedDial[2], "+49#*");
  EXPECT_EQ(s.m_timeArchived, 77);
  EXPECT_EQ(s.m_nFmRegion, 0);
  EXPECT_EQ(s.m_bHdVoice, 1);
  EXPECT_EQ(s.Word(17), 9);
  EXPECT_EQ(s.m_bAudioBlend, 1);
}

TEST_F(SettingsArchive, DatesOnlyInTheirExactForm) {
  EXPECT_EQ(firmware::ParseArchiveDate("03/05/2024 07:04:09"), kMarch5th2024);
  // The last second of a day and of a year, and the first the format allows, read back as written.
  for (const char* good : {"12/31/2023 23:59:59", "01/01/1900 00:00:00", "02/29/2024 12:00:00"}) {
    const auto time = firmware::ParseArchiveDate(good);
    ASSERT_TRUE(time.has_value()) << good;
    EXPECT_EQ(firmware::FormatArchiveDate(*time), good);
  }
  for (const char* bad : {"", "03/05/2024", "13/05/2024 07:04:09", "03/32/2024 07:04:09", "03/05/1899 07:04:09",
                          "03/05/2024 24:00:00", "0x/05/2024 07:04:09", "03-05-2024 07:04:09"})
    EXPECT_FALSE(firmware::ParseArchiveDate(bad).has_value()) << bad;
  EXPECT_EQ(firmware::FormatArchiveDate(kMarch5th2024), "03/05/2024 07:04:09");
}

// A line break in the device's name must not end its line: the name is written on one line and
// every key after it still reads.
TEST_F(SettingsArchive, ALineBreakInTheDeviceNameStaysOnItsLine) {
  for (const char* name : {"Rider\rone", "Rider\none", "Rider\r\none"}) {
    SCOPED_TRACE(testing::Message() << '"' << name << '"');
    CDeviceSettings written = FilledRecord();
    written.m_strDeviceName = name;
    const std::string text = firmware::FormatSettingsArchive(written, kMarch5th2024);
    size_t breaks = 0;
    for (size_t at = 0; at < text.size(); ++at) {
      if (text[at] == '\r' || text[at] == '\n') ++breaks;
    }
    EXPECT_EQ(breaks, 2u * 57) << "CR LF ends each line and nothing else breaks one";
    CDeviceSettings read;
    const auto result = firmware::ReadSettingsArchiveText(text, read);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(read.m_strDeviceName.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(read.m_strDeviceName.substr(0, 5), "Rider");
    EXPECT_EQ(read.m_nVersionMajor, 4);
    EXPECT_EQ(read.m_timeArchived, kMarch5th2024);
  }
}

// An archive from another writer may hold any number for an on/off value: all but 0 are on.
TEST_F(SettingsArchive, AnOnOffValueOtherThanZeroReadsAsOne) {
  struct Case {
    const char* value;
    int read;
  };
  for (const Case c : {Case{"2", 1}, Case{"-1", 1}, Case{"1", 1}, Case{"0", 0}, Case{"x", 0}}) {
    SCOPED_TRACE(c.value);
    CDeviceSettings s;
    const std::string v = c.value;
    firmware::ReadSettingsArchiveText("keyIntercomVOX=" + v + "\nkeySidetone=" + v + "\nkeyHDVoice=" + v + "\n", s);
    EXPECT_EQ(s.m_bIntercomVox, c.read);
    EXPECT_EQ(s.m_bSidetone, c.read);
    EXPECT_EQ(s.m_bHdVoice, c.read);
  }
}

TEST_F(SettingsArchive, AnFmRegionOutsideTheSixRegionsReadsAsZero) {
  for (const auto& [stored, read] : std::vector<std::pair<int, int>>{{6, 0}, {-1, 0}, {5, 5}, {0, 0}}) {
    CDeviceSettings s;
    firmware::ReadSettingsArchiveText("keyFMRadioRegion=" + std::to_string(stored) + "\n", s);
    EXPECT_EQ(s.m_nFmRegion, read) << stored;
  }
}

}  // namespace
