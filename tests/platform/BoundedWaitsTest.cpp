// What a device that keeps the host waiting costs: a persistent-store exchange flooded with
// foreign events on a slow link, and a DFU step whose device never leaves busy, on the manual
// clock.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "DfuTestRig.h"
#include "device/PsKeys.h"
#include "platform/dfu/DFUTransport.h"
#include "platform/dfu/DfuClassRequests.h"
#include "platform/dfu/DfuSteps.h"

namespace {

// The headset behind a link on which every interrupt packet takes `packetMs` to arrive.
class SlowLink : public sim::SimUsbDevice {
 public:
  SlowLink(std::shared_ptr<sim::SimBlueCoreHeadset> inner, platform::ManualClock& clock, uint32_t packetMs)
      : inner_(std::move(inner)), clock_(clock), packetMs_(packetMs) {}

 private:
  platform::UsbDeviceInfo IdentityLocked() override { return inner_->Describe().value_or(platform::UsbDeviceInfo{}); }
  std::vector<uint8_t> ConfigDescriptorLocked() override { return inner_->ConfigDescriptor(inner_->Generation()); }
  int ControlLocked(uint8_t requestType, uint8_t request, uint16_t value, uint16_t index, uint8_t* data,
                    uint16_t length) override {
    return inner_->Control(inner_->Generation(), requestType, request, value, index, data, length);
  }
  int InterruptInLocked(uint8_t endpoint, uint8_t* data, int length) override {
    clock_.Advance(packetMs_);
    return inner_->InterruptIn(inner_->Generation(), endpoint, data, length);
  }
  void ResetLocked() override { inner_->Reset(inner_->Generation()); }

  std::shared_ptr<sim::SimBlueCoreHeadset> inner_;
  platform::ManualClock& clock_;
  uint32_t packetMs_;
};

TEST(BoundedWaits, AKeyReadFloodedWithForeignEventsEndsInSeconds) {
  dfutest::HeadsetRig rig;
  rig.bus.Remove(dfutest::HeadsetRig::kPath);
  rig.bus.Attach(dfutest::HeadsetRig::kPath, std::make_shared<SlowLink>(rig.headset, rig.clock, 900));
  // Sixteen foreign events of 255 parameter bytes, seventeen packets each.
  std::vector<uint8_t> foreign(2 + 255, 0x55);
  foreign[0] = 0x0E;
  foreign[1] = 255;
  for (int i = 0; i < 16; ++i) rig.headset->InjectEventBeforeReply(foreign);

  dfu::DFUTransportUSB::init();
  dfu::DFUTransportCOM transport;
  dfu::CStringListX names;
  ASSERT_EQ(dfu::DFURequestsUSB::EnumerateDevices(names), 1);
  auto position = names.GetHeadPosition();
  ASSERT_TRUE(dfu::DFURequestsUSB::ConnectDevice(dfu::DFUTransportUSB::PathInternal(names.GetNext(position)), transport));
  uint8_t buffer[2] = {};
  const uint32_t start = rig.clock.TickCount();
  const dfu::Result result = transport.BCCMDGetPS(PSKEY_PRODUCT_ID, buffer, sizeof buffer, nullptr);
  const uint32_t took = rig.clock.TickCount() - start;
  dfu::DFUTransportUSB::deinit();
  EXPECT_EQ(result.GetCode(), dfu::kResultTimedOut);
  EXPECT_LE(took, 5000u) << "was minutes";
}

// A device in DFU mode that answers its first `idleAnswers` status requests with dfuIDLE, then
// reports `busyState` with a five-second poll time-out for ever.
class ForeverBusyDfuDevice : public sim::SimUsbDevice {
 public:
  ForeverBusyDfuDevice(int idleAnswers, uint8_t busyState) : idleAnswers_(idleAnswers), busyState_(busyState) {}

 private:
  platform::UsbDeviceInfo IdentityLocked() override { return {0x092B, 0xCD21, 0x0100, ""}; }
  std::vector<uint8_t> ConfigDescriptorLocked() override {
    return {9, 2, 27, 0, 1, 1, 0, 0x80, 50, 9, 4, 0, 0, 0, 0xFE, 1, 2, 0, 9, 0x21, 0x03, 0x88, 0x13, 0xFF, 0x03, 0x00, 0x01};
  }
  int ControlLocked(uint8_t requestType, uint8_t request, uint16_t, uint16_t, uint8_t* data, uint16_t length) override {
    if (!(requestType & 0x80)) return length;
    if (request != dfu::kDfuGetStatus || length < 6) return platform::kUsbStall;
    const uint8_t state = idleAnswers_-- > 0 ? uint8_t{dfu::kStateDfuIdle} : busyState_;
    const uint8_t status[6] = {0, 0x88, 0x13, 0, state, 0};  // 5000 ms
    std::copy(status, status + 6, data);
    return 6;
  }
  int InterruptInLocked(uint8_t, uint8_t*, int) override { return platform::kUsbTimeout; }
  void ResetLocked() override {}

  int idleAnswers_;
  uint8_t busyState_;
};

TEST(BoundedWaits, ADfuStepWhoseDeviceNeverLeavesBusyFailsAfterThirtySeconds) {
  dfutest::HeadsetRig rig;
  const std::string image = rig.Image();
  const struct {
    const char* step;
    int idleAnswers;
    uint8_t busyState;
  } cases[] = {{"download", 1, dfu::kStateDnBusy}, {"manifest", 0, dfu::kStateManifest}};
  for (const auto& c : cases) {
    rig.bus.Remove(dfutest::HeadsetRig::kPath);
    rig.bus.Attach(dfutest::HeadsetRig::kPath, std::make_shared<ForeverBusyDfuDevice>(c.idleAnswers, c.busyState));
    dfu::DfuTarget target{0x092B, 0x4D21, 0xCD21, dfutest::HeadsetRig::kPath};
    dfu::DfuSteps steps(target, {}, [](int, int, int) {});
    const uint32_t start = rig.clock.TickCount();
    const dfu::StepOutcome outcome = c.idleAnswers ? steps.Download(image) : steps.Manifest();
    const uint32_t took = rig.clock.TickCount() - start;
    EXPECT_EQ(outcome.result.GetCode(), dfu::kResultTimedOut) << c.step;
    EXPECT_GE(took, 30000u) << c.step;
    EXPECT_LE(took, 35000u) << c.step << ": was about eight hours";
  }
}

}  // namespace
