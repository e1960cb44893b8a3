// The packed feature word: the on/off members in bits 0 to 10 and, per product family, the
// on/off words 18 to 24 in bits 10 to 15.
#include <span>

#include "device/DeviceSettings.h"
#include "device/OnOffMembers.h"
#include "device/ProductIds.h"

namespace device {

namespace {

enum class Carried { kNo, kYes, kFromFirmware1_1 };

struct FeatureFamily {
  ProductIds products;
  Carried audioBoostOff;   // word 18, ORed into bit 10
  Carried hdIntercom;      // word 19, bit 11
  Carried fmStationGuide;  // word 20, bit 12
  Carried sourceAndBlend;  // words 22 and 23, bits 14 and 15
  int bit13Word;           // word 21 (HD Voice), or word 24 (Smart Navi) on the 0x60xx models
};

using enum Carried;
using W = CDeviceSettings::WordIndex;

// clang-format off
constexpr FeatureFamily kFamilies[] = {
    {{0x3030, 0x3040, 0x3050, 0x3060}, kNo, kNo, kYes, kNo, W::kWordHdVoice},
    {{0x5410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420, 0x5526, 0x5530, 0x5550, 0x5560, 0x5570,
      0x5580, 0x5622, 0x6210, 0x6400},
     kYes, kYes, kYes, kYes, W::kWordHdVoice},
    {{0x5510, 0x5520, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621},
     kYes, kFromFirmware1_1, kYes, kYes, W::kWordHdVoice},
    {{0x5522, 0x5536}, kYes, kNo, kYes, kNo, W::kWordHdVoice},
    {{0x5524}, kYes, kNo, kYes, kYes, W::kWordHdVoice},
    {{0x5532, 0x5710, 0x5720, 0x5910, 0x5920}, kYes, kYes, kYes, kNo, W::kWordHdVoice},
    {{0x5623}, kYes, kYes, kNo, kNo, W::kWordHdVoice},
    {{0x5624}, kYes, kYes, kNo, kYes, W::kWordHdVoice},
    {{0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6026}, kYes, kYes, kNo, kNo,
     W::kWordSmartNaviSystem},
    {{0x6020, 0x6022, 0x6024}, kNo, kNo, kNo, kNo, W::kWordSmartNaviSystem},
};
// clang-format on

// Every other id, known or not: the on/off members and HD Voice only.
constexpr FeatureFamily kOnOffOnly = {{}, kNo, kNo, kNo, kNo, W::kWordHdVoice};

}  // namespace

uint16_t CDeviceSettings::PackFeatureWord() const {
  const FeatureFamily* found = FindRowFor(kFamilies, m_nProductId);
  const FeatureFamily& family = found ? *found : kOnOffOnly;
  const auto carried = [this](Carried c) {
    return c == kYes || (c == kFromFirmware1_1 && CompareVersion(1, 1) >= 0);
  };

  unsigned word = 0;
  const auto put = [&word](int bit, bool on) {
    if (on) word |= 1u << bit;
  };
  for (const OnOffMember& m : kOnOffMembers) put(m.featureBit, this->*m.member);
  put(10, carried(family.audioBoostOff) && m_bAudioBoostOff != 0);
  put(11, carried(family.hdIntercom) && m_bHdIntercom != 0);
  put(12, carried(family.fmStationGuide) && m_bFmStationGuide != 0);
  put(13, Word(family.bit13Word) != 0);
  put(14, carried(family.sourceAndBlend) && m_nAudioSourcePriority != 0);
  put(15, carried(family.sourceAndBlend) && m_bAudioBlend != 0);
  return static_cast<uint16_t>(word);
}

}  // namespace device
