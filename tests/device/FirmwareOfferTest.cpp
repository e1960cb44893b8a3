// When the server's firmware is newer than the device's, per product form.
#include <gtest/gtest.h>

#include <vector>

#include "device/DeviceSettings.h"
#include "device/FirmwareVersionForms.h"
#include "device/Version.h"

namespace {

struct OfferCase {
  const char* name;
  int target;
  int major, minor, type, sub;  // the device
  int serverMajor, serverMinor, serverType, serverSub;
  bool newer;
};

TEST(FirmwareOfferTest, OffersWhatTheDeviceLacks) {
  constexpr int kHeadset = 0x4D10;
  constexpr int kThirdNumberList = 0x3110;
  constexpr int kCamera = 0x3020;
  const std::vector<OfferCase> cases = {
      {"older major", kHeadset, 10, 0, 0, 0, 11, 0, 0, 0, true},
      {"same release", kHeadset, 11, 0, 0, 0, 11, 0, 0, 0, false},
      {"newer device", kHeadset, 11, 2, 0, 0, 11, 1, 0, 0, false},
      {"4.10 is newer than 4.2", kHeadset, 4, 2, 0, 0, 4, 10, 0, 0, true},
      {"a release candidate is offered its release", kHeadset, 4, 1, 1, 2, 4, 1, 0, 0, true},
      {"a release candidate of a newer version is not", kHeadset, 4, 2, 1, 2, 4, 1, 0, 0, false},
      {"a lower third number", kHeadset, 4, 1, 2, 1, 4, 1, 0, 3, true},
      {"the same third number", kHeadset, 4, 1, 2, 3, 4, 1, 0, 3, false},
      {"third-number lists: release against a sub-number", kThirdNumberList, 4, 1, 0, 0, 4, 1, 0, 1, true},
      {"third-number lists: release against none", kThirdNumberList, 4, 1, 0, 0, 4, 1, 0, 0, false},
      {"third-number lists: higher third number on the device", kThirdNumberList, 4, 1, 2, 5, 4, 1, 0, 3, false},
      {"four numbers compare type first", kCamera, 9, 9, 1, 2, 0, 0, 1, 3, true},
      {"four numbers, equal", kCamera, 3, 4, 1, 2, 3, 4, 1, 2, false},
  };
  for (const OfferCase& c : cases) {
    SCOPED_TRACE(c.name);
    device::CDeviceSettings dev;
    dev.m_nProductId = c.target;
    dev.m_nVersionMajor = c.major;
    dev.m_nVersionMinor = c.minor;
    dev.m_nSecondaryVersionType = c.type;
    dev.m_nSecondaryVersion = c.sub;
    EXPECT_EQ(device::IsServerVersionNewer(dev, c.target, c.serverMajor, c.serverMinor, c.serverType, c.serverSub),
              c.newer);
  }
}

}  // namespace
