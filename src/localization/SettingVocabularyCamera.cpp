// Camera settings and their values.
#include "localization/SettingVocabulary.h"

namespace text {

// clang-format off
const VocabularyRow g_strPhotoMode = {
    "Photo Mode", "Mode photo", "Fotomodus", "Modalità foto", "写真モード", "사진 모드",
    "Modo foto", "Fotomodus", "Режим фото", "拍照模式", "Valokuvatila"};

const VocabularyRow g_strSingleShot = {
    "Single Shot", "Prise unique", "Einzelaufnahme", "Scatto singolo", "シングルショット",
    "단일 촬영", "Disparo único", "Enkele opname", "Одиночный снимок", "单拍", "Yksittäiskuva"};

const VocabularyRow g_strBurstShot = {
    "Burst Shot", "Rafale", "Serienaufnahme", "Scatto a raffica", "連写", "연속 촬영", "Ráfaga",
    "Serieopname", "Серийная съёмка", "连拍", "Sarjakuvaus"};

const VocabularyRow g_strVideoMode = {
    "Video Mode", "Mode vidéo", "Videomodus", "Modalità video", "ビデオモード", "동영상 모드",
    "Modo vídeo", "Videomodus", "Режим видео", "视频模式", "Videotila"};

const VocabularyRow g_strTimelapseMode = {
    "Timelapse Mode", "Mode accéléré", "Zeitraffermodus", "Modalità timelapse",
    "タイムラプスモード", "타임랩스 모드", "Modo timelapse", "Timelapse-modus",
    "Режим таймлапса", "延时摄影模式", "Aikavälikuvaustila"};

const VocabularyRow g_strLoopRecordingMode = {
    "Loop Recording Mode", "Mode enregistrement en boucle", "Endlosaufnahmemodus",
    "Modalità registrazione in loop", "ループ録画モード", "루프 녹화 모드",
    "Modo de grabación en bucle", "Lusopnamemodus", "Режим циклической записи", "循环录像模式",
    "Silmukkatallennustila"};

const VocabularyRow g_strVideoResolution = {
    "Video Resolution", "Résolution vidéo", "Videoauflösung", "Risoluzione video",
    "ビデオ解像度", "동영상 해상도", "Resolución de vídeo", "Videoresolutie",
    "Разрешение видео", "视频分辨率", "Videon tarkkuus"};

const VocabularyRow g_str1080p30 = {
    "1080p/30fps", "1080p / 30 ips", "1080p/30fps", "1080p/30fps", "1080p/30fps", "1080p/30fps",
    "1080p/30fps", "1080p/30fps", "1080p (30 кадров/сек)", "1080p/30fps", "1080p/30fps"};

const VocabularyRow g_str720p60 = {
    "720p/60fps", "720p / 60 ips", "720p/60fps", "720p/60fps", "720p/60fps", "720p/60fps",
    "720p/60fps", "720p/60fps", "720p (60 кадров/сек)", "720p/60fps", "720p/60fps"};

const VocabularyRow g_str720p30 = {
    "720p/30fps", "720p / 30 ips", "720p/30fps", "720p/30fps", "720p/30fps", "720p/30fps",
    "720p/30fps", "720p/30fps", "720p (30 кадров/сек)", "720p/30fps", "720p/30fps"};

const VocabularyRow g_strTimelapseInterval = {
    "Timelapse Interval", "Intervalle accéléré", "Zeitrafferintervall", "Intervallo timelapse",
    "タイムラプス間隔", "타임랩스 간격", "Intervalo de timelapse", "Timelapse-interval",
    "Интервал таймлапса", "延时摄影间隔", "Aikavälikuvauksen väli"};

const VocabularyRow g_strVideoTaggingInterval = {
    "Video Tagging Interval", "Intervalle de marquage vidéo", "Video-Markierungsintervall",
    "Intervallo tag video", "ビデオタグ間隔", "동영상 태그 간격",
    "Intervalo de etiquetado de vídeo", "Interval videomarkering", "Интервал меток видео",
    "视频标记间隔", "Videon merkintäväli"};

const VocabularyRow g_strLoopRecordingInterval = {
    "Loop Recording Interval", "Intervalle d'enregistrement en boucle",
    "Endlosaufnahme-Intervall", "Intervallo registrazione in loop", "ループ録画間隔",
    "루프 녹화 간격", "Intervalo de grabación en bucle", "Interval lusopname",
    "Интервал циклической записи", "循环录像间隔", "Silmukkatallennuksen väli"};

const VocabularyRow g_strVideoMicrophoneGain = {
    "Video Microphone Gain", "Gain du micro vidéo", "Video-Mikrofonverstärkung",
    "Guadagno microfono video", "ビデオマイクゲイン", "동영상 마이크 게인",
    "Ganancia del micrófono de vídeo", "Microfoonversterking video", "Усиление микрофона ви...",
    "视频麦克风增益", "Videon mikrofonin vahvistus"};

// Where "1 min" is the native form, the plurals keep "min" too.
const VocabularyRow g_str1Min = {
    "1 min", "1 min", "1 Min.", "1 min", "1分", "1분", "1 min", "1 min", "1 мин", "1 分钟",
    "1 min"};

const VocabularyRow g_str3Mins = {
    "3 mins", "3 min", "3 Min.", "3 min", "3分", "3분", "3 min", "3 min", "3 мин", "3 分钟",
    "3 min"};

const VocabularyRow g_str5Mins = {
    "5 mins", "5 min", "5 Min.", "5 min", "5分", "5분", "5 min", "5 min", "5 мин", "5 分钟",
    "5 min"};

const VocabularyRow g_str1Sec = {
    "1 sec", "1 s", "1 Sek.", "1 s", "1秒", "1초", "1 s", "1 sec", "1 сек", "1 秒", "1 s"};

const VocabularyRow g_str10Secs = {
    "10 secs", "10 s", "10 Sek.", "10 s", "10秒", "10초", "10 s", "10 sec", "10 сек", "10 秒",
    "10 s"};

const VocabularyRow g_strDateCaption = {
    "Date Caption", "Incrustation de la date", "Datumseinblendung", "Didascalia data",
    "日付表示", "날짜 표시", "Leyenda de fecha", "Datumweergave", "Подпись даты", "日期标注",
    "Päivämäärän näyttö"};

const VocabularyRow g_strSpeakerSoundRecording = {
    "Speaker Sound Recording", "Enregistrement du son du haut-parleur",
    "Lautsprecherton aufnehmen", "Registrazione audio altoparlante", "スピーカー音の録音",
    "스피커 소리 녹음", "Grabación del sonido del altavoz", "Luidsprekergeluid opnemen",
    "Запись звука динамика", "扬声器声音录制", "Kaiuttimen äänen tallennus"};

const VocabularyRow g_strAutoCameraSleep = {
    "Auto Camera Sleep", "Veille automatique de la caméra", "Automatischer Kamera-Ruhemodus",
    "Sospensione automatica fotocamera", "カメラ自動スリープ", "카메라 자동 절전",
    "Suspensión automática de la cámara", "Automatische slaapstand camera",
    "Автоматический спящий режим камеры", "相机自动休眠", "Kameran automaattinen lepotila"};
// clang-format on

}  // namespace text
