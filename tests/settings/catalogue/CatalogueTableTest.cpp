// The catalogue as a whole: its measured figures, the row kinds and their uses, the option sets
// in every language, and the stable row positions the editing rules rely on.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "framework/TextCompare.h"
#include "settings/catalogue/Catalogue.h"

namespace {

using namespace settings;

// Every (group, band, list) the catalogue can hand out, exceptions included.
struct Served {
  int group;
  int band;
  const RowList* list;
};
std::vector<Served> AllServedLists() {
  std::vector<Served> served;
  const auto groups = AllProductGroups();
  for (std::size_t g = 0; g < groups.size(); ++g) {
    for (std::size_t b = 0; b < groups[g].bands.size(); ++b) {
      const FirmwareBand& band = groups[g].bands[b];
      served.push_back({static_cast<int>(g), static_cast<int>(b), band.list});
      if (band.exceptionList) {
        served.push_back({static_cast<int>(g), static_cast<int>(b), band.exceptionList});
      }
    }
  }
  return served;
}

std::vector<int> KindsOf(const RowList& list) {
  std::vector<int> kinds;
  for (const CatalogueRow& row : list.rows) {
    kinds.push_back(static_cast<int>(row.kind) * 2 + (row.greyRuleApplies ? 1 : 0));
  }
  return kinds;
}

TEST(CatalogueTable, MeasuredFigures) {
  const auto groups = AllProductGroups();
  EXPECT_EQ(groups.size(), 43u);
  std::set<int> ids;
  std::size_t idCount = 0;
  for (const ProductGroup& group : groups) {
    ids.insert(group.productIds.begin(), group.productIds.end());
    idCount += group.productIds.size();
    ASSERT_FALSE(group.bands.empty());
    EXPECT_EQ(group.bands.front().from.major, 0);
    EXPECT_EQ(group.bands.front().from.minor, 0);
  }
  EXPECT_EQ(ids.size(), 61u);
  EXPECT_EQ(idCount, 61u) << "an id stands in two groups";

  const std::vector<Served> served = AllServedLists();
  EXPECT_EQ(served.size(), 79u);
  std::set<std::vector<int>> distinct;
  int rows = 0, checks = 0, dropDowns = 0, helpButtons = 0;
  std::set<const text::VocabularyRow*> labels;
  std::set<RowKind> kindsUsed;
  for (const Served& s : served) {
    ASSERT_NE(s.list, nullptr);
    distinct.insert(KindsOf(*s.list));
    for (const CatalogueRow& row : s.list->rows) {
      const RowKindInfo& kind = KindInfo(row.kind);
      ++rows;
      (kind.cell == CellKind::kCheckBox ? checks : dropDowns)++;
      helpButtons += kind.helpButton ? 1 : 0;
      labels.insert(kind.label);
      kindsUsed.insert(row.kind);
    }
  }
  EXPECT_EQ(distinct.size(), 45u);
  EXPECT_EQ(rows, 809);
  EXPECT_EQ(checks, 679);
  EXPECT_EQ(dropDowns, 130);
  EXPECT_EQ(helpButtons, 793);
  EXPECT_EQ(kindsUsed.size(), 66u);
  EXPECT_EQ(labels.size(), 41u);

  // Option texts come from 22 tables; the video-mode one is also a label.
  std::set<std::pair<int, const void*>> optionTables;
  for (const OptionSet* set : AllOptionSets()) {
    for (const OptionText& option : set->texts) {
      if (option.from != OptionText::From::kDisableText) {
        optionTables.insert({static_cast<int>(option.from), option.row});
      }
    }
  }
  int alsoLabels = 0;
  for (const auto& [from, row] : optionTables) {
    alsoLabels += labels.count(static_cast<const text::VocabularyRow*>(row)) ? 1 : 0;
  }
  EXPECT_EQ(optionTables.size() - static_cast<std::size_t>(alsoLabels), 21u);
}

// How often each kind is used over all lists, as the product documents count them.
TEST(CatalogueTable, EveryKindIsUsedAsOftenAsDocumented) {
  const std::map<std::string, int> uses = {{"ROW_AUDIO_BOOST_DUAL", 7},
                                           {"ROW_AUDIO_BOOST_FLAG", 59},
                                           {"ROW_AUDIO_BOOST_BANK", 6},
                                           {"ROW_AUDIO_SOURCE_PRIORITY_FLAG", 20},
                                           {"ROW_AUDIO_BLEND_VOLUME_DUAL", 5},
                                           {"ROW_AUDIO_BLEND_VOLUME_BANK", 6},
                                           {"ROW_AUDIO_BLEND_FLAG", 9},
                                           {"ROW_CONCURRENT_AUDIO_DUAL", 9},
                                           {"ROW_CONCURRENT_AUDIO_FLAG", 12},
                                           {"ROW_AUTO_CAMERA_SLEEP", 4},
                                           {"ROW_INTERCOM_CONCURRENT_AUDIO_BANK", 4},
                                           {"ROW_DATE_CAPTION", 4},
                                           {"ROW_EIGHT_WAY_DUAL", 7},
                                           {"ROW_ESS_SENSITIVITY", 2},
                                           {"ROW_ESS_STATUS", 2},
                                           {"ROW_RECORD_FM_RADIO", 4},
                                           {"ROW_FM_STATION_GUIDE_DUAL", 6},
                                           {"ROW_FM_STATION_GUIDE_FLAG", 37},
                                           {"ROW_FM_STATION_GUIDE_BANK", 6},
                                           {"ROW_GUEST_MODE_BANK", 6},
                                           {"ROW_HD_INTERCOM_DUAL", 7},
                                           {"ROW_HD_INTERCOM_FLAG", 46},
                                           {"ROW_HD_INTERCOM_BANK", 6},
                                           {"ROW_HD_VOICE_FLAG", 21},
                                           {"ROW_HQ_A2DP_FLAG", 36},
                                           {"ROW_HQ_A2DP_BANK", 6},
                                           {"ROW_RECORD_INTERCOM", 4},
                                           {"ROW_AUDIO_BLEND_SENSITIVITY_DUAL", 9},
                                           {"ROW_AUDIO_BLEND_SENSITIVITY_BANK", 6},
                                           {"ROW_LOOP_RECORDING_INTERVAL", 3},
                                           {"ROW_MOTION_SENSITIVITY_DUAL", 3},
                                           {"ROW_RECORD_MUSIC", 4},
                                           {"ROW_NOISE_CONTROL_DUAL", 7},
                                           {"ROW_NOISE_CONTROL_FLAG", 61},
                                           {"ROW_NOISE_CONTROL_BANK", 6},
                                           {"ROW_NAVIGATION_APP_DUAL", 3},
                                           {"ROW_RECORD_PHONE", 4},
                                           {"ROW_PHOTO_MODE", 4},
                                           {"ROW_SIDETONE_DUAL", 9},
                                           {"ROW_SIDETONE_FLAG", 45},
                                           {"ROW_SIDETONE_BANK", 6},
                                           {"ROW_SMART_NAVI_FLAG", 5},
                                           {"ROW_SMART_VOLUME_DUAL", 6},
                                           {"ROW_SMART_VOLUME_FLAG", 14},
                                           {"ROW_SMART_VOLUME_BANK", 6},
                                           {"ROW_SPEAKER_SOUND_RECORDING", 4},
                                           {"ROW_TIMELAPSE_INTERVAL", 4},
                                           {"ROW_UNIT_LANGUAGE", 1},
                                           {"ROW_VIDEO_MIC_GAIN", 3},
                                           {"ROW_VIDEO_MODE_TWO", 1},
                                           {"ROW_VIDEO_MODE_THREE", 3},
                                           {"ROW_VIDEO_RESOLUTION", 4},
                                           {"ROW_VIDEO_TAGGING_INTERVAL", 3},
                                           {"ROW_VOICE_COMMAND_DUAL", 5},
                                           {"ROW_VOICE_COMMAND_BANK", 6},
                                           {"ROW_VOICE_PROMPT_DUAL", 7},
                                           {"ROW_VOICE_PROMPT_FLAG", 64},
                                           {"ROW_VOICE_PROMPT_BANK", 6},
                                           {"ROW_VOX_INTERCOM_FLAG", 48},
                                           {"ROW_VOX_INTERCOM_BANK", 6},
                                           {"ROW_VOX_PHONE_DUAL", 8},
                                           {"ROW_VOX_PHONE_FLAG", 52},
                                           {"ROW_VOX_PHONE_BANK", 6},
                                           {"ROW_VOX_SENSITIVITY_LEVELS", 25},
                                           {"ROW_VOX_SENSITIVITY_LMH", 5},
                                           {"ROW_VOX_SENSITIVITY_BANK", 6}};
  ASSERT_EQ(uses.size(), 66u);
  std::map<std::string, int> counted;
  for (const Served& s : AllServedLists()) {
    for (const CatalogueRow& row : s.list->rows) ++counted[std::string(KindInfo(row.kind).name)];
  }
  EXPECT_EQ(counted, uses);
}

TEST(CatalogueTable, KindsAreFoundByTheirNames) {
  std::set<std::string_view> names;
  for (const RowKindInfo& kind : AllRowKinds()) {
    EXPECT_EQ(&KindInfo(kind.kind), &kind);
    EXPECT_EQ(FindRowKind(kind.name), kind.kind);
    EXPECT_TRUE(kind.name.starts_with("ROW_")) << kind.name;
    EXPECT_TRUE(names.insert(kind.name).second) << kind.name;
    // A drop-down has options and an index mapping; a check box neither.
    const bool dropDown = kind.cell == CellKind::kDropDown;
    EXPECT_EQ(dropDown, kind.options != nullptr) << kind.name;
    const bool indexMapping =
        kind.mapping != Mapping::kEnableWhenSet && kind.mapping != Mapping::kDisableWhenSet;
    EXPECT_EQ(dropDown, indexMapping) << kind.name;
  }
  EXPECT_EQ(names.size(), 66u);
  EXPECT_FALSE(FindRowKind("ROW_NOTHING").has_value());
}

TEST(CatalogueTable, OnlyTheSwitchedOffFlagsShowDisableWhenSet) {
  std::set<std::string_view> disableWhenSet;
  for (const RowKindInfo& kind : AllRowKinds()) {
    if (kind.mapping == Mapping::kDisableWhenSet) disableWhenSet.insert(kind.source.what);
  }
  EXPECT_EQ(disableWhenSet, (std::set<std::string_view>{"m_bVoicePromptOff", "m_bNoiseControlOff",
                                                        "m_bAudioBoostOff", "word 0 bit 0x0008",
                                                        "word 0 bit 0x0200", "word 0 bit 0x0400"}));
}

// The drop-down cell takes a later option equal to the first (ignoring case) as naming the current
// value and drops the first: every stored index would shift. So no two options of a set may be
// equal that way, in any language.
TEST(CatalogueTable, OptionTextsAreFilledAndDistinctInEveryLanguage) {
  for (const OptionSet* set : AllOptionSets()) {
    for (int language = 0; language < text::kVocabularyLanguages; ++language) {
      std::vector<std::string> texts;
      for (const OptionText& option : set->texts) {
        const std::string t = OptionTextIn(option, language);
        EXPECT_FALSE(t.empty()) << set->name << " in language " << language;
        EXPECT_EQ(t.find('\n'), std::string::npos) << set->name;
        for (const std::string& earlier : texts) {
          EXPECT_FALSE(fw::EqualsIgnoringCase(earlier, t))
              << set->name << ": \"" << earlier << "\" and \"" << t << "\" in language "
              << language;
        }
        texts.push_back(t);
      }
    }
  }
}

TEST(CatalogueTable, OptionSetsInEnglish) {
  const std::map<RowKind, std::vector<std::string>> expected = {
      {RowKind::ROW_MOTION_SENSITIVITY_DUAL, {"Disable", "Low", "High"}},
      {RowKind::ROW_SMART_VOLUME_BANK, {"Disable", "Low", "Medium", "High"}},
      {RowKind::ROW_AUDIO_SOURCE_PRIORITY_FLAG, {"Intercom", "Music"}},
      {RowKind::ROW_VIDEO_MODE_TWO, {"Video Mode", "Timelapse Mode"}},
      {RowKind::ROW_VIDEO_MODE_THREE, {"Video Mode", "Timelapse Mode", "Loop Recording Mode"}},
      {RowKind::ROW_VIDEO_RESOLUTION, {"1080p/30fps", "720p/60fps", "720p/30fps"}},
      {RowKind::ROW_TIMELAPSE_INTERVAL, {"1 sec", "10 secs"}},
      {RowKind::ROW_LOOP_RECORDING_INTERVAL, {"1 min", "3 mins", "5 mins"}},
      {RowKind::ROW_ESS_STATUS,
       {"ESS ON", "Position Light + ESS ON", "Fog Light + ESS ON", "ESS OFF"}},
      {RowKind::ROW_UNIT_LANGUAGE,
       {"English", "French", "Spanish", "Italian", "German", "Dutch", "Russian", "Chinese",
        "Korean", "Japanese", "Finnish"}},
      {RowKind::ROW_VOX_SENSITIVITY_LMH, {"Low", "Medium", "High"}},
      {RowKind::ROW_VOX_SENSITIVITY_LEVELS,
       {"Level 1", "Level 2", "Level 3", "Level 4", "Level 5"}},
  };
  for (const auto& [kind, texts] : expected) {
    const OptionSet* set = KindInfo(kind).options;
    ASSERT_NE(set, nullptr);
    std::vector<std::string> got;
    for (const OptionText& option : set->texts) got.push_back(OptionTextIn(option, 0));
    EXPECT_EQ(got, texts) << KindInfo(kind).name;
  }
  const OptionSet* ten = KindInfo(RowKind::ROW_AUDIO_BLEND_SENSITIVITY_DUAL).options;
  ASSERT_EQ(ten->texts.size(), 10u);
  EXPECT_EQ(OptionTextIn(ten->texts.back(), 0), "Level 10");
}

// The camera headset's four recording sources are the only rows without a help button.
TEST(CatalogueTable, RecordingSourcesOfTheCameraHeadsetHaveNoHelpButton) {
  const int group = *FindGroup(0x5510);
  const std::vector<std::vector<int>> withoutHelp = {
      {13, 14, 15, 16}, {17, 18, 19, 20}, {18, 19, 20, 21}, {20, 21, 22, 23}};
  for (int band = 0; band < 4; ++band) {
    std::vector<int> found;
    for (int row = 0; const CatalogueRow* r = RowAt(group, band, 0x5510, row); ++row) {
      if (!KindInfo(r->kind).helpButton) found.push_back(row);
    }
    EXPECT_EQ(found, withoutHelp[static_cast<std::size_t>(band)]) << "band " << band;
  }
}

TEST(CatalogueTable, RowsAreFoundByGroupBandAndIndex) {
  // 0x4410 has no VOX Phone row, so its HD Intercom is row 5 where 0x4310 has it at 6.
  const int ostrel = *FindGroup(0x4310);
  const int zuv = *FindGroup(0x4430);
  EXPECT_EQ(RowAt(ostrel, 0, 0x4310, 6)->kind, RowKind::ROW_HD_INTERCOM_DUAL);
  EXPECT_EQ(RowAt(zuv, 0, 0x4430, 5)->kind, RowKind::ROW_HD_INTERCOM_DUAL);

  // The VN4 group gives each of its ids a list of its own from 2.0 on.
  const int vn4 = *FindGroup(0x5622);
  EXPECT_EQ(*FindGroup(0x5624), vn4);
  EXPECT_EQ(RowAt(vn4, 2, 0x5622, 4)->kind, RowKind::ROW_CONCURRENT_AUDIO_FLAG);
  EXPECT_EQ(RowAt(vn4, 2, 0x5624, 4)->kind, RowKind::ROW_AUDIO_SOURCE_PRIORITY_FLAG);
  EXPECT_NE(RowAt(vn4, 2, 0x5622, 11), nullptr);
  EXPECT_EQ(RowAt(vn4, 2, 0x5624, 10), nullptr);

  // Outside any group, band or list: nothing, never a stray row.
  EXPECT_EQ(RowAt(-1, 0, 0x4310, 0), nullptr);
  EXPECT_EQ(RowAt(43, 0, 0x4310, 0), nullptr);
  EXPECT_EQ(RowAt(ostrel, 1, 0x4310, 0), nullptr);
  EXPECT_EQ(RowAt(ostrel, -1, 0x4310, 0), nullptr);
  EXPECT_EQ(RowAt(ostrel, 0, 0x4310, 13), nullptr);
  EXPECT_EQ(RowAt(ostrel, 0, 0x4310, -1), nullptr);

  device::CDeviceSettings device;
  device.m_nVersionMajor = 2;
  const auto place = Locate(0x5624, device);
  ASSERT_TRUE(place.has_value());
  EXPECT_EQ(place->group, vn4);
  EXPECT_EQ(place->band, 2);
  EXPECT_EQ(place->list->rows.size(), 10u);
}

}  // namespace
