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
const VocabularyRow g_strDate = {
    "Date", "Date", "Datum", "Data", "日付", "날짜", "Fecha", "Datum", "Дата", "日期",
    "Päivämäärä"};

const VocabularyRow g_strRadioRegion = {
    "Radio Region", "Région radio", "Radioregion", "Regione radio", "ラジオ地域", "라디오 지역",
    "Región de radio", "Radioregio", "Регион радио", "收音机区域", "Radioalue"};

const VocabularyRow g_strRegion = {
    "Region", "Région", "Region", "Regione", "地域", "지역", "Región", "Regio", "Регион", "区域",
    "Alue"};

const VocabularyRow g_strFmRadioPresets = {
    "FM Radio Presets", "Présélections radio FM", "UKW-Senderspeicher", "Preselezioni radio FM",
    "FMラジオプリセット", "FM 라디오 프리셋", "Presintonías de radio FM", "FM-radiovoorkeuzes",
    "Предустановки FM-радио", "FM 收音机预设", "FM-radion esivalinnat"};

const VocabularyRow g_strRdsAlternativeFrequencies = {
    "RDS AF (Alternative Frequencies)", "RDS AF (Fréquences alternatives)",
    "RDS AF (Alternativfrequenzen)", "RDS AF (Frequenze alternative)", "RDS AF（代替周波数）",
    "RDS AF (대체 주파수)", "RDS AF (Frecuencias alternativas)",
    "RDS AF (Alternatieve frequenties)", "RDS AF (Альтернативные ч...", "RDS AF（替代频率）",
    "RDS AF (Vaihtoehtoiset taajuudet)"};

const VocabularyRow g_strEmpty = {
    "Empty", "Vide", "Leer", "Vuoto", "空き", "비어 있음", "Vacío", "Leeg", "Пусто", "空",
    "Tyhjä"};
// clang-format on

std::string VocabularyText(const VocabularyRow& row, int language) {
  const bool known = language >= 0 && language < kVocabularyLanguages;
  const char* entry = row[static_cast<std::size_t>(known ? language : 0)];
  return entry ? entry : "";
}

}  // namespace text
