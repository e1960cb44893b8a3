#pragma once
// The ten on/off members as flags, for tables that name several of them at once.
#include <array>
#include <cstdint>

#include "device/DeviceSettings.h"

namespace device {

enum OnOff : uint16_t {
  kHandsfreeVox = 1u << 0,
  kIntercomVox = 1u << 1,
  kEdrOff = 1u << 2,
  kVoicePromptOff = 1u << 3,
  kPlc = 1u << 4,
  kBitpoolRate = 1u << 5,
  kMicrophoneBoost = 1u << 6,
  kSidetone = 1u << 7,
  kNoiseControlOff = 1u << 8,
  kAutoGainControlOff = 1u << 9,
};

struct OnOffMember {
  OnOff flag;
  int CDeviceSettings::*member;
  int featureBit;  // its bit in the packed feature word
};

inline constexpr std::array<OnOffMember, 10> kOnOffMembers = {{
    {kHandsfreeVox, &CDeviceSettings::m_bHandsfreeVox, 0},
    {kIntercomVox, &CDeviceSettings::m_bIntercomVox, 1},
    {kEdrOff, &CDeviceSettings::m_bEdrOff, 2},
    {kVoicePromptOff, &CDeviceSettings::m_bVoicePromptOff, 3},
    {kPlc, &CDeviceSettings::m_bPlc, 4},
    {kBitpoolRate, &CDeviceSettings::m_bBitpoolRate, 5},
    {kMicrophoneBoost, &CDeviceSettings::m_bMicrophoneBoost, 6},
    {kSidetone, &CDeviceSettings::m_bSidetone, 8},
    {kNoiseControlOff, &CDeviceSettings::m_bNoiseControlOff, 9},
    {kAutoGainControlOff, &CDeviceSettings::m_bAutoGainControlOff, 10},
}};

}  // namespace device
