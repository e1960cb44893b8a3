// What every HID transfer thread shares: the image it refuses before anything is sent, the
// messages of its archive step, whose tags support reads, and the wait before the restart.
#include "firmware/transfer/HidTransferRun.h"

#include <gtest/gtest.h>

#include <stop_token>
#include <thread>

#include "TransferRig.h"
#include "firmware/transfer/UpdateThreadExternalTools.h"
#include "firmware/transfer/UpdateThreadHidCamera.h"
#include "firmware/transfer/UpdateThreadHidDualModule.h"
#include "firmware/transfer/UpdateThreadHidLegacyImage.h"
#include "firmware/transfer/UpdateThreadHidSimple.h"
#include "firmware/transfer/UpdateThreadHidUpdateMode.h"
#include "platform/Paths.h"
#include "platform/StandingClock.h"

namespace {

using transfertest::Bytes;
using transfertest::TransferRig;

using ThreadRoutine = void (*)(const firmware::HidTransferContext&, std::stop_token);

void Camera(const firmware::HidTransferContext& context, std::stop_token stop) {
  firmware::UpdateThreadHidCamera(context, std::move(stop));
}

struct Route {
  const char* name;
  ThreadRoutine thread;
  int target;
  bool newerLayout = true;
};

const Route kRoutes[] = {
    {"simple", firmware::UpdateThreadHidSimple, 0x4310},
    {"update mode", firmware::UpdateThreadHidUpdateMode, 0x6010},
    {"legacy image", firmware::UpdateThreadHidLegacyImage, 0x4210, false},
    {"multi-product", Camera, 0x5610},
    {"camera", Camera, 0x5510},
    {"dual module", firmware::UpdateThreadHidDualModule, 0x3110},
};

sim::SimContainerSpec ImageFor(const Route& route, std::vector<sim::SimImageSection> sections) {
  sim::SimContainerSpec spec;
  spec.productId = uint32_t(route.target);
  spec.newerLayout = route.newerLayout;
  spec.sections = std::move(sections);
  return spec;
}

// An update that would send the device nothing is no success.
TEST(HidTransferRun, AnImageWithoutSectionsIsCorruptedAndNothingIsSent) {
  for (const Route& route : kRoutes) {
    SCOPED_TRACE(route.name);
    TransferRig rig;
    rig.WriteImage(ImageFor(route, {}));
    route.thread(rig.Context(3, route.target), {});
    EXPECT_EQ(rig.EnglishMessage(), "Failed to update firmware. Firmware corrupted");
    EXPECT_EQ(rig.job.m_nState, firmware::JOB_CHECKING_IMAGE);
    EXPECT_EQ(rig.job.m_nError, firmware::JOB_ERROR_FAILED);
    EXPECT_TRUE(rig.job.m_bFinished);
    EXPECT_EQ(rig.archiveCalls, 0);
    EXPECT_EQ(rig.transferStartedCalls, 0);
    for (const transfertest::SimFlashInterface* side : {&rig.firstSide, &rig.secondSide}) {
      // The legacy thread asks for the hardware variant before it reads the image; nothing else.
      for (const auto& received : side->log) EXPECT_EQ(received.command, io::HID_CMD_READ_PARAM);
    }
  }
}

TEST(HidTransferRun, TheArchiveStepSaysItIsAboutToMakeTheBackupWithTheThreadsTag) {
  struct Case {
    Route route;
    const char* tag;
  };
  std::vector<Case> cases;
  for (const Route& route : kRoutes) cases.push_back({route, ""});
  cases.push_back({{"external tools", firmware::UpdateThreadExternalTools, 0x5345}, "[9]"});
  for (const Case& c : cases) {
    const Route& route = c.route;
    SCOPED_TRACE(route.name);
    TransferRig rig;
    platform::FixedPaths paths{rig.dir.string()};  // no IMG folder: nothing is extracted
    platform::Paths::Scoped usePaths{paths};
    rig.WriteImage(ImageFor(route, {{0, 1, Bytes(10)}, {1, 2, Bytes(10)}, {2, 3, Bytes(10)}}));
    std::stop_source stop;
    firmware::HidTransferContext context = rig.Context(3, route.target);
    std::string shown;
    context.hooks.writeSettingsArchive = [&] {
      shown = rig.EnglishMessage();
      stop.request_stop();  // the rest of the run is not this test's
      return true;
    };
    route.thread(context, stop.get_token());
    EXPECT_EQ(shown, std::string("On updating firmware. about to make backup firmware") + c.tag);
  }
}

// The window that stops the thread while it pauses before the device restarts is going away: it
// must not be asked for the device-back poll.
TEST(HidTransferRun, AStopDuringThePauseBeforeTheRestartAsksForNoPoll) {
  for (const bool applying : {false, true}) {
    for (const bool stopped : {false, true}) {
      SCOPED_TRACE(testing::Message() << "applying " << applying << ", stopped " << stopped);
      TransferRig rig;
      std::stop_source stop;
      if (stopped) rig.clock.onSleep = [&stop] { stop.request_stop(); };
      const firmware::HidTransferContext context = rig.Context();
      firmware::HidTransferRun run(context, stop.get_token());
      if (applying) {
        run.AwaitRestartAfterApplying(true);
      } else {
        run.AwaitRestart();
      }
      EXPECT_EQ(rig.armCalls, stopped ? 0 : 1);
      EXPECT_EQ(rig.job.m_bFinished.load(), stopped && applying) << "a stopped minute's pause gives up";
    }
  }
}

// The window joins the transfer thread when it goes: a stop must end the thread's longest pause (the
// ready poll's minutes) at once, not at the end of the pause or of a slice of it.
TEST(HidTransferRun, AStopEndsAPauseAtOnce) {
  platformtest::StandingClock clock;
  platform::Clock::Scoped useClock(clock);
  std::stop_source stop;
  bool paused = true;
  std::thread pausing([&] { paused = firmware::PauseUnlessStopped(5 * 60 * 1000, stop.get_token()); });
  clock.WaitUntilSleeping();
  stop.request_stop();
  pausing.join();
  EXPECT_FALSE(paused);
  EXPECT_EQ(clock.Outlasted(), 0) << "the stop did not end the pause";
}

}  // namespace
