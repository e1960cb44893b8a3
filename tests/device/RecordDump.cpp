#include "RecordDump.h"

#include <sstream>

namespace device_test {

using device::CDeviceSettings;

std::string Dump(const CDeviceSettings& s) {
  std::ostringstream out;
  out << "manager " << s.m_nManagerVersionMajor << '.' << s.m_nManagerVersionMinor << '\n'
      << "product " << s.m_nProductId << '\n'
      << "address '" << s.m_strAddress << "'\n"
      << "hardware text '" << s.m_strHardwareVersion << "'\n"
      << "name '" << s.m_strDeviceName << "'\n"
      << "address hex '" << s.m_strAddressHex << "'\n"
      << "version " << s.m_nVersionMajor << ' ' << s.m_nVersionMinor << ' '
      << s.m_nSecondaryVersionType << ' ' << s.m_nSecondaryVersion << ' ' << s.m_nVersionExtra
      << '\n';
  for (int i = 0; i < 5; ++i) {
    out << "hid " << i << ' ' << s.m_anHidVersion1[i] << ' ' << s.m_anHidVersion2[i] << '\n';
  }
  out << "hardware " << s.m_nHardwareMajor << '.' << s.m_nHardwareMinor << '\n'
      << "archived " << s.m_timeArchived << '\n'
      << "on/off " << s.m_bHandsfreeVox << s.m_bIntercomVox << s.m_bEdrOff << s.m_bVoicePromptOff
      << s.m_bPlc << s.m_bBitpoolRate << s.m_bMicrophoneBoost << s.m_bSidetone
      << s.m_bNoiseControlOff << s.m_bAutoGainControlOff << '\n'
      << "radio " << s.m_nRadioTransmitGain << ' ' << s.m_nAudioChannelTimeout << '\n';
  for (int i = 0; i < CDeviceSettings::kWordCount; ++i)
    out << "word " << i << ' ' << s.Word(i) << '\n';
  for (const std::string& number : s.m_astrSpeedDial) out << "speed dial '" << number << "'\n";
  return out.str();
}

CDeviceSettings FilledRecord(int seed) {
  CDeviceSettings s;
  int v = seed;
  s.m_nManagerVersionMajor = ++v;
  s.m_nManagerVersionMinor = ++v;
  s.m_nProductId = ++v;
  s.m_strAddress = "address " + std::to_string(++v);
  s.m_strHardwareVersion = "hardware " + std::to_string(++v);
  s.m_strDeviceName = "name " + std::to_string(++v);
  s.m_strAddressHex = "hex " + std::to_string(++v);
  s.m_nVersionMajor = ++v;
  s.m_nVersionMinor = ++v;
  s.m_nSecondaryVersionType = ++v;
  s.m_nSecondaryVersion = ++v;
  s.m_nVersionExtra = ++v;
  for (int& part : s.m_anHidVersion1) part = ++v;
  for (int& part : s.m_anHidVersion2) part = ++v;
  s.m_nHardwareMajor = ++v;
  s.m_nHardwareMinor = ++v;
  s.m_timeArchived = ++v;
  // Alternating on/off values, different for odd and even seeds.
  bool on = (seed % 2) == 0;
  for (int* member : {&s.m_bHandsfreeVox, &s.m_bIntercomVox, &s.m_bEdrOff, &s.m_bVoicePromptOff,
                       &s.m_bPlc, &s.m_bBitpoolRate, &s.m_bMicrophoneBoost, &s.m_bSidetone,
                       &s.m_bNoiseControlOff, &s.m_bAutoGainControlOff}) {
    *member = on;
    on = !on;
  }
  s.m_nRadioTransmitGain = ++v;
  s.m_nAudioChannelTimeout = ++v;
  for (int i = 0; i < CDeviceSettings::kWordCount; ++i) s.SetWord(i, ++v);
  for (std::string& number : s.m_astrSpeedDial) number = "+" + std::to_string(++v);
  return s;
}

}  // namespace device_test
