#include "firmware/transfer/UpdateThreadHidCamera.h"

#include <gtest/gtest.h>

#include "TransferRig.h"
#include "firmware/transfer/HidTransferRun.h"
#include "localization/FirmwareTexts.h"

namespace {

using firmware::HidTransferRun;
using transfertest::Bytes;
using transfertest::TransferRig;

sim::SimContainerSpec Image(uint32_t productId) {
  sim::SimContainerSpec spec;
  spec.productId = productId;
  spec.sections = {{0, 1, Bytes(1020)}, {2, 2, Bytes(4)}, {3, 3, Bytes(7)}};
  return spec;
}

TEST(UpdateThreadHidCamera, ProductGroupsChooseTheReadyPollTheSectionsAndTheApplyingFlag) {
  struct Case {
    int target;
    bool polls;
    bool applyingAtEnd;
  };
  const Case cases[] = {
      {0x5610, true, true},    // ready poll
      {0x5720, false, false},  // direct finish
      {0x5510, true, true},    // camera with the ready poll
      {0x5570, false, false},  // camera with the direct finish
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.target);
    TransferRig rig;
    rig.WriteImage(Image(uint32_t(c.target)));
    int copies = 0;
    firmware::UpdateThreadHidCamera(rig.Context(3, c.target), {}, [&](HidTransferRun&) { return ++copies, true; });
    const bool camera = c.target == 0x5510 || c.target == 0x5570;
    EXPECT_EQ(copies, camera ? 1 : 0);
    EXPECT_EQ(rig.firstSide.ChunkCounts(), (std::vector<uint16_t>{1019, 1, 4}));
    // The type-3 section is the third: a camera keeps it for its drive.
    EXPECT_EQ(rig.secondSide.ChunkCounts(), camera ? std::vector<uint16_t>{} : std::vector<uint16_t>{7});
    EXPECT_EQ(rig.firstSide.Count(io::HID_CMD_QUERY_READY), c.polls ? 1 : 0);
    EXPECT_EQ(rig.firstSide.Count(io::HID_CMD_FINISH_UPDATE), 1);
    EXPECT_EQ(rig.secondSide.Count(io::HID_CMD_FINISH_UPDATE), 0);
    EXPECT_EQ(rig.clock.slept, HidTransferRun::kApplyAndRestartMs + (c.polls ? 0 : HidTransferRun::kDirectFinishSettleMs));
    EXPECT_EQ(rig.job.m_nState, firmware::JOB_WAITING_RESTART);
    EXPECT_EQ(rig.job.m_bApplying, c.applyingAtEnd);
    EXPECT_EQ(rig.job.m_nError, firmware::JOB_ERROR_NONE);
    EXPECT_EQ(rig.armCalls, 1);
  }
}

TEST(UpdateThreadHidCamera, FailuresEndFinishedInTheErrorColour) {
  struct Case {
    const char* what;
    int target;
    uint32_t imageProduct;
    bool withCopy, copySucceeds;
    int refuseFinish;
    std::string message;
    int state;
  };
  const Case cases[] = {
      {"another product's image", 0x5610, 0x5611, false, false, 0, "Failed to update firmware. Firmware corrupted",
       firmware::JOB_CHECKING_IMAGE},
      {"a camera image that names no product", 0x5510, 0, false, false, 0,
       "Failed to update firmware. Firmware corrupted", firmware::JOB_CHECKING_IMAGE},
      {"finish refused", 0x5720, 0x5720, false, false, 1, "Failed to update firmware. Cannot get status",
       firmware::JOB_TRANSFERRING},
      {"camera that never presents its card", 0x5580, 0x5580, false, false, 0,
       "Failed to update firmware. Cannot get status [4][1]. Try again.", firmware::JOB_TRANSFERRING},
      {"camera copy failed", 0x3060, 0x3060, true, false, 0, "Failed to update firmware. Cannot get status",
       firmware::JOB_TRANSFERRING},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TransferRig rig;
    rig.WriteImage(Image(c.imageProduct));
    rig.firstSide.refuseAt[io::HID_CMD_FINISH_UPDATE] = c.refuseFinish;
    firmware::CameraFirmwareCopy copy;
    if (c.withCopy) copy = [&](HidTransferRun& run) { return c.copySucceeds || run.GiveUp(text::GetCannotGetStatusText); };
    firmware::UpdateThreadHidCamera(rig.Context(3, c.target), {}, copy);
    EXPECT_EQ(rig.EnglishMessage(), c.message);
    EXPECT_EQ(rig.job.m_nState, c.state);
    EXPECT_EQ(rig.job.m_nError, firmware::JOB_ERROR_FAILED);
    EXPECT_TRUE(rig.job.m_bFinished);
    EXPECT_EQ(rig.gaveUpCalls, 1);
    EXPECT_EQ(rig.armCalls, 0);
    if (c.refuseFinish == 0) {
      EXPECT_EQ(rig.firstSide.Count(io::HID_CMD_BEGIN_SECTION), 0);
    }
  }
}

}  // namespace
