// Language order of every row: English, French, German, Italian, Japanese, Korean, Spanish, Dutch,
// Russian, Chinese, Finnish.
#include "localization/WriteBackTexts.h"

#include "localization/TextRow.h"

namespace text {

namespace {

constexpr TextRow kSettingsNotWritten = {
    "Settings not written to the device",
    "Réglages non écrits dans l'appareil",
    "Einstellungen nicht ins Gerät geschrieben",
    "Impostazioni non scritte sul dispositivo",
    "設定はデバイスに書き込まれていません",
    "설정이 장치에 기록되지 않았습니다",
    "Ajustes no escritos en el dispositivo",
    "Instellingen niet naar apparaat geschreven",
    "Настройки не записаны в устройство",
    "设置未写入设备",
    "Asetuksia ei kirjoitettu laitteeseen",
};

constexpr TextRow kSettingsDiffer = {
    "Settings on the device differ from those written",
    "Les réglages de l'appareil diffèrent de ceux écrits",
    "Einstellungen im Gerät weichen vom Geschriebenen ab",
    "Le impostazioni del dispositivo differiscono da quelle scritte",
    "デバイスの設定が書き込んだ内容と異なります",
    "장치 설정이 기록한 내용과 다릅니다",
    "Los ajustes del dispositivo difieren de los escritos",
    "Instellingen op apparaat wijken af van geschrevene",
    "Настройки в устройстве отличаются от записанных",
    "设备上的设置与写入的不同",
    "Laitteen asetukset poikkeavat kirjoitetuista",
};

}  // namespace

std::string GetSettingsNotWrittenText(int language) { return Pick(kSettingsNotWritten, language); }
std::string GetSettingsDifferText(int language) { return Pick(kSettingsDiffer, language); }

}  // namespace text
