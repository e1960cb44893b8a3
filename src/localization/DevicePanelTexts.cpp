// Language order of every row: English, French, German, Italian, Japanese, Korean, Spanish, Dutch,
// Russian, Chinese, Finnish.
#include "localization/DevicePanelTexts.h"

#include "localization/TextRow.h"

namespace text {

namespace {

constexpr TextRow g_strNoDevice = {
    "NO Device", "AUCUN appareil", "KEIN Gerät", "NESSUN dispositivo", "デバイスが", "장치 인식",
    "Ningún Disp.", "GEEN apparaat", "НЕТ Устройства", "无设备", "",
};

constexpr TextRow g_strRecognized = {
    "Recognized", "reconnu", "gefunden", "Riconosciuto", "ありません", "안됨",
    "recon.", "Herkend", "Опознан", "已识别", "",
};

constexpr TextRow g_strFirmwareLine = {
    "Firmware", "Gestion", "Firmware-", "Gestione", "ファームウェア", "펌웨어",
    "Gestión", "Firmware", "Прошивка", "固件", "",
};

constexpr TextRow g_strManagementLine = {
    "Management", "du micrologiciel", "Management", "Firmware", "管理", "관리",
    "firmware", "Beheer", "Управление", "管理", "",
};

}  // namespace

PanelLines GetNoDevicePanelLines(int language) {
  return {PickOrEnglish(g_strNoDevice, language), PickOrEnglish(g_strRecognized, language)};
}

PanelLines GetFirmwareManagementPanelLines(int language) {
  return {PickOrEnglish(g_strFirmwareLine, language), PickOrEnglish(g_strManagementLine, language)};
}

}  // namespace text
