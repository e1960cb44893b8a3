#pragma once
// Engine for firmware download to a HID DFU device: its device handle, its thread and the codes
// and texts of its errors. Connecting and downloading are not part of it yet.
#include <memory>
#include <mutex>
#include <string>

#include "io/Worker.h"
#include "platform/HidBus.h"

namespace io {

enum HidDfuError : int {
  HID_DFU_OK = 0,
  HID_DFU_INVALID_SEQUENCE = -1,
  HID_DFU_CONNECT_FAILED = -2,
  HID_DFU_FILE_OPEN_FAILED = -3,
  HID_DFU_FILE_WRITE_FAILED = -4,
  HID_DFU_FILE_FORMAT_INVALID = -5,
  HID_DFU_FILE_CRC_INCORRECT = -6,
  HID_DFU_FILE_READ_FAILED = -7,
  HID_DFU_UPGRADE_FAILED = -8,
  HID_DFU_RESET_FAILED = -9,
  HID_DFU_OUT_OF_MEMORY = -10,
  HID_DFU_INVALID_PARAMETER = -11,
  HID_DFU_DRIVER_FAILED = -12,
  HID_DFU_START_FAILED = -13,
  HID_DFU_BUSY = -14,
  HID_DFU_CLEAR_STATUS_FAILED = -15,
  HID_DFU_FIRMWARE_CORRUPT = -16,
  HID_DFU_UNKNOWN = -20,
};

class CHidDfuEngine {
 public:
  using Callback = void (CHidDfuEngine::*)();

  CHidDfuEngine() = default;
  virtual ~CHidDfuEngine() = default;

  // Releases the device; HID_DFU_BUSY (and the device kept) while the thread runs.
  int Close();
  // Makes `code`'s text the last error ("Unknown error code" for a code without one); returns code.
  int SetError(int code);
  std::string LastError() const;
  bool IsDeviceOpen() const { return device_ != nullptr; }

  bool IsRunning() const { return worker_.IsRunning(); }
  bool KeepRunning() const { return worker_.KeepRunning(); }
  // Asks the thread to stop and waits up to `ms`; false when it still runs.
  bool Stop(unsigned ms) { return worker_.Stop(ms); }

 protected:
  // Runs `callback` on the engine's thread; false while an earlier one still runs.
  bool StartThread(Callback callback);

 private:
  std::unique_ptr<platform::HidDevice> device_;
  mutable std::mutex errorLock_;
  std::string lastError_;
  Worker worker_;  // last: its thread ends before the members it uses go
};

}  // namespace io
