#pragma once
// The HID transfer of the products with a second module behind the main device. The main device
// takes its sections as every HID product does and restarts; then it switches the module on, which
// appears as a HID product of its own and takes its section in small chunks, each one and the
// whole checked by CRC on newer modules. Last, the main device is told the voice-prompt language
// that the image's file name stands for.
#include <cstdint>
#include <stop_token>
#include <string_view>

#include "firmware/transfer/HidTransferContext.h"

namespace firmware {

struct DualModuleTiming {
  static constexpr size_t kModuleChunkMax = 58;
  static constexpr int kTotalCrcPasses = 6;
  // A module that keeps refusing one chunk's CRC is not going to take it.
  static constexpr int kChunkSendsMax = 6;
  static constexpr int kFindAttempts = 100;
  static constexpr uint32_t kFindRetryMs = 1000;
  static constexpr uint32_t kAfterModuleOnMs = 6000;
  static constexpr uint32_t kAfterModuleOnAgainMs = 8000;
};

// The device's voice-prompt language code for the language mark of an image's file name; 0
// (English) without a mark.
int PromptLanguageOfImage(std::string_view path);

void UpdateThreadHidDualModule(const HidTransferContext& context, std::stop_token stop);

}  // namespace firmware
