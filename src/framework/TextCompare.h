#pragma once
// Comparing texts the way a user reads them.
#include <string>

namespace fw {

// True when the two UTF-8 texts are equal ignoring case (in every script that has case).
bool EqualsIgnoringCase(const std::string& a, const std::string& b);

}  // namespace fw
