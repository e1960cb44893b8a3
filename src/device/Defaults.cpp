#include "device/DefaultsTable.h"
#include "device/DeviceSettings.h"
#include "device/OnOffMembers.h"
#include "device/Version.h"

namespace device {

namespace {

constexpr int kProductWithFmRegion1 = 0x4210;

// Whether the firmware is at least `cut`.
bool AtLeast(const CDeviceSettings& record, int major, int minor, const VersionCut& cut) {
  if (cut.third == 0) return CompareMajorMinor(major, minor, cut.major, cut.minor) >= 0;
  return CompareVersions(record.m_nVersionMajor, record.m_nVersionMinor,
                         record.m_nSecondaryVersionType, record.m_nSecondaryVersion, cut.major,
                         cut.minor, kVersionThirdNumber, cut.third, false) >= 0;
}

bool InBand(const CDeviceSettings& record, int major, int minor, const FirmwareBand& band) {
  if (band.hasFrom && !AtLeast(record, major, minor, band.from)) return false;
  if (band.hasBelow && AtLeast(record, major, minor, band.below)) return false;
  return true;
}

void ApplyFmBlock(CDeviceSettings& s, FmDefaults fm) {
  if (fm == FmDefaults::kKeep) return;
  s.m_nFmRegion = fm == FmDefaults::kARegion1 ? 1 : 0;
  s.m_nFmMagicCode = CDeviceSettings::kDefaultFmMagicCode;
  s.m_nFmCurrentFrequency = 0;
  s.m_nFmCurrentPreset = 0;
  const int emptied = fm == FmDefaults::kC ? 6 : CDeviceSettings::kFmPresetCount;
  for (int i = 0; i < emptied; ++i) s.m_anFmPreset[i] = 0;
  s.m_bFmRds = (fm == FmDefaults::kB || fm == FmDefaults::kC) ? 1 : 0;
}

}  // namespace

const DefaultsRow* FindDefaultsRow(const CDeviceSettings& record, int productId, int major,
                                   int minor) {
  for (const DefaultsRow& row : DefaultsTable()) {
    if (row.products.Contains(productId) && InBand(record, major, minor, row.band)) return &row;
  }
  return nullptr;
}

void CDeviceSettings::SetDefaults(int productId, int major, int minor) {
  // Words 0 to 15: the basic, camera and VOX sensitivity words.
  for (int i = kWordBasicSetting; i < kWordSmartVolumeControl; ++i) SetWord(i, 0);

  if (const DefaultsRow* row = FindDefaultsRow(*this, productId, major, minor)) {
    for (const OnOffMember& m : kOnOffMembers) {
      if (row->setOn & m.flag) this->*m.member = true;
      if (row->setOff & m.flag) this->*m.member = false;
    }
    for (const WordValue& w : row->words.Values()) SetWord(w.word, w.value);
    ApplyFmBlock(*this, row->fm);
    switch (row->extra) {
      case DefaultsExtra::kNone:
        break;
      case DefaultsExtra::kRadioMembers:
        m_nRadioTransmitGain = 15;
        m_nAudioChannelTimeout = 5;
        break;
    }
  }

  SetSpeedDialDefaults(productId, major, minor);
}

void CDeviceSettings::SetFmDefaults(int productId, int major, int minor) {
  m_nFmRegion =
      (productId == kProductWithFmRegion1 && CompareMajorMinor(major, minor, 1, 1) >= 0) ? 1 : 0;
  m_anFmPreset.fill(0);
  m_bFmRds = 0;
}

void CDeviceSettings::SetSpeedDialDefaults(int, int, int) {
  for (std::string& number : m_astrSpeedDial) number.clear();
}

void BuildBasicDefaults(CDeviceSettings& defaults, const CDeviceSettings& current) {
  defaults.CopyFrom(current, true);
  defaults.SetDefaults(current.m_nProductId, current.m_nVersionMajor, current.m_nVersionMinor);
}

void BuildFmDefaults(CDeviceSettings& defaults, const CDeviceSettings& current) {
  defaults.CopyFrom(current, true);
  defaults.SetFmDefaults(current.m_nProductId, current.m_nVersionMajor, current.m_nVersionMinor);
}

void BuildSpeedDialDefaults(CDeviceSettings& defaults, const CDeviceSettings& current) {
  defaults.CopyFrom(current, true);
  defaults.SetSpeedDialDefaults(current.m_nProductId, current.m_nVersionMajor,
                                current.m_nVersionMinor);
}

}  // namespace device
