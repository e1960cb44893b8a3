#pragma once
// The recognition run of page 2 (CDialogDeviceRecognition::RecognizeDevice): shows that it works,
// keeps the window busy, asks whether one of the maker's HID interfaces is attached and otherwise
// takes the DFU path, then reports the result through the window. Runs on the UI thread.
namespace device {
class CDeviceSettings;
}

namespace pages {

class CDialogDeviceRecognition;

namespace recognition {
// The recognition page's timer that polls for the HID pair product; a finished run stops it.
inline constexpr unsigned kHidPairPollTimer = 2000;
}  // namespace recognition

// `page` must sit in a main window; without one nothing is found. `toWrite`, when given, is
// written to the device before its settings are read; the message boxes of the provisioning and
// interface-count results appear only when `interactive`. Returns a RecognizeResult.
int RunRecognition(CDialogDeviceRecognition& page, device::CDeviceSettings* toWrite, bool interactive);

}  // namespace pages
