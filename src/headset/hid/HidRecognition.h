#pragma once
// The HID branch of recognition: the identity of a device of the maker's HID families (name,
// firmware versions of one or two interfaces, Bluetooth address, hardware version) read with
// vendor reports into the record, the settings exchanged, and the settings pages chosen. Every
// failed exchange is replaced by the product's default, so the branch always recognises.
#include <cstdint>
#include <functional>
#include <memory>

#include "device/DeviceSettings.h"
#include "headset/RecognitionStates.h"
#include "headset/WriteBackResult.h"
#include "headset/hid/HidRequests.h"
#include "platform/HidBus.h"

namespace headset::hid {

// The most one run of the branch may take; a device that does not answer ends it sooner.
inline constexpr uint32_t kHidRecognitionBudgetMs = 4000;

// Opens what the target talks through when the handles are not open yet: both modules of the
// pair product, else the first and (for the dual-interface family) the second vendor collection
// of the target's own product. A handle already open is kept.
void OpenHidInterfacesFor(int target, std::unique_ptr<platform::HidDevice>& first,
                          std::unique_ptr<platform::HidDevice>& second);

// How the branch waits for the module of a module product to start (6 s, then tries a second
// apart): the window's caller passes a wait that keeps the window answering. Empty: a sleep on the
// platform clock.
using ModuleWait = std::function<void(uint32_t ms)>;

// Runs the branch for `slots.deviceTarget` and leaves the device recognised; `toWrite`, when
// given, is written to the device before its settings are read, and `writeBack`, when given,
// says whether the device took all of it. The target is never changed.
void RecognizeOverHidChannel(const RecognitionSlots& slots, HidHandles handles,
                             const device::CDeviceSettings* toWrite, WriteBack* writeBack = nullptr,
                             const ModuleWait& wait = {});

}  // namespace headset::hid
