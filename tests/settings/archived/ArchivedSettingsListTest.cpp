// The archived list of a product: the catalogue's rows for the archived version, labelled and
// rendered, or nothing when the product has no rows or the page on show is not Basic.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "device/DeviceSettings.h"
#include "device/SettingsPages.h"
#include "localization/SettingVocabulary.h"
#include "localization/SharedTexts.h"
#include "settings/ExpectedLists.h"
#include "settings/archived/ArchivedSettingsList.h"

namespace {

using device::SETTINGS_PAGE_BASIC;
using settings::ArchivedSettingsList;
using settings::BuildArchivedSettingsList;
using settings_test::Firmware;
using Outcome = ArchivedSettingsList::Outcome;

TEST(ArchivedSettingsList, EveryProductAtEveryBandEdgeListsItsRows) {
  for (const settings_test::Expected& expected : settings_test::ExpectedLists()) {
    for (int id : expected.ids) {
      for (const auto& [major, minor, rc] : settings_test::EdgeVersions(expected)) {
        SCOPED_TRACE(testing::Message() << std::hex << "0x" << id << std::dec << " at " << major
                                        << "." << minor << (rc ? " rc" : ""));
        auto archived = Firmware(major, minor, rc);
        archived.m_nProductId = 0x1234;  // the target chooses the rows, not the archive's own id
        const ArchivedSettingsList list = BuildArchivedSettingsList(id, archived, SETTINGS_PAGE_BASIC, 0);
        const settings_test::Band& want = settings_test::BandOf(expected.bands, major, minor);
        ASSERT_EQ(list.outcome, Outcome::kRows);
        ASSERT_EQ(static_cast<int>(list.rows.size()), want.rows);
        EXPECT_EQ(list.rows.front().label, want.first);
        EXPECT_EQ(list.rows.back().label, want.last);
        for (const settings::ArchivedRow& row : list.rows) EXPECT_FALSE(row.value.empty()) << row.label;
      }
    }
  }
}

TEST(ArchivedSettingsList, TheTwoProductsOfOneGroupPartFromTwoPointZero) {
  for (const auto& [major, minor, rows5622, rows5624] :
       std::vector<std::tuple<int, int, int, int>>{{1, 10, 9, 9}, {2, 0, 12, 10}, {3, 0, 12, 10}}) {
    const auto archived = Firmware(major, minor);
    EXPECT_EQ(BuildArchivedSettingsList(0x5622, archived, SETTINGS_PAGE_BASIC, 0).rows.size(), rows5622);
    EXPECT_EQ(BuildArchivedSettingsList(0x5624, archived, SETTINGS_PAGE_BASIC, 0).rows.size(), rows5624);
  }
}

TEST(ArchivedSettingsList, OnlyTheBasicPageOfAProductWithRowsGivesRows) {
  for (const int kind : {device::SETTINGS_PAGE_SPEED_DIAL, device::SETTINGS_PAGE_FM_RADIO, 0, 7}) {
    const ArchivedSettingsList list = BuildArchivedSettingsList(0x5520, Firmware(2, 0), kind, 0);
    EXPECT_EQ(list.outcome, Outcome::kHidden) << kind;
    EXPECT_TRUE(list.rows.empty());
  }
  // A switch-panel product and an unknown one: no rows, whatever the page kind.
  for (const int id : {0x4D21, 0x5210, 0x1234}) {
    for (const int kind : {SETTINGS_PAGE_BASIC, device::SETTINGS_PAGE_FM_RADIO}) {
      const ArchivedSettingsList list = BuildArchivedSettingsList(id, Firmware(3, 0), kind, 0);
      EXPECT_EQ(list.outcome, Outcome::kNoRows) << std::hex << id;
      EXPECT_TRUE(list.rows.empty());
    }
  }
}

std::string ValueOf(const ArchivedSettingsList& list, const std::string& label) {
  for (const settings::ArchivedRow& row : list.rows) {
    if (row.label == label) return row.value;
  }
  return "(no row " + label + ")";
}

TEST(ArchivedSettingsList, CameraVideoModeReadsTheWordOfItsVersion) {
  struct Case {
    int major, minor, word10, word12;
    const char* shown;
  };
  // Below 2.0 bit 1 of word 10 holds the mode; from 2.0 bits 6 and 7 of word 12.
  const Case cases[] = {
      {1, 9, 0x02, 0x00, "Timelapse Mode"}, {1, 9, 0x00, 0xC0, "Video Mode"},
      {2, 0, 0x02, 0x00, "Video Mode"},     {2, 0, 0x00, 0x40, "Timelapse Mode"},
      {3, 0, 0x02, 0x80, "Loop Recording Mode"},
  };
  for (const Case& c : cases) {
    auto archived = Firmware(c.major, c.minor);
    archived.m_anCameraSetting[0] = c.word10;
    archived.m_anCameraSetting[2] = c.word12;
    const ArchivedSettingsList list = BuildArchivedSettingsList(0x5510, archived, SETTINGS_PAGE_BASIC, 0);
    EXPECT_EQ(ValueOf(list, "Video Mode"), c.shown) << c.major << "." << c.minor;
  }
}

TEST(ArchivedSettingsList, LabelsAndValuesFollowTheLanguage) {
  auto archived = Firmware(2, 0);
  archived.m_bAudioBoostOff = 1;
  for (const int language : {0, 2, 9}) {
    const ArchivedSettingsList list = BuildArchivedSettingsList(0x5520, archived, SETTINGS_PAGE_BASIC, language);
    ASSERT_FALSE(list.rows.empty());
    EXPECT_EQ(list.rows.front().label, text::VocabularyText(text::g_strAudioBoost, language));
    EXPECT_EQ(list.rows.front().value, text::GetDisabledText(language));
  }
}

}  // namespace
