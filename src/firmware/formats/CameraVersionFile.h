#pragma once
// The text file in which a camera tells the version of its camera firmware: "major.minor", perhaps
// spread over lines and followed by more.
#include <optional>
#include <string>
#include <string_view>

namespace firmware {

struct CameraVersion {
  int major = 0;
  int minor = 0;
};

// The lines are joined without separators; major is read from the leading digits before the first
// ".", minor from those between the first and the second; a part without leading digits reads 0
// ("V2.1" is 0.1). Numbers beyond int saturate.
CameraVersion ParseCameraVersionText(std::string_view text);

// The version in the file at `path`; nullopt when it cannot be read or is far larger than any
// version file.
std::optional<CameraVersion> ReadCameraVersionFile(const std::string& path);

}  // namespace firmware
