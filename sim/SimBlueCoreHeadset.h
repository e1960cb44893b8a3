#pragma once
// A simulated BlueCore headset on the simulated USB bus.
//
// Application mode (092B:4D21 by default): a Bluetooth HCI interface whose persistent store answers
// BCCMD get and set requests (replies as vendor events on endpoint 0x81, 16-byte packets), and a
// DFU runtime interface that accepts DETACH. DFU mode (the product id with bit 15 set, 092B:CD21):
// the DFU class state machine with a transfer size of 1023 bytes. DETACH and a reset bring it back
// in DFU mode; a finished download and manifest and a reset bring it back in application mode with
// the firmware-version key of the downloaded image (see SimDfuImage.h). A reset in DFU mode before
// an image was manifested brings it back in DFU mode, with no firmware to start.
#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "SimUsbBus.h"

namespace sim {

struct HeadsetProfile {
  uint16_t vendorId = 0x092B;
  uint16_t productId = 0x4D21;  // in application mode; DFU mode adds 0x8000
  bool startInDfuMode = false;
  uint8_t dfuAttributes = 0x03;  // DFU functional descriptor: bit 0 can download, bit 1 can upload
  // Seeds of the persistent store.
  uint16_t modelId = 0x4D21;                                // PSKEY_PRODUCT_ID
  std::array<uint8_t, 4> firmwareVersion = {10, 0, 0, 0};   // PSKEY_FIRMWARE_VERSION, key order
  uint32_t lap = 0x123456;                                  // PSKEY_BDADDR
  uint8_t uap = 0x9A;
  uint16_t nap = 0x78BC;
  std::string name = "Corvale Headset";                     // PSKEY_DEVICE_NAME
  std::map<uint16_t, std::vector<uint8_t>> settings = {     // settings keys, bytes little-endian
      {0x028E, {0x00, 0x01, 0x00, 0x00}},                   // PSKEY_FEATURE_FLAGS: sidetone on
  };
};

class SimBlueCoreHeadset : public SimUsbDevice {
 public:
  explicit SimBlueCoreHeadset(HeadsetProfile profile = {});

  bool InDfuMode();
  // A key as the device stores it (bytes little-endian); nullopt when it has none.
  std::optional<std::vector<uint8_t>> Key(uint16_t key);
  void SetKey(uint16_t key, const std::vector<uint8_t>& bytes);
  // Every key write received (key, bytes little-endian), in order, refused ones included.
  std::vector<std::pair<uint16_t, std::vector<uint8_t>>> KeyWrites();
  // The sequence numbers of the BCCMD commands received, in order.
  std::vector<uint16_t> Sequences();
  // The DFU class requests received (runtime and DFU mode), in order.
  std::vector<uint8_t> DfuRequests();
  // The image received by the last download, as the device got it.
  std::vector<uint8_t> ReceivedImage();

  // How long the device says it is busy after each block and while it programs the image. It
  // refuses (stalls) a status request that comes sooner by the platform clock.
  void SetPollTimeout(uint32_t ms);
  // The poll time-out it reports from now on, whatever it really needs.
  void AnnouncePollTimeout(uint32_t ms);
  // Puts an event on the interrupt endpoint ahead of the next BCCMD reply.
  void InjectEventBeforeReply(std::vector<uint8_t> event);

  // Fault switches.
  void FailKeyRead(uint16_t key, uint16_t status);   // BCCMD get of the key answers `status`
  void FailKeyWrite(uint16_t key, uint16_t status);  // BCCMD set of the key answers `status`
  void DropKeyWrite(uint16_t key);                   // BCCMD set of the key answers OK, stores nothing
  void UnplugAfterBlocks(int blocks);                // leaves the bus after this many DNLOAD blocks
  void StayAwayAfterReset();                         // the next reset takes it off the bus
  void ComeBackLateAfterReset(uint32_t ms);          // ... for this long on the platform clock
  // In DFU mode: dfuERROR as after a transfer broken off, where clearing the status takes it back
  // to dnloadIDLE (the transfer resumable) and only ABORT to dfuIDLE.
  void FailMidDownload();

 private:
  platform::UsbDeviceInfo IdentityLocked() override;
  std::vector<uint8_t> ConfigDescriptorLocked() override;
  int ControlLocked(uint8_t requestType, uint8_t request, uint16_t value, uint16_t index,
                    uint8_t* data, uint16_t length) override;
  int InterruptInLocked(uint8_t endpoint, uint8_t* data, int length) override;
  void ResetLocked() override;
  void OnEnumeratedLocked() override;
  void OnPowerUpLocked() override;

  int HciCommandLocked(const uint8_t* data, uint16_t length);
  int RuntimeRequestLocked(uint8_t request, uint16_t value, uint8_t* data, uint16_t length);
  int DfuRequestLocked(uint8_t request, uint16_t value, uint8_t* data, uint16_t length);
  int DownloadLocked(uint16_t block, const uint8_t* data, uint16_t length);
  int StatusLocked(uint8_t* data, uint16_t length);
  int StallLocked();  // a refused request puts the DFU machine into dfuERROR
  bool BusyLocked();  // a status request before the poll time-out has passed

  uint16_t vendorId_;
  uint16_t productId_;
  bool dfuMode_;
  uint8_t dfuAttributes_;
  std::map<uint16_t, std::vector<uint16_t>> store_;
  std::vector<uint16_t> sequences_;
  std::vector<uint8_t> dfuRequests_;
  std::vector<std::pair<uint16_t, std::vector<uint8_t>>> keyWrites_;
  std::deque<std::vector<uint8_t>> events_;
  std::deque<std::vector<uint8_t>> injected_;
  size_t eventOffset_ = 0;

  uint8_t appState_ = 0;
  uint8_t dfuState_ = 2;
  uint8_t dfuStatus_ = 0;
  uint32_t pollTimeoutMs_ = 0;
  std::optional<uint32_t> announcedPollMs_;
  bool clearResumesDownload_ = false;
  uint32_t busySince_ = 0;
  std::vector<uint8_t> image_;
  uint16_t nextBlock_ = 0;
  int blocksReceived_ = 0;
  bool firmwareValid_ = true;
  std::optional<std::array<uint8_t, 4>> newVersion_;

  std::map<uint16_t, uint16_t> failRead_;
  std::map<uint16_t, uint16_t> failWrite_;
  std::set<uint16_t> dropWrite_;
  int unplugAfterBlocks_ = 0;
  bool stayAwayAfterReset_ = false;
  std::optional<uint32_t> awayAfterResetMs_;
};

}  // namespace sim
