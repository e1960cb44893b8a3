#pragma once
// Why an attached headset could not be used: the reasons that replace "Cannot open USB" when the
// headset is there but this user may not open it, or another program holds it.
#include <string>

namespace text {

std::string GetNoPermissionText(int language);
std::string GetDeviceBusyText(int language);

}  // namespace text
