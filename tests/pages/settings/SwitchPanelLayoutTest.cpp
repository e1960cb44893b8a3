// Where the switch panel puts its rows, and which rows it shows, by product and firmware band.
#include <set>

#include "DeviceSettingPageFixture.h"
#include "framework/ListView.h"
#include "framework/Static.h"
#include "framework/UpDown.h"

namespace testing_pages {
namespace {

using namespace pages;

// The page is 141 dialog units high: 282 pixels.
constexpr int kPageHeight = 282;

TEST_F(DeviceSettingPageTest, EditionHeadsetShowsTheSideToneRowInSlotOneAndTheNoteInSlotSix) {
  Enter(0x4D21, 3, 7, [](device::CDeviceSettings& d) { d.m_bSidetone = true; });
  ASSERT_EQ(Page().GetClientRect().Height(), kPageHeight);
  EXPECT_EQ(ShownControls(), (std::set<int>{IDC_SETTINGS_DEFAULT, IDC_SETTINGS_CANCEL, IDC_SIDETONE_LABEL,
                                            IDC_SIDETONE_HELP, IDC_SIDETONE_ENABLE, IDC_SIDETONE_DISABLE,
                                            IDC_RESTART_NOTE}));
  EXPECT_EQ(Caption(IDC_SETTINGS_DEFAULT), "DEFAULT");
  EXPECT_EQ(Caption(IDC_SETTINGS_CANCEL), "CANCEL");
  EXPECT_EQ(Caption(IDC_SIDETONE_LABEL), "Sidetone");
  EXPECT_EQ(Caption(IDC_SIDETONE_ENABLE), "Enable");
  EXPECT_EQ(Caption(IDC_SIDETONE_DISABLE), "Disable");
  EXPECT_EQ(Caption(IDC_RESTART_NOTE), "NOTE: Changes will be applied after device restarts.");
  EXPECT_FALSE(Active(IDC_NOTE_DETAILS));
  EXPECT_FALSE(Active(IDC_MORE_SETTINGS));
  // Slots of (282 - 10) / 8 = 34 pixels from 5: a control lower than its slot is centred in it.
  EXPECT_EQ(Top(IDC_SETTINGS_DEFAULT), 5 + (34 - 20) / 2);
  EXPECT_EQ(Top(IDC_SETTINGS_CANCEL), 5 + (34 - 20) / 2);
  EXPECT_EQ(Top(IDC_SIDETONE_LABEL), 5 + 34 + (34 - 16) / 2);
  EXPECT_EQ(Top(IDC_SIDETONE_HELP), 5 + 34 + (34 - 16) / 2);
  EXPECT_EQ(Top(IDC_SIDETONE_ENABLE), 5 + 34 + (34 - 20) / 2);
  EXPECT_EQ(Top(IDC_RESTART_NOTE), 5 + 6 * 34 + (34 - 16) / 2);
  EXPECT_EQ(Top(IDC_NOTE_DETAILS), 5 + 6 * 34 + (34 - 16) / 2);
  // Only the vertical position moves.
  EXPECT_EQ(PageItem(IDC_SIDETONE_ENABLE).GetWindowRect().left, fw::DuToPixelsX(190));
  // The help button takes its picture's size.
  EXPECT_EQ(PageItem(IDC_SIDETONE_HELP).GetWindowRect().GetSize(), (fw::Size{16, 16}));
  EXPECT_EQ(Page().Control<fw::Button>(IDC_SIDETONE_ENABLE)->GetCheck(), 1);
  EXPECT_EQ(Page().Control<fw::Button>(IDC_SIDETONE_DISABLE)->GetCheck(), 0);
}

TEST_F(DeviceSettingPageTest, SlotCountsBelowEightActAsEightAndTallControlsStartAtTheirSlot) {
  Enter(0x3020);
  fw::Window& control = PageItem(IDC_MORE_SETTINGS);
  const fw::Point origin = Page().ClientToScreen({0, 0});
  const fw::Rect area = fw::Rect::FromXYWH(origin.x, origin.y, 551, kPageHeight);
  struct Case {
    float slots;
    int margin;
    float slot;
    int height;
    int top;  // in the page
  };
  const Case cases[] = {
      {6.5f, 5, 1.0f, 16, 5 + 34 + 9},
      {8.0f, 5, 1.0f, 16, 5 + 34 + 9},
      {4.0f, 5, 7.0f, 16, 5 + 7 * 34 + 9},
      // (282 - 4) / 9.5 = 29.26: the last half slot ends where the bottom margin begins.
      {9.5f, 2, 8.5f, 16, 257},
      {9.5f, 2, 5.5f, 16, 169},
      // Taller than the slot: from the slot's top, never above it.
      {8.0f, 5, 4.0f, 40, 5 + 4 * 34},
  };
  for (const Case& c : cases) {
    control.MoveWindow(13, 40, 30, c.height);
    pages::LayoutRow(area, c.slots, c.margin, c.slot, control);
    EXPECT_EQ(control.GetWindowRect(), fw::Rect::FromXYWH(13, c.top, 30, c.height)) << c.slots << " " << c.slot;
  }
}

// Labels the page shows, and where the note stands, for the headset family by firmware band.
TEST_F(DeviceSettingPageTest, HeadsetFamilyBandsStartExactlyAtTheirVersions) {
  struct Case {
    int product, major, minor, type;
    int noteTop;
    std::set<int> labels;
  };
  const std::set<int> base = {1037, 1040, 1043, 1069};
  auto with = [&](std::set<int> extra) {
    extra.insert(base.begin(), base.end());
    return extra;
  };
  const Case cases[] = {
      {0x4D10, 3, 9, 0, 252, with({1047})},
      {0x4D10, 4, 0, 0, 252, with({1047, 1048})},
      {0x4D10, 4, 1, 0, 257, with({1047, 1048, 1052, 1056})},
      {0x4D10, 4, 1, 1, 257, with({1047, 1048, 1052, 1056})},  // 4.1rc2 counts as 4.1
      {0x4D20, 4, 1, 0, 257, with({1047, 1048, 1052})},        // no microphone boosting: its slot stays empty
      {0x4D10, 4, 2, 0, 252, with({1052, 1056})},
      {0x4D10, 4, 10, 0, 252, with({1052, 1056})},
      {0x4D10, 5, 0, 0, 252, with({1052, 1056, 1076})},
      {0x5020, 4, 1, 0, 255, with({1047, 1048, 1052})},  // 8.5 slots of 32.7: the note at 7.5
  };
  for (const Case& c : cases) {
    Enter(c.product, c.major, c.minor, [](device::CDeviceSettings&) {}, 0, c.type);
    std::set<int> labels;
    for (int id : ShownControls()) {
      if (dynamic_cast<fw::Static*>(&PageItem(id))) labels.insert(id);
    }
    EXPECT_EQ(labels, c.labels) << std::hex << c.product << " " << c.major << "." << c.minor;
    EXPECT_EQ(Top(IDC_RESTART_NOTE), c.noteTop) << std::hex << c.product << " " << c.major << "." << c.minor;
  }
}

TEST_F(DeviceSettingPageTest, EveryPlacedPairShowsTheRecordWithItsPolarity) {
  Enter(0x4120, 1, 0, [](device::CDeviceSettings& d) {
    d.m_bEdrOff = true;
    d.m_bBitpoolRate = true;
    d.m_bSidetone = false;
    d.m_bNoiseControlOff = false;
    d.m_bAutoGainControlOff = true;
  });
  const struct {
    int enable, disable;
    bool enabled;
  } pairs[] = {{IDC_EDR_ENABLE, IDC_EDR_DISABLE, false},
               {IDC_A2DP_ENABLE, IDC_A2DP_DISABLE, true},
               {IDC_SIDETONE_ENABLE, IDC_SIDETONE_DISABLE, false},
               {IDC_NOISE_ENABLE, IDC_NOISE_DISABLE, true},
               {IDC_AGC_ENABLE, IDC_AGC_DISABLE, false}};
  for (const auto& p : pairs) {
    EXPECT_TRUE(Shows(p.enable) && Shows(p.disable)) << p.enable;
    EXPECT_EQ(Page().Control<fw::Button>(p.enable)->GetCheck(), p.enabled ? 1 : 0) << p.enable;
    EXPECT_EQ(Page().Control<fw::Button>(p.disable)->GetCheck(), p.enabled ? 0 : 1) << p.disable;
  }
}

TEST_F(DeviceSettingPageTest, ProductsWithoutASlotForTheNoteShowItWhereItStands) {
  Enter(0x4D21);
  const int placed = Top(IDC_RESTART_NOTE);
  Enter(0x6420);
  EXPECT_EQ(ShownControls(), (std::set<int>{IDC_SETTINGS_DEFAULT, IDC_SETTINGS_CANCEL, IDC_VOX_PHONE_LABEL,
                                            IDC_VOX_PHONE_ENABLE, IDC_VOX_PHONE_DISABLE, IDC_EDR_LABEL, IDC_EDR_HELP,
                                            IDC_EDR_ENABLE, IDC_EDR_DISABLE, IDC_RESTART_NOTE}));
  EXPECT_EQ(Top(IDC_RESTART_NOTE), placed);
}

TEST_F(DeviceSettingPageTest, ProductsWithNeitherEditorShowOnlyDefaultAndCancel) {
  for (int product : {0x3020, 0x5345, 0xFFFF}) {
    Enter(product);
    EXPECT_EQ(ShownControls(), (std::set<int>{IDC_SETTINGS_DEFAULT, IDC_SETTINGS_CANCEL})) << std::hex << product;
  }
}

TEST_F(DeviceSettingPageTest, GridProductsShowTheGridWithTheirColumnWidths) {
  struct Case {
    int product, language;
    int widths[3];
  };
  const Case cases[] = {{0x5510, 8, {30, 280, 200}}, {0x5510, 0, {30, 310, 170}}, {0x5520, 8, {30, 310, 170}}};
  for (const Case& c : cases) {
    Enter(c.product, 1, 0, c.language);
    EXPECT_EQ(ShownControls(), (std::set<int>{IDC_SETTINGS_DEFAULT, IDC_SETTINGS_CANCEL, IDC_SETTINGS_GRID}));
    EXPECT_TRUE(Active(IDC_SETTINGS_GRID));
    auto* grid = Page().Control<fw::ListView>(IDC_SETTINGS_GRID);
    for (int column = 0; column < 3; ++column) EXPECT_EQ(grid->GetColumnWidth(column), c.widths[column]);
  }
  // A grid product of the layout table puts DEFAULT where a margin-5, eight-slot layout does.
  EXPECT_EQ(Top(IDC_SETTINGS_DEFAULT), 5 + (34 - 20) / 2);
}

TEST_F(DeviceSettingPageTest, RadioGatewayShowsGainAndTimeoutRows) {
  Enter(0x5210, 1, 0, [](device::CDeviceSettings& d) {
    d.m_nRadioTransmitGain = 14;
    d.m_nAudioChannelTimeout = 45;
  });
  EXPECT_EQ(ShownControls(),
            (std::set<int>{IDC_SETTINGS_DEFAULT, IDC_SETTINGS_CANCEL, IDC_GAIN_LABEL, IDC_GAIN_HELP, IDC_GAIN_LOW,
                           IDC_GAIN_MEDIUM, IDC_GAIN_HIGH, IDC_TIMEOUT_LABEL, IDC_TIMEOUT_HELP, IDC_TIMEOUT_EDIT,
                           IDC_TIMEOUT_SPIN, IDC_TIMEOUT_UNIT, IDC_RESTART_NOTE}));
  EXPECT_EQ(Caption(IDC_GAIN_LOW), "Low");
  EXPECT_EQ(Caption(IDC_GAIN_MEDIUM), "Medium");
  EXPECT_EQ(Caption(IDC_GAIN_HIGH), "High");
  EXPECT_EQ(Caption(IDC_TIMEOUT_UNIT), "seconds (3 ~ 60)");
  EXPECT_EQ(Page().Control<fw::Button>(IDC_GAIN_MEDIUM)->GetCheck(), 1);
  EXPECT_EQ(Page().Control<fw::Button>(IDC_GAIN_LOW)->GetCheck() + Page().Control<fw::Button>(IDC_GAIN_HIGH)->GetCheck(),
            0);
  EXPECT_EQ(Caption(IDC_TIMEOUT_EDIT), "45");
  EXPECT_EQ(Page().Control<fw::UpDown>(IDC_TIMEOUT_SPIN)->GetPos(), 45);
  EXPECT_TRUE(Active(IDC_TIMEOUT_EDIT) && Active(IDC_TIMEOUT_SPIN));
  // The gain and time-out rows keep their template places; the note takes slot 7.
  EXPECT_EQ(Top(IDC_GAIN_LOW), fw::DuToPixelsY(18));
  EXPECT_EQ(Top(IDC_RESTART_NOTE), 5 + 7 * 34 + 9);
}

}  // namespace
}  // namespace testing_pages
