// Language order of every row: English, French, German, Italian, Japanese, Korean, Spanish, Dutch,
// Russian, Chinese, Finnish.
#include "localization/MainWindowTexts.h"

#include <algorithm>

#include "device/ProductTraits.h"
#include "localization/MakerAddresses.h"
#include "localization/PageNumbers.h"
#include "localization/SafeFormat.h"
#include "localization/SharedTexts.h"
#include "localization/TextRow.h"

namespace text {

namespace {

// ---- Own captions and menu labels ----

constexpr TextRow kSaveAction = {
    "SAVE",
    "ENREGISTRER",
    "SPEICHERN",
    "SALVA",
    "保存",
    "저장",
    "GUARD.",
    "OPSLAAN",
    "СОХРАНИТЬ",
    "保存",
    "TALLENNA",
};

// Finnish ends in the one-character ellipsis, the others in three full stops.
constexpr TextRow kAboutMenu = {
    "About...",
    "À propos de...",
    "Über...",
    "Info su...",
    "...について",
    "정보...",
    "Acerca...",
    "Over...",
    "О программе...",
    "关于...",
    "Valmistelee\u2026",
};

constexpr TextRow kOnlineHelpMenu = {
    "Online Help",
    "Aide en ligne",
    "Online-Help",
    "Help online",
    "オンラインヘルプ",
    "온라인 도움말",
    "Ayuda en Línea",
    "Online Help",
    "Онлайн-справка",
    "在线帮助",
    "Käyttäjätuki verkossa",
};

constexpr TextRow kDiagnosticLog = {
    "Diagnostic Log",
    "Journal de Diagnostic",
    "Diagnoseprotokoll",
    "Registro Diagnostica",
    "診断ログ",
    "진단 로그",
    "Reg. Diagn.",
    "Diagnostisch logboek",
    "Файл Отчета Для Диагностики",
    "诊断日志",
    "Vianmääritysluettelo",
};

constexpr TextRow kCloseMenu = {
    "Close",
    "Fermer",
    "Schließen",
    "Chiudi",
    "終了",
    "닫기",
    "Cerr.",
    "Afsluiten",
    "Закрыть",
    "关闭",
    "Sulje",
};

// ---- Messages ----

// Filled with the settings page title. Japanese, Chinese and Finnish end in the full-width
// question mark.
constexpr TextRow kSaveChangesPrompt = {
    "Would you like to save %s changes?",
    "Voulez-vous enregistrer les modifications des %s?",
    "Geänderte %s speichern?",
    "Salvare le modifiche alle %s?",
    "%s変更を保存しますか\uFF1F",
    "%s 변경 내용을 저장하시겠습니까?",
    "¿Guardar los cambios en %s?",
    "Wilt u de wijzigingen in de %s opslaan?",
    "Хотите сохранить %s с изменениями?",
    "是否要保存 %s 更改\uFF1F",
    "Haluatko tallentaa muutokset kohdassa %s\uFF1F",
};

constexpr TextRow kPressAndHoldOne = {
    "Press and hold the %s until this message disappears.",
    "Maintenez %s enfoncé jusqu'à ce que ce message disparaisse.",
    "%s gedrückt halten, bis diese Meldung nicht mehr angezeigt wird.",
    "Premere il %s fino alla scomparsa del messaggio.",
    "このメッセージが消えるまで%sを押し続けてください。",
    "이 메시지가 사라질 때까지 %s을 누르십시오.",
    "Pulse %s hasta que desaparezca este mensaje.",
    "Houd de %s ingedrukt totdat dit bericht wordt getoond.",
    "Нажмите и удерживайте %s, пока данное сообщение не исчезнет.",
    "按住 %s，直至此消息消失。",
    "Pidä %s painettuna kunnes tämä viesti katoaa.",
};

constexpr TextRow kPressAndHoldTwo = {
    "Press and hold the %s and %s until this message disappears.",
    "Maintenez %s et %s enfoncés jusqu'à ce que ce message disparaisse.",
    "%s und %s gedrückt halten, bis diese Meldung nicht mehr angezeigt wird.",
    "Premere %s e %s fino alla scomparsa del messaggio.",
    "このメッセージが消えるまで、%sと%sを押し続けてください。",
    "이 메시지가 사라질 때까지 %s 및 %s을 동시에 누르십시오.",
    "Pulse %s y %s hasta que desaparezca este mensaje.",
    "Houd de %s en %s ingedrukt totdat dit bericht wordt weergegeven.",
    "Нажмите и удерживайте %s и %s, пока данное сообщение не исчезнет.",
    "按住 %s 和 %s，直至此消息消失。",
    "Pidä %s ja %s painettuna kunnes tämä viesti katoaa.",
};

// Filled first with the maker's web address, which leaves five "%s" for the restore title (twice),
// the firmware word, the update title and the OK caption. French, German and Spanish point to
// their own language's pages.
constexpr TextRow kBackupFailedPattern = {
    "Creating a backup file for %%s has failed. For %%s, download the previous %%s file from %s, "
    "and update the file manually using the Device Manager's %%s. To continue, click the [%%s] "
    "button below.",
    "La création d'un fichier de sauvegarde pour %%s a échoué. Pour %%s, téléchargez le fichier "
    "%%s précédent sur %s/fr et mettez-le à jour manuellement avec la fonction %%s du Device "
    "Manager. Pour continuer, cliquez sur le bouton [%%s] ci-dessous.",
    "Das Erstellen einer Sicherungsdatei für %%s ist fehlgeschlagen. Laden Sie für %%s die "
    "vorherige %%s-Datei von %s/de herunter und aktualisieren Sie die Datei manuell mit der "
    "Funktion %%s des Device Managers. Klicken Sie zum Fortfahren unten auf die Schaltfläche [%%s].",
    "Impossibile creare un file di backup per %%s. Per %%s, scaricare il file %%s precedente da "
    "%s e aggiornarlo manualmente con la funzione %%s del Device Manager. Per continuare, fare "
    "clic sul pulsante [%%s] qui sotto.",
    "%%s用のバックアップファイルの作成に失敗しました。%%sを行うには、以前の%%sファイルを %s "
    "からダウンロードし、Device Managerの%%sで手動で更新してください。続行するには、下の[%%s]"
    "ボタンをクリックしてください。",
    "%%s용 백업 파일을 만들지 못했습니다. %%s 작업을 하려면 이전 %%s 파일을 %s에서 다운로드한 후 "
    "Device Manager의 %%s 기능으로 파일을 수동 업데이트하십시오. 계속하려면 아래의 [%%s] 버튼을 "
    "클릭하십시오.",
    "No se ha podido crear el archivo de copia de seguridad para %%s. Para %%s, descargue el "
    "archivo de %%s anterior de %s/es y actualícelo manualmente con la función %%s del Device "
    "Manager. Para continuar, haga clic en el botón [%%s] de abajo.",
    "Het maken van een back-upbestand voor %%s is mislukt. Download voor %%s het vorige "
    "%%s-bestand van %s en werk het bestand handmatig bij met de functie %%s van de Device "
    "Manager. Klik op de knop [%%s] hieronder om door te gaan.",
    "Не удалось создать файл резервной копии для операции «%%s». Для операции «%%s» загрузите "
    "предыдущий файл %%s с сайта %s и обновите его вручную с помощью функции «%%s» программы "
    "Device Manager. Чтобы продолжить, нажмите кнопку [%%s] ниже.",
    "为 %%s 创建备份文件失败。要进行 %%s，请下载以前的 %%s 文件（下载地址：%s），然后使用 "
    "Device Manager 的 %%s 功能手动更新该文件。要继续，请单击下方的 [%%s] 按钮。",
    "Varmuuskopiotiedoston luominen toiminnolle %%s epäonnistui. Toimintoa %%s varten lataa "
    "edellinen %%s-tiedosto osoitteesta %s ja päivitä tiedosto manuaalisesti Device Managerin "
    "%%s-toiminnolla. Jatka napsauttamalla alla olevaa [%%s]-painiketta.",
};

// ---- Controls named by the press-and-hold instructions ----

using ControlName = std::string (*)(int language);

struct HoldControls {
  ControlName one;
  ControlName first;
  ControlName second;
};

// The controls named in the update-mode instructions, by the product's kind of controls.
const HoldControls& HoldControlsOf(int deviceTarget) {
  static constexpr HoldControls kPhoneJogDial = {GetPhoneButtonText, GetJogDialText, GetPhoneButtonText};
  static constexpr HoldControls kMinusButton = {GetMinusButtonText, GetPlusButtonText, GetMinusButtonText};
  static constexpr HoldControls kCenterButton = {GetCenterButtonText, GetCenterButtonText, GetPlusButtonText};
  static constexpr HoldControls kMinusOrCenterPlus = {GetMinusButtonText, GetCenterButtonText, GetPlusButtonText};
  static constexpr HoldControls kLeftRight = {GetLeftButtonText, GetLeftButtonText, GetRightButtonText};
  static constexpr HoldControls kPttPairing = {GetPairingButtonText, GetPttButtonText, GetPairingButtonText};
  static constexpr HoldControls kMinusOrJogDial = {GetMinusButtonText, GetJogDialText, GetPhoneButtonText};
  switch (device::UpdateModeControlsOf(deviceTarget)) {
    case device::UpdateModeControls::MinusButton: return kMinusButton;
    case device::UpdateModeControls::CenterButton: return kCenterButton;
    case device::UpdateModeControls::MinusOrCenterPlus: return kMinusOrCenterPlus;
    case device::UpdateModeControls::LeftRight: return kLeftRight;
    case device::UpdateModeControls::PttPairing: return kPttPairing;
    case device::UpdateModeControls::MinusOrJogDial: return kMinusOrJogDial;
    case device::UpdateModeControls::PhoneJogDial: break;
  }
  return kPhoneJogDial;
}

}  // namespace

std::string GetNextButtonText(int language) {
  return Format("%s        >  ", GetNextText(language));
}
std::string GetBackButtonText(int language) {
  return Format("  <       %s", GetBackText(language));
}
std::string GetNewDeviceButtonText(int language) {
  return Format("%s  >  ", GetNewDeviceText(language));
}
std::string GetUpdateShortcutText(int language) {
  return Format("  <  %s", GetPageTitleText(wizard::PAGE_FIRMWARE_UPDATE, language));
}
std::string GetRestoreShortcutText(int language) {
  return Format("%s  >  ", GetPageTitleText(wizard::PAGE_FIRMWARE_RESTORE, language));
}

std::string GetUpdateActionText(int language) { return GetUpdateText(language); }
std::string GetRestoreActionText(int language) { return GetRestoreText(language); }
std::string GetSaveActionText(int language) { return Pick(kSaveAction, language); }

std::string GetAboutMenuText(int language) { return Pick(kAboutMenu, language); }
std::string GetOnlineHelpMenuText(int language) { return Pick(kOnlineHelpMenu, language); }
std::string GetDiagnosticLogText(int language) { return Pick(kDiagnosticLog, language); }
std::string GetCloseMenuText(int language) { return Pick(kCloseMenu, language); }

std::string GetSaveChangesPromptText(int language) {
  return Format(Pick(kSaveChangesPrompt, language), GetPageTitleText(wizard::PAGE_DEVICE_SETTING, language));
}

std::string GetPressAndHoldText(int deviceTarget, int language) {
  const HoldControls& controls = HoldControlsOf(deviceTarget);
  return Format(Pick(kPressAndHoldOne, language), controls.one(language));
}

std::string GetPressAndHoldTwoText(int deviceTarget, int language) {
  const HoldControls& controls = HoldControlsOf(deviceTarget);
  return Format(Pick(kPressAndHoldTwo, language), controls.first(language),
                controls.second(language));
}

std::string GetBackupFailedText(int language) {
  const std::string pattern = Format(Pick(kBackupFailedPattern, language), kMakerWebAddress);
  const std::string restoreTitle = GetPageTitleText(wizard::PAGE_FIRMWARE_RESTORE, language);
  return Format(pattern, restoreTitle, restoreTitle, GetFirmwareWordText(language),
                GetPageTitleText(wizard::PAGE_FIRMWARE_UPDATE, language), GetOkText(language));
}

}  // namespace text
