#include "io/HidDfuEngine.h"

namespace io {

namespace {

struct ErrorText {
  int code;
  const char* text;
};

constexpr ErrorText kErrorTexts[] = {
    {HID_DFU_OK, ""},
    {HID_DFU_INVALID_SEQUENCE, "Invalid sequence (hidDfuConnect must be called first)"},
    {HID_DFU_CONNECT_FAILED, "Failed to connect to device"},
    {HID_DFU_FILE_OPEN_FAILED, "Failed to open file"},
    {HID_DFU_FILE_WRITE_FAILED, "Failed to write to file"},
    {HID_DFU_FILE_FORMAT_INVALID, "File format is invalid"},
    {HID_DFU_FILE_CRC_INCORRECT, "File CRC is incorrect"},
    {HID_DFU_FILE_READ_FAILED, "File read failed"},
    {HID_DFU_UPGRADE_FAILED, "Upgrade failed"},
    {HID_DFU_RESET_FAILED, "Device reset failed"},
    {HID_DFU_OUT_OF_MEMORY, "Out of memory"},
    {HID_DFU_INVALID_PARAMETER, "Invalid parameter"},
    {HID_DFU_DRIVER_FAILED, "Driver operation failed"},
    {HID_DFU_START_FAILED, "Operation failed to start"},
    {HID_DFU_BUSY, "Busy, operation in progress"},
    {HID_DFU_CLEAR_STATUS_FAILED, "Failed to clear device status"},
    {HID_DFU_FIRMWARE_CORRUPT, "Device firmware is corrupt"},
    {HID_DFU_UNKNOWN, "Unknown error"},
};

}  // namespace

int CHidDfuEngine::Close() {
  if (IsRunning()) return SetError(HID_DFU_BUSY);
  device_.reset();
  return HID_DFU_OK;
}

int CHidDfuEngine::SetError(int code) {
  const char* text = "Unknown error code";
  for (const ErrorText& entry : kErrorTexts) {
    if (entry.code == code) text = entry.text;
  }
  std::lock_guard<std::mutex> hold(errorLock_);
  lastError_ = text;
  return code;
}

std::string CHidDfuEngine::LastError() const {
  std::lock_guard<std::mutex> hold(errorLock_);
  return lastError_;
}

bool CHidDfuEngine::StartThread(Callback callback) {
  if (!callback) return false;
  return worker_.Start([this, callback](std::stop_token) { (this->*callback)(); });
}

}  // namespace io
