// OK in the message boxes of the firmware flow: the camera's wait and the confirmed DFU start.
#include "firmware/update/FirmwareOkHook.h"

#include <chrono>
#include <functional>
#include <utility>

#include "app/MainWindowFixture.h"
#include "framework/TestSeams.h"
#include "localization/SharedTexts.h"
#include "platform/Clock.h"

namespace testing_app {
namespace {

using controls::CDialogMessageBox;

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
    box.SetOkHook(firmware::FirmwareOkHook(w));
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
  bool busyDuringWait = false;
  bool okEnabledDuringWait = true;
  const uint32_t start = clock.TickCount();
  const auto realStart = std::chrono::steady_clock::now();

  CDialogMessageBox box(&w);
  box.Setup("Done", false, std::nullopt, std::string("OK"), {400, 130});
  box.SetOkHook(firmware::FirmwareOkHook(w));
  fw::ModalScript script;
  script.Do([&](fw::Dialog& d) {
    clock.onFirstSleep = [&] {
      busyDuringWait = w.m_bBusy;
      okEnabledDuringWait = d.GetDlgItem(fw::IDOK)->IsWindowEnabled();
      fw::PressKey(d, fw::VK_RETURN);  // a second OK during the wait changes nothing
    };
    fw::Click(*d.GetDlgItem(fw::IDOK));
  });
  EXPECT_EQ(box.DoModal(), fw::IDOK);
  EXPECT_GE(clock.TickCount() - start, 10000u);
  EXPECT_LT(clock.TickCount() - start, 10100u);
  EXPECT_LT(std::chrono::steady_clock::now() - realStart, std::chrono::seconds(5));
  EXPECT_TRUE(busyDuringWait);
  EXPECT_FALSE(okEnabledDuringWait);
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

}  // namespace
}  // namespace testing_app
