// The program's own message box: layout for every button set, its keys, its pictures, and the two
// duties of its OK button in the firmware update flow.
#include "controls/DialogMessageBox.h"

#include <chrono>
#include <set>

#include "app/MainWindowFixture.h"
#include "app/WindowColours.h"
#include "framework/RecordingDeviceContext.h"
#include "framework/Static.h"
#include "framework/TestSeams.h"
#include "localization/SharedTexts.h"
#include "platform/Clock.h"
#include "platform/Shell.h"

namespace testing_app {
namespace {

using controls::CDialogMessageBox;

struct Buttons {
  bool third;
  bool cancel;
  bool ok;
};

void SetUpBox(CDialogMessageBox& box, const Buttons& b, fw::Size size, bool warning = false) {
  box.SetupThreeButtons("Message", warning, b.third ? CDialogMessageBox::Caption("Notes") : std::nullopt,
                        b.cancel ? CDialogMessageBox::Caption("Nope") : std::nullopt,
                        b.ok ? CDialogMessageBox::Caption("Sure") : std::nullopt, size);
}

fw::Rect RectOf(fw::Dialog& box, int id) { return box.GetDlgItem(id)->GetWindowRect(); }

TEST(MessageBox, LaysOutAtTheCallersSizeForEveryButtonSet) {
  const Buttons sets[] = {{false, false, false}, {false, false, true}, {false, true, false}, {false, true, true},
                          {true, true, true},    {true, false, false}};
  const fw::Size size{440, 170};
  for (const Buttons& b : sets) {
    SCOPED_TRACE(testing::Message() << "third " << b.third << " cancel " << b.cancel << " ok " << b.ok);
    CDialogMessageBox box;
    SetUpBox(box, b, size);
    fw::ModalScript script;
    script.Do([&](fw::Dialog& d) {
      EXPECT_EQ(d.GetClientRect().GetSize(), size);
      EXPECT_EQ(RectOf(d, controls::IDC_MESSAGE_PICTURE), fw::Rect::FromXYWH(20, 20, 64, 64));
      const bool any = b.ok || b.cancel || b.third;
      const int textHeight = any ? 170 - 84 : 170 - 40;
      EXPECT_EQ(RectOf(d, controls::IDC_MESSAGE_TEXT), fw::Rect::FromXYWH(104, 20, 440 - 124, textHeight));
      EXPECT_EQ(RectOf(d, fw::IDOK), fw::Rect::FromXYWH(440 - 135, 170 - 44, 115, 24));
      EXPECT_EQ(RectOf(d, fw::IDCANCEL), fw::Rect::FromXYWH(440 - 251, 170 - 44, 115, 24));
      EXPECT_EQ(RectOf(d, controls::IDC_MESSAGE_THIRD), fw::Rect::FromXYWH(440 - 366, 170 - 44, 115, 24));
      d.EndDialog(0);
    });
    box.DoModal();
    const fw::ShownDialog& shown = script.Last();
    std::vector<int> expected;
    if (b.ok) expected.push_back(fw::IDOK);
    if (b.cancel) expected.push_back(fw::IDCANCEL);
    if (b.third) expected.push_back(controls::IDC_MESSAGE_THIRD);
    EXPECT_EQ(shown.VisibleButtons(), expected);
    for (int id : {int{fw::IDOK}, int{fw::IDCANCEL}, int{controls::IDC_MESSAGE_THIRD}}) {
      EXPECT_EQ(shown.IsEnabled(id), shown.IsVisible(id)) << "a hidden button is disabled too";
    }
    const std::pair<int, const char*> captions[] = {
        {fw::IDOK, b.ok ? "Sure" : nullptr},
        {fw::IDCANCEL, b.cancel ? "Nope" : nullptr},
        {controls::IDC_MESSAGE_THIRD, b.third ? "Notes" : nullptr}};
    for (const auto& [id, caption] : captions) {
      if (caption) {
        EXPECT_EQ(shown.Text(id), caption);
      }
    }
    EXPECT_EQ(shown.Text(controls::IDC_MESSAGE_TEXT), "Message");
  }
}

// Enter closes only a box that shows OK, Esc only one that shows Cancel. 0: the box stays.
TEST(MessageBox, EnterNeedsOkAndEscapeNeedsCancel) {
  struct Case {
    Buttons buttons;
    unsigned key;
    int result;
  };
  const Case cases[] = {
      {{false, false, true}, fw::VK_RETURN, fw::IDOK},  {{false, false, true}, fw::VK_ESCAPE, 0},
      {{false, true, false}, fw::VK_RETURN, 0},         {{false, true, false}, fw::VK_ESCAPE, fw::IDCANCEL},
      {{false, true, true}, fw::VK_RETURN, fw::IDOK},   {{false, true, true}, fw::VK_ESCAPE, fw::IDCANCEL},
      {{false, false, false}, fw::VK_RETURN, 0},        {{false, false, false}, fw::VK_ESCAPE, 0},
      {{true, false, false}, fw::VK_RETURN, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "cancel " << c.buttons.cancel << " ok " << c.buttons.ok << " key " << c.key);
    CDialogMessageBox box;
    SetUpBox(box, c.buttons, {400, 130});
    fw::ModalScript script;
    script.Do([&](fw::Dialog& d) {
      fw::Window* focus = fw::Window::GetFocus();
      fw::PressKey(focus && focus->IsDescendantOf(&d) ? *focus : d, c.key);
      if (c.result == 0) {
        EXPECT_FALSE(d.HasEnded());
        if (!c.buttons.cancel) {
          fw::RequestClose(d);  // the window's close command is Esc's equal
          EXPECT_FALSE(d.HasEnded());
        }
        if (!d.HasEnded()) d.EndDialog(0);
      }
    });
    EXPECT_EQ(box.DoModal(), c.result);
  }
}

TEST(MessageBox, AModelessPopUpWithoutButtonsIsClosedOnlyByItsOwner) {
  CDialogMessageBox popup;
  popup.Setup("Please wait", true, std::nullopt, std::nullopt, {400, 110});
  ASSERT_TRUE(popup.Create());
  popup.ShowWindow(true);
  EXPECT_EQ(popup.GetClientRect().GetSize(), (fw::Size{400, 110}));
  EXPECT_EQ(RectOf(popup, controls::IDC_MESSAGE_TEXT).Height(), 110 - 40);
  fw::PressKey(popup, fw::VK_RETURN);
  fw::PressKey(popup, fw::VK_ESCAPE);
  fw::RequestClose(popup);
  EXPECT_FALSE(popup.HasEnded());
  EXPECT_TRUE(popup.IsWindowVisible());
  popup.DestroyWindow();
  EXPECT_FALSE(popup.IsCreated());
}

TEST(MessageBox, WarningAndLogoPicturesWithTheirBackgrounds) {
  for (bool warning : {true, false}) {
    CDialogMessageBox box;
    SetUpBox(box, {false, false, true}, {400, 165}, warning);
    fw::ModalScript script;
    script.Do([&](fw::Dialog& d) {
      EXPECT_EQ(d.Control<fw::Static>(controls::IDC_MESSAGE_PICTURE)->GetBitmap().ResourceId(), warning ? 184 : 186);
      fw::RecordingDeviceContext dc;
      const fw::Brush brush = d.GetDlgItem(controls::IDC_MESSAGE_TEXT)->QueryColours(dc, fw::CtlColor::Static);
      EXPECT_EQ(brush.GetColour(), warning ? app::kColourStatusError : app::kColourWhite);
      EXPECT_EQ(dc.GetBkMode(), fw::BkMode::Transparent);
      EXPECT_EQ(d.GetDlgItem(controls::IDC_MESSAGE_TEXT)->GetFont().Weight(), fw::FW_BOLD);
      d.EndDialog(fw::IDOK);
    });
    box.DoModal();
  }
}

TEST(MessageBox, TheThirdButtonOpensTheReleaseNotesAndLeavesTheBoxOpen) {
  platform::RecordingShell shell;
  platform::Shell::Scoped scoped(shell);
  for (bool third : {true, false}) {
    CDialogMessageBox box;
    SetUpBox(box, {third, true, true}, {530, 230});
    fw::ModalScript script;
    script.Do([&](fw::Dialog& d) {
      d.SendMessage(fw::WM_COMMAND, fw::MakeCommand(controls::IDC_MESSAGE_THIRD, fw::BN_CLICKED));
      EXPECT_FALSE(d.HasEnded());
      d.EndDialog(fw::IDCANCEL);
    });
    box.DoModal();
    ASSERT_EQ(shell.Opened().size(), 1u) << "opened once, and only with a third button";
  }
  EXPECT_NE(shell.Opened()[0].find("zovozezevozovazizeriv/"), std::string::npos);
  EXPECT_NE(shell.Opened()[0].find("/English/release_notes.html"), std::string::npos);
}

// A clock that records what the window looked like the first time the wait slept.
class WatchingClock : public platform::ManualClock {
 public:
  std::function<void()> onFirstSleep;
  void SleepMs(uint32_t ms) override {
    if (onFirstSleep) std::exchange(onFirstSleep, nullptr)();
    ManualClock::SleepMs(ms);
  }
};

class MessageBoxOkTest : public MainWindowTest {
 protected:
  app::CUpdaterDlg& StartWithUpdatePage() {
    auto update = std::make_unique<FakeFirmwareUpdate>();
    update_ = update.get();
    app::CUpdaterDlg::Pages pages;
    pages.firmwareUpdate = std::move(update);
    return Start(std::move(pages));
  }
  // Runs a box with OK over the window and presses OK.
  int PressOk(app::CUpdaterDlg& w) {
    CDialogMessageBox box(&w);
    box.Setup("Done", false, std::nullopt, text::GetOkText(0), {400, 130});
    fw::ModalScript script;
    script.Press(fw::IDOK);
    return box.DoModal();
  }
  FakeFirmwareUpdate* update_ = nullptr;
};

TEST_F(MessageBoxOkTest, TheCamerasTenSecondWaitRunsOnTheInjectedClock) {
  WatchingClock clock;
  platform::Clock::Scoped scoped(clock);
  app::CUpdaterDlg& w = StartWithUpdatePage();
  w.m_nDeviceTarget = 0x3020;
  w.m_bWaitAfterOk = true;
  w.m_bWaitForUserOk = true;
  bool busyDuringWait = false;
  bool okEnabledDuringWait = true;
  bool endedBySecondOk = true;
  int startsBySecondOk = -1;
  const uint32_t start = clock.TickCount();
  const auto realStart = std::chrono::steady_clock::now();

  CDialogMessageBox box(&w);
  box.Setup("Done", false, std::nullopt, std::string("OK"), {400, 130});
  fw::ModalScript script;
  script.Do([&](fw::Dialog& d) {
    clock.onFirstSleep = [&] {
      busyDuringWait = w.m_bBusy;
      okEnabledDuringWait = d.GetDlgItem(fw::IDOK)->IsWindowEnabled();
      // A second OK during the wait neither closes the box nor starts the update early.
      fw::PressKey(d, fw::VK_RETURN);
      d.SendMessage(fw::WM_COMMAND, fw::MakeCommand(fw::IDOK, fw::BN_CLICKED), 0);
      endedBySecondOk = d.HasEnded();
      startsBySecondOk = update_->dfuStarts;
    };
    fw::Click(*d.GetDlgItem(fw::IDOK));
  });
  EXPECT_EQ(box.DoModal(), fw::IDOK);
  EXPECT_GE(clock.TickCount() - start, 10000u);
  EXPECT_LT(clock.TickCount() - start, 10100u);
  EXPECT_LT(std::chrono::steady_clock::now() - realStart, std::chrono::seconds(5));
  EXPECT_TRUE(busyDuringWait);
  EXPECT_FALSE(okEnabledDuringWait);
  EXPECT_FALSE(endedBySecondOk);
  EXPECT_EQ(startsBySecondOk, 0);
  EXPECT_EQ(update_->dfuStarts, 1) << "the update starts once, after the wait";
  EXPECT_FALSE(w.m_bBusy);
  EXPECT_FALSE(w.m_bWaitAfterOk);

  const uint32_t second = clock.TickCount();
  EXPECT_EQ(PressOk(w), fw::IDOK);
  EXPECT_EQ(clock.TickCount(), second) << "the flag was cleared: no second wait";
  w.m_nDeviceTarget = 0x4D10;
  w.m_bWaitAfterOk = true;
  EXPECT_EQ(PressOk(w), fw::IDOK);
  EXPECT_EQ(clock.TickCount(), second) << "only the camera waits";
}

TEST_F(MessageBoxOkTest, ConfirmingStartsTheDfuUpdateUnlessTheTransferThreadWaitsItself) {
  app::CUpdaterDlg& w = StartWithUpdatePage();
  const struct {
    int target;
    int starts;
  } cases[] = {{0x4D10, 1}, {0x5510, 0}, {0x5416, 0}, {0x4D21, 1}};
  for (const auto& c : cases) {
    w.m_nDeviceTarget = c.target;
    update_->dfuStarts = 0;
    w.m_bWaitForUserOk = true;
    EXPECT_EQ(PressOk(w), fw::IDOK);
    EXPECT_FALSE(w.m_bWaitForUserOk);
    EXPECT_EQ(update_->dfuStarts, c.starts) << std::hex << c.target;
  }
  EXPECT_EQ(PressOk(w), fw::IDOK);
  EXPECT_EQ(update_->dfuStarts, 1) << "without the flag OK just closes";
}

// The products of the maker's HID families start the update themselves once OK is pressed; for every
// other product the box's OK starts it.
TEST(MessageBox, ExactlyTheHidProductsWaitForOkInTheirTransferThread) {
  const std::set<int> waiting = {
      0x2030, 0x3030, 0x3040, 0x3050, 0x3060, 0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126, 0x3500,
      0x4210, 0x4310, 0x4330, 0x4350, 0x4410, 0x4430, 0x4510, 0x4530, 0x5320, 0x5330, 0x5345, 0x5410, 0x5412,
      0x5414, 0x5416, 0x5418, 0x5420, 0x5510, 0x5520, 0x5522, 0x5524, 0x5526, 0x5530, 0x5532, 0x5536, 0x5550,
      0x5560, 0x5570, 0x5580, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5623, 0x5624, 0x5710, 0x5720,
      0x5910, 0x5920, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6020, 0x6022, 0x6024, 0x6026, 0x6210, 0x6400,
  };
  ASSERT_EQ(waiting.size(), 65u);
  for (int product = 0; product <= 0xFFFF; ++product) {
    EXPECT_EQ(controls::WaitsForOkInTransferThread(product), waiting.count(product) == 1) << std::hex << product;
  }
}

}  // namespace
}  // namespace testing_app
