#include "firmware/transfer/UpdateThreadHidSimple.h"

#include <gtest/gtest.h>

#include "TransferRig.h"
#include "io/Worker.h"

namespace {

using firmware::JOB_ERROR_FAILED;
using firmware::JOB_ERROR_NONE;
using transfertest::Bytes;
using transfertest::TransferRig;

sim::SimContainerSpec Image(std::vector<sim::SimImageSection> sections) {
  sim::SimContainerSpec spec;
  spec.productId = 0x4310;
  spec.sections = std::move(sections);
  return spec;
}

TEST(UpdateThreadHidSimple, SendsSectionsInChunksFinishesAndHandsOverToTheDeviceBackTimer) {
  TransferRig rig;
  rig.WriteImage(Image({{0, 0x1234, Bytes(2039)}, {1, 0x22, Bytes(5)}, {2, 0x33, Bytes(0)}}));
  firmware::UpdateThreadHidSimple(rig.Context(), {});

  // Section 0 and the type-2 section go to the first interface, section 1 to the second.
  EXPECT_EQ(rig.firstSide.ChunkCounts(), (std::vector<uint16_t>{0x03FB, 0x03FB, 0x0001}));
  EXPECT_EQ(rig.secondSide.ChunkCounts(), (std::vector<uint16_t>{5}));
  ASSERT_GE(rig.firstSide.log.size(), 2u);
  EXPECT_EQ(rig.firstSide.log[0].command, io::HID_CMD_BEGIN_SECTION);
  EXPECT_EQ(rig.firstSide.log[0].byte2, 0x34);  // the target's low byte
  // A zero-length section is begun and ended without data.
  EXPECT_EQ(rig.firstSide.Count(io::HID_CMD_BEGIN_SECTION), 2);
  EXPECT_EQ(rig.firstSide.Count(io::HID_CMD_END_SECTION), 2);
  EXPECT_EQ(rig.firstSide.Count(io::HID_CMD_FINISH_UPDATE), 1);
  EXPECT_EQ(rig.secondSide.Count(io::HID_CMD_FINISH_UPDATE), 1);
  EXPECT_EQ(rig.firstSide.log.back().command, io::HID_CMD_FINISH_UPDATE);

  EXPECT_EQ(rig.job.m_nState, firmware::JOB_WAITING_RESTART);
  EXPECT_EQ(rig.job.m_nError, JOB_ERROR_NONE);
  EXPECT_FALSE(rig.job.m_bFinished);
  EXPECT_EQ(rig.armCalls, 1);
  EXPECT_EQ(rig.transferStartedCalls, 1);
  EXPECT_EQ(rig.archiveCalls, 1);
  EXPECT_EQ(rig.clock.slept, 5000u);
  EXPECT_EQ(rig.EnglishMessage(), "On updating firmware.");
}

TEST(UpdateThreadHidSimple, FinishGoesOnlyToInterfacesMarkedByTheirSectionTypes) {
  struct Case {
    std::vector<uint32_t> types;
    int firstFinishes, secondFinishes;
  };
  for (const Case& c : {Case{{2}, 0, 0}, Case{{3}, 0, 0}, Case{{2, 1}, 0, 1}, Case{{0, 3}, 1, 0}}) {
    TransferRig rig;
    std::vector<sim::SimImageSection> sections;
    for (uint32_t type : c.types) sections.push_back({type, 1, Bytes(10)});
    rig.WriteImage(Image(sections));
    firmware::UpdateThreadHidSimple(rig.Context(), {});
    SCOPED_TRACE(testing::Message() << "types " << c.types.size());
    EXPECT_EQ(rig.firstSide.Count(io::HID_CMD_FINISH_UPDATE), c.firstFinishes);
    EXPECT_EQ(rig.secondSide.Count(io::HID_CMD_FINISH_UPDATE), c.secondFinishes);
    EXPECT_EQ(rig.job.m_nState, firmware::JOB_WAITING_RESTART);
    EXPECT_EQ(rig.armCalls, 1);
  }
}

TEST(UpdateThreadHidSimple, EveryGiveUpEndsFinishedInTheErrorColourWhereItStood) {
  struct Case {
    const char* what;
    std::function<void(TransferRig&)> arrange;
    int state;
    const char* message;
  };
  const auto goodImage = [](TransferRig& rig) {
    rig.WriteImage(Image({{0, 1, Bytes(1500)}, {0, 2, Bytes(20)}}));
  };
  const Case cases[] = {
      {"missing file", [](TransferRig& rig) { rig.imagePath = (rig.dir / "none.img").string(); },
       firmware::JOB_REQUESTED, "Failed to update firmware. Firmware corrupted"},
      {"35 bytes", [](TransferRig& rig) { rig.WriteBytes(std::vector<uint8_t>(35)); }, firmware::JOB_REQUESTED,
       "Failed to update firmware. Firmware corrupted"},
      {"digest mismatch",
       [](TransferRig& rig) {
         std::vector<uint8_t> bytes = sim::MakeFirmwareImage(Image({{0, 1, Bytes(100)}}));
         bytes.back() ^= 1;
         rig.WriteBytes(bytes);
       },
       firmware::JOB_CHECKING_IMAGE, "Failed to update firmware. Firmware corrupted"},
      {"begin of the second section",
       [&](TransferRig& rig) {
         goodImage(rig);
         rig.firstSide.refuseAt[io::HID_CMD_BEGIN_SECTION] = 2;
       },
       firmware::JOB_TRANSFERRING, "Failed to update firmware. Cannot get status"},
      {"unanswered chunk",
       [&](TransferRig& rig) {
         goodImage(rig);
         rig.firstSide.silentAt[io::HID_CMD_SECTION_DATA] = 2;
       },
       firmware::JOB_TRANSFERRING, "Failed to update firmware. Cannot get status"},
      {"end", [&](TransferRig& rig) { goodImage(rig), rig.firstSide.refuseAt[io::HID_CMD_END_SECTION] = 1; },
       firmware::JOB_TRANSFERRING, "Failed to update firmware. Cannot get status"},
      {"finish", [&](TransferRig& rig) { goodImage(rig), rig.firstSide.refuseAt[io::HID_CMD_FINISH_UPDATE] = 1; },
       firmware::JOB_TRANSFERRING, "Failed to update firmware. Cannot get status"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TransferRig rig;
    c.arrange(rig);
    firmware::UpdateThreadHidSimple(rig.Context(), {});
    EXPECT_EQ(rig.job.m_nState, c.state);
    EXPECT_EQ(rig.job.m_nError, JOB_ERROR_FAILED);
    EXPECT_TRUE(rig.job.m_bFinished);
    EXPECT_EQ(rig.gaveUpCalls, 1);
    EXPECT_EQ(rig.armCalls, 0);
    EXPECT_EQ(rig.EnglishMessage(), c.message);
  }
}

// An image that names another product, or holds nothing to send, is refused before the archive
// and the transfer; one that names no product is sent.
TEST(UpdateThreadHidSimple, OnlyImagesForThisProductWithSectionsAreSent) {
  struct Case {
    const char* what;
    std::vector<uint8_t> image;
    bool sent;
  };
  const auto withProduct = [](uint32_t product) {
    sim::SimContainerSpec spec = Image({{0, 1, Bytes(10)}});
    spec.productId = product;
    return sim::MakeFirmwareImage(spec);
  };
  const Case cases[] = {
      {"zeros: no product, no section", std::vector<uint8_t>(4096, 0), false},
      {"made for another product", withProduct(0x4320), false},
      {"made for this product", withProduct(0x4310), true},
      {"naming no product", withProduct(0), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TransferRig rig;
    rig.WriteBytes(c.image);
    firmware::UpdateThreadHidSimple(rig.Context(3, 0x4310), {});
    EXPECT_EQ(rig.job.m_bFinished, !c.sent);
    EXPECT_EQ(rig.archiveCalls, c.sent ? 1 : 0);
    EXPECT_EQ(rig.firstSide.Count(io::HID_CMD_FINISH_UPDATE), c.sent ? 1 : 0);
    if (!c.sent) {
      EXPECT_EQ(rig.EnglishMessage(), "Failed to update firmware. Firmware corrupted");
      EXPECT_TRUE(rig.firstSide.log.empty());
      EXPECT_TRUE(rig.secondSide.log.empty());
    }
  }
}

TEST(UpdateThreadHidSimple, BeginRefusedInTheSecondSectionLeavesTheFirstSent) {
  TransferRig rig;
  rig.WriteImage(Image({{0, 1, Bytes(1500)}, {0, 2, Bytes(20)}}));
  rig.firstSide.refuseAt[io::HID_CMD_BEGIN_SECTION] = 2;
  firmware::UpdateThreadHidSimple(rig.Context(), {});
  EXPECT_EQ(rig.firstSide.ChunkCounts(), (std::vector<uint16_t>{1019, 481}));
  EXPECT_EQ(rig.firstSide.Count(io::HID_CMD_END_SECTION), 1);
  EXPECT_EQ(rig.firstSide.Count(io::HID_CMD_FINISH_UPDATE), 0);
}

TEST(UpdateThreadHidSimple, FailedArchiveWaitsForTheUsersOkThenTransfers) {
  TransferRig rig;
  rig.WriteImage(Image({{0, 1, Bytes(10)}}));
  rig.archiveWrites = false;
  bool sawBoxState = false;
  bool sentBeforeOk = false;
  rig.clock.onSleep = [&] {
    if (rig.job.m_nState != firmware::JOB_WAITING_USER) return;
    sawBoxState = rig.waitForUserOk;
    sentBeforeOk |= !rig.firstSide.log.empty();
    if (rig.clock.slept >= 30000) rig.waitForUserOk = false;  // the user presses OK
  };
  firmware::UpdateThreadHidSimple(rig.Context(), {});
  EXPECT_TRUE(sawBoxState);
  EXPECT_FALSE(sentBeforeOk);
  EXPECT_EQ(rig.archiveCalls, 1);
  EXPECT_EQ(rig.firstSide.Count(io::HID_CMD_FINISH_UPDATE), 1);
  EXPECT_EQ(rig.job.m_nState, firmware::JOB_WAITING_RESTART);
  EXPECT_EQ(rig.job.m_nError, JOB_ERROR_NONE);
}

// However long the window takes to show the box, the user may press OK the moment it shows: that
// OK must find the flag set, or the thread would wait for ever.
TEST(UpdateThreadHidSimple, AnOkPressedAsSoonAsTheBoxShowsIsNotLost) {
  TransferRig rig;
  rig.WriteImage(Image({{0, 1, Bytes(10)}}));
  rig.archiveWrites = false;
  firmware::HidTransferContext context = rig.Context();
  context.hooks.askForOk = [&] {
    rig.job.m_nState = firmware::JOB_WAITING_USER;
    rig.waitForUserOk = false;  // the box shows and the user presses OK at once
  };
  // An OK that was lost would leave the thread waiting: an hour later the window gives up on it.
  std::stop_source closing;
  rig.clock.onSleep = [&] {
    if (rig.clock.slept >= 3600000) closing.request_stop();
  };
  firmware::UpdateThreadHidSimple(context, closing.get_token());
  EXPECT_FALSE(closing.stop_requested());
  EXPECT_EQ(rig.firstSide.Count(io::HID_CMD_FINISH_UPDATE), 1);
  EXPECT_EQ(rig.job.m_nState, firmware::JOB_WAITING_RESTART);
}

TEST(UpdateThreadHidSimple, RestoreWritesNoArchiveAndDoesNotWait) {
  TransferRig rig;
  rig.WriteImage(Image({{0, 1, Bytes(10)}}));
  rig.archiveWrites = false;
  rig.job.m_nState = firmware::JOB_DOWNLOADING;
  std::vector<std::string> messages;
  rig.clock.onSleep = [&] { messages.push_back(rig.EnglishMessage()); };
  firmware::UpdateThreadHidSimple(rig.Context(4), {});
  EXPECT_EQ(rig.archiveCalls, 0);
  EXPECT_FALSE(rig.waitForUserOk);
  EXPECT_EQ(rig.clock.slept, 5000u);
  EXPECT_EQ(rig.job.m_nState, firmware::JOB_WAITING_RESTART);
  EXPECT_EQ(rig.EnglishMessage(), "On restoring firmware.");
}

// The window closes while the thread waits for an OK that never comes: the owner's worker stops
// and joins it, and the job ends as a failure.
TEST(UpdateThreadHidSimple, StopRequestEndsTheWaitForTheUser) {
  TransferRig rig;
  rig.WriteImage(Image({{0, 1, Bytes(10)}}));
  rig.archiveWrites = false;
  std::atomic<bool> waiting{false};
  rig.clock.onSleep = [&] { waiting = rig.job.m_nState == firmware::JOB_WAITING_USER; };
  const firmware::HidTransferContext context = rig.Context();
  {
    io::Worker worker;
    ASSERT_TRUE(worker.Start([&](std::stop_token stop) { firmware::UpdateThreadHidSimple(context, stop); }));
    while (!waiting) std::this_thread::yield();
  }
  EXPECT_TRUE(rig.job.m_bFinished);
  EXPECT_EQ(rig.job.m_nError, JOB_ERROR_FAILED);
  EXPECT_EQ(rig.firstSide.log.size(), 0u);
  EXPECT_EQ(rig.armCalls, 0);
}

}  // namespace
