// OK in the message boxes of the firmware flow: the camera's wait and the confirmed DFU start.
#include "firmware/update/FirmwareOkHook.h"

#include <chrono>
#include <functional>
#include <set>
#include <utility>

#include "app/MainWindowFixture.h"
#include "device/ProductTraits.h"
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
  w.m_bWaitForUserOk = true;
  bool busyDuringWait = false;
  bool okEnabledDuringWait = true;
  bool endedBySecondOk = true;
  int startsBySecondOk = -1;
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
TEST(FirmwareOkHook, ExactlyTheHidProductsWaitForOkInTheirTransferThread) {
  const std::set<int> waiting = {
      0x2030, 0x3030, 0x3040, 0x3050, 0x3060, 0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126, 0x3500,
      0x4210, 0x4310, 0x4330, 0x4350, 0x4410, 0x4430, 0x4510, 0x4530, 0x5320, 0x5330, 0x5345, 0x5410, 0x5412,
      0x5414, 0x5416, 0x5418, 0x5420, 0x5510, 0x5520, 0x5522, 0x5524, 0x5526, 0x5530, 0x5532, 0x5536, 0x5550,
      0x5560, 0x5570, 0x5580, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5623, 0x5624, 0x5710, 0x5720,
      0x5910, 0x5920, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6020, 0x6022, 0x6024, 0x6026, 0x6210, 0x6400,
  };
  ASSERT_EQ(waiting.size(), 65u);
  for (int product = 0; product <= 0xFFFF; ++product) {
    EXPECT_EQ(device::TransferWaitsForOkItself(product), waiting.count(product) == 1) << std::hex << product;
  }
}

}  // namespace
}  // namespace testing_app
