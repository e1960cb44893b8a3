#include "localization/SettingVocabulary.h"

namespace text {

// clang-format off
const VocabularyRow g_strBasic = {
    "Basic", "Base", "Basic", "Base", "基本", "기본", "Básico", "Basis", "Основные", "基本",
    "Perus"};

const VocabularyRow g_strSpeedDial = {
    "Speed Dial", "Numérotation rapide", "Kurzwahl", "Selezione rapida", "短縮ダイヤル",
    "단축 다이얼", "Marcación rápida", "Snelkiezen", "Быстрый набор", "快速拨号", "Pikavalinta"};

const VocabularyRow g_strFmRadio = {
    "FM Radio", "Radio FM", "UKW-Radio", "Radio FM", "FMラジオ", "FM 라디오", "Radio FM",
    "FM-radio", "FM-радио", "FM 收音机", "FM-radio"};

const VocabularyItems<6> g_strRadioRegions = {{
    {"Worldwide", "Americas", "Asia", "Australia", "Europe", "Japan"},
    {"Monde entier", "Amériques", "Asie", "Australie", "Europe", "Japon"},
    {"Weltweit", "Amerika", "Asien", "Australien", "Europa", "Japan"},
    {"Tutto il mondo", "Americhe", "Asia", "Australia", "Europa", "Giappone"},
    {"全世界", "南北アメリカ", "アジア", "オーストラリア", "ヨーロッパ", "日本"},
    {"전 세계", "아메리카", "아시아", "호주", "유럽", "일본"},
    {"Todo el mundo", "América", "Asia", "Australia", "Europa", "Japón"},
    {"Wereldwijd", "Amerika", "Azië", "Australië", "Europa", "Japan"},
    {"Весь мир", "Америка", "Азия", "Австралия", "Европа", "Япония"},
    {"全球", "美洲", "亚洲", "澳大利亚", "欧洲", "日本"},
    {"Maailmanlaajuinen", "Amerikka", "Aasia", "Australia", "Eurooppa", "Japani"},
}};
// clang-format on

std::string VocabularyText(const VocabularyRow& row, int language) {
  const bool known = language >= 0 && language < kVocabularyLanguages;
  const char* entry = row[static_cast<std::size_t>(known ? language : 0)];
  return entry ? entry : "";
}

}  // namespace text
