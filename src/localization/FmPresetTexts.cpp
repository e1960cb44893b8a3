// Language order of every row: English, French, German, Italian, Japanese, Korean, Spanish, Dutch,
// Russian, Chinese, Finnish.
#include "localization/FmPresetTexts.h"

#include "localization/TextRow.h"

namespace text {

namespace {

constexpr TextRow kFmPresetRange = {
    "FM Radio preset should be between %0.1f MHz and %0.1f MHz. Enter valid value again.",
    "La présélection radio FM doit être comprise entre %0.1f MHz et %0.1f MHz. Saisissez une valeur valide.",
    "FM-Voreinstellung muss zwischen %0.1f MHz und %0.1f MHz liegen. Bitte gültigen Wert eingeben.",
    "La preselezione radio FM deve essere compresa tra %0.1f MHz e %0.1f MHz. Inserisci un valore valido.",
    "FMプリセットは %0.1f MHz～%0.1f MHz の範囲で入力し直してください。",
    "FM 라디오 프리셋은 %0.1f MHz에서 %0.1f MHz 사이여야 합니다. 올바른 값을 다시 입력하십시오.",
    "La presintonía de radio FM debe estar entre %0.1f MHz y %0.1f MHz. Introduzca un valor válido.",
    "De FM-radiovoorkeuze moet tussen %0.1f MHz en %0.1f MHz liggen. Voer opnieuw een geldige waarde in.",
    "Предустановка FM-радио должна быть в пределах от %0.1f MHz до %0.1f MHz. Введите допустимое значение.",
    "FM 收音机预设频率应在 %0.1f MHz 至 %0.1f MHz 之间。请重新输入有效值。",
    "FM-radion esiasetuksen on oltava välillä %0.1f MHz – %0.1f MHz. Anna kelvollinen arvo uudelleen.",
};

constexpr TextRow kFmPresetInvalid = {
    "FM Radio preset is not valid. Enter valid value again.",
    "La présélection radio FM n'est pas valide. Saisissez une valeur valide.",
    "Die FM-Radio-Voreinstellung ist ungültig. Geben Sie einen gültigen Wert ein.",
    "La preselezione radio FM non è valida. Inserisci un valore valido.",
    "FMラジオのプリセットが無効です。有効な値を入力し直してください。",
    "FM 라디오 프리셋이 올바르지 않습니다. 올바른 값을 다시 입력하십시오.",
    "La presintonía de radio FM no es válida. Introduzca un valor válido.",
    "De FM-radiovoorkeuze is ongeldig. Voer opnieuw een geldige waarde in.",
    "Недопустимая предустановка FM-радио. Введите допустимое значение.",
    "FM 收音机预设频率无效。请重新输入有效值。",
    "FM-radion esiasetus ei kelpaa. Anna kelvollinen arvo uudelleen.",
};

constexpr TextRow kRdsHelp = {
    "[RDS (Radio Data System) AF (Alternative Frequencies)]\nRDS AF (Radio Data System Alternative Frequencies) "
    "enables the headset to re-tune to an alternative frequency for the same radio station if the primary "
    "frequency loses signal strength. Please check that your local radio stations support the RDS AF feature.",
    "[RDS (Radio Data System) AF (fréquences alternatives)]\nLa fonction RDS AF (fréquences alternatives du Radio "
    "Data System) permet au casque de passer sur une autre fréquence de la même station lorsque le signal de la "
    "fréquence principale faiblit. Vérifiez que vos stations locales prennent en charge la fonction RDS AF.",
    "[RDS (Radio Data System) AF (Alternativfrequenzen)]\nMit RDS AF (Alternativfrequenzen des Radio Data System) "
    "wechselt das Headset auf eine andere Frequenz desselben Senders, wenn das Signal der Hauptfrequenz schwächer "
    "wird. Prüfen Sie, ob Ihre örtlichen Sender RDS AF unterstützen.",
    "[RDS (Radio Data System) AF (frequenze alternative)]\nRDS AF (frequenze alternative del Radio Data System) "
    "consente all'auricolare di sintonizzarsi su una frequenza alternativa della stessa stazione quando il segnale "
    "della frequenza principale si indebolisce. Verifica che le stazioni radio locali supportino la funzione RDS AF.",
    "[RDS (Radio Data System) AF (代替周波数)]\nRDS AF（Radio Data System の代替周波数）は、メインの周波数の電波が"
    "弱くなったときに、ヘッドセットが同じ放送局の別の周波数に切り替える機能です。お住まいの地域の放送局が RDS AF "
    "に対応しているかご確認ください。",
    "[RDS (Radio Data System) AF (대체 주파수)]\nRDS AF(Radio Data System 대체 주파수)는 기본 주파수의 신호가 "
    "약해지면 헤드셋이 같은 방송국의 다른 주파수로 다시 맞추도록 합니다. 지역 방송국이 RDS AF 기능을 지원하는지 "
    "확인하십시오.",
    "[RDS (Radio Data System) AF (frecuencias alternativas)]\nRDS AF (frecuencias alternativas del Radio Data "
    "System) permite que el auricular sintonice otra frecuencia de la misma emisora cuando la señal de la frecuencia "
    "principal se debilita. Compruebe que sus emisoras locales admiten la función RDS AF.",
    "[RDS (Radio Data System) AF (alternatieve frequenties)]\nMet RDS AF (alternatieve frequenties van het Radio "
    "Data System) stemt de headset af op een andere frequentie van dezelfde zender als het signaal van de "
    "hoofdfrequentie zwakker wordt. Controleer of uw lokale zenders RDS AF ondersteunen.",
    "[RDS (Radio Data System) AF (альтернативные частоты)]\nФункция RDS AF (альтернативные частоты Radio Data "
    "System) позволяет гарнитуре перейти на другую частоту той же радиостанции, если сигнал основной частоты "
    "ослабевает. Убедитесь, что местные радиостанции поддерживают RDS AF.",
    "[RDS (Radio Data System) AF (备选频率)]\nRDS AF（无线电数据系统备选频率）可在主频率信号减弱时，让耳机重新调谐到"
    "同一电台的备选频率。请确认您当地的电台支持 RDS AF 功能。",
    "[RDS (Radio Data System) AF (vaihtoehtoiset taajuudet)]\nRDS AF (Radio Data Systemin vaihtoehtoiset "
    "taajuudet) antaa kuulokkeen virittyä saman aseman toiselle taajuudelle, kun päätaajuuden signaali heikkenee. "
    "Tarkista, tukevatko paikalliset radioasemat RDS AF -toimintoa.",
};

}  // namespace

std::string GetFmPresetRangeText(int language) { return Pick(kFmPresetRange, language); }
std::string GetFmPresetInvalidText(int language) { return Pick(kFmPresetInvalid, language); }
std::string GetRdsHelpText(int language) { return Pick(kRdsHelp, language); }

}  // namespace text
