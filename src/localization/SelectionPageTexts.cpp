// Language order of every row: English, French, German, Italian, Japanese, Korean, Spanish, Dutch,
// Russian, Chinese, Finnish.
#include "localization/SelectionPageTexts.h"

#include "localization/SafeFormat.h"
#include "localization/SharedTexts.h"
#include "localization/TextRow.h"

namespace text {

namespace {

// The version of this program, which the prompt offers to keep.
constexpr int kRunningMajor = 1;
constexpr int kRunningMinor = 0;

// Filled with: product name twice, the offered major, minor and build suffix, the YES and NO
// captions, the product name and the running major, minor and build suffix.
constexpr TextRow kNewerProgram = {
    "Newer version of %s is available. Would you like to update %s to v%d.%d%s?\n\nPressing the "
    "[%s] button will close this program, start downloading the update and guide to "
    "installation.\nPressing the [%s] button will start %s v%d.%d%s without updating.",
    "Une nouvelle version de %s est disponible. Voulez-vous mettre à jour %s vers la v%d.%d%s ?"
    "\n\nLe bouton [%s] ferme ce programme, lance le téléchargement de la mise à jour et vous "
    "guide pendant l'installation.\nLe bouton [%s] démarre %s v%d.%d%s sans mise à jour.",
    "Eine neuere Version von %s ist verfügbar. Möchten Sie %s auf v%d.%d%s aktualisieren?\n\n"
    "Mit der Schaltfläche [%s] wird dieses Programm geschlossen, das Update heruntergeladen und "
    "die Installation angeleitet.\nMit der Schaltfläche [%s] wird %s v%d.%d%s ohne "
    "Aktualisierung gestartet.",
    "È disponibile una versione più recente di %s. Aggiornare %s alla v%d.%d%s?\n\nIl pulsante "
    "[%s] chiude questo programma, avvia il download dell'aggiornamento e guida "
    "all'installazione.\nIl pulsante [%s] avvia %s v%d.%d%s senza aggiornare.",
    "%sの新しいバージョンがあります。%sをv%d.%d%sに更新しますか？\n\n[%s]ボタンを押すと、この"
    "プログラムを終了して更新ファイルのダウンロードを開始し、インストールをご案内します。\n[%s]"
    "ボタンを押すと、更新せずに%s v%d.%d%sを起動します。",
    "%s의 새 버전을 사용할 수 있습니다. %s을(를) v%d.%d%s(으)로 업데이트하시겠습니까?\n\n[%s] "
    "버튼을 누르면 이 프로그램이 닫히고 업데이트 다운로드가 시작되며 설치 안내가 표시됩니다.\n"
    "[%s] 버튼을 누르면 업데이트하지 않고 %s v%d.%d%s을(를) 시작합니다.",
    "Hay una versión más reciente de %s. ¿Desea actualizar %s a la v%d.%d%s?\n\nEl botón [%s] "
    "cierra este programa, inicia la descarga de la actualización y le guía en la instalación.\n"
    "El botón [%s] inicia %s v%d.%d%s sin actualizar.",
    "Er is een nieuwere versie van %s beschikbaar. Wilt u %s bijwerken naar v%d.%d%s?\n\nMet de "
    "knop [%s] wordt dit programma gesloten, de update gedownload en de installatie begeleid.\n"
    "Met de knop [%s] wordt %s v%d.%d%s gestart zonder bij te werken.",
    "Доступна новая версия %s. Обновить %s до версии v%d.%d%s?\n\nКнопка [%s] закроет эту "
    "программу, начнет загрузку обновления и поможет выполнить установку.\nКнопка [%s] запустит "
    "%s v%d.%d%s без обновления.",
    "%s 有新版本可用。是否将 %s 更新到 v%d.%d%s？\n\n按 [%s] 按钮将关闭此程序，开始下载更新并"
    "引导您完成安装。\n按 [%s] 按钮将不更新，直接启动 %s v%d.%d%s。",
    "Ohjelmasta %s on saatavilla uudempi versio. Haluatko päivittää ohjelman %s versioon "
    "v%d.%d%s?\n\n[%s]-painike sulkee tämän ohjelman, aloittaa päivityksen lataamisen ja opastaa "
    "asennuksessa.\n[%s]-painike käynnistää ohjelman %s v%d.%d%s päivittämättä.",
};

constexpr TextRow kDownloadingUpdate = {
    "Downloading the update file.",
    "Téléchargement du fichier de mise à jour.",
    "Die Update-Datei wird heruntergeladen.",
    "Download del file di aggiornamento in corso.",
    "更新ファイルをダウンロードしています。",
    "업데이트 파일을 다운로드하는 중입니다.",
    "Descargando el archivo de actualización.",
    "Het updatebestand wordt gedownload.",
    "Загрузка файла обновления.",
    "正在下载更新文件。",
    "Päivitystiedostoa ladataan.",
};

constexpr const char* kUpdateFileFilter = "Manager Update Files(*.exe)|";

constexpr TextRow kUpdateSucceeded = {
    "Successfully downloaded the update file.",
    "Le fichier de mise à jour a bien été téléchargé.",
    "Die Update-Datei wurde erfolgreich heruntergeladen.",
    "Download del file di aggiornamento completato.",
    "更新ファイルのダウンロードが完了しました。",
    "업데이트 파일을 다운로드했습니다.",
    "El archivo de actualización se ha descargado correctamente.",
    "Het updatebestand is gedownload.",
    "Файл обновления успешно загружен.",
    "已成功下载更新文件。",
    "Päivitystiedosto ladattiin onnistuneesti.",
};

std::string BuildSuffix(int build) { return build > 0 ? Format(".%d", build) : std::string(); }

}  // namespace

std::string GetNewerProgramText(int major, int minor, int build, int language) {
  const std::string product = GetProductNameText(language);
  return FormatList(Pick(kNewerProgram, language),
                    {product, product, major, minor, BuildSuffix(build), GetYesText(language),
                     GetNoText(language), product, kRunningMajor, kRunningMinor, BuildSuffix(0)});
}

std::string GetDownloadingUpdateText(int language) { return Pick(kDownloadingUpdate, language); }
std::string GetUpdateFileFilterText(int /*language*/) { return kUpdateFileFilter; }
std::string GetUpdateSucceededText(int language) { return Pick(kUpdateSucceeded, language); }

}  // namespace text
