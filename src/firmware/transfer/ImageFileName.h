#pragma once
// What some products read from an image's file name: the name may end in a language mark, a dash
// or an underscore and a two-letter code among its last three characters, before the ".img"
// extension; the version stands in the rest.
#include <optional>
#include <string_view>

namespace firmware {

struct ImageFileName {
  std::string_view stem;  // without folder, extension and language mark
  std::optional<std::string_view> languageCode;
};

// Views into `path`, which must outlive the result.
ImageFileName SplitImageFileName(std::string_view path);

}  // namespace firmware
