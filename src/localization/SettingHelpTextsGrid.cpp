// Help texts that only the settings grid shows. Language order of every row: English, French,
// German, Italian, Japanese, Korean, Spanish, Dutch, Russian, Chinese, Finnish.
#include "localization/SettingHelpTexts.h"

namespace text {

namespace {

constexpr TextRow kAudioBlendSensitivityFiveLevel = {
    "[Intercom-audio Sumbra Sensitivity]\nThe music, FM radio and GPS volume will be lowered to play in the "
    "background if you talk over the intercom while the overlaid audio is playing. You can adjust the intercom "
    "sensitivity to activate this background audio mode. Level 1 has the lowest sensitivity and level 5 has "
    "the highest sensitivity.",
    "[Sensibilité Sumbra intercom-audio]\nLe volume de la musique, de la radio FM et du GPS baisse pour passer "
    "en arrière-plan si vous parlez à l'intercom pendant la lecture de l'audio superposé. Vous pouvez régler la "
    "sensibilité de l'intercom qui déclenche ce mode. Le niveau 1 est le moins sensible, le niveau 5 le plus "
    "sensible.",
    "[Sumbra-Empfindlichkeit Gegensprechen]\nMusik, UKW-Radio und GPS werden leiser im Hintergrund gespielt, "
    "wenn Sie während der überlagerten Wiedergabe über die Gegensprechanlage sprechen. Sie können einstellen, "
    "wie empfindlich die Gegensprechanlage diesen Modus auslöst. Stufe 1 ist am wenigsten, Stufe 5 am meisten "
    "empfindlich.",
    "[Sensibilità Sumbra interfono-audio]\nIl volume di musica, radio FM e GPS si abbassa e prosegue in "
    "sottofondo se parli all'interfono durante la riproduzione sovrapposta. Puoi regolare la sensibilità "
    "dell'interfono che attiva questa modalità. Il livello 1 è il meno sensibile, il livello 5 il più sensibile.",
    "[インターコム・オーディオ Sumbra 感度]\n重ねて再生中にインターコムで話すと、音楽、FM ラジオ、GPS の音量が"
    "下がりバックグラウンドで再生されます。このモードが作動するインターコムの感度を調整できます。レベル 1 が"
    "最も低く、レベル 5 が最も高い感度です。",
    "[인터콤-오디오 Sumbra 감도]\n오디오를 겹쳐 재생하는 중에 인터콤으로 말하면 음악, FM 라디오, GPS 음량이 "
    "낮아져 배경에서 재생됩니다. 이 모드가 작동하는 인터콤 감도를 조절할 수 있습니다. 레벨 1이 가장 낮고 "
    "레벨 5가 가장 높은 감도입니다.",
    "[Sensibilidad Sumbra intercomunicador-audio]\nEl volumen de la música, la radio FM y el GPS baja y sigue "
    "de fondo si habla por el intercomunicador mientras suena el audio superpuesto. Puede ajustar la "
    "sensibilidad que activa este modo. El nivel 1 es el menos sensible y el 5 el más sensible.",
    "[Sumbra-gevoeligheid intercom-audio]\nMuziek, FM-radio en GPS gaan zachter op de achtergrond spelen als u "
    "via de intercom praat terwijl de gemengde audio speelt. U kunt instellen hoe gevoelig de intercom deze "
    "modus inschakelt. Niveau 1 is het minst gevoelig, niveau 5 het meest.",
    "[Чувствительность Sumbra интерком-аудио]\nЕсли во время наложенного воспроизведения вы говорите по "
    "интеркому, громкость музыки, FM-радио и GPS снижается и они звучат в фоне. Можно настроить "
    "чувствительность интеркома для включения этого режима. Уровень 1 — наименьшая, уровень 5 — наибольшая.",
    "[对讲-音频 Sumbra 灵敏度]\n在叠加音频播放时通过对讲说话，音乐、FM 收音机和 GPS 的音量会降低并在后台播放。"
    "您可以调整触发此模式的对讲灵敏度。级别 1 灵敏度最低，级别 5 灵敏度最高。",
    "[Sisäpuhelin-äänen Sumbra-herkkyys]\nMusiikin, FM-radion ja GPS:n äänenvoimakkuus laskee ja ne soivat "
    "taustalla, jos puhut sisäpuhelimeen päällekkäisen toiston aikana. Voit säätää herkkyyttä, jolla tila "
    "käynnistyy. Taso 1 on vähiten herkkä ja taso 5 herkin.",
};

// This text has no real content yet in any language; each language is marked for its writers.
constexpr TextRow kUnitLanguage = {
    "[Unit Language]\nUnitLanguageINFO_EN", "[Unit Language FR]\nUnitLanguageINFO_FR",
    "[Unit Language DE]\nUnitLanguageINFO_DE", "[Unit Language IT]\nUnitLanguageINFO_IT",
    "[Unit Language JP]\nUnitLanguageINFO_JP", "[Unit Language KO]\nUnitLanguageINFO_KO",
    "[Unit Language ES]\nUnitLanguageINFO_ES", "[Unit Language NL]\nUnitLanguageINFO_NL",
    "[Unit Language RS]\nUnitLanguageINFO_RS", "[Unit Language CN]\nUnitLanguageINFO_CN",
    "[Unit Language FI]\nUnitLanguageINFO_FI",
};

#define VOX_SENSITIVITY_ROW(DEFAULT)                                                                          \
  {                                                                                                           \
    "[VOX Sensitivity]\nThis feature determines the sensitivity level for VOX Phone and VOX Intercom. Level 5 " \
    "is the highest sensitivity setting and 1 is the lowest.\nDefault: " DEFAULT,                             \
        "[Sensibilité VOX]\nCette fonction détermine le niveau de sensibilité du VOX téléphone et du VOX "    \
        "intercom. Le niveau 5 est le plus sensible et 1 le moins sensible.\nPar défaut : " DEFAULT,          \
        "[VOX-Empfindlichkeit]\nDiese Funktion legt die Empfindlichkeit von VOX Telefon und VOX "              \
        "Gegensprechen fest. Stufe 5 ist die höchste, Stufe 1 die niedrigste Empfindlichkeit.\nStandard: "    \
        DEFAULT,                                                                                              \
        "[Sensibilità VOX]\nQuesta funzione determina il livello di sensibilità di VOX telefono e VOX "        \
        "interfono. Il livello 5 è il più sensibile e 1 il meno sensibile.\nPredefinito: " DEFAULT,           \
        "[VOX 感度]\nVOX 電話と VOX インターコムの感度レベルを決めます。レベル 5 が最も高く、1 が最も低い感度"     \
        "です。\n初期値: " DEFAULT,                                                                            \
        "[VOX 감도]\nVOX 전화와 VOX 인터콤의 감도 레벨을 정합니다. 레벨 5가 가장 높고 1이 가장 낮은 "            \
        "감도입니다.\n기본값: " DEFAULT,                                                                       \
        "[Sensibilidad VOX]\nEsta función determina el nivel de sensibilidad del VOX teléfono y del VOX "      \
        "intercomunicador. El nivel 5 es el más sensible y el 1 el menos.\nPredeterminado: " DEFAULT,         \
        "[VOX-gevoeligheid]\nDeze functie bepaalt de gevoeligheid van VOX telefoon en VOX intercom. Niveau "  \
        "5 is het meest gevoelig en 1 het minst.\nStandaard: " DEFAULT,                                       \
        "[Чувствительность VOX]\nЭта функция задаёт уровень чувствительности VOX для телефона и интеркома. "  \
        "Уровень 5 — самая высокая чувствительность, 1 — самая низкая.\nПо умолчанию: " DEFAULT,              \
        "[VOX 灵敏度]\n此功能决定 VOX 电话和 VOX 对讲的灵敏度级别。级别 5 灵敏度最高，1 最低。\n默认：" DEFAULT, \
        "[VOX-herkkyys]\nTämä toiminto määrää VOX-puhelimen ja VOX-sisäpuhelimen herkkyystason. Taso 5 on "   \
        "herkin ja 1 vähiten herkkä.\nOletus: " DEFAULT,                                                      \
  }

constexpr TextRow kVoxSensitivity = VOX_SENSITIVITY_ROW("3");
constexpr TextRow kVoxSensitivityDefaultTwo = VOX_SENSITIVITY_ROW("2");
#undef VOX_SENSITIVITY_ROW

constexpr TextRow kVoxSensitivityLowMediumHigh = {
    "[VOX Sensitivity]\nThis feature determines the sensitivity level for VOX Phone and VOX Intercom. The "
    "sensitivity level can be set to High, Medium or Low.\nDefault setting: Medium",
    "[Sensibilité VOX]\nCette fonction détermine le niveau de sensibilité du VOX téléphone et du VOX intercom. "
    "Il peut être élevé, moyen ou faible.\nRéglage par défaut : moyen",
    "[VOX-Empfindlichkeit]\nDiese Funktion legt die Empfindlichkeit von VOX Telefon und VOX Gegensprechen fest. "
    "Sie kann hoch, mittel oder niedrig sein.\nStandardeinstellung: mittel",
    "[Sensibilità VOX]\nQuesta funzione determina il livello di sensibilità di VOX telefono e VOX interfono. "
    "Può essere alto, medio o basso.\nImpostazione predefinita: medio",
    "[VOX 感度]\nVOX 電話と VOX インターコムの感度レベルを決めます。感度は高、中、低に設定できます。\n初期設定: 中",
    "[VOX 감도]\nVOX 전화와 VOX 인터콤의 감도 레벨을 정합니다. 감도는 높음, 보통, 낮음으로 설정할 수 "
    "있습니다.\n기본 설정: 보통",
    "[Sensibilidad VOX]\nEsta función determina el nivel de sensibilidad del VOX teléfono y del VOX "
    "intercomunicador. Puede ser alto, medio o bajo.\nAjuste predeterminado: medio",
    "[VOX-gevoeligheid]\nDeze functie bepaalt de gevoeligheid van VOX telefoon en VOX intercom. U kunt hoog, "
    "middel of laag kiezen.\nStandaardinstelling: middel",
    "[Чувствительность VOX]\nЭта функция задаёт уровень чувствительности VOX для телефона и интеркома. Он "
    "может быть высоким, средним или низким.\nПо умолчанию: средний",
    "[VOX 灵敏度]\n此功能决定 VOX 电话和 VOX 对讲的灵敏度级别，可设为高、中或低。\n默认设置：中",
    "[VOX-herkkyys]\nTämä toiminto määrää VOX-puhelimen ja VOX-sisäpuhelimen herkkyystason. Sen voi asettaa "
    "korkeaksi, keskitasoiseksi tai matalaksi.\nOletusasetus: keski",
};

constexpr TextRow kVoxPhone = {
    "[VOX Phone]\nIf this feature is enabled, you can answer incoming phone call by saying a word loudly enough.",
    "[VOX téléphone]\nSi cette fonction est activée, vous pouvez répondre à un appel entrant en prononçant un "
    "mot assez fort.",
    "[VOX Telefon]\nIst diese Funktion aktiviert, nehmen Sie einen eingehenden Anruf an, indem Sie laut genug "
    "ein Wort sagen.",
    "[VOX telefono]\nSe questa funzione è attiva, puoi rispondere a una chiamata in arrivo pronunciando una "
    "parola a voce abbastanza alta.",
    "[VOX 電話]\nこの機能を有効にすると、十分に大きな声で何か話すだけで着信に応答できます。",
    "[VOX 전화]\n이 기능을 사용하면 충분히 큰 소리로 말하기만 해도 걸려 온 전화를 받을 수 있습니다.",
    "[VOX teléfono]\nCon esta función activada, puede contestar una llamada entrante diciendo una palabra en "
    "voz suficientemente alta.",
    "[VOX telefoon]\nAls deze functie aan staat, kunt u een inkomende oproep aannemen door hard genoeg een "
    "woord te zeggen.",
    "[VOX телефон]\nЕсли функция включена, можно ответить на входящий вызов, достаточно громко произнеся "
    "любое слово.",
    "[VOX 电话]\n启用此功能后，只需大声说出一个词即可接听来电。",
    "[VOX-puhelin]\nKun toiminto on käytössä, voit vastata saapuvaan puheluun sanomalla jonkin sanan riittävän "
    "kovaa.",
};

constexpr TextRow kHdIntercom = {
    "[HD Intercom]\n%s converts two-way intercom audio quality from normal to HD.",
    "[Intercom HD]\n%s fait passer la qualité audio de l'intercom à deux de normale à HD.",
    "[HD-Gegensprechen]\n%s hebt die Audioqualität des Gegensprechens zu zweit von normal auf HD.",
    "[Interfono HD]\n%s porta la qualità audio dell'interfono a due da normale a HD.",
    "[HD インターコム]\n%s は 2 者間インターコムの音質を標準から HD に切り替えます。",
    "[HD 인터콤]\n%s 기능은 양방향 인터콤 음질을 일반에서 HD로 바꿉니다.",
    "[Intercomunicador HD]\n%s convierte la calidad de audio del intercomunicador entre dos de normal a HD.",
    "[HD-intercom]\n%s zet de geluidskwaliteit van de intercom tussen twee personen om van normaal naar HD.",
    "[HD-интерком]\n%s повышает качество звука интеркома для двоих с обычного до HD.",
    "[HD 对讲]\n%s 可将双向对讲的音质从普通提升为高清。",
    "[HD-sisäpuhelin]\n%s nostaa kahden hengen sisäpuhelimen äänenlaadun tavallisesta HD-tasolle.",
};

constexpr TextRow kEightWayIntercom = {
    "[Eight-way Intercom]\nIf %s is disabled, the default settings are optimized for four-way intercom "
    "transmission. When %s is enabled, the intercom settings are enhanced.",
    "[Intercom à huit]\nSi %s est désactivé, les réglages par défaut sont optimisés pour l'intercom à quatre. "
    "Lorsque %s est activé, les réglages de l'intercom sont étendus.",
    "[Gegensprechen zu acht]\nIst %s deaktiviert, sind die Standardeinstellungen für Gegensprechen zu viert "
    "optimiert. Ist %s aktiviert, werden die Einstellungen der Gegensprechanlage erweitert.",
    "[Interfono a otto]\nSe %s è disattivato, le impostazioni predefinite sono ottimizzate per l'interfono a "
    "quattro. Quando %s è attivo, le impostazioni dell'interfono vengono potenziate.",
    "[8 者間インターコム]\n%s が無効の場合、初期設定は 4 者間インターコム向けに最適化されています。%s を有効に"
    "すると、インターコムの設定が強化されます。",
    "[8자 인터콤]\n%s 기능이 꺼져 있으면 기본 설정은 4자 인터콤 전송에 최적화되어 있습니다. %s 기능을 켜면 "
    "인터콤 설정이 향상됩니다.",
    "[Intercomunicador a ocho]\nSi %s está desactivado, los ajustes predeterminados están optimizados para el "
    "intercomunicador a cuatro. Con %s activado, los ajustes del intercomunicador se amplían.",
    "[Intercom met acht]\nAls %s uit staat, zijn de standaardinstellingen geoptimaliseerd voor intercom met "
    "vier. Als %s aan staat, worden de intercominstellingen uitgebreid.",
    "[Интерком на восьмерых]\nЕсли %s отключён, настройки по умолчанию оптимизированы для интеркома на "
    "четверых. Когда %s включён, возможности интеркома расширяются.",
    "[八方对讲]\n禁用 %s 时，默认设置针对四方对讲传输进行了优化。启用 %s 后，对讲设置将得到增强。",
    "[Kahdeksan hengen sisäpuhelin]\nKun %s ei ole käytössä, oletusasetukset on optimoitu neljän hengen "
    "sisäpuhelimelle. Kun %s on käytössä, sisäpuhelimen asetuksia tehostetaan.",
};

constexpr TextRow kVoicePrompt = {
    "[Voice Prompt]\nEnable or Disable voice prompts.",
    "[Messages vocaux]\nActive ou désactive les messages vocaux.",
    "[Sprachansagen]\nSprachansagen aktivieren oder deaktivieren.",
    "[Messaggi vocali]\nAttiva o disattiva i messaggi vocali.",
    "[音声ガイド]\n音声ガイドを有効または無効にします。",
    "[음성 안내]\n음성 안내를 사용하거나 사용 안 함으로 설정합니다.",
    "[Avisos de voz]\nActiva o desactiva los avisos de voz.",
    "[Gesproken meldingen]\nGesproken meldingen in- of uitschakelen.",
    "[Голосовые подсказки]\nВключение или отключение голосовых подсказок.",
    "[语音提示]\n启用或禁用语音提示。",
    "[Ääniopasteet]\nOta ääniopasteet käyttöön tai poista ne käytöstä.",
};

constexpr TextRow kVoxIntercom = {
    "[VOX Intercom]\nIf %s is enabled, you can initiate an intercom conversation with the last connected "
    "intercom by voice. When you want to start intercom, say a word such as \"Hello\" loudly or blow air into "
    "the microphone. If %s is disabled, you can start an intercom conversation only by tapping the Jog Dial.",
    "[VOX intercom]\nSi %s est activé, vous pouvez lancer à la voix une conversation avec le dernier intercom "
    "connecté. Pour démarrer l'intercom, dites fort un mot comme « Bonjour » ou soufflez dans le microphone. Si "
    "%s est désactivé, vous ne pouvez démarrer une conversation qu'en appuyant sur la molette.",
    "[VOX Gegensprechen]\nIst %s aktiviert, starten Sie per Stimme ein Gespräch mit der zuletzt verbundenen "
    "Gegensprechanlage. Sagen Sie dazu laut ein Wort wie „Hallo“ oder pusten Sie ins Mikrofon. Ist %s "
    "deaktiviert, starten Sie ein Gespräch nur durch Tippen auf das Jog-Dial.",
    "[VOX interfono]\nSe %s è attivo, puoi avviare con la voce una conversazione con l'ultimo interfono "
    "collegato. Per iniziare, pronuncia ad alta voce una parola come \"Ciao\" o soffia nel microfono. Se %s è "
    "disattivato, puoi avviare una conversazione solo toccando la rotella.",
    "[VOX インターコム]\n%s を有効にすると、最後に接続したインターコムとの通話を声で開始できます。インターコムを"
    "始めるには「ハロー」などの言葉を大きな声で言うか、マイクに息を吹きかけます。%s が無効の場合は、ジョグ"
    "ダイヤルをタップしてのみ通話を開始できます。",
    "[VOX 인터콤]\n%s 기능을 켜면 마지막으로 연결한 인터콤과의 대화를 음성으로 시작할 수 있습니다. 인터콤을 "
    "시작하려면 \"헬로\" 같은 말을 크게 하거나 마이크에 바람을 부십시오. %s 기능이 꺼져 있으면 조그 다이얼을 "
    "탭해야만 대화를 시작할 수 있습니다.",
    "[VOX intercomunicador]\nCon %s activado, puede iniciar por voz una conversación con el último "
    "intercomunicador conectado. Para empezar, diga en voz alta una palabra como \"Hola\" o sople en el "
    "micrófono. Si %s está desactivado, solo puede iniciarla tocando la rueda de control.",
    "[VOX intercom]\nAls %s aan staat, kunt u met uw stem een gesprek beginnen met de laatst verbonden "
    "intercom. Zeg daarvoor hard een woord als \"Hallo\" of blaas in de microfoon. Als %s uit staat, kunt u "
    "een gesprek alleen beginnen door op de jogdial te tikken.",
    "[VOX интерком]\nЕсли %s включён, можно голосом начать разговор с последним подключённым интеркомом. "
    "Для этого громко скажите слово, например «Привет», или подуйте в микрофон. Если %s отключён, начать "
    "разговор можно только касанием джойстика.",
    "[VOX 对讲]\n启用 %s 后，可以用语音与最后连接的对讲设备开始通话。要开始对讲，请大声说出“你好”之类的词，"
    "或向麦克风吹气。禁用 %s 时，只能通过轻触旋钮开始对讲通话。",
    "[VOX-sisäpuhelin]\nKun %s on käytössä, voit aloittaa puheella keskustelun viimeksi yhdistetyn "
    "sisäpuhelimen kanssa. Sano kovaa esimerkiksi \"Hei\" tai puhalla mikrofoniin. Kun %s ei ole käytössä, "
    "keskustelun voi aloittaa vain napauttamalla säätöpyörää.",
};

constexpr TextRow kPhotoMode = {
    "[Photo Mode]\nYou can select the photo mode to be either single shot or burst shot. Single shot takes a "
    "single photo while burst shot takes 10 photos in one second.",
    "[Mode photo]\nVous pouvez choisir le mode photo unique ou rafale. Le mode unique prend une seule photo, le "
    "mode rafale prend 10 photos en une seconde.",
    "[Fotomodus]\nSie können Einzelbild oder Serienbild wählen. Einzelbild nimmt ein Foto auf, Serienbild "
    "10 Fotos in einer Sekunde.",
    "[Modalità foto]\nPuoi scegliere lo scatto singolo o a raffica. Lo scatto singolo scatta una foto, la "
    "raffica 10 foto in un secondo.",
    "[写真モード]\n写真モードをシングルショットまたはバーストショットに設定できます。シングルショットは 1 枚、"
    "バーストショットは 1 秒間に 10 枚撮影します。",
    "[사진 모드]\n사진 모드를 단일 촬영 또는 연속 촬영으로 선택할 수 있습니다. 단일 촬영은 사진 1장을, 연속 "
    "촬영은 1초에 10장을 찍습니다.",
    "[Modo de foto]\nPuede elegir disparo único o ráfaga. El disparo único toma una foto y la ráfaga toma "
    "10 fotos en un segundo.",
    "[Fotomodus]\nU kunt kiezen tussen enkele opname en serieopname. Een enkele opname maakt één foto, een "
    "serieopname 10 foto's in één seconde.",
    "[Режим фото]\nМожно выбрать одиночную или серийную съёмку. Одиночная делает один снимок, серийная — "
    "10 снимков за секунду.",
    "[拍照模式]\n可将拍照模式设为单拍或连拍。单拍拍摄一张照片，连拍在一秒内拍摄 10 张照片。",
    "[Kuvaustila]\nVoit valita yksittäiskuvan tai sarjakuvauksen. Yksittäiskuva ottaa yhden kuvan, "
    "sarjakuvaus 10 kuvaa sekunnissa.",
};

constexpr TextRow kVideoModeTwoModes = {
    "[Video Mode]\nYou can select the video mode to be either video mode or timelapse mode. Video mode records "
    "a standard video while timelapse mode records series of photos at timed intervals and makes it into a "
    "video.",
    "[Mode vidéo]\nVous pouvez choisir le mode vidéo ou le mode timelapse. Le mode vidéo enregistre une vidéo "
    "standard, le mode timelapse prend une série de photos à intervalles réguliers et en fait une vidéo.",
    "[Videomodus]\nSie können Videomodus oder Zeitraffermodus wählen. Der Videomodus nimmt ein normales Video "
    "auf, der Zeitraffermodus eine Fotoserie in festen Abständen, aus der ein Video entsteht.",
    "[Modalità video]\nPuoi scegliere la modalità video o timelapse. La modalità video registra un video "
    "normale, la modalità timelapse scatta una serie di foto a intervalli regolari e ne ricava un video.",
    "[ビデオモード]\nビデオモードまたはタイムラプスモードを選べます。ビデオモードは通常の動画を録画し、"
    "タイムラプスモードは一定間隔で撮影した写真を動画にします。",
    "[동영상 모드]\n동영상 모드 또는 타임랩스 모드를 선택할 수 있습니다. 동영상 모드는 일반 동영상을 녹화하고, "
    "타임랩스 모드는 일정한 간격으로 찍은 사진을 동영상으로 만듭니다.",
    "[Modo de vídeo]\nPuede elegir el modo vídeo o el modo timelapse. El modo vídeo graba un vídeo normal y el "
    "modo timelapse toma una serie de fotos a intervalos fijos y las convierte en un vídeo.",
    "[Videomodus]\nU kunt kiezen tussen videomodus en timelapsemodus. De videomodus neemt een gewone video op, "
    "de timelapsemodus maakt met vaste tussenpozen een reeks foto's en maakt er een video van.",
    "[Режим видео]\nМожно выбрать режим видео или таймлапс. Режим видео записывает обычное видео, режим "
    "таймлапс делает серию снимков через равные промежутки и собирает из них видео.",
    "[视频模式]\n可选择视频模式或延时模式。视频模式录制普通视频，延时模式按固定间隔拍摄一系列照片并合成为视频。",
    "[Videotila]\nVoit valita videotilan tai intervallitilan. Videotila tallentaa tavallisen videon, "
    "intervallitila ottaa kuvasarjan tasaisin välein ja tekee siitä videon.",
};

constexpr TextRow kVideoModeThreeModes = {
    "[Video Mode]\nYou can select the video mode to be video mode, timelapse mode, or loop recording mode. Video "
    "mode records a normal video. Timelaspe mode records series of photos at timed intervals and makes it into "
    "a video. Loop recording mode constantly records videos at timed intervals, replacing old video files when "
    "memory is full.",
    "[Mode vidéo]\nVous pouvez choisir le mode vidéo, timelapse ou enregistrement en boucle. Le mode vidéo "
    "enregistre une vidéo normale. Le mode timelapse prend une série de photos à intervalles réguliers et en "
    "fait une vidéo. L'enregistrement en boucle enregistre sans cesse des vidéos par intervalles et remplace "
    "les anciennes quand la mémoire est pleine.",
    "[Videomodus]\nSie können Videomodus, Zeitraffermodus oder Schleifenaufnahme wählen. Der Videomodus nimmt "
    "ein normales Video auf. Der Zeitraffermodus nimmt in festen Abständen eine Fotoserie auf und macht daraus "
    "ein Video. Die Schleifenaufnahme nimmt fortlaufend Videoabschnitte auf und ersetzt alte Dateien, wenn der "
    "Speicher voll ist.",
    "[Modalità video]\nPuoi scegliere la modalità video, timelapse o registrazione in loop. La modalità video "
    "registra un video normale. La modalità timelapse scatta foto a intervalli regolari e ne ricava un video. "
    "La registrazione in loop registra di continuo video a intervalli e sostituisce i file vecchi quando la "
    "memoria è piena.",
    "[ビデオモード]\nビデオモード、タイムラプスモード、ループ録画モードを選べます。ビデオモードは通常の動画を"
    "録画します。タイムラプスモードは一定間隔で撮影した写真を動画にします。ループ録画モードは一定間隔で動画を"
    "録画し続け、メモリーがいっぱいになると古い動画ファイルを上書きします。",
    "[동영상 모드]\n동영상 모드, 타임랩스 모드, 루프 녹화 모드 중에서 선택할 수 있습니다. 동영상 모드는 일반 "
    "동영상을 녹화합니다. 타임랩스 모드는 일정한 간격으로 찍은 사진을 동영상으로 만듭니다. 루프 녹화 모드는 "
    "일정한 간격으로 계속 녹화하며 메모리가 가득 차면 오래된 파일을 대체합니다.",
    "[Modo de vídeo]\nPuede elegir el modo vídeo, timelapse o grabación en bucle. El modo vídeo graba un vídeo "
    "normal. El modo timelapse toma fotos a intervalos fijos y las convierte en vídeo. La grabación en bucle "
    "graba vídeos sin parar por intervalos y sustituye los archivos antiguos cuando la memoria está llena.",
    "[Videomodus]\nU kunt kiezen tussen videomodus, timelapsemodus en lusopname. De videomodus neemt een gewone "
    "video op. De timelapsemodus maakt met vaste tussenpozen foto's en maakt er een video van. Lusopname neemt "
    "doorlopend video's op en vervangt oude bestanden als het geheugen vol is.",
    "[Режим видео]\nМожно выбрать режим видео, таймлапс или циклическую запись. Режим видео записывает "
    "обычное видео. Таймлапс делает снимки через равные промежутки и собирает из них видео. Циклическая "
    "запись непрерывно пишет видео отрезками и заменяет старые файлы, когда память заполнена.",
    "[视频模式]\n可选择视频模式、延时模式或循环录像模式。视频模式录制普通视频。延时模式按固定间隔拍摄照片并"
    "合成为视频。循环录像模式按固定间隔持续录像，存储已满时覆盖旧的视频文件。",
    "[Videotila]\nVoit valita videotilan, intervallitilan tai silmukkatallennuksen. Videotila tallentaa "
    "tavallisen videon. Intervallitila ottaa kuvia tasaisin välein ja tekee niistä videon. Silmukkatallennus "
    "tallentaa jatkuvasti videoita jaksoissa ja korvaa vanhat tiedostot, kun muisti on täynnä.",
};

constexpr TextRow kVideoResolution = {
    "[Video Resolution]\nYou can select the video resolution to be 1080p/30fps, 720p/60fps, or 720p/30fps.",
    "[Résolution vidéo]\nVous pouvez choisir la résolution vidéo 1080p/30fps, 720p/60fps ou 720p/30fps.",
    "[Videoauflösung]\nSie können die Videoauflösung 1080p/30fps, 720p/60fps oder 720p/30fps wählen.",
    "[Risoluzione video]\nPuoi scegliere la risoluzione video 1080p/30fps, 720p/60fps o 720p/30fps.",
    "[ビデオ解像度]\nビデオ解像度を 1080p/30fps、720p/60fps、720p/30fps から選べます。",
    "[동영상 해상도]\n동영상 해상도를 1080p/30fps, 720p/60fps, 720p/30fps 중에서 선택할 수 있습니다.",
    "[Resolución de vídeo]\nPuede elegir la resolución de vídeo 1080p/30fps, 720p/60fps o 720p/30fps.",
    "[Videoresolutie]\nU kunt de videoresolutie 1080p/30fps, 720p/60fps of 720p/30fps kiezen.",
    "[Разрешение видео]\nМожно выбрать разрешение видео 1080p/30fps, 720p/60fps или 720p/30fps.",
    "[视频分辨率]\n可将视频分辨率设为 1080p/30fps、720p/60fps 或 720p/30fps。",
    "[Videon tarkkuus]\nVoit valita videon tarkkuudeksi 1080p/30fps, 720p/60fps tai 720p/30fps.",
};

constexpr TextRow kTimelapseInterval = {
    "[Timelapse Interval]\nYou can select the timelapse interval to be either 1 second or 10 seconds.",
    "[Intervalle timelapse]\nVous pouvez choisir un intervalle timelapse de 1 seconde ou de 10 secondes.",
    "[Zeitrafferintervall]\nSie können ein Zeitrafferintervall von 1 Sekunde oder 10 Sekunden wählen.",
    "[Intervallo timelapse]\nPuoi scegliere un intervallo timelapse di 1 secondo o di 10 secondi.",
    "[タイムラプス間隔]\nタイムラプスの間隔を 1 秒または 10 秒に設定できます。",
    "[타임랩스 간격]\n타임랩스 간격을 1초 또는 10초로 선택할 수 있습니다.",
    "[Intervalo de timelapse]\nPuede elegir un intervalo de timelapse de 1 segundo o de 10 segundos.",
    "[Timelapse-interval]\nU kunt een timelapse-interval van 1 seconde of 10 seconden kiezen.",
    "[Интервал таймлапса]\nМожно выбрать интервал таймлапса 1 секунда или 10 секунд.",
    "[延时间隔]\n可将延时间隔设为 1 秒或 10 秒。",
    "[Intervallikuvauksen väli]\nVoit valita väliksi 1 sekunnin tai 10 sekuntia.",
};

constexpr TextRow kVideoTaggingInterval = {
    "[Video Tagging Interval]\nYou can select the video tagging interval to be 1 min, 3 mins, or 5 mins.",
    "[Intervalle de marquage vidéo]\nVous pouvez choisir un intervalle de marquage de 1 min, 3 min ou 5 min.",
    "[Video-Markierungsintervall]\nSie können ein Markierungsintervall von 1 Min., 3 Min. oder 5 Min. wählen.",
    "[Intervallo marcatura video]\nPuoi scegliere un intervallo di marcatura di 1 min, 3 min o 5 min.",
    "[ビデオタグ間隔]\nビデオタグの間隔を 1 分、3 分、5 分から選べます。",
    "[동영상 태그 간격]\n동영상 태그 간격을 1분, 3분, 5분 중에서 선택할 수 있습니다.",
    "[Intervalo de marcado de vídeo]\nPuede elegir un intervalo de marcado de 1 min, 3 min o 5 min.",
    "[Interval videomarkering]\nU kunt een markeringsinterval van 1 min, 3 min of 5 min kiezen.",
    "[Интервал меток видео]\nМожно выбрать интервал меток 1 мин, 3 мин или 5 мин.",
    "[视频标记间隔]\n可将视频标记间隔设为 1 分钟、3 分钟或 5 分钟。",
    "[Videon merkintäväli]\nVoit valita merkintäväliksi 1 min, 3 min tai 5 min.",
};

constexpr TextRow kLoopRecordingInterval = {
    "[Loop Recording Interval]\nYou can select the loop recording interval to be 1 min, 3 mins, or 5 mins.",
    "[Intervalle d'enregistrement en boucle]\nVous pouvez choisir un intervalle de 1 min, 3 min ou 5 min.",
    "[Intervall der Schleifenaufnahme]\nSie können ein Intervall von 1 Min., 3 Min. oder 5 Min. wählen.",
    "[Intervallo registrazione in loop]\nPuoi scegliere un intervallo di 1 min, 3 min o 5 min.",
    "[ループ録画間隔]\nループ録画の間隔を 1 分、3 分、5 分から選べます。",
    "[루프 녹화 간격]\n루프 녹화 간격을 1분, 3분, 5분 중에서 선택할 수 있습니다.",
    "[Intervalo de grabación en bucle]\nPuede elegir un intervalo de 1 min, 3 min o 5 min.",
    "[Interval lusopname]\nU kunt een interval van 1 min, 3 min of 5 min kiezen.",
    "[Интервал циклической записи]\nМожно выбрать интервал 1 мин, 3 мин или 5 мин.",
    "[循环录像间隔]\n可将循环录像间隔设为 1 分钟、3 分钟或 5 分钟。",
    "[Silmukkatallennuksen väli]\nVoit valita väliksi 1 min, 3 min tai 5 min.",
};

constexpr TextRow kVideoMicrophoneGain = {
    "[Video Microphone Gain]\nYou can select the microphone gain on your video to be low, medium, or high.",
    "[Gain du micro vidéo]\nVous pouvez choisir un gain du micro faible, moyen ou élevé pour vos vidéos.",
    "[Mikrofonverstärkung Video]\nSie können die Mikrofonverstärkung Ihrer Videos niedrig, mittel oder hoch "
    "einstellen.",
    "[Guadagno microfono video]\nPuoi scegliere un guadagno del microfono basso, medio o alto per i tuoi video.",
    "[ビデオのマイクゲイン]\n動画のマイクゲインを低、中、高から選べます。",
    "[동영상 마이크 게인]\n동영상의 마이크 게인을 낮음, 보통, 높음 중에서 선택할 수 있습니다.",
    "[Ganancia del micrófono de vídeo]\nPuede elegir una ganancia del micrófono baja, media o alta para sus "
    "vídeos.",
    "[Microfoonversterking video]\nU kunt de microfoonversterking van uw video's op laag, middel of hoog "
    "zetten.",
    "[Усиление микрофона для видео]\nМожно выбрать низкое, среднее или высокое усиление микрофона при записи "
    "видео.",
    "[视频麦克风增益]\n可将视频的麦克风增益设为低、中或高。",
    "[Videon mikrofonivahvistus]\nVoit asettaa videoiden mikrofonivahvistuksen matalaksi, keskitasoiseksi tai "
    "korkeaksi.",
};

constexpr TextRow kDateCaption = {
    "[Date Caption]\nYou can record or hide date caption during video recording. Turn on the K4V Camera and the "
    "date will be synced with your phone automatically.",
    "[Date incrustée]\nVous pouvez afficher ou masquer la date pendant l'enregistrement vidéo. Allumez la caméra "
    "K4V et la date se synchronise automatiquement avec votre téléphone.",
    "[Datumseinblendung]\nSie können das Datum bei der Videoaufnahme einblenden oder ausblenden. Schalten Sie "
    "die K4V-Kamera ein, und das Datum wird automatisch mit Ihrem Telefon abgeglichen.",
    "[Didascalia data]\nPuoi registrare o nascondere la data durante la registrazione video. Accendi la "
    "videocamera K4V e la data si sincronizzerà automaticamente con il telefono.",
    "[日付表示]\n動画の録画中に日付を記録するか非表示にするかを選べます。K4V カメラの電源を入れると、日付は"
    "電話と自動的に同期されます。",
    "[날짜 표시]\n동영상 녹화 중 날짜를 기록하거나 숨길 수 있습니다. K4V 카메라를 켜면 날짜가 휴대폰과 자동으로 "
    "동기화됩니다.",
    "[Fecha en pantalla]\nPuede grabar u ocultar la fecha durante la grabación de vídeo. Encienda la cámara K4V "
    "y la fecha se sincronizará automáticamente con su teléfono.",
    "[Datumweergave]\nU kunt de datum tijdens het filmen laten opnemen of verbergen. Zet de K4V-camera aan en "
    "de datum wordt automatisch met uw telefoon gelijkgezet.",
    "[Отображение даты]\nВо время записи видео дату можно записывать или скрывать. Включите камеру K4V, и дата "
    "автоматически синхронизируется с телефоном.",
    "[日期字幕]\n录像时可以记录或隐藏日期字幕。打开 K4V 相机后，日期会自动与手机同步。",
    "[Päivämäärä]\nVoit tallentaa päivämäärän videoon tai piilottaa sen. Kun kytket K4V-kameran päälle, "
    "päivämäärä synkronoituu puhelimen kanssa automaattisesti.",
};

constexpr TextRow kSpeakerSoundRecording = {
    "[Speaker Sound Recording]\nYou can choose to turn on %s and record everything you hear through your "
    "speakers as well as your voice during video recording. Turn off %s if you want to record your voice only.",
    "[Enregistrement du son des haut-parleurs]\nActivez %s pour enregistrer pendant la vidéo tout ce que vous "
    "entendez dans vos haut-parleurs en plus de votre voix. Désactivez %s pour n'enregistrer que votre voix.",
    "[Lautsprecherton aufnehmen]\nSchalten Sie %s ein, um bei der Videoaufnahme neben Ihrer Stimme alles "
    "aufzunehmen, was Sie über die Lautsprecher hören. Schalten Sie %s aus, um nur Ihre Stimme aufzunehmen.",
    "[Registrazione audio altoparlanti]\nAttiva %s per registrare durante il video, oltre alla tua voce, tutto "
    "ciò che senti dagli altoparlanti. Disattiva %s se vuoi registrare solo la tua voce.",
    "[スピーカー音の録音]\n%s をオンにすると、動画の録画中に自分の声に加えてスピーカーから聞こえる音もすべて"
    "録音されます。自分の声だけを録音する場合は %s をオフにしてください。",
    "[스피커 소리 녹음]\n%s 기능을 켜면 동영상 녹화 중 목소리와 함께 스피커로 들리는 모든 소리를 녹음합니다. "
    "목소리만 녹음하려면 %s 기능을 끄십시오.",
    "[Grabación del sonido de los altavoces]\nActive %s para grabar durante el vídeo todo lo que oye por los "
    "altavoces además de su voz. Desactive %s si solo quiere grabar su voz.",
    "[Luidsprekergeluid opnemen]\nZet %s aan om tijdens het filmen naast uw stem alles op te nemen wat u via de "
    "luidsprekers hoort. Zet %s uit als u alleen uw stem wilt opnemen.",
    "[Запись звука динамиков]\nВключите %s, чтобы при записи видео записывать не только свой голос, но и всё, "
    "что слышно в динамиках. Выключите %s, чтобы записывать только голос.",
    "[扬声器声音录制]\n打开 %s 后，录像时除了您的声音，还会录下扬声器中听到的所有声音。如果只想录制您的声音，"
    "请关闭 %s。",
    "[Kaiutinäänen tallennus]\nKytke %s päälle, niin videoon tallentuu äänesi lisäksi kaikki, mitä kuulet "
    "kaiuttimista. Kytke %s pois, jos haluat tallentaa vain äänesi.",
};

constexpr TextRow kAutoCameraSleep = {
    "[Auto Camera Sleep]\nYou can choose to turn on %s and set the camera to automatically power off after five "
    "minutes of inactivity. Turn off %s if you do not want your camera to turn off automatically.",
    "[Veille automatique de la caméra]\nActivez %s pour que la caméra s'éteigne automatiquement après cinq "
    "minutes d'inactivité. Désactivez %s si vous ne voulez pas qu'elle s'éteigne d'elle-même.",
    "[Automatischer Kameraruhezustand]\nSchalten Sie %s ein, damit sich die Kamera nach fünf Minuten ohne "
    "Aktivität automatisch ausschaltet. Schalten Sie %s aus, wenn sich die Kamera nicht selbst ausschalten soll.",
    "[Sospensione automatica videocamera]\nAttiva %s per spegnere automaticamente la videocamera dopo cinque "
    "minuti di inattività. Disattiva %s se non vuoi che la videocamera si spenga da sola.",
    "[カメラ自動スリープ]\n%s をオンにすると、操作のない状態が 5 分続いたときにカメラの電源が自動的に切れます。"
    "自動で電源を切りたくない場合は %s をオフにしてください。",
    "[카메라 자동 절전]\n%s 기능을 켜면 5분 동안 사용하지 않을 때 카메라가 자동으로 꺼집니다. 카메라가 자동으로 "
    "꺼지지 않게 하려면 %s 기능을 끄십시오.",
    "[Reposo automático de la cámara]\nActive %s para que la cámara se apague automáticamente tras cinco "
    "minutos de inactividad. Desactive %s si no quiere que se apague sola.",
    "[Automatische camerasluimer]\nZet %s aan om de camera na vijf minuten zonder activiteit automatisch uit te "
    "laten gaan. Zet %s uit als de camera niet vanzelf uit mag gaan.",
    "[Автоматический сон камеры]\nВключите %s, чтобы камера автоматически выключалась после пяти минут "
    "бездействия. Выключите %s, если не хотите, чтобы камера выключалась сама.",
    "[相机自动休眠]\n打开 %s 后，相机在闲置五分钟后会自动关机。如果不希望相机自动关机，请关闭 %s。",
    "[Kameran automaattinen lepotila]\nKytke %s päälle, niin kamera sammuu itsestään viiden minuutin "
    "käyttämättömyyden jälkeen. Kytke %s pois, jos et halua kameran sammuvan itsestään.",
};

constexpr TextRow kSmartVolumeControl = {
    "[Smart Volume Control]\nWhen Smart Volume Control is enabled, music and FM radio volumes are controlled "
    "automatically based on the level of the environmental noise.",
    "[Contrôle intelligent du volume]\nLorsque le contrôle intelligent du volume est activé, le volume de la "
    "musique et de la radio FM s'adapte automatiquement au bruit ambiant.",
    "[Intelligente Lautstärkeregelung]\nIst die intelligente Lautstärkeregelung aktiviert, passt sich die "
    "Lautstärke von Musik und UKW-Radio automatisch an die Umgebungsgeräusche an.",
    "[Controllo intelligente del volume]\nQuando il controllo intelligente del volume è attivo, il volume di "
    "musica e radio FM si regola automaticamente in base al rumore ambientale.",
    "[スマート音量調整]\nスマート音量調整を有効にすると、周囲の騒音レベルに応じて音楽と FM ラジオの音量が自動的"
    "に調整されます。",
    "[스마트 음량 조절]\n스마트 음량 조절을 사용하면 주변 소음 수준에 따라 음악과 FM 라디오 음량이 자동으로 "
    "조절됩니다.",
    "[Control de volumen inteligente]\nCon el control de volumen inteligente activado, el volumen de la música "
    "y de la radio FM se ajusta automáticamente al nivel de ruido ambiental.",
    "[Slimme volumeregeling]\nAls de slimme volumeregeling aan staat, past het volume van muziek en FM-radio "
    "zich automatisch aan het omgevingsgeluid aan.",
    "[Умная регулировка громкости]\nКогда умная регулировка громкости включена, громкость музыки и FM-радио "
    "автоматически подстраивается под уровень окружающего шума.",
    "[智能音量控制]\n启用智能音量控制后，音乐和 FM 收音机的音量会根据环境噪音自动调节。",
    "[Älykäs äänenvoimakkuuden säätö]\nKun älykäs äänenvoimakkuuden säätö on käytössä, musiikin ja FM-radion "
    "äänenvoimakkuus mukautuu automaattisesti ympäristön meluun.",
};

constexpr TextRow kFmStationGuide = {
    "[FM Station Guide]\nWhen FM Station Guide is enabled, FM station frequencies are given by voice prompts. "
    "When disabled, FM station frequencies are not given except during scanning.",
    "[Guide des stations FM]\nLorsque le guide des stations FM est activé, les fréquences des stations sont "
    "annoncées par des messages vocaux. Lorsqu'il est désactivé, elles ne sont annoncées que pendant la "
    "recherche.",
    "[UKW-Senderansage]\nIst die UKW-Senderansage aktiviert, werden die Senderfrequenzen per Sprachansage "
    "genannt. Ist sie deaktiviert, werden sie nur beim Sendersuchlauf genannt.",
    "[Guida stazioni FM]\nQuando la guida stazioni FM è attiva, le frequenze delle stazioni vengono annunciate "
    "da messaggi vocali. Quando è disattivata, vengono annunciate solo durante la ricerca.",
    "[FM 局ガイド]\nFM 局ガイドを有効にすると、FM 局の周波数が音声ガイドで案内されます。無効にすると、スキャン中"
    "以外は案内されません。",
    "[FM 방송국 안내]\nFM 방송국 안내를 사용하면 FM 방송국 주파수를 음성으로 알려 줍니다. 사용 안 함으로 하면 "
    "검색 중에만 알려 줍니다.",
    "[Guía de emisoras FM]\nCon la guía de emisoras FM activada, las frecuencias de las emisoras se anuncian "
    "con avisos de voz. Si está desactivada, solo se anuncian durante la búsqueda.",
    "[FM-zendergids]\nAls de FM-zendergids aan staat, worden de frequenties van FM-zenders gesproken gemeld. "
    "Staat hij uit, dan worden ze alleen tijdens het zoeken gemeld.",
    "[Гид по FM-станциям]\nКогда гид по FM-станциям включён, частоты станций объявляются голосом. Когда он "
    "отключён, частоты объявляются только во время поиска.",
    "[FM 电台指南]\n启用 FM 电台指南后，会通过语音提示播报 FM 电台频率。禁用后，只在搜台时播报频率。",
    "[FM-asemaopas]\nKun FM-asemaopas on käytössä, asemien taajuudet kerrotaan ääniopasteilla. Kun se ei ole "
    "käytössä, taajuudet kerrotaan vain haun aikana.",
};

constexpr TextRow kHdVoice = {
    "[HD Voice]\nHD Voice converts Hands-Free audio quality from normal to HD.",
    "[Voix HD]\nLa voix HD fait passer la qualité audio du mains libres de normale à HD.",
    "[HD Voice]\nHD Voice hebt die Audioqualität beim Freisprechen von normal auf HD.",
    "[Voce HD]\nLa voce HD porta la qualità audio del vivavoce da normale a HD.",
    "[HD ボイス]\nHD ボイスはハンズフリーの音質を標準から HD に切り替えます。",
    "[HD 보이스]\nHD 보이스는 핸즈프리 음질을 일반에서 HD로 바꿉니다.",
    "[Voz HD]\nLa voz HD convierte la calidad de audio del manos libres de normal a HD.",
    "[HD-spraak]\nHD-spraak zet de geluidskwaliteit van handsfree bellen om van normaal naar HD.",
    "[HD-голос]\nHD-голос повышает качество звука громкой связи с обычного до HD.",
    "[高清语音]\n高清语音可将免提通话的音质从普通提升为高清。",
    "[HD-ääni]\nHD-ääni nostaa handsfree-äänen laadun tavallisesta HD-tasolle.",
};

constexpr TextRow kAudioSourcePriority = {
    "[Audio Source Priority]\nAudio Source Priority enables you to select either intercom or music as a "
    "priority. If intercom is selected as the audio source priority, music will be muted during an intercom "
    "conversation. If music is selected as the audio source priority, you cannot have an intercom conversation "
    "while playing music.",
    "[Priorité de la source audio]\nLa priorité de la source audio vous permet de donner la priorité à "
    "l'intercom ou à la musique. Avec l'intercom en priorité, la musique est coupée pendant une conversation "
    "intercom. Avec la musique en priorité, vous ne pouvez pas avoir de conversation intercom pendant la "
    "lecture de musique.",
    "[Priorität der Audioquelle]\nHier legen Sie fest, ob Gegensprechen oder Musik Vorrang hat. Hat das "
    "Gegensprechen Vorrang, wird die Musik während eines Gesprächs stummgeschaltet. Hat die Musik Vorrang, "
    "ist während der Musikwiedergabe kein Gespräch über die Gegensprechanlage möglich.",
    "[Priorità sorgente audio]\nLa priorità della sorgente audio ti permette di dare la precedenza "
    "all'interfono o alla musica. Con l'interfono in priorità, la musica viene silenziata durante una "
    "conversazione interfono. Con la musica in priorità, non puoi parlare all'interfono mentre ascolti musica.",
    "[オーディオソースの優先]\nインターコムと音楽のどちらを優先するかを選べます。インターコムを優先すると、"
    "インターコム通話中は音楽が消音されます。音楽を優先すると、音楽の再生中はインターコム通話ができません。",
    "[오디오 소스 우선순위]\n인터콤과 음악 중 무엇을 우선할지 선택할 수 있습니다. 인터콤을 우선하면 인터콤 대화 "
    "중에는 음악이 음소거됩니다. 음악을 우선하면 음악을 재생하는 동안 인터콤 대화를 할 수 없습니다.",
    "[Prioridad de la fuente de audio]\nLe permite dar prioridad al intercomunicador o a la música. Con el "
    "intercomunicador como prioridad, la música se silencia durante una conversación. Con la música como "
    "prioridad, no puede mantener una conversación por intercomunicador mientras suena música.",
    "[Voorrang audiobron]\nHiermee kiest u of intercom of muziek voorrang krijgt. Krijgt de intercom voorrang, "
    "dan wordt de muziek gedempt tijdens een intercomgesprek. Krijgt muziek voorrang, dan kunt u geen "
    "intercomgesprek voeren terwijl er muziek speelt.",
    "[Приоритет источника звука]\nПозволяет выбрать приоритет интеркома или музыки. При приоритете интеркома "
    "музыка во время разговора отключается. При приоритете музыки во время её воспроизведения разговор по "
    "интеркому невозможен.",
    "[音频源优先级]\n可选择以对讲或音乐为优先。选择对讲优先时，对讲通话期间音乐会静音。选择音乐优先时，播放音乐"
    "期间无法进行对讲通话。",
    "[Äänilähteen etusija]\nVoit valita, onko sisäpuhelimella vai musiikilla etusija. Kun sisäpuhelimella on "
    "etusija, musiikki mykistetään keskustelun ajaksi. Kun musiikilla on etusija, et voi käydä "
    "sisäpuhelinkeskustelua musiikin soidessa.",
};

#define CONCURRENT_AUDIO_FULL_ROW(NAME)                                                                       \
  {                                                                                                           \
    "[" NAME "]\n" NAME " enables you to have an intercom conversation and listen to music, the FM radio and "  \
    "GPS directions without interruption. It also allows you to hear GPS directions while listening to music " \
    "or the FM radio without interruption. If it is disabled, GPS directions will interrupt the intercom, "    \
    "music and the FM radio and talking over the intercom will interrupt music and the FM radio.",            \
        "[" NAME "]\n" NAME " vous permet d'avoir une conversation intercom tout en écoutant sans interruption "  \
        "la musique, la radio FM et les indications GPS. Vous entendez aussi les indications GPS sans "        \
        "interrompre la musique ou la radio FM. S'il est désactivé, les indications GPS interrompent "         \
        "l'intercom, la musique et la radio FM, et parler à l'intercom interrompt la musique et la radio FM.", \
        "[" NAME "]\nMit " NAME " können Sie über die Gegensprechanlage sprechen und dabei ohne Unterbrechung "  \
        "Musik, UKW-Radio und GPS-Ansagen hören. Auch GPS-Ansagen hören Sie, ohne dass Musik oder Radio "      \
        "unterbrochen werden. Ist es deaktiviert, unterbrechen GPS-Ansagen Gegensprechen, Musik und Radio, "   \
        "und Gegensprechen unterbricht Musik und Radio.",                                                      \
        "[" NAME "]\n" NAME " ti permette di parlare all'interfono e ascoltare senza interruzioni musica, "      \
        "radio FM e indicazioni GPS. Puoi anche sentire le indicazioni GPS senza interrompere musica o radio " \
        "FM. Se è disattivato, le indicazioni GPS interrompono interfono, musica e radio FM, e parlare "        \
        "all'interfono interrompe musica e radio FM.",                                                         \
        "[" NAME "]\n" NAME " を使うと、音楽、FM ラジオ、GPS の案内を途切れずに聞きながらインターコム通話ができ" \
        "ます。音楽や FM ラジオを聞きながら GPS の案内も途切れずに聞けます。無効にすると、GPS の案内がインター" \
        "コム、音楽、FM ラジオを中断し、インターコムで話すと音楽と FM ラジオが中断されます。",                     \
        "[" NAME "]\n" NAME " 기능을 사용하면 음악, FM 라디오, GPS 안내를 끊김 없이 들으면서 인터콤 대화를 할 수 " \
        "있습니다. 음악이나 FM 라디오를 들으면서 GPS 안내도 끊김 없이 들을 수 있습니다. 사용 안 함으로 하면 "  \
        "GPS 안내가 인터콤, 음악, FM 라디오를 중단하고 인터콤으로 말하면 음악과 FM 라디오가 중단됩니다.",       \
        "[" NAME "]\n" NAME " le permite mantener una conversación por intercomunicador y escuchar sin "         \
        "interrupciones música, radio FM e indicaciones GPS. También oye las indicaciones GPS sin interrumpir " \
        "la música o la radio FM. Si está desactivado, las indicaciones GPS interrumpen el intercomunicador, " \
        "la música y la radio FM, y hablar por el intercomunicador interrumpe la música y la radio FM.",       \
        "[" NAME "]\nMet " NAME " kunt u een intercomgesprek voeren en zonder onderbreking naar muziek, "        \
        "FM-radio en GPS-aanwijzingen luisteren. U hoort GPS-aanwijzingen ook zonder dat muziek of FM-radio "  \
        "wordt onderbroken. Staat het uit, dan onderbreken GPS-aanwijzingen intercom, muziek en FM-radio, en " \
        "onderbreekt praten via de intercom muziek en FM-radio.",                                              \
        "[" NAME "]\n" NAME " позволяет разговаривать по интеркому, без перерывов слушая музыку, FM-радио и "     \
        "подсказки GPS. Подсказки GPS также слышны без прерывания музыки или FM-радио. Если функция "          \
        "отключена, подсказки GPS прерывают интерком, музыку и FM-радио, а разговор по интеркому прерывает "   \
        "музыку и FM-радио.",                                                                                  \
        "[" NAME "]\n" NAME " 可让您在进行对讲通话的同时不间断地收听音乐、FM 收音机和 GPS 导航指示，也可以在收听"  \
        "音乐或 FM 收音机时不间断地听到 GPS 指示。禁用后，GPS 指示会中断对讲、音乐和 FM 收音机，对讲通话会中断"  \
        "音乐和 FM 收音机。",                                                                                   \
        "[" NAME "]\n" NAME " antaa sinun puhua sisäpuhelimessa ja kuunnella samalla keskeytyksettä musiikkia, "  \
        "FM-radiota ja GPS-ohjeita. Kuulet GPS-ohjeet myös keskeyttämättä musiikkia tai FM-radiota. Jos se ei " \
        "ole käytössä, GPS-ohjeet keskeyttävät sisäpuhelimen, musiikin ja FM-radion, ja sisäpuhelimeen "       \
        "puhuminen keskeyttää musiikin ja FM-radion.",                                                         \
  }

constexpr TextRow kConcurrentAudioFull = CONCURRENT_AUDIO_FULL_ROW("Audio Tavlisk™");
constexpr TextRow kAudioBlend = CONCURRENT_AUDIO_FULL_ROW("Audio Sumbra™");
#undef CONCURRENT_AUDIO_FULL_ROW

constexpr TextRow kAudioBlendMusicGps = {
    "[Audio Sumbra™]\nAudio Sumbra™ enables you to listen to music and GPS directions without interruption. It "
    "also allows you to hear GPS directions while listening to music without interruption. If it is disabled, "
    "GPS directions will interrupt the music.",
    "[Audio Sumbra™]\nAudio Sumbra™ vous permet d'écouter la musique et les indications GPS sans interruption. "
    "Vous entendez les indications GPS sans que la musique soit coupée. S'il est désactivé, les indications GPS "
    "interrompent la musique.",
    "[Audio Sumbra™]\nMit Audio Sumbra™ hören Sie Musik und GPS-Ansagen ohne Unterbrechung. GPS-Ansagen hören "
    "Sie, ohne dass die Musik unterbrochen wird. Ist es deaktiviert, unterbrechen GPS-Ansagen die Musik.",
    "[Audio Sumbra™]\nAudio Sumbra™ ti permette di ascoltare musica e indicazioni GPS senza interruzioni. Senti "
    "le indicazioni GPS senza che la musica si interrompa. Se è disattivato, le indicazioni GPS interrompono la "
    "musica.",
    "[Audio Sumbra™]\nAudio Sumbra™ を使うと、音楽と GPS の案内を途切れずに聞けます。音楽を聞きながら GPS の案内"
    "も途切れずに聞けます。無効にすると、GPS の案内で音楽が中断されます。",
    "[Audio Sumbra™]\nAudio Sumbra™ 기능을 사용하면 음악과 GPS 안내를 끊김 없이 들을 수 있습니다. 음악을 들으면서 "
    "GPS 안내도 끊김 없이 들을 수 있습니다. 사용 안 함으로 하면 GPS 안내가 음악을 중단합니다.",
    "[Audio Sumbra™]\nAudio Sumbra™ le permite escuchar música e indicaciones GPS sin interrupciones. Oye las "
    "indicaciones GPS sin que se corte la música. Si está desactivado, las indicaciones GPS interrumpen la "
    "música.",
    "[Audio Sumbra™]\nMet Audio Sumbra™ luistert u zonder onderbreking naar muziek en GPS-aanwijzingen. U hoort "
    "GPS-aanwijzingen zonder dat de muziek wordt onderbroken. Staat het uit, dan onderbreken GPS-aanwijzingen "
    "de muziek.",
    "[Audio Sumbra™]\nAudio Sumbra™ позволяет без перерывов слушать музыку и подсказки GPS. Подсказки GPS "
    "слышны без прерывания музыки. Если функция отключена, подсказки GPS прерывают музыку.",
    "[Audio Sumbra™]\nAudio Sumbra™ 可让您不间断地收听音乐和 GPS 指示，在听音乐时也能不间断地听到 GPS 指示。"
    "禁用后，GPS 指示会中断音乐。",
    "[Audio Sumbra™]\nAudio Sumbra™ antaa sinun kuunnella musiikkia ja GPS-ohjeita keskeytyksettä. Kuulet "
    "GPS-ohjeet musiikkia keskeyttämättä. Jos se ei ole käytössä, GPS-ohjeet keskeyttävät musiikin.",
};

// The English text ends with a blank; the translations end where their sentence ends.
constexpr TextRow kIntercomConcurrentAudio = {
    "[Bluetooth Intercom Audio Tavlisk™]\nAudio Tavlisk™ allows you to have an intercom conversation while "
    "simultaneously listening to music, FM radio, or GPS smartphone app instructions. The overlaid audio is "
    "played in the background with reduced volume whenever there is an intercom conversation and will return "
    "to normal volume once the conversation is finished. ",
    "[Audio Tavlisk™ intercom Bluetooth]\nAudio Tavlisk™ vous permet d'avoir une conversation intercom tout en "
    "écoutant de la musique, la radio FM ou les instructions d'une appli GPS du smartphone. L'audio superposé "
    "passe en arrière-plan à volume réduit pendant la conversation et revient au volume normal à la fin.",
    "[Bluetooth-Gegensprechen Audio Tavlisk™]\nMit Audio Tavlisk™ können Sie über die Gegensprechanlage "
    "sprechen und gleichzeitig Musik, UKW-Radio oder Ansagen einer GPS-App hören. Während eines Gesprächs "
    "läuft der überlagerte Ton leiser im Hintergrund und kehrt danach zur normalen Lautstärke zurück.",
    "[Audio Tavlisk™ interfono Bluetooth]\nAudio Tavlisk™ ti permette di parlare all'interfono mentre ascolti "
    "musica, radio FM o le indicazioni di un'app GPS dello smartphone. Durante la conversazione l'audio "
    "sovrapposto prosegue in sottofondo a volume ridotto e alla fine torna al volume normale.",
    "[Bluetooth インターコム Audio Tavlisk™]\nAudio Tavlisk™ を使うと、音楽、FM ラジオ、スマートフォンの GPS "
    "アプリの案内を聞きながらインターコム通話ができます。通話中は重ねた音声が小さな音量でバックグラウンド再生"
    "され、通話が終わると通常の音量に戻ります。",
    "[블루투스 인터콤 Audio Tavlisk™]\nAudio Tavlisk™ 기능을 사용하면 음악, FM 라디오, 스마트폰 GPS 앱 안내를 "
    "들으면서 인터콤 대화를 할 수 있습니다. 대화 중에는 겹친 오디오가 낮은 음량으로 배경에서 재생되고, 대화가 "
    "끝나면 원래 음량으로 돌아옵니다.",
    "[Audio Tavlisk™ del intercomunicador Bluetooth]\nAudio Tavlisk™ le permite mantener una conversación por "
    "intercomunicador mientras escucha música, radio FM o las indicaciones de una app GPS del smartphone. "
    "Durante la conversación, el audio superpuesto sigue de fondo a menor volumen y al terminar vuelve al "
    "volumen normal.",
    "[Audio Tavlisk™ voor Bluetooth-intercom]\nMet Audio Tavlisk™ kunt u een intercomgesprek voeren terwijl u "
    "naar muziek, FM-radio of aanwijzingen van een GPS-app op uw smartphone luistert. Tijdens het gesprek "
    "speelt de gemengde audio zachter op de achtergrond; daarna keert het normale volume terug.",
    "[Audio Tavlisk™ для Bluetooth-интеркома]\nAudio Tavlisk™ позволяет разговаривать по интеркому, "
    "одновременно слушая музыку, FM-радио или подсказки GPS-приложения смартфона. Во время разговора "
    "наложенный звук тише звучит в фоне, а после разговора возвращается к обычной громкости.",
    "[蓝牙对讲 Audio Tavlisk™]\nAudio Tavlisk™ 可让您在收听音乐、FM 收音机或智能手机 GPS 应用指示的同时进行"
    "对讲通话。对讲期间叠加的音频会以较低音量在后台播放，通话结束后恢复正常音量。",
    "[Bluetooth-sisäpuhelimen Audio Tavlisk™]\nAudio Tavlisk™ antaa sinun puhua sisäpuhelimessa ja kuunnella "
    "samalla musiikkia, FM-radiota tai älypuhelimen GPS-sovelluksen ohjeita. Keskustelun aikana päällekkäinen "
    "ääni soi taustalla hiljempaa ja palaa sen jälkeen normaaliin voimakkuuteen.",
};

constexpr const char* kSmartNaviEnglish =
    "[Smart Navi System]\nIf Smart Navi System is enabled, the audio Intercom or FM Radio is interrupted to allow "
    "the transmission of the smartphone's navigator directions and automatically starts again when the "
    "directions are finished.";

// Only five languages have a translation; the others read the English text. The title stays.
constexpr TextRow kNavigationInterrupt = {
    kSmartNaviEnglish,
    "[Smart Navi System]\nSi Smart Navi System est activé, l'intercom ou la radio FM est interrompu pour "
    "transmettre les indications du navigateur du smartphone, puis reprend automatiquement à la fin des "
    "indications.",
    "[Smart Navi System]\nIst Smart Navi System aktiviert, werden Gegensprechen oder UKW-Radio für die Ansagen "
    "der Navigations-App des Smartphones unterbrochen und danach automatisch fortgesetzt.",
    "[Smart Navi System]\nSe Smart Navi System è attivo, l'interfono o la radio FM vengono interrotti per "
    "trasmettere le indicazioni del navigatore dello smartphone e riprendono automaticamente al termine.",
    kSmartNaviEnglish,
    kSmartNaviEnglish,
    "[Smart Navi System]\nCon Smart Navi System activado, el intercomunicador o la radio FM se interrumpen para "
    "transmitir las indicaciones del navegador del smartphone y se reanudan automáticamente al terminar.",
    "[Smart Navi System]\nAls Smart Navi System aan staat, worden intercom of FM-radio onderbroken voor de "
    "aanwijzingen van de navigatie-app op de smartphone en daarna automatisch hervat.",
    kSmartNaviEnglish,
    kSmartNaviEnglish,
    kSmartNaviEnglish,
};

constexpr TextRow kGuestMode = {
    "[Guest Mode]\nGuest Mode allows a guest to listen to a closed Mesh conversation. The creator of the Mesh "
    "needs to enable Guest Mode before creating the Mesh to allow guests. Guest Mode can be enabled when the "
    "guest is in Public Mode and the Mesh Network connection information has been removed. The guest needs to "
    "be within range of the Mesh to listen to the closed Mesh conversation.",
    "[Mode invité]\nLe mode invité permet à un invité d'écouter une conversation Mesh fermée. Le créateur du "
    "Mesh doit activer le mode invité avant de le créer. Le mode invité peut être activé lorsque l'invité est "
    "en mode public et que les informations de connexion au réseau Mesh ont été supprimées. L'invité doit se "
    "trouver à portée du Mesh pour écouter la conversation.",
    "[Gastmodus]\nIm Gastmodus kann ein Gast ein geschlossenes Mesh-Gespräch mithören. Der Ersteller des Mesh "
    "muss den Gastmodus vor dem Erstellen aktivieren. Der Gastmodus lässt sich aktivieren, wenn der Gast im "
    "öffentlichen Modus ist und die Verbindungsdaten des Mesh-Netzwerks gelöscht sind. Der Gast muss sich in "
    "Reichweite des Mesh befinden.",
    "[Modalità ospite]\nLa modalità ospite consente a un ospite di ascoltare una conversazione Mesh chiusa. Chi "
    "crea il Mesh deve attivare la modalità ospite prima di crearlo. La si può attivare quando l'ospite è in "
    "modalità pubblica e le informazioni di connessione alla rete Mesh sono state rimosse. L'ospite deve "
    "trovarsi nel raggio del Mesh.",
    "[ゲストモード]\nゲストモードでは、ゲストがクローズド Mesh の会話を聞くことができます。ゲストを許可するには、"
    "Mesh の作成者が Mesh を作成する前にゲストモードを有効にする必要があります。ゲストモードは、ゲストが"
    "パブリックモードで、Mesh ネットワークの接続情報が削除されているときに有効にできます。ゲストは Mesh の範囲"
    "内にいる必要があります。",
    "[게스트 모드]\n게스트 모드를 사용하면 게스트가 비공개 Mesh 대화를 들을 수 있습니다. 게스트를 허용하려면 "
    "Mesh를 만든 사람이 Mesh를 만들기 전에 게스트 모드를 켜야 합니다. 게스트 모드는 게스트가 공개 모드이고 "
    "Mesh 네트워크 연결 정보가 삭제된 상태에서 켤 수 있습니다. 게스트는 Mesh 범위 안에 있어야 합니다.",
    "[Modo invitado]\nEl modo invitado permite a un invitado escuchar una conversación Mesh cerrada. Quien crea "
    "el Mesh debe activar el modo invitado antes de crearlo. Se puede activar cuando el invitado está en modo "
    "público y se ha borrado la información de conexión a la red Mesh. El invitado debe estar dentro del "
    "alcance del Mesh.",
    "[Gastmodus]\nMet de gastmodus kan een gast meeluisteren met een gesloten Mesh-gesprek. De maker van de "
    "Mesh moet de gastmodus aanzetten voordat de Mesh wordt gemaakt. De gastmodus kan aan als de gast in de "
    "openbare modus is en de verbindingsgegevens van het Mesh-netwerk zijn gewist. De gast moet binnen het "
    "bereik van de Mesh zijn.",
    "[Гостевой режим]\nГостевой режим позволяет гостю слушать закрытый разговор Mesh. Создатель Mesh должен "
    "включить гостевой режим до создания Mesh. Режим можно включить, когда гость находится в публичном режиме "
    "и сведения о подключении к сети Mesh удалены. Гость должен находиться в зоне действия Mesh.",
    "[访客模式]\n访客模式允许访客收听封闭的 Mesh 对话。Mesh 的创建者需要在创建 Mesh 前启用访客模式。当访客处于"
    "公共模式且已删除 Mesh 网络连接信息时，可以启用访客模式。访客必须处于 Mesh 范围内才能收听。",
    "[Vierastila]\nVierastilassa vieras voi kuunnella suljettua Mesh-keskustelua. Meshin luojan on otettava "
    "vierastila käyttöön ennen Meshin luomista. Vierastilan voi ottaa käyttöön, kun vieras on julkisessa "
    "tilassa ja Mesh-verkon yhteystiedot on poistettu. Vieraan on oltava Meshin kantaman sisällä.",
};

constexpr TextRow kAudioBlendVolume = {
    "[Audio Sumbra Volume Management]\nThe music, FM radio and GPS overlaid audio reduce in volume whenever "
    "there is an ongoing intercom conversation. If Audio Sumbra Volume Management is enabled, the volume level "
    "of the overlaid audio will not be reduced during an intercom conversation.",
    "[Gestion du volume Audio Sumbra]\nLe volume de la musique, de la radio FM et du GPS superposés baisse "
    "pendant une conversation intercom. Si la gestion du volume Audio Sumbra est activée, le volume de l'audio "
    "superposé n'est pas réduit pendant la conversation.",
    "[Audio-Sumbra-Lautstärkeverwaltung]\nDie überlagerte Wiedergabe von Musik, UKW-Radio und GPS wird während "
    "eines Gesprächs über die Gegensprechanlage leiser. Ist die Audio-Sumbra-Lautstärkeverwaltung aktiviert, "
    "bleibt ihre Lautstärke während des Gesprächs gleich.",
    "[Gestione volume Audio Sumbra]\nDurante una conversazione interfono il volume di musica, radio FM e GPS "
    "sovrapposti si abbassa. Se la gestione volume Audio Sumbra è attiva, il volume dell'audio sovrapposto non "
    "viene ridotto durante la conversazione.",
    "[Audio Sumbra 音量管理]\nインターコム通話中は、重ねて再生される音楽、FM ラジオ、GPS の音量が下がります。"
    "Audio Sumbra 音量管理を有効にすると、通話中も重ねた音声の音量は下がりません。",
    "[Audio Sumbra 음량 관리]\n인터콤 대화 중에는 겹쳐 재생되는 음악, FM 라디오, GPS 음량이 낮아집니다. Audio "
    "Sumbra 음량 관리를 사용하면 대화 중에도 겹친 오디오의 음량이 낮아지지 않습니다.",
    "[Gestión del volumen Audio Sumbra]\nDurante una conversación por intercomunicador baja el volumen de la "
    "música, la radio FM y el GPS superpuestos. Con la gestión del volumen Audio Sumbra activada, ese volumen "
    "no baja durante la conversación.",
    "[Volumebeheer Audio Sumbra]\nTijdens een intercomgesprek gaat het volume van gemengde muziek, FM-radio en "
    "GPS omlaag. Als volumebeheer Audio Sumbra aan staat, blijft het volume van de gemengde audio tijdens het "
    "gesprek gelijk.",
    "[Управление громкостью Audio Sumbra]\nВо время разговора по интеркому громкость наложенной музыки, "
    "FM-радио и GPS снижается. Если управление громкостью Audio Sumbra включено, громкость наложенного звука "
    "во время разговора не снижается.",
    "[Audio Sumbra 音量管理]\n对讲通话期间，叠加播放的音乐、FM 收音机和 GPS 音量会降低。启用 Audio Sumbra "
    "音量管理后，对讲通话期间叠加音频的音量不会降低。",
    "[Audio Sumbra -äänenvoimakkuuden hallinta]\nSisäpuhelinkeskustelun aikana päällekkäisen musiikin, "
    "FM-radion ja GPS:n äänenvoimakkuus laskee. Kun Audio Sumbra -äänenvoimakkuuden hallinta on käytössä, "
    "päällekkäisen äänen voimakkuus ei laske keskustelun aikana.",
};

constexpr TextRow kVoiceCommand = {
    "[Voice Command]\nThe voice command of the headset allows you to operate certain operations by simply using "
    "your voice. You can control the headset completely handsfree using the voice recognition.",
    "[Commande vocale]\nLa commande vocale du casque vous permet d'effectuer certaines opérations simplement "
    "avec la voix. Grâce à la reconnaissance vocale, vous pilotez le casque entièrement en mains libres.",
    "[Sprachbefehl]\nMit den Sprachbefehlen des Headsets führen Sie bestimmte Funktionen allein mit Ihrer "
    "Stimme aus. Dank der Spracherkennung bedienen Sie das Headset völlig freihändig.",
    "[Comando vocale]\nIl comando vocale dell'auricolare ti permette di eseguire alcune operazioni usando solo "
    "la voce. Con il riconoscimento vocale controlli l'auricolare completamente a mani libere.",
    "[音声コマンド]\nヘッドセットの音声コマンドを使うと、声だけで特定の操作ができます。音声認識によりヘッド"
    "セットを完全にハンズフリーで操作できます。",
    "[음성 명령]\n헤드셋의 음성 명령을 사용하면 목소리만으로 일부 기능을 조작할 수 있습니다. 음성 인식으로 "
    "헤드셋을 완전히 핸즈프리로 제어할 수 있습니다.",
    "[Comando de voz]\nEl comando de voz de los auriculares le permite realizar ciertas operaciones solo con la "
    "voz. Con el reconocimiento de voz controla los auriculares totalmente en manos libres.",
    "[Spraakopdracht]\nMet de spraakopdrachten van de headset voert u bepaalde handelingen uit met alleen uw "
    "stem. Dankzij spraakherkenning bedient u de headset volledig handsfree.",
    "[Голосовые команды]\nГолосовые команды гарнитуры позволяют выполнять некоторые действия одним голосом. "
    "Благодаря распознаванию речи гарнитурой можно управлять полностью без рук.",
    "[语音命令]\n耳机的语音命令功能让您只需用声音即可执行某些操作。借助语音识别，您可以完全免提地控制耳机。",
    "[Äänikomento]\nKuulokkeiden äänikomennoilla voit tehdä tiettyjä toimintoja pelkällä äänelläsi. "
    "Puheentunnistuksen ansiosta ohjaat kuulokkeita täysin handsfree.",
};

constexpr const char* kEssStatusPlaceholder = "[ESSStatusInfo]\nESSStatusInfo";

// Five languages still wait for their text and show a marker.
constexpr TextRow kEssStatus = {
    "[ESS Status]\nThe system is equipped with a LED system to assist emergency braking. In case of sudden "
    "braking, the LEDs on the H472N flash for a few seconds.",
    "[État ESS]\nLe système est équipé de LED qui signalent les freinages d'urgence. En cas de freinage "
    "brusque, les LED du H472N clignotent pendant quelques secondes.",
    "[ESS-Status]\nDas System hat LEDs, die Notbremsungen anzeigen. Bei einer plötzlichen Bremsung blinken die "
    "LEDs am H472N einige Sekunden lang.",
    "[Stato ESS]\nIl sistema è dotato di LED che segnalano le frenate di emergenza. In caso di frenata "
    "improvvisa, i LED dell'H472N lampeggiano per alcuni secondi.",
    kEssStatusPlaceholder,
    kEssStatusPlaceholder,
    "[Estado ESS]\nEl sistema cuenta con LED que señalan las frenadas de emergencia. Ante una frenada brusca, "
    "los LED del H472N parpadean durante unos segundos.",
    "[ESS-status]\nHet systeem heeft leds die noodremmen aangeven. Bij plotseling remmen knipperen de leds op "
    "de H472N enkele seconden.",
    kEssStatusPlaceholder,
    kEssStatusPlaceholder,
    kEssStatusPlaceholder,
};

constexpr const char* kEssSensitivityPlaceholder = "[ESSSensitivity]\nESSSensitivityInfo";

constexpr TextRow kEssSensitivity = {
    "[ESS Sensitivity]\nLow: the stop signal turns on during sudden braking only.\nHigh: the stop signal turns on "
    "during slight braking as well.",
    "[Sensibilité ESS]\nFaible : le signal d'arrêt s'allume uniquement lors d'un freinage brusque.\nÉlevée : le "
    "signal d'arrêt s'allume aussi lors d'un léger freinage.",
    "[ESS-Empfindlichkeit]\nNiedrig: Das Bremssignal leuchtet nur bei plötzlichem Bremsen.\nHoch: Das "
    "Bremssignal leuchtet auch bei leichtem Bremsen.",
    "[Sensibilità ESS]\nBassa: il segnale di stop si accende solo in caso di frenata improvvisa.\nAlta: il "
    "segnale di stop si accende anche con una frenata leggera.",
    kEssSensitivityPlaceholder,
    kEssSensitivityPlaceholder,
    "[Sensibilidad ESS]\nBaja: la señal de parada se enciende solo al frenar de golpe.\nAlta: la señal de "
    "parada se enciende también al frenar ligeramente.",
    "[ESS-gevoeligheid]\nLaag: het stopsignaal gaat alleen aan bij plotseling remmen.\nHoog: het stopsignaal "
    "gaat ook aan bij licht remmen.",
    kEssSensitivityPlaceholder,
    kEssSensitivityPlaceholder,
    kEssSensitivityPlaceholder,
};

constexpr NamedTextRow kGridRows[] = {
    {"AudioBlendSensitivityFiveLevel", &kAudioBlendSensitivityFiveLevel},
    {"UnitLanguage", &kUnitLanguage},
    {"VoxSensitivity", &kVoxSensitivity},
    {"VoxSensitivityDefaultTwo", &kVoxSensitivityDefaultTwo},
    {"VoxSensitivityLowMediumHigh", &kVoxSensitivityLowMediumHigh},
    {"VoxPhone", &kVoxPhone},
    {"HdIntercom", &kHdIntercom},
    {"EightWayIntercom", &kEightWayIntercom},
    {"VoicePrompt", &kVoicePrompt},
    {"VoxIntercom", &kVoxIntercom},
    {"PhotoMode", &kPhotoMode},
    {"VideoModeTwoModes", &kVideoModeTwoModes},
    {"VideoModeThreeModes", &kVideoModeThreeModes},
    {"VideoResolution", &kVideoResolution},
    {"TimelapseInterval", &kTimelapseInterval},
    {"VideoTaggingInterval", &kVideoTaggingInterval},
    {"LoopRecordingInterval", &kLoopRecordingInterval},
    {"VideoMicrophoneGain", &kVideoMicrophoneGain},
    {"DateCaption", &kDateCaption},
    {"SpeakerSoundRecording", &kSpeakerSoundRecording},
    {"AutoCameraSleep", &kAutoCameraSleep},
    {"SmartVolumeControl", &kSmartVolumeControl},
    {"FmStationGuide", &kFmStationGuide},
    {"HdVoice", &kHdVoice},
    {"AudioSourcePriority", &kAudioSourcePriority},
    {"ConcurrentAudioFull", &kConcurrentAudioFull},
    {"AudioBlend", &kAudioBlend},
    {"AudioBlendMusicGps", &kAudioBlendMusicGps},
    {"IntercomConcurrentAudio", &kIntercomConcurrentAudio},
    {"NavigationInterrupt", &kNavigationInterrupt},
    {"GuestMode", &kGuestMode},
    {"AudioBlendVolume", &kAudioBlendVolume},
    {"VoiceCommand", &kVoiceCommand},
    {"EssStatus", &kEssStatus},
    {"EssSensitivity", &kEssSensitivity},
};

}  // namespace

std::string GetAudioBlendSensitivityFiveLevelHelpText(int language) {
  return Pick(kAudioBlendSensitivityFiveLevel, language);
}
std::string GetUnitLanguageHelpText(int language) { return Pick(kUnitLanguage, language); }
std::string GetVoxSensitivityHelpText(int language) { return Pick(kVoxSensitivity, language); }
std::string GetVoxSensitivityDefaultTwoHelpText(int language) { return Pick(kVoxSensitivityDefaultTwo, language); }
std::string GetVoxSensitivityLowMediumHighHelpText(int language) {
  return Pick(kVoxSensitivityLowMediumHigh, language);
}
std::string GetVoxPhoneHelpText(int language) { return Pick(kVoxPhone, language); }
std::string GetHdIntercomHelpText(int language) { return Pick(kHdIntercom, language); }
std::string GetEightWayIntercomHelpText(int language) { return Pick(kEightWayIntercom, language); }
std::string GetVoicePromptHelpText(int language) { return Pick(kVoicePrompt, language); }
std::string GetVoxIntercomHelpText(int language) { return Pick(kVoxIntercom, language); }
std::string GetPhotoModeHelpText(int language) { return Pick(kPhotoMode, language); }
std::string GetVideoModeHelpText(int language, bool withLoopRecording) {
  return Pick(withLoopRecording ? kVideoModeThreeModes : kVideoModeTwoModes, language);
}
std::string GetVideoResolutionHelpText(int language) { return Pick(kVideoResolution, language); }
std::string GetTimelapseIntervalHelpText(int language) { return Pick(kTimelapseInterval, language); }
std::string GetVideoTaggingIntervalHelpText(int language) { return Pick(kVideoTaggingInterval, language); }
std::string GetLoopRecordingIntervalHelpText(int language) { return Pick(kLoopRecordingInterval, language); }
std::string GetVideoMicrophoneGainHelpText(int language) { return Pick(kVideoMicrophoneGain, language); }
std::string GetDateCaptionHelpText(int language) { return Pick(kDateCaption, language); }
std::string GetSpeakerSoundRecordingHelpText(int language) { return Pick(kSpeakerSoundRecording, language); }
std::string GetAutoCameraSleepHelpText(int language) { return Pick(kAutoCameraSleep, language); }
std::string GetSmartVolumeControlHelpText(int language) { return Pick(kSmartVolumeControl, language); }
std::string GetFmStationGuideHelpText(int language) { return Pick(kFmStationGuide, language); }
std::string GetHdVoiceHelpText(int language) { return Pick(kHdVoice, language); }
std::string GetAudioSourcePriorityHelpText(int language) { return Pick(kAudioSourcePriority, language); }
std::string GetConcurrentAudioFullHelpText(int language) { return Pick(kConcurrentAudioFull, language); }
std::string GetAudioBlendHelpText(int language) { return Pick(kAudioBlend, language); }
std::string GetAudioBlendMusicGpsHelpText(int language) { return Pick(kAudioBlendMusicGps, language); }
std::string GetIntercomConcurrentAudioHelpText(int language) { return Pick(kIntercomConcurrentAudio, language); }
std::string GetNavigationInterruptHelpText(int language) { return Pick(kNavigationInterrupt, language); }
std::string GetGuestModeHelpText(int language) { return Pick(kGuestMode, language); }
std::string GetAudioBlendVolumeHelpText(int language) { return Pick(kAudioBlendVolume, language); }
std::string GetVoiceCommandHelpText(int language) { return Pick(kVoiceCommand, language); }
std::string GetEssStatusHelpText(int language) { return Pick(kEssStatus, language); }
std::string GetEssSensitivityHelpText(int language) { return Pick(kEssSensitivity, language); }

std::span<const NamedTextRow> GridHelpTextRows() { return kGridRows; }

}  // namespace text
