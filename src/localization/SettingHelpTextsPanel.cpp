// Help texts of the switch panel's settings. Language order of every row: English, French,
// German, Italian, Japanese, Korean, Spanish, Dutch, Russian, Chinese, Finnish.
#include "localization/MakerAddresses.h"
#include "localization/SafeFormat.h"
#include "localization/SettingHelpTexts.h"

namespace text {

namespace {

constexpr TextRow kPacketLossConcealment = {
    "[Packet Loss Concealment]\nPLC (Packet Loss Concealment) algorithm is enabled from the factory. It improves "
    "the audio quality of the intercom and mobile phone handsfree in the presence of data packet errors within "
    "the Bluetooth link. It is recommended that this setting is always enabled. However, if you feel that the "
    "audio from the intercom or mobile phone is distorted in certain circumstances, you may be able to disable "
    "this setting and check it.",
    "[Masquage de perte de paquets]\nL'algorithme PLC (masquage de perte de paquets) est activé en usine. Il "
    "améliore la qualité audio de l'intercom et du kit mains libres du téléphone en cas d'erreurs de paquets sur "
    "la liaison Bluetooth. Il est recommandé de toujours laisser ce réglage activé. Toutefois, si le son de "
    "l'intercom ou du téléphone vous semble déformé dans certaines situations, vous pouvez désactiver ce réglage "
    "et vérifier.",
    "[Paketverlustverschleierung]\nDer PLC-Algorithmus (Paketverlustverschleierung) ist ab Werk aktiviert. Er "
    "verbessert die Audioqualität von Gegensprechanlage und Freisprechen mit dem Mobiltelefon, wenn in der "
    "Bluetooth-Verbindung Datenpaketfehler auftreten. Diese Einstellung sollte stets aktiviert bleiben. Wenn der "
    "Ton der Gegensprechanlage oder des Telefons in bestimmten Situationen verzerrt klingt, können Sie sie "
    "deaktivieren und prüfen.",
    "[Occultamento perdita pacchetti]\nL'algoritmo PLC (occultamento della perdita di pacchetti) è attivato in "
    "fabbrica. Migliora la qualità audio dell'interfono e del vivavoce del cellulare in presenza di errori nei "
    "pacchetti di dati del collegamento Bluetooth. Si consiglia di lasciare sempre attiva questa impostazione. "
    "Se però in certe situazioni l'audio dell'interfono o del cellulare risulta distorto, puoi disattivarla e "
    "verificare.",
    "[パケットロス補正]\nPLC（パケットロス補正）アルゴリズムは工場出荷時に有効になっています。Bluetooth "
    "リンクでデータパケットのエラーが発生したときに、インターコムと携帯電話ハンズフリーの音質を改善します。"
    "この設定は常に有効にしておくことをお勧めします。ただし、状況によってインターコムや携帯電話の音声が"
    "ひずむと感じる場合は、この設定を無効にして確認できます。",
    "[패킷 손실 은닉]\nPLC(패킷 손실 은닉) 알고리즘은 출고 시 사용으로 설정되어 있습니다. 블루투스 링크에서 "
    "데이터 패킷 오류가 발생할 때 인터콤과 휴대폰 핸즈프리의 음질을 개선합니다. 이 설정은 항상 사용하는 것이 "
    "좋습니다. 다만 특정 상황에서 인터콤이나 휴대폰 소리가 왜곡된다고 느껴지면 이 설정을 사용 안 함으로 하고 "
    "확인할 수 있습니다.",
    "[Ocultación de pérdida de paquetes]\nEl algoritmo PLC (ocultación de pérdida de paquetes) viene activado "
    "de fábrica. Mejora la calidad de audio del intercomunicador y del manos libres del móvil cuando hay errores "
    "de paquetes en el enlace Bluetooth. Se recomienda mantener siempre activado este ajuste. No obstante, si "
    "el audio del intercomunicador o del móvil suena distorsionado en ciertas situaciones, puede desactivarlo "
    "y comprobarlo.",
    "[Maskering van pakketverlies]\nHet PLC-algoritme (maskering van pakketverlies) staat af fabriek aan. Het "
    "verbetert de geluidskwaliteit van de intercom en het handsfree bellen bij fouten in datapakketten op de "
    "Bluetooth-verbinding. Het is aan te raden deze instelling altijd aan te laten. Klinkt het geluid van de "
    "intercom of telefoon in bepaalde situaties toch vervormd, dan kunt u de instelling uitschakelen en het "
    "controleren.",
    "[Маскировка потери пакетов]\nАлгоритм PLC (маскировка потери пакетов) включён на заводе. Он улучшает "
    "качество звука интеркома и громкой связи с телефоном при ошибках пакетов данных в канале Bluetooth. "
    "Рекомендуется всегда держать этот параметр включённым. Однако если в некоторых условиях звук интеркома "
    "или телефона кажется искажённым, можно отключить параметр и проверить.",
    "[丢包补偿]\nPLC（丢包补偿）算法出厂时已启用。当蓝牙链路中出现数据包错误时，它可改善对讲和手机免提的"
    "音质。建议始终启用此设置。但如果您在某些情况下觉得对讲或手机的声音失真，可以禁用此设置进行检查。",
    "[Pakettihäviön peittäminen]\nPLC-algoritmi (pakettihäviön peittäminen) on käytössä tehdasasetuksena. Se "
    "parantaa sisäpuhelimen ja puhelimen handsfree-äänen laatua, kun Bluetooth-yhteydessä esiintyy "
    "datapakettivirheitä. Asetus kannattaa pitää aina käytössä. Jos sisäpuhelimen tai puhelimen ääni kuitenkin "
    "kuulostaa joissain tilanteissa vääristyneeltä, voit poistaa asetuksen käytöstä ja kokeilla.",
};

constexpr TextRow kHighQualityA2dp = {
    "[High Quality A2DP]\nThis option is enabled by default. Please disable it in case there are frequent audio "
    "disconnections while listening to music.",
    "[A2DP haute qualité]\nCette option est activée par défaut. Désactivez-la si le son se coupe souvent "
    "pendant l'écoute de musique.",
    "[A2DP in hoher Qualität]\nDiese Option ist standardmäßig aktiviert. Deaktivieren Sie sie, wenn der Ton "
    "beim Musikhören häufig abbricht.",
    "[A2DP alta qualità]\nQuesta opzione è attiva per impostazione predefinita. Disattivala se durante "
    "l'ascolto della musica l'audio si interrompe spesso.",
    "[高音質 A2DP]\nこのオプションは初期設定で有効です。音楽を聴いているときに音声が頻繁に途切れる場合は、"
    "無効にしてください。",
    "[고음질 A2DP]\n이 옵션은 기본적으로 사용으로 설정되어 있습니다. 음악을 듣는 동안 소리가 자주 끊기면 "
    "사용 안 함으로 설정하십시오.",
    "[A2DP de alta calidad]\nEsta opción está activada de forma predeterminada. Desactívela si el audio se "
    "corta a menudo mientras escucha música.",
    "[A2DP van hoge kwaliteit]\nDeze optie staat standaard aan. Schakel haar uit als het geluid vaak wegvalt "
    "terwijl u naar muziek luistert.",
    "[A2DP высокого качества]\nЭтот параметр включён по умолчанию. Отключите его, если при прослушивании "
    "музыки звук часто прерывается.",
    "[高品质 A2DP]\n此选项默认启用。如果听音乐时音频经常中断，请将其禁用。",
    "[Korkealaatuinen A2DP]\nTämä asetus on oletuksena käytössä. Poista se käytöstä, jos ääni katkeilee usein "
    "musiikkia kuunnellessa.",
};

constexpr TextRow kMicrophoneBoosting = {
    "[Microphone Boosting]\nThis option is related with microphone gain setup in handsfree call and enabled by "
    "default. If the microphone boosting is disabled, you may need to speak more loudly However, the "
    "environmental noise may become less along with the lowered microphone gain.",
    "[Amplification du micro]\nCette option concerne le gain du microphone pendant les appels mains libres et "
    "est activée par défaut. Si l'amplification du micro est désactivée, vous devrez peut-être parler plus "
    "fort, mais le bruit ambiant diminuera aussi avec le gain réduit.",
    "[Mikrofonverstärkung]\nDiese Option betrifft die Mikrofonverstärkung beim Freisprechen und ist "
    "standardmäßig aktiviert. Ist die Mikrofonverstärkung deaktiviert, müssen Sie eventuell lauter sprechen; "
    "dafür werden mit der geringeren Verstärkung auch Umgebungsgeräusche leiser.",
    "[Amplificazione microfono]\nQuesta opzione riguarda il guadagno del microfono nelle chiamate in vivavoce "
    "ed è attiva per impostazione predefinita. Se l'amplificazione è disattivata potrebbe essere necessario "
    "parlare più forte, ma con il guadagno ridotto diminuisce anche il rumore ambientale.",
    "[マイクブースト]\nこのオプションはハンズフリー通話時のマイクゲイン設定に関するもので、初期設定で有効です。"
    "マイクブーストを無効にすると、大きな声で話す必要がある場合がありますが、マイクゲインが下がるため周囲の"
    "雑音も小さくなります。",
    "[마이크 증폭]\n이 옵션은 핸즈프리 통화 시 마이크 게인 설정과 관련되며 기본적으로 사용으로 설정되어 "
    "있습니다. 마이크 증폭을 사용 안 함으로 하면 더 크게 말해야 할 수 있지만, 마이크 게인이 낮아져 주변 "
    "소음도 줄어듭니다.",
    "[Amplificación del micrófono]\nEsta opción afecta a la ganancia del micrófono en las llamadas manos libres "
    "y está activada de forma predeterminada. Si la desactiva, puede que tenga que hablar más alto, pero con la "
    "ganancia reducida también disminuye el ruido ambiental.",
    "[Microfoonversterking]\nDeze optie hoort bij de microfoonversterking bij handsfree bellen en staat "
    "standaard aan. Als de versterking uit staat, moet u misschien harder praten, maar met de lagere "
    "versterking neemt ook het omgevingsgeluid af.",
    "[Усиление микрофона]\nЭтот параметр относится к усилению микрофона при разговоре по громкой связи и "
    "включён по умолчанию. Если усиление отключено, возможно, придётся говорить громче, но при меньшем "
    "усилении уменьшается и окружающий шум.",
    "[麦克风增强]\n此选项与免提通话时的麦克风增益设置有关，默认启用。禁用麦克风增强后，您可能需要大声说话，"
    "但随着麦克风增益降低，环境噪音也会减小。",
    "[Mikrofonin vahvistus]\nTämä asetus liittyy mikrofonin vahvistukseen handsfree-puheluissa ja on "
    "oletuksena käytössä. Jos vahvistus on pois käytöstä, sinun on ehkä puhuttava kovempaa, mutta pienempi "
    "vahvistus vähentää myös ympäristön melua.",
};

constexpr TextRow kSidetone = {
    "[Sidetone]\nWhen this feature is enabled, you can hear what you are saying through the headset during an "
    "intercom conversation or phone call.",
    "[Retour de voix]\nLorsque cette fonction est activée, vous entendez votre propre voix dans le casque "
    "pendant une conversation intercom ou un appel.",
    "[Mithörton]\nIst diese Funktion aktiviert, hören Sie bei Gesprächen über die Gegensprechanlage oder am "
    "Telefon Ihre eigene Stimme im Headset.",
    "[Sidetone]\nQuando questa funzione è attiva, durante una conversazione interfono o una telefonata senti "
    "nell'auricolare la tua voce.",
    "[サイドトーン]\nこの機能を有効にすると、インターコム通話中や電話中に自分の声をヘッドセットで聞くことが"
    "できます。",
    "[사이드톤]\n이 기능을 사용하면 인터콤 대화나 통화 중에 자신의 목소리를 헤드셋으로 들을 수 있습니다.",
    "[Tono lateral]\nCon esta función activada, oye su propia voz en los auriculares durante una conversación "
    "por intercomunicador o una llamada.",
    "[Meeluistertoon]\nAls deze functie aan staat, hoort u uw eigen stem in de headset tijdens een "
    "intercomgesprek of telefoongesprek.",
    "[Самопрослушивание]\nКогда эта функция включена, во время разговора по интеркому или телефону вы "
    "слышите свой голос в гарнитуре.",
    "[侧音]\n启用此功能后，在对讲或电话通话时可以通过耳机听到自己的声音。",
    "[Sivuääni]\nKun toiminto on käytössä, kuulet oman puheesi kuulokkeista sisäpuhelin- tai puhelinkeskustelun "
    "aikana.",
};

constexpr TextRow kAmbientNoise = {
    "[Mutravo™]\n%s reduces the effects of ambient noise during intercom conversations.",
    "[Mutravo™]\n%s réduit les effets du bruit ambiant pendant les conversations intercom.",
    "[Mutravo™]\n%s verringert die Wirkung von Umgebungsgeräuschen bei Gesprächen über die Gegensprechanlage.",
    "[Mutravo™]\n%s riduce gli effetti del rumore ambientale durante le conversazioni interfono.",
    "[Mutravo™]\n%s はインターコム通話中の周囲の雑音の影響を抑えます。",
    "[Mutravo™]\n%s 기능은 인터콤 대화 중 주변 소음의 영향을 줄여 줍니다.",
    "[Mutravo™]\n%s reduce el efecto del ruido ambiental durante las conversaciones por intercomunicador.",
    "[Mutravo™]\n%s vermindert het effect van omgevingsgeluid tijdens intercomgesprekken.",
    "[Mutravo™]\n%s снижает влияние окружающего шума во время разговоров по интеркому.",
    "[Mutravo™]\n%s 可在对讲通话时降低环境噪音的影响。",
    "[Mutravo™]\n%s vähentää ympäristön melun vaikutusta sisäpuhelinkeskustelujen aikana.",
};

constexpr TextRow kAutoGainControl = {
    "[Auto Gain Control]\nYou can use the auto gain control to keep the volume of recording sounds constant "
    "regardless of the loudness. Auto gain control activates when the Bluetooth Mic connects to the Zelto "
    "Vorsella Kit or the Zelto THESSIK. It is useful when you move a lot wearing the Bluetooth Mic from the "
    "recording device.",
    "[Contrôle automatique du gain]\nLe contrôle automatique du gain maintient constant le volume des sons "
    "enregistrés, quelle que soit leur intensité. Il s'active lorsque le micro Bluetooth se connecte au Zelto "
    "Vorsella Kit ou au Zelto THESSIK. Il est utile lorsque vous bougez beaucoup en portant le micro Bluetooth "
    "loin de l'appareil d'enregistrement.",
    "[Automatische Verstärkungsregelung]\nMit der automatischen Verstärkungsregelung bleibt die Lautstärke "
    "aufgenommener Töne unabhängig von ihrer Lautheit gleich. Sie wird aktiv, wenn sich das Bluetooth-Mikrofon "
    "mit dem Zelto Vorsella Kit oder dem Zelto THESSIK verbindet. Sie ist nützlich, wenn Sie sich mit dem "
    "Bluetooth-Mikrofon viel vom Aufnahmegerät entfernt bewegen.",
    "[Controllo automatico del guadagno]\nIl controllo automatico del guadagno mantiene costante il volume dei "
    "suoni registrati, qualunque sia la loro intensità. Si attiva quando il microfono Bluetooth si collega a "
    "Zelto Vorsella Kit o a Zelto THESSIK. È utile quando ti muovi molto indossando il microfono Bluetooth "
    "lontano dal dispositivo di registrazione.",
    "[オートゲインコントロール]\nオートゲインコントロールを使うと、音の大きさにかかわらず録音音量を一定に保てます。"
    "Bluetooth マイクが Zelto Vorsella Kit または Zelto THESSIK に接続すると動作します。Bluetooth マイクを"
    "着けて録音機器から離れてよく動く場合に便利です。",
    "[자동 게인 제어]\n자동 게인 제어를 사용하면 소리 크기와 관계없이 녹음 음량을 일정하게 유지할 수 "
    "있습니다. 블루투스 마이크가 Zelto Vorsella Kit 또는 Zelto THESSIK에 연결되면 작동합니다. 블루투스 "
    "마이크를 착용하고 녹음 장치에서 떨어져 많이 움직일 때 유용합니다.",
    "[Control automático de ganancia]\nEl control automático de ganancia mantiene constante el volumen de los "
    "sonidos grabados, sea cual sea su intensidad. Se activa cuando el micrófono Bluetooth se conecta al Zelto "
    "Vorsella Kit o al Zelto THESSIK. Es útil cuando se mueve mucho llevando el micrófono Bluetooth lejos del "
    "dispositivo de grabación.",
    "[Automatische versterkingsregeling]\nMet de automatische versterkingsregeling blijft het volume van "
    "opgenomen geluid gelijk, hoe hard het ook is. Ze wordt actief als de Bluetooth-microfoon verbinding maakt "
    "met de Zelto Vorsella Kit of de Zelto THESSIK. Dat is handig als u veel beweegt met de Bluetooth-microfoon "
    "op afstand van het opnameapparaat.",
    "[Автоматическая регулировка усиления]\nАвтоматическая регулировка усиления поддерживает постоянную "
    "громкость записываемого звука независимо от его силы. Она включается, когда Bluetooth-микрофон "
    "подключается к Zelto Vorsella Kit или Zelto THESSIK. Это удобно, если вы много двигаетесь с "
    "Bluetooth-микрофоном вдали от записывающего устройства.",
    "[自动增益控制]\n使用自动增益控制，无论声音大小，录音音量都能保持恒定。当蓝牙麦克风连接到 Zelto Vorsella "
    "Kit 或 Zelto THESSIK 时自动增益控制启动。佩戴蓝牙麦克风远离录音设备并频繁走动时，此功能非常有用。",
    "[Automaattinen vahvistuksen säätö]\nAutomaattinen vahvistuksen säätö pitää tallennettavan äänen "
    "voimakkuuden tasaisena äänen voimakkuudesta riippumatta. Se aktivoituu, kun Bluetooth-mikrofoni yhdistyy "
    "Zelto Vorsella Kitiin tai Zelto THESSIKiin. Siitä on hyötyä, kun liikut paljon Bluetooth-mikrofoni yllä "
    "kaukana tallennuslaitteesta.",
};

constexpr TextRow kRadioTransmitGain = {
    "[Radio Transmit Gain]\nRadio Transmit Gain is to adjust the microphone gain (Low, Medium, High) for radio "
    "output amplification which is audio out from %s to connected two-way radio. Changing the Radio Transmit "
    "Gain does not affect the volume level of wired or wireless mobile phone connected to %s.",
    "[Gain d'émission radio]\nLe gain d'émission radio règle le gain du microphone (faible, moyen, élevé) pour "
    "le signal audio envoyé par %s à la radio bidirectionnelle connectée. Le modifier n'a aucun effet sur le "
    "volume d'un téléphone mobile filaire ou sans fil connecté à %s.",
    "[Funk-Sendeverstärkung]\nDie Funk-Sendeverstärkung stellt die Mikrofonverstärkung (niedrig, mittel, hoch) "
    "für den Ton ein, den %s an das angeschlossene Funkgerät ausgibt. Eine Änderung wirkt sich nicht auf die "
    "Lautstärke eines kabelgebundenen oder drahtlosen Mobiltelefons an %s aus.",
    "[Guadagno trasmissione radio]\nIl guadagno di trasmissione radio regola il guadagno del microfono (basso, "
    "medio, alto) per l'audio inviato da %s alla radio ricetrasmittente collegata. Modificarlo non influisce "
    "sul volume del cellulare, con o senza fili, collegato a %s.",
    "[無線送信ゲイン]\n無線送信ゲインは、%s から接続したトランシーバーへ出力する音声のマイクゲイン（低、中、高）を"
    "調整します。無線送信ゲインを変更しても、%s に接続した有線またはワイヤレスの携帯電話の音量には影響しません。",
    "[무전 송신 게인]\n무전 송신 게인은 %s에서 연결된 무전기로 출력되는 오디오의 마이크 게인(낮음, 보통, 높음)을 "
    "조절합니다. 무전 송신 게인을 바꿔도 %s에 연결된 유선 또는 무선 휴대폰의 음량에는 영향을 주지 않습니다.",
    "[Ganancia de transmisión de radio]\nLa ganancia de transmisión de radio ajusta la ganancia del micrófono "
    "(baja, media, alta) del audio que %s envía a la radio bidireccional conectada. Cambiarla no afecta al "
    "volumen del móvil con o sin cable conectado a %s.",
    "[Zendversterking radio]\nDe zendversterking radio stelt de microfoonversterking (laag, middel, hoog) in "
    "voor het geluid dat %s naar de aangesloten portofoon stuurt. Een wijziging heeft geen invloed op het "
    "volume van een bedrade of draadloze mobiele telefoon die op %s is aangesloten.",
    "[Усиление передачи по рации]\nУсиление передачи по рации регулирует усиление микрофона (низкое, среднее, "
    "высокое) для звука, который %s передаёт на подключённую рацию. Его изменение не влияет на громкость "
    "проводного или беспроводного мобильного телефона, подключённого к %s.",
    "[无线电发射增益]\n无线电发射增益用于调整从 %s 输出到所连接对讲机的音频的麦克风增益（低、中、高）。"
    "更改无线电发射增益不会影响连接到 %s 的有线或无线手机的音量。",
    "[Radiolähetyksen vahvistus]\nRadiolähetyksen vahvistus säätää mikrofonin vahvistusta (matala, keski, "
    "korkea) äänelle, jonka %s lähettää liitettyyn radiopuhelimeen. Muutos ei vaikuta laitteeseen %s "
    "liitetyn langallisen tai langattoman matkapuhelimen äänenvoimakkuuteen.",
};

constexpr TextRow kEnhancedDataRate = {
    "[Enhanced Data Rate]\nIt is highly recommended to enable this option unless there are any Bluetooth "
    "compatibility problems. If there are such problems, please contact technical support (%s) to disable the "
    "EDR setting.\n",
    "[Débit de données amélioré]\nNous recommandons vivement d'activer cette option, sauf en cas de problème de "
    "compatibilité Bluetooth. Dans ce cas, contactez l'assistance technique (%s) pour désactiver le réglage "
    "EDR.\n",
    "[Erhöhte Datenrate]\nWir empfehlen dringend, diese Option zu aktivieren, sofern keine "
    "Bluetooth-Kompatibilitätsprobleme auftreten. Wenden Sie sich bei solchen Problemen an den technischen "
    "Support (%s), um die EDR-Einstellung zu deaktivieren.\n",
    "[Velocità dati migliorata]\nSi consiglia vivamente di attivare questa opzione, salvo problemi di "
    "compatibilità Bluetooth. In tal caso contatta l'assistenza tecnica (%s) per disattivare l'impostazione "
    "EDR.\n",
    "[エンハンスト・データ・レート]\nBluetooth の互換性に問題がない限り、このオプションを有効にすることを強く"
    "お勧めします。問題がある場合は、テクニカルサポート（%s）に連絡して EDR 設定を無効にしてください。\n",
    "[향상된 데이터 전송률]\n블루투스 호환성 문제가 없다면 이 옵션을 사용하는 것을 강력히 권장합니다. 문제가 "
    "있으면 기술 지원(%s)에 문의하여 EDR 설정을 사용 안 함으로 하십시오.\n",
    "[Velocidad de datos mejorada]\nSe recomienda encarecidamente activar esta opción salvo que haya problemas "
    "de compatibilidad Bluetooth. Si los hay, póngase en contacto con el soporte técnico (%s) para desactivar "
    "el ajuste EDR.\n",
    "[Verbeterde gegevenssnelheid]\nWe raden sterk aan deze optie aan te zetten, tenzij er problemen met "
    "Bluetooth-compatibiliteit zijn. Neem bij zulke problemen contact op met de technische ondersteuning (%s) "
    "om de EDR-instelling uit te schakelen.\n",
    "[Повышенная скорость передачи данных]\nНастоятельно рекомендуется включить этот параметр, если нет "
    "проблем совместимости Bluetooth. При таких проблемах обратитесь в техническую поддержку (%s), чтобы "
    "отключить EDR.\n",
    "[增强数据速率]\n除非存在蓝牙兼容性问题，否则强烈建议启用此选项。如有此类问题，请联系技术支持（%s）以禁用 "
    "EDR 设置。\n",
    "[Parannettu tiedonsiirtonopeus]\nTämä asetus kannattaa ehdottomasti pitää käytössä, ellei ilmene "
    "Bluetooth-yhteensopivuusongelmia. Jos niitä ilmenee, ota yhteyttä tekniseen tukeen (%s) EDR-asetuksen "
    "poistamiseksi käytöstä.\n",
};

constexpr TextRow kAudioChannelTimeout = {
    "[Audio Channel Timeout]\nAudio Channel Timeout is audio idle time condition to close Bluetooth Audio "
    "Channel between %s and Bluetooth headset. Audio Channel will automatically close if there is no audio "
    "signal coming back from %s for [Audio Channel Timeout] seconds. The default value is 5 seconds.",
    "[Délai du canal audio]\nLe délai du canal audio est la durée d'inactivité audio après laquelle le canal "
    "audio Bluetooth entre %s et le casque Bluetooth se ferme. Le canal se ferme automatiquement si aucun "
    "signal audio ne revient de %s pendant [Délai du canal audio] secondes. La valeur par défaut est de "
    "5 secondes.",
    "[Audiokanal-Zeitlimit]\nDas Audiokanal-Zeitlimit ist die Ruhezeit, nach der der Bluetooth-Audiokanal "
    "zwischen %s und dem Bluetooth-Headset geschlossen wird. Der Kanal schließt sich automatisch, wenn "
    "[Audiokanal-Zeitlimit] Sekunden lang kein Audiosignal von %s zurückkommt. Standardwert: 5 Sekunden.",
    "[Timeout canale audio]\nIl timeout del canale audio è il tempo di inattività dopo il quale si chiude il "
    "canale audio Bluetooth tra %s e l'auricolare Bluetooth. Il canale si chiude automaticamente se da %s non "
    "torna alcun segnale audio per [Timeout canale audio] secondi. Il valore predefinito è 5 secondi.",
    "[オーディオチャンネルタイムアウト]\nオーディオチャンネルタイムアウトは、%s と Bluetooth ヘッドセットの間の "
    "Bluetooth オーディオチャンネルを閉じるまでの無音時間です。%s から [オーディオチャンネルタイムアウト] 秒間"
    "音声信号が戻らないと、チャンネルは自動的に閉じます。初期値は 5 秒です。",
    "[오디오 채널 타임아웃]\n오디오 채널 타임아웃은 %s와(과) 블루투스 헤드셋 사이의 블루투스 오디오 채널을 "
    "닫기까지의 무음 시간입니다. %s에서 [오디오 채널 타임아웃]초 동안 오디오 신호가 돌아오지 않으면 채널이 "
    "자동으로 닫힙니다. 기본값은 5초입니다.",
    "[Tiempo de espera del canal de audio]\nEs el tiempo sin audio tras el cual se cierra el canal de audio "
    "Bluetooth entre %s y los auriculares Bluetooth. El canal se cierra automáticamente si no vuelve ninguna "
    "señal de audio desde %s durante [Tiempo de espera del canal de audio] segundos. El valor predeterminado "
    "es 5 segundos.",
    "[Time-out audiokanaal]\nDe time-out van het audiokanaal is de stilte na welke het Bluetooth-audiokanaal "
    "tussen %s en de Bluetooth-headset wordt gesloten. Het kanaal sluit vanzelf als er [Time-out audiokanaal] "
    "seconden lang geen audiosignaal van %s terugkomt. De standaardwaarde is 5 seconden.",
    "[Тайм-аут аудиоканала]\nТайм-аут аудиоканала — это время тишины, после которого закрывается аудиоканал "
    "Bluetooth между %s и Bluetooth-гарнитурой. Канал закрывается автоматически, если от %s нет звукового "
    "сигнала в течение [Тайм-аут аудиоканала] секунд. Значение по умолчанию — 5 секунд.",
    "[音频通道超时]\n音频通道超时是关闭 %s 与蓝牙耳机之间蓝牙音频通道前的音频空闲时间。如果在 [音频通道超时] "
    "秒内 %s 没有返回音频信号，音频通道将自动关闭。默认值为 5 秒。",
    "[Äänikanavan aikakatkaisu]\nÄänikanavan aikakatkaisu on hiljaisuuden kesto, jonka jälkeen laitteen %s ja "
    "Bluetooth-kuulokkeiden välinen Bluetooth-äänikanava suljetaan. Kanava sulkeutuu automaattisesti, jos "
    "laitteelta %s ei tule äänisignaalia [Äänikanavan aikakatkaisu] sekuntiin. Oletusarvo on 5 sekuntia.",
};

constexpr TextRow kMotionSensorSensitivity = {
    "[Motion Sensor Sensitivity]\nThis setting determines the sensitivity when you double tap on the surface "
    "of the %s to enter the voice command mode.",
    "[Sensibilité du capteur de mouvement]\nCe réglage détermine la sensibilité lorsque vous tapez deux fois "
    "sur la surface du %s pour passer en mode commande vocale.",
    "[Empfindlichkeit des Bewegungssensors]\nDiese Einstellung legt die Empfindlichkeit fest, wenn Sie zweimal "
    "auf die Oberfläche des %s tippen, um in den Sprachbefehlsmodus zu wechseln.",
    "[Sensibilità sensore di movimento]\nQuesta impostazione determina la sensibilità quando tocchi due volte "
    "la superficie del %s per entrare nella modalità comandi vocali.",
    "[モーションセンサー感度]\nこの設定は、%s の表面をダブルタップして音声コマンドモードに入るときの感度を"
    "決めます。",
    "[모션 센서 감도]\n이 설정은 %s 표면을 두 번 탭하여 음성 명령 모드로 들어갈 때의 감도를 정합니다.",
    "[Sensibilidad del sensor de movimiento]\nEste ajuste determina la sensibilidad al tocar dos veces la "
    "superficie del %s para entrar en el modo de comandos de voz.",
    "[Gevoeligheid bewegingssensor]\nDeze instelling bepaalt de gevoeligheid als u twee keer op het oppervlak "
    "van de %s tikt om de spraakopdrachtmodus te openen.",
    "[Чувствительность датчика движения]\nЭтот параметр задаёт чувствительность при двойном касании "
    "поверхности %s для входа в режим голосовых команд.",
    "[运动传感器灵敏度]\n此设置决定双击 %s 表面进入语音命令模式时的灵敏度。",
    "[Liiketunnistimen herkkyys]\nTämä asetus määrää herkkyyden, kun napautat laitteen %s pintaa kahdesti "
    "siirtyäksesi äänikomentotilaan.",
};

// Finnish names the concurrent audio once: the sentence reads naturally with one mention.
constexpr TextRow kNavigationAppSupport = {
    "[Navigation App Support]\nWhen %s is enabled, this feature allows you to hear audible instructions from the "
    "smartphone's GPS app without lowering the volume. %s must be enabled to use this feature.",
    "[Prise en charge des applis de navigation]\nLorsque %s est activé, cette fonction vous permet d'entendre "
    "les instructions de l'appli GPS du smartphone sans baisse du volume. %s doit être activé pour utiliser "
    "cette fonction.",
    "[Unterstützung für Navigations-Apps]\nWenn %s aktiviert ist, hören Sie mit dieser Funktion die Ansagen der "
    "GPS-App Ihres Smartphones, ohne dass die Lautstärke gesenkt wird. Für diese Funktion muss %s aktiviert "
    "sein.",
    "[Supporto app di navigazione]\nQuando %s è attivo, questa funzione ti permette di sentire le indicazioni "
    "dell'app GPS dello smartphone senza abbassare il volume. Per usarla, %s deve essere attivo.",
    "[ナビアプリサポート]\n%s が有効な場合、この機能によりスマートフォンの GPS アプリの音声案内を音量を下げずに"
    "聞くことができます。この機能を使うには %s を有効にする必要があります。",
    "[내비게이션 앱 지원]\n%s 기능이 켜져 있으면 이 기능으로 스마트폰 GPS 앱의 음성 안내를 음량을 낮추지 않고 "
    "들을 수 있습니다. 이 기능을 사용하려면 %s 기능을 사용으로 설정해야 합니다.",
    "[Compatibilidad con apps de navegación]\nCon %s activado, esta función le permite oír las indicaciones de "
    "la app GPS del smartphone sin bajar el volumen. Para usarla, %s debe estar activado.",
    "[Ondersteuning navigatie-apps]\nAls %s aan staat, hoort u met deze functie de aanwijzingen van de GPS-app "
    "op uw smartphone zonder dat het volume omlaag gaat. Voor deze functie moet %s aan staan.",
    "[Поддержка навигационных приложений]\nКогда %s включён, эта функция позволяет слышать голосовые подсказки "
    "GPS-приложения смартфона без снижения громкости. Для её работы %s должен быть включён.",
    "[导航应用支持]\n启用 %s 后，此功能可让您在不降低音量的情况下听到智能手机 GPS 应用的语音指示。使用此功能"
    "必须启用 %s。",
    "[Navigointisovellusten tuki]\nTämän toiminnon avulla kuulet älypuhelimen GPS-sovelluksen ääniohjeet "
    "äänenvoimakkuutta laskematta. Toiminnon käyttö edellyttää, että %s on käytössä.",
};

constexpr TextRow kConcurrentAudio = {
    "[Audio Tavlisk™]\n%s enables you to have an intercom conversation while listening to music, %s, or GPS "
    "instructions. Other audio sources are played in the background at a lower volume whenever an intercom "
    "conversation starts. When the conversation ends, the other audio resumes at normal volume. If this feature "
    "is disabled, any incoming or outgoing intercom transmissions will interrupt audio playback.",
    "[Audio Tavlisk™]\n%s vous permet d'avoir une conversation intercom tout en écoutant de la musique, %s ou "
    "des instructions GPS. Les autres sources audio passent en arrière-plan à volume réduit dès qu'une "
    "conversation intercom commence, puis reprennent à volume normal à la fin. Si cette fonction est "
    "désactivée, toute transmission intercom entrante ou sortante interrompt la lecture audio.",
    "[Audio Tavlisk™]\nMit %s können Sie über die Gegensprechanlage sprechen und dabei Musik, %s oder "
    "GPS-Ansagen hören. Andere Audioquellen laufen während eines Gesprächs leiser im Hintergrund weiter und "
    "kehren danach zur normalen Lautstärke zurück. Ist diese Funktion deaktiviert, unterbricht jede ein- oder "
    "ausgehende Übertragung der Gegensprechanlage die Audiowiedergabe.",
    "[Audio Tavlisk™]\n%s ti permette di parlare all'interfono mentre ascolti musica, %s o indicazioni GPS. "
    "All'inizio di una conversazione interfono le altre sorgenti audio proseguono in sottofondo a volume "
    "ridotto e, alla fine, tornano al volume normale. Se questa funzione è disattivata, ogni trasmissione "
    "interfono in entrata o in uscita interrompe la riproduzione audio.",
    "[Audio Tavlisk™]\n%s を使うと、音楽、%s、GPS の案内を聞きながらインターコム通話ができます。インターコム"
    "通話が始まると他の音声は小さな音量でバックグラウンド再生され、通話が終わると通常の音量に戻ります。この機能"
    "を無効にすると、インターコムの送受信のたびにオーディオ再生が中断されます。",
    "[Audio Tavlisk™]\n%s 기능을 사용하면 음악, %s, GPS 안내를 들으면서 인터콤 대화를 할 수 있습니다. 인터콤 "
    "대화가 시작되면 다른 오디오는 낮은 음량으로 배경에서 재생되고, 대화가 끝나면 원래 음량으로 돌아옵니다. "
    "이 기능을 사용 안 함으로 하면 인터콤 송수신 때마다 오디오 재생이 중단됩니다.",
    "[Audio Tavlisk™]\n%s le permite mantener una conversación por intercomunicador mientras escucha música, "
    "%s o indicaciones GPS. Al empezar una conversación, las demás fuentes de audio siguen de fondo a menor "
    "volumen y, al terminar, vuelven al volumen normal. Si esta función está desactivada, cualquier "
    "transmisión entrante o saliente del intercomunicador interrumpe la reproducción.",
    "[Audio Tavlisk™]\nMet %s kunt u een intercomgesprek voeren terwijl u naar muziek, %s of GPS-aanwijzingen "
    "luistert. Zodra een intercomgesprek begint, spelen andere geluidsbronnen zachter op de achtergrond; na "
    "het gesprek keert het normale volume terug. Staat deze functie uit, dan onderbreekt elke inkomende of "
    "uitgaande intercomverbinding het afspelen.",
    "[Audio Tavlisk™]\n%s позволяет разговаривать по интеркому, слушая музыку, %s или подсказки GPS. Когда "
    "начинается разговор, другие источники звука тише звучат в фоне, а после разговора возвращаются к "
    "обычной громкости. Если функция отключена, любая входящая или исходящая передача интеркома прерывает "
    "воспроизведение.",
    "[Audio Tavlisk™]\n%s 可让您在收听音乐、%s 或 GPS 指示的同时进行对讲通话。对讲通话开始时，其他音频会以"
    "较低音量在后台播放；通话结束后恢复正常音量。如果禁用此功能，任何呼入或呼出的对讲传输都会中断音频播放。",
    "[Audio Tavlisk™]\n%s antaa sinun puhua sisäpuhelimessa samalla kun kuuntelet musiikkia, %s tai "
    "GPS-ohjeita. Kun keskustelu alkaa, muut äänilähteet soivat taustalla hiljempaa ja palaavat keskustelun "
    "jälkeen normaaliin voimakkuuteen. Jos toiminto ei ole käytössä, jokainen saapuva tai lähtevä "
    "sisäpuhelinlähetys keskeyttää toiston.",
};

constexpr TextRow kAudioBlendSensitivity = {
    "[Intercom-audio Sumbra Sensitivity]\nWhen the %s setting is enabled, if you talk over the intercom while "
    "music is playing, then the music volume will be lowered to play in the background. You can adjust the "
    "intercom sensitivity to activate this background music mode. Level 1 has the lowest sensitivity and level "
    "10 has the highest.",
    "[Sensibilité Sumbra intercom-audio]\nLorsque le réglage %s est activé et que vous parlez à l'intercom "
    "pendant la lecture de musique, le volume de la musique baisse pour la passer en arrière-plan. Vous pouvez "
    "régler la sensibilité de l'intercom qui déclenche ce mode. Le niveau 1 est le moins sensible, le niveau "
    "10 le plus sensible.",
    "[Sumbra-Empfindlichkeit Gegensprechen]\nIst %s aktiviert und sprechen Sie während der Musikwiedergabe über "
    "die Gegensprechanlage, wird die Musik leiser im Hintergrund gespielt. Sie können einstellen, wie "
    "empfindlich die Gegensprechanlage diesen Modus auslöst. Stufe 1 ist am wenigsten, Stufe 10 am meisten "
    "empfindlich.",
    "[Sensibilità Sumbra interfono-audio]\nCon l'impostazione %s attiva, se parli all'interfono mentre suona "
    "la musica, il volume della musica si abbassa e la musica prosegue in sottofondo. Puoi regolare la "
    "sensibilità dell'interfono che attiva questa modalità. Il livello 1 è il meno sensibile, il livello 10 il "
    "più sensibile.",
    "[インターコム・オーディオ Sumbra 感度]\n%s 設定が有効な場合、音楽の再生中にインターコムで話すと、音楽の音量"
    "が下がりバックグラウンドで再生されます。このバックグラウンド音楽モードが作動するインターコムの感度を調整"
    "できます。レベル 1 が最も低く、レベル 10 が最も高い感度です。",
    "[인터콤-오디오 Sumbra 감도]\n%s 설정이 켜져 있을 때 음악 재생 중에 인터콤으로 말하면 음악 음량이 낮아져 "
    "배경에서 재생됩니다. 이 배경 음악 모드가 작동하는 인터콤 감도를 조절할 수 있습니다. 레벨 1이 가장 낮고 "
    "레벨 10이 가장 높은 감도입니다.",
    "[Sensibilidad Sumbra intercomunicador-audio]\nCon el ajuste %s activado, si habla por el intercomunicador "
    "mientras suena música, el volumen de la música baja y sigue de fondo. Puede ajustar la sensibilidad del "
    "intercomunicador que activa este modo. El nivel 1 es el menos sensible y el 10 el más sensible.",
    "[Sumbra-gevoeligheid intercom-audio]\nAls de instelling %s aan staat en u via de intercom praat terwijl er "
    "muziek speelt, gaat het muziekvolume omlaag en speelt de muziek op de achtergrond. U kunt instellen hoe "
    "gevoelig de intercom deze modus inschakelt. Niveau 1 is het minst gevoelig, niveau 10 het meest.",
    "[Чувствительность Sumbra интерком-аудио]\nЕсли параметр %s включён и вы говорите по интеркому во время "
    "воспроизведения музыки, громкость музыки снижается и она звучит в фоне. Можно настроить "
    "чувствительность интеркома для включения этого режима. Уровень 1 — наименьшая чувствительность, "
    "уровень 10 — наибольшая.",
    "[对讲-音频 Sumbra 灵敏度]\n启用 %s 设置后，如果在播放音乐时通过对讲说话，音乐音量会降低并在后台播放。"
    "您可以调整触发此背景音乐模式的对讲灵敏度。级别 1 灵敏度最低，级别 10 灵敏度最高。",
    "[Sisäpuhelin-äänen Sumbra-herkkyys]\nKun %s-asetus on käytössä ja puhut sisäpuhelimeen musiikin soidessa, "
    "musiikin äänenvoimakkuus laskee ja se soi taustalla. Voit säätää sisäpuhelimen herkkyyttä, jolla tämä "
    "tila käynnistyy. Taso 1 on vähiten herkkä ja taso 10 herkin.",
};

// Italian names no setting in its sentence, so it takes no argument.
constexpr TextRow kAudioBoost = {
    "[Audio Boost]\nWhen %s is enabled, you can hear audio at a louder maximum volume level.",
    "[Amplification audio]\nLorsque %s est activé, le volume maximal de l'audio est plus élevé.",
    "[Audio-Boost]\nIst %s aktiviert, hören Sie Audio mit einer höheren maximalen Lautstärke.",
    "[Potenziamento audio]\nQuando è attivo, puoi ascoltare l'audio a un volume massimo più alto.",
    "[オーディオブースト]\n%s を有効にすると、より大きな最大音量で音声を聞くことができます。",
    "[오디오 부스트]\n%s 기능을 사용하면 더 큰 최대 음량으로 오디오를 들을 수 있습니다.",
    "[Refuerzo de audio]\nCon %s activado, puede escuchar el audio a un volumen máximo más alto.",
    "[Audioversterking]\nAls %s aan staat, hoort u audio met een hoger maximaal volume.",
    "[Усиление звука]\nКогда %s включено, максимальная громкость звука выше.",
    "[音频增强]\n启用 %s 后，您可以以更高的最大音量收听音频。",
    "[Äänen vahvistus]\nKun %s on käytössä, kuulet äänen suuremmalla enimmäisvoimakkuudella.",
};

constexpr NamedTextRow kPanelRows[] = {
    {"PacketLossConcealment", &kPacketLossConcealment},
    {"HighQualityA2dp", &kHighQualityA2dp},
    {"MicrophoneBoosting", &kMicrophoneBoosting},
    {"Sidetone", &kSidetone},
    {"AmbientNoise", &kAmbientNoise},
    {"AutoGainControl", &kAutoGainControl},
    {"RadioTransmitGain", &kRadioTransmitGain},
    {"EnhancedDataRate", &kEnhancedDataRate},
    {"AudioChannelTimeout", &kAudioChannelTimeout},
    {"MotionSensorSensitivity", &kMotionSensorSensitivity},
    {"NavigationAppSupport", &kNavigationAppSupport},
    {"ConcurrentAudio", &kConcurrentAudio},
    {"AudioBlendSensitivity", &kAudioBlendSensitivity},
    {"AudioBoost", &kAudioBoost},
};

}  // namespace

std::string GetPacketLossConcealmentHelpText(int language) { return Pick(kPacketLossConcealment, language); }
std::string GetHighQualityA2dpHelpText(int language) { return Pick(kHighQualityA2dp, language); }
std::string GetMicrophoneBoostingHelpText(int language) { return Pick(kMicrophoneBoosting, language); }
std::string GetSidetoneHelpText(int language) { return Pick(kSidetone, language); }
std::string GetAmbientNoiseHelpText(int language) { return Pick(kAmbientNoise, language); }
std::string GetAutoGainControlHelpText(int language) { return Pick(kAutoGainControl, language); }
std::string GetRadioTransmitGainHelpText(int language) { return Pick(kRadioTransmitGain, language); }
std::string GetEnhancedDataRateHelpText(int language) {
  return Format(Pick(kEnhancedDataRate, language), kSupportMailAddress);
}
std::string GetAudioChannelTimeoutHelpText(int language) { return Pick(kAudioChannelTimeout, language); }
std::string GetMotionSensorSensitivityHelpText(int language) { return Pick(kMotionSensorSensitivity, language); }
std::string GetNavigationAppSupportHelpText(int language) { return Pick(kNavigationAppSupport, language); }
std::string GetConcurrentAudioHelpText(int language) { return Pick(kConcurrentAudio, language); }
std::string GetAudioBlendSensitivityHelpText(int language) { return Pick(kAudioBlendSensitivity, language); }
std::string GetAudioBoostHelpText(int language) { return Pick(kAudioBoost, language); }

std::span<const NamedTextRow> PanelHelpTextRows() { return kPanelRows; }

}  // namespace text
