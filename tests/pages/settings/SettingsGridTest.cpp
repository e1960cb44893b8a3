// Page 5's settings grid as the catalogue builds it: rows, help buttons, labels, values, greyed
// cells and captions, for every list and after a language switch.
#include <string>
#include <vector>

#include "DeviceSettingPageFixture.h"
#include "app/DialogLanguageManager.h"
#include "controls/grid/CellCheckBox.h"
#include "controls/grid/CellComboBox.h"
#include "controls/grid/CellPushButton.h"
#include "framework/RecordingDeviceContext.h"
#include "localization/SettingVocabulary.h"
#include "localization/SharedTexts.h"
#include "settings/catalogue/Catalogue.h"

namespace testing_pages {
namespace {

using controls::CCellCheckBox;
using controls::CCellComboBox;
using controls::CCellPushButton;

class SettingsGridTest : public DeviceSettingPageTest {
 protected:
  controls::CConfigListCtrl& Grid() { return Page().m_gridSettings; }
  std::string Label(int row) { return Grid().GetItemText(row, 1); }
  controls::CCellCtrl* Value(int row) { return Grid().GetCell(row, 2); }
  std::string ValueText(int row) { return Value(row) ? Value(row)->GetText() : "(no cell)"; }
  bool Greyed(int row) { return Value(row) && (Value(row)->GetStyle() & controls::CELL_STYLE_DISABLED); }

  // The grid built again for `product` at firmware major.minor, on the page's edited record.
  template <typename Adjust>
  void Rebuild(int product, int major, int minor, Adjust&& adjust) {
    W().m_nDeviceTarget = product;
    W().m_deviceSettings.m_nVersionMajor = major;
    W().m_deviceSettings.m_nVersionMinor = minor;
    const device::CDeviceSettings fresh;
    Page().m_editedSettings = fresh;
    Page().m_editedSettings.m_nVersionMajor = major;
    Page().m_editedSettings.m_nVersionMinor = minor;
    adjust(Page().m_editedSettings);
    Page().BuildSettingsGrid();
  }
  void Rebuild(int product, int major = 1, int minor = 0) {
    Rebuild(product, major, minor, [](device::CDeviceSettings&) {});
  }

  // The texts a check box cell draws: its two captions.
  std::vector<std::string> Captions(int row) {
    fw::RecordingDeviceContext dc;
    const fw::Rect rect{0, 0, 200, 24};
    Value(row)->Draw(dc, &rect, 0);
    return dc.Texts();
  }
};

// Every list the catalogue can give, built on the grid: its rows in order, a help button with the
// question mark on all but the recording sources, the label, and the cell of the row's kind.
TEST_F(SettingsGridTest, EveryListIsBuiltRowForRow) {
  Enter(0x4210, 1, 5);
  int rows = 0, checks = 0, dropDowns = 0, helpButtons = 0;
  for (const settings::ProductGroup& group : settings::AllProductGroups()) {
    for (std::size_t b = 0; b < group.bands.size(); ++b) {
      const settings::FirmwareBand& band = group.bands[b];
      // One id for the band's list, and the id that has a list of its own.
      std::vector<int> ids;
      for (int id : group.productIds) {
        if (!band.exceptionList || id != band.exceptionProductId) {
          ids.push_back(id);
          break;
        }
      }
      if (band.exceptionList) ids.push_back(band.exceptionProductId);
      for (int id : ids) {
        Rebuild(id, band.from.major, band.from.minor);
        const settings::RowList* list = settings::ListOfBand(group, static_cast<int>(b), id);
        SCOPED_TRACE(std::string(list->name));
        ASSERT_EQ(Grid().GetItemCount(), static_cast<int>(list->rows.size()));
        for (int i = 0; i < Grid().GetItemCount(); ++i) {
          const settings::RowKindInfo& kind =
              settings::KindInfo(list->rows[static_cast<std::size_t>(i)].kind);
          ++rows;
          EXPECT_EQ(Label(i), text::VocabularyText(*kind.label, 0)) << i;
          auto* help = dynamic_cast<CCellPushButton*>(Grid().GetCell(i, 0));
          EXPECT_EQ(help != nullptr, kind.helpButton) << i;
          if (help) {
            ++helpButtons;
            EXPECT_EQ(help->GetBitmapId(), 188);
          } else {
            EXPECT_EQ(Grid().GetCell(i, 0), nullptr);
          }
          if (dynamic_cast<CCellCheckBox*>(Value(i))) {
            ++checks;
            EXPECT_EQ(kind.cell, settings::CellKind::kCheckBox) << i;
            EXPECT_EQ(Captions(i), (std::vector<std::string>{"Enable", "Disable"})) << i;
          } else if (dynamic_cast<CCellComboBox*>(Value(i))) {
            ++dropDowns;
            EXPECT_EQ(kind.cell, settings::CellKind::kDropDown) << i;
          } else {
            ADD_FAILURE() << "row " << i << " has no value cell";
          }
        }
      }
    }
  }
  EXPECT_EQ(rows, 809);
  EXPECT_EQ(checks, 679);
  EXPECT_EQ(dropDowns, 130);
  EXPECT_EQ(helpButtons, 793);
}

TEST_F(SettingsGridTest, BandsFollowTheRecognisedFirmware) {
  struct Case {
    int product, major, minor, type, rows;
    const char* first;
    const char* last;
  };
  const Case cases[] = {
      {0x4210, 1, 0, 0, 4, "VOX Phone", "Intercom-audio Sumbra Sensitivity"},
      {0x4210, 1, 1, 1, 6, "VOX Phone", "Navigation App Support"},  // a release candidate of 1.1
      {0x4210, 1, 4, 0, 11, "Audio Tavlisk™", "Mutravo™"},
      {0x4210, 1, 10, 0, 13, "Audio Tavlisk™", "Mutravo™"},
      {0x5510, 1, 9, 0, 18, "Audio Boost", "Auto Camera Sleep"},
      {0x5510, 3, 0, 0, 25, "Audio Boost", "Auto Camera Sleep"},
      {0x3110, 2, 1, 0, 17, "Audio Boost", "Unit Language"},
      {0x6010, 1, 2, 0, 12, "Smart Navi System", "ESS Sensitivity"},
  };
  for (const Case& c : cases) {
    Enter(
        c.product, c.major, c.minor, [](device::CDeviceSettings&) {}, 0, c.type);
    SCOPED_TRACE(testing::Message() << std::hex << c.product << std::dec << " " << c.major << "." << c.minor);
    ASSERT_EQ(Grid().GetItemCount(), c.rows);
    EXPECT_EQ(Label(0), c.first);
    EXPECT_EQ(Label(c.rows - 1), c.last);
  }
}

TEST_F(SettingsGridTest, ProductsWithoutRowsEmptyTheGridAndTwoBuildsGiveTheRowsOnce) {
  Enter(0x5510, 3, 0);
  ASSERT_EQ(Grid().GetItemCount(), 25);
  Page().BuildSettingsGrid();
  EXPECT_EQ(Grid().GetItemCount(), 25);
  EXPECT_EQ(Grid().GetCellCount(), 25 + 21);  // value cells and help buttons
  for (int product : {0x4D21, 0x4D10, 0x1234}) {
    Rebuild(0x4310);
    ASSERT_EQ(Grid().GetItemCount(), 13);
    Rebuild(product, 3, 0);
    EXPECT_EQ(Grid().GetItemCount(), 0) << std::hex << product;
    EXPECT_EQ(Grid().GetCellCount(), 0) << std::hex << product;
  }
}

TEST_F(SettingsGridTest, ValuesSelectionsAndGreyedCells) {
  Enter(0x4310, 1, 0);
  // Ten levels shown upside down; a level the list has no option for leaves the cell empty.
  Rebuild(0x4310, 1, 0, [](device::CDeviceSettings& s) { s.SetAudioBlendSensitivity(10); });
  EXPECT_EQ(ValueText(1), "Level 1");
  EXPECT_EQ(dynamic_cast<CCellComboBox*>(Value(1))->GetOptionCount(), 10);
  Rebuild(0x4310, 1, 0, [](device::CDeviceSettings& s) { s.SetAudioBlendSensitivity(0); });
  EXPECT_EQ(ValueText(1), "");
  // With concurrent audio off the two rows that depend on it grey; the row itself never does.
  EXPECT_FALSE(Greyed(0));
  EXPECT_TRUE(Greyed(1));
  EXPECT_TRUE(Greyed(2));
  EXPECT_EQ(ValueText(0), "1");
  Rebuild(0x4310, 1, 0, [](device::CDeviceSettings& s) { s.SetConcurrentAudio(1); });
  EXPECT_FALSE(Greyed(1));
  EXPECT_FALSE(Greyed(2));
  EXPECT_EQ(ValueText(0), "0");

  // A switched-off flag holding 2 shows Disable as 1 does.
  Rebuild(0x5520, 2, 0, [](device::CDeviceSettings& s) { s.m_bAudioBoostOff = 2; });
  EXPECT_EQ(ValueText(0), "1");
  EXPECT_FALSE(Greyed(4));

  // The word bank's intercom audio bit greys HD Intercom from 1.1 on.
  Rebuild(0x3110, 1, 1, [](device::CDeviceSettings& s) { s.m_anBasicSetting[1] = 0x0800; });
  EXPECT_EQ(Label(4), "HD Intercom");
  EXPECT_TRUE(Greyed(4));
  EXPECT_EQ(ValueText(3), "0");
  Rebuild(0x3110, 1, 0, [](device::CDeviceSettings& s) { s.m_anBasicSetting[1] = 0x0800; });
  EXPECT_FALSE(Greyed(3));

  // The audio blend member greys VN4T's rows 4 to 6 though it has no row of its own there.
  Rebuild(0x5624, 2, 0, [](device::CDeviceSettings& s) { s.m_bAudioBlend = 1; });
  EXPECT_TRUE(Greyed(4) && Greyed(5) && Greyed(6));
  EXPECT_FALSE(Greyed(3) || Greyed(7));

  // The camera's recording sources grey while speaker recording is off and have no help button.
  Rebuild(0x5510, 3, 0, [](device::CDeviceSettings& s) { s.SetRecordMusic(1); });
  for (int row = 20; row <= 23; ++row) {
    EXPECT_TRUE(Greyed(row)) << row;
    EXPECT_EQ(Grid().GetCell(row, 0), nullptr) << row;
  }
  EXPECT_EQ(ValueText(20), "0");  // still shows its own value
  EXPECT_EQ(Label(20), "▶ Music");
}

TEST_F(SettingsGridTest, LanguageSwitchRebuildsInTheNewLanguage) {
  Enter(0x5510, 3, 0, [](device::CDeviceSettings& d) { d.SetPhotoMode(1); });
  ASSERT_EQ(Label(11), "Photo Mode");
  app::CDialogLanguageManager choice;
  choice.m_nLanguage = 2;
  choice.m_bApplyToFirmwareLanguage = W().m_bApplyToFirmwareLanguage;
  W().ApplyLanguageChoice(choice);
  ASSERT_EQ(Grid().GetItemCount(), 25);
  EXPECT_EQ(Label(0), text::VocabularyText(text::g_strAudioBoost, 2));
  EXPECT_EQ(Label(11), text::VocabularyText(text::g_strPhotoMode, 2));
  EXPECT_NE(Label(11), "Photo Mode");
  auto* photo = dynamic_cast<CCellComboBox*>(Value(11));
  ASSERT_NE(photo, nullptr);
  EXPECT_EQ(photo->GetOption(0), text::VocabularyText(text::g_strSingleShot, 2));
  EXPECT_EQ(ValueText(11), text::VocabularyText(text::g_strBurstShot, 2));
  EXPECT_EQ(Captions(0), (std::vector<std::string>{text::GetEnableText(2), text::GetDisableText(2)}));
  EXPECT_NE(text::GetEnableText(2), "Enable");
}

}  // namespace
}  // namespace testing_pages
