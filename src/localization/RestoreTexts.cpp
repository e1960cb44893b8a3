#include "localization/RestoreTexts.h"

#include "localization/TextRow.h"

namespace text {

namespace {

constexpr TextRow kBackupFirmwareInfo = {
    "Backup Firmware Information",
    "Info. micrologiciel de sauvegarde",
    "Backup-Firmware-Infos",
    "Informazioni Backup Firmware",
    "バックアップファームウェア情報",
    "백업 펌웨어 정보",
    "Inform. Firmware Respaldo",
    "Back-up-firmware-informatie",
    "Сведения о Резервной Копии Прошивки",
    "备份固件信息",
    "Laiteohjelmiston varmuuskopion tiedot",
};

}  // namespace

std::string GetBackupFirmwareInfoText(int language) { return Pick(kBackupFirmwareInfo, language); }

}  // namespace text
