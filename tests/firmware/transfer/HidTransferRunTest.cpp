#include "firmware/transfer/HidTransferRun.h"

#include <gtest/gtest.h>

#include <stop_token>

#include "TransferRig.h"

namespace {

using transfertest::TransferRig;

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

}  // namespace
