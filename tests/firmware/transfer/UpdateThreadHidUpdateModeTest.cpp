#include "firmware/transfer/UpdateThreadHidUpdateMode.h"

#include <gtest/gtest.h>

#include "TransferRig.h"
#include "firmware/transfer/HidTransferRun.h"
#include "io/Worker.h"

namespace {

using firmware::HidTransferRun;
using transfertest::Bytes;
using transfertest::TransferRig;

constexpr int kTarget = 0x6010;

sim::SimContainerSpec Image(std::vector<sim::SimImageSection> sections, uint32_t productId = kTarget) {
  sim::SimContainerSpec spec;
  spec.productId = productId;
  spec.sections = std::move(sections);
  return spec;
}

TEST(UpdateThreadHidUpdateMode, PollsUntilReadyFinishesOnTheFirstInterfaceAndWaitsForTheRestart) {
  TransferRig rig;
  rig.WriteImage(Image({{0, 1, Bytes(30)}, {1, 2, Bytes(20)}}));
  rig.firstSide.notReadyAnswers = 3;
  // What the page's timer would read during the minute after the finish.
  std::vector<std::pair<int, bool>> afterFinish;
  rig.clock.onSleep = [&] {
    if (rig.firstSide.Count(io::HID_CMD_FINISH_UPDATE) == 1) afterFinish.emplace_back(rig.job.m_nState, rig.job.m_bApplying);
  };
  firmware::UpdateThreadHidUpdateMode(rig.Context(3, kTarget), {});

  EXPECT_EQ(rig.firstSide.readyByte3s, (std::vector<uint8_t>{0, 0, 0, 1}));
  EXPECT_EQ(rig.firstSide.log.back().command, io::HID_CMD_FINISH_UPDATE);
  EXPECT_EQ(rig.secondSide.ChunkCounts(), (std::vector<uint16_t>{20}));
  EXPECT_EQ(rig.secondSide.Count(io::HID_CMD_QUERY_READY), 0);
  EXPECT_EQ(rig.secondSide.Count(io::HID_CMD_FINISH_UPDATE), 0);
  EXPECT_EQ(rig.clock.slept, 3 * HidTransferRun::kReadyPollMs + HidTransferRun::kApplyAndRestartMs);
  ASSERT_FALSE(afterFinish.empty());
  for (const auto& [state, applying] : afterFinish) {
    EXPECT_EQ(state, firmware::JOB_TRANSFERRING);
    EXPECT_FALSE(applying);
  }
  EXPECT_EQ(rig.job.m_nState, firmware::JOB_WAITING_RESTART);
  EXPECT_TRUE(rig.job.m_bApplying);
  EXPECT_EQ(rig.job.m_nError, firmware::JOB_ERROR_NONE);
  EXPECT_EQ(rig.armCalls, 1);
}

TEST(UpdateThreadHidUpdateMode, WithoutATypeZeroSectionNoFinishAndStillApplying) {
  TransferRig rig;
  rig.WriteImage(Image({{2, 1, Bytes(30)}}));
  firmware::UpdateThreadHidUpdateMode(rig.Context(3, kTarget), {});
  EXPECT_EQ(rig.firstSide.Count(io::HID_CMD_QUERY_READY), 1);
  EXPECT_EQ(rig.firstSide.Count(io::HID_CMD_FINISH_UPDATE), 0);
  EXPECT_EQ(rig.job.m_nState, firmware::JOB_WAITING_RESTART);
  EXPECT_TRUE(rig.job.m_bApplying);
}

TEST(UpdateThreadHidUpdateMode, FailuresCarryTheirPlaceAndTheErrorColour) {
  struct Case {
    const char* what;
    std::function<void(TransferRig&)> arrange;
    const char* message;
    int state;
  };
  const Case cases[] = {
      {"another product's image", [](TransferRig& rig) { rig.WriteImage(Image({{0, 1, Bytes(10)}}, 0x6012)); },
       "Failed to update firmware. Firmware corrupted", firmware::JOB_CHECKING_IMAGE},
      {"begin", [](TransferRig& rig) { rig.firstSide.refuseAt[io::HID_CMD_BEGIN_SECTION] = 1; },
       "Failed to update firmware. Cannot get status", firmware::JOB_TRANSFERRING},
      {"third chunk unanswered", [](TransferRig& rig) { rig.firstSide.silentAt[io::HID_CMD_SECTION_DATA] = 3; },
       "Failed to update firmware. Cannot get status[9][1]", firmware::JOB_TRANSFERRING},
      {"end", [](TransferRig& rig) { rig.firstSide.refuseAt[io::HID_CMD_END_SECTION] = 1; },
       "Failed to update firmware. Cannot get status[9][2]", firmware::JOB_TRANSFERRING},
      {"finish", [](TransferRig& rig) { rig.firstSide.refuseAt[io::HID_CMD_FINISH_UPDATE] = 1; },
       "Failed to update firmware. Cannot get status[9][3]", firmware::JOB_TRANSFERRING},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TransferRig rig;
    rig.WriteImage(Image({{0, 1, Bytes(3000)}}));
    c.arrange(rig);
    firmware::UpdateThreadHidUpdateMode(rig.Context(3, kTarget), {});
    EXPECT_EQ(rig.EnglishMessage(), c.message);
    EXPECT_EQ(rig.job.m_nState, c.state);
    EXPECT_EQ(rig.job.m_nError, firmware::JOB_ERROR_FAILED);
    EXPECT_TRUE(rig.job.m_bFinished);
    EXPECT_EQ(rig.armCalls, 0);
  }
  TransferRig rig;
  rig.WriteImage(Image({{0, 1, Bytes(10)}}, 0x6012));
  firmware::UpdateThreadHidUpdateMode(rig.Context(3, kTarget), {});
  EXPECT_TRUE(rig.firstSide.log.empty());
}

// A device that never gets ready, or a handle that no longer answers, is asked at a steady pace
// until the bound, then the job fails; the owning worker's thread has ended by itself.
TEST(UpdateThreadHidUpdateMode, ReadyPollIsPacedAndBounded) {
  for (const bool closedHandle : {false, true}) {
    SCOPED_TRACE(closedHandle ? "closed handle" : "never ready");
    TransferRig rig;
    rig.WriteImage(Image({{closedHandle ? 1u : 0u, 1, Bytes(10)}}));
    rig.firstSide.notReadyAnswers = -1;
    firmware::HidTransferContext context = rig.Context(3, kTarget);
    if (closedHandle) context.first = nullptr;
    io::Worker worker;
    ASSERT_TRUE(worker.Start([&](std::stop_token stop) { firmware::UpdateThreadHidUpdateMode(context, stop); }));
    ASSERT_TRUE(worker.Wait(60000));  // real milliseconds: only a regression waits
    EXPECT_GE(rig.clock.slept, HidTransferRun::kReadyPollBudgetMs);
    EXPECT_LE(rig.clock.slept, HidTransferRun::kReadyPollBudgetMs + HidTransferRun::kReadyPollMs);
    if (!closedHandle) {
      EXPECT_EQ(rig.firstSide.Count(io::HID_CMD_QUERY_READY),
                int(HidTransferRun::kReadyPollBudgetMs / HidTransferRun::kReadyPollMs) + 1);
    }
    EXPECT_EQ(rig.firstSide.Count(io::HID_CMD_FINISH_UPDATE), 0);
    EXPECT_EQ(rig.job.m_nError, firmware::JOB_ERROR_FAILED);
    EXPECT_TRUE(rig.job.m_bFinished);
    EXPECT_EQ(rig.EnglishMessage(), "Failed to update firmware. Cannot get status");
  }
}

}  // namespace
