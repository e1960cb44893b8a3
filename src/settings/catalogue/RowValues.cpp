#include "settings/catalogue/RowValues.h"

#include <cstdint>

namespace settings {

std::string CheckBoxText(const RowKindInfo& kind, const device::CDeviceSettings& record) {
  const bool set = kind.source.read(record) != 0;
  const bool showsDisable = kind.mapping == Mapping::kDisableWhenSet ? set : !set;
  return showsDisable ? "1" : "0";
}

std::vector<std::string> OptionTexts(const RowKindInfo& kind, int language) {
  std::vector<std::string> texts;
  if (!kind.options) return texts;
  texts.reserve(kind.options->texts.size());
  for (const OptionText& option : kind.options->texts) {
    texts.push_back(OptionTextIn(option, language));
  }
  return texts;
}

std::string JoinedOptions(const RowKindInfo& kind, int language) {
  std::string joined;
  bool first = true;
  for (const std::string& option : OptionTexts(kind, language)) {
    if (!first) joined += '\n';
    joined += option;
    first = false;
  }
  return joined;
}

int SelectedOption(const RowKindInfo& kind, const device::CDeviceSettings& record) {
  if (!kind.options) return -1;
  // Widened so that no stored value can overflow the arithmetic.
  const int64_t value = kind.source.read(record);
  int64_t index = -1;
  switch (kind.mapping) {
    case Mapping::kIndexIsValue:
      index = value;
      break;
    case Mapping::kIndexIsValueMinusOne:
      index = value - 1;
      break;
    case Mapping::kIndexIsTenMinusValue:
      index = 10 - value;
      break;
    case Mapping::kEnableWhenSet:
    case Mapping::kDisableWhenSet:
      return -1;
  }
  const auto count = static_cast<int64_t>(kind.options->texts.size());
  return index >= 0 && index < count ? static_cast<int>(index) : -1;
}

int GreyFlag(const CatalogueRow& row, const device::CDeviceSettings& record) {
  if (!row.greyRuleApplies) return 0;
  switch (KindInfo(row.kind).rule) {
    case GreyRule::kNone:
      return 0;
    case GreyRule::kWhileConcurrentAudioOff:
      return record.GetConcurrentAudio() == 0 ? 1 : 0;
    case GreyRule::kWhileAudioBlendOn:
      return record.m_bAudioBlend;
    case GreyRule::kWhileSpeakerRecordingOff:
      return record.GetSpeakerSoundRecording() == 0 ? 1 : 0;
    case GreyRule::kWhileIntercomConcurrentAudioBit:
      return record.m_anBasicSetting[1] & 0x0800;
  }
  return 0;
}

}  // namespace settings
