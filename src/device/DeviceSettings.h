#pragma once
// One device as the manager knows it: identity, firmware and hardware versions, the ten on/off
// settings, the two radio values, 47 configuration words and three speed-dial numbers.
// Every member starts at zero or empty; per-model factory values come from SetDefaults.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace device {

class CDeviceSettings {
 public:
  // Configuration words by index, as recognition and the writers move them.
  static constexpr int kWordCount = 47;
  enum WordIndex : int {
    kWordBasicSetting = 0,         // 0-9
    kWordCameraSetting = 10,       // 10-13
    kWordVoxSensitivity = 14,      // 14-15
    kWordSmartVolumeControl = 16,  // 16-17
    kWordAudioBoostOff = 18,
    kWordHdIntercom = 19,
    kWordFmStationGuide = 20,
    kWordHdVoice = 21,
    kWordAudioSourcePriority = 22,
    kWordAudioBlend = 23,
    kWordSmartNaviSystem = 24,
    kWordReserved = 25,  // 25-31
    kWordFmRegion = 32,
    kWordFmMagicCode = 33,
    kWordFmCurrentFrequency = 34,
    kWordFmCurrentPreset = 35,
    kWordFmPreset = 36,  // 36-45
    kWordFmRds = 46,
  };
  static constexpr int kFmPresetCount = 10;
  static constexpr int kSpeedDialCount = 3;
  static constexpr int kSpeedDialMaxLength = 20;
  static constexpr int kDefaultFmMagicCode = 0x56E9;

  // --- identity and versions
  int m_nManagerVersionMajor = 0;
  int m_nManagerVersionMinor = 0;
  int m_nProductId = 0;
  std::string m_strAddress;          // "%02X%02X%02X[%02X%02X%02X]"; two interfaces joined by " _ "
  std::string m_strHardwareVersion;  // "   |   H/W v%1d.%1d", HID products only
  std::string m_strDeviceName;
  std::string m_strAddressHex;  // twelve hex digits, HID products only
  int m_nVersionMajor = 0;
  int m_nVersionMinor = 0;
  int m_nSecondaryVersionType = 0;
  int m_nSecondaryVersion = 0;
  int m_nVersionExtra = 0;
  std::array<int, 5> m_anHidVersion1{};  // major, minor, type, secondary, extra
  std::array<int, 5> m_anHidVersion2{};
  int m_nHardwareMajor = 0;
  int m_nHardwareMinor = 0;
  int64_t m_timeArchived = 0;  // seconds; zero until the settings archive was written

  // --- the ten on/off settings: 0 off, any other number on. Devices and the pages give 0 or 1;
  // an archive may hold another number, which the restore summary tells apart from 1.
  int m_bHandsfreeVox = 0;
  int m_bIntercomVox = 0;
  int m_bEdrOff = 0;
  int m_bVoicePromptOff = 0;
  int m_bPlc = 0;
  int m_bBitpoolRate = 0;
  int m_bMicrophoneBoost = 0;
  int m_bSidetone = 0;
  int m_bNoiseControlOff = 0;
  int m_bAutoGainControlOff = 0;

  // --- radio values of product 0x5210
  int m_nRadioTransmitGain = 0;    // 12 Low, 15 Medium, 17 High
  int m_nAudioChannelTimeout = 0;  // seconds, 3 to 60

  // --- configuration words 0 to 46 (16-bit values on the wire); Word() reaches them by index
  std::array<int, 10> m_anBasicSetting{};
  std::array<int, 4> m_anCameraSetting{};
  std::array<int, 2> m_anVoxSensitivity{};
  std::array<int, 2> m_anSmartVolumeControl{};
  int m_bAudioBoostOff = 0;
  int m_bHdIntercom = 0;
  int m_bFmStationGuide = 0;
  int m_bHdVoice = 0;
  int m_nAudioSourcePriority = 0;
  int m_bAudioBlend = 0;
  int m_bSmartNaviSystem = 0;
  std::array<int, 7> m_anReserved{};  // copied, never interpreted
  int m_nFmRegion = 0;                // 0 to 5
  int m_nFmMagicCode = 0;             // tag word of the device's FM block
  int m_nFmCurrentFrequency = 0;      // 10 kHz units
  int m_nFmCurrentPreset = 0;
  std::array<int, kFmPresetCount> m_anFmPreset{};  // 10 kHz units, 0 = empty
  int m_bFmRds = 0;

  std::array<std::string, kSpeedDialCount> m_astrSpeedDial;  // at most 20 characters each

  // Configuration word by index; an index outside 0 to 46 reads 0 and writes nothing.
  int Word(int index) const;
  void SetWord(int index, int value);

  // Copies everything but the hardware version texts and numbers, the address in hex and the
  // fifth version entries; the firmware versions only with `withVersions`.
  void CopyFrom(const CDeviceSettings& src, bool withVersions);

  // True when a setting this product offers differs from `other` (the FM block only with
  // `includeFm`). Identity and speed dials are never compared.
  bool SettingsDiffer(const CDeviceSettings& other, bool includeFm) const;

  // Word 0 of the feature block: the on/off members and, per product family, words 18 to 24.
  uint16_t PackFeatureWord() const;

  // The record's word minus `other`'s for the first unequal pair of the range, else 0.
  int CompareBasicWords(const CDeviceSettings& other) const;           // words 0-9
  int CompareCameraWords(const CDeviceSettings& other) const;          // words 10-13
  int CompareVoxSensitivityWords(const CDeviceSettings& other) const;  // words 14-15
  int CompareSmartVolumeWords(const CDeviceSettings& other) const;     // words 16-17

  // --- versions
  // The record's firmware against major.minor; >= 0 means "firmware at least major.minor".
  int CompareVersion(int major, int minor) const;
  // All four parts; type and secondary first for product 0x3020.
  int CompareFullVersion(int major, int minor, int type, int secondary) const;
  // Reads "major.minor" into the firmware version.
  bool ParseVersion(std::string_view text);

  // --- factory defaults
  // Clears words 0 to 15, sets what the model's row names and empties the speed dials.
  void SetDefaults(int productId, int major, int minor);
  void SetFmDefaults(int productId, int major, int minor);
  void SetSpeedDialDefaults(int productId, int major, int minor);

  // --- settings inside configuration words. Getters return the value a grid row shows,
  // setters change only their own bits. None checks the product: the caller knows the family.
  // Dual-interface family, word 2 (word 0 and word 3 whole).
  int GetVoxPhone() const;
  void SetVoxPhone(int on);
  int GetHdIntercom() const;
  void SetHdIntercom(int on);
  int GetSidetone() const;
  void SetSidetone(int on);
  int GetConcurrentAudio() const;
  void SetConcurrentAudio(int on);
  int GetVoicePrompt() const;
  void SetVoicePrompt(int on);
  int GetNavigationAppSupport() const;
  void SetNavigationAppSupport(int on);
  int GetAmbientNoiseControl() const;
  void SetAmbientNoiseControl(int on);
  int GetAudioBoost() const;
  void SetAudioBoost(int on);
  int GetEightWayIntercom() const;
  void SetEightWayIntercom(int on);
  int GetFmStationGuide() const;
  void SetFmStationGuide(int on);
  int GetSmartVolumeBits() const;
  void SetSmartVolumeBits(int level);
  int GetVoiceCommand() const;
  void SetVoiceCommand(int on);
  int GetAudioBlendSensitivity() const;
  void SetAudioBlendSensitivity(int level);
  int GetMotionSensitivity() const;
  void SetMotionSensitivity(int level);

  // Word-bank family, words 1 and 3.
  int GetVoxSensitivityLevel() const;
  void SetVoxSensitivityLevel(int level);
  int GetSmartVolumeLevel() const;
  void SetSmartVolumeLevel(int level);
  int GetAudioBlendSensitivityLevel() const;
  void SetAudioBlendSensitivityLevel(int level);
  int GetUnitLanguage() const;
  void SetUnitLanguage(int language);

  // Camera 0x5510, words 10 and 12.
  int GetPhotoMode() const;
  void SetPhotoMode(int on);
  int GetVideoMode() const;
  void SetVideoMode(int mode);
  int GetVideoResolution() const;
  void SetVideoResolution(int choice);
  int GetTimelapseInterval() const;
  void SetTimelapseInterval(int on);
  int GetDateCaption() const;
  void SetDateCaption(int on);
  int GetSpeakerSoundRecording() const;
  void SetSpeakerSoundRecording(int on);
  int GetAutoCameraSleep() const;
  void SetAutoCameraSleep(int on);
  int GetRecordMusic() const;
  void SetRecordMusic(int on);
  int GetRecordFmRadio() const;
  void SetRecordFmRadio(int on);
  int GetRecordIntercom() const;
  void SetRecordIntercom(int on);
  int GetRecordPhone() const;
  void SetRecordPhone(int on);
  int GetVideoTaggingInterval() const;
  void SetVideoTaggingInterval(int choice);
  int GetLoopRecordingInterval() const;
  void SetLoopRecordingInterval(int choice);
  int GetVideoMicrophoneGain() const;
  void SetVideoMicrophoneGain(int choice);
  bool HasNoRecordingSource() const;

  // 0x60xx family, word 2.
  int GetEssStatus() const;
  void SetEssStatus(int status);
  int GetEssSensitivity() const;
  void SetEssSensitivity(int level);

  // Feature-word family, whole words 14 and 16.
  int GetVoxSensitivity() const;
  void SetVoxSensitivity(int level);
  int GetSmartVolumeControl() const;
  void SetSmartVolumeControl(int level);

 private:
  int* WordSlot(int index);
  int CompareWordRange(const CDeviceSettings& other, int first, int count) const;
};

// Defaults records of the three settings pages: a copy of `current` with versions, then the
// basic, FM or speed-dial defaults of its product and firmware.
void BuildBasicDefaults(CDeviceSettings& defaults, const CDeviceSettings& current);
void BuildFmDefaults(CDeviceSettings& defaults, const CDeviceSettings& current);
void BuildSpeedDialDefaults(CDeviceSettings& defaults, const CDeviceSettings& current);

}  // namespace device
