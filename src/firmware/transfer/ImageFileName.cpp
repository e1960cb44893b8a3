#include "firmware/transfer/ImageFileName.h"

namespace firmware {

ImageFileName SplitImageFileName(std::string_view path) {
  std::string_view name = path;
  const size_t slash = name.find_last_of("/\\");
  if (slash != std::string_view::npos) name.remove_prefix(slash + 1);
  // Trailing extension letters go as a set, so "x.img.img" and "x.gmi" lose them all alike.
  while (!name.empty() && std::string_view(".img").find(name.back()) != std::string_view::npos) name.remove_suffix(1);
  const std::string_view tail = name.substr(name.size() < 3 ? 0 : name.size() - 3);
  for (const char mark : {'-', '_'}) {
    if (tail.find(mark) == std::string_view::npos) continue;
    const size_t at = name.rfind(mark);
    return {name.substr(0, at), name.substr(at + 1)};
  }
  return {name, std::nullopt};
}

}  // namespace firmware
