#pragma once
// Model names of every named product id: the display form that texts show and the file-name
// form that file names, server-list keys and archive names use.
#include <span>
#include <string>

namespace device {

struct ModelName {
  int productId;
  const char* display;
  const char* fileName;  // nullptr: the same as the display form
};

// Empty for an id without a name.
std::string GetModelName(int productId, bool fileNameForm);

std::span<const ModelName> ModelNameTable();

}  // namespace device
