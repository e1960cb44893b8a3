// What a device that never answers, or answers busy forever, costs the window's thread: one
// recognition per HID product (with a write-back, the longest run) and one pair-poll tick,
// measured on the manual clock.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "device/ProductTraits.h"
#include "headset/RecognitionStates.h"
#include "headset/hid/HidPairProbe.h"
#include "headset/hid/HidRecognition.h"
#include "io/HidInterfaceLookup.h"
#include "io/HidReports.h"
#include "platform/Clock.h"

namespace {

// Silent: every waiting read times out after its full wait. Busy: every waiting read gets a busy
// reply after a millisecond.
class StuckHidDevice : public platform::HidDevice {
 public:
  StuckHidDevice(bool busy, platform::ManualClock& clock) : busy_(busy), clock_(clock) {}
  int Write(const uint8_t*, size_t length) override { return static_cast<int>(length); }
  int Read(uint8_t* buffer, size_t length, int timeoutMs) override {
    if (timeoutMs == 0) return 0;
    if (!busy_) {
      clock_.Advance(static_cast<uint32_t>(timeoutMs));
      return 0;
    }
    clock_.Advance(1);
    const size_t n = std::min(length, io::HID_REPORT_IN_SIZE);
    std::fill(buffer, buffer + n, uint8_t{0});
    buffer[io::HID_REPLY_STATUS] = io::HID_STATUS_BUSY;
    return static_cast<int>(n);
  }

 private:
  bool busy_;
  platform::ManualClock& clock_;
};

// The pair's two modules, both stuck the same way.
class StuckPairBus : public platform::HidBus {
 public:
  StuckPairBus(bool busy, platform::ManualClock& clock) : busy_(busy), clock_(clock) {}
  std::vector<platform::HidInterfaceInfo> Enumerate(uint16_t, uint16_t) override {
    return {{"a", io::HID_VENDOR_ID, io::HID_PAIR_PRODUCT_FIRST, io::HID_USAGE_PAGE_VENDOR, io::HID_USAGE_VENDOR, 0},
            {"b", io::HID_VENDOR_ID, io::HID_PAIR_PRODUCT_SECOND, io::HID_USAGE_PAGE_VENDOR, io::HID_USAGE_VENDOR, 0}};
  }
  std::unique_ptr<platform::HidDevice> Open(const std::string&) override {
    return std::make_unique<StuckHidDevice>(busy_, clock_);
  }

 private:
  bool busy_;
  platform::ManualClock& clock_;
};

struct Stuck {
  const char* what;
  bool busy;
  uint32_t recognitionBoundMs;
};
// A silent device costs one read wait per interface; a busy one at most the run's budget.
constexpr Stuck kStuck[] = {{"silent", false, 2000}, {"always busy", true, headset::hid::kHidRecognitionBudgetMs}};

TEST(HidTimeBoundsTest, ARecognitionOfAStuckDeviceEndsWithinItsBoundForEveryProduct) {
  int products = 0;
  for (const device::ProductTraits& traits : device::ProductTraitsTable()) {
    if (traits.hidFamily == device::HidFamily::None) continue;
    ++products;
    for (const Stuck& stuck : kStuck) {
      platform::ManualClock clock;
      platform::Clock::Scoped useClock(clock);
      StuckHidDevice first(stuck.busy, clock), second(stuck.busy, clock);
      int target = traits.productId;
      int usbStatus = 0;
      bool recognized = false;
      device::CDeviceSettings record, toWrite;
      toWrite.m_nProductId = target;
      int pageCount = 0, pageSel = 0;
      std::array<int, 3> pages{};
      const uint32_t start = clock.TickCount();
      headset::hid::RecognizeOverHidChannel({target, usbStatus, recognized, record, pageCount, pages, pageSel},
                                            {&first, &second}, &toWrite);
      const uint32_t took = clock.TickCount() - start;
      EXPECT_LE(took, stuck.recognitionBoundMs) << std::hex << traits.productId << " " << stuck.what;
      EXPECT_TRUE(recognized) << "defaults apply";
    }
  }
  EXPECT_GT(products, 10);
}

TEST(HidTimeBoundsTest, APairPollTickAndAVariantQueryOnStuckModulesAreShort) {
  for (const Stuck& stuck : kStuck) {
    platform::ManualClock clock;
    platform::Clock::Scoped useClock(clock);
    StuckPairBus bus(stuck.busy, clock);
    platform::HidBus::Scoped useBus(bus);
    std::unique_ptr<platform::HidDevice> first, second;
    device::CDeviceSettings record;
    uint32_t start = clock.TickCount();
    EXPECT_TRUE(headset::hid::ProbeHidPair(first, second, record));
    EXPECT_LE(clock.TickCount() - start, headset::hid::kHidPairProbeBudgetMs) << stuck.what;
    EXPECT_EQ(record.m_anHidVersion1, (std::array<int, 5>{1, 0, 2, 0, 0})) << "the default version";

    start = clock.TickCount();
    EXPECT_EQ(headset::hid::QueryHardwareVariant(first.get()), 0);
    EXPECT_LE(clock.TickCount() - start, headset::hid::kHidPairProbeBudgetMs) << stuck.what;
  }
}

}  // namespace
