#pragma once
// The two flashing tools of the two-module product and their command lines: one flashes a
// Bluetooth module waiting in HID DFU mode, the other the microcontroller over its serial port.
// The tools are not part of this program; where they lie can be configured.
#include <string>

namespace firmware {

struct ExternalToolNames {
  std::string dfuTool;
  std::string flashLoader;
};

// CORVALE_DFU_TOOL and CORVALE_FLASH_LOADER when set; otherwise the DFU tool by its bare name,
// which is looked for beside the program first, and the flash loader beside the program.
ExternalToolNames ConfiguredExternalTools();

// `<dfu tool> upgrade 092b d340 0 0 "<dfuFile>"`: flash the module in DFU mode with that file.
std::string DfuToolCommandLine(const ExternalToolNames& tools, const std::string& dfuFile);
// `"<flash loader>" -c --pn <port> --br 115200 ... --fn "<hexFile>"`.
std::string FlashLoaderCommandLine(const ExternalToolNames& tools, int comPort, const std::string& hexFile);

// What each tool prints when it has done its work.
inline constexpr const char* kDfuToolSuccessText = "upgrade succeeded";
inline constexpr const char* kFlashLoaderSuccessText = "DOWNLOADING";

}  // namespace firmware
