// Language order of every row: English, French, German, Italian, Japanese, Korean, Spanish, Dutch,
// Russian, Chinese, Finnish.
#include "localization/PageNumbers.h"
#include "localization/StatusTexts.h"

#include "device/UsbIdentities.h"
#include "localization/SafeFormat.h"
#include "localization/SharedTexts.h"
#include "localization/TextRow.h"

namespace text {

namespace {

// ---- Instruction patterns ----

// Filled with the NEXT caption.
constexpr TextRow kPressPattern = {
    "Press %s to proceed.",
    "Appuyez sur [%s] pour continuer.",
    "Drücken Sie [%s], um fortzufahren.",
    "Premere [%s] per procedere.",
    "「%s」を押して進みます。",
    "%s 버튼을 눌러 계속 진행하십시오.",
    "Presionar [%s] para continuar.",
    "Druk op [%s] om door te gaan.",
    "Для продолжения нажмите [%s]",
    "按 [%s] 继续。",
    "Paina [%s] jatkaaksesi.",
};

// Filled with the page title.
constexpr TextRow kReadyPattern = {
    "Ready for %s",
    "Prêt pour %s",
    "Bereit für %s",
    "Pronto per %s",
    "%sの準備完了",
    "%s 준비 완료",
    "Listo para %s",
    "Klaar voor %s",
    "Готов к %s",
    "%s 已准备就绪",
    "Valmis tekemään %s",
};

// Filled first with the backup notice, which leaves one "%s" for the page title.
constexpr TextRow kReadyWithoutBackupPattern = {
    "Ready for %%s. %s",
    "Prêt pour %%s. %s",
    "Bereit für %%s. %s",
    "Pronto per %%s. %s",
    "%%sの準備完了. %s",
    "%%s 준비 완료. %s",
    "Listo para %%s. %s",
    "Klaar voor %%s. %s",
    "Готов к %%s. %s",
    "%%s 已准备就绪。%s",
    "Valmis tekemään %%s. %s",
};

// ---- Headlines by page ----

struct PageHeadlines {
  TextRow progress;
  TextRow success;
  TextRow failure;
};

constexpr PageHeadlines kSelectionHeadlines = {
    {
        "On selecting device.",
        "Sélection de l'appareil en cours.",
        "Gerät wird ausgewählt.",
        "Selezione del dispositivo in corso.",
        "デバイスを選択しています。",
        "장치를 선택하는 중입니다.",
        "Seleccionando el dispositivo.",
        "Apparaat wordt geselecteerd.",
        "Выбор устройства.",
        "正在选择设备。",
        "Valitaan laitetta.",
    },
    {
        "%s selected. %s",
        "%s choisi. %s",
        "%s gewählt. %s",
        "%s selezionato. %s",
        "%sを選択. %s",
        "%s 선택. %s",
        "%s elegido. %s",
        "%s %s geselecteerd.",
        "%s Выбрано устройство %s.",
        "%s 已选择 %s。",
        "%s valittu. %s",
    },
    // The selection itself cannot fail.
    {"", "", "", "", "", "", "", "", "", "", ""},
};

constexpr PageHeadlines kRecognitionHeadlines = {
    {
        "On recognizing device.",
        "Reconnaissance de l'appareil en cours.",
        "Gerät wird erkannt.",
        "Riconoscimento del dispositivo in corso.",
        "デバイスを認識しています。",
        "장치를 인식하는 중입니다.",
        "Reconociendo el dispositivo.",
        "Apparaat wordt herkend.",
        "Распознавание устройства.",
        "正在识别设备。",
        "Tunnistetaan laitetta.",
    },
    {
        "Device recognized successfully. %s",
        "Appareil reconnu avec succès. %s",
        "Gerät erfolgreich erkannt. %s",
        "Dispositivo riconosciuto correttamente. %s",
        "デバイスを正常に認識しました。 %s",
        "장치를 인식했습니다. %s",
        "Dispositivo reconocido correctamente. %s",
        "Apparaat is herkend. %s",
        "Устройство успешно распознано. %s",
        "设备识别成功。%s",
        "Laite tunnistettu. %s",
    },
    {
        "Failed to recognize device",
        "Échec de la reconnaissance de l'appareil",
        "Gerät konnte nicht erkannt werden",
        "Riconoscimento del dispositivo non riuscito",
        "デバイスを認識できませんでした",
        "장치를 인식하지 못했습니다",
        "Error al reconocer el dispositivo",
        "Apparaat herkennen mislukt",
        "Не удалось распознать устройство",
        "设备识别失败",
        "Laitteen tunnistus epäonnistui",
    },
};

constexpr PageHeadlines kFirmwareUpdateHeadlines = {
    {
        "On updating firmware.",
        "Mise à jour du micrologiciel en cours.",
        "Firmware wird aktualisiert.",
        "Aggiornamento del firmware in corso.",
        "ファームウェアを更新しています。",
        "펌웨어를 업데이트하는 중입니다.",
        "Actualizando el firmware.",
        "Firmware wordt bijgewerkt.",
        "Обновление прошивки.",
        "正在更新固件。",
        "Päivitetään laiteohjelmistoa.",
    },
    {
        "Firmware updated successfully",
        "Micrologiciel mis à jour avec succès",
        "Firmware erfolgreich aktualisiert",
        "Firmware aggiornato correttamente",
        "ファームウェアを更新しました",
        "펌웨어를 업데이트했습니다",
        "Firmware actualizado correctamente",
        "Firmware is bijgewerkt",
        "Прошивка успешно обновлена",
        "固件更新成功",
        "Laiteohjelmisto päivitetty",
    },
    {
        "Failed to update firmware",
        "Échec de la mise à jour du micrologiciel",
        "Firmware konnte nicht aktualisiert werden",
        "Aggiornamento del firmware non riuscito",
        "ファームウェアを更新できませんでした",
        "펌웨어를 업데이트하지 못했습니다",
        "Error al actualizar el firmware",
        "Firmware bijwerken mislukt",
        "Не удалось обновить прошивку",
        "固件更新失败",
        "Laiteohjelmiston päivitys epäonnistui",
    },
};

constexpr PageHeadlines kFirmwareRestoreHeadlines = {
    {
        "On restoring firmware.",
        "Restauration du micrologiciel en cours.",
        "Firmware wird wiederhergestellt.",
        "Ripristino del firmware in corso.",
        "ファームウェアを復元しています。",
        "펌웨어를 복원하는 중입니다.",
        "Restaurando el firmware.",
        "Firmware wordt hersteld.",
        "Восстановление прошивки.",
        "正在恢复固件。",
        "Palautetaan laiteohjelmistoa.",
    },
    {
        "Firmware restored successfully",
        "Micrologiciel restauré avec succès",
        "Firmware erfolgreich wiederhergestellt",
        "Firmware ripristinato correttamente",
        "ファームウェアを復元しました",
        "펌웨어를 복원했습니다",
        "Firmware restaurado correctamente",
        "Firmware is hersteld",
        "Прошивка успешно восстановлена",
        "固件恢复成功",
        "Laiteohjelmisto palautettu",
    },
    {
        "Failed to restore firmware",
        "Échec de la restauration du micrologiciel",
        "Firmware konnte nicht wiederhergestellt werden",
        "Ripristino del firmware non riuscito",
        "ファームウェアを復元できませんでした",
        "펌웨어를 복원하지 못했습니다",
        "Error al restaurar el firmware",
        "Firmware herstellen mislukt",
        "Не удалось восстановить прошивку",
        "固件恢复失败",
        "Laiteohjelmiston palautus epäonnistui",
    },
};

constexpr PageHeadlines kDeviceSettingHeadlines = {
    {
        "On saving device setting.",
        "Enregistrement des paramètres de l'appareil en cours.",
        "Geräteeinstellungen werden gespeichert.",
        "Salvataggio delle impostazioni del dispositivo in corso.",
        "デバイス設定を保存しています。",
        "장치 설정을 저장하는 중입니다.",
        "Guardando la configuración del dispositivo.",
        "Apparaatinstellingen worden opgeslagen.",
        "Сохранение настроек устройства.",
        "正在保存设备设置。",
        "Tallennetaan laiteasetuksia.",
    },
    {
        "Device setting saved successfully",
        "Paramètres de l'appareil enregistrés avec succès",
        "Geräteeinstellungen erfolgreich gespeichert",
        "Impostazioni del dispositivo salvate correttamente",
        "デバイス設定を保存しました",
        "장치 설정을 저장했습니다",
        "Configuración del dispositivo guardada correctamente",
        "Apparaatinstellingen zijn opgeslagen",
        "Настройки устройства успешно сохранены",
        "设备设置保存成功",
        "Laiteasetukset tallennettu",
    },
    {
        "Failed to save device setting",
        "Échec de l'enregistrement des paramètres de l'appareil",
        "Geräteeinstellungen konnten nicht gespeichert werden",
        "Salvataggio delle impostazioni del dispositivo non riuscito",
        "デバイス設定を保存できませんでした",
        "장치 설정을 저장하지 못했습니다",
        "Error al guardar la configuración del dispositivo",
        "Apparaatinstellingen opslaan mislukt",
        "Не удалось сохранить настройки устройства",
        "设备设置保存失败",
        "Laiteasetusten tallennus epäonnistui",
    },
};

// The German text keeps the model name together with a no-break space (U+00A0).
constexpr TextRow kFirmwareNotSupported = {
    "Firmware version is not supported by the P7E ULKA. Update to the latest version of P7E ULKA "
    "firmware.",
    "La version du micrologiciel n'est pas prise en charge par le P7E ULKA. Mettez à jour le "
    "micrologiciel du P7E ULKA vers la dernière version.",
    "Die Firmware-Version wird vom P7E\u00A0ULKA nicht unterstützt. Aktualisieren Sie die "
    "Firmware des P7E\u00A0ULKA auf die neueste Version.",
    "La versione del firmware non è supportata dal P7E ULKA. Aggiornare il firmware del P7E ULKA "
    "all'ultima versione.",
    "このファームウェアバージョンはP7E ULKAでサポートされていません。"
    "P7E ULKAのファームウェアを最新バージョンに更新してください。",
    "지원되지 않는 펌웨어 버전입니다. 최신 버전의 펌웨어로 업데이트하십시오.",
    "La versión del firmware no es compatible con el P7E ULKA. Actualice el firmware del P7E ULKA "
    "a la última versión.",
    "De firmwareversie wordt niet ondersteund door de P7E ULKA. Werk de firmware van de P7E ULKA "
    "bij naar de nieuwste versie.",
    "Версия прошивки не поддерживается устройством P7E ULKA. Обновите прошивку P7E ULKA до "
    "последней версии.",
    "P7E ULKA 不支持此固件版本。请将 P7E ULKA 固件更新到最新版本。",
    "P7E ULKA ei tue tätä laiteohjelmistoversiota. Päivitä P7E ULKA -laitteen laiteohjelmisto "
    "uusimpaan versioon.",
};

// The one way from a page number to its headlines; null outside 1 to 7.
const PageHeadlines* HeadlinesOfPage(int page) {
  switch (page) {
    case wizard::PAGE_SELECTION: return &kSelectionHeadlines;
    case wizard::PAGE_RECOGNITION: return &kRecognitionHeadlines;
    case wizard::PAGE_FIRMWARE_UPDATE: return &kFirmwareUpdateHeadlines;
    case wizard::PAGE_FIRMWARE_RESTORE: return &kFirmwareRestoreHeadlines;
    case wizard::PAGE_DEVICE_SETTING:
    case wizard::PAGE_DEVICE_SETTING_SECOND:
    case wizard::PAGE_SPEED_DIAL: return &kDeviceSettingHeadlines;
    default: return nullptr;
  }
}

}  // namespace

std::string GetPageInstructionText(int page, int usbStatus, int language) {
  if (page < wizard::PAGE_SELECTION || page > wizard::PAGE_SPEED_DIAL) return std::string();
  std::string pattern;
  if (page == wizard::PAGE_SELECTION) {
    pattern = Format(Pick(kPressPattern, language), GetNextText(language));
  } else if ((page == wizard::PAGE_FIRMWARE_UPDATE || page == wizard::PAGE_FIRMWARE_RESTORE) && device::IsDfuMode(usbStatus)) {
    pattern = Format(Pick(kReadyWithoutBackupPattern, language), GetCannotMakeBackupText(language));
  } else {
    pattern = Pick(kReadyPattern, language);
  }
  return Format(pattern, GetPageTitleText(page, language));
}

std::string GetPageProgressText(int page, int /*usbStatus*/, int language) {
  const PageHeadlines* headlines = HeadlinesOfPage(page);
  return headlines ? Pick(headlines->progress, language) : std::string();
}

std::string GetPageSuccessText(int page, int /*usbStatus*/, int language) {
  const PageHeadlines* headlines = HeadlinesOfPage(page);
  return headlines ? Pick(headlines->success, language) : std::string();
}

std::string GetPageFailureText(int page, int /*usbStatus*/, int language) {
  const PageHeadlines* headlines = HeadlinesOfPage(page);
  return headlines ? Pick(headlines->failure, language) : std::string();
}

std::string GetFirmwareNotSupportedText(int language) {
  return Pick(kFirmwareNotSupported, language);
}

}  // namespace text
