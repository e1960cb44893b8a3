#pragma once
// The files a camera product keeps at the top of its memory card for a firmware update: the file
// that tells its camera firmware version, the name the new firmware is written under, and the
// name the camera looks for when it takes the card back.
namespace device {

struct CameraCardFiles {
  int productId;
  const char* versionFile;    // relative to the card's root; may lie in a folder
  const char* temporaryName;  // written first, so the camera never sees half a file
  const char* finalName;      // what the camera applies
  bool extraStorageCycle;     // after applying, the card is taken back and presented once more
};

// nullptr for a product that takes no camera firmware on its card.
const CameraCardFiles* FindCameraCardFiles(int productId);

}  // namespace device
