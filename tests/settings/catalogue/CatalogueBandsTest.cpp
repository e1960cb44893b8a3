// Every product with grid rows, at every firmware band edge: the list it lands on, checked by its
// length and its first and last label, against a table written out from the product documents.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "device/DeviceSettings.h"
#include "settings/ExpectedLists.h"
#include "settings/catalogue/Catalogue.h"

namespace {

using settings::KindInfo;
using settings::Locate;
using settings_test::Band;
using settings_test::BandOf;
using settings_test::Expected;
using settings_test::Firmware;

std::string English(const text::VocabularyRow* label) { return text::VocabularyText(*label, 0); }

TEST(CatalogueBands, EveryProductAtEveryBandEdgeGetsItsList) {
  int products = 0;
  for (const Expected& expected : settings_test::ExpectedLists()) {
    for (int id : expected.ids) {
      ++products;
      for (const auto& [major, minor, rc] : settings_test::EdgeVersions(expected)) {
        SCOPED_TRACE(testing::Message() << std::hex << "0x" << id << std::dec << " at " << major
                                        << "." << minor << (rc ? " rc" : ""));
        const auto place = Locate(id, Firmware(major, minor, rc));
        ASSERT_TRUE(place.has_value());
        ASSERT_NE(place->list, nullptr);
        const Band& want = BandOf(expected.bands, major, minor);
        const auto& rows = place->list->rows;
        ASSERT_EQ(static_cast<int>(rows.size()), want.rows) << place->list->name;
        EXPECT_EQ(English(KindInfo(rows.front().kind).label), want.first);
        EXPECT_EQ(English(KindInfo(rows.back().kind).label), want.last);
      }
    }
  }
  EXPECT_EQ(products, 61);
}

TEST(CatalogueBands, IssueFigures) {
  // 0x4210 at 1.0 / 1.1 / 1.4 / 1.5 / 1.10 and 0x5510 at 1.9 / 2.0 / 2.2 / 3.0.
  const std::vector<std::tuple<int, int, int, int>> cases = {
      {0x4210, 1, 0, 4},   {0x4210, 1, 1, 6},  {0x4210, 1, 4, 11},  {0x4210, 1, 5, 13},
      {0x4210, 1, 10, 13}, {0x5510, 1, 9, 18}, {0x5510, 2, 0, 22},  {0x5510, 2, 1, 22},
      {0x5510, 2, 2, 23},  {0x5510, 3, 0, 25}, {0x5530, 1, 10, 10}, {0x5550, 1, 10, 5},
  };
  for (const auto& [id, major, minor, rows] : cases) {
    const auto place = Locate(id, Firmware(major, minor));
    ASSERT_TRUE(place.has_value());
    EXPECT_EQ(static_cast<int>(place->list->rows.size()), rows)
        << std::hex << id << std::dec << " " << major << "." << minor;
  }
}

TEST(CatalogueBands, SwitchPanelAndUnknownProductsHaveNoRows) {
  const int ids[] = {0x4D10, 0x4D30, 0x4D40, 0x4D20, 0x4D21, 0x4D50, 0x5010, 0x5060, 0x5061, 0x5030,
                     0x5080, 0x5040, 0x5050, 0x4D75, 0x5011, 0x5020, 0x5070, 0x4040, 0x2020, 0x6110,
                     0x6111, 0x6120, 0x6121, 0x4110, 0x4111, 0x4120, 0x6420, 0x6430, 0x4D05, 0x4D35,
                     0x4D55, 0x4D15, 0x4D45, 0x4D65, 0x4D85, 0x4020, 0x4021, 0x2310, 0x2010, 0x2011,
                     0x2110, 0x2210, 0x4030, 0x4010, 0x5210,
                     // no editor at all, and ids nobody knows
                     0x5345, 0x5320, 0x5330, 0x3500, 0x5310, 0x3010, 0x3020, 0x1234, 0, -1};
  for (int id : ids) {
    EXPECT_FALSE(settings::FindGroup(id).has_value()) << std::hex << id;
    EXPECT_FALSE(Locate(id, Firmware(3, 0)).has_value()) << std::hex << id;
  }
}

}  // namespace
