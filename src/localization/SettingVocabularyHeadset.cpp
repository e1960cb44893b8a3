// Headset settings, their option values and the helmets' emergency stop signal. Some translations
// are stored already cut short, the cut marked by "..."; nothing shortens a text at run time.
#include "localization/SettingVocabulary.h"

namespace text {

// clang-format off
const VocabularyRow g_strVoxIntercom = {
    "VOX Intercom", "Intercom VOX", "VOX-Gegensprechen", "Interfono VOX", "VOXインターコム",
    "VOX 인터콤", "Intercomunicador VOX", "VOX-intercom", "VOX-интерком", "VOX 对讲",
    "VOX-sisäpuhelin"};

const VocabularyRow g_strVoxPhone = {
    "VOX Phone", "Téléphone VOX", "VOX-Telefon", "Telefono VOX", "VOX電話", "VOX 전화",
    "Teléfono VOX", "VOX-telefoon", "VOX-телефон", "VOX 电话", "VOX-puhelin"};

const VocabularyRow g_strVoxSensitivity = {
    "VOX Sensitivity", "Sensibilité VOX", "VOX-Empfindlichkeit", "Sensibilità VOX", "VOX感度",
    "VOX 감도", "Sensibilidad VOX", "VOX-gevoeligheid", "Чувствительность VOX", "VOX 灵敏度",
    "VOX-herkkyys"};

const VocabularyRow g_strEnhancedDataRate = {
    "EDR (Enhanced Data Rate)", "EDR (Débit de données amé...", "EDR (Erhöhte Datenrate)",
    "EDR (Velocità dati avanzata)", "EDR（拡張データレート）", "EDR (향상된 데이터 전송률)",
    "EDR (Velocidad de datos mejorada)", "EDR (Verbeterde gegevenss...",
    "EDR (Расширенная скорос...", "EDR（增强数据速率）", "EDR (Parannettu tiedonsiirtonopeus)"};

const VocabularyRow g_strVoicePrompt = {
    "Voice Prompt", "Invite vocale", "Sprachansage", "Messaggi vocali", "音声ガイド", "음성 안내",
    "Indicaciones de voz", "Gesproken melding", "Голосовые подсказки", "语音提示",
    "Ääniopastus"};

const VocabularyRow g_strPacketLossConcealment = {
    "PLC (Packet Loss Concealment)", "PLC (Masquage de perte de p...",
    "PLC (Packet Loss Concealment)", "PLC (Packet Loss Concealment)", "PLC（パケットロス補正）",
    "PLC (패킷 손실 은폐)", "PLC (Ocultación de pérdida de paquetes)",
    "PLC (Maskering van pakketverlies)", "PLC (Маскирование потери пакетов)", "PLC（丢包隐藏）",
    "PLC (Packet Loss Concealment)"};

const VocabularyRow g_strHighQualityA2dp = {
    "High Quality A2DP", "A2DP haute qualité", "A2DP in hoher Qualität", "A2DP alta qualità",
    "高音質A2DP", "고음질 A2DP", "A2DP de alta calidad", "A2DP van hoge kwaliteit",
    "A2DP высокого кач...", "高品质 A2DP", "Korkealaatuinen A2DP"};

const VocabularyRow g_strMicrophoneBoosting = {
    "Microphone Boosting", "Amplification du micro", "Mikrofonverstärkung",
    "Amplificazione microfono", "マイクブースト", "마이크 증폭", "Amplificación del micrófono",
    "Microfoonversterking", "Усиление микрофона", "麦克风增强", "Mikrofonin vahvistus"};

const VocabularyRow g_strSidetone = {
    "Sidetone", "Effet local", "Mithörton", "Sidetone", "サイドトーン", "사이드톤",
    "Tono lateral", "Zijtoon", "Самопрослушивание", "侧音", "Sivuääni"};

const VocabularyRow g_strAmbientNoise = {
    "Mutravo™", "Mutravo™", "Mutravo™", "Mutravo™", "Mutravo™", "Mutravo™", "Mutravo™",
    "Mutravo™", "Mutravo™", "Mutravo™", "Mutravo™"};

const VocabularyRow g_strAutoGainControl = {
    "Auto Gain Control", "Contrôle automatique du gain", "Automatische Verstärkungsr...",
    "Controllo automatico del g...", "自動ゲイン制御", "자동 게인 조절",
    "Control automático de ganancia", "Automatische versterkingsregeling",
    "Автоматическая регулиров...", "自动增益控制", "Automaattinen vahvistuksen säätö"};

const VocabularyRow g_strRadioTransmitGain = {
    "Radio Transmit Gain", "Gain d'émission radio", "Funk-Sendeverstärkung",
    "Guadagno trasmissione radio", "無線送信ゲイン", "무선 송신 게인",
    "Ganancia de transmisión de radio", "Zendversterking radio", "Усиление радиопередачи",
    "无线电发射增益", "Radiolähetyksen vahvistus"};

const VocabularyRow g_strAudioChannelTimeout = {
    "Audio Channel Timeout", "Délai d'expiration du canal audio", "Zeitlimit Audiokanal",
    "Timeout canale audio", "オーディオチャンネルタイムアウト", "오디오 채널 시간 초과",
    "Tiempo de espera del canal de audio", "Time-out audiokanaal", "Тайм-аут аудиокан...",
    "音频通道超时", "Äänikanavan aikakatkaisu"};

const VocabularyRow g_strAudioBoost = {
    "Audio Boost", "Amplification audio", "Audio-Verstärkung", "Potenziamento audio",
    "オーディオブースト", "오디오 부스트", "Refuerzo de audio", "Audioversterking",
    "Усиление звука", "音频增强", "Äänen vahvistus"};

const VocabularyRow g_strMotionSensorSensitivity = {
    "Motion Sensor Sensitivity", "Sensibilité du capteur de m...", "Empfindlichkeit des Bewegu...",
    "Sensibilità del sensore di...", "モーションセンサー感度", "모션 센서 감도",
    "Sensibilidad del sensor de...", "Gevoeligheid bewegingssens...", "Чувствительность датчика...",
    "运动传感器灵敏度", "Liiketunnistimen herkkyys"};

const VocabularyRow g_strConcurrentAudio = {
    "Audio Tavlisk™", "Audio Tavlisk™", "Audio Tavlisk™", "Audio Tavlisk™", "Audio Tavlisk™",
    "Audio Tavlisk™", "Audio Tavlisk™", "Audio Tavlisk™", "Audio Tavlisk™", "Audio Tavlisk™",
    "Audio Tavlisk™"};

const VocabularyRow g_strAudioBlendSensitivity = {
    "Intercom-audio Sumbra Sensitivity", "Sensibilité Sumbra interco...",
    "Sumbra-Empfindlichkeit Ge...", "Sensibilità Sumbra interf...",
    "インターコム・オーディオSumbra感度", "인터콤-오디오 Sumbra 감도", "Sensibilidad Sumbra interc...",
    "Sumbra-gevoeligheid interc...", "Чувствительность Sumbra и...", "对讲-音频 Sumbra 灵敏度",
    "Sisäpuhelin-äänen Sumbra-h..."};

const VocabularyRow g_strNavigationAppSupport = {
    "Navigation App Support", "Prise en charge appli navigation", "Unterstützung für Navigati...",
    "Supporto app di navigazio...", "ナビゲーションアプリ対...", "내비게이션 앱 지원",
    "Compatibilidad con aplicac...", "Ondersteuning navigatie-app",
    "Поддержка навигационных приложений", "导航应用支持", "Navigointisovellusten tuki"};

const VocabularyRow g_strHdIntercom = {
    "HD Intercom", "Intercom HD", "HD-Gegensprechen", "Interfono HD", "HDインターコム",
    "HD 인터콤", "Intercomunicador HD", "HD-intercom", "HD-интерком", "高清对讲",
    "HD-sisäpuhelin"};

const VocabularyRow g_strEightWayIntercom = {
    "Eight-way Intercom", "Intercom à huit", "Achtfach-Gegensprechen", "Interfono a otto vie",
    "8者間インターコム", "8자 인터콤", "Intercomunicador de ocho vías",
    "Intercom met acht deelnemers", "Восьмисторонний интерком", "八方对讲",
    "Kahdeksan käyttäjän sisäpuhelin"};

const VocabularyRow g_strSmartVolumeControl = {
    "Smart Volume Control", "Contrôle intelligent du volume", "Intelligente Lautstärkeregelung",
    "Controllo intelligente del volume", "スマート音量調整", "스마트 볼륨 조절",
    "Control inteligente del volumen", "Slimme volumeregeling", "Умная регулировка громкости",
    "智能音量控制", "Älykäs äänenvoimakkuuden säätö"};

const VocabularyRow g_strFmStationGuide = {
    "FM Station Guide", "Guide des stations FM", "UKW-Senderansage", "Guida stazioni FM",
    "FM局ガイド", "FM 방송국 안내", "Guía de emisoras FM", "FM-zendergids",
    "Справка о FM-станциях", "FM 电台指南", "FM-asemaopas"};

const VocabularyRow g_strHdVoice = {
    "HD Voice", "Voix HD", "HD Voice", "HD Voice", "HDボイス", "HD Voice", "Voz HD", "HD-spraak",
    "HD Voice", "HD Voice", "HD-puhe"};

const VocabularyRow g_strAudioSourcePriority = {
    "Audio Source Priority", "Priorité des sources audio", "Priorität der Audioquellen",
    "Priorità sorgente audio", "オーディオソースの優先順位", "오디오 소스 우선순위",
    "Prioridad de fuente de audio", "Prioriteit audiobron", "Приоритет источников звука",
    "音频源优先级", "Äänilähteen prioriteetti"};

const VocabularyRow g_strAudioBlend = {
    "Audio Sumbra™", "Audio Sumbra™", "Audio Sumbra™", "Audio Sumbra™", "Audio Sumbra™",
    "Audio Sumbra™", "Audio Sumbra™", "Audio Sumbra™", "Audio Sumbra™", "Audio Sumbra™",
    "Audio Sumbra™"};

const VocabularyRow g_strIntercomConcurrentAudio = {
    "Bluetooth Intercom Audio Tavlisk™", "Intercom Bluetooth Audio Tavlisk™",
    "Bluetooth-Gegensprechen Audio Tavlisk™", "Interfono Bluetooth Audio Tavlisk™",
    "Bluetoothインターコム Audio Tavlisk™", "블루투스 인터콤 Audio Tavlisk™",
    "Intercomunicador Bluetooth Audio Tavlisk™", "Bluetooth-intercom Audio Tavlisk™",
    "Bluetooth-интерком Audio Tavlisk™", "蓝牙对讲 Audio Tavlisk™",
    "Bluetooth-sisäpuhelin Audio Tavlisk™"};

const VocabularyRow g_strSmartNaviSystem = {
    "Smart Navi System", "Smart Navi System", "Smart Navi System", "Smart Navi System",
    "Smart Navi System", "Smart Navi System", "Smart Navi System", "Smart Navi System",
    "Smart Navi System", "Smart Navi System", "Smart Navi System"};

const VocabularyRow g_strGuestMode = {
    "Guest Mode", "Mode invité", "Gastmodus", "Modalità ospite", "ゲストモード", "게스트 모드",
    "Modo invitado", "Gastmodus", "Гостевой режим", "访客模式", "Vierastila"};

const VocabularyRow g_strVoiceCommand = {
    "Voice Command", "Commande vocale", "Sprachbefehl", "Comando vocale", "音声コマンド",
    "음성 명령", "Comando de voz", "Spraakopdracht", "Голосовая команда", "语音命令",
    "Äänikomento"};

const VocabularyRow g_strAudioBlendVolume = {
    "Audio Sumbra Volume Management", "Gestion du volume Audio Sumbra",
    "Audio Sumbra-Lautstärkeverwaltung", "Gestione volume Audio Sumbra", "Audio Sumbra音量管理",
    "Audio Sumbra 볼륨 관리", "Gestión del volumen de Audio Sumbra", "Volumebeheer Audio Sumbra",
    "Управление громкостью Audio Sumbra", "Audio Sumbra 音量管理",
    "Audio Sumbra -äänenvoimakkuuden hallinta"};

// Translated rather than left as "UnitLanguageFR"-style resource keys, which no user can read.
const VocabularyRow g_strUnitLanguage = {
    "Unit Language", "Langue de l'appareil", "Gerätesprache", "Lingua del dispositivo",
    "本体の言語", "기기 언어", "Idioma del dispositivo", "Taal van het apparaat",
    "Язык устройства", "设备语言", "Laitteen kieli"};

const VocabularyRow g_strMusic = {
    "Music", "Musique", "Musik", "Musica", "音楽", "음악", "Música", "Muziek", "Музыка", "音乐",
    "Musiikki"};

const VocabularyRow g_strIntercom = {
    "Intercom", "Intercom", "Gegensprechen", "Intercom", "インターコム", "인터콤",
    "Intercomunicador", "Intercom", "Интерком", "对讲", "Sisäpuhelin"};

const VocabularyRow g_strSourceMusic = {
    "▶ Music", "▶ Musique", "▶ Musik", "▶ Musica", "▶ 音楽", "▶ 음악", "▶ Música", "▶ Muziek",
    "▶ Музыка", "▶ 音乐", "▶ Musiikki"};

const VocabularyRow g_strSourceFmRadio = {
    "▶ FM Radio", "▶ Radio FM", "▶ UKW-Radio", "▶ Radio FM", "▶ FMラジオ", "▶ FM 라디오",
    "▶ Radio FM", "▶ FM-radio", "▶ FM-радио", "▶ FM 收音机", "▶ FM-radio"};

const VocabularyRow g_strSourceIntercom = {
    "▶ Intercom", "▶ Intercom", "▶ Gegensprechen", "▶ Intercom", "▶ インターコム", "▶ 인터콤",
    "▶ Intercomunicador", "▶ Intercom", "▶ Интерком", "▶ 对讲", "▶ Sisäpuhelin"};

const VocabularyRow g_strSourcePhone = {
    "▶ Phone", "▶ Téléphone", "▶ Telefon", "▶ Telefono", "▶ 電話", "▶ 전화", "▶ Teléfono",
    "▶ Telefoon", "▶ Телефон", "▶ 电话", "▶ Puhelin"};

// The helmets' signal keeps its English wording in Japanese, Korean, Russian, Chinese and Finnish.
const VocabularyRow g_strEssStatus = {
    "ESS STATUS", "ÉTAT ESS", "ESS-STATUS", "STATO ESS", "ESS STATUS", "ESS STATUS",
    "ESTADO ESS", "ESS-STATUS", "ESS STATUS", "ESS STATUS", "ESS STATUS"};

const VocabularyRow g_strEssOn = {
    "ESS ON", "ESS ACTIVÉ", "ESS EIN", "ESS ATTIVO", "ESS ON", "ESS ON", "ESS ACTIVADO",
    "ESS AAN", "ESS ON", "ESS ON", "ESS ON"};

const VocabularyRow g_strEssOff = {
    "ESS OFF", "ESS DÉSACTIVÉ", "ESS AUS", "ESS DISATTIVO", "ESS OFF", "ESS OFF",
    "ESS DESACTIVADO", "ESS UIT", "ESS OFF", "ESS OFF", "ESS OFF"};

const VocabularyRow g_strPositionLightEssOn = {
    "Position Light + ESS ON", "Feu de position + ESS ACTIVÉ", "Positionslicht + ESS EIN",
    "Luce di posizione + ESS ATTIVO", "Position Light + ESS ON", "Position Light + ESS ON",
    "Luz de posición + ESS ACTIVADO", "Positielicht + ESS AAN", "Position Light + ESS ON",
    "Position Light + ESS ON", "Position Light + ESS ON"};

const VocabularyRow g_strFogLightEssOn = {
    "Fog Light + ESS ON", "Feu antibrouillard + ESS ACTIVÉ", "Nebellicht + ESS EIN",
    "Fendinebbia + ESS ATTIVO", "Fog Light + ESS ON", "Fog Light + ESS ON",
    "Luz antiniebla + ESS ACTIVADO", "Mistlicht + ESS AAN", "Fog Light + ESS ON",
    "Fog Light + ESS ON", "Fog Light + ESS ON"};

const VocabularyRow g_strEssSensitivity = {
    "ESS Sensitivity", "Sensibilité ESS", "ESS-Empfindlichkeit", "Sensibilità ESS",
    "ESS Sensitivity", "ESS Sensitivity", "Sensibilidad ESS", "ESS-gevoeligheid",
    "ESS Sensitivity", "ESS Sensitivity", "ESS Sensitivity"};
// clang-format on

}  // namespace text
