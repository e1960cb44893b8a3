// Settings that live as bit fields inside the configuration words, laid out as the device
// stores them. Each setter changes only its own bits; a level or choice outside its range
// leaves the word as it was.
#include "device/DeviceSettings.h"

namespace device {

namespace {

int GetBit(int word, int bit) { return (word >> bit) & 1; }

void SetBit(int& word, int bit, int on) {
  if (on != 0) {
    word |= 1 << bit;
  } else {
    word &= ~(1 << bit);
  }
}

int GetField(int word, int lowBit, int width) { return (word >> lowBit) & ((1 << width) - 1); }

void SetField(int& word, int lowBit, int width, int value) {
  const int mask = ((1 << width) - 1) << lowBit;
  word = (word & ~mask) | ((value << lowBit) & mask);
}

// Two bits of which at most one should be set: 1 = only the lower, 2 = only the upper, 0 else.
int GetOneHotPair(int word, int lowBit) {
  switch (GetField(word, lowBit, 2)) {
    case 1:
      return 1;
    case 2:
      return 2;
    default:
      return 0;
  }
}

void SetOneHotPair(int& word, int lowBit, int choice) {
  if (choice < 0 || choice > 2) return;
  SetField(word, lowBit, 2, choice);
}

// A level field whose unused codes read as a middle level.
int GetLevel(int word, int lowBit, int width, int highest, int fallback) {
  const int level = GetField(word, lowBit, width);
  return level <= highest ? level : fallback;
}

void SetLevel(int& word, int lowBit, int width, int highest, int level) {
  if (level < 0 || level > highest) return;
  SetField(word, lowBit, width, level);
}

}  // namespace

// --- dual-interface family: word 2 feature bits; words 0 and 3 whole
int CDeviceSettings::GetVoxPhone() const { return GetBit(m_anBasicSetting[2], 15); }
void CDeviceSettings::SetVoxPhone(int on) { SetBit(m_anBasicSetting[2], 15, on); }
int CDeviceSettings::GetHdIntercom() const { return GetBit(m_anBasicSetting[2], 13); }
void CDeviceSettings::SetHdIntercom(int on) { SetBit(m_anBasicSetting[2], 13, on); }
int CDeviceSettings::GetSidetone() const { return GetBit(m_anBasicSetting[2], 12); }
void CDeviceSettings::SetSidetone(int on) { SetBit(m_anBasicSetting[2], 12, on); }
int CDeviceSettings::GetConcurrentAudio() const { return GetBit(m_anBasicSetting[2], 11); }
void CDeviceSettings::SetConcurrentAudio(int on) { SetBit(m_anBasicSetting[2], 11, on); }
int CDeviceSettings::GetVoicePrompt() const { return GetBit(m_anBasicSetting[2], 10); }
void CDeviceSettings::SetVoicePrompt(int on) { SetBit(m_anBasicSetting[2], 10, on); }
int CDeviceSettings::GetNavigationAppSupport() const { return GetBit(m_anBasicSetting[2], 9); }
void CDeviceSettings::SetNavigationAppSupport(int on) { SetBit(m_anBasicSetting[2], 9, on); }
int CDeviceSettings::GetAmbientNoiseControl() const { return GetBit(m_anBasicSetting[2], 8); }
void CDeviceSettings::SetAmbientNoiseControl(int on) { SetBit(m_anBasicSetting[2], 8, on); }
int CDeviceSettings::GetAudioBoost() const { return GetBit(m_anBasicSetting[2], 7); }
void CDeviceSettings::SetAudioBoost(int on) { SetBit(m_anBasicSetting[2], 7, on); }
int CDeviceSettings::GetEightWayIntercom() const { return GetBit(m_anBasicSetting[2], 6); }
void CDeviceSettings::SetEightWayIntercom(int on) { SetBit(m_anBasicSetting[2], 6, on); }
int CDeviceSettings::GetFmStationGuide() const { return GetBit(m_anBasicSetting[2], 5); }
void CDeviceSettings::SetFmStationGuide(int on) { SetBit(m_anBasicSetting[2], 5, on); }
int CDeviceSettings::GetVoiceCommand() const { return GetBit(m_anBasicSetting[2], 0); }
void CDeviceSettings::SetVoiceCommand(int on) { SetBit(m_anBasicSetting[2], 0, on); }

int CDeviceSettings::GetSmartVolumeBits() const {
  const int word = m_anBasicSetting[2];
  return GetField(word, 3, 2) == 0 ? GetField(word, 1, 2) : 0;
}

void CDeviceSettings::SetSmartVolumeBits(int level) {
  if (level < 0 || level > 3) return;
  SetField(m_anBasicSetting[2], 1, 2, level);
  SetField(m_anBasicSetting[2], 3, 2, 0);
}

int CDeviceSettings::GetAudioBlendSensitivity() const { return m_anBasicSetting[0]; }
void CDeviceSettings::SetAudioBlendSensitivity(int level) { m_anBasicSetting[0] = level; }
int CDeviceSettings::GetMotionSensitivity() const { return m_anBasicSetting[3]; }
void CDeviceSettings::SetMotionSensitivity(int level) { m_anBasicSetting[3] = level; }

// --- word-bank family: level fields of word 1, unit language in word 3
int CDeviceSettings::GetVoxSensitivityLevel() const {
  return GetLevel(m_anBasicSetting[1], 0, 3, 5, 3);
}
void CDeviceSettings::SetVoxSensitivityLevel(int level) {
  SetLevel(m_anBasicSetting[1], 0, 3, 5, level);
}

int CDeviceSettings::GetSmartVolumeLevel() const {
  const int word = m_anBasicSetting[1];
  return GetBit(word, 5) ? 3 : GetField(word, 3, 2);
}
void CDeviceSettings::SetSmartVolumeLevel(int level) {
  if (level < 0 || level > 3) return;
  SetField(m_anBasicSetting[1], 3, 2, level);
  SetBit(m_anBasicSetting[1], 5, 0);
}

int CDeviceSettings::GetAudioBlendSensitivityLevel() const {
  return GetLevel(m_anBasicSetting[1], 7, 3, 5, 3);
}
void CDeviceSettings::SetAudioBlendSensitivityLevel(int level) {
  SetLevel(m_anBasicSetting[1], 7, 3, 5, level);
}

int CDeviceSettings::GetUnitLanguage() const { return GetLevel(m_anBasicSetting[3], 0, 4, 10, 0); }
void CDeviceSettings::SetUnitLanguage(int language) {
  SetLevel(m_anBasicSetting[3], 0, 4, 10, language);
}

// --- camera: option bits of word 10, one-hot pairs of word 12
int CDeviceSettings::GetPhotoMode() const { return GetBit(m_anCameraSetting[0], 0); }
void CDeviceSettings::SetPhotoMode(int on) { SetBit(m_anCameraSetting[0], 0, on); }
int CDeviceSettings::GetTimelapseInterval() const { return GetBit(m_anCameraSetting[0], 4); }
void CDeviceSettings::SetTimelapseInterval(int on) { SetBit(m_anCameraSetting[0], 4, on); }
int CDeviceSettings::GetDateCaption() const { return GetBit(m_anCameraSetting[0], 5); }
void CDeviceSettings::SetDateCaption(int on) { SetBit(m_anCameraSetting[0], 5, on); }
int CDeviceSettings::GetSpeakerSoundRecording() const { return GetBit(m_anCameraSetting[0], 6); }
void CDeviceSettings::SetSpeakerSoundRecording(int on) { SetBit(m_anCameraSetting[0], 6, on); }
int CDeviceSettings::GetAutoCameraSleep() const { return GetBit(m_anCameraSetting[0], 7); }
void CDeviceSettings::SetAutoCameraSleep(int on) { SetBit(m_anCameraSetting[0], 7, on); }
int CDeviceSettings::GetRecordMusic() const { return GetBit(m_anCameraSetting[0], 8); }
void CDeviceSettings::SetRecordMusic(int on) { SetBit(m_anCameraSetting[0], 8, on); }
int CDeviceSettings::GetRecordFmRadio() const { return GetBit(m_anCameraSetting[0], 9); }
void CDeviceSettings::SetRecordFmRadio(int on) { SetBit(m_anCameraSetting[0], 9, on); }
int CDeviceSettings::GetRecordIntercom() const { return GetBit(m_anCameraSetting[0], 10); }
void CDeviceSettings::SetRecordIntercom(int on) { SetBit(m_anCameraSetting[0], 10, on); }
int CDeviceSettings::GetRecordPhone() const { return GetBit(m_anCameraSetting[0], 11); }
void CDeviceSettings::SetRecordPhone(int on) { SetBit(m_anCameraSetting[0], 11, on); }

int CDeviceSettings::GetVideoTaggingInterval() const {
  return GetOneHotPair(m_anCameraSetting[2], 0);
}
void CDeviceSettings::SetVideoTaggingInterval(int choice) {
  SetOneHotPair(m_anCameraSetting[2], 0, choice);
}
int CDeviceSettings::GetLoopRecordingInterval() const {
  return GetOneHotPair(m_anCameraSetting[2], 2);
}
void CDeviceSettings::SetLoopRecordingInterval(int choice) {
  SetOneHotPair(m_anCameraSetting[2], 2, choice);
}
int CDeviceSettings::GetVideoMicrophoneGain() const {
  return GetOneHotPair(m_anCameraSetting[2], 4);
}
void CDeviceSettings::SetVideoMicrophoneGain(int choice) {
  SetOneHotPair(m_anCameraSetting[2], 4, choice);
}

int CDeviceSettings::GetVideoResolution() const { return GetOneHotPair(m_anCameraSetting[0], 2); }
void CDeviceSettings::SetVideoResolution(int choice) {
  SetOneHotPair(m_anCameraSetting[0], 2, choice);
}

// Firmware 2.0 moved Video Mode from one bit of word 10 to a pair in word 12.
int CDeviceSettings::GetVideoMode() const {
  return CompareVersion(2, 0) < 0 ? GetBit(m_anCameraSetting[0], 1)
                                  : GetOneHotPair(m_anCameraSetting[2], 6);
}
void CDeviceSettings::SetVideoMode(int mode) {
  if (CompareVersion(2, 0) < 0) {
    SetBit(m_anCameraSetting[0], 1, mode);
  } else {
    SetOneHotPair(m_anCameraSetting[2], 6, mode);
  }
}

bool CDeviceSettings::HasNoRecordingSource() const {
  return GetField(m_anCameraSetting[0], 8, 4) == 0;
}

// --- 0x60xx family: emergency stop signal in word 2
int CDeviceSettings::GetEssStatus() const { return GetField(m_anBasicSetting[2], 0, 2); }
void CDeviceSettings::SetEssStatus(int status) {
  SetField(m_anBasicSetting[2], 0, 2, status >= 1 && status <= 3 ? status : 0);
}

int CDeviceSettings::GetEssSensitivity() const {
  const int bits = GetField(m_anBasicSetting[2], 2, 2);
  return bits == 0 ? 2 : bits;  // neither bit reads as the middle level
}
void CDeviceSettings::SetEssSensitivity(int level) {
  SetField(m_anBasicSetting[2], 2, 2, level == 1 || level == 3 ? level : 2);
}

// --- feature-word family: whole words
int CDeviceSettings::GetVoxSensitivity() const { return m_anVoxSensitivity[0]; }
void CDeviceSettings::SetVoxSensitivity(int level) { m_anVoxSensitivity[0] = level; }
int CDeviceSettings::GetSmartVolumeControl() const { return m_anSmartVolumeControl[0]; }
void CDeviceSettings::SetSmartVolumeControl(int level) { m_anSmartVolumeControl[0] = level; }

}  // namespace device
