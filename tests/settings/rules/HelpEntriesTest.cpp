// The help box of every settings row: which text, filled with what, and how tall.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "device/ModelNames.h"
#include "localization/SafeFormat.h"
#include "localization/SettingHelpTexts.h"
#include "localization/SettingVocabulary.h"
#include "settings/catalogue/Catalogue.h"
#include "settings/rules/HelpEntries.h"

namespace {

using namespace settings;
using namespace settings::rules;
using device::CDeviceSettings;

CDeviceSettings Device(int productId, int major, int minor) {
  CDeviceSettings device;
  device.m_nProductId = productId;
  device.m_nVersionMajor = major;
  device.m_nVersionMinor = minor;
  return device;
}

const RowList& ListOf(const CDeviceSettings& device) {
  static const RowList kEmpty{"none", {}};
  const auto place = Locate(device.m_nProductId, device);
  EXPECT_TRUE(place && place->list);
  return place && place->list ? *place->list : kEmpty;
}

int RowOfKind(const RowList& list, RowKind kind) {
  for (std::size_t i = 0; i < list.rows.size(); ++i) {
    if (list.rows[i].kind == kind) return static_cast<int>(i);
  }
  return -1;
}

TEST(HelpEntries, TavliskOnTheOldestDualInterfaceFirmwareNamesItselfAndFmRadio) {
  const CDeviceSettings device = Device(0x4210, 1, 0);
  for (int language : {0, 2}) {
    const auto help = HelpForRow(ListOf(device), 2, 0x4210, device, language);
    ASSERT_TRUE(help);
    EXPECT_EQ(help->height, 260);
    EXPECT_EQ(help->text, text::Format(text::GetConcurrentAudioHelpText(language),
                                       text::VocabularyText(text::g_strConcurrentAudio, language),
                                       text::VocabularyText(text::g_strFmRadio, language)));
  }
  const auto english = HelpForRow(ListOf(device), 2, 0x4210, device, 0);
  EXPECT_NE(english->text.find("Audio Tavlisk™"), std::string::npos);
  EXPECT_NE(english->text.find("FM Radio"), std::string::npos);
  EXPECT_EQ(english->text.find('%'), std::string::npos);
}

TEST(HelpEntries, VideoModeHeightAndTextFollowTheFirmware) {
  for (const auto& [major, minor, height, loop] :
       {std::tuple{1, 9, 190, false}, std::tuple{2, 0, 250, true}, std::tuple{3, 0, 250, true}}) {
    const CDeviceSettings device = Device(0x5510, major, minor);
    const RowList& list = ListOf(device);
    int row = RowOfKind(list, RowKind::ROW_VIDEO_MODE_TWO);
    if (row < 0) row = RowOfKind(list, RowKind::ROW_VIDEO_MODE_THREE);
    ASSERT_GE(row, 0) << list.name;
    const auto help = HelpForRow(list, row, 0x5510, device, 0);
    ASSERT_TRUE(help);
    EXPECT_EQ(help->height, height) << list.name;
    EXPECT_EQ(help->text, text::GetVideoModeHelpText(0, loop)) << list.name;
  }
}

TEST(HelpEntries, RecordingSourcesAndRowsOutsideTheListHaveNone) {
  const CDeviceSettings device = Device(0x5510, 1, 0);
  const RowList& list = ListOf(device);
  ASSERT_EQ(list.rows[13].kind, RowKind::ROW_RECORD_MUSIC);
  EXPECT_FALSE(HelpForRow(list, 13, 0x5510, device, 0));
  EXPECT_FALSE(HelpForRow(list, -1, 0x5510, device, 0));
  EXPECT_FALSE(HelpForRow(list, static_cast<int>(list.rows.size()), 0x5510, device, 0));
}

TEST(HelpEntries, ProductVariantsAndTheModelName) {
  struct Case {
    int product, major, minor;
    RowKind kind;
    std::string (*text)(int);
  };
  const Case cases[] = {
      {0x6010, 1, 2, RowKind::ROW_VOX_SENSITIVITY_LEVELS, text::GetVoxSensitivityDefaultTwoHelpText},
      {0x5520, 1, 0, RowKind::ROW_VOX_SENSITIVITY_LEVELS, text::GetVoxSensitivityHelpText},
      {0x5410, 1, 1, RowKind::ROW_AUDIO_BLEND_FLAG, text::GetAudioBlendMusicGpsHelpText},
      {0x5412, 1, 1, RowKind::ROW_AUDIO_BLEND_FLAG, text::GetAudioBlendHelpText},
  };
  for (const Case& c : cases) {
    const CDeviceSettings device = Device(c.product, c.major, c.minor);
    const RowList& list = ListOf(device);
    const int row = RowOfKind(list, c.kind);
    ASSERT_GE(row, 0) << list.name;
    const auto help = HelpForRow(list, row, c.product, device, 0);
    ASSERT_TRUE(help);
    EXPECT_EQ(help->text, c.text(0)) << list.name;
  }
  const CDeviceSettings device = Device(0x4210, 1, 1);
  const int motion = RowOfKind(ListOf(device), RowKind::ROW_MOTION_SENSITIVITY_DUAL);
  const auto help = HelpForRow(ListOf(device), motion, 0x4210, device, 0);
  ASSERT_TRUE(help);
  EXPECT_NE(help->text.find(device::GetModelName(0x4210, false)), std::string::npos) << help->text;
}

TEST(HelpEntries, EveryRowWithAHelpButtonInEveryListHasAnEntry) {
  for (const ProductGroup& group : AllProductGroups()) {
    for (const FirmwareBand& band : group.bands) {
      for (const RowList* list : {band.list, band.exceptionList}) {
        if (!list) continue;
        for (const CatalogueRow& row : list->rows) {
          EXPECT_EQ(HasHelpEntry(row.kind), KindInfo(row.kind).helpButton)
              << list->name << " " << KindInfo(row.kind).name;
        }
      }
    }
  }
}

}  // namespace
