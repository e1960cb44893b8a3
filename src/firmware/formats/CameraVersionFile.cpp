#include "firmware/formats/CameraVersionFile.h"

#include <climits>

#include "io/AtomicFile.h"

namespace firmware {

namespace {

constexpr size_t kMaxVersionFileBytes = 64 * 1024;

int LeadingDigits(std::string_view text) {
  long long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > INT_MAX) return INT_MAX;
  }
  return static_cast<int>(value);
}

}  // namespace

CameraVersion ParseCameraVersionText(std::string_view text) {
  std::string joined;
  joined.reserve(text.size());
  for (const char c : text) {
    if (c != '\n' && c != '\r') joined.push_back(c);
  }
  const std::string_view all(joined);
  const size_t firstDot = all.find('.');
  CameraVersion version;
  version.major = LeadingDigits(all.substr(0, firstDot));
  if (firstDot != std::string_view::npos) {
    const std::string_view rest = all.substr(firstDot + 1);
    version.minor = LeadingDigits(rest.substr(0, rest.find('.')));
  }
  return version;
}

std::optional<CameraVersion> ReadCameraVersionFile(const std::string& path) {
  const std::optional<std::string> text = io::ReadWholeFile(path, kMaxVersionFileBytes);
  if (!text) return std::nullopt;
  return ParseCameraVersionText(*text);
}

}  // namespace firmware
