#include "device/DeviceSettings.h"

#include "device/OnOffMembers.h"
#include "device/ProductTraits.h"
#include "device/Version.h"

namespace device {

int* CDeviceSettings::WordSlot(int index) {
  // Named views of one run of 47 words, in index order.
  struct View {
    int first;
    int count;
    int* data;
  };
  const View views[] = {
      {kWordBasicSetting, 10, m_anBasicSetting.data()},
      {kWordCameraSetting, 4, m_anCameraSetting.data()},
      {kWordVoxSensitivity, 2, m_anVoxSensitivity.data()},
      {kWordSmartVolumeControl, 2, m_anSmartVolumeControl.data()},
      {kWordAudioBoostOff, 1, &m_bAudioBoostOff},
      {kWordHdIntercom, 1, &m_bHdIntercom},
      {kWordFmStationGuide, 1, &m_bFmStationGuide},
      {kWordHdVoice, 1, &m_bHdVoice},
      {kWordAudioSourcePriority, 1, &m_nAudioSourcePriority},
      {kWordAudioBlend, 1, &m_bAudioBlend},
      {kWordSmartNaviSystem, 1, &m_bSmartNaviSystem},
      {kWordReserved, 7, m_anReserved.data()},
      {kWordFmRegion, 1, &m_nFmRegion},
      {kWordFmMagicCode, 1, &m_nFmMagicCode},
      {kWordFmCurrentFrequency, 1, &m_nFmCurrentFrequency},
      {kWordFmCurrentPreset, 1, &m_nFmCurrentPreset},
      {kWordFmPreset, kFmPresetCount, m_anFmPreset.data()},
      {kWordFmRds, 1, &m_bFmRds},
  };
  for (const View& view : views) {
    if (index >= view.first && index < view.first + view.count) {
      return view.data + (index - view.first);
    }
  }
  return nullptr;
}

int CDeviceSettings::Word(int index) const {
  const int* slot = const_cast<CDeviceSettings*>(this)->WordSlot(index);
  return slot ? *slot : 0;
}

void CDeviceSettings::SetWord(int index, int value) {
  if (int* slot = WordSlot(index)) *slot = value;
}

void CDeviceSettings::CopyFrom(const CDeviceSettings& src, bool withVersions) {
  m_nManagerVersionMajor = src.m_nManagerVersionMajor;
  m_nManagerVersionMinor = src.m_nManagerVersionMinor;
  m_nProductId = src.m_nProductId;
  m_strDeviceName = src.m_strDeviceName;
  if (withVersions) {
    m_nVersionMajor = src.m_nVersionMajor;
    m_nVersionMinor = src.m_nVersionMinor;
    m_nSecondaryVersionType = src.m_nSecondaryVersionType;
    m_nSecondaryVersion = src.m_nSecondaryVersion;
    // The fifth entry (extra) belongs to the interface that reported it and stays.
    for (int i = 0; i < 4; ++i) {
      m_anHidVersion1[i] = src.m_anHidVersion1[i];
      m_anHidVersion2[i] = src.m_anHidVersion2[i];
    }
  }
  m_strAddress = src.m_strAddress;
  m_timeArchived = src.m_timeArchived;
  for (const OnOffMember& m : kOnOffMembers) this->*m.member = src.*m.member;
  m_nRadioTransmitGain = src.m_nRadioTransmitGain;
  m_nAudioChannelTimeout = src.m_nAudioChannelTimeout;
  for (int i = 0; i < kWordCount; ++i) SetWord(i, src.Word(i));
  m_astrSpeedDial = src.m_astrSpeedDial;
}

int CDeviceSettings::CompareWordRange(const CDeviceSettings& other, int first, int count) const {
  for (int i = first; i < first + count; ++i) {
    if (Word(i) != other.Word(i)) return ClampedDifference(Word(i), other.Word(i));
  }
  return 0;
}

int CDeviceSettings::CompareBasicWords(const CDeviceSettings& other) const {
  return CompareWordRange(other, kWordBasicSetting, 10);
}

int CDeviceSettings::CompareCameraWords(const CDeviceSettings& other) const {
  return CompareWordRange(other, kWordCameraSetting, 4);
}

int CDeviceSettings::CompareVoxSensitivityWords(const CDeviceSettings& other) const {
  return CompareWordRange(other, kWordVoxSensitivity, 2);
}

int CDeviceSettings::CompareSmartVolumeWords(const CDeviceSettings& other) const {
  return CompareWordRange(other, kWordSmartVolumeControl, 2);
}

int CDeviceSettings::CompareVersion(int major, int minor) const {
  return CompareMajorMinor(m_nVersionMajor, m_nVersionMinor, major, minor);
}

int CDeviceSettings::CompareFullVersion(int major, int minor, int type, int secondary) const {
  return CompareVersions(m_nVersionMajor, m_nVersionMinor, m_nSecondaryVersionType,
                         m_nSecondaryVersion, major, minor, type, secondary,
                         HasProductFlag(m_nProductId, kFourNumberVersion));
}

bool CDeviceSettings::ParseVersion(std::string_view text) {
  return ParseTwoPartVersion(text, m_nVersionMajor, m_nVersionMinor);
}

}  // namespace device
