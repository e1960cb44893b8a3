#pragma once
// The maker's addresses that the program's texts quote and its mail links open. The web address
// starts with "www." so that the recognition page's link edit makes it a link.

namespace text {

inline constexpr const char* kMakerWebAddress = "www.zelto.com";
inline constexpr const char* kSupportMailAddress = "support@zelto.com";
// The online help's folder on the maker's web server; the help's pages lie below it.
inline constexpr const char* kOnlineHelpFolder = "https://www.zelto.com/manager-help/";

}  // namespace text
