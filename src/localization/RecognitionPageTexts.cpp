// Language order of every row: English, French, German, Italian, Japanese, Korean, Spanish, Dutch,
// Russian, Chinese, Finnish.
#include "localization/RecognitionPageTexts.h"

#include "localization/MainWindowTexts.h"
#include "localization/MakerAddresses.h"
#include "localization/SafeFormat.h"
#include "localization/SharedTexts.h"
#include "localization/TextRow.h"

namespace text {

namespace {

constexpr int kRussian = 8;
constexpr int kChinese = 9;

// The product family the steps name.
constexpr const char* kFamilyName = "Corvale";

bool IsFewerInterfacesState(int state) { return state == 5 || state == 7; }

// ---- Status reasons ----

constexpr TextRow kDeviceActivated = {
    "Device activated",
    "Appareil activé",
    "Gerät aktiviert",
    "Dispositivo attivato",
    "デバイスをアクティベートしました",
    "장치가 활성화되었습니다",
    "Dispositivo activado",
    "Apparaat geactiveerd",
    "Устройство активировано",
    "设备已激活",
    "Laite aktivoitu",
};

// Filled with kFewerInterfaces or kMoreInterfaces.
constexpr TextRow kUsbInterfaceCount = {
    "%s USB interface(s)",
    "%s d'interfaces USB",
    "%s USB-Schnittstellen",
    "%s interfacce USB",
    "USBインターフェース数が%s",
    "USB 인터페이스 %s",
    "%s interfaces USB",
    "%s USB-interface(s)",
    "%s USB-интерфейсов",
    "USB 接口%s",
    "%s USB-liitäntöjä",
};

constexpr TextRow kFewerInterfaces = {
    "less",     "Moins", "Weniger", "Meno", "不足", "부족", "Menos", "Minder", "Меньше", "过少",
    "Liian vähän",
};

constexpr TextRow kMoreInterfaces = {
    "more", "Plus", "Mehr", "Più", "超過", "초과", "Más", "Meer", "Больше", "过多", "Liian paljon",
};

constexpr TextRow kOddUsbInterface = {
    "odd USB interface(s)",
    "Interfaces USB anormales",
    "Ungewöhnliche USB-Schnittstelle(n)",
    "Interfacce USB anomale",
    "異常なUSBインターフェース",
    "비정상 USB 인터페이스",
    "Interfaces USB anómalas",
    "Afwijkende USB-interface(s)",
    "Нестандартные USB-интерфейсы",
    "USB 接口异常",
    "Poikkeavia USB-liitäntöjä",
};

// ---- Steps ----

// Filled with the step number and the NEXT caption.
constexpr TextRow kPressNextStep = {
    "%d. Press the [%s >] button.",
    "%d. Appuyez sur le bouton [%s >].",
    "%d. Klicken Sie auf die Schaltfläche [%s >].",
    "%d. Premere il pulsante [%s >].",
    "%d. [%s >]ボタンを押してください。",
    "%d. [%s >] 버튼을 누르십시오.",
    "%d. Pulse el botón [%s >].",
    "%d. Klik op de knop [%s >].",
    "%d. Нажмите кнопку [%s >].",
    "%d. 按 [%s >] 按钮。",
    "%d. Paina [%s >] -painiketta.",
};

constexpr TextRow kUnplugUsbStep = {
    "1. Unplug the USB cable from PC.\n\n",
    "1. Débranchez le câble USB du PC.\n\n",
    "1. Ziehen Sie das USB-Kabel vom PC ab.\n\n",
    "1. Scollegare il cavo USB dal PC.\n\n",
    "1. USBケーブルをPCから取り外してください。\n\n",
    "1. PC에서 USB 케이블을 분리하십시오.\n\n",
    "1. Desconecte el cable USB del PC.\n\n",
    "1. Koppel de USB-kabel los van de pc.\n\n",
    "1. Отсоедините USB-кабель от компьютера.\n\n",
    "1. 从电脑上拔下 USB 数据线。\n\n",
    "1. Irrota USB-kaapeli tietokoneesta.\n\n",
};

constexpr TextRow kDisconnectBluetoothStep = {
    "1. Disconnect all Bluetooth devices from PC.\n\n",
    "1. Déconnectez tous les appareils Bluetooth du PC.\n\n",
    "1. Trennen Sie alle Bluetooth-Geräte vom PC.\n\n",
    "1. Scollegare tutti i dispositivi Bluetooth dal PC.\n\n",
    "1. すべてのBluetoothデバイスをPCから切断してください。\n\n",
    "1. PC에서 모든 Bluetooth 장치의 연결을 해제하십시오.\n\n",
    "1. Desconecte todos los dispositivos Bluetooth del PC.\n\n",
    "1. Verbreek de verbinding van alle Bluetooth-apparaten met de pc.\n\n",
    "1. Отключите от компьютера все устройства Bluetooth.\n\n",
    "1. 断开电脑上所有蓝牙设备的连接。\n\n",
    "1. Katkaise kaikkien Bluetooth-laitteiden yhteys tietokoneeseen.\n\n",
};

// Filled with the family name; the second line is indented by four blanks.
constexpr TextRow kProvisioningPowerOffStep = {
    "2. Power off your %s product and connect it with PC \n    by the USB cable.\n\n",
    "2. Éteignez votre produit %s et connectez-le au PC \n    avec le câble USB.\n\n",
    "2. Schalten Sie Ihr %s-Produkt aus und schließen Sie es \n    mit dem USB-Kabel an den PC "
    "an.\n\n",
    "2. Spegnere il prodotto %s e collegarlo al PC \n    con il cavo USB.\n\n",
    "2. %s製品の電源を切り、USBケーブルで \n    PCに接続してください。\n\n",
    "2. %s 제품의 전원을 끄고 USB 케이블로 \n    PC에 연결하십시오.\n\n",
    "2. Apague su producto %s y conéctelo al PC \n    con el cable USB.\n\n",
    "2. Schakel uw %s-product uit en sluit het aan op de pc \n    met de USB-kabel.\n\n",
    "2. Выключите устройство %s и подключите его к компьютеру \n    с помощью USB-кабеля.\n\n",
    "2. 关闭 %s 产品的电源，然后使用 USB 数据线 \n    将其连接到电脑。\n\n",
    "2. Sammuta %s-tuote ja liitä se tietokoneeseen \n    USB-kaapelilla.\n\n",
};

// Filled with the family name.
constexpr TextRow kProvisioningPowerOnStep = {
    "3. Power on your %s product.\n\n\n",
    "3. Allumez votre produit %s.\n\n\n",
    "3. Schalten Sie Ihr %s-Produkt ein.\n\n\n",
    "3. Accendere il prodotto %s.\n\n\n",
    "3. %s製品の電源を入れてください。\n\n\n",
    "3. %s 제품의 전원을 켜십시오.\n\n\n",
    "3. Encienda su producto %s.\n\n\n",
    "3. Schakel uw %s-product in.\n\n\n",
    "3. Включите устройство %s.\n\n\n",
    "3. 打开 %s 产品的电源。\n\n\n",
    "3. Kytke %s-tuotteeseen virta.\n\n\n",
};

constexpr TextRow kConnectPowerOffStep = {
    "1. Power off your product and connect it to your PC using the supplied microUSB cable.\n\n\n",
    "1. Mettez votre produit hors tension et connectez-le à votre PC à l'aide du câble microUSB fourni.\n\n\n",
    "1. Schalten Sie Ihr Produkt aus und schließen Sie es mit dem mitgelieferten microUSB-Kabel "
    "an Ihren PC an.\n\n\n",
    "1. Spegnere il prodotto e collegarlo al PC con il cavo microUSB in dotazione.\n\n\n",
    "1. 製品の電源を切り、付属のmicroUSBケーブルでPCに接続してください。\n\n\n",
    "1. 제품의 전원을 끄고 제공된 microUSB 케이블로 PC에 연결하십시오.\n\n\n",
    "1. Apague el producto y conéctelo al PC con el cable microUSB suministrado.\n\n\n",
    "1. Schakel uw product uit en sluit het met de meegeleverde microUSB-kabel aan op uw pc.\n\n\n",
    "1. Выключите устройство и подключите его к компьютеру с помощью кабеля microUSB из "
    "комплекта поставки.\n\n\n",
    "1. 关闭产品电源，然后使用随附的 microUSB 数据线将其连接到电脑。\n\n\n",
    "1. Sammuta tuote ja liitä se tietokoneeseen mukana toimitetulla microUSB-kaapelilla.\n\n\n",
};

// Filled with the family name.
constexpr TextRow kConnectPowerOnStep = {
    "2. Power on your %s product.\n\n\n",
    "2. Allumez votre produit %s.\n\n\n",
    "2. Schalten Sie Ihr %s-Produkt ein.\n\n\n",
    "2. Accendere il prodotto %s.\n\n\n",
    "2. %s製品の電源を入れてください。\n\n\n",
    "2. %s 제품의 전원을 켜십시오.\n\n\n",
    "2. Encienda su producto %s.\n\n\n",
    "2. Schakel uw %s-product in.\n\n\n",
    "2. Включите устройство %s.\n\n\n",
    "2. 打开 %s 产品的电源。\n\n\n",
    "2. Kytke %s-tuotteeseen virta.\n\n\n",
};

// ---- Message box texts ----

// Filled with the provisioning steps.
constexpr TextRow kProvisioned = {
    "Device has successfully been activated upon recognition.\nFollow the instructions to "
    "recognize the device again.\n\n%s",
    "L'appareil a bien été activé lors de la reconnaissance.\nSuivez les instructions pour "
    "reconnaître à nouveau l'appareil.\n\n%s",
    "Das Gerät wurde bei der Erkennung erfolgreich aktiviert.\nFolgen Sie den Anweisungen, um das "
    "Gerät erneut zu erkennen.\n\n%s",
    "Il dispositivo è stato attivato durante il riconoscimento.\nSeguire le istruzioni per "
    "riconoscere di nuovo il dispositivo.\n\n%s",
    "認識時にデバイスがアクティベートされました。\n次の手順に従って、デバイスをもう一度認識させて"
    "ください。\n\n%s",
    "인식 과정에서 장치가 활성화되었습니다.\n다음 지침에 따라 장치를 다시 인식하십시오.\n\n%s",
    "El dispositivo se ha activado correctamente durante el reconocimiento.\nSiga las "
    "instrucciones para volver a reconocer el dispositivo.\n\n%s",
    "Het apparaat is bij de herkenning geactiveerd.\nVolg de instructies om het apparaat opnieuw "
    "te herkennen.\n\n%s",
    "Устройство успешно активировано при распознавании.\nСледуйте инструкциям, чтобы снова "
    "распознать устройство.\n\n%s",
    "设备已在识别过程中成功激活。\n请按照以下说明重新识别设备。\n\n%s",
    "Laite aktivoitiin tunnistuksen yhteydessä.\nTunnista laite uudelleen noudattamalla "
    "ohjeita.\n\n%s",
};

// Filled with the support mail address and the context menu's diagnostic-log label.
constexpr TextRow kSendDiagnosticLog = {
    "Send email to Technical Support (%s) with diagnostic log which can be created by pressing "
    "the right mouse button and selecting [%s] menu.\n",
    "Envoyez un e-mail au support technique (%s) avec le journal de diagnostic, que vous pouvez "
    "créer en cliquant avec le bouton droit de la souris et en choisissant le menu [%s].\n",
    "Senden Sie eine E-Mail mit dem Diagnoseprotokoll an den technischen Support (%s). Sie "
    "erstellen es, indem Sie mit der rechten Maustaste klicken und das Menü [%s] wählen.\n",
    "Inviare un'e-mail all'assistenza tecnica (%s) allegando il registro di diagnostica, che si "
    "può creare facendo clic con il pulsante destro del mouse e scegliendo il menu [%s].\n",
    "診断ログを添付して、テクニカルサポート（%s）にメールでお問い合わせください。診断ログは、"
    "マウスの右ボタンをクリックして[%s]メニューを選択すると作成できます。\n",
    "진단 로그를 첨부하여 기술 지원팀(%s)에 이메일을 보내십시오. 진단 로그는 마우스 오른쪽 버튼을 "
    "클릭하고 [%s] 메뉴를 선택하여 만들 수 있습니다.\n",
    "Envíe un correo electrónico al servicio técnico (%s) con el registro de diagnóstico, que "
    "puede crear pulsando el botón derecho del ratón y eligiendo el menú [%s].\n",
    "Stuur een e-mail naar de technische ondersteuning (%s) met het diagnostisch logboek, dat u "
    "kunt maken door met de rechtermuisknop te klikken en het menu [%s] te kiezen.\n",
    "Отправьте в службу технической поддержки (%s) письмо с файлом диагностики. Чтобы создать "
    "его, нажмите правую кнопку мыши и выберите пункт меню [%s].\n",
    "请将诊断日志通过电子邮件发送给技术支持 (%s)。单击鼠标右键并选择 [%s] 菜单即可创建诊断日志。\n",
    "Lähetä sähköpostia tekniseen tukeen (%s) ja liitä mukaan vianmääritysloki, jonka voit luoda "
    "napsauttamalla hiiren oikeaa painiketta ja valitsemalla valikosta [%s].\n",
};

// Filled with the fewer-or-more word, the obtained-or-found word and the diagnostic-log advice;
// Russian and Chinese take the obtained-or-found word first.
constexpr TextRow kInterfaceCountError = {
    "USB interface(s) %s than expected is(are) %s.\n%s",
    "%s d'interfaces USB que prévu ont été %s.\n%s",
    "Es wurden %s USB-Schnittstellen als erwartet %s.\n%s",
    "%s interfacce USB del previsto sono state %s.\n%s",
    "USBインターフェースが予想より%s%sされました。\n%s",
    "USB 인터페이스가 예상보다 %s %s되었습니다.\n%s",
    "%s interfaces USB de las esperadas han sido %s.\n%s",
    "Er zijn %s USB-interfaces dan verwacht %s.\n%s",
    "%s %s USB-интерфейсов, чем ожидалось.\n%s",
    "%s的 USB 接口%s预期。\n%s",
    "Odotettua %s USB-liitäntöjä on %s.\n%s",
};

constexpr TextRow kFewerThanExpected = {
    "less", "Moins", "weniger", "Meno", "少なく", "적게", "Menos", "minder", "меньше", "少于",
    "vähemmän",
};

constexpr TextRow kMoreThanExpected = {
    "more", "Plus", "mehr", "Più", "多く", "많이", "Más", "meer", "больше", "多于", "enemmän",
};

constexpr TextRow kObtained = {
    "obtained", "obtenues", "ermittelt", "ottenute", "取得", "획득", "obtenidas", "verkregen",
    "Получено", "获取", "saatu",
};

constexpr TextRow kFound = {
    "found", "trouvées", "gefunden", "trovate", "検出", "감지", "encontradas", "gevonden",
    "Обнаружено", "检测到", "löydetty",
};

// Filled with the diagnostic-log advice.
constexpr TextRow kUsbInterfaceProblem = {
    "There is problem in the USB interface.\n%s",
    "Un problème est survenu sur l'interface USB.\n%s",
    "Es gibt ein Problem mit der USB-Schnittstelle.\n%s",
    "Si è verificato un problema con l'interfaccia USB.\n%s",
    "USBインターフェースに問題があります。\n%s",
    "USB 인터페이스에 문제가 있습니다.\n%s",
    "Hay un problema en la interfaz USB.\n%s",
    "Er is een probleem met de USB-interface.\n%s",
    "Обнаружена проблема с USB-интерфейсом.\n%s",
    "USB 接口存在问题。\n%s",
    "USB-liitännässä on ongelma.\n%s",
};

// Filled by the recognition report with the target's model name.
constexpr TextRow kOtherDevice = {
    "A device other than the %s is recognized. Select the appropriate device.\n",
    "Un appareil autre que le %s a été reconnu. Sélectionnez l'appareil approprié.\n",
    "Es wurde ein anderes Gerät als %s erkannt. Wählen Sie das passende Gerät aus.\n",
    "È stato riconosciuto un dispositivo diverso da %s. Selezionare il dispositivo corretto.\n",
    "%s以外のデバイスが認識されました。適切なデバイスを選択してください。\n",
    "%s 이외의 장치가 인식되었습니다. 올바른 장치를 선택하십시오.\n",
    "Se ha reconocido un dispositivo distinto de %s. Seleccione el dispositivo adecuado.\n",
    "Er is een ander apparaat dan de %s herkend. Selecteer het juiste apparaat.\n",
    "Распознано устройство, отличное от %s. Выберите подходящее устройство.\n",
    "识别到的设备不是 %s。请选择相应的设备。\n",
    "Tunnistettiin muu laite kuin %s. Valitse oikea laite.\n",
};

}  // namespace

std::string GetDeviceActivatedText(int language) { return Pick(kDeviceActivated, language); }

std::string GetUsbInterfaceCountText(int state, int language) {
  const TextRow& word = IsFewerInterfacesState(state) ? kFewerInterfaces : kMoreInterfaces;
  return Format(Pick(kUsbInterfaceCount, language), Pick(word, language));
}

std::string GetOddUsbInterfaceText(int language) { return Pick(kOddUsbInterface, language); }

std::string GetPressNextStepText(int step, int language) {
  return Format(Pick(kPressNextStep, language), step, GetNextText(language));
}

std::string GetProvisioningStepsText(int instructionVariant, int language) {
  const TextRow& first =
      instructionVariant == kUnplugUsbVariant ? kUnplugUsbStep : kDisconnectBluetoothStep;
  return Format("%s%s%s%s", Pick(first, language),
                Format(Pick(kProvisioningPowerOffStep, language), kFamilyName),
                Format(Pick(kProvisioningPowerOnStep, language), kFamilyName),
                GetPressNextStepText(4, language));
}

std::string GetConnectStepsText(int language) {
  return Format("%s%s%s", Pick(kConnectPowerOffStep, language),
                Format(Pick(kConnectPowerOnStep, language), kFamilyName),
                GetPressNextStepText(3, language));
}

std::string GetProvisionedText(int language) { return Pick(kProvisioned, language); }

std::string GetSendDiagnosticLogText(int language) {
  return Format(Pick(kSendDiagnosticLog, language), kSupportMailAddress,
                GetDiagnosticLogText(language));
}

std::string GetInterfaceCountErrorText(bool obtained, int state, int language) {
  const std::string amount =
      Pick(IsFewerInterfacesState(state) ? kFewerThanExpected : kMoreThanExpected, language);
  const std::string how = Pick(obtained ? kObtained : kFound, language);
  const std::string advice = GetSendDiagnosticLogText(language);
  const std::string pattern = Pick(kInterfaceCountError, language);
  const int chosen = LanguageOrEnglish(language);
  if (chosen == kRussian || chosen == kChinese) return Format(pattern, how, amount, advice);
  return Format(pattern, amount, how, advice);
}

std::string GetUsbInterfaceProblemText(int language) {
  return Format(Pick(kUsbInterfaceProblem, language), GetSendDiagnosticLogText(language));
}

std::string GetOtherDeviceText(int language) { return Pick(kOtherDevice, language); }

}  // namespace text
