// Rows: the language the names are written in; columns: the language named. Both in the order
// English, French, German, Italian, Japanese, Korean, Spanish, Dutch, Russian, Chinese, Finnish.
#include "localization/LanguageNames.h"

#include <array>
#include <cstddef>

#include "localization/SettingVocabulary.h"
#include "localization/TextRow.h"

namespace text {

namespace {

constexpr std::array<TextRow, kLanguageCount> kLanguageNames = {{
    {"English", "French", "German", "Italian", "Japanese", "Korean", "Spanish", "Dutch",
     "Russian", "Chinese", "Finnish"},
    {"Anglais", "Français", "Allemand", "Italien", "Japonais", "Coréen", "Espagnol",
     "Néerlandais", "Russe", "Chinois", "Finlandais"},
    {"Englisch", "Französisch", "Deutsch", "Italienisch", "Japanisch", "Koreanisch", "Spanisch",
     "Niederländisch", "Russisch", "Chinesisch", "Finnisch"},
    {"Inglese", "Francese", "Tedesco", "Italiano", "Giapponese", "Coreano", "Spagnolo",
     "Olandese", "Russo", "Cinese", "Finlandese"},
    {"英語", "フランス語", "ドイツ語", "イタリア語", "日本語", "韓国語", "スペイン語",
     "オランダ語", "ロシア語", "中国語", "フィンランド語"},
    {"영어", "프랑스어", "독일어", "이탈리아어", "일본어", "한국어", "스페인어", "네덜란드어",
     "러시아어", "중국어", "핀란드어"},
    {"Inglés", "Francés", "Alemán", "Italiano", "Japonés", "Coreano", "Español", "Holandés",
     "Ruso", "Chino", "Finlandés"},
    {"Engels", "Frans", "Duits", "Italiaans", "Japans", "Koreaans", "Spaans", "Nederlands",
     "Russisch", "Chinees", "Fins"},
    {"Английский", "Французский", "Немецкий", "Итальянский", "Японский", "Корейский",
     "Испанский", "Нидерландский", "Русский", "Китайский", "Финский язык"},
    {"英语", "法语", "德语", "意大利语", "日语", "韩语", "西班牙语", "荷兰语", "俄语", "中文",
     "芬兰语"},
    {"Englanti", "Ranska", "Saksa", "Italia", "Japani", "Korea", "Espanja", "Hollanti", "Venäjä",
     "Kiina", "Suomen kieli"},
}};

// The same names re-ordered by the device's language codes; built at compile time, so it is
// ready before any other global is constructed.
constexpr VocabularyItems<kDeviceLanguageCount> InDeviceLanguageOrder(
    const std::array<TextRow, kLanguageCount>& names) {
  VocabularyItems<kDeviceLanguageCount> out{};
  for (std::size_t display = 0; display < out.size(); ++display) {
    for (std::size_t code = 0; code < out[display].size(); ++code) {
      const auto named = static_cast<std::size_t>(kInterfaceLanguageOfDeviceLanguage[code]);
      out[display][code] = names[display][named];
    }
  }
  return out;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// English names are plain ASCII, so a byte-wise ASCII fold is enough.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

}  // namespace

constinit const VocabularyItems<kDeviceLanguageCount> g_strDeviceLanguages =
    InDeviceLanguageOrder(kLanguageNames);

std::string GetLanguageName(int language, int displayLanguage) {
  const auto& row = kLanguageNames[static_cast<std::size_t>(LanguageOrEnglish(displayLanguage))];
  return Pick(row, language);
}

std::string GetLanguageEnglishName(int language) { return GetLanguageName(language, kEnglish); }

std::string GetLocaleName(int language) {
  // Simplified Chinese, as the program's Chinese texts are written.
  constexpr TextRow kLocales = {"en", "fr", "de", "it", "ja", "ko", "es", "nl", "ru", "zh_CN", "fi"};
  return Pick(kLocales, language);
}

int FindLanguageByEnglishName(std::string_view name, bool fallbackToEnglish) {
  for (int language = 0; language < kLanguageCount; ++language) {
    if (EqualsIgnoringAsciiCase(GetLanguageEnglishName(language), name)) return language;
  }
  return fallbackToEnglish ? kEnglish : -1;
}

std::string TranslateLanguageName(std::string_view englishName, int displayLanguage) {
  const int language = FindLanguageByEnglishName(englishName, false);
  if (language < 0) return std::string(englishName);
  return GetLanguageName(language, displayLanguage);
}

}  // namespace text
