#include <gtest/gtest.h>

#include <chrono>
#include <mutex>

#include "DfuTestRig.h"
#include "device/PsKeys.h"
#include "platform/StandingClock.h"
#include "platform/dfu/DFUEngine.h"
#include "platform/dfu/DfuFile.h"

namespace {

using dfu::DFUEngine;
using dfutest::Report;

std::string BoundName(DFUEngine& engine) {
  dfu::CStringListX names;
  EXPECT_EQ(DFUEngine::GetUSBDeviceNames(names), 1);
  auto position = names.GetHeadPosition();
  const std::string name = position ? names.GetNext(position) : std::string();
  EXPECT_TRUE(engine.CreateUSB(name));
  return name;
}

std::vector<int> Activities(const std::vector<Report>& reports, int operation) {
  std::vector<int> activities;
  for (const auto& r : reports) {
    if (r.kind == Report::kProgress && r.status.operation == operation) activities.push_back(r.status.activity);
  }
  return activities;
}

TEST(DfuEngine, AFullJobRunsOnTheEngineThreadAndTheDeviceComesBackWithTheNewVersion) {
  dfutest::HeadsetRig rig;
  rig.headset->SetPollTimeout(25);  // the device stalls a status request that comes too soon
  sim::SimImageSpec spec;
  spec.imageBytes = 10 * 1023 + 100;
  spec.version = {12, 0, 3, 1};
  const std::string image = rig.Image(spec);
  dfutest::Recorder recorder;
  DFUEngine engine;
  BoundName(engine);
  engine.SetCallback(&recorder);

  const auto completions = dfutest::RunJob(engine, recorder, image);
  ASSERT_EQ(completions.size(), 3u);
  EXPECT_EQ(completions[0].status.operation, dfu::kOperationReconfigure);
  EXPECT_EQ(completions[1].status.operation, dfu::kOperationDownload);
  EXPECT_EQ(completions[2].status.operation, dfu::kOperationManifest);
  for (const auto& c : completions) EXPECT_TRUE(c.status.result) << c.status.result.GetText();

  const auto reports = recorder.Reports();
  const auto engineThread = reports.front().thread;
  EXPECT_NE(engineThread, std::this_thread::get_id());
  for (const auto& r : reports) EXPECT_EQ(r.thread, engineThread);

  // Reconfigure: waiting, then found; download: progress up to 100, then transferred; manifest:
  // programming, then the reset. Waiting is never reported once the download has begun.
  const auto reconfigure = Activities(reports, dfu::kOperationReconfigure);
  ASSERT_GE(reconfigure.size(), 2u);
  EXPECT_EQ(reconfigure.front(), dfu::kActivityWaitingForDevice);
  EXPECT_EQ(reconfigure.back(), dfu::kActivityDeviceFound);
  const auto download = Activities(reports, dfu::kOperationDownload);
  ASSERT_GE(download.size(), 3u);
  EXPECT_EQ(download.back(), dfu::kActivityImageTransferred);
  EXPECT_EQ(Activities(reports, dfu::kOperationManifest),
            (std::vector<int>{dfu::kActivityManifesting, dfu::kActivityResetIssued, dfu::kActivityDeviceFound}));
  int lastPercent = -1;
  bool downloadStarted = false;
  for (const auto& r : reports) {
    if (r.status.operation == dfu::kOperationDownload) downloadStarted = true;
    if (downloadStarted) {
      EXPECT_NE(r.status.activity, dfu::kActivityWaitingForDevice);
    }
    if (r.status.activity == dfu::kActivityTransferring) {
      EXPECT_GT(r.value, lastPercent);
      lastPercent = r.value;
    }
  }
  EXPECT_EQ(lastPercent, 100);
  // Every report of a step comes before its completion.
  size_t step = 0;
  for (const auto& r : reports) {
    if (r.kind == Report::kComplete) {
      ++step;
    } else if (step < completions.size()) {
      EXPECT_EQ(r.status.operation, completions[step].status.operation);
    }
  }

  const auto devices = rig.bus.ListDevices();
  ASSERT_EQ(devices.size(), 1u);
  EXPECT_EQ(devices[0].productId, 0x4D21);
  EXPECT_EQ(rig.headset->Key(PSKEY_FIRMWARE_VERSION), (std::vector<uint8_t>{12, 0, 3, 1}));
  const auto file = *dfu::ReadDfuFile(image);
  const auto sent = dfu::DfuImageOf(file);
  EXPECT_EQ(rig.headset->ReceivedImage(), std::vector<uint8_t>(sent.begin(), sent.end()));
}

TEST(DfuEngine, ADeviceAlreadyInDfuModeTakesTheAlternativeRoute) {
  dfutest::HeadsetRig rig(sim::HeadsetProfile{.startInDfuMode = true});
  const std::string image = rig.Image();
  dfutest::Recorder recorder;
  DFUEngine engine;
  EXPECT_NE(BoundName(engine).find("PID_CD21"), std::string::npos);
  engine.SetCallback(&recorder);
  const auto completions = dfutest::RunJob(engine, recorder, image);
  ASSERT_EQ(completions.size(), 3u);
  EXPECT_EQ(completions[0].status.operation, dfu::kOperationReconfigureAlternative);
  for (const auto& c : completions) EXPECT_TRUE(c.status.result);
  EXPECT_FALSE(rig.headset->InDfuMode());
  EXPECT_EQ(rig.headset->Key(PSKEY_FIRMWARE_VERSION), (std::vector<uint8_t>{11, 0, 0, 0}));
}

TEST(DfuEngine, ADeviceThatCannotBeReachedEndsTheAlternativeReconfigureWithCode7) {
  dfutest::HeadsetRig rig;
  const std::string image = rig.Image();
  dfutest::Recorder recorder;
  DFUEngine engine;
  BoundName(engine);
  engine.SetCallback(&recorder);
  rig.headset->Unplug();
  ASSERT_TRUE(engine.StartReconfigure(false, true, image));
  const auto completion = recorder.NextCompletion();
  ASSERT_TRUE(completion);
  EXPECT_EQ(completion->status.operation, dfu::kOperationReconfigureAlternative);
  EXPECT_EQ(completion->status.result.GetCode(), dfu::kResultNoDevice);
  // It waited for the device, reporting as it went, long enough for the prompt to come up.
  EXPECT_GT(Activities(recorder.Reports(), dfu::kOperationReconfigureAlternative).size(), 20u);
}

// Every fault switch ends a step with a failure, and no step completes successfully after it.
TEST(DfuEngine, EveryFaultEndsAStepWithAFailure) {
  struct Case {
    const char* name;
    std::function<void(sim::SimBlueCoreHeadset&)> arm;
    int operation;
    int code;
  };
  const Case cases[] = {
      {"stays away after the detach reset", [](auto& h) { h.StayAwayAfterReset(); }, dfu::kOperationReconfigure,
       dfu::kResultDeviceLost},
      {"unplugged in the middle of a download", [](auto& h) { h.UnplugAfterBlocks(3); }, dfu::kOperationDownload,
       dfu::kResultDeviceLost},
  };
  for (const auto& c : cases) {
    dfutest::HeadsetRig rig;
    sim::SimImageSpec spec;
    spec.imageBytes = 8 * 1023;
    const std::string image = rig.Image(spec);
    c.arm(*rig.headset);
    dfutest::Recorder recorder;
    DFUEngine engine;
    BoundName(engine);
    engine.SetCallback(&recorder);
    const auto completions = dfutest::RunJob(engine, recorder, image);
    ASSERT_FALSE(completions.empty()) << c.name;
    EXPECT_EQ(completions.back().status.operation, c.operation) << c.name;
    EXPECT_EQ(completions.back().status.result.GetCode(), c.code) << c.name;
    EXPECT_EQ(rig.headset->Key(PSKEY_FIRMWARE_VERSION), (std::vector<uint8_t>{10, 0, 0, 0})) << c.name;
  }
}

TEST(DfuEngine, ADeviceThatStaysAwayAfterTheManifestResetFailsTheManifest) {
  dfutest::HeadsetRig rig;
  const std::string image = rig.Image();
  dfutest::Recorder recorder;
  DFUEngine engine;
  BoundName(engine);
  engine.SetCallback(&recorder);
  ASSERT_TRUE(engine.StartReconfigure(false, true, image));
  ASSERT_TRUE(recorder.NextCompletion()->status.result);
  ASSERT_TRUE(engine.StartDownload(image));
  ASSERT_TRUE(recorder.NextCompletion()->status.result);
  rig.headset->StayAwayAfterReset();
  ASSERT_TRUE(engine.StartManifest());
  const auto completion = recorder.NextCompletion();
  ASSERT_TRUE(completion);
  EXPECT_EQ(completion->status.operation, dfu::kOperationManifest);
  EXPECT_EQ(completion->status.result.GetCode(), dfu::kResultDeviceLost);
}

TEST(DfuEngine, AStallOrTimeOutAtAnyTransferFailsItsStep) {
  // Count the transfers of a clean job first.
  int total = 0;
  {
    dfutest::HeadsetRig rig;
    rig.headset->SetPollTimeout(5);
    sim::SimImageSpec spec;
    spec.imageBytes = 2 * 1023 + 10;
    const std::string image = rig.Image(spec);
    dfutest::Recorder recorder;
    DFUEngine engine;
    BoundName(engine);
    engine.SetCallback(&recorder);
    ASSERT_EQ(dfutest::RunJob(engine, recorder, image).size(), 3u);
    total = rig.headset->TransferCount();
  }
  ASSERT_GT(total, 10);
  for (int fault : {platform::kUsbStall, platform::kUsbTimeout}) {
    for (int nth = 1; nth <= total; ++nth) {
      dfutest::HeadsetRig rig;
      rig.headset->SetPollTimeout(5);
      sim::SimImageSpec spec;
      spec.imageBytes = 2 * 1023 + 10;
      const std::string image = rig.Image(spec);
      rig.headset->FailTransfer(nth, fault);
      dfutest::Recorder recorder;
      DFUEngine engine;
      BoundName(engine);
      engine.SetCallback(&recorder);
      const auto completions = dfutest::RunJob(engine, recorder, image);
      ASSERT_FALSE(completions.empty());
      const auto& last = completions.back();
      EXPECT_FALSE(last.status.result) << "fault " << fault << " at transfer " << nth;
      EXPECT_EQ(last.status.result.GetCode(),
                fault == platform::kUsbStall ? dfu::kResultStalled : dfu::kResultTimedOut)
          << "transfer " << nth;
      EXPECT_EQ(rig.headset->Key(PSKEY_FIRMWARE_VERSION), (std::vector<uint8_t>{10, 0, 0, 0}));
    }
  }
}

// The device is looked for about once a second, as many times as each moment needs: 5 s for it to
// come back in DFU mode after the detach, 10 s for the new firmware to start after the manifest,
// 30 s for the user to start it in DFU mode by hand.
TEST(DfuEngine, EachWaitForTheDeviceLastsItsWholeTime) {
  enum Moment { kAfterDetach, kAfterManifest, kStartedByHand };
  const struct {
    const char* what;
    Moment moment;
    uint32_t limitMs;
    int operation;
    int code;
  } waits[] = {
      {"after the detach", kAfterDetach, 5000, dfu::kOperationReconfigure, dfu::kResultDeviceLost},
      {"after the manifest", kAfterManifest, 10000, dfu::kOperationManifest, dfu::kResultDeviceLost},
      {"for DFU mode", kStartedByHand, 30000, dfu::kOperationReconfigureAlternative, dfu::kResultNoDevice},
  };
  for (const auto& wait : waits) {
    for (const uint32_t away : {wait.limitMs, wait.limitMs + 1000}) {
      SCOPED_TRACE(testing::Message() << wait.what << ", away " << away << " ms");
      dfutest::HeadsetRig rig(sim::HeadsetProfile{.startInDfuMode = wait.moment == kStartedByHand});
      const std::string image = rig.Image();
      dfutest::Recorder recorder;
      DFUEngine engine;
      BoundName(engine);
      engine.SetCallback(&recorder);
      if (wait.moment == kAfterDetach) rig.headset->ComeBackLateAfterReset(away);
      if (wait.moment == kStartedByHand) rig.headset->UnplugFor(away);
      const auto completions = dfutest::RunJob(engine, recorder, image, [&](int operation) {
        if (wait.moment == kAfterManifest && operation == dfu::kOperationDownload)
          rig.headset->ComeBackLateAfterReset(away);
      });
      ASSERT_FALSE(completions.empty());
      if (away == wait.limitMs) {
        ASSERT_EQ(completions.size(), 3u);
        for (const auto& c : completions) EXPECT_TRUE(c.status.result) << c.status.result.GetText();
      } else {
        EXPECT_EQ(completions.back().status.operation, wait.operation);
        EXPECT_EQ(completions.back().status.result.GetCode(), wait.code);
      }
    }
  }
}

// A device left in dfuERROR by a transfer broken off, whose status clear takes it back to
// dnloadIDLE, needs a clear and then an abort before a new download can start.
TEST(DfuEngine, ADeviceLeftInAnErrorMidDownloadIsClearedAndAborted) {
  for (const int before : {dfu::kOperationNone, dfu::kOperationReconfigure}) {
    SCOPED_TRACE(before == dfu::kOperationNone ? "found in DFU mode" : "before the download");
    dfutest::HeadsetRig rig(sim::HeadsetProfile{.startInDfuMode = before == dfu::kOperationNone});
    const std::string image = rig.Image();
    dfutest::Recorder recorder;
    DFUEngine engine;
    BoundName(engine);
    engine.SetCallback(&recorder);
    if (before == dfu::kOperationNone) rig.headset->FailMidDownload();
    const auto completions = dfutest::RunJob(engine, recorder, image, [&](int operation) {
      if (operation == before) rig.headset->FailMidDownload();
    });
    ASSERT_EQ(completions.size(), 3u);
    for (const auto& c : completions) EXPECT_TRUE(c.status.result) << c.status.result.GetText();
    EXPECT_EQ(rig.headset->Key(PSKEY_FIRMWARE_VERSION), (std::vector<uint8_t>{11, 0, 0, 0}));
  }
}

// What a device says it needs between polls is believed up to half a minute at most.
TEST(DfuEngine, ADeviceAskingForLongerWaitsIsPolledWithinHalfAMinute) {
  dfutest::HeadsetRig rig;
  rig.headset->SetPollTimeout(25);
  rig.headset->AnnouncePollTimeout(10 * 60 * 1000);
  sim::SimImageSpec spec;
  spec.imageBytes = 500;  // one block: one wait after it and one while the image is programmed
  const std::string image = rig.Image(spec);
  dfutest::Recorder recorder;
  DFUEngine engine;
  BoundName(engine);
  engine.SetCallback(&recorder);
  const uint32_t start = rig.clock.TickCount();
  const auto completions = dfutest::RunJob(engine, recorder, image);
  ASSERT_EQ(completions.size(), 3u);
  for (const auto& c : completions) EXPECT_TRUE(c.status.result) << c.status.result.GetText();
  const uint32_t waited = rig.clock.TickCount() - start;
  EXPECT_LE(waited, 2 * 30000u + 10000u) << "two waits of at most 30 s and a few seconds of rescans";
}

// Of the functional descriptor's attributes, bit 0 says the device takes downloads; bit 1 (uploads)
// does not.
TEST(DfuEngine, DownloadsNeedTheCanDownloadAttribute) {
  for (const uint8_t attributes : {uint8_t{0x01}, uint8_t{0x02}}) {
    SCOPED_TRACE(int(attributes));
    dfutest::HeadsetRig rig(sim::HeadsetProfile{.dfuAttributes = attributes});
    const std::string image = rig.Image();
    dfutest::Recorder recorder;
    DFUEngine engine;
    BoundName(engine);
    engine.SetCallback(&recorder);
    const auto completions = dfutest::RunJob(engine, recorder, image);
    ASSERT_FALSE(completions.empty());
    if (attributes & 0x01) {
      EXPECT_EQ(completions.size(), 3u);
      EXPECT_TRUE(completions.back().status.result);
    } else {
      EXPECT_EQ(completions.back().status.operation, dfu::kOperationDownload);
      EXPECT_EQ(completions.back().status.result.GetCode(), dfu::kResultBadState);
      EXPECT_TRUE(rig.headset->ReceivedImage().empty());
    }
  }
}

TEST(DfuEngine, ABadImageFailsTheStepThatReadsIt) {
  dfutest::HeadsetRig rig;
  const std::string good = rig.Image();
  auto damaged = sim::MakeDfuFile();
  damaged[100] ^= 1;
  const std::string bad = rig.scratch.File("bad.dfu");
  ASSERT_TRUE(sim::WriteFile(bad, damaged));
  dfutest::Recorder recorder;
  DFUEngine engine;
  BoundName(engine);
  engine.SetCallback(&recorder);

  ASSERT_TRUE(engine.StartReconfigure(false, true, bad));
  auto completion = recorder.NextCompletion();
  EXPECT_EQ(completion->status.operation, dfu::kOperationReconfigure);
  EXPECT_EQ(completion->status.result.GetCode(), dfu::kResultBadFile);
  EXPECT_FALSE(rig.headset->InDfuMode());  // the device was not touched

  ASSERT_TRUE(engine.StartReconfigure(false, true, good));
  ASSERT_TRUE(recorder.NextCompletion()->status.result);
  ASSERT_TRUE(engine.StartDownload(bad));
  completion = recorder.NextCompletion();
  EXPECT_EQ(completion->status.operation, dfu::kOperationDownload);
  EXPECT_EQ(completion->status.result.GetCode(), dfu::kResultBadFile);
  EXPECT_TRUE(rig.headset->ReceivedImage().empty());
}

TEST(DfuEngine, StepsStartOnlyOnABoundIdleEngine) {
  dfutest::HeadsetRig rig;
  const std::string image = rig.Image();
  DFUEngine engine;
  EXPECT_FALSE(engine.StartReconfigure(false, true, image));  // not bound
  EXPECT_FALSE(engine.CreateUSB("not a device"));
  EXPECT_FALSE(engine.StartDownload(image));

  // The manual clock cannot hold a step back, so use a callback that holds the first report.
  struct Holding : dfutest::Recorder {
    std::mutex gate;
    void OnDfuProgress(int value, const DFUEngine::Status& status) override {
      std::lock_guard lock(gate);
      Recorder::OnDfuProgress(value, status);
    }
  } recorder;
  BoundName(engine);
  engine.SetCallback(&recorder);
  {
    std::lock_guard hold(recorder.gate);
    ASSERT_TRUE(engine.StartReconfigure(false, true, image));
    EXPECT_FALSE(engine.StartDownload(image));  // the reconfigure still runs
    EXPECT_FALSE(engine.StartReconfigure(true, true, image));
  }
  ASSERT_TRUE(recorder.NextCompletion()->status.result);
  EXPECT_TRUE(engine.StartDownload(image));
  ASSERT_TRUE(recorder.NextCompletion()->status.result);
  engine.Destroy();
  EXPECT_FALSE(engine.StartManifest());  // the binding is gone
}

TEST(DfuEngine, DestroyStopsAWaitingStepAndJoinsTheThread) {
  dfutest::HeadsetRig rig;
  const std::string image = rig.Image();
  platform::Clock::Scoped realTime(platform::Clock::Real());
  dfutest::Recorder recorder;
  auto engine = std::make_unique<DFUEngine>();
  BoundName(*engine);
  engine->SetCallback(&recorder);
  rig.headset->Unplug();  // the engine waits up to 30 s for it
  ASSERT_TRUE(engine->StartReconfigure(false, true, image));
  while (recorder.Reports().empty()) std::this_thread::sleep_for(std::chrono::milliseconds(5));

  const auto start = std::chrono::steady_clock::now();
  engine->Destroy();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  const size_t reported = recorder.Reports().size();
  std::this_thread::sleep_for(std::chrono::milliseconds(250));
  EXPECT_EQ(recorder.Reports().size(), reported);  // nothing after Destroy, not even a completion
  for (const auto& r : recorder.Reports()) EXPECT_NE(r.kind, Report::kComplete);

  // Bound again, the same engine runs a whole job; its destructor joins a running step too.
  rig.headset->PlugIn();
  BoundName(*engine);
  engine->SetCallback(&recorder);
  ASSERT_TRUE(engine->StartReconfigure(false, true, image));
  engine.reset();
}

// Destroy comes from the window's thread: it must reach a step that waits for its device at once,
// not when the wait (or a slice of it) is over.
TEST(DfuEngine, DestroyEndsAWaitForTheDeviceAtOnce) {
  dfutest::HeadsetRig rig;
  const std::string image = rig.Image();
  platformtest::StandingClock clock;
  platform::Clock::Scoped useClock(clock);
  dfutest::Recorder recorder;
  DFUEngine engine;
  BoundName(engine);
  engine.SetCallback(&recorder);
  rig.headset->Unplug();  // the engine waits for it to come back
  ASSERT_TRUE(engine.StartReconfigure(false, true, image));
  clock.WaitUntilSleeping();
  engine.Destroy();
  EXPECT_EQ(clock.Outlasted(), 0) << "the stop did not end the wait";
}

TEST(DfuEngine, WorksOnTheBoundDeviceOnly) {
  // Two headsets of one model: the engine is bound to the second, which is in DFU mode.
  dfutest::HeadsetRig rig;
  auto second = std::make_shared<sim::SimBlueCoreHeadset>(sim::HeadsetProfile{.startInDfuMode = true});
  rig.bus.Attach("1-3", second);
  const std::string image = rig.Image();
  dfutest::Recorder recorder;
  DFUEngine engine;
  ASSERT_TRUE(engine.CreateUSB("usb#VID_092B&PID_CD21#1-3"));
  engine.SetCallback(&recorder);
  const auto completions = dfutest::RunJob(engine, recorder, image);
  ASSERT_EQ(completions.size(), 3u);
  EXPECT_EQ(completions[0].status.operation, dfu::kOperationReconfigureAlternative);
  EXPECT_EQ(second->Key(PSKEY_FIRMWARE_VERSION), (std::vector<uint8_t>{11, 0, 0, 0}));
  EXPECT_EQ(rig.headset->Key(PSKEY_FIRMWARE_VERSION), (std::vector<uint8_t>{10, 0, 0, 0}));
  EXPECT_EQ(rig.headset->TransferCount(), 0);

  // Bound to a port where nothing is, it waits for its device and leaves the others alone.
  ASSERT_TRUE(engine.CreateUSB("usb#VID_092B&PID_4D21#1-9"));
  engine.SetCallback(&recorder);
  ASSERT_TRUE(engine.StartReconfigure(false, true, image));
  const auto completion = recorder.NextCompletion();
  EXPECT_EQ(completion->status.result.GetCode(), dfu::kResultNoDevice);
  EXPECT_EQ(rig.headset->TransferCount(), 0);
  EXPECT_FALSE(rig.headset->InDfuMode());
}

TEST(DfuEngine, ListsOnlyDevicesWithADfuInterface) {
  dfutest::HeadsetRig rig;
  // A second headset in DFU mode, and a device without any DFU interface.
  rig.bus.Attach("1-3", std::make_shared<sim::SimBlueCoreHeadset>(sim::HeadsetProfile{.startInDfuMode = true}));
  struct Keyboard : sim::SimUsbDevice {
    platform::UsbDeviceInfo IdentityLocked() override { return {0x046D, 0xC31C, 0x0110, ""}; }
    std::vector<uint8_t> ConfigDescriptorLocked() override {
      return {9, 2, 18, 0, 1, 1, 0, 0x80, 50, 9, 4, 0, 0, 0, 3, 1, 1, 0};
    }
    int ControlLocked(uint8_t, uint8_t, uint16_t, uint16_t, uint8_t*, uint16_t) override { return platform::kUsbStall; }
    int InterruptInLocked(uint8_t, uint8_t*, int) override { return platform::kUsbTimeout; }
    void ResetLocked() override {}
  };
  rig.bus.Attach("1-4", std::make_shared<Keyboard>());

  dfu::CStringListX names;
  names.AddTail("left over from an earlier call");
  ASSERT_EQ(DFUEngine::GetUSBDeviceNames(names), 2);
  std::vector<std::string> listed;
  for (auto position = names.GetHeadPosition(); position;) listed.push_back(names.GetNext(position));
  EXPECT_EQ(listed, (std::vector<std::string>{"usb#VID_092B&PID_4D21#1-2", "usb#VID_092B&PID_CD21#1-3"}));
}

}  // namespace
