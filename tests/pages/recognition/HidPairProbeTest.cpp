// The pair probe, its poll on the recognition page and the hardware variant query, against
// simulated interfaces on a real main window.
#include <gtest/gtest.h>

#include "app/MainWindowFixture.h"
#include "headset/RecognitionRig.h"
#include "headset/hid/HidPairProbe.h"
#include "headset/hid/SimHidHeadset.h"
#include "io/HidChannel.h"
#include "pages/recognition/RecognitionEngine.h"

namespace {

using recogtest::SimHidHeadset;

class HidPairProbeTest : public testing_app::MainWindowTest {
 protected:
  recogtest::Rig rig;
};

TEST_F(HidPairProbeTest, OneInterfaceAloneIsNoPairButStaysOpen) {
  SimHidHeadset one;
  one.version = {2, 3, 9, 4, 5};
  one.AttachTo(rig.hid, 0x5345);
  app::CUpdaterDlg& w = StartWithEveryPage();
  EXPECT_FALSE(w.m_dlgDeviceRecognition.ProbeHidPair(1, 0, 0));
  EXPECT_TRUE(w.m_hHidDevice);
  EXPECT_FALSE(w.m_hHidDeviceSecond);
  EXPECT_EQ(w.m_deviceSettings.m_anHidVersion1, (std::array<int, 5>{2, 3, 2, 9, 4}));
  EXPECT_EQ(w.m_deviceSettings.m_nVersionMinor, 3);
  EXPECT_EQ(one.Count(io::HID_CMD_MODULE_NORMAL, 0), 1);
}

TEST_F(HidPairProbeTest, AModuleInDfuModeCompletesThePairWithTheDefaultVersion) {
  SimHidHeadset one;
  SimHidHeadset dfu;
  rig.hid.Add(io::HID_VENDOR_ID, 0x4210);
  one.AttachTo(rig.hid, 0x5345);
  dfu.AttachTo(rig.hid, 0xD340);
  app::CUpdaterDlg& w = StartWithEveryPage();
  EXPECT_TRUE(w.m_dlgDeviceRecognition.ProbeHidPair(1, 0, 0));
  EXPECT_TRUE(w.m_hHidDevice && w.m_hHidDeviceSecond);
  EXPECT_EQ(w.m_deviceSettings.m_anHidVersion2, (std::array<int, 5>{1, 0, 2, 0, 0}));
  EXPECT_TRUE(dfu.log.empty()) << "a module in DFU mode is not asked";
}

TEST_F(HidPairProbeTest, PollReArmsUntilThePairIsThereAndLeavesNoHandleOpen) {
  SimHidHeadset one;
  one.AttachTo(rig.hid, 0x5345);
  app::CUpdaterDlg& w = StartWithEveryPage();
  auto& page = w.m_dlgDeviceRecognition;
  page.m_nHidPollTimer = pages::recognition::kHidPairPollTimer;
  page.SetTimer(pages::recognition::kHidPairPollTimer, 500);

  ASSERT_TRUE(page.FireTimer(pages::recognition::kHidPairPollTimer));
  EXPECT_EQ(page.TimerInterval(pages::recognition::kHidPairPollTimer), 500u);
  EXPECT_EQ(page.m_nHidPollTimer, pages::recognition::kHidPairPollTimer);
  EXPECT_FALSE(w.m_hHidDevice);

  SimHidHeadset two;
  two.version = {3, 1, 0, 0, 0};
  two.AttachTo(rig.hid, 0x5346);
  ASSERT_TRUE(page.FireTimer(pages::recognition::kHidPairPollTimer));
  EXPECT_FALSE(page.IsTimerArmed(pages::recognition::kHidPairPollTimer));
  EXPECT_EQ(page.m_nHidPollTimer, 0u);
  EXPECT_FALSE(w.m_hHidDevice || w.m_hHidDeviceSecond);
  EXPECT_EQ(w.m_deviceSettings.m_anHidVersion2[0], 3) << "the versions the probe read stay";
}

TEST_F(HidPairProbeTest, VariantIsAskedTwiceThenGivesUp) {
  int asked = 0;
  rig.hid.Add(io::HID_VENDOR_ID, 0x4210, 0xFF00, 1, [&asked](const std::vector<uint8_t>&) {
    std::vector<uint8_t> reply(io::HID_REPORT_IN_SIZE, 0);
    reply[0] = io::HID_REPORT_ID;
    reply[io::HID_REPLY_STATUS] = ++asked == 1 ? 2 : io::HID_STATUS_OK;
    reply[4] = 1;
    reply[5] = 0x00;
    reply[6] = 0x1B;
    return reply;
  });
  auto device = io::OpenHidDevice(0x4210);
  EXPECT_EQ(headset::hid::QueryHardwareVariant(device.get()), 27);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(headset::hid::QueryHardwareVariant(nullptr), 0);
}

}  // namespace
