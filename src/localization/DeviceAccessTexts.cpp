// Language order of every row: English, French, German, Italian, Japanese, Korean, Spanish, Dutch,
// Russian, Chinese, Finnish.
#include "localization/DeviceAccessTexts.h"

#include "localization/TextRow.h"

namespace text {

namespace {

constexpr TextRow kNoPermission = {
    "No permission to open the headset. Install the udev rule (see README)",
    "Pas d'autorisation d'ouvrir le casque. Installez la règle udev (voir README)",
    "Keine Berechtigung für das Headset. Installieren Sie die udev-Regel (siehe README)",
    "Nessuna autorizzazione ad aprire la cuffia. Installare la regola udev (vedere README)",
    "ヘッドセットを開く権限がありません。udevルールをインストールしてください（README参照）",
    "헤드셋을 열 권한이 없습니다. udev 규칙을 설치하십시오(README 참조)",
    "Sin permiso para abrir los auriculares. Instale la regla udev (consulte README)",
    "Geen toestemming om de headset te openen. Installeer de udev-regel (zie README)",
    "Нет доступа к гарнитуре. Установите правило udev (см. README)",
    "无权打开耳机。请安装 udev 规则（参见 README）",
    "Ei oikeutta avata kuuloketta. Asenna udev-sääntö (katso README)",
};

constexpr TextRow kDeviceBusy = {
    "The headset is in use by another program",
    "Le casque est utilisé par un autre programme",
    "Das Headset wird von einem anderen Programm verwendet",
    "La cuffia è utilizzata da un altro programma",
    "ヘッドセットは別のプログラムで使用中です",
    "다른 프로그램이 헤드셋을 사용 중입니다",
    "Otro programa está usando los auriculares",
    "De headset wordt door een ander programma gebruikt",
    "Гарнитура используется другой программой",
    "耳机正被其他程序使用",
    "Toinen ohjelma käyttää kuuloketta",
};

}  // namespace

std::string GetNoPermissionText(int language) { return Pick(kNoPermission, language); }
std::string GetDeviceBusyText(int language) { return Pick(kDeviceBusy, language); }

}  // namespace text
