#pragma once
// Why a download from the update server failed. No full stop of their own: callers compose them
// into sentences. Every getter reads a language outside 1 to 10 as English.
#include <string>

namespace text {

std::string GetCannotConnectToServerText(int language);
std::string GetCannotOpenFileText(int language);

}  // namespace text
