#pragma once
// Help texts of the device settings: a title in square brackets, a line break, then the
// explanation, in the interface language (any language outside 1 to 10 reads as English). Texts
// documented with placeholders are printf formats the caller fills with text::Format; a
// translation never holds more placeholders than its English text.
#include <span>
#include <string>

#include "localization/TextRow.h"

namespace text {

// --- Shown by the switch panel (some also by the grid) ---
std::string GetPacketLossConcealmentHelpText(int language);
std::string GetHighQualityA2dpHelpText(int language);
std::string GetMicrophoneBoostingHelpText(int language);
std::string GetSidetoneHelpText(int language);
std::string GetAmbientNoiseHelpText(int language);           // %s: the noise-control name
std::string GetAutoGainControlHelpText(int language);
std::string GetRadioTransmitGainHelpText(int language);      // %s, %s: the model name
// Already filled with the support mail address.
std::string GetEnhancedDataRateHelpText(int language);
std::string GetAudioChannelTimeoutHelpText(int language);    // %s, %s: the model name
std::string GetMotionSensorSensitivityHelpText(int language);  // %s: the model name
// %s, %s: the concurrent-audio name (Finnish uses only the first).
std::string GetNavigationAppSupportHelpText(int language);
std::string GetConcurrentAudioHelpText(int language);        // %s: concurrent audio, %s: FM radio
std::string GetAudioBlendSensitivityHelpText(int language);  // %s: the concurrent-audio name
std::string GetAudioBoostHelpText(int language);             // %s: Audio Boost (Italian: none)

// --- Shown by the settings grid only ---
std::string GetAudioBlendSensitivityFiveLevelHelpText(int language);
std::string GetUnitLanguageHelpText(int language);
std::string GetVoxSensitivityHelpText(int language);
std::string GetVoxSensitivityDefaultTwoHelpText(int language);
std::string GetVoxSensitivityLowMediumHighHelpText(int language);
std::string GetVoxPhoneHelpText(int language);
std::string GetHdIntercomHelpText(int language);             // %s: HD Intercom
std::string GetEightWayIntercomHelpText(int language);       // %s, %s: Eight-way Intercom
std::string GetVoicePromptHelpText(int language);
std::string GetVoxIntercomHelpText(int language);            // %s, %s: VOX Intercom
std::string GetPhotoModeHelpText(int language);
// The two-mode text below firmware 2.0, the three-mode text (with loop recording) from 2.0 on.
std::string GetVideoModeHelpText(int language, bool withLoopRecording);
std::string GetVideoResolutionHelpText(int language);
std::string GetTimelapseIntervalHelpText(int language);
std::string GetVideoTaggingIntervalHelpText(int language);
std::string GetLoopRecordingIntervalHelpText(int language);
std::string GetVideoMicrophoneGainHelpText(int language);
std::string GetDateCaptionHelpText(int language);
std::string GetSpeakerSoundRecordingHelpText(int language);  // %s, %s: Speaker Sound Recording
std::string GetAutoCameraSleepHelpText(int language);        // %s, %s: Auto Camera Sleep
std::string GetSmartVolumeControlHelpText(int language);
std::string GetFmStationGuideHelpText(int language);
std::string GetHdVoiceHelpText(int language);
std::string GetAudioSourcePriorityHelpText(int language);
std::string GetConcurrentAudioFullHelpText(int language);
std::string GetAudioBlendHelpText(int language);
std::string GetAudioBlendMusicGpsHelpText(int language);
std::string GetIntercomConcurrentAudioHelpText(int language);
std::string GetNavigationInterruptHelpText(int language);
std::string GetGuestModeHelpText(int language);
std::string GetAudioBlendVolumeHelpText(int language);
std::string GetVoiceCommandHelpText(int language);
std::string GetEssStatusHelpText(int language);
std::string GetEssSensitivityHelpText(int language);

// Every help text row with a name, for checks over all of them.
struct NamedTextRow {
  const char* name;
  const TextRow* row;
};
std::span<const NamedTextRow> PanelHelpTextRows();
std::span<const NamedTextRow> GridHelpTextRows();

}  // namespace text
