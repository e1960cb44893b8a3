// Language order of every row: English, French, German, Italian, Japanese, Korean, Spanish, Dutch,
// Russian, Chinese, Finnish.
#include "localization/PageNumbers.h"
#include "localization/SharedTexts.h"

#include "localization/TextRow.h"

namespace text {

namespace {

// ---- Page titles ----

constexpr TextRow kWelcomeTitle = {
    "WELCOME",
    "BIENVENUE",
    "WILLKOMMEN",
    "BENVENUTO",
    "ようこそ",
    "환영합니다",
    "BIENVENIDO",
    "WELKOM",
    "ДОБРО ПОЖАЛОВАТЬ",
    "欢迎",
    "TERVETULOA",
};

constexpr TextRow kRecognitionTitle = {
    "DEVICE RECOGNITION",
    "RECONNAISSANCE DE L'APPAREIL",
    "GERÄTEERKENNUNG",
    "RICONOSCIMENTO DISPOSITIVO",
    "デバイス認識",
    "장치 인식",
    "RECONOCIMIENTO DEL DISPOSITIVO",
    "APPARAATHERKENNING",
    "РАСПОЗНАВАНИЕ УСТРОЙСТВА",
    "设备识别",
    "LAITTEEN TUNNISTUS",
};

constexpr TextRow kFirmwareUpdateTitle = {
    "FIRMWARE UPDATE",
    "MISE À JOUR",
    "FIRMWARE-UPDATE",
    "AGGIORNAMENTO FIRMWARE",
    "ファームウェア更新",
    "펌웨어 업데이트",
    "ACTUALIZACIÓN DE FIRMWARE",
    "FIRMWARE-UPDATE",
    "ОБНОВЛЕНИЕ ПРОШИВКИ",
    "固件更新",
    "PÄIVITYS",
};

constexpr TextRow kFirmwareRestoreTitle = {
    "FIRMWARE RESTORE",
    "RESTAURATION",
    "FIRMWARE-WIEDERHERSTELLUNG",
    "RIPRISTINO FIRMWARE",
    "ファームウェア復元",
    "펌웨어 복원",
    "RESTAURACIÓN DE FIRMWARE",
    "FIRMWAREHERSTEL",
    "ВОССТАНОВЛЕНИЕ ПРОШИВКИ",
    "固件恢复",
    "PALAUTUS",
};

constexpr TextRow kDeviceSettingTitle = {
    "DEVICE SETTING",
    "PARAMÈTRES DE L'APPAREIL",
    "GERÄTEEINSTELLUNGEN",
    "IMPOSTAZIONI DISPOSITIVO",
    "デバイス設定",
    "장치 설정",
    "CONFIGURACIÓN DEL DISPOSITIVO",
    "APPARAATINSTELLINGEN",
    "НАСТРОЙКИ УСТРОЙСТВА",
    "设备设置",
    "LAITEASETUKSET",
};

// Has no translations: the same text in every language.
constexpr const char* kModeNotAvailableTitle = "MODE NOT AVAILABLE";

constexpr TextRow kDateTimeFormat = {
    "%m/%d/%Y %H:%M:%S",
    "%d/%m/%Y %H:%M:%S",
    "%d.%m.%Y %H:%M:%S",
    "%d/%m/%Y %H:%M:%S",
    "%Y/%m/%d %H:%M:%S",
    "%Y.%m.%d %H:%M:%S",
    "%d/%m/%Y %H:%M:%S",
    "%m/%d/%Y %H:%M:%S",
    "%m/%d/%Y %H:%M:%S",
    "%m/%d/%Y %H:%M:%S",
    "%m/%d/%Y %H:%M:%S",
};

// Both are the same text in every language.
constexpr const char* kProductName = "Corvale communication system device manager";
constexpr const char* kNoticeLine = "Copyright © Corvale. All rights reserved.";

// ---- Captions and words ----

constexpr TextRow kManagerSoftwareLanguage = {
    "Manager Software Language",
    "Langue du logiciel",
    "Sprache der Software",
    "Lingua del software",
    "ソフトウェアの言語",
    "소프트웨어 언어",
    "Idioma del software",
    "Taal van de software",
    "Язык программы",
    "软件语言",
    "Ohjelmiston kieli",
};

constexpr TextRow kOk = {
    "OK",
    "OK",
    "OK",
    "OK",
    "OK",
    "확인",
    "OK",
    "OK",
    "OK",
    "OK",
    "OK",
};

constexpr TextRow kSendEmail = {
    "SEND Email",
    "ENVOYER un e-mail",
    "E-Mail SENDEN",
    "INVIA e-mail",
    "メール送信",
    "이메일 보내기",
    "ENVIAR correo",
    "E-mail VERZENDEN",
    "ОТПРАВИТЬ e-mail",
    "发送电子邮件",
    "LÄHETÄ sähköposti",
};

constexpr TextRow kCancel = {
    "CANCEL",
    "ANNULER",
    "ABBRECHEN",
    "ANNULLA",
    "キャンセル",
    "취소",
    "CANCELAR",
    "ANNULEREN",
    "ОТМЕНА",
    "取消",
    "PERUUTA",
};

constexpr TextRow kYes = {
    "YES",
    "OUI",
    "JA",
    "SÌ",
    "はい",
    "예",
    "SÍ",
    "JA",
    "ДА",
    "是",
    "KYLLÄ",
};

constexpr TextRow kNo = {
    "NO",
    "NON",
    "NEIN",
    "NO",
    "いいえ",
    "아니요",
    "NO",
    "NEE",
    "НЕТ",
    "否",
    "EI",
};

constexpr TextRow kBack = {
    "BACK",
    "RETOUR",
    "ZURÜCK",
    "INDIETRO",
    "戻る",
    "이전",
    "ATRÁS",
    "VORIGE",
    "НАЗАД",
    "上一步",
    "EDELLINEN",
};

constexpr TextRow kNext = {
    "NEXT",
    "SUIVANT",
    "WEITER",
    "AVANTI",
    "次へ",
    "다음",
    "SIGUIENTE",
    "VOLGENDE",
    "ДАЛЕЕ",
    "下一步",
    "SEURAAVA",
};

constexpr TextRow kNewDevice = {
    "NEW DEVICE",
    "NOUVEL APPAREIL",
    "NEUES GERÄT",
    "NUOVO DISPOSITIVO",
    "新しいデバイス",
    "새 장치",
    "NUEVO DISPOSITIVO",
    "NIEUW APPARAAT",
    "НОВОЕ УСТРОЙСТВО",
    "新设备",
    "UUSI LAITE",
};

constexpr TextRow kUpdate = {
    "UPDATE",
    "METTRE À JOUR",
    "UPDATE",
    "AGGIORNA",
    "更新",
    "업데이트",
    "ACTUALIZAR",
    "BIJWERKEN",
    "ОБНОВИТЬ",
    "更新",
    "PÄIVITÄ",
};

constexpr TextRow kRestore = {
    "RESTORE",
    "RESTAURER",
    "WIEDERHERSTELLEN",
    "RIPRISTINA",
    "復元",
    "복원",
    "RESTAURAR",
    "HERSTELLEN",
    "ВОССТАНОВИТЬ",
    "恢复",
    "PALAUTA",
};

// ---- Device controls ----
// Each is written to fit its language's press-and-hold sentence: French, Spanish and Russian carry
// their article or case there, the other languages' sentences supply it.

constexpr TextRow kJogDial = {
    "Jog Dial",
    "la molette",
    "Drehrad",
    "selettore rotante",
    "ジョグダイヤル",
    "조그 다이얼",
    "la rueda de control",
    "draaiknop",
    "поворотный регулятор",
    "旋钮",
    "säätöpyörä",
};

constexpr TextRow kPhoneButton = {
    "Phone Button",
    "le bouton Téléphone",
    "Telefontaste",
    "pulsante Telefono",
    "電話ボタン",
    "전화 버튼",
    "el botón de teléfono",
    "telefoonknop",
    "кнопку телефона",
    "电话按钮",
    "puhelinpainike",
};

constexpr TextRow kCenterButton = {
    "Center Button",
    "le bouton central",
    "Mitteltaste",
    "pulsante centrale",
    "センターボタン",
    "중앙 버튼",
    "el botón central",
    "middelste knop",
    "центральную кнопку",
    "中央按钮",
    "keskipainike",
};

constexpr TextRow kPlusButton = {
    "[+] Button",
    "le bouton [+]",
    "[+]-Taste",
    "pulsante [+]",
    "[+]ボタン",
    "[+] 버튼",
    "el botón [+]",
    "[+]-knop",
    "кнопку [+]",
    "[+] 按钮",
    "[+] -painike",
};

constexpr TextRow kMinusButton = {
    "[-] Button",
    "le bouton [-]",
    "[-]-Taste",
    "pulsante [-]",
    "[-]ボタン",
    "[-] 버튼",
    "el botón [-]",
    "[-]-knop",
    "кнопку [-]",
    "[-] 按钮",
    "[-] -painike",
};

constexpr TextRow kLeftButton = {
    "[L] Button",
    "le bouton [L]",
    "[L]-Taste",
    "pulsante [L]",
    "[L]ボタン",
    "[L] 버튼",
    "el botón [L]",
    "[L]-knop",
    "кнопку [L]",
    "[L] 按钮",
    "[Vasen] -painike",
};

constexpr TextRow kRightButton = {
    "[R] Button",
    "le bouton [R]",
    "[R]-Taste",
    "pulsante [R]",
    "[R]ボタン",
    "[R] 버튼",
    "el botón [R]",
    "[R]-knop",
    "кнопку [R]",
    "[R] 按钮",
    "[Oikea] -painike",
};

constexpr TextRow kPttButton = {
    "PTT Button",
    "le bouton PTT",
    "PTT-Taste",
    "pulsante PTT",
    "PTTボタン",
    "PTT 버튼",
    "el botón PTT",
    "PTT-knop",
    "кнопку PTT",
    "PTT 按钮",
    "PTT  -painike",
};

constexpr TextRow kPairingButton = {
    "Pairing Button",
    "le bouton d'appairage",
    "Kopplungstaste",
    "pulsante di accoppiamento",
    "ペアリングボタン",
    "페어링 버튼",
    "el botón de emparejamiento",
    "koppelknop",
    "кнопку сопряжения",
    "配对按钮",
    "pariliitospainike",
};

// ---- Reasons and notices ----

constexpr TextRow kCannotOpenUsb = {
    "Cannot open USB",
    "Impossible d'ouvrir le port USB",
    "USB kann nicht geöffnet werden",
    "Impossibile aprire la porta USB",
    "USBを開けません",
    "USB를 열 수 없습니다",
    "No se puede abrir el puerto USB",
    "Kan USB niet openen",
    "Не удается открыть USB",
    "无法打开 USB",
    "USB:tä ei voi avata",
};

constexpr TextRow kFirmwareManagementMode = {
    "Firmware management mode",
    "Mode de gestion du micrologiciel",
    "Firmware-Verwaltungsmodus",
    "Modalità di gestione del firmware",
    "ファームウェア管理モード",
    "펌웨어 관리 모드",
    "Modo de gestión de firmware",
    "Firmwarebeheermodus",
    "Режим управления прошивкой",
    "固件管理模式",
    "Laiteohjelmiston hallintatila",
};

constexpr TextRow kCheckSdCard = {
    "Check your SD Card.",
    "Vérifiez votre carte microSD.",
    "Überprüfen Sie Ihre microSD-Karte.",
    "Controllare la scheda microSD.",
    "SDカードを確認してください。",
    "microSD 카드를 확인하십시오.",
    "Compruebe su tarjeta microSD.",
    "Controleer uw microSD-kaart.",
    "Проверьте карту microSD.",
    "请检查 microSD 卡。",
    "Tarkista SD-kortti.",
};

constexpr TextRow kTryAgain = {
    "Try again",
    "Réessayez",
    "Erneut versuchen",
    "Riprovare",
    "もう一度お試しください",
    "다시 시도하십시오",
    "Vuelva a intentarlo",
    "Probeer het opnieuw",
    "Повторите попытку",
    "请重试",
    "Yritä uudelleen",
};

constexpr TextRow kCameraUpdateFailed = {
    "Camera firmware update failed",
    "Échec de la mise à jour du micrologiciel de la caméra",
    "Aktualisierung der Kamera-Firmware fehlgeschlagen",
    "Aggiornamento del firmware della videocamera non riuscito",
    "カメラのファームウェア更新に失敗しました",
    "카메라 펌웨어 업데이트에 실패했습니다",
    "Error al actualizar el firmware de la cámara",
    "Bijwerken van camerafirmware mislukt",
    "Не удалось обновить прошивку камеры",
    "相机固件更新失败",
    "Kameran laiteohjelmiston päivitys epäonnistui. Yritä uudelleen.",
};

constexpr TextRow kNotRecognizedDevice = {
    "Not the recognized device",
    "Ce n'est pas l'appareil reconnu",
    "Nicht das erkannte Gerät",
    "Non è il dispositivo riconosciuto",
    "認識されたデバイスではありません",
    "인식된 장치가 아닙니다",
    "No es el dispositivo reconocido",
    "Niet het herkende apparaat",
    "Это не распознанное устройство",
    "不是已识别的设备",
    "Ei tunnistettu laite",
};

constexpr TextRow kCannotMakeBackup = {
    "Cannot make backup firmware",
    "Impossible de sauvegarder le micrologiciel",
    "Firmware kann nicht gesichert werden",
    "Impossibile eseguire il backup del firmware",
    " ファームウェアをバックアップできません",
    "펌웨어를 백업할 수 없습니다",
    "No se puede hacer copia de seguridad del firmware",
    "Kan geen back-up van de firmware maken",
    "Не удается создать резервную копию прошивки",
    "无法备份固件",
    "Laiteohjelmistoa ei voi varmuuskopioida",
};

// Only ever said inside the backup-failure sentence ("the previous %s file"), hence the Russian
// genitive.
constexpr TextRow kFirmwareWord = {
    "firmware",
    "micrologiciel",
    "firmware",
    "firmware",
    "ファームウェア",
    "펌웨어",
    "firmware",
    "firmware",
    "прошивки",
    "固件",
    "Laiteohjelmisto",
};

// ---- Setting values ----

// Enable and Disable caption radio buttons 53 dialog units wide: short words.
constexpr TextRow kEnable = {
    "Enable",
    "Oui",
    "Ein",
    "Attivo",
    "有効",
    "사용",
    "Activo",
    "Aan",
    "Вкл.",
    "启用",
    "Päällä",
};

constexpr TextRow kDisable = {
    "Disable",
    "Non",
    "Aus",
    "Inattivo",
    "無効",
    "사용 안 함",
    "Inactivo",
    "Uit",
    "Выкл.",
    "禁用",
    "Pois",
};

constexpr TextRow kEnabled = {
    "Enabled",
    "Activé",
    "Ein",
    "Attivo",
    "有効",
    "사용",
    "Activo",
    "Ingeschakeld",
    "Вкл.",
    "已启用",
    "Käytössä",
};

constexpr TextRow kDisabled = {
    "Disabled",
    "Désactivé",
    "Aus",
    "Inattivo",
    "無効",
    "사용 안 함",
    "Inactivo",
    "Uitgeschakeld",
    "Выкл.",
    "已禁用",
    "Ei käytössä",
};

constexpr TextRow kSeconds = {
    "seconds",
    "secondes",
    "Sekunden",
    "secondi",
    "秒",
    "초",
    "segundos",
    "seconden",
    "секунд",
    "秒",
    "sekuntia",
};

constexpr TextRow kDeviceMismatch = {
    "Recognized device is not connected or is not the same as the connected device.\n"
    "Select appropriate device.\n",
    "L'appareil reconnu n'est pas connecté ou ne correspond pas à l'appareil connecté.\n"
    "Sélectionnez l'appareil approprié.\n",
    "Das erkannte Gerät ist nicht angeschlossen oder stimmt nicht mit dem angeschlossenen Gerät "
    "überein.\nWählen Sie das passende Gerät aus.\n",
    "Il dispositivo riconosciuto non è collegato o non corrisponde al dispositivo collegato.\n"
    "Selezionare il dispositivo appropriato.\n",
    "認識されたデバイスが接続されていないか、接続されているデバイスと異なります。\n"
    "適切なデバイスを選択してください。\n",
    "인식된 장치가 연결되어 있지 않거나 연결된 장치와 다릅니다.\n"
    "적절한 장치를 선택하십시오.\n",
    "El dispositivo reconocido no está conectado o no coincide con el dispositivo conectado.\n"
    "Seleccione el dispositivo adecuado.\n",
    "Het herkende apparaat is niet aangesloten of komt niet overeen met het aangesloten "
    "apparaat.\n Selecteer het juiste apparaat.\n",
    "Распознанное устройство не подключено или не совпадает с подключенным устройством.\n"
    " Выберите подходящее устройство.\n",
    "已识别的设备未连接，或与所连接的设备不一致。\n"
    "请选择正确的设备。\n",
    "Tunnistettu laite ei ole kytkettynä tai se ei ole sama kuin kytketty laite.\n"
    "Valitse oikea laite.\n",
};

constexpr TextRow kVersion = {
    "Version",
    "Version",
    "Version",
    "Versione",
    "バージョン",
    "버전",
    "Versión",
    "Versie",
    "Версия",
    "版本",
    "Versio",
};

}  // namespace

std::string GetPageTitleText(int page, int language) {
  switch (page) {
    case wizard::PAGE_SELECTION: return Pick(kWelcomeTitle, language);
    case wizard::PAGE_RECOGNITION: return Pick(kRecognitionTitle, language);
    case wizard::PAGE_FIRMWARE_UPDATE: return Pick(kFirmwareUpdateTitle, language);
    case wizard::PAGE_FIRMWARE_RESTORE: return Pick(kFirmwareRestoreTitle, language);
    case wizard::PAGE_DEVICE_SETTING:
    case wizard::PAGE_DEVICE_SETTING_SECOND:
    case wizard::PAGE_SPEED_DIAL: return Pick(kDeviceSettingTitle, language);
    default: return kModeNotAvailableTitle;
  }
}

std::string GetDateTimeFormatText(int language) { return Pick(kDateTimeFormat, language); }
std::string GetProductNameText(int /*language*/) { return kProductName; }
std::string GetNoticeLineText(int /*language*/) { return kNoticeLine; }

std::string GetManagerSoftwareLanguageText(int language) {
  return Pick(kManagerSoftwareLanguage, language);
}
std::string GetOkText(int language) { return Pick(kOk, language); }
std::string GetSendEmailText(int language) { return Pick(kSendEmail, language); }
std::string GetCancelText(int language) { return Pick(kCancel, language); }
std::string GetYesText(int language) { return Pick(kYes, language); }
std::string GetNoText(int language) { return Pick(kNo, language); }
std::string GetBackText(int language) { return Pick(kBack, language); }
std::string GetNextText(int language) { return Pick(kNext, language); }
std::string GetNewDeviceText(int language) { return Pick(kNewDevice, language); }
std::string GetUpdateText(int language) { return Pick(kUpdate, language); }
std::string GetRestoreText(int language) { return Pick(kRestore, language); }

std::string GetJogDialText(int language) { return Pick(kJogDial, language); }
std::string GetPhoneButtonText(int language) { return Pick(kPhoneButton, language); }
std::string GetCenterButtonText(int language) { return Pick(kCenterButton, language); }
std::string GetPlusButtonText(int language) { return Pick(kPlusButton, language); }
std::string GetMinusButtonText(int language) { return Pick(kMinusButton, language); }
std::string GetLeftButtonText(int language) { return Pick(kLeftButton, language); }
std::string GetRightButtonText(int language) { return Pick(kRightButton, language); }
std::string GetPttButtonText(int language) { return Pick(kPttButton, language); }
std::string GetPairingButtonText(int language) { return Pick(kPairingButton, language); }

std::string GetCannotOpenUsbText(int language) { return Pick(kCannotOpenUsb, language); }
std::string GetFirmwareManagementModeText(int language) {
  return Pick(kFirmwareManagementMode, language);
}
std::string GetCheckSdCardText(int language) { return Pick(kCheckSdCard, language); }
std::string GetTryAgainText(int language) { return Pick(kTryAgain, language); }
std::string GetCameraUpdateFailedText(int language) { return Pick(kCameraUpdateFailed, language); }
std::string GetNotRecognizedDeviceText(int language) {
  return Pick(kNotRecognizedDevice, language);
}
std::string GetCannotMakeBackupText(int language) { return Pick(kCannotMakeBackup, language); }
std::string GetFirmwareWordText(int language) { return Pick(kFirmwareWord, language); }
std::string GetEnableText(int language) { return Pick(kEnable, language); }
std::string GetDisableText(int language) { return Pick(kDisable, language); }
std::string GetEnabledText(int language) { return Pick(kEnabled, language); }
std::string GetDisabledText(int language) { return Pick(kDisabled, language); }
std::string GetSecondsText(int language) { return Pick(kSeconds, language); }
std::string GetDeviceMismatchText(int language) { return Pick(kDeviceMismatch, language); }
std::string GetVersionText(int language) { return Pick(kVersion, language); }

}  // namespace text
