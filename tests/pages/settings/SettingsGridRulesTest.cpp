// Page 5's grid with the rows of a product's list: a click or a choice goes into the edited
// record, the grid follows at once, and a list closed with nothing chosen changes nothing.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/MainWindowFixture.h"
#include "controls/DialogMessageBox.h"
#include "controls/grid/CellCheckBox.h"
#include "controls/grid/CellComboBox.h"
#include "framework/TestSeams.h"
#include "localization/SettingVocabulary.h"
#include "localization/SharedTexts.h"

namespace {

class SettingsGridRulesTest : public testing_app::StartedMainWindowTest {
 protected:
  pages::CDialogDeviceSetting& Page() { return W().m_dlgDeviceSetting; }
  controls::CConfigListCtrl& Grid() { return Page().m_gridSettings; }

  // Page 5 for the product, with the device and the edited record both `record`, and the grid
  // built for them.
  void Open(int productId, int major, int minor, device::CDeviceSettings record) {
    Recognise(W(), productId);
    record.m_nProductId = productId;
    record.m_nVersionMajor = major;
    record.m_nVersionMinor = minor;
    W().m_deviceSettings = record;
    W().GoToPage(5);
    ASSERT_EQ(W().m_nCurrentPage, 5);
    Page().m_editedSettings = record;
    Page().BuildSettingsGrid();
    ASSERT_GT(Grid().GetItemCount(), 0);
  }

  // The cell flips as a click on its check area does, then the page's rules run.
  void ClickCheck(int row) {
    auto* check = dynamic_cast<controls::CCellCheckBox*>(Grid().GetCell(row, 2));
    ASSERT_NE(check, nullptr);
    if (!Disabled(row)) check->SetCheck(!check->GetCheck());
    Page().RunGridClickRules(row, 2);
  }
  bool Disabled(int row) { return (Grid().GetCell(row, 2)->GetStyle() & controls::CELL_STYLE_DISABLED) != 0; }
  std::string Shown(int row) { return Grid().GetCell(row, 2)->GetText(); }
  void Choose(int row, unsigned code, int index) {
    Grid().ActivateCell(controls::CConfigListCtrl::MakeKey(row, 2));
    Grid().SendMessage(controls::WM_CELL_POPUP_NOTIFY, code, index);
  }
};

TEST_F(SettingsGridRulesTest, TavliskGreysItsRowsAndTheRecordFollowsTheCell) {
  device::CDeviceSettings record;
  record.SetConcurrentAudio(1);
  Open(0x4310, 1, 0, record);
  ASSERT_FALSE(Disabled(1));

  ClickCheck(0);
  EXPECT_EQ(Page().m_editedSettings.m_anBasicSetting[2] & 0x0800, 0);
  EXPECT_TRUE(Disabled(1));
  EXPECT_TRUE(Disabled(2));
  EXPECT_EQ(Page().IsSettingsModified(), 1);

  // A greyed cell does not flip, and clicking it stores what it shows.
  const device::CDeviceSettings before = Page().m_editedSettings;
  ClickCheck(2);
  EXPECT_FALSE(Page().m_editedSettings.SettingsDiffer(before, true));

  ClickCheck(0);
  EXPECT_FALSE(Disabled(1));
  EXPECT_FALSE(Disabled(2));
  EXPECT_EQ(Page().IsSettingsModified(), 0);

  // Column 2 of a drop-down row stores nothing on a click.
  Page().RunGridClickRules(1, 2);
  EXPECT_EQ(Page().IsSettingsModified(), 0);
}

TEST_F(SettingsGridRulesTest, CameraMasterAndSourcesShowWhatTheyStore) {
  Open(0x5510, 1, 0, device::CDeviceSettings{});
  ASSERT_TRUE(Disabled(13));

  ClickCheck(12);
  for (int row : {13, 14, 15}) EXPECT_EQ(Shown(row), "0") << row;
  EXPECT_EQ(Grid().GetItemText(13, 2), "0");
  EXPECT_EQ(Shown(16), "1");
  for (int row : {13, 14, 15, 16}) EXPECT_FALSE(Disabled(row)) << row;

  for (int row : {13, 14, 15}) ClickCheck(row);
  EXPECT_EQ(Page().m_editedSettings.GetSpeakerSoundRecording(), 0);
  EXPECT_EQ(Shown(12), "1");
  for (int row : {13, 14, 15, 16}) EXPECT_TRUE(Disabled(row)) << row;
}

TEST_F(SettingsGridRulesTest, AChoiceStoresAndAnEmptyCloseChangesNothing) {
  // Stored values no option stands for: the lists open with nothing selected.
  struct Case {
    int product, major, minor, row;
    void (*storeOutOfRange)(device::CDeviceSettings&);
    int (*read)(const device::CDeviceSettings&);
    int outOfRange, chosen, stored;
  };
  const Case cases[] = {
      {0x5610, 2, 0, 4, [](device::CDeviceSettings& s) { s.m_nAudioSourcePriority = 5; },
       [](const device::CDeviceSettings& s) { return s.m_nAudioSourcePriority; }, 5, 1, 1},
      {0x4310, 1, 0, 1, [](device::CDeviceSettings& s) { s.m_anBasicSetting[0] = 0; },
       [](const device::CDeviceSettings& s) { return s.m_anBasicSetting[0]; }, 0, 2, 8},
  };
  for (const Case& c : cases) {
    device::CDeviceSettings record;
    record.SetConcurrentAudio(1);
    c.storeOutOfRange(record);
    Open(c.product, c.major, c.minor, record);
    auto* combo = dynamic_cast<controls::CCellComboBox*>(Grid().GetCell(c.row, 2));
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->GetCurSel(), -1);

    Choose(c.row, controls::CELL_POPUP_CLOSED, 0);
    EXPECT_EQ(c.read(Page().m_editedSettings), c.outOfRange) << std::hex << c.product;
    EXPECT_EQ(Page().IsSettingsModified(), 0) << std::hex << c.product;

    Choose(c.row, controls::CELL_POPUP_SELECT, c.chosen);
    EXPECT_EQ(c.read(Page().m_editedSettings), c.stored) << std::hex << c.product;

    // With no active cell a notification reaches no rule.
    Grid().EndCellEdit();
    Grid().SendMessage(controls::WM_CELL_POPUP_NOTIFY, controls::CELL_POPUP_SELECT, 0);
    EXPECT_EQ(c.read(Page().m_editedSettings), c.stored) << std::hex << c.product;
  }
  EXPECT_EQ(Page().IsSettingsModified(), 1);  // word 0 of the last case is compared
}

TEST_F(SettingsGridRulesTest, HelpButtonOpensTheRowsHelpInTheInterfaceLanguage) {
  W().m_nLanguage = 2;
  Open(0x4210, 1, 0, device::CDeviceSettings{});
  fw::ModalScript script;
  script.Press(fw::IDOK);
  Page().RunGridClickRules(2, 0);
  ASSERT_EQ(script.Dialogs().size(), 1u);
  EXPECT_EQ(script.Last().size, (fw::Size{520, 260}));
  EXPECT_EQ(script.Last().Text(fw::IDOK), text::GetOkText(2));
  EXPECT_EQ(script.Last().VisibleButtons(), std::vector<int>{fw::IDOK});
  const std::string shown = script.Last().Text(controls::IDC_MESSAGE_TEXT);
  EXPECT_NE(shown.find(text::VocabularyText(text::g_strFmRadio, 2)), std::string::npos) << shown;

  // Below the last row, and on the camera's recording sources, nothing opens.
  Page().RunGridClickRules(-1, 0);
  Page().RunGridClickRules(Grid().GetItemCount(), 0);
  EXPECT_EQ(script.Dialogs().size(), 1u);
  EXPECT_EQ(Page().IsSettingsModified(), 0);
}

}  // namespace
