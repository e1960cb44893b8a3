#include "pages/settings/SwitchPanelRows.h"

#include <iterator>

#include "localization/SettingHelpTexts.h"
#include "pages/settings/DeviceSettingIds.h"

namespace pages {

namespace {

using device::CDeviceSettings;
using R = device::PanelRow;

constexpr PanelRowControls kRowControls[] = {
    {R::VoxPhone, {IDC_VOX_PHONE_LABEL, IDC_VOX_PHONE_ENABLE, IDC_VOX_PHONE_DISABLE}},
    {R::VoxIntercom, {IDC_VOX_INTERCOM_LABEL, IDC_VOX_INTERCOM_ENABLE, IDC_VOX_INTERCOM_DISABLE}},
    {R::Edr, {IDC_EDR_LABEL, IDC_EDR_HELP, IDC_EDR_ENABLE, IDC_EDR_DISABLE}},
    {R::EdrNote, {IDC_EDR_NOTE}},
    {R::Plc, {IDC_PLC_LABEL, IDC_PLC_HELP, IDC_PLC_ENABLE, IDC_PLC_DISABLE}},
    {R::HighQualityA2dp, {IDC_A2DP_LABEL, IDC_A2DP_HELP, IDC_A2DP_ENABLE, IDC_A2DP_DISABLE}},
    {R::MicrophoneBoosting, {IDC_MIC_BOOST_LABEL, IDC_MIC_BOOST_HELP, IDC_MIC_BOOST_ENABLE, IDC_MIC_BOOST_DISABLE}},
    {R::SideTone, {IDC_SIDETONE_LABEL, IDC_SIDETONE_HELP, IDC_SIDETONE_ENABLE, IDC_SIDETONE_DISABLE}},
    {R::NoiseControl, {IDC_NOISE_LABEL, IDC_NOISE_HELP, IDC_NOISE_ENABLE, IDC_NOISE_DISABLE}},
    {R::AutoGainControl, {IDC_AGC_LABEL, IDC_AGC_HELP, IDC_AGC_ENABLE, IDC_AGC_DISABLE}},
    {R::RadioTransmitGain, {IDC_GAIN_LABEL, IDC_GAIN_HELP, IDC_GAIN_LOW, IDC_GAIN_MEDIUM, IDC_GAIN_HIGH}},
    {R::AudioChannelTimeout,
     {IDC_TIMEOUT_LABEL, IDC_TIMEOUT_HELP, IDC_TIMEOUT_EDIT, IDC_TIMEOUT_SPIN, IDC_TIMEOUT_UNIT}},
    // The "..." button goes with the note wherever it is placed; whether it shows is the
    // language's matter.
    {R::Note, {IDC_RESTART_NOTE}},
};

constexpr int kLabelIds[] = {1037, 1040, 1043, 1047, 1048, 1052, 1056, 1060, 1065, 1069,
                             1070, 1071, 1076, 1080, 1082, 1083, 1087, 1089, 1096};
constexpr int kActiveIds[] = {1038, 1039, 1041, 1042, 1045, 1046, 1050, 1051, 1054, 1055, 1058, 1059,
                              1062, 1063, 1064, 1073, 1074, 1078, 1079, 1085, 1086, 1091, 1092, 1094,
                              1095, 1098, 1099, 1044, 1049, 1053, 1057, 1061, 1066, 1072, 1077, 1081,
                              1084, 1088, 1090, 1093, 1097, 1067, 1068, 1182, 1183};

// Members that record a switched-off feature show and store Enable as 0.
constexpr SwitchPair kPairs[] = {
    {IDC_VOX_PHONE_ENABLE, IDC_VOX_PHONE_DISABLE, [](const CDeviceSettings& s) { return s.m_bHandsfreeVox != 0; },
     [](CDeviceSettings& s, bool on, bool dual) {
       if (dual) {
         s.SetVoxPhone(on);
       } else {
         s.m_bHandsfreeVox = on;
       }
     }},
    {IDC_VOX_INTERCOM_ENABLE, IDC_VOX_INTERCOM_DISABLE, [](const CDeviceSettings& s) { return s.m_bIntercomVox != 0; },
     [](CDeviceSettings& s, bool on, bool) { s.m_bIntercomVox = on; }},
    {IDC_EDR_ENABLE, IDC_EDR_DISABLE, [](const CDeviceSettings& s) { return !s.m_bEdrOff; },
     [](CDeviceSettings& s, bool on, bool) { s.m_bEdrOff = !on; }},
    {IDC_PLC_ENABLE, IDC_PLC_DISABLE, [](const CDeviceSettings& s) { return s.m_bPlc != 0; },
     [](CDeviceSettings& s, bool on, bool) { s.m_bPlc = on; }},
    {IDC_A2DP_ENABLE, IDC_A2DP_DISABLE, [](const CDeviceSettings& s) { return s.m_bBitpoolRate != 0; },
     [](CDeviceSettings& s, bool on, bool) { s.m_bBitpoolRate = on; }},
    {IDC_MIC_BOOST_ENABLE, IDC_MIC_BOOST_DISABLE, [](const CDeviceSettings& s) { return s.m_bMicrophoneBoost != 0; },
     [](CDeviceSettings& s, bool on, bool) { s.m_bMicrophoneBoost = on; }},
    {IDC_SIDETONE_ENABLE, IDC_SIDETONE_DISABLE, [](const CDeviceSettings& s) { return s.m_bSidetone != 0; },
     [](CDeviceSettings& s, bool on, bool dual) {
       if (dual) {
         s.SetSidetone(on);
       } else {
         s.m_bSidetone = on;
       }
     }},
    {IDC_NOISE_ENABLE, IDC_NOISE_DISABLE, [](const CDeviceSettings& s) { return !s.m_bNoiseControlOff; },
     [](CDeviceSettings& s, bool on, bool) { s.m_bNoiseControlOff = !on; }},
    {IDC_AGC_ENABLE, IDC_AGC_DISABLE, [](const CDeviceSettings& s) { return !s.m_bAutoGainControlOff; },
     [](CDeviceSettings& s, bool on, bool) { s.m_bAutoGainControlOff = !on; }},
    {IDC_AUDIO_BOOST_ENABLE, IDC_AUDIO_BOOST_DISABLE, [](const CDeviceSettings& s) { return s.m_bAudioBoostOff == 0; },
     [](CDeviceSettings& s, bool on, bool) { s.m_bAudioBoostOff = on ? 0 : 1; }},
    {IDC_CONCURRENT_ENABLE, IDC_CONCURRENT_DISABLE,
     [](const CDeviceSettings& s) { return s.GetConcurrentAudio() != 0; },
     [](CDeviceSettings& s, bool on, bool) { s.SetConcurrentAudio(on); }},
    {IDC_NAV_APP_ENABLE, IDC_NAV_APP_DISABLE, [](const CDeviceSettings& s) { return s.GetNavigationAppSupport() != 0; },
     [](CDeviceSettings& s, bool on, bool) { s.SetNavigationAppSupport(on); }},
};

constexpr fw::Size kSameSize = {0, 0};

constexpr HelpButton kHelpButtons[] = {
    {IDC_EDR_HELP, text::GetEnhancedDataRateHelpText, HelpArguments::None, {510, 200}, kSameSize, true},
    {IDC_PLC_HELP, text::GetPacketLossConcealmentHelpText, HelpArguments::None, {510, 260}, kSameSize, false},
    {IDC_A2DP_HELP, text::GetHighQualityA2dpHelpText, HelpArguments::None, {520, 160}, kSameSize, false},
    {IDC_MIC_BOOST_HELP, text::GetMicrophoneBoostingHelpText, HelpArguments::None, {510, 210}, {550, 250}, false},
    {IDC_SIDETONE_HELP, text::GetSidetoneHelpText, HelpArguments::None, {520, 160}, kSameSize, false},
    {IDC_NOISE_HELP, text::GetAmbientNoiseHelpText, HelpArguments::NoiseControlName, {520, 160}, kSameSize, false},
    {IDC_AGC_HELP, text::GetAutoGainControlHelpText, HelpArguments::None, {510, 260}, kSameSize, false},
    {IDC_GAIN_HELP, text::GetRadioTransmitGainHelpText, HelpArguments::ModelNameTwice, {510, 220}, kSameSize, false},
    {IDC_TIMEOUT_HELP, text::GetAudioChannelTimeoutHelpText, HelpArguments::ModelNameTwice, {510, 220}, kSameSize,
     false},
    {IDC_AUDIO_BOOST_HELP, text::GetAudioBoostHelpText, HelpArguments::AudioBoostName, {520, 150}, kSameSize, false},
    {IDC_MOTION_HELP, text::GetMotionSensorSensitivityHelpText, HelpArguments::ModelName, {520, 170}, kSameSize,
     false},
    {IDC_CONCURRENT_HELP, text::GetConcurrentAudioHelpText, HelpArguments::ConcurrentAudioAndFmRadio, {520, 260},
     kSameSize, false},
    {IDC_BLEND_HELP, text::GetAudioBlendSensitivityHelpText, HelpArguments::ConcurrentAudio, {520, 240}, kSameSize,
     false},
    {IDC_NAV_APP_HELP, text::GetNavigationAppSupportHelpText, HelpArguments::ConcurrentAudioTwice, {520, 190},
     kSameSize, false},
};

}  // namespace

const PanelRowControls* ControlsOfRow(device::PanelRow row) {
  for (const PanelRowControls& controls : kRowControls) {
    if (controls.row == row) return &controls;
  }
  return nullptr;
}

std::span<const int> PanelLabelIds() { return kLabelIds; }
std::span<const int> PanelActiveIds() { return kActiveIds; }

std::span<const SwitchPair> SwitchPairs() { return kPairs; }

const SwitchPair* FindSwitchPair(int radioId) {
  for (const SwitchPair& pair : kPairs) {
    if (pair.enableId == radioId || pair.disableId == radioId) return &pair;
  }
  return nullptr;
}

const SwitchPair* SwitchPairOfRow(device::PanelRow row) {
  const PanelRowControls* controls = ControlsOfRow(row);
  if (!controls) return nullptr;
  for (int id : controls->ids) {
    if (id == 0) break;
    if (const SwitchPair* pair = FindSwitchPair(id)) return pair;
  }
  return nullptr;
}

std::span<const HelpButton> HelpButtons() { return kHelpButtons; }

const HelpButton* FindHelpButton(int id) {
  for (const HelpButton& help : kHelpButtons) {
    if (help.id == id) return &help;
  }
  return nullptr;
}

}  // namespace pages
