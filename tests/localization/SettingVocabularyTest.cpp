#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <climits>
#include <set>
#include <string>
#include <vector>

#include "TextChecks.h"
#include "localization/LanguageNames.h"
#include "localization/SettingVocabulary.h"

namespace {

using namespace text;

TEST(SettingVocabulary, EveryEntryIsFilled) {
  for (const VocabularyRow* row : {&g_strBasic, &g_strSpeedDial, &g_strFmRadio}) {
    for (const char* entry : *row) {
      ASSERT_NE(entry, nullptr);
      EXPECT_STRNE(entry, "");
    }
  }
  for (const auto& language : g_strRadioRegions) {
    for (const char* entry : language) {
      ASSERT_NE(entry, nullptr);
      EXPECT_STRNE(entry, "");
    }
  }
}

TEST(SettingVocabulary, GuardedReadsNeverLeaveTheTables) {
  EXPECT_EQ(VocabularyText(g_strSpeedDial, 0), "Speed Dial");
  EXPECT_EQ(VocabularyText(g_strSpeedDial, 8), "Быстрый набор");
  EXPECT_EQ(VocabularyText(g_strBasic, 2), "Basic");  // German uses the English word
  for (int language : {-1, 11, INT_MIN, INT_MAX}) {
    EXPECT_EQ(VocabularyText(g_strFmRadio, language), "FM Radio") << language;
    EXPECT_EQ(VocabularyItem(g_strRadioRegions, language, 5), "Japan") << language;
  }

  const char* english[] = {"Worldwide", "Americas", "Asia", "Australia", "Europe", "Japan"};
  for (int item = 0; item < 6; ++item) {
    EXPECT_EQ(VocabularyItem(g_strRadioRegions, 0, item), english[item]);
  }
  EXPECT_EQ(VocabularyItem(g_strRadioRegions, 4, 5), "日本");
  EXPECT_EQ(VocabularyItem(g_strRadioRegions, 10, 0), "Maailmanlaajuinen");
  for (int item : {-1, 6, INT_MIN, INT_MAX}) {
    EXPECT_EQ(VocabularyItem(g_strRadioRegions, 1, item), "") << item;
  }
}

}  // namespace

namespace {

using namespace text;
using testing_text::PlaceholderSequence;

struct SingleTable {
  const char* name;
  const VocabularyRow* row;
  const char* english;
};

#define TABLE(name, english) {#name, &name, english}
const SingleTable kSingleTables[] = {
    TABLE(g_strVoxIntercom, "VOX Intercom"),
    TABLE(g_strVoxPhone, "VOX Phone"),
    TABLE(g_strVoxSensitivity, "VOX Sensitivity"),
    TABLE(g_strEnhancedDataRate, "EDR (Enhanced Data Rate)"),
    TABLE(g_strVoicePrompt, "Voice Prompt"),
    TABLE(g_strPacketLossConcealment, "PLC (Packet Loss Concealment)"),
    TABLE(g_strHighQualityA2dp, "High Quality A2DP"),
    TABLE(g_strMicrophoneBoosting, "Microphone Boosting"),
    TABLE(g_strSidetone, "Sidetone"),
    TABLE(g_strAmbientNoise, "Mutravo™"),
    TABLE(g_strAutoGainControl, "Auto Gain Control"),
    TABLE(g_strRadioTransmitGain, "Radio Transmit Gain"),
    TABLE(g_strAudioChannelTimeout, "Audio Channel Timeout"),
    TABLE(g_strAudioBoost, "Audio Boost"),
    TABLE(g_strMotionSensorSensitivity, "Motion Sensor Sensitivity"),
    TABLE(g_strConcurrentAudio, "Audio Tavlisk™"),
    TABLE(g_strAudioBlendSensitivity, "Intercom-audio Sumbra Sensitivity"),
    TABLE(g_strNavigationAppSupport, "Navigation App Support"),
    TABLE(g_strHdIntercom, "HD Intercom"),
    TABLE(g_strEightWayIntercom, "Eight-way Intercom"),
    TABLE(g_strSmartVolumeControl, "Smart Volume Control"),
    TABLE(g_strFmStationGuide, "FM Station Guide"),
    TABLE(g_strHdVoice, "HD Voice"),
    TABLE(g_strAudioSourcePriority, "Audio Source Priority"),
    TABLE(g_strAudioBlend, "Audio Sumbra™"),
    TABLE(g_strIntercomConcurrentAudio, "Bluetooth Intercom Audio Tavlisk™"),
    TABLE(g_strSmartNaviSystem, "Smart Navi System"),
    TABLE(g_strGuestMode, "Guest Mode"),
    TABLE(g_strVoiceCommand, "Voice Command"),
    TABLE(g_strAudioBlendVolume, "Audio Sumbra Volume Management"),
    TABLE(g_strUnitLanguage, "Unit Language"),
    TABLE(g_strMusic, "Music"),
    TABLE(g_strIntercom, "Intercom"),
    TABLE(g_strSourceMusic, "▶ Music"),
    TABLE(g_strSourceFmRadio, "▶ FM Radio"),
    TABLE(g_strSourceIntercom, "▶ Intercom"),
    TABLE(g_strSourcePhone, "▶ Phone"),
    TABLE(g_strEssStatus, "ESS STATUS"),
    TABLE(g_strEssOn, "ESS ON"),
    TABLE(g_strEssOff, "ESS OFF"),
    TABLE(g_strPositionLightEssOn, "Position Light + ESS ON"),
    TABLE(g_strFogLightEssOn, "Fog Light + ESS ON"),
    TABLE(g_strEssSensitivity, "ESS Sensitivity"),
    TABLE(g_strPhotoMode, "Photo Mode"),
    TABLE(g_strSingleShot, "Single Shot"),
    TABLE(g_strBurstShot, "Burst Shot"),
    TABLE(g_strVideoMode, "Video Mode"),
    TABLE(g_strTimelapseMode, "Timelapse Mode"),
    TABLE(g_strLoopRecordingMode, "Loop Recording Mode"),
    TABLE(g_strVideoResolution, "Video Resolution"),
    TABLE(g_str1080p30, "1080p/30fps"),
    TABLE(g_str720p60, "720p/60fps"),
    TABLE(g_str720p30, "720p/30fps"),
    TABLE(g_strTimelapseInterval, "Timelapse Interval"),
    TABLE(g_strVideoTaggingInterval, "Video Tagging Interval"),
    TABLE(g_strLoopRecordingInterval, "Loop Recording Interval"),
    TABLE(g_strVideoMicrophoneGain, "Video Microphone Gain"),
    TABLE(g_str1Min, "1 min"),
    TABLE(g_str3Mins, "3 mins"),
    TABLE(g_str5Mins, "5 mins"),
    TABLE(g_str1Sec, "1 sec"),
    TABLE(g_str10Secs, "10 secs"),
    TABLE(g_strDateCaption, "Date Caption"),
    TABLE(g_strSpeakerSoundRecording, "Speaker Sound Recording"),
    TABLE(g_strAutoCameraSleep, "Auto Camera Sleep"),
    TABLE(g_strRadioRegion, "Radio Region"),
    TABLE(g_strRegion, "Region"),
    TABLE(g_strFmRadioPresets, "FM Radio Presets"),
    TABLE(g_strRdsAlternativeFrequencies, "RDS AF (Alternative Frequencies)"),
    TABLE(g_strEmpty, "Empty"),
    TABLE(g_strBasic, "Basic"),
    TABLE(g_strSpeedDial, "Speed Dial"),
    TABLE(g_strFmRadio, "FM Radio"),
    TABLE(g_strMore, "More..."),
    TABLE(g_strDate, "Date"),
};
#undef TABLE

// A shown word: present, not blank-padded, and taking the same placeholders as its English.
void ExpectShownWord(const char* entry, const std::string& english, const std::string& where) {
  ASSERT_NE(entry, nullptr) << where;
  const std::string text = entry;
  ASSERT_FALSE(text.empty()) << where;
  EXPECT_NE(text.front(), ' ') << where;
  EXPECT_NE(text.back(), ' ') << where;
  EXPECT_EQ(PlaceholderSequence(text), PlaceholderSequence(english)) << where;
}

template <std::size_t Items>
void ExpectFilledItems(const VocabularyItems<Items>& table, const char* name) {
  for (int language = 0; language < kVocabularyLanguages; ++language) {
    for (std::size_t item = 0; item < Items; ++item) {
      ExpectShownWord(table[static_cast<std::size_t>(language)][item], table[0][item],
                      std::string(name) + " language " + std::to_string(language) + " item " +
                          std::to_string(item));
    }
  }
}

TEST(SettingVocabularyTables, EverySingleTableHasItsEnglishAndTenShownTranslations) {
  for (const SingleTable& table : kSingleTables) {
    EXPECT_STREQ((*table.row)[0], table.english) << table.name;
    for (int language = 0; language < kVocabularyLanguages; ++language) {
      ExpectShownWord((*table.row)[static_cast<std::size_t>(language)], table.english,
                      std::string(table.name) + " language " + std::to_string(language));
    }
  }
}

TEST(SettingVocabularyTables, EveryMultiTableIsFilledAndHasItsEnglishRow) {
  ExpectFilledItems(g_strLowMediumHigh, "g_strLowMediumHigh");
  ExpectFilledItems(g_strRadioRegions, "g_strRadioRegions");
  ExpectFilledItems(g_strLevels, "g_strLevels");
  ExpectFilledItems(g_strDeviceLanguages, "g_strDeviceLanguages");

  const auto englishRow = [](const auto& table) {
    return std::vector<std::string>(table[0].begin(), table[0].end());
  };
  EXPECT_EQ(englishRow(g_strLowMediumHigh), (std::vector<std::string>{"Low", "Medium", "High"}));
  EXPECT_EQ(englishRow(g_strLevels),
            (std::vector<std::string>{"Level 1", "Level 2", "Level 3", "Level 4", "Level 5",
                                      "Level 6", "Level 7", "Level 8", "Level 9", "Level 10"}));
  EXPECT_EQ(englishRow(g_strDeviceLanguages),
            (std::vector<std::string>{"English", "French", "Spanish", "Italian", "German", "Dutch",
                                      "Russian", "Chinese", "Korean", "Japanese", "Finnish"}));
}

TEST(SettingVocabularyTables, GuardedReadsStayInsideEveryTable) {
  for (int language : {-1, 11, INT_MIN, INT_MAX}) {
    EXPECT_EQ(VocabularyText(g_strEmpty, language), "Empty") << language;
    EXPECT_EQ(VocabularyItem(g_strLowMediumHigh, language, 2), "High") << language;
    EXPECT_EQ(VocabularyItem(g_strLevels, language, 9), "Level 10") << language;
    EXPECT_EQ(VocabularyItem(g_strDeviceLanguages, language, 2), "Spanish") << language;
  }
  for (int item : {-1, INT_MIN, INT_MAX}) {
    EXPECT_EQ(VocabularyItem(g_strLowMediumHigh, 3, item), "") << item;
    EXPECT_EQ(VocabularyItem(g_strLevels, 3, item), "") << item;
    EXPECT_EQ(VocabularyItem(g_strDeviceLanguages, 3, item), "") << item;
  }
  EXPECT_EQ(VocabularyItem(g_strLowMediumHigh, 1, 3), "");
  EXPECT_EQ(VocabularyItem(g_strLevels, 1, 10), "");
  EXPECT_EQ(VocabularyItem(g_strDeviceLanguages, 1, 11), "");
}

// Which translations keep the English text, and which are stored already cut short.
struct Particular {
  const char* name;
  const VocabularyRow* row;
  std::set<int> repeatEnglish;
  std::set<int> storedCut;
};

TEST(SettingVocabularyTables, ExactlyTheNamedTranslationsRepeatTheEnglishOrAreStoredCut) {
  const std::set<int> ess = {4, 5, 8, 9, 10};
  const std::set<int> allButFrenchAndRussian = {2, 3, 4, 5, 6, 7, 9, 10};
  const std::set<int> everyTranslation = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  const Particular cases[] = {
      {"AmbientNoise", &g_strAmbientNoise, everyTranslation, {}},
      {"ConcurrentAudio", &g_strConcurrentAudio, everyTranslation, {}},
      {"AudioBlend", &g_strAudioBlend, everyTranslation, {}},
      {"SmartNaviSystem", &g_strSmartNaviSystem, everyTranslation, {}},
      {"EssStatus", &g_strEssStatus, ess, {}},
      {"EssOn", &g_strEssOn, ess, {}},
      {"EssOff", &g_strEssOff, ess, {}},
      {"PositionLightEssOn", &g_strPositionLightEssOn, ess, {}},
      {"FogLightEssOn", &g_strFogLightEssOn, ess, {}},
      {"EssSensitivity", &g_strEssSensitivity, ess, {}},
      {"1080p30", &g_str1080p30, allButFrenchAndRussian, {}},
      {"720p60", &g_str720p60, allButFrenchAndRussian, {}},
      {"720p30", &g_str720p30, allButFrenchAndRussian, {}},
      {"HdVoice", &g_strHdVoice, {2, 3, 5, 8, 9}, {}},
      {"PacketLossConcealment", &g_strPacketLossConcealment, {2, 3, 10}, {1}},
      {"1Min", &g_str1Min, {1, 3, 6, 7, 10}, {}},
      {"Intercom", &g_strIntercom, {1, 3, 7}, {}},
      {"SourceIntercom", &g_strSourceIntercom, {1, 3, 7}, {}},
      {"Sidetone", &g_strSidetone, {3}, {}},
      {"Region", &g_strRegion, {2}, {}},
      {"Basic", &g_strBasic, {2}, {}},
      {"Date", &g_strDate, {1}, {}},
      {"1Sec", &g_str1Sec, {7}, {}},
      {"EnhancedDataRate", &g_strEnhancedDataRate, {}, {1, 7, 8}},
      {"AutoGainControl", &g_strAutoGainControl, {}, {2, 3, 8}},
      {"MotionSensorSensitivity", &g_strMotionSensorSensitivity, {}, {1, 2, 3, 6, 7, 8}},
      {"AudioBlendSensitivity", &g_strAudioBlendSensitivity, {}, {1, 2, 3, 6, 7, 8, 10}},
      {"NavigationAppSupport", &g_strNavigationAppSupport, {}, {2, 3, 4, 6}},
      {"HighQualityA2dp", &g_strHighQualityA2dp, {}, {8}},
      {"AudioChannelTimeout", &g_strAudioChannelTimeout, {}, {8}},
      {"RdsAlternativeFrequencies", &g_strRdsAlternativeFrequencies, {}, {8}},
      {"VideoMicrophoneGain", &g_strVideoMicrophoneGain, {}, {8}},
  };
  for (const Particular& table : cases) {
    const std::string english = (*table.row)[0];
    for (int language = 1; language < kVocabularyLanguages; ++language) {
      const std::string entry = (*table.row)[static_cast<std::size_t>(language)];
      EXPECT_EQ(entry == english, table.repeatEnglish.count(language) == 1)
          << table.name << " language " << language << ": " << entry;
      const bool cut = entry.size() > 3 && entry.ends_with("...");
      EXPECT_EQ(cut, table.storedCut.count(language) == 1)
          << table.name << " language " << language << ": " << entry;
    }
  }
}

TEST(SettingVocabularyTables, ComposedEntriesKeepTheirFixedParts) {
  for (int language = 0; language < kVocabularyLanguages; ++language) {
    const auto at = static_cast<std::size_t>(language);
    const std::string where = "language " + std::to_string(language);
    // The priority list marks each source the same way and names it as the plain option does.
    EXPECT_EQ(std::string(g_strSourceMusic[at]), std::string("▶ ") + g_strMusic[at]) << where;
    EXPECT_EQ(std::string(g_strSourceIntercom[at]), std::string("▶ ") + g_strIntercom[at])
        << where;
    EXPECT_EQ(std::string(g_strSourceFmRadio[at]), std::string("▶ ") + g_strFmRadio[at])
        << where;
    EXPECT_TRUE(std::string(g_strSourcePhone[at]).starts_with("▶ ")) << where;
    EXPECT_TRUE(std::string(g_strIntercomConcurrentAudio[at]).ends_with(" Audio Tavlisk™"))
        << where;
    // A label must be a word, never a resource key.
    EXPECT_FALSE(std::string(g_strUnitLanguage[at]).starts_with("UnitLanguage")) << where;
    EXPECT_EQ(std::string(g_strMore[at]).ends_with(language == 10 ? "…" : "..."), true) << where;
  }
  EXPECT_STREQ(g_strUnitLanguage[7], "Taal van het apparaat");
  EXPECT_STREQ(g_strIntercomConcurrentAudio[2], "Bluetooth-Gegensprechen Audio Tavlisk™");
  EXPECT_STREQ(g_str1080p30[1], "1080p / 30 ips");
  EXPECT_STREQ(g_str720p60[8], "720p (60 кадров/сек)");
  EXPECT_STREQ(g_str3Mins[1], "3 min");
  EXPECT_STREQ(g_strMore[10], "Enemmän…");
}

std::string DigitsOf(const std::string& text) {
  std::string digits;
  for (char c : text) {
    if (std::isdigit(static_cast<unsigned char>(c))) digits += c;
  }
  return digits;
}

TEST(SettingVocabularyTables, LevelsPlaceTheNumberAsEachScriptDoes) {
  EXPECT_EQ(VocabularyItem(g_strLevels, 0, 9), "Level 10");
  EXPECT_EQ(VocabularyItem(g_strLevels, 4, 0), "レベル1");
  EXPECT_EQ(VocabularyItem(g_strLevels, 5, 0), "1단계");
  EXPECT_EQ(VocabularyItem(g_strLevels, 9, 9), "10 级");
  EXPECT_EQ(VocabularyItem(g_strLevels, 2, 4), "Stufe 5");
  EXPECT_EQ(VocabularyItem(g_strLevels, 10, 0), "Taso 1");
  for (int item = 0; item < 10; ++item) {
    EXPECT_EQ(VocabularyItem(g_strLevels, 7, item), VocabularyItem(g_strLevels, 1, item));
    // Level n must say n: a wrong digit would show the user another level than the device's.
    const std::string number = std::to_string(item + 1);
    for (int language = 0; language < kVocabularyLanguages; ++language) {
      const std::string entry = VocabularyItem(g_strLevels, language, item);
      const std::string digits = DigitsOf(entry);
      EXPECT_EQ(digits, number) << language << " " << entry;
      EXPECT_TRUE(entry.starts_with(number) || entry.ends_with(number)) << language << " " << entry;
    }
  }
  for (int item = 0; item < 3; ++item) {
    EXPECT_EQ(VocabularyItem(g_strLowMediumHigh, 4, item),
              VocabularyItem(g_strLowMediumHigh, 9, item));
  }
  EXPECT_EQ(VocabularyItem(g_strLowMediumHigh, 9, 1), "中");
}

TEST(SettingVocabularyTables, DeviceLanguagesFollowTheDeviceOrderInEveryDisplayLanguage) {
  std::set<int> named(kInterfaceLanguageOfDeviceLanguage.begin(),
                      kInterfaceLanguageOfDeviceLanguage.end());
  EXPECT_EQ(named.size(), 11u);
  EXPECT_EQ(*named.begin(), 0);
  EXPECT_EQ(*named.rbegin(), 10);
  for (int display = 0; display < kVocabularyLanguages; ++display) {
    for (int code = 0; code < kDeviceLanguageCount; ++code) {
      EXPECT_EQ(VocabularyItem(g_strDeviceLanguages, display, code),
                GetLanguageName(kInterfaceLanguageOfDeviceLanguage[static_cast<std::size_t>(code)],
                                display))
          << display << " " << code;
    }
  }
  EXPECT_EQ(VocabularyItem(g_strDeviceLanguages, 9, 2), "西班牙语");
  EXPECT_EQ(VocabularyItem(g_strDeviceLanguages, 2, 4), "Deutsch");
  EXPECT_EQ(VocabularyItem(g_strDeviceLanguages, 1, 9), "Japonais");
}

}  // namespace
