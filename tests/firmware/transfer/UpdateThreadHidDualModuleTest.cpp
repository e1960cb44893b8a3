#include "firmware/transfer/UpdateThreadHidDualModule.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "TransferRig.h"
#include "device/ProductTraits.h"
#include "firmware/transfer/HidTransferRun.h"
#include "io/Crc16.h"

namespace {

using firmware::DualModuleTiming;
using firmware::HidTransferRun;
using transfertest::Bytes;
using transfertest::SimFlashInterface;

constexpr int kTarget = 0x3110;

// The module behind the main device: it keeps the data it receives, checks every CRC it is sent
// against those bytes, and refuses on request.
struct SimModule {
  SimFlashInterface side;
  std::optional<std::array<uint8_t, 4>> version = std::array<uint8_t, 4>{1, 0, 2, 1};  // none: unanswered
  bool refuseEveryChunkCrc = false;
  int totalCrcRefusals = 0;
  std::vector<uint8_t> lastChunk, pass, accepted;  // `accepted`: the section as the last good total CRC saw it
  std::vector<uint8_t> plain;                      // every data byte, for a module without CRC checks
  bool crcMismatch = false;

  std::vector<uint8_t> Answer(const std::vector<uint8_t>& request) {
    std::vector<uint8_t> reply = side.Answer(request);
    const uint8_t command = request[1];
    if (command == io::HID_CMD_READ_VERSION) {
      if (!version) return {};
      std::copy(version->begin(), version->end(), reply.begin() + io::HID_REPLY_DATA);
    }
    if (command == io::HID_CMD_SECTION_DATA) {
      const size_t count = size_t(request[2]) << 8 | request[3];
      lastChunk.assign(request.begin() + 4, request.begin() + 4 + long(count));
      plain.insert(plain.end(), lastChunk.begin(), lastChunk.end());
    }
    bool refuse = false;
    if (command == io::HID_CMD_CHUNK_CRC) {
      refuse = refuseEveryChunkCrc || !Matches(request, lastChunk);
      if (!refuse && reply[io::HID_REPLY_STATUS] == io::HID_STATUS_OK)
        pass.insert(pass.end(), lastChunk.begin(), lastChunk.end());
    }
    if (command == io::HID_CMD_TOTAL_CRC) {
      refuse = totalCrcRefusals > 0 || !Matches(request, pass);
      if (totalCrcRefusals > 0) --totalCrcRefusals;
      if (!refuse) accepted = pass;
      pass.clear();
    }
    if (refuse) reply[io::HID_REPLY_STATUS] = 2;
    return reply;
  }

  bool Matches(const std::vector<uint8_t>& request, const std::vector<uint8_t>& data) {
    const uint16_t sent = uint16_t(request[4] | request[5] << 8);
    const bool ok = request[2] == 0 && request[3] == 2 &&
                    sent == io::ComputeCrc16(data.data(), static_cast<int>(data.size()));
    crcMismatch |= !ok;
    return ok;
  }
};

// The main device answers on the main window's handle and, once it has restarted, on a handle
// of its own; switching the module on makes the module appear as its own HID product.
struct DualModuleRig : transfertest::TransferRig {
  platform::HidBus::Scoped busScope{bus};
  SimModule module;
  std::string mainPath, modulePath;
  int moduleAppearances = -1;  // how often switching on shows the module; -1 every time
  int target;

  explicit DualModuleRig(int target = kTarget) : target(target) {
    mainPath = bus.Add(io::HID_VENDOR_ID, static_cast<uint16_t>(target), 0xFF00, 1, [this](const std::vector<uint8_t>& r) {
      std::vector<uint8_t> reply = firstSide.Answer(r);
      if (!reply.empty() && reply[io::HID_REPLY_STATUS] == io::HID_STATUS_OK) SwitchModule(r[1]);
      return reply;
    });
  }

  void SwitchModule(uint8_t command) {
    if (command == io::HID_CMD_MODULE_OFF && !modulePath.empty()) {
      bus.Remove(modulePath);
      modulePath.clear();
    }
    if (command == io::HID_CMD_MODULE_ON && modulePath.empty() && moduleAppearances != 0) {
      if (moduleAppearances > 0) --moduleAppearances;
      modulePath = bus.Add(io::HID_VENDOR_ID, device::HID_MODULE_PRODUCT, 0xFF00, 1,
                           [this](const std::vector<uint8_t>& r) { return module.Answer(r); });
    }
  }

  void Run() { firmware::UpdateThreadHidDualModule(Context(3, target), {}); }

  std::vector<uint8_t> Commands(const SimFlashInterface& side) const {
    std::vector<uint8_t> out;
    for (const auto& r : side.log) out.push_back(r.command);
    return out;
  }
};

sim::SimContainerSpec Image(std::vector<sim::SimImageSection> sections, uint32_t productId = kTarget) {
  sim::SimContainerSpec spec;
  spec.productId = productId;
  spec.sections = std::move(sections);
  return spec;
}

// Main device type 0 and type 2 sections, the module's section (whose target the thread ignores),
// and one more that nobody receives.
sim::SimContainerSpec ThreeSections(size_t moduleBytes = 130) {
  return Image({{0, 1, Bytes(30)}, {2, 3, Bytes(20, 40)}, {0, 7, Bytes(moduleBytes, 9)}, {0, 1, Bytes(5)}});
}

void ExpectFailed(DualModuleRig& rig, const std::string& message) {
  EXPECT_EQ(rig.EnglishMessage(), message);
  EXPECT_EQ(rig.job.m_nError, firmware::JOB_ERROR_FAILED);
  EXPECT_TRUE(rig.job.m_bFinished);
  EXPECT_EQ(rig.gaveUpCalls, 1);
  EXPECT_EQ(rig.armCalls, 0);
}

TEST(UpdateThreadHidDualModule, UpdatesMainDeviceThenModuleInCheckedChunksAndSetsThePromptLanguage) {
  DualModuleRig rig;
  rig.WriteImage(ThreeSections(), "fw-v2.1-de.img");
  rig.Run();

  using namespace io;
  EXPECT_EQ(rig.Commands(rig.firstSide),
            (std::vector<uint8_t>{HID_CMD_BEGIN_SECTION, HID_CMD_SECTION_DATA, HID_CMD_END_SECTION,
                                  HID_CMD_BEGIN_SECTION, HID_CMD_SECTION_DATA, HID_CMD_END_SECTION,
                                  HID_CMD_FINISH_UPDATE, HID_CMD_MODULE_ON, HID_CMD_MODULE_OFF, HID_CMD_MODULE_ON,
                                  HID_CMD_SET_PROMPT_LANGUAGE}));
  EXPECT_EQ(rig.firstSide.ChunkCounts(), (std::vector<uint16_t>{30, 20}));
  EXPECT_EQ(rig.firstSide.log.back().byte2, 4);  // German
  EXPECT_EQ(rig.Commands(rig.module.side),
            (std::vector<uint8_t>{HID_CMD_READ_VERSION, HID_CMD_BEGIN_SECTION, HID_CMD_SECTION_DATA, HID_CMD_CHUNK_CRC,
                                  HID_CMD_SECTION_DATA, HID_CMD_CHUNK_CRC, HID_CMD_SECTION_DATA, HID_CMD_CHUNK_CRC,
                                  HID_CMD_TOTAL_CRC, HID_CMD_END_SECTION, HID_CMD_FINISH_UPDATE}));
  EXPECT_EQ(rig.module.side.log[1].byte2, 0);  // begin names target 0 whatever the section says
  EXPECT_EQ(rig.module.side.ChunkCounts(), (std::vector<uint16_t>{58, 58, 14}));
  EXPECT_EQ(rig.module.accepted, Bytes(130, 9));
  EXPECT_FALSE(rig.module.crcMismatch);
  EXPECT_TRUE(rig.secondSide.log.empty());

  // The finishes and the switching on, nothing else: nobody is missing at their first look.
  EXPECT_EQ(rig.clock.slept, 2 * HidTransferRun::kApplyAndRestartMs + DualModuleTiming::kAfterModuleOnMs +
                                 DualModuleTiming::kAfterModuleOnAgainMs);
  EXPECT_EQ(rig.job.m_nState, firmware::JOB_WAITING_RESTART);
  EXPECT_EQ(rig.job.m_nError, firmware::JOB_ERROR_NONE);
  EXPECT_FALSE(rig.job.m_bFinished);
  EXPECT_EQ(rig.armCalls, 1);
  EXPECT_EQ(rig.gaveUpCalls, 0);
}

TEST(UpdateThreadHidDualModule, TheProductWithOneMainDeviceSectionSendsItsSecondToTheModule) {
  constexpr int kOneSection = 0x3500;
  ASSERT_TRUE(device::HasProductFlag(kOneSection, device::kOneMainDeviceSection));
  DualModuleRig rig(kOneSection);
  rig.WriteImage(Image({{0, 1, Bytes(30)}, {2, 1, Bytes(60, 5)}}, kOneSection));
  rig.Run();
  EXPECT_EQ(rig.firstSide.ChunkCounts(), (std::vector<uint16_t>{30}));
  EXPECT_EQ(rig.module.accepted, Bytes(60, 5));
  EXPECT_EQ(rig.job.m_nState, firmware::JOB_WAITING_RESTART);
}

TEST(UpdateThreadHidDualModule, OnlyModulesFromTheCheckingVersionOnGetCrcs) {
  const struct {
    std::optional<std::array<uint8_t, 4>> version;
    bool checked;
  } cases[] = {
      {std::array<uint8_t, 4>{1, 0, 2, 1}, true},  {std::array<uint8_t, 4>{1, 1, 0, 0}, true},
      {std::array<uint8_t, 4>{1, 0, 2, 0}, false}, {std::array<uint8_t, 4>{1, 0, 0, 9}, false},
      {std::array<uint8_t, 4>{1, 0, 1, 9}, false}, {std::nullopt, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    DualModuleRig rig;
    rig.WriteImage(ThreeSections());
    rig.module.version = c.version;
    rig.Run();
    EXPECT_EQ(rig.module.side.Count(io::HID_CMD_CHUNK_CRC), c.checked ? 3 : 0);
    EXPECT_EQ(rig.module.side.Count(io::HID_CMD_TOTAL_CRC), c.checked ? 1 : 0);
    EXPECT_EQ(rig.module.side.ChunkCounts(), (std::vector<uint16_t>{58, 58, 14}));
    EXPECT_EQ(rig.module.plain, Bytes(130, 9));
    EXPECT_EQ(rig.job.m_nState, firmware::JOB_WAITING_RESTART);
  }
}

TEST(UpdateThreadHidDualModule, ARefusedChunkCrcResendsThatChunkAndTheTotalCountsItOnce) {
  DualModuleRig rig;
  rig.WriteImage(ThreeSections());
  rig.module.side.refuseAt[io::HID_CMD_CHUNK_CRC] = 2;
  rig.Run();
  EXPECT_EQ(rig.module.side.ChunkCounts(), (std::vector<uint16_t>{58, 58, 58, 14}));
  EXPECT_EQ(rig.module.accepted, Bytes(130, 9));
  EXPECT_FALSE(rig.module.crcMismatch);
  EXPECT_EQ(rig.job.m_nState, firmware::JOB_WAITING_RESTART);
}

TEST(UpdateThreadHidDualModule, ARefusedTotalCrcResendsTheWholeSectionUpToSixTimes) {
  for (const int refusals : {5, 6}) {
    SCOPED_TRACE(refusals);
    DualModuleRig rig;
    rig.WriteImage(ThreeSections());
    rig.module.totalCrcRefusals = refusals;
    rig.Run();
    EXPECT_EQ(rig.module.side.Count(io::HID_CMD_SECTION_DATA), 3 * 6);
    EXPECT_EQ(rig.module.side.Count(io::HID_CMD_BEGIN_SECTION), 1);
    EXPECT_FALSE(rig.module.crcMismatch);
    if (refusals == 5) {
      EXPECT_EQ(rig.module.accepted, Bytes(130, 9));
      EXPECT_EQ(rig.job.m_nState, firmware::JOB_WAITING_RESTART);
    } else {
      ExpectFailed(rig, "Failed to update firmware. Cannot get status[10][3]");
      EXPECT_EQ(rig.module.side.Count(io::HID_CMD_END_SECTION), 0);
    }
  }
}

TEST(UpdateThreadHidDualModule, AModuleThatRefusesEveryChunkCrcEndsInAFailure) {
  DualModuleRig rig;
  rig.WriteImage(ThreeSections());
  rig.module.refuseEveryChunkCrc = true;
  rig.Run();
  EXPECT_EQ(rig.module.side.Count(io::HID_CMD_SECTION_DATA), DualModuleTiming::kChunkSendsMax);
  EXPECT_EQ(rig.module.side.Count(io::HID_CMD_TOTAL_CRC), 0);
  ExpectFailed(rig, "Failed to update firmware. Cannot get status[10][4]");
  EXPECT_EQ(rig.job.m_nState, firmware::JOB_TRANSFERRING);
}

TEST(UpdateThreadHidDualModule, EveryFailingStepGivesUpWithItsTag) {
  using namespace io;
  const struct {
    const char* tag;
    std::function<void(DualModuleRig&)> arrange;
  } cases[] = {
      {"[0]", [](DualModuleRig& r) { r.firstSide.refuseAt[HID_CMD_BEGIN_SECTION] = 2; }},
      {"[2]", [](DualModuleRig& r) { r.firstSide.silentAt[HID_CMD_SECTION_DATA] = 1; }},
      {"[3]", [](DualModuleRig& r) { r.firstSide.refuseAt[HID_CMD_END_SECTION] = 1; }},
      {"[4]", [](DualModuleRig& r) { r.firstSide.refuseAt[HID_CMD_FINISH_UPDATE] = 1; }},
      {"[5]", [](DualModuleRig& r) { r.bus.SetOpenFails(r.mainPath, true); }},
      {"[6]", [](DualModuleRig& r) { r.firstSide.refuseAt[HID_CMD_MODULE_ON] = 1; }},
      {"[7]", [](DualModuleRig& r) { r.moduleAppearances = 0; }},
      {"[8]", [](DualModuleRig& r) { r.module.side.refuseAt[HID_CMD_BEGIN_SECTION] = 1; }},
      {"[10][1]",
       [](DualModuleRig& r) {
         r.module.version = std::nullopt;  // a plain transfer
         r.module.side.silentAt[HID_CMD_SECTION_DATA] = 2;
       }},
      {"[10][2]", [](DualModuleRig& r) { r.module.side.silentAt[HID_CMD_SECTION_DATA] = 2; }},
      {"[11]", [](DualModuleRig& r) { r.module.side.refuseAt[HID_CMD_END_SECTION] = 1; }},
      {"[12]", [](DualModuleRig& r) { r.module.side.refuseAt[HID_CMD_FINISH_UPDATE] = 1; }},
      {"[13]", [](DualModuleRig& r) { r.firstSide.refuseAt[HID_CMD_MODULE_ON] = 2; }},
      {"[14]", [](DualModuleRig& r) { r.moduleAppearances = 1; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tag);
    DualModuleRig rig;
    rig.WriteImage(ThreeSections());
    c.arrange(rig);
    rig.Run();
    ExpectFailed(rig, std::string("Failed to update firmware. Cannot get status") + c.tag);
  }
}

TEST(UpdateThreadHidDualModule, ImagesTheThreadCannotUseAreRejectedBeforeAnyReport) {
  const struct {
    const char* what;
    int target;
    sim::SimContainerSpec image;
  } cases[] = {
      {"another product", kTarget, Image({{0, 1, Bytes(9)}, {2, 1, Bytes(9)}, {0, 0, Bytes(9)}}, 0x3112)},
      {"no module section", kTarget, Image({{0, 1, Bytes(9)}, {2, 1, Bytes(9)}})},
      {"one section, one main", 0x3500, Image({{0, 1, Bytes(9)}}, 0x3500)},
      {"first section for no interface", kTarget, Image({{1, 1, Bytes(9)}, {0, 1, Bytes(9)}, {0, 0, Bytes(9)}})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DualModuleRig rig(c.target);
    rig.WriteImage(c.image);
    rig.Run();
    ExpectFailed(rig, "Failed to update firmware. Firmware corrupted");
    EXPECT_TRUE(rig.firstSide.log.empty());
    EXPECT_EQ(rig.archiveCalls, 0);
  }
}

TEST(UpdateThreadHidDualModule, ARefusedLanguageIsSentAgainAsEnglishAndTheUpdateStillSucceeds) {
  DualModuleRig rig;
  rig.WriteImage(ThreeSections(), "fw_es.img");
  rig.firstSide.refuseAt[io::HID_CMD_SET_PROMPT_LANGUAGE] = 1;
  rig.Run();
  std::vector<uint8_t> codes;
  for (const auto& r : rig.firstSide.log)
    if (r.command == io::HID_CMD_SET_PROMPT_LANGUAGE) codes.push_back(r.byte2);
  EXPECT_EQ(codes, (std::vector<uint8_t>{2, 0}));
  EXPECT_EQ(rig.job.m_nState, firmware::JOB_WAITING_RESTART);
  EXPECT_EQ(rig.job.m_nError, firmware::JOB_ERROR_NONE);
}

TEST(UpdateThreadHidDualModule, PromptLanguageComesFromTheMarkBeforeTheExtension) {
  const struct {
    const char* path;
    int code;
  } cases[] = {
      {"/home/u/IMG/fw-v1.0-de.img", 4}, {"fw_de.img", 4},   {"fw-v1.0-dc.img", 7}, {"fw-v1.0-jp.img", 6},
      {"fw-v1.0.img", 0},                {"fw-v1.0-DE.img", 0}, {"de.img", 0},       {"C:\\x\\fw-fn.img", 10},
  };
  for (const auto& c : cases) EXPECT_EQ(firmware::PromptLanguageOfImage(c.path), c.code) << c.path;
}

TEST(UpdateThreadHidDualModule, AStopRequestEndsTheLongWaitsAtOnce) {
  DualModuleRig rig;
  rig.WriteImage(ThreeSections());
  rig.moduleAppearances = 0;
  std::stop_source stop;
  rig.clock.onSleep = [&] {
    if (rig.firstSide.Count(io::HID_CMD_MODULE_ON) == 1 && rig.clock.slept > HidTransferRun::kApplyAndRestartMs + 10000)
      stop.request_stop();
  };
  firmware::UpdateThreadHidDualModule(rig.Context(3, kTarget), stop.get_token());
  EXPECT_LT(rig.clock.slept, HidTransferRun::kApplyAndRestartMs + 12000);
  EXPECT_TRUE(rig.job.m_bFinished);
  EXPECT_EQ(rig.job.m_nError, firmware::JOB_ERROR_FAILED);
  EXPECT_EQ(rig.armCalls, 0);
}

}  // namespace
