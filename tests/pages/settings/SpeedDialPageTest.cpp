// The speed-dial page: what the three edits keep of what is typed or pasted, DEFAULT and CANCEL,
// and SAVE over the persistent store and over the vendor HID channel.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "SimBlueCoreHeadset.h"
#include "app/MainWindowFixture.h"
#include "framework/Edit.h"
#include "framework/TestSeams.h"
#include "headset/hid/SimHidHeadset.h"
#include "pages/settings/DialogDeviceSettingSpeedDial.h"

namespace testing_pages {
namespace {

using KeyWrite = std::pair<uint16_t, std::vector<uint8_t>>;
using pages::CDialogDeviceSettingSpeedDial;

constexpr int kEdits[] = {pages::IDC_SPEED_DIAL_EDIT_1, pages::IDC_SPEED_DIAL_EDIT_2, pages::IDC_SPEED_DIAL_EDIT_3};

class SpeedDialPageTest : public testing_app::MainWindowTest {
 protected:
  // Page 7 on show for `target` at firmware 1.0 with the device's numbers `numbers`; recognition
  // afterwards is a double that records its return code.
  CDialogDeviceSettingSpeedDial& Enter(int target, const std::array<std::string, 3>& numbers) {
    auto recognition = std::make_unique<testing_app::FakeRecognition>();
    recognition_ = recognition.get();
    app::CUpdaterDlg::Pages pages;
    pages.recognition = std::move(recognition);
    app::CUpdaterDlg& w = Start(std::move(pages));
    Recognise(w, target);
    device::CDeviceSettings& d = w.m_deviceSettings;
    d.m_nProductId = target;
    d.SetDefaults(target, 1, 0);
    d.m_nVersionMajor = 1;
    d.m_nVersionMinor = 0;
    d.m_astrSpeedDial = numbers;
    w.GoToSpeedDialPage(true);
    EXPECT_EQ(ShownPage(w), 7);
    return w.m_dlgDeviceSettingSpeedDial;
  }

  app::CUpdaterDlg& W() { return *window_; }
  CDialogDeviceSettingSpeedDial& Page() { return W().m_dlgDeviceSettingSpeedDial; }
  fw::Edit& Edit(int n) { return *Page().Control<fw::Edit>(kEdits[n]); }
  std::array<std::string, 3> Shown() {
    return {Edit(0).GetWindowText(), Edit(1).GetWindowText(), Edit(2).GetWindowText()};
  }
  void Press(int id) { ASSERT_TRUE(fw::Click(*Page().GetDlgItem(id))); }

  // Answers the failure box and reports whether one came.
  bool SaveFails() {
    const int runs = recognition_->silentRuns;
    fw::ModalScript script;
    script.Press(fw::IDOK);
    Page().ApplySettingsToDevice();
    return script.Dialogs().size() == 1 && recognition_->silentRuns == runs && W().m_nCurrentPage == 1;
  }

  testing_app::FakeRecognition* recognition_ = nullptr;
};

TEST_F(SpeedDialPageTest, EditsKeepDiallingCharactersUpToTwentyWithTheCaretWhereItWas) {
  struct Case {
    const char* what;
    const char* before;
    int caret;  // where the caret stands before the input
    bool paste;
    const char* input;
    const char* kept;
    int caretAfter;
  };
  const Case cases[] = {
      {"a letter typed after the digits", "", 0, false, "123a", "123", 3},
      {"a letter typed between digits", "1234", 2, false, "x", "1234", 2},
      {"every dialling character", "", 0, false, "+0123456789#*", "+0123456789#*", 13},
      {"a written-out number pasted", "", 0, true, "+1 (555) 123-4567", "+15551234567", 12},
      {"25 digits pasted", "", 0, true, "1234567890123456789012345", "12345678901234567890", 20},
      {"digits and hyphens, more than 20 digits", "99", 0, true, "1-2-3-4-5-6-7-8-9-0-1-2-3-4-5-6-7-8-9-0",
       "12345678901234567890", 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Enter(0x4D21, {c.before, "", ""});
    fw::Edit& edit = Edit(0);
    edit.SetSel(c.caret, c.caret);
    if (c.paste) {
      edit.ReplaceSel(c.input);
    } else {
      fw::TypeText(edit, c.input);
    }
    EXPECT_EQ(edit.GetWindowText(), c.kept);
    EXPECT_EQ(Page().m_editedSettings.m_astrSpeedDial[0], c.kept);
    int start = -1;
    int end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, c.caretAfter);
    EXPECT_EQ(end, c.caretAfter);
    TearDown();
    SetUp();
  }
}

TEST_F(SpeedDialPageTest, DefaultEmptiesAllThreeAndCancelRestoresTheDevicesNumbers) {
  Enter(0x4D21, {"111", "222", "333"});
  EXPECT_EQ(Shown(), (std::array<std::string, 3>{"111", "222", "333"}));
  EXPECT_EQ(Page().GetDlgItem(pages::IDC_SPEED_DIAL_LABEL_2)->GetWindowText(), "Speed Dial 2");
  EXPECT_FALSE(W().m_btnAction.IsWindowEnabled()) << "nothing to save yet";

  Press(pages::IDC_SPEED_DIAL_DEFAULT);
  EXPECT_EQ(Shown(), (std::array<std::string, 3>{"", "", ""}));
  EXPECT_EQ(Page().m_editedSettings.m_astrSpeedDial, (std::array<std::string, 3>{"", "", ""}));
  EXPECT_EQ(Page().IsSettingsModified(), 1);
  EXPECT_TRUE(W().m_btnAction.IsWindowEnabled());

  Press(pages::IDC_SPEED_DIAL_CANCEL);
  EXPECT_EQ(Shown(), (std::array<std::string, 3>{"111", "222", "333"}));
  EXPECT_EQ(Page().IsSettingsModified(), 0);

  // Busy: DEFAULT does nothing and the edits take no input; CANCEL still works.
  Page().m_editedSettings.m_astrSpeedDial[0] = "9";
  const pages::BusyHold busy = W().HoldBusy();
  Page().RefreshSettingsPageTexts();
  EXPECT_FALSE(Edit(0).IsWindowEnabled());
  Page().OnButtonDefault();
  EXPECT_EQ(Page().m_editedSettings.m_astrSpeedDial[0], "9");
  Page().OnButtonCancel();
  EXPECT_EQ(Page().m_editedSettings.m_astrSpeedDial[0], "111");
}

// 20 words: the characters, then zeros.
std::vector<uint8_t> Packed(const std::string& number) {
  std::vector<uint8_t> bytes(40, 0);
  for (size_t i = 0; i < number.size(); ++i) bytes[2 * i] = static_cast<uint8_t>(number[i]);
  return bytes;
}

TEST_F(SpeedDialPageTest, PersistentStoreSaveWritesAllThreeKeysThenRecognisesAgain) {
  auto headset = std::make_shared<sim::SimBlueCoreHeadset>(sim::HeadsetProfile{});
  usb_.Attach("1-2", headset);
  Enter(0x4D21, {"111", "222", "333"});
  Edit(1).SetWindowText("");
  ASSERT_EQ(Page().IsSettingsModified(), 1);
  Page().ApplySettingsToDevice();

  const std::vector<KeyWrite> expected = {{0x2280, Packed("111")}, {0x2281, Packed("")}, {0x2282, Packed("333")}};
  EXPECT_EQ(headset->KeyWrites(), expected);
  EXPECT_EQ(recognition_->silentRuns, 1);
  EXPECT_EQ(recognition_->m_nReturnPage, 7);
  EXPECT_EQ(W().m_deviceSettings.m_astrSpeedDial[1], "");
}

TEST_F(SpeedDialPageTest, RefusedKeyWriteTakesTheFailurePath) {
  auto headset = std::make_shared<sim::SimBlueCoreHeadset>(sim::HeadsetProfile{});
  usb_.Attach("1-2", headset);
  Enter(0x4D21, {"111", "222", "333"});
  headset->FailKeyWrite(0x2282, 1);
  Edit(1).SetWindowText("5");
  EXPECT_TRUE(SaveFails());
  EXPECT_EQ(Page().m_editedSettings.m_astrSpeedDial[1], "222") << "edits discarded";
}

TEST_F(SpeedDialPageTest, HidSaveSendsEmptyNumbersAsEachFamilyTakesThemAndFailsOnARefusedWrite) {
  struct Case {
    int product;
    bool dualInterface;
    size_t emptyWords;
  };
  for (const Case c : {Case{0x6010, false, 1}, Case{0x4310, true, 0}}) {
    SCOPED_TRACE(c.product);
    recogtest::SimHidHeadset first;
    recogtest::SimHidHeadset second;
    first.version = {1, 0, 0, 0, 0};
    second.version = {2, 0, 0, 0, 0};
    const std::string firstPath = first.AttachTo(hid_, static_cast<uint16_t>(c.product));
    const std::string secondPath = c.dualInterface ? second.AttachTo(hid_, static_cast<uint16_t>(c.product)) : "";
    const auto open = [&] {
      W().m_hHidDevice = hid_.Open(firstPath);
      if (c.dualInterface) W().m_hHidDeviceSecond = hid_.Open(secondPath);
    };
    Enter(c.product, {"12", "34", "+5"});
    W().m_deviceSettings.m_anHidVersion1 = {1, 0, 0, 0, 0};
    W().m_deviceSettings.m_anHidVersion2 = {2, 0, 0, 0, 0};
    open();
    Edit(1).SetWindowText("");
    Page().ApplySettingsToDevice();
    EXPECT_EQ(recognition_->silentRuns, 1);
    EXPECT_EQ(first.params[0x5A], (std::vector<uint16_t>{'1', '2'}));
    EXPECT_EQ(first.params[0x5B], std::vector<uint16_t>(c.emptyWords, 0));
    EXPECT_EQ(first.params[0x5C], (std::vector<uint16_t>{'+', '5'}));

    W().GoToSpeedDialPage(true);
    open();
    first.refusedWrites = {0x5C};
    Edit(0).SetWindowText("7");
    EXPECT_TRUE(SaveFails());
    hid_.Clear();
    TearDown();
    SetUp();
  }
}

}  // namespace
}  // namespace testing_pages
