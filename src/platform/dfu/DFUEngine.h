#pragma once
// The DFU engine: updates the firmware of one BlueCore device over USB in three steps
// (reconfigure, download, manifest) that run on the engine's own thread and report through a
// Callback. The codes it reports are explained in DfuCodes.h.
//
//   engine.CreateUSB(name);  engine.SetCallback(&callback);
//   engine.StartReconfigure(false, true, image);   ... OnDfuComplete(operation 2 or 3)
//   engine.StartDownload(image);                   ... OnDfuComplete(operation 4)
//   engine.StartManifest();                        ... OnDfuComplete(operation 5)
//   engine.Destroy();
#include <memory>

#include "platform/dfu/CStringX.h"
#include "platform/dfu/DfuCodes.h"
#include "platform/dfu/DfuResult.h"

namespace dfu {

class DFUEngine {
 public:
  using ResultCode = DfuResultCode;
  using Result = dfu::Result;

  struct Status {
    int operation = kOperationNone;  // DfuOperation
    Result result;                   // set in a completion
    int activity = kActivityNone;    // DfuActivity, set in a progress report
  };

  // Called on the engine's thread, one report at a time and in order; a step's progress reports
  // all come before its completion. A callback must not call SetCallback or Destroy.
  class Callback {
   public:
    virtual ~Callback() = default;
    virtual void OnDfuNotice(int value, const Status& status) = 0;
    virtual void OnDfuProgress(int value, const Status& status) = 0;
    virtual void OnDfuComplete(int value, const Status& status) = 0;
  };

  DFUEngine();
  ~DFUEngine();  // as Destroy
  DFUEngine(const DFUEngine&) = delete;
  DFUEngine& operator=(const DFUEngine&) = delete;

  // A readable file with a DFU suffix whose CRC matches, holding a BlueCore image.
  static bool IsDFUFileValid(const CStringX& imagePath);
  // Replaces the list with the names of the attached DFU-capable devices; returns their number.
  static int GetUSBDeviceNames(CStringListX& names);

  // Binds the engine to the named device (a binding held before is destroyed first) and starts
  // the engine's thread. Fails for a text that names no device; the device need not be attached.
  Result CreateUSB(const CStringX& name);
  void SetCallback(Callback* callback);

  // Each returns true when its step has started; false when the engine is not bound or a step is
  // still running. `resetOnly` (a reconfigure by USB reset alone) is not offered and is refused;
  // `checkImage` checks the image before the device is touched.
  bool StartReconfigure(bool resetOnly, bool checkImage, const CStringX& imagePath);
  bool StartDownload(const CStringX& imagePath);
  bool StartManifest();

  // Stops a running step (it reports nothing more), joins the engine's thread and releases the
  // binding and the callback.
  void Destroy();

 private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace dfu
