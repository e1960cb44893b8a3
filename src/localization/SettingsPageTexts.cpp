// Language order of every row: English, French, German, Italian, Japanese, Korean, Spanish, Dutch,
// Russian, Chinese, Finnish.
#include "localization/SettingsPageTexts.h"

#include "localization/SafeFormat.h"
#include "localization/SharedTexts.h"
#include "localization/TextRow.h"

namespace text {

namespace {

constexpr TextRow kDefaultButton = {
    "DEFAULT", "DÉFAUT", "STANDARD", "DEFAULT", "初期設定", "기본값",
    "PREDEF.", "STANDAARD", "ПО УМОЛЧ.", "默认", "OLETUS",
};

constexpr TextRow kMoreSettings = {
    "MORE SETTINGS", "PLUS DE PARAMÈTRES", "WEITERE EINSTELLUNGEN", "ALTRE IMPOSTAZIONI", "その他の設定",
    "설정 더보기", "MÁS AJUSTES", "MEER INSTELLINGEN", "ДОПОЛНИТЕЛЬНЫЕ НАСТРОЙКИ", "更多设置",
    "ENEMMÄN ASETUKSIA",
};

constexpr TextRow kOnboardAudioNote = {
    "If you use VKT Bluetooth onboard audio system (e.g. VKT R2479XS/XSN), please disable this option.",
    "Si vous utilisez le système audio embarqué Bluetooth VKT (p. ex. VKT R2479XS/XSN), désactivez cette "
    "option.",
    "Wenn Sie das Bluetooth-Bordaudiosystem von VKT (z. B. VKT R2479XS/XSN) nutzen, deaktivieren Sie diese "
    "Option.",
    "Se usi il sistema audio di bordo Bluetooth VKT (ad es. VKT R2479XS/XSN), disattiva questa opzione.",
    "VKT Bluetooth 車載オーディオシステム（例: VKT R2479XS/XSN）をお使いの場合は、このオプションを無効にしてください。",
    "VKT 블루투스 차량용 오디오 시스템(예: VKT R2479XS/XSN)을 사용하는 경우 이 옵션을 사용 안 함으로 설정하십시오.",
    "Si utiliza el sistema de audio integrado Bluetooth de VKT (p. ej. VKT R2479XS/XSN), desactive esta "
    "opción.",
    "Gebruikt u het Bluetooth-audiosysteem aan boord van VKT (bijv. VKT R2479XS/XSN), schakel deze optie dan "
    "uit.",
    "Если вы используете бортовую аудиосистему Bluetooth VKT (например, VKT R2479XS/XSN), отключите этот "
    "параметр.",
    "如果您使用 VKT 蓝牙车载音响系统（例如 VKT R2479XS/XSN），请禁用此选项。",
    "Jos käytät VKT:n Bluetooth-ajoneuvoäänijärjestelmää (esim. VKT R2479XS/XSN), poista tämä asetus käytöstä.",
};

// One line beside the "..." button that some languages show at its right end.
constexpr TextRow kRestartNote = {
    "NOTE: Changes will be applied after device restarts.",
    "REMARQUE : changements appliqués au redémarrage de l'appareil.",
    "HINWEIS: Änderungen gelten nach dem Neustart des Geräts.",
    "NOTA: le modifiche verranno applicate al riavvio del dispositivo.",
    "注意: 変更はデバイスの再起動後に適用されます。",
    "참고: 변경 사항은 장치를 다시 시작한 후에 적용됩니다.",
    "NOTA: los cambios se aplicarán cuando se reinicie el dispositivo.",
    "LET OP: wijzigingen gelden na een herstart van het apparaat.",
    "ПРИМЕЧАНИЕ: изменения вступят в силу после перезапуска.",
    "注意：更改将在设备重新启动后生效。",
    "HUOM: Muutokset tulevat voimaan, kun laite käynnistyy uudelleen.",
};

}  // namespace

std::string GetDefaultButtonText(int language) { return Pick(kDefaultButton, language); }
std::string GetMoreSettingsText(int language) { return Pick(kMoreSettings, language); }
std::string GetTimeoutRangeText(int language) { return Format("%s (3 ~ 60)", GetSecondsText(language)); }
std::string GetOnboardAudioNoteText(int language) { return Pick(kOnboardAudioNote, language); }
std::string GetRestartNoteText(int language) { return Pick(kRestartNote, language); }

}  // namespace text
