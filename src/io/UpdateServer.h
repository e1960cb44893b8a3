#pragma once
// Where the update server keeps its lists, firmware images and the program's installers: every
// address is this base followed by a name.
#include <string>

namespace io {

inline constexpr const char* kUpdateServerBase = "https://update.corvale.example/zovozezevozovazizeriv/";

inline std::string UpdateServerAddress(const std::string& name) { return kUpdateServerBase + name; }

}  // namespace io
