// Language order of every row: English, French, German, Italian, Japanese, Korean, Spanish, Dutch,
// Russian, Chinese, Finnish.
#include "localization/ServerFailureTexts.h"

#include "localization/TextRow.h"

namespace text {

namespace {

constexpr TextRow kCannotConnectToServer = {
    "Cannot connect to the server",
    "Impossible de se connecter au serveur",
    "Keine Verbindung zum Server möglich",
    "Impossibile connettersi al server",
    "サーバーに接続できません",
    "서버에 연결할 수 없습니다",
    "No se puede conectar con el servidor",
    "Kan geen verbinding maken met de server",
    "Не удается подключиться к серверу",
    "无法连接到服务器",
    "Palvelimeen ei saada yhteyttä",
};

constexpr TextRow kCannotOpenFile = {
    "Cannot open file",
    "Impossible d'ouvrir le fichier",
    "Datei kann nicht geöffnet werden",
    "Impossibile aprire il file",
    "ファイルを開けません",
    "파일을 열 수 없습니다",
    "No se puede abrir el archivo",
    "Kan bestand niet openen",
    "Не удается открыть файл",
    "无法打开文件",
    "Tiedostoa ei voi avata",
};

}  // namespace

std::string GetCannotConnectToServerText(int language) { return Pick(kCannotConnectToServer, language); }
std::string GetCannotOpenFileText(int language) { return Pick(kCannotOpenFile, language); }

}  // namespace text
