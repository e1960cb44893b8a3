// Language order of every row: English, French, German, Italian, Japanese, Korean, Spanish, Dutch,
// Russian, Chinese, Finnish.
#include "localization/FirmwareTexts.h"

#include <array>
#include <string_view>
#include <utility>

#include "device/ModelNames.h"
#include "localization/SafeFormat.h"
#include "localization/SharedTexts.h"
#include "localization/TextRow.h"

namespace text {

namespace {

constexpr TextRow kNoBackupFirmware = {
    "NO backup firmware",
    "AUCUN firmware de sauvegarde",
    "KEINE Sicherungs-Firmware",
    "NESSUN firmware di backup",
    "バックアップファームウェアがありません",
    "백업 펌웨어 없음",
    "NO hay firmware de respaldo",
    "GEEN back-upfirmware",
    "НЕТ резервной прошивки",
    "无备份固件",
    "EI varmuuskopiolaiteohjelmistoa",
};

constexpr TextRow kNoBackupOnServer = {
    "No backup firmware on the server",
    "Aucun firmware de sauvegarde sur le serveur",
    "Keine Sicherungs-Firmware auf dem Server",
    "Nessun firmware di backup sul server",
    "サーバーにバックアップファームウェアがありません",
    "서버에 백업 펌웨어가 없습니다",
    "No hay firmware de respaldo en el servidor",
    "Geen back-upfirmware op de server",
    "На сервере нет резервной прошивки",
    "服务器上没有备份固件",
    "Palvelimella ei ole varmuuskopiolaiteohjelmistoa",
};

constexpr TextRow kCheckingFirmware = {
    "Checking firmware",
    "Vérification du firmware",
    "Firmware wird geprüft",
    "Verifica del firmware",
    "ファームウェアを確認中",
    "펌웨어 확인 중",
    "Comprobando el firmware",
    "Firmware controleren",
    "Проверка прошивки",
    "正在检查固件",
    "Tarkistetaan laiteohjelmistoa",
};

constexpr TextRow kCheckingBackupFirmware = {
    "Checking backup firmware",
    "Vérification du firmware de sauvegarde",
    "Sicherungs-Firmware wird geprüft",
    "Verifica del firmware di backup",
    "バックアップファームウェアを確認中",
    "백업 펌웨어 확인 중",
    "Comprobando el firmware de respaldo",
    "Back-upfirmware controleren",
    "Проверка резервной прошивки",
    "正在检查备份固件",
    "Tarkistetaan varmuuskopiolaiteohjelmistoa",
};

constexpr TextRow kCannotGetStatus = {
    "Cannot get status",
    "Impossible d'obtenir l'état",
    "Status kann nicht abgefragt werden",
    "Impossibile ottenere lo stato",
    "状態を取得できません",
    "상태를 가져올 수 없습니다",
    "No se puede obtener el estado",
    "Kan status niet ophalen",
    "Не удается получить состояние",
    "无法获取状态",
    "Tilaa ei saada",
};

constexpr TextRow kFirmwareCorrupted = {
    "Firmware corrupted",
    "Firmware endommagé",
    "Firmware beschädigt",
    "Firmware danneggiato",
    "ファームウェアが破損しています",
    "펌웨어가 손상되었습니다",
    "Firmware dañado",
    "Firmware beschadigd",
    "Прошивка повреждена",
    "固件已损坏",
    "Laiteohjelmisto on vioittunut",
};

constexpr TextRow kFirmwareNotForModel = {
    "Firmware not for %s",
    "Firmware non destiné au %s",
    "Firmware nicht für %s",
    "Firmware non per %s",
    "%s用のファームウェアではありません",
    "%s용 펌웨어가 아닙니다",
    "Firmware no válido para %s",
    "Firmware niet voor %s",
    "Прошивка не для %s",
    "固件不适用于%s",
    "Laiteohjelmisto ei ole laitteelle %s",
};

constexpr TextRow kWithoutBackup = {
    "without backup firmware",
    "sans firmware de sauvegarde",
    "ohne Sicherungs-Firmware",
    "senza firmware di backup",
    "バックアップファームウェアなし",
    "백업 펌웨어 없이",
    "sin firmware de respaldo",
    "zonder back-upfirmware",
    "без резервной прошивки",
    "无备份固件",
    "ilman varmuuskopiolaiteohjelmistoa",
};

constexpr TextRow kAboutToMakeBackup = {
    "about to make backup firmware",
    "Création du firmware de sauvegarde",
    "Sicherungs-Firmware wird erstellt",
    "Creazione del firmware di backup in corso",
    "バックアップファームウェアを作成します",
    "백업 펌웨어를 만드는 중",
    "Creando el firmware de respaldo",
    "Back-upfirmware wordt gemaakt",
    "Создание резервной прошивки",
    "即将创建备份固件",
    "Varmuuskopiolaiteohjelmisto luodaan",
};

constexpr TextRow kCannotGetDevice = {
    "Cannot get device",
    "Appareil introuvable",
    "Gerät nicht gefunden",
    "Dispositivo non trovato",
    "デバイスを取得できません",
    "장치를 찾을 수 없습니다",
    "No se encuentra el dispositivo",
    "Apparaat niet gevonden",
    "Устройство не найдено",
    "无法获取设备",
    "Laitetta ei löydy",
};

constexpr TextRow kPressButton = {
    "Press the [%s] button",
    "Appuyez sur le bouton [%s]",
    "Drücken Sie die Taste [%s]",
    "Premere il pulsante [%s]",
    "[%s]ボタンを押してください",
    "[%s] 버튼을 누르십시오",
    "Pulse el botón [%s]",
    "Druk op de knop [%s]",
    "Нажмите кнопку [%s]",
    "请按 [%s] 按钮",
    "Paina [%s]-painiketta",
};

constexpr TextRow kRestoreAfterLanguage = {
    "%s after selecting voice prompt language",
    "%s après avoir choisi la langue des invites vocales",
    "%s, nachdem Sie die Sprache der Sprachansage gewählt haben",
    "%s dopo aver scelto la lingua dei messaggi vocali",
    "音声ガイドの言語を選択した後、%s",
    "음성 안내 언어를 선택한 후 %s",
    "%s después de elegir el idioma de las indicaciones de voz",
    "%s nadat u de taal van de gesproken meldingen hebt gekozen",
    "%s после выбора языка голосовых подсказок",
    "选择语音提示语言后，%s",
    "%s, kun olet valinnut ääniopastuksen kielen",
};

constexpr TextRow kDownloadFailed = {
    "Failed to download latest firmware",
    "Échec du téléchargement du dernier firmware",
    "Herunterladen der neuesten Firmware fehlgeschlagen",
    "Download dell'ultimo firmware non riuscito",
    "最新のファームウェアをダウンロードできませんでした",
    "최신 펌웨어를 다운로드하지 못했습니다",
    "No se pudo descargar el firmware más reciente",
    "Downloaden van de nieuwste firmware mislukt",
    "Не удалось загрузить последнюю прошивку",
    "下载最新固件失败",
    "Uusimman laiteohjelmiston lataus epäonnistui",
};

constexpr TextRow kAboutToDownloadLatest = {
    "about to download latest firmware",
    "Téléchargement du dernier firmware",
    "Die neueste Firmware wird heruntergeladen",
    "Download dell'ultimo firmware in corso",
    "最新のファームウェアをダウンロードします",
    "최신 펌웨어를 다운로드하는 중",
    "Descargando el firmware más reciente",
    "De nieuwste firmware wordt gedownload",
    "Загрузка последней прошивки",
    "即将下载最新固件",
    "Uusin laiteohjelmisto ladataan",
};

constexpr TextRow kAboutToDownloadBackup = {
    "about to download backup firmware",
    "Téléchargement du firmware de sauvegarde",
    "Sicherungs-Firmware wird heruntergeladen",
    "Download del firmware di backup in corso",
    "バックアップファームウェアをダウンロードします",
    "백업 펌웨어를 다운로드하는 중",
    "Descargando el firmware de respaldo",
    "Back-upfirmware wordt gedownload",
    "Загрузка резервной прошивки",
    "即将下载备份固件",
    "Varmuuskopiolaiteohjelmisto ladataan",
};

constexpr TextRow kUsbMismatch = {
    "USB not match",
    "USB non concordant",
    "USB stimmt nicht überein",
    "USB non corrispondente",
    "USBが一致しません",
    "USB가 일치하지 않습니다",
    "El USB no coincide",
    "USB komt niet overeen",
    "USB не совпадает",
    "USB 不匹配",
    "USB ei täsmää",
};

constexpr TextRow kCannotUpdateFirmware = {
    "Cannot update firmware",
    "Impossible de mettre à jour le firmware",
    "Firmware kann nicht aktualisiert werden",
    "Impossibile aggiornare il firmware",
    "ファームウェアを更新できません",
    "펌웨어를 업데이트할 수 없습니다",
    "No se puede actualizar el firmware",
    "Kan firmware niet bijwerken",
    "Не удается обновить прошивку",
    "无法更新固件",
    "Laiteohjelmistoa ei voi päivittää",
};

constexpr TextRow kBrowse = {
    "Browse...",
    "Parcourir...",
    "Durchsuchen...",
    "Sfoglia...",
    "参照...",
    "찾아보기...",
    "Examinar...",
    "Bladeren...",
    "Обзор...",
    "浏览...",
    "Selaa...",
};

constexpr TextRow kDownloadButton = {
    "Download...",
    "Télécharger...",
    "Download...",
    "Scarica...",
    "ダウンロード...",
    "다운로드...",
    "Descargar...",
    "Downloaden...",
    "Загрузить...",
    "下载...",
    "Lataa...",
};

constexpr TextRow kPairingAdvice = {
    "It is strongly recommended to clear the existing pairing information from the phone and to perform a "
    "Bluetooth pairing again. You need to reconfigure the device setting again according to your original "
    "setting.",
    "Il est vivement recommandé d'effacer les informations de couplage existantes du téléphone et "
    "d'effectuer à nouveau un couplage Bluetooth. Vous devez reconfigurer les réglages de l'appareil selon vos "
    "réglages d'origine.",
    "Es wird dringend empfohlen, die vorhandenen Kopplungsdaten im Telefon zu löschen und die "
    "Bluetooth-Kopplung erneut durchzuführen. Stellen Sie die Geräteeinstellungen anschließend wieder nach "
    "Ihren ursprünglichen Einstellungen ein.",
    "Si consiglia vivamente di cancellare dal telefono le informazioni di associazione esistenti e di "
    "ripetere l'associazione Bluetooth. È necessario riconfigurare le impostazioni del dispositivo secondo le "
    "impostazioni originali.",
    "電話から既存のペアリング情報を削除し、もう一度Bluetoothペアリングを行うことを強くお勧めします。"
    "デバイスの設定を元の設定に合わせて再度行ってください。",
    "전화기에서 기존 페어링 정보를 지우고 블루투스 페어링을 다시 하실 것을 적극 권장합니다. "
    "장치 설정도 원래 설정에 맞게 다시 구성해야 합니다.",
    "Se recomienda encarecidamente borrar la información de emparejamiento existente del teléfono y "
    "volver a realizar el emparejamiento Bluetooth. Debe volver a configurar los ajustes del dispositivo según "
    "su configuración original.",
    "Het wordt sterk aanbevolen de bestaande koppelingsgegevens van de telefoon te wissen en de "
    "Bluetooth-koppeling opnieuw uit te voeren. U moet de instellingen van het apparaat opnieuw instellen "
    "volgens uw oorspronkelijke instellingen.",
    "Настоятельно рекомендуется удалить из телефона существующие данные о сопряжении и выполнить "
    "сопряжение Bluetooth заново. Настройки устройства нужно снова задать в соответствии с исходными.",
    "强烈建议清除手机中现有的配对信息并重新进行蓝牙配对。您需要按照原来的设置重新配置设备设置。",
    "On erittäin suositeltavaa poistaa puhelimesta nykyiset pariliitostiedot ja muodostaa "
    "Bluetooth-pariliitos uudelleen. Laitteen asetukset on määritettävä uudelleen alkuperäisten asetusten "
    "mukaisiksi.",
};

constexpr TextRow kCameraReconnect = {
    "1. Disconnect the USB cable from the THESSIK.\n2. Wait until the THESSIK completes update and powers "
    "off.\n3. Connect USB cable to the THESSIK and then power on it.\n4. Press [OK] button.\n",
    "1. Débranchez le câble USB du THESSIK.\n2. Attendez que le THESSIK termine la mise à jour et "
    "s'éteigne.\n3. Rebranchez le câble USB au THESSIK, puis allumez-le.\n4. Appuyez sur le bouton [OK].\n",
    "1. Trennen Sie das USB-Kabel vom THESSIK.\n2. Warten Sie, bis das THESSIK die Aktualisierung beendet "
    "und sich ausschaltet.\n3. Schließen Sie das USB-Kabel am THESSIK an und schalten Sie es ein.\n"
    "4. Drücken Sie die Taste [OK].\n",
    "1. Scollegare il cavo USB dal THESSIK.\n2. Attendere che il THESSIK completi l'aggiornamento e si "
    "spenga.\n3. Collegare il cavo USB al THESSIK e accenderlo.\n4. Premere il pulsante [OK].\n",
    "1. THESSIKからUSBケーブルを外してください。\n2. THESSIKの更新が完了し、電源が切れるまでお待ちください。\n"
    "3. USBケーブルをTHESSIKに接続してから電源を入れてください。\n4. [OK]ボタンを押してください。\n",
    "1. THESSIK에서 USB 케이블을 분리하십시오.\n2. THESSIK의 업데이트가 끝나고 전원이 꺼질 때까지 "
    "기다리십시오.\n3. USB 케이블을 THESSIK에 연결한 다음 전원을 켜십시오.\n4. [OK] 버튼을 누르십시오.\n",
    "1. Desconecte el cable USB del THESSIK.\n2. Espere a que el THESSIK termine la actualización y se "
    "apague.\n3. Conecte el cable USB al THESSIK y enciéndalo.\n4. Pulse el botón [OK].\n",
    "1. Koppel de USB-kabel los van de THESSIK.\n2. Wacht tot de THESSIK klaar is met bijwerken en "
    "uitschakelt.\n3. Sluit de USB-kabel aan op de THESSIK en schakel hem in.\n4. Druk op de knop [OK].\n",
    "1. Отсоедините USB-кабель от THESSIK.\n2. Дождитесь, пока THESSIK завершит обновление и "
    "выключится.\n3. Подключите USB-кабель к THESSIK и включите его.\n4. Нажмите кнопку [OK].\n",
    "1. 从 THESSIK 上拔下 USB 线。\n2. 等待 THESSIK 完成更新并关机。\n3. 将 USB 线连接到 THESSIK，然后开机。\n"
    "4. 按 [OK] 按钮。\n",
    "1. Irrota USB-kaapeli THESSIK-laitteesta.\n2. Odota, kunnes THESSIK on päivitetty ja sammuu.\n"
    "3. Liitä USB-kaapeli THESSIK-laitteeseen ja käynnistä se.\n4. Paina [OK]-painiketta.\n",
};

constexpr TextRow kPowerCycle = {
    "%s.\nPower off and power on KV56 to apply new firmware.",
    "%s.\nÉteignez puis rallumez le KV56 pour appliquer le nouveau firmware.",
    "%s.\nSchalten Sie das KV56 aus und wieder ein, um die neue Firmware zu übernehmen.",
    "%s.\nSpegnere e riaccendere il KV56 per applicare il nuovo firmware.",
    "%s.\n新しいファームウェアを適用するには、KV56の電源を切ってから入れ直してください。",
    "%s.\n새 펌웨어를 적용하려면 KV56의 전원을 껐다가 다시 켜십시오.",
    "%s.\nApague y encienda el KV56 para aplicar el nuevo firmware.",
    "%s.\nSchakel de KV56 uit en weer in om de nieuwe firmware toe te passen.",
    "%s.\nВыключите и снова включите KV56, чтобы применить новую прошивку.",
    "%s.\n请关闭 KV56 再重新开机以应用新固件。",
    "%s.\nSammuta KV56 ja käynnistä se uudelleen, jotta uusi laiteohjelmisto otetaan käyttöön.",
};

constexpr TextRow kLatestVersion = {
    "Latest Version",
    "Dernière version",
    "Neueste Version",
    "Ultima versione",
    "最新バージョン",
    "최신 버전",
    "Última versión",
    "Nieuwste versie",
    "Последняя версия",
    "最新版本",
    "Uusin versio",
};

constexpr TextRow kFirmwareToUpdate = {
    "Firmware To Update",
    "Firmware à installer",
    "Zu installierende Firmware",
    "Firmware da installare",
    "更新するファームウェア",
    "업데이트할 펌웨어",
    "Firmware para actualizar",
    "Te installeren firmware",
    "Прошивка для обновления",
    "要更新的固件",
    "Päivitettävä laiteohjelmisto",
};

constexpr const char* kImageFilter = "Firmware Files(*.img)|";

// Lines kept short enough for the instructions' place in every language.
constexpr TextRow kVoicePromptInstructions = {
    "1. To change the language of the voice prompt, click on the drop down\n"
    "    menu to select your desired voice prompt language.\n"
    "2. Press [DOWNLOAD] to download the firmware for your desired voice\n"
    "    prompt language to your computer.\n"
    "3. Press [UPDATE] to proceed with the firmware update.",
    "1. Pour changer la langue des invites vocales,\n"
    "    choisissez-la dans la liste déroulante.\n"
    "2. Appuyez sur [TÉLÉCHARGER] pour enregistrer\n"
    "    le firmware de cette langue sur l'ordinateur.\n"
    "3. Appuyez sur [METTRE À JOUR] pour continuer.",
    "1. Um die Sprache der Sprachansage zu ändern,\n"
    "    wählen Sie sie in der Dropdown-Liste.\n"
    "2. Mit [DOWNLOAD] laden Sie die Firmware dieser\n"
    "    Sprache auf Ihren Computer.\n"
    "3. Mit [UPDATE] starten Sie die Aktualisierung.",
    "1. Per cambiare la lingua dei messaggi vocali,\n"
    "    sceglierla nel menu a discesa.\n"
    "2. Premere [SCARICA] per scaricare sul computer\n"
    "    il firmware nella lingua scelta.\n"
    "3. Premere [AGGIORNA] per avviare l'aggiornamento.",
    "1. 音声ガイドの言語を変更するには、ドロップダウンメニューで\n"
    "    希望の言語を選択してください。\n"
    "2. [ダウンロード]を押して、選択した言語のファームウェアを\n"
    "    コンピューターにダウンロードしてください。\n"
    "3. [更新]を押してファームウェアの更新を開始してください。",
    "1. 음성 안내 언어를 바꾸려면 드롭다운 메뉴에서 원하는\n"
    "    언어를 선택하십시오.\n"
    "2. [다운로드]를 눌러 선택한 언어의 펌웨어를 컴퓨터에\n"
    "    다운로드하십시오.\n"
    "3. [업데이트]를 눌러 펌웨어 업데이트를 진행하십시오.",
    "1. Para cambiar el idioma de las indicaciones\n"
    "    de voz, elíjalo en el menú desplegable.\n"
    "2. Pulse [DESCARGAR] para guardar en su ordenador\n"
    "    el firmware del idioma elegido.\n"
    "3. Pulse [ACTUALIZAR] para continuar.",
    "1. Kies in de vervolgkeuzelijst de gewenste taal\n"
    "    voor de gesproken meldingen.\n"
    "2. Druk op [DOWNLOADEN] om de firmware in die\n"
    "    taal naar uw computer te downloaden.\n"
    "3. Druk op [BIJWERKEN] om de update te starten.",
    "1. Чтобы сменить язык голосовых подсказок,\n"
    "    выберите его в списке.\n"
    "2. Нажмите [ЗАГРУЗИТЬ], чтобы загрузить\n"
    "    прошивку на этом языке на компьютер.\n"
    "3. Нажмите [ОБНОВИТЬ] для обновления.",
    "1. 要更改语音提示语言，请在下拉菜单中选择所需的语言。\n"
    "2. 按 [下载] 将所选语言的固件下载到计算机。\n"
    "3. 按 [更新] 开始更新固件。",
    "1. Vaihda ääniopastuksen kieli valitsemalla haluamasi kieli\n"
    "    avattavasta valikosta.\n"
    "2. Lataa valitun kielen laiteohjelmisto tietokoneellesi\n"
    "    painamalla [LATAA].\n"
    "3. Aloita päivitys painamalla [PÄIVITÄ].",
};

constexpr TextRow kNewFirmwareQuestion = {
    "New firmware is now available.\nWould you like to download it from the server and update onto it?",
    "Un nouveau firmware est disponible.\nVoulez-vous le télécharger depuis le serveur et l'installer ?",
    "Neue Firmware ist verfügbar.\nMöchten Sie sie vom Server herunterladen und installieren?",
    "È disponibile un nuovo firmware.\nScaricarlo dal server e installarlo?",
    "新しいファームウェアがあります。\nサーバーからダウンロードして更新しますか？",
    "새 펌웨어가 있습니다.\n서버에서 다운로드하여 업데이트하시겠습니까?",
    "Hay un nuevo firmware disponible.\n¿Desea descargarlo del servidor e instalarlo?",
    "Er is nieuwe firmware beschikbaar.\nWilt u deze downloaden van de server en installeren?",
    "Доступна новая прошивка.\nЗагрузить её с сервера и установить?",
    "有新固件可用。\n是否从服务器下载并更新？",
    "Uusi laiteohjelmisto on saatavilla.\nHaluatko ladata sen palvelimelta ja päivittää?",
};

constexpr TextRow kCurrentVersion = {
    "Current version: v",
    "Version actuelle : v",
    "Aktuelle Version: v",
    "Versione attuale: v",
    "現在のバージョン: v",
    "현재 버전: v",
    "Versión actual: v",
    "Huidige versie: v",
    "Текущая версия: v",
    "当前版本: v",
    "Nykyinen versio: v",
};

constexpr TextRow kNewVersion = {
    "New version: v",
    "Mise à jour : v",
    "Neue Version: v",
    "Nuova versione: v",
    "新しいバージョン: v",
    "새 버전: v",
    "Nueva versión: v",
    "Nieuwe versie: v",
    "Новая версия: v",
    "新版本: v",
    "Uusi versio: v",
};

// UI language of each two-letter code in image names, and the device's code of each UI language.
constexpr std::array<std::pair<std::string_view, int>, 10> kLanguageCodes = {{
    {"fr", 1}, {"de", 2}, {"it", 3}, {"jp", 4}, {"kr", 5}, {"es", 6}, {"dc", 7}, {"rs", 8}, {"cn", 9}, {"fn", 10},
}};
constexpr std::array<int, kLanguageCount> kVoicePromptCodes = {0, 1, 4, 3, 6, 5, 2, 7, 8, 9, 10};

}  // namespace

std::string GetNoBackupFirmwareText(int language) { return Pick(kNoBackupFirmware, language); }
std::string GetNoBackupOnServerText(int language) { return Pick(kNoBackupOnServer, language); }
std::string GetCheckingFirmwareText(int language) { return Pick(kCheckingFirmware, language); }
std::string GetCheckingBackupFirmwareText(int language) { return Pick(kCheckingBackupFirmware, language); }
std::string GetCannotGetStatusText(int language) { return Pick(kCannotGetStatus, language); }
std::string GetFirmwareCorruptedText(int language) { return Pick(kFirmwareCorrupted, language); }
std::string GetFirmwareNotForModelText(int productId, int language) {
  return Format(Pick(kFirmwareNotForModel, language), device::GetModelName(productId, false));
}
std::string GetWithoutBackupText(int language) { return Pick(kWithoutBackup, language); }
std::string GetAboutToMakeBackupText(int language) { return Pick(kAboutToMakeBackup, language); }
std::string GetCannotGetDeviceText(int language) { return Pick(kCannotGetDevice, language); }
std::string GetPressButtonText(int language) { return Pick(kPressButton, language); }
std::string GetPressRestoreButtonText(int language) {
  return Format(GetPressButtonText(language), GetRestoreText(language));
}
std::string GetRestoreAfterLanguageText(int language) {
  return Format(Pick(kRestoreAfterLanguage, language), GetPressRestoreButtonText(language));
}
std::string GetPressUpdateButtonText(int language) {
  return Format(GetPressButtonText(language), GetUpdateText(language));
}
std::string GetDownloadFailedText(int language) { return Pick(kDownloadFailed, language); }
std::string GetAboutToDownloadLatestText(int language) { return Pick(kAboutToDownloadLatest, language); }
std::string GetAboutToDownloadBackupText(int language) { return Pick(kAboutToDownloadBackup, language); }
std::string GetUsbMismatchText(int language) { return Pick(kUsbMismatch, language); }
std::string GetCannotUpdateFirmwareText(int language) { return Pick(kCannotUpdateFirmware, language); }

std::string GetBrowseText(int language) { return Pick(kBrowse, language); }
std::string GetDownloadButtonText(int language) { return Pick(kDownloadButton, language); }
std::string GetPairingAdviceText(int language) { return Pick(kPairingAdvice, language); }
std::string GetCameraReconnectText(int language) { return Pick(kCameraReconnect, language); }
std::string GetPowerCycleText(int language) { return Pick(kPowerCycle, language); }
std::string GetLatestVersionText(int language) { return Pick(kLatestVersion, language); }
std::string GetFirmwareToUpdateText(int language) { return Pick(kFirmwareToUpdate, language); }
std::string GetImageFilterText(int /*language*/) { return kImageFilter; }
std::string GetVoicePromptInstructionsText(int language) { return Pick(kVoicePromptInstructions, language); }

std::string GetNewFirmwareQuestionText(int language) { return Pick(kNewFirmwareQuestion, language); }
std::string GetCurrentVersionText(int language) { return Pick(kCurrentVersion, language); }
std::string GetNewVersionText(int language) { return Pick(kNewVersion, language); }

int GetLanguageIndexFromCode(const std::string& code) {
  for (const auto& [name, index] : kLanguageCodes) {
    if (code == name) return index;
  }
  return kEnglish;
}

int GetVoicePromptLanguageCode(int language) {
  return kVoicePromptCodes[static_cast<size_t>(LanguageOrEnglish(language))];
}

}  // namespace text
