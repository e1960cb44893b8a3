#pragma once
// Names of settings and their values, one entry per interface language, in the language order
// 0 English, 1 French, 2 German, 3 Italian, 4 Japanese, 5 Korean, 6 Spanish, 7 Dutch, 8 Russian,
// 9 Chinese, 10 Finnish. A multi-word table holds one row of items per language.
// Read them through VocabularyText and VocabularyItem, which never index outside a table.
#include <array>
#include <cstddef>
#include <string>

namespace text {

inline constexpr int kVocabularyLanguages = 11;

using VocabularyRow = std::array<const char*, kVocabularyLanguages>;
template <std::size_t Items>
using VocabularyItems = std::array<std::array<const char*, Items>, kVocabularyLanguages>;

// Settings of the audio headsets.
extern const VocabularyRow g_strVoxIntercom;
extern const VocabularyRow g_strVoxPhone;
extern const VocabularyRow g_strVoxSensitivity;
extern const VocabularyRow g_strEnhancedDataRate;
extern const VocabularyRow g_strVoicePrompt;
extern const VocabularyRow g_strPacketLossConcealment;
extern const VocabularyRow g_strHighQualityA2dp;
extern const VocabularyRow g_strMicrophoneBoosting;
extern const VocabularyRow g_strSidetone;
extern const VocabularyRow g_strAmbientNoise;
extern const VocabularyRow g_strAutoGainControl;
extern const VocabularyRow g_strRadioTransmitGain;
extern const VocabularyRow g_strAudioChannelTimeout;
extern const VocabularyRow g_strAudioBoost;
extern const VocabularyRow g_strMotionSensorSensitivity;
extern const VocabularyRow g_strConcurrentAudio;
extern const VocabularyRow g_strAudioBlendSensitivity;
extern const VocabularyRow g_strNavigationAppSupport;
extern const VocabularyRow g_strHdIntercom;
extern const VocabularyRow g_strEightWayIntercom;
extern const VocabularyRow g_strSmartVolumeControl;
extern const VocabularyRow g_strFmStationGuide;
extern const VocabularyRow g_strHdVoice;
extern const VocabularyRow g_strAudioSourcePriority;
extern const VocabularyRow g_strAudioBlend;
extern const VocabularyRow g_strIntercomConcurrentAudio;
extern const VocabularyRow g_strSmartNaviSystem;
extern const VocabularyRow g_strGuestMode;
extern const VocabularyRow g_strVoiceCommand;
extern const VocabularyRow g_strAudioBlendVolume;
extern const VocabularyRow g_strUnitLanguage;

// Option values of those settings; the audio-source priority entries begin with "▶ " (U+25B6).
extern const VocabularyRow g_strMusic;
extern const VocabularyRow g_strIntercom;
extern const VocabularyRow g_strSourceMusic;
extern const VocabularyRow g_strSourceFmRadio;
extern const VocabularyRow g_strSourceIntercom;
extern const VocabularyRow g_strSourcePhone;

// Emergency stop signal of the helmet models.
extern const VocabularyRow g_strEssStatus;
extern const VocabularyRow g_strEssOn;
extern const VocabularyRow g_strEssOff;
extern const VocabularyRow g_strPositionLightEssOn;
extern const VocabularyRow g_strFogLightEssOn;
extern const VocabularyRow g_strEssSensitivity;

// Camera settings and their values.
extern const VocabularyRow g_strPhotoMode;
extern const VocabularyRow g_strSingleShot;
extern const VocabularyRow g_strBurstShot;
extern const VocabularyRow g_strVideoMode;
extern const VocabularyRow g_strTimelapseMode;
extern const VocabularyRow g_strLoopRecordingMode;
extern const VocabularyRow g_strVideoResolution;
extern const VocabularyRow g_str1080p30;
extern const VocabularyRow g_str720p60;
extern const VocabularyRow g_str720p30;
extern const VocabularyRow g_strTimelapseInterval;
extern const VocabularyRow g_strVideoTaggingInterval;
extern const VocabularyRow g_strLoopRecordingInterval;
extern const VocabularyRow g_strVideoMicrophoneGain;
extern const VocabularyRow g_str1Min;
extern const VocabularyRow g_str3Mins;
extern const VocabularyRow g_str5Mins;
extern const VocabularyRow g_str1Sec;
extern const VocabularyRow g_str10Secs;
extern const VocabularyRow g_strDateCaption;
extern const VocabularyRow g_strSpeakerSoundRecording;
extern const VocabularyRow g_strAutoCameraSleep;

// FM radio; g_strEmpty names an unset preset or speed-dial slot.
extern const VocabularyRow g_strRadioRegion;
extern const VocabularyRow g_strRegion;
extern const VocabularyRow g_strFmRadioPresets;
extern const VocabularyRow g_strRdsAlternativeFrequencies;
extern const VocabularyRow g_strEmpty;

// Settings-page kinds.
extern const VocabularyRow g_strBasic;
extern const VocabularyRow g_strSpeedDial;
extern const VocabularyRow g_strFmRadio;
// The second tab's caption when a product has more than two kinds.
extern const VocabularyRow g_strMore;
// The date row of the restore summary.
extern const VocabularyRow g_strDate;

// Low, Medium, High. Readers holding a level counted from 1 take item level - 1.
extern const VocabularyItems<3> g_strLowMediumHigh;

// FM regions 0 to 5: Worldwide, Americas, Asia, Australia, Europe, Japan.
extern const VocabularyItems<6> g_strRadioRegions;

// "Level 1" to "Level 10" as items 0 to 9.
extern const VocabularyItems<10> g_strLevels;

// The device's voice-prompt languages have an order of their own: device code c names the
// interface language kInterfaceLanguageOfDeviceLanguage[c].
inline constexpr int kDeviceLanguageCount = 11;
inline constexpr std::array<int, kDeviceLanguageCount> kInterfaceLanguageOfDeviceLanguage = {
    0, 1, 6, 3, 2, 7, 8, 9, 5, 4, 10};

// The voice-prompt language names by device code, each row written in its interface language.
extern const VocabularyItems<kDeviceLanguageCount> g_strDeviceLanguages;

// The entry in `language`; a language outside 0 to 10 reads as English.
std::string VocabularyText(const VocabularyRow& row, int language);

// Item `item` in `language` (same language rule); empty for an item outside the table.
template <std::size_t Items>
std::string VocabularyItem(const VocabularyItems<Items>& table, int language, int item) {
  if (item < 0 || static_cast<std::size_t>(item) >= Items) return {};
  const bool known = language >= 0 && language < kVocabularyLanguages;
  const char* entry =
      table[static_cast<std::size_t>(known ? language : 0)][static_cast<std::size_t>(item)];
  return entry ? entry : "";
}

}  // namespace text
