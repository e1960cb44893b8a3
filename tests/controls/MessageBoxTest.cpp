// The program's own message box: layout for every button set, its keys and its pictures.
#include "controls/DialogMessageBox.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "app/WindowColours.h"
#include "framework/CustomWindow.h"
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

// A clock whose every sleep takes a real millisecond until `ticked` says a tick has come: a timer
// of 1 ms then falls due during a wait that the manual clock alone would pass at once.
class SlowClock : public platform::ManualClock {
 public:
  std::function<bool()> ticked;
  void SleepMs(uint32_t ms) override {
    if (ticked && !ticked()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ManualClock::SleepMs(ms);
  }
};

// Another window of the program, with a timer as the progress of an update has.
class TickingWindow : public fw::CustomWindow {
 public:
  int ticks = 0;
  void OnTimer(unsigned) override { ++ticks; }
};

// While a box waits with OK disabled (the camera's 10 s after OK), the timers of the program's
// windows go on ticking: the progress of an update and the look for the device coming back.
TEST(MessageBox, TimersTickWhileTheBoxWaitsWithOkDisabled) {
  SlowClock clock;
  platform::Clock::Scoped scoped(clock);
  TickingWindow other;
  ASSERT_TRUE(other.Create(nullptr, fw::Rect::FromXYWH(0, 0, 50, 50), fw::CS_HIDDEN));
  int ticksDuringWait = 0;
  bool okEnabledDuringWait = true;
  CDialogMessageBox box;
  box.Setup("Done", false, std::nullopt, CDialogMessageBox::Caption("OK"), {400, 130});
  box.SetOkHook([&](CDialogMessageBox& b) {
    other.SetTimer(1, 1);
    clock.ticked = [&] {
      okEnabledDuringWait = b.GetDlgItem(fw::IDOK)->IsWindowEnabled();
      ticksDuringWait = other.ticks;
      return ticksDuringWait > 0;
    };
    b.WaitWithOkDisabled(10000);
    clock.ticked = nullptr;
  });
  fw::ModalScript script;
  script.Press(fw::IDOK);
  EXPECT_EQ(box.DoModal(), fw::IDOK);
  EXPECT_FALSE(okEnabledDuringWait);
  EXPECT_GT(ticksDuringWait, 0) << "the timer was held through the wait";
}

}  // namespace
}  // namespace testing_app
