#pragma once
// A camera's own firmware travels on its memory card: the camera is asked to present the card to
// the computer, the firmware is written there under the name the camera looks for and read back,
// the card goes back to the camera, which applies the file, and the card's version file must then
// tell the new version before the camera takes the card back for good. Every wait on the camera
// polls its storage status within a bound; every failure tells where it happened.
#include <cstdint>
#include <optional>
#include <string>

#include "device/CameraCardFiles.h"
#include "firmware/formats/FirmwareImageFile.h"

namespace firmware {

class HidTransferRun;

class CameraCardCopy {
 public:
  // The image's section holding the camera firmware; an image without it is no camera image.
  static constexpr size_t kCameraSection = 2;

  // The polls on the camera's storage status, in the order the copy may run them.
  enum class Poll { CardToPc, VersionCurrent, CardBack, CardToPcAgain, AfterApplyOff, AfterApplyOn,
                    CardBackAfterCheck, CardReleased };

  explicit CameraCardCopy(HidTransferRun& run);

  // True for the go-ahead to send the HID sections; false after giving up through the run.
  bool Run();

 private:
  bool FirstScan(bool& sameVersion);
  bool CopyToCard();
  bool CheckUpdate();
  bool RunPoll(Poll poll);
  bool SendStorageCommand(uint8_t command);

  // The first removable drive, in the order the system lists them, holding the version file.
  std::optional<std::string> FindCard() const;
  void DeleteOnCopyCard(const char* name) const;

  bool Fail(const char* tag, bool cameraFailed = false);
  bool FailCheckCard();
  bool Stopped();

  HidTransferRun& m_run;
  const device::CameraCardFiles* m_files;
  const ImageSection* m_section = nullptr;
  // The drive the copy went to: the only one whose final file a failure may delete.
  std::optional<std::string> m_copyRoot;
};

// The camera branch as the HID thread runs it.
bool CopyCameraFirmware(HidTransferRun& run);

}  // namespace firmware
