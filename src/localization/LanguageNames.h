#pragma once
// The eleven interface languages by name: as the language dialog shows them, as the settings file
// stores them (English names), and as the firmware pages translate the server's English names.
#include <string>
#include <string_view>

namespace text {

// The name of `language` written in `displayLanguage`; each index outside 1 to 10 reads as English.
std::string GetLanguageName(int language, int displayLanguage);

// The name of `language` in English, the form the settings file stores.
std::string GetLanguageEnglishName(int language);

// The index 0 to 10 whose English name equals `name` ignoring case; when none does, 0 if
// `fallbackToEnglish`, else -1. Names written in other languages are not recognised.
int FindLanguageByEnglishName(std::string_view name, bool fallbackToEnglish);

// The locale name of `language` as the toolkit names its own translations ("de", "zh_CN"); "en"
// for English and for each index outside 1 to 10.
std::string GetLocaleName(int language);

// The language named `englishName` written in `displayLanguage`; any other text comes back as is.
std::string TranslateLanguageName(std::string_view englishName, int displayLanguage);

}  // namespace text
