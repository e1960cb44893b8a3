#include "firmware/transfer/UpdateThreadHidLegacyImage.h"

#include <gtest/gtest.h>

#include "TransferRig.h"
#include "localization/StatusTexts.h"

namespace {

using transfertest::Bytes;
using transfertest::TransferRig;

TEST(UpdateThreadHidLegacyImage, StrictVariantsRefuseImagesNamedBelow175) {
  struct Case {
    int variant;
    const char* name;
    bool refused;
  };
  const Case cases[] = {
      {16, "P7E-v1.7.4.img", true},        {16, "P7E-v1.7.5.img", false},
      {16, "P7E-v1.8.img", false},         {16, "P7E-v1.7.img", true},
      {27, "P7E-v1.7.4.img", true},        {0, "P7E-v1.7.4.img", false},
      {15, "P7E-v1.7.4.img", false},       {16, "P7E-v17.img", false},  // no dot: not tested
      {16, "P7E-1.9.img", true},           // no 'v': the whole name, whose first field reads 0
      {16, "P7E-v1.7.5-fr.img", false},    {16, "P7E-v1.7.4_fr.img", true},
      {16, "/images/P7E-v1.7.4.img", true}, {16, "P7E-v2.0.1.img", false},
      {16, "P7E-v99999999999.1.img", false},
      // The version follows the last 'v' of the name.
      {16, "dev-v1.7.5.img", false},       {16, "v2-v1.7.4.img", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(firmware::VariantRefusesImage(c.variant, c.name), c.refused) << c.variant << " " << c.name;
  }
  EXPECT_EQ(firmware::VersionInImageName("P7E-v1.7.5-fr.img"), (std::array<int, 3>{1, 7, 5}));
  EXPECT_EQ(firmware::VersionInImageName("P7E-v1.8.img"), (std::array<int, 3>{1, 8, 0}));
  EXPECT_EQ(firmware::VersionInImageName("dev-v1.7.5.img"), (std::array<int, 3>{1, 7, 5}));
}

sim::SimContainerSpec OlderImage(uint32_t productId, std::vector<sim::SimImageSection> sections) {
  sim::SimContainerSpec spec;
  spec.productId = productId;
  spec.newerLayout = false;
  spec.sections = std::move(sections);
  return spec;
}

TEST(UpdateThreadHidLegacyImage, RefusalEndsBeforeTheImageIsTouched) {
  TransferRig rig;
  rig.firstSide.hardwareVariant = 16;
  rig.WriteImage(OlderImage(0x4210, {{0, 1, Bytes(10)}}), "P7E-v1.7.4.img");
  firmware::UpdateThreadHidLegacyImage(rig.Context(3, 0x4210), {});
  EXPECT_EQ(rig.EnglishMessage(), text::GetFirmwareNotSupportedText(0) + ".[0]");
  EXPECT_EQ(rig.job.m_nState, firmware::JOB_REQUESTED);
  EXPECT_EQ(rig.job.m_nError, firmware::JOB_ERROR_FAILED);
  EXPECT_TRUE(rig.job.m_bFinished);
  EXPECT_EQ(rig.firstSide.Count(io::HID_CMD_BEGIN_SECTION), 0);
  EXPECT_EQ(rig.archiveCalls, 0);
}

TEST(UpdateThreadHidLegacyImage, TransfersTheOlderLayoutWhenTheVariantAndHeaderAllowIt) {
  struct Case {
    const char* what;
    uint8_t variant;
    int variantReadRefused;  // which read of the variant is refused (0 none)
    int variantReadSilent;   // which one gets no answer (0 none)
    uint32_t productId;
    const char* name;
    bool transferred;
  };
  const Case cases[] = {
      {"strict variant, new enough", 16, 0, 0, 0x4210, "P7E-v1.7.5.img", true},
      {"variant unreadable counts as 0", 16, 2, 1, 0x4210, "P7E-v1.7.4.img", true},
      {"read once more after a refusal", 16, 1, 0, 0x4210, "P7E-v1.7.4.img", false},
      {"product 0", 0, 0, 0, 0, "P7E.img", true},
      {"second product of the image", 0, 0, 0, 0x4220, "P7E.img", true},
      {"other product", 0, 0, 0, 0x4310, "P7E.img", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TransferRig rig;
    rig.firstSide.hardwareVariant = c.variant;
    rig.firstSide.refuseAt[io::HID_CMD_READ_PARAM] = c.variantReadRefused;
    rig.firstSide.silentAt[io::HID_CMD_READ_PARAM] = c.variantReadSilent;
    rig.WriteImage(OlderImage(c.productId, {{0, 1, Bytes(2000)}, {1, 2, Bytes(5)}}), c.name);
    firmware::UpdateThreadHidLegacyImage(rig.Context(3, 0x4210), {});
    EXPECT_EQ(rig.job.m_bFinished, !c.transferred);
    if (c.transferred) {
      EXPECT_EQ(rig.job.m_nState, firmware::JOB_WAITING_RESTART);
      EXPECT_EQ(rig.firstSide.ChunkCounts(), (std::vector<uint16_t>{1019, 981}));
      EXPECT_EQ(rig.secondSide.Count(io::HID_CMD_FINISH_UPDATE), 1);
      EXPECT_EQ(rig.armCalls, 1);
    } else {
      EXPECT_EQ(rig.firstSide.Count(io::HID_CMD_BEGIN_SECTION), 0);
      EXPECT_EQ(rig.job.m_nError, firmware::JOB_ERROR_FAILED);
    }
  }
}

}  // namespace
