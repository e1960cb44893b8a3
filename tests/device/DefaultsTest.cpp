#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "RecordDump.h"
#include "device/DefaultsTable.h"
#include "device/DeviceSettings.h"

namespace {

using device::CDeviceSettings;
using device::DefaultsRow;
using device::DefaultsTable;
using device_test::Dump;
using device_test::FilledRecord;

// The defaults table holds 89 rows over these 106 ids; a dropped row or product must show here.
constexpr std::size_t kDocumentedRows = 89;
const std::set<int> kDocumentedProducts = {
    0x2010, 0x2011, 0x2020, 0x2030, 0x2110, 0x2210, 0x2310, 0x3030, 0x3040, 0x3050, 0x3060,
    0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126, 0x4010, 0x4020, 0x4021, 0x4030,
    0x4040, 0x4110, 0x4111, 0x4120, 0x4210, 0x4310, 0x4330, 0x4350, 0x4410, 0x4430, 0x4510,
    0x4530, 0x4D05, 0x4D10, 0x4D15, 0x4D20, 0x4D21, 0x4D30, 0x4D35, 0x4D40, 0x4D45, 0x4D50,
    0x4D55, 0x4D65, 0x4D75, 0x4D85, 0x5010, 0x5011, 0x5020, 0x5030, 0x5040, 0x5050, 0x5060,
    0x5061, 0x5070, 0x5080, 0x5210, 0x5410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420, 0x5510,
    0x5520, 0x5522, 0x5524, 0x5526, 0x5530, 0x5532, 0x5536, 0x5550, 0x5560, 0x5570, 0x5580,
    0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5623, 0x5624, 0x5710, 0x5720, 0x5910,
    0x5920, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6020, 0x6022, 0x6024, 0x6026, 0x6110,
    0x6111, 0x6120, 0x6121, 0x6210, 0x6400, 0x6420, 0x6430};

// A record whose firmware is exactly at `cut`; a three-number cut is a third number (type 2).
CDeviceSettings AtVersion(int productId, const device::VersionCut& cut) {
  CDeviceSettings s;
  s.m_nProductId = productId;
  s.m_nVersionMajor = cut.major;
  s.m_nVersionMinor = cut.minor;
  if (cut.third != 0) {
    s.m_nSecondaryVersionType = 2;
    s.m_nSecondaryVersion = cut.third;
  }
  return s;
}

// The version just below a cut: one third number, one minor or one major less.
device::VersionCut JustBelow(const device::VersionCut& cut) {
  if (cut.third != 0) return {cut.major, cut.minor, cut.third - 1};
  if (cut.minor > 0) return {cut.major, cut.minor - 1, 0};
  return {cut.major - 1, 99, 0};
}

const DefaultsRow* RowAt(int productId, const device::VersionCut& v) {
  const CDeviceSettings s = AtVersion(productId, v);
  return device::FindDefaultsRow(s, productId, v.major, v.minor);
}

TEST(Defaults, TableMatchesTheDocumentedRowsAndProducts) {
  EXPECT_EQ(DefaultsTable().size(), kDocumentedRows);
  std::set<int> covered;
  for (const DefaultsRow& row : DefaultsTable()) {
    for (uint16_t id : row.products.Ids()) covered.insert(id);
  }
  EXPECT_EQ(covered, kDocumentedProducts);
}

TEST(Defaults, EveryBandIsReachedAndAThresholdBelongsToTheNewerBand) {
  for (const DefaultsRow& row : DefaultsTable()) {
    for (uint16_t id : row.products.Ids()) {
      SCOPED_TRACE(testing::Message() << std::hex << id << std::dec << " row "
                                      << (&row - DefaultsTable().data()));
      const device::VersionCut inside = row.band.hasFrom ? row.band.from : device::VersionCut{};
      EXPECT_EQ(RowAt(id, inside), &row);
      if (row.band.hasFrom) {
        const DefaultsRow* below = RowAt(id, JustBelow(row.band.from));
        EXPECT_NE(below, &row);
        ASSERT_NE(below, nullptr);  // the older band exists
        EXPECT_TRUE(below->band.hasBelow);
      }
      if (row.band.hasBelow) {
        device::VersionCut justBelow = JustBelow(row.band.below);
        // Above a three-number lower cut such as 1.0.1, "just below 1.1" is 1.0.99.
        if (row.band.hasFrom && row.band.from.third != 0) justBelow.third = 99;
        EXPECT_EQ(RowAt(id, justBelow), &row);
        EXPECT_NE(RowAt(id, row.band.below), &row);
      }
    }
  }
}

TEST(Defaults, SetsOnlyWhatTheRowNames) {
  // 0x4D10 at 4.1 on a record whose on/off members are all off.
  CDeviceSettings s;
  s.m_nProductId = 0x4D10;
  s.SetDefaults(0x4D10, 4, 1);
  EXPECT_TRUE(s.m_bHandsfreeVox && s.m_bPlc && s.m_bBitpoolRate && s.m_bMicrophoneBoost);
  EXPECT_FALSE(s.m_bSidetone || s.m_bIntercomVox || s.m_bEdrOff);

  // At 5.0 Sidetone goes off and Plc, which the band does not name, stays as it was.
  for (bool plc : {false, true}) {
    CDeviceSettings t;
    t.m_bSidetone = true;
    t.m_bPlc = plc;
    t.SetDefaults(0x4D10, 5, 0);
    EXPECT_FALSE(t.m_bSidetone);
    EXPECT_EQ(t.m_bPlc, plc);
  }

  // This edition's own product: Sidetone on, nothing else beyond the common clearing.
  CDeviceSettings own = FilledRecord(300);
  own.m_bSidetone = false;
  CDeviceSettings expected = own;
  for (int i = 0; i < 16; ++i) expected.SetWord(i, 0);
  for (std::string& number : expected.m_astrSpeedDial) number.clear();
  expected.m_bSidetone = true;
  own.SetDefaults(0x4D21, 1, 0);
  EXPECT_EQ(Dump(own), Dump(expected));
}

TEST(Defaults, ProductZeroOnlyClearsTheFirstSixteenWordsAndTheSpeedDials) {
  for (int productId : {0, 0x3010, 0x5345, 0x9999}) {
    CDeviceSettings s = FilledRecord(77);
    CDeviceSettings expected = s;
    for (int i = 0; i < 16; ++i) expected.SetWord(i, 0);
    for (std::string& number : expected.m_astrSpeedDial) number.clear();
    s.SetDefaults(productId, 0, 0);
    EXPECT_EQ(Dump(s), Dump(expected)) << std::hex << productId;
  }
}

TEST(Defaults, FmBlocks) {
  const CDeviceSettings before = FilledRecord(400);
  struct Case {
    int productId, major, minor;
    int region, rds;
    int emptiedPresets;  // -1: the FM block is left alone
  };
  const Case cases[] = {
      {0x5410, 2, 0, 0, 0, -1},  // no FM block
      {0x4D15, 1, 0, 0, 0, 10},  // A
      {0x4210, 1, 0, 0, 0, 10},  // A
      {0x4210, 1, 1, 1, 0, 10},  // A, region 1
      {0x5412, 1, 0, 0, 1, 10},  // B
      {0x6010, 1, 0, 0, 1, 6},   // C: presets 7 to 10 stay
      {0x6020, 1, 0, 0, 1, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.productId << std::dec << ' ' << c.major
                                    << '.' << c.minor);
    CDeviceSettings s = before;
    s.SetDefaults(c.productId, c.major, c.minor);
    if (c.emptiedPresets < 0) {
      for (int i = 32; i <= 46; ++i) EXPECT_EQ(s.Word(i), before.Word(i)) << i;
      continue;
    }
    EXPECT_EQ(s.m_nFmRegion, c.region);
    EXPECT_EQ(s.m_nFmMagicCode, 0x56E9);
    EXPECT_EQ(s.m_nFmCurrentFrequency, 0);
    EXPECT_EQ(s.m_nFmCurrentPreset, 0);
    for (int p = 0; p < 10; ++p) {
      EXPECT_EQ(s.m_anFmPreset[p], p < c.emptiedPresets ? 0 : before.m_anFmPreset[p]) << p;
    }
    EXPECT_EQ(s.m_bFmRds, c.rds);
  }
}

TEST(Defaults, BandsOfTheBandedModels) {
  struct Case {
    int productId;
    int major, minor, type, secondary;  // the record's own version
    std::vector<std::pair<int, int>> words;
  };
  const Case cases[] = {
      // Three-number cuts: release candidates and the plain release lie below them.
      {0x5520, 1, 0, 0, 0, {{14, 3}, {18, 0}, {19, -1}}},
      {0x5520, 1, 0, 1, 9, {{18, 0}}},
      {0x5520, 1, 0, 2, 1, {{14, 3}, {18, 1}, {19, -1}}},
      {0x5520, 1, 1, 0, 0, {{18, 1}, {19, 1}, {20, -1}}},
      {0x5520, 2, 0, 0, 0, {{18, 1}, {19, 1}, {20, 1}, {21, 0}, {22, 0}, {23, 0}}},
      {0x5510, 1, 0, 2, 2, {{10, 0x7C0}, {18, 0}}},
      {0x5510, 1, 0, 2, 3, {{10, 0x7C0}, {18, 1}, {12, 0}}},
      {0x5510, 2, 0, 0, 0, {{12, 20}, {19, 1}, {20, -1}}},
      {0x5510, 2, 2, 0, 0, {{12, 20}, {20, 1}, {21, -1}}},
      {0x5510, 3, 0, 0, 0, {{21, 0}, {22, 0}, {23, 0}}},
      // Words of the dual-interface model by band.
      {0x4210, 1, 0, 0, 0, {{0, 5}, {1, 3}, {2, 0xEC00}, {3, 0}}},
      {0x4210, 1, 1, 0, 0, {{2, 0xEC00}, {3, 3}}},
      {0x4210, 1, 4, 0, 0, {{2, 0xED80}}},
      {0x4210, 1, 5, 0, 0, {{2, 0xEDA0}}},
      {0x4210, 1, 6, 0, 0, {{2, 0xED20}, {3, 2}}},
      {0x4210, 1, 10, 0, 0, {{2, 0xED20}}},  // 1.10 is newer than 1.6
      {0x6014, 1, 0, 0, 0, {{2, 0x6B}, {14, 2}, {24, 0}}},
      {0x3112, 1, 0, 0, 0, {{0, 0x1C21}, {1, 0x583}, {2, 0x66}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.productId << std::dec << ' ' << c.major
                                    << '.' << c.minor << " type " << c.type << " #"
                                    << c.secondary);
    CDeviceSettings s;
    for (int i = 16; i < CDeviceSettings::kWordCount; ++i) s.SetWord(i, -1);  // "unchanged"
    s.m_nProductId = c.productId;
    s.m_nVersionMajor = c.major;
    s.m_nVersionMinor = c.minor;
    s.m_nSecondaryVersionType = c.type;
    s.m_nSecondaryVersion = c.secondary;
    s.SetDefaults(c.productId, c.major, c.minor);
    for (const auto& [word, value] : c.words) EXPECT_EQ(s.Word(word), value) << "word " << word;
  }
}

TEST(Defaults, RadioModelSetsItsTwoMembers) {
  CDeviceSettings s;
  s.SetDefaults(0x5210, 1, 0);
  EXPECT_EQ(s.m_nRadioTransmitGain, 15);
  EXPECT_EQ(s.m_nAudioChannelTimeout, 5);
}

TEST(Defaults, FmAndSpeedDialDefaultsAndTheBuilders) {
  CDeviceSettings s = FilledRecord(500);
  const int tag = s.m_nFmMagicCode;
  s.SetFmDefaults(0x4210, 1, 1);
  EXPECT_EQ(s.m_nFmRegion, 1);
  EXPECT_EQ(s.m_nFmMagicCode, tag);
  EXPECT_EQ(s.m_anFmPreset, (std::array<int, 10>{}));
  EXPECT_EQ(s.m_bFmRds, 0);
  s.SetFmDefaults(0x4210, 1, 0);
  EXPECT_EQ(s.m_nFmRegion, 0);
  s.SetFmDefaults(0x5412, 9, 9);
  EXPECT_EQ(s.m_nFmRegion, 0);

  CDeviceSettings current = FilledRecord(600);
  current.m_nProductId = 0x4D10;
  current.m_nVersionMajor = 4;
  current.m_nVersionMinor = 1;
  current.m_bPlc = false;

  CDeviceSettings basic = FilledRecord(700);
  device::BuildBasicDefaults(basic, current);
  EXPECT_EQ(basic.m_nVersionMinor, 1);  // copied with versions
  EXPECT_EQ(basic.m_strDeviceName, current.m_strDeviceName);
  EXPECT_TRUE(basic.m_bPlc);  // defaults of 0x4D10 at 4.1
  EXPECT_EQ(basic.m_astrSpeedDial[0], "");

  CDeviceSettings fm = FilledRecord(800);
  device::BuildFmDefaults(fm, current);
  EXPECT_EQ(fm.m_anFmPreset[3], 0);
  EXPECT_EQ(fm.m_anBasicSetting, current.m_anBasicSetting);
  EXPECT_EQ(fm.m_astrSpeedDial, current.m_astrSpeedDial);

  CDeviceSettings speedDial = FilledRecord(900);
  device::BuildSpeedDialDefaults(speedDial, current);
  EXPECT_EQ(speedDial.m_astrSpeedDial, (std::array<std::string, 3>{}));
  EXPECT_EQ(speedDial.m_anFmPreset, current.m_anFmPreset);
}

}  // namespace
