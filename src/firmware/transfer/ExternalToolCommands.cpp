#include "firmware/transfer/ExternalToolCommands.h"

#include <cstdlib>

#include "io/HidInterfaceLookup.h"
#include "io/HidReports.h"
#include "localization/SafeFormat.h"
#include "platform/Paths.h"

namespace firmware {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// A name with a blank must stay one argument when the command line is split.
std::string QuotedIfBlank(const std::string& text) {
  return text.find_first_of(" \t") == std::string::npos ? text : Quoted(text);
}

}  // namespace

ExternalToolNames ConfiguredExternalTools() {
  ExternalToolNames tools{Environment("CORVALE_DFU_TOOL"), Environment("CORVALE_FLASH_LOADER")};
  if (tools.dfuTool.empty()) tools.dfuTool = "HidDfuCmd.exe";
  if (tools.flashLoader.empty()) tools.flashLoader = platform::Paths::Get().ProgramFolder() + "/STMFlashLoader.exe";
  return tools;
}

std::string DfuToolCommandLine(const ExternalToolNames& tools, const std::string& dfuFile) {
  return text::Format("%s upgrade %04x %04x 0 0 %s", QuotedIfBlank(tools.dfuTool), io::HID_VENDOR_ID,
                      io::HID_PAIR_PRODUCT_DFU, Quoted(dfuFile));
}

std::string FlashLoaderCommandLine(const ExternalToolNames& tools, int comPort, const std::string& hexFile) {
  return Quoted(tools.flashLoader) +
         text::Format(" -c --pn %d --br 115200 -i STM32F1_Med-density_128K -e --all -d --a 8000000 --fn ",
                      comPort) +
         Quoted(hexFile);
}

}  // namespace firmware
