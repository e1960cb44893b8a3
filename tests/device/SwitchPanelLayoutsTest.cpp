#include <gtest/gtest.h>

#include "device/SettingsEditors.h"
#include "device/SwitchPanelLayouts.h"

namespace {

using device::FindSwitchPanelLayout;
using device::PanelRow;
using device::SettingsEditor;
using device::SettingsEditorFor;

TEST(SwitchPanelLayouts, EveryPanelProductHasALayoutWithTheNoteAndEveryOtherIdNoRows) {
  for (int product = 0; product <= 0xFFFF; ++product) {
    const device::PanelBand* layout = FindSwitchPanelLayout(product, 1, 0);
    switch (SettingsEditorFor(product)) {
      case SettingsEditor::SwitchPanel:
        ASSERT_NE(layout, nullptr) << std::hex << product;
        EXPECT_TRUE(layout->Shows(PanelRow::Note, product)) << std::hex << product;
        break;
      case SettingsEditor::Grid:
      case SettingsEditor::None:
        if (layout) {
          EXPECT_TRUE(layout->Rows().empty()) << std::hex << product;
        }
        break;
    }
  }
}

TEST(SwitchPanelLayouts, BandsStartAtTheirThresholdAndVersionsBelowTakeTheFirst) {
  struct Case {
    int major, minor;
    float slotCount;
    int margin;
    bool plc, sideTone;
  };
  const Case cases[] = {
      {0, 0, 6.5f, 5, false, false}, {3, 9, 6.5f, 5, false, false}, {4, 0, 7.5f, 5, true, false},
      {4, 1, 9.5f, 2, true, false},  {4, 2, 8.0f, 5, false, false}, {4, 10, 8.0f, 5, false, false},
      {5, 0, 8.0f, 5, false, true},  {12, 3, 8.0f, 5, false, true},
  };
  for (const Case& c : cases) {
    const device::PanelBand* band = FindSwitchPanelLayout(0x4D40, c.major, c.minor);
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->slotCount, c.slotCount) << c.major << "." << c.minor;
    EXPECT_EQ(band->margin, c.margin) << c.major << "." << c.minor;
    EXPECT_EQ(band->Shows(PanelRow::Plc, 0x4D40), c.plc) << c.major << "." << c.minor;
    EXPECT_EQ(band->Shows(PanelRow::SideTone, 0x4D40), c.sideTone) << c.major << "." << c.minor;
  }
  // Microphone boosting belongs to three models of the group only.
  EXPECT_TRUE(FindSwitchPanelLayout(0x4D30, 4, 2)->Shows(PanelRow::MicrophoneBoosting, 0x4D30));
  EXPECT_FALSE(FindSwitchPanelLayout(0x5010, 4, 2)->Shows(PanelRow::MicrophoneBoosting, 0x5010));
}

TEST(SettingsEditors, DualInterfaceFamilyIsTheGridFamilyWithWordTwoSettings) {
  for (int product : {0x4210, 0x4310, 0x4350, 0x4330, 0x4430, 0x4410, 0x4510, 0x4530, 0x2030}) {
    EXPECT_TRUE(device::IsDualInterfaceFamily(product));
    EXPECT_EQ(SettingsEditorFor(product), SettingsEditor::Grid);
  }
  EXPECT_FALSE(device::IsDualInterfaceFamily(0x4D21));
  EXPECT_EQ(SettingsEditorFor(0x4D21), SettingsEditor::SwitchPanel);
  EXPECT_EQ(SettingsEditorFor(0x3020), SettingsEditor::None);
}

}  // namespace
