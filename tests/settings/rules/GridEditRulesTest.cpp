// The grid's editing rules on the catalogue's own lists: what a click or a choice stores, and
// which rows follow at once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "localization/SettingVocabulary.h"
#include "settings/catalogue/Catalogue.h"
#include "settings/catalogue/RowValues.h"
#include "settings/rules/GridEditRules.h"
#include "settings/rules/RowStores.h"

namespace {

using namespace settings;
using namespace settings::rules;
using device::CDeviceSettings;

const RowList& ListFor(int productId, int major, int minor) {
  CDeviceSettings device;
  device.m_nProductId = productId;
  device.m_nVersionMajor = major;
  device.m_nVersionMinor = minor;
  static const RowList kEmpty{"none", {}};
  const auto place = Locate(productId, device);
  EXPECT_TRUE(place && place->list) << std::hex << productId;
  return place && place->list ? *place->list : kEmpty;
}

std::string LabelAt(const RowList& list, int row) {
  return text::VocabularyText(*KindInfo(list.rows[static_cast<std::size_t>(row)].kind).label, 0);
}

std::vector<int> Rows(const std::vector<CellGrey>& greys, bool disabled) {
  std::vector<int> rows;
  for (const CellGrey& g : greys) {
    if (g.disabled == disabled) rows.push_back(g.row);
  }
  return rows;
}

TEST(GridEditRules, DualInterfaceTavliskGreysItsRowsAtOnce) {
  const RowList& list = ListFor(0x4310, 1, 0);
  CDeviceSettings s;
  s.SetConcurrentAudio(1);
  s.m_anBasicSetting[2] |= 0x7F0000;  // bits outside the settings stay

  CheckClickResult off = ApplyCheckClick(list, 0, true, s);
  EXPECT_TRUE(off.changed);
  EXPECT_EQ(s.m_anBasicSetting[2] & 0x0800, 0);
  EXPECT_EQ(s.m_anBasicSetting[2] & 0x7F0000, 0x7F0000);
  EXPECT_EQ(Rows(off.greys, true), (std::vector<int>{1, 2}));
  EXPECT_TRUE(Rows(off.greys, false).empty());

  CheckClickResult on = ApplyCheckClick(list, 0, false, s);
  EXPECT_NE(s.GetConcurrentAudio(), 0);
  EXPECT_EQ(Rows(on.greys, false), (std::vector<int>{1, 2}));
}

TEST(GridEditRules, WordBankBitsChangeAloneAndTwoClicksRestoreTheRecord) {
  const RowList& list = ListFor(0x3110, 1, 0);
  int voicePrompt = -1, voxPhone = -1;
  for (std::size_t i = 0; i < list.rows.size(); ++i) {
    if (list.rows[i].kind == RowKind::ROW_VOICE_PROMPT_BANK) voicePrompt = static_cast<int>(i);
    if (list.rows[i].kind == RowKind::ROW_VOX_PHONE_BANK) voxPhone = static_cast<int>(i);
  }
  ASSERT_GE(voicePrompt, 0);
  ASSERT_GE(voxPhone, 0);
  CDeviceSettings s;
  s.m_anBasicSetting[0] = 0x12340000;
  const CDeviceSettings first = s;

  EXPECT_TRUE(ApplyCheckClick(list, voicePrompt, true, s).changed);  // Disable: the off bit is set
  EXPECT_EQ(s.m_anBasicSetting[0], 0x12340008);
  ApplyCheckClick(list, voicePrompt, false, s);
  EXPECT_FALSE(s.SettingsDiffer(first, true));

  ApplyCheckClick(list, voxPhone, false, s);  // Enable: the on bit is set
  EXPECT_EQ(s.m_anBasicSetting[0], 0x12340001);
}

TEST(GridEditRules, CheckStoresFollowEachFamilysPolarity) {
  CDeviceSettings s;
  // Feature word: a switched-off member takes 1 for Disable, an on member 1 for Enable.
  EXPECT_TRUE(StoreCheckState(RowKind::ROW_NOISE_CONTROL_FLAG, true, s));
  EXPECT_TRUE(s.m_bNoiseControlOff);
  EXPECT_TRUE(StoreCheckState(RowKind::ROW_HD_VOICE_FLAG, false, s));
  EXPECT_EQ(s.m_bHdVoice, 1);
  EXPECT_TRUE(StoreCheckState(RowKind::ROW_HD_VOICE_FLAG, true, s));
  EXPECT_EQ(s.m_bHdVoice, 0);
  // Dual interface: the accessors always take "in force".
  EXPECT_TRUE(StoreCheckState(RowKind::ROW_VOICE_PROMPT_DUAL, false, s));
  EXPECT_NE(s.GetVoicePrompt(), 0);
  // Every check kind stores, and reads back what it stored, both ways.
  for (const RowKindInfo& kind : AllRowKinds()) {
    if (kind.cell != CellKind::kCheckBox) {
      EXPECT_FALSE(StoreCheckState(kind.kind, true, s)) << kind.name;
      continue;
    }
    for (bool disable : {true, false}) {
      CDeviceSettings r;
      r.SetSpeakerSoundRecording(1);
      EXPECT_TRUE(StoreCheckState(kind.kind, disable, r)) << kind.name;
      EXPECT_EQ(CheckBoxText(kind, r), disable ? "1" : "0") << kind.name;
    }
  }
}

TEST(GridEditRules, CameraRecordingSourcesStayConsistent) {
  const RowList& list = ListFor(0x5510, 1, 0);
  ASSERT_EQ(LabelAt(list, 12), "Speaker Sound Recording");
  CDeviceSettings s;  // master and every source off

  CheckClickResult on = ApplyCheckClick(list, 12, false, s);
  EXPECT_NE(s.GetSpeakerSoundRecording(), 0);
  EXPECT_NE(s.GetRecordMusic(), 0);
  EXPECT_NE(s.GetRecordFmRadio(), 0);
  EXPECT_NE(s.GetRecordIntercom(), 0);
  EXPECT_EQ(s.GetRecordPhone(), 0);
  ASSERT_EQ(on.checks.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(on.checks[static_cast<std::size_t>(i)].row, 13 + i);
    EXPECT_FALSE(on.checks[static_cast<std::size_t>(i)].disableShown);
  }
  EXPECT_EQ(Rows(on.greys, false), (std::vector<int>{13, 14, 15, 16}));

  // Off one by one: the master follows the last.
  ApplyCheckClick(list, 13, true, s);
  CheckClickResult notLast = ApplyCheckClick(list, 14, true, s);
  EXPECT_NE(s.GetSpeakerSoundRecording(), 0);
  EXPECT_TRUE(notLast.checks.empty());
  CheckClickResult last = ApplyCheckClick(list, 15, true, s);
  EXPECT_EQ(s.GetSpeakerSoundRecording(), 0);
  ASSERT_EQ(last.checks.size(), 1u);
  EXPECT_EQ(last.checks[0].row, 12);
  EXPECT_TRUE(last.checks[0].disableShown);
  EXPECT_TRUE(last.repaintAll);
  EXPECT_EQ(Rows(last.greys, true), (std::vector<int>{13, 14, 15, 16}));

  // With a source already on, the master only un-greys the sources.
  s.SetRecordPhone(1);
  CheckClickResult keep = ApplyCheckClick(list, 12, false, s);
  EXPECT_TRUE(keep.checks.empty());
  EXPECT_EQ(s.GetRecordMusic(), 0);
}

TEST(GridEditRules, FeatureWordAndWordBankGates) {
  struct Case {
    int product, major, minor;
    int gate;
    std::vector<int> followers;
    bool greyedWhenEnabled;
  };
  const std::vector<Case> cases = {
      {0x5610, 2, 0, 3, {4, 5, 6}, true},
      {0x5622, 2, 0, 4, {5, 6, 7}, true},
      {0x5410, 1, 1, 3, {4}, true},
      {0x3110, 1, 1, 3, {4}, true},
      {0x4210, 1, 1, 3, {4, 5}, false},
  };
  for (const Case& c : cases) {
    const RowList& list = ListFor(c.product, c.major, c.minor);
    CDeviceSettings s;
    CheckClickResult enable = ApplyCheckClick(list, c.gate, false, s);
    EXPECT_EQ(Rows(enable.greys, c.greyedWhenEnabled), c.followers) << list.name;
    CheckClickResult disable = ApplyCheckClick(list, c.gate, true, s);
    EXPECT_EQ(Rows(disable.greys, !c.greyedWhenEnabled), c.followers) << list.name;
  }
  // A gate without followers in its list greys nothing.
  CDeviceSettings s;
  EXPECT_TRUE(ApplyCheckClick(ListFor(0x5410, 1, 0), 3, false, s).greys.empty());

  // A row of a following kind that its list does not grey keeps the state it was built with,
  // whichever way the gate goes.
  const std::vector<CatalogueRow> rows = {{RowKind::ROW_CONCURRENT_AUDIO_FLAG, false},
                                          {RowKind::ROW_HD_VOICE_FLAG, true},
                                          {RowKind::ROW_HD_INTERCOM_FLAG, false}};
  const RowList mixed{"mixed", rows};
  for (bool disable : {false, true}) {
    const CheckClickResult click = ApplyCheckClick(mixed, 0, disable, s);
    ASSERT_EQ(click.greys.size(), 1u) << disable;
    EXPECT_EQ(click.greys[0].row, 1);
    EXPECT_EQ(click.greys[0].disabled, !disable);
  }
}

TEST(GridEditRules, OptionChoicesStoreByTheirMapping) {
  struct Case {
    RowKind kind;
    int index;
    int (*read)(const CDeviceSettings&);
    int stored;
  };
  const std::vector<Case> cases = {
      {RowKind::ROW_AUDIO_BLEND_SENSITIVITY_DUAL, 2, [](const CDeviceSettings& s) { return s.m_anBasicSetting[0]; }, 8},
      {RowKind::ROW_AUDIO_BLEND_SENSITIVITY_DUAL, 9, [](const CDeviceSettings& s) { return s.m_anBasicSetting[0]; }, 1},
      {RowKind::ROW_MOTION_SENSITIVITY_DUAL, 0, [](const CDeviceSettings& s) { return s.m_anBasicSetting[3]; }, 1},
      {RowKind::ROW_MOTION_SENSITIVITY_DUAL, 2, [](const CDeviceSettings& s) { return s.m_anBasicSetting[3]; }, 3},
      {RowKind::ROW_ESS_STATUS, 3, [](const CDeviceSettings& s) { return s.GetEssStatus(); }, 3},
      {RowKind::ROW_ESS_SENSITIVITY, 0, [](const CDeviceSettings& s) { return s.GetEssSensitivity(); }, 1},
      {RowKind::ROW_AUDIO_SOURCE_PRIORITY_FLAG, 1, [](const CDeviceSettings& s) { return s.m_nAudioSourcePriority; },
       1},
      {RowKind::ROW_VOX_SENSITIVITY_LMH, 2, [](const CDeviceSettings& s) { return s.GetVoxSensitivity(); }, 3},
  };
  for (const Case& c : cases) {
    CDeviceSettings s;
    EXPECT_TRUE(StoreOption(c.kind, c.index, s)) << KindInfo(c.kind).name;
    EXPECT_EQ(c.read(s), c.stored) << KindInfo(c.kind).name << " index " << c.index;
  }
  // Every option of every drop-down reads back as the option stored (on firmware that has them all).
  for (const RowKindInfo& kind : AllRowKinds()) {
    if (kind.cell != CellKind::kDropDown) {
      CDeviceSettings s;
      EXPECT_FALSE(StoreOption(kind.kind, 0, s)) << kind.name;
      continue;
    }
    for (int i = 0; i < static_cast<int>(kind.options->texts.size()); ++i) {
      CDeviceSettings s;
      s.m_nVersionMajor = 3;
      EXPECT_TRUE(StoreOption(kind.kind, i, s)) << kind.name;
      EXPECT_EQ(SelectedOption(kind, s), i) << kind.name;
    }
  }
}

TEST(GridEditRules, NoSelectionAndNoRowStoreNothing) {
  const RowList& list = ListFor(0x5610, 2, 0);
  ASSERT_EQ(list.rows[4].kind, RowKind::ROW_AUDIO_SOURCE_PRIORITY_FLAG);
  CDeviceSettings s;
  s.m_nAudioSourcePriority = 5;  // out of range: the list opens with nothing selected
  const CDeviceSettings before = s;
  for (int index : {-1, 2, 100}) EXPECT_FALSE(ApplyOptionChoice(list, 4, index, s)) << index;
  EXPECT_FALSE(ApplyOptionChoice(list, 99, 0, s));
  EXPECT_FALSE(ApplyOptionChoice(list, 3, 0, s));                 // a check row
  EXPECT_FALSE(ApplyCheckClick(list, 4, true, s).changed);       // a drop-down row
  EXPECT_FALSE(ApplyCheckClick(list, -1, true, s).changed);
  EXPECT_FALSE(ApplyCheckClick(list, static_cast<int>(list.rows.size()), true, s).changed);
  EXPECT_FALSE(s.SettingsDiffer(before, true));
  EXPECT_EQ(s.m_nAudioSourcePriority, 5);
}

}  // namespace
