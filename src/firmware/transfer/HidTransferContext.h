#pragma once
// Everything a HID transfer thread needs, handed over when it starts, so that it touches no window
// and no page: the job it reports through, the open vendor interfaces, the user's OK flag and the
// few page actions it asks for. The hooks run on the transfer thread: an action that belongs to the
// UI thread (arming a timer, a page field) must post itself there.
#include <atomic>
#include <functional>
#include <string>

#include "firmware/update/FirmwareJob.h"
#include "io/HidChannel.h"
#include "platform/HidBus.h"

namespace firmware {

struct HidTransferHooks {
  // Writes the settings archive of the attached device; true when it was written.
  std::function<bool()> writeSettingsArchive;
  // The archive failed and the thread waits for the user's OK, its flag already set: the window
  // shows the job waiting for the user, whose box asks for it.
  std::function<void()> askForOk;
  // The transfer begins: the page restarts its progress estimate for the step.
  std::function<void()> transferStarted;
  // The device restarts with the new image: arm the device-back timer unless it is armed.
  std::function<void()> armDeviceBackTimer;
  // The thread gave up: no automatic update follows.
  std::function<void()> gaveUp;
};

struct HidTransferContext {
  CFirmwareJob& job;
  std::string imagePath;
  int page = 3;  // 3 update, 4 restore
  int usbStatus = 0;
  int deviceTarget = 0;
  // The first and second vendor interface, owned by the caller and kept open while the thread runs.
  platform::HidDevice* first = nullptr;
  platform::HidDevice* second = nullptr;
  // Set by the thread when the archive failed (before it asks the window for the box), cleared by
  // the OK of the box that says so.
  std::atomic<bool>& waitForUserOk;
  HidTransferHooks hooks;
  io::HidExchangeLimits limits;
};

}  // namespace firmware
