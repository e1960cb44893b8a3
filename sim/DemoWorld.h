#pragma once
// The world the demo build runs in, shared with the benchmark that times the demo's flows: a
// simulated headset (092B:4D21 at firmware 1.0) on the simulated USB bus, busy for a moment after
// each block as a real one is, so that an update takes seconds; and an update server whose program
// list offers nothing newer, whose firmware list offers 1.1 for the headset and whose revision
// list offers its current firmware, which RESTORE on page 4 puts back after an update.
#include <memory>
#include <string>
#include <vector>

#include "SimBlueCoreHeadset.h"
#include "SimDfuImage.h"
#include "SimHidBus.h"
#include "SimUpdateServer.h"
#include "SimUsbBus.h"
#include "firmware/restore/DialogFirmwareRestore.h"
#include "firmware/update/DialogFirmwareUpdate.h"
#include "pages/recognition/ProgramUpdateCheck.h"

namespace sim {

inline constexpr const char* kDemoImageName = "VKT_TQG27N_v1.1.img";
inline constexpr const char* kDemoRestoreImageName = "VKT_TQG27N_v1.0.img";
inline const std::string kDemoFirmwareList = std::string("VKT_TQG27N: v1.1 : ") + kDemoImageName + "\n";
inline const std::string kDemoRevisionsList = std::string("VKT_TQG27N: v1.0 : ") + kDemoRestoreImageName + "\n";

// The image the server serves for `version` (10: 1.0, 11: 1.1), tagged for the headset's model.
inline std::vector<uint8_t> DemoImage(uint8_t version) {
  SimImageSpec spec;
  spec.description = "VKT_TQG27N#4D21";
  spec.version = {version, 0, 0, 0};
  spec.imageBytes = 256 * 1024;
  return MakeDfuFile(spec);
}

// The demo's headset, attached to `usb` at port 1-2.
inline std::shared_ptr<SimBlueCoreHeadset> AttachDemoHeadset(SimUsbBus& usb) {
  HeadsetProfile profile;
  profile.productId = 0x4D21;
  profile.modelId = 0x4D21;
  profile.firmwareVersion = {10, 0, 0, 0};
  profile.lap = 0x2A51C3;
  profile.uap = 0x5E;
  profile.nap = 0x0017;
  profile.name = "Corvale Headset";
  auto headset = std::make_shared<SimBlueCoreHeadset>(profile);
  headset->SetPollTimeout(20);
  usb.Attach("1-2", headset);
  return headset;
}

inline void ServeDemoLists(SimUpdateServer& server) {
  const std::string program(pages::kProgramKey);
  server.Serve(pages::kSoftwareListName, program + ": v1.0 : setup.exe\n" + program + ":0\n");
  server.Serve(firmware::kFirmwareListName, kDemoFirmwareList);
  server.Serve(firmware::kRevisionsListName, kDemoRevisionsList);
  // Made when asked for: they are not part of what the program holds at start-up.
  for (const auto& [name, version] : {std::pair{kDemoImageName, 11}, std::pair{kDemoRestoreImageName, 10}}) {
    server.Serve(name, [version = static_cast<uint8_t>(version)] {
      const std::vector<uint8_t> image = DemoImage(version);
      return std::string(image.begin(), image.end());
    });
  }
}

// The demo's buses (no vendor HID devices) and server, installed for the object's lifetime.
class DemoWorld {
 public:
  DemoWorld() { ServeDemoLists(server); }
  DemoWorld(const DemoWorld&) = delete;
  DemoWorld& operator=(const DemoWorld&) = delete;

  SimUsbBus usb;
  const std::shared_ptr<SimBlueCoreHeadset> headset = AttachDemoHeadset(usb);
  SimHidBus hid;
  SimUpdateServer server;

 private:
  platform::UsbBus::Scoped useUsb_{usb};
  platform::HidBus::Scoped useHid_{hid};
  platform::Http::Scoped useServer_{server};
};

}  // namespace sim
