#pragma once
// The codes the DFU engine reports in DFUEngine::Status and DFUEngine::Result.
//
// A firmware job runs three steps, each started by the caller and ended by one completion:
//   reconfigure  - brings the device into DFU mode. The completion names the route it took:
//                  2 when the device ran its application and was detached and reset into DFU mode,
//                  3 (the alternative route) when it was not found in application mode and the
//                  engine reached it under its DFU identity directly. A reconfigure that cannot
//                  reach the device ends as 3 with result 7 or 28, so that a caller holding a
//                  second engine can try the other device.
//   download     - 4: sends the image block by block and ends it with the end-of-image request.
//   manifest     - 5: lets the device program the image, resets it and waits for it to come back
//                  in application mode.
// Progress reports carry an activity and a value:
//   16 waiting for the device (value: seconds waited); only during a reconfigure, never later,
//   17 device found, 18 image transferred (end of a download), 19 reset issued (manifest),
//   20 transferring (value: percent of the image sent), 21 the device is programming its image.
// Every failure (stall, time-out, device gone, bad file, unexpected DFU state) ends its step with
// a completion whose Result tests false; no step completes successfully unless its work was done.
namespace dfu {

enum DfuOperation : int {
  kOperationNone = 0,
  kOperationReconfigure = 2,
  kOperationReconfigureAlternative = 3,
  kOperationDownload = 4,
  kOperationManifest = 5,
};

enum DfuActivity : int {
  kActivityNone = 0,
  kActivityWaitingForDevice = 16,
  kActivityDeviceFound = 17,
  kActivityImageTransferred = 18,
  kActivityResetIssued = 19,
  kActivityTransferring = 20,
  kActivityManifesting = 21,
};

enum DfuResultCode : int {
  kResultOk = 0,
  kResultFailed = 1,         // a failure none of the codes below describes
  kResultBadFile = 2,        // the image cannot be read or is not a valid DFU file
  kResultStalled = 3,        // the device refused a request
  kResultTimedOut = 4,       // the device did not answer in time
  kResultBadState = 5,       // the device reported an error status or an unexpected state
  kResultCommandFailed = 6,  // a persistent-store command came back with a non-zero status
  kResultNoDevice = 7,       // cannot reach the device: not on the bus, or cannot be opened or claimed
  kResultTooLarge = 8,       // a persistent-store value does not fit in one command
  kResultCancelled = 9,      // the engine was destroyed while the step ran (never reported)
  kResultDeviceLost = 28,    // cannot reach the device: it left the bus or did not come back
};

}  // namespace dfu
