// Language order of every row: English, French, German, Italian, Japanese, Korean, Spanish, Dutch,
// Russian, Chinese, Finnish.
//
// The recognition page's two product lists. One source line holds one line of a list, so that
// every language visibly keeps the English line structure: the preparation list has 27 lines with
// the empty lines 2 and 16 and the web addresses on lines 20, 22, 25 and 27; the OEM list has 5.
#include "localization/MakerAddresses.h"
#include "localization/RecognitionPageTexts.h"
#include "localization/SafeFormat.h"
#include "localization/TextRow.h"

namespace text {

namespace {

// Each "%s" is the maker's web address. Only the French link to the tube's page carries the
// language segment.
constexpr TextRow kPreparationList = {
    // English
    "1. Power off your product and connect it to your PC using the supplied microUSB cable.\r\n"
    "\r\n"
    "2. Follow the instruction below that matches with your Zelto product.\r\n"
    "   - P7E, Y9J, Ostrel, Ostrel Pro, Ostrel ZUV, Ostrel ZUV Pro, DXV, \r\n"
    "      DXV2, VUN-38,PWX Series, Brannix Lite, TJ6, Kess Dalvo : Leave it powered off.\r\n"
    "   - K4G, K4T, Brisko, QZ5, D4Erod, Ostrel Lite: Hold down the [-] Button\r\n"
    "      for more than 5 seconds.\r\n"
    "   - K4D, Brannix, Vorquel: Hold down the Phone Button for more than 5 seconds.\r\n"
    "   - K4V: Make sure a microSD card (up to 32GB) is inserted in the K4V's microSD card\r\n"
    "      slot then hold down the Phone Button for more than 5 seconds.\r\n"
    "   - K4V Pro: Make sure a microSD card (up to 64GB) is inserted in the K4V Pro's \r\n"
    "      microSD card slot then hold down the Phone Button for more than 5 seconds.\r\n"
    "   - Thessik: Make sure a microSD card (up to 32GB) is inserted in the Thessik's microSD\r\n"
    "      card slot then power it on.\r\n"
    "   - Other Zelto Products not listed: Power it on.\r\n"
    "\r\n"
    "   - Camera Products: Please do not use the Zelto Device manager to update\r\n"
    "      the camera firmware.\r\n"
    "      * To update Ostrel Pro, please follow the Firmware Upgrade Guide here.\r\n"
    "        %s/product/ostrel-pro/downloads\r\n"
    "      * To update Ostrel ZUV Pro, please follow the Firmware Upgrade Guide here.\r\n"
    "        %s/product/ostrel-zuv-pro/downloads\r\n"
    "      * Thessik Tube: Please do not use the Zelto Device Manager to update the Thessik \r\n"
    "        Tube. To update the Thessik Tube, please follow the Firmware Upgrade Guide here\r\n"
    "        %s/product/thessik-tube/#thessik-tube-downloads\r\n"
    "      * To update Thessik Tube WiFi, please follow the Firmware Upgrade Guide here.\r\n"
    "        %s/category/firmware/thessik-tube-wifi/\r\n",

    // French
    "1. Mettez votre produit hors tension et connectez-le à votre PC à l'aide du câble microUSB fourni.\r\n"
    "\r\n"
    "2. Suivez ci-dessous l'instruction qui correspond à votre produit Zelto.\r\n"
    "   - P7E, Y9J, Ostrel, Ostrel Pro, Ostrel ZUV, Ostrel ZUV Pro, DXV, \r\n"
    "      DXV2, VUN-38,PWX Series, Brannix Lite, TJ6, Kess Dalvo : laissez-le éteint.\r\n"
    "   - K4G, K4T, Brisko, QZ5, D4Erod, Ostrel Lite : maintenez le bouton [-] enfoncé\r\n"
    "      pendant plus de 5 secondes.\r\n"
    "   - K4D, Brannix, Vorquel : maintenez le bouton Téléphone enfoncé pendant plus de 5 secondes.\r\n"
    "   - K4V : assurez-vous qu'une carte microSD (32 Go max.) est insérée dans le logement microSD\r\n"
    "      du K4V, puis maintenez le bouton Téléphone enfoncé pendant plus de 5 secondes.\r\n"
    "   - K4V Pro : assurez-vous qu'une carte microSD (64 Go max.) est insérée dans le logement \r\n"
    "      microSD du K4V Pro, puis maintenez le bouton Téléphone enfoncé pendant plus de 5 secondes.\r\n"
    "   - Thessik : assurez-vous qu'une carte microSD (32 Go max.) est insérée dans le logement microSD\r\n"
    "      du Thessik, puis allumez-le.\r\n"
    "   - Autres produits Zelto non listés : allumez-le.\r\n"
    "\r\n"
    "   - Caméras : n'utilisez pas le Zelto Device Manager pour mettre à jour\r\n"
    "      le micrologiciel de la caméra.\r\n"
    "      * Pour mettre à jour l'Ostrel Pro, suivez le guide de mise à niveau du micrologiciel ici.\r\n"
    "        %s/product/ostrel-pro/downloads\r\n"
    "      * Pour mettre à jour l'Ostrel ZUV Pro, suivez le guide de mise à niveau du micrologiciel ici.\r\n"
    "        %s/product/ostrel-zuv-pro/downloads\r\n"
    "      * Thessik Tube : n'utilisez pas le Zelto Device Manager pour mettre à jour le Thessik \r\n"
    "        Tube. Pour mettre à jour le Thessik Tube, suivez le guide de mise à niveau du micrologiciel ici\r\n"
    "        %s/fr/product/thessik-tube/#thessik-tube-downloads\r\n"
    "      * Pour mettre à jour le Thessik Tube WiFi, suivez le guide de mise à niveau du micrologiciel ici.\r\n"
    "        %s/category/firmware/thessik-tube-wifi/\r\n",

    // German
    "1. Schalten Sie Ihr Produkt aus und schließen Sie es mit dem mitgelieferten microUSB-Kabel an Ihren PC an.\r\n"
    "\r\n"
    "2. Befolgen Sie unten die Anweisung, die zu Ihrem Zelto-Produkt passt.\r\n"
    "   - P7E, Y9J, Ostrel, Ostrel Pro, Ostrel ZUV, Ostrel ZUV Pro, DXV, \r\n"
    "      DXV2, VUN-38,PWX Series, Brannix Lite, TJ6, Kess Dalvo : Ausgeschaltet lassen.\r\n"
    "   - K4G, K4T, Brisko, QZ5, D4Erod, Ostrel Lite: Halten Sie die [-]-Taste\r\n"
    "      länger als 5 Sekunden gedrückt.\r\n"
    "   - K4D, Brannix, Vorquel: Halten Sie die Telefontaste länger als 5 Sekunden gedrückt.\r\n"
    "   - K4V: Vergewissern Sie sich, dass eine microSD-Karte (bis 32 GB) im microSD-Kartensteckplatz\r\n"
    "      des K4V steckt, und halten Sie dann die Telefontaste länger als 5 Sekunden gedrückt.\r\n"
    "   - K4V Pro: Vergewissern Sie sich, dass eine microSD-Karte (bis 64 GB) im \r\n"
    "      microSD-Kartensteckplatz des K4V Pro steckt, und halten Sie dann die Telefontaste länger als 5 Sekunden gedrückt.\r\n"
    "   - Thessik: Vergewissern Sie sich, dass eine microSD-Karte (bis 32 GB) im microSD-Kartensteckplatz\r\n"
    "      des Thessik steckt, und schalten Sie ihn dann ein.\r\n"
    "   - Andere, nicht aufgeführte Zelto-Produkte: Schalten Sie das Produkt ein.\r\n"
    "\r\n"
    "   - Kameraprodukte: Verwenden Sie den Zelto Device Manager nicht, um\r\n"
    "      die Kamera-Firmware zu aktualisieren.\r\n"
    "      * Um die Ostrel Pro zu aktualisieren, folgen Sie der Anleitung zum Firmware-Upgrade hier.\r\n"
    "        %s/product/ostrel-pro/downloads\r\n"
    "      * Um die Ostrel ZUV Pro zu aktualisieren, folgen Sie der Anleitung zum Firmware-Upgrade hier.\r\n"
    "        %s/product/ostrel-zuv-pro/downloads\r\n"
    "      * Thessik Tube: Verwenden Sie den Zelto Device Manager nicht, um die Thessik \r\n"
    "        Tube zu aktualisieren. Folgen Sie dazu der Anleitung zum Firmware-Upgrade hier\r\n"
    "        %s/product/thessik-tube/#thessik-tube-downloads\r\n"
    "      * Um die Thessik Tube WiFi zu aktualisieren, folgen Sie der Anleitung zum Firmware-Upgrade hier.\r\n"
    "        %s/category/firmware/thessik-tube-wifi/\r\n",

    // Italian
    "1. Spegnere il prodotto e collegarlo al PC con il cavo microUSB in dotazione.\r\n"
    "\r\n"
    "2. Seguire qui sotto l'istruzione corrispondente al proprio prodotto Zelto.\r\n"
    "   - P7E, Y9J, Ostrel, Ostrel Pro, Ostrel ZUV, Ostrel ZUV Pro, DXV, \r\n"
    "      DXV2, VUN-38,PWX Series, Brannix Lite, TJ6, Kess Dalvo : lasciarlo spento.\r\n"
    "   - K4G, K4T, Brisko, QZ5, D4Erod, Ostrel Lite: tenere premuto il pulsante [-]\r\n"
    "      per più di 5 secondi.\r\n"
    "   - K4D, Brannix, Vorquel: tenere premuto il pulsante Telefono per più di 5 secondi.\r\n"
    "   - K4V: assicurarsi che nello slot per schede microSD del K4V sia inserita una scheda microSD\r\n"
    "      (fino a 32 GB), quindi tenere premuto il pulsante Telefono per più di 5 secondi.\r\n"
    "   - K4V Pro: assicurarsi che nello slot per schede microSD del K4V Pro sia inserita \r\n"
    "      una scheda microSD (fino a 64 GB), quindi tenere premuto il pulsante Telefono per più di 5 secondi.\r\n"
    "   - Thessik: assicurarsi che nello slot per schede microSD del Thessik sia inserita una scheda\r\n"
    "      microSD (fino a 32 GB), quindi accenderlo.\r\n"
    "   - Altri prodotti Zelto non elencati: accenderlo.\r\n"
    "\r\n"
    "   - Videocamere: non utilizzare lo Zelto Device Manager per aggiornare\r\n"
    "      il firmware della videocamera.\r\n"
    "      * Per aggiornare Ostrel Pro, seguire la guida all'aggiornamento del firmware qui.\r\n"
    "        %s/product/ostrel-pro/downloads\r\n"
    "      * Per aggiornare Ostrel ZUV Pro, seguire la guida all'aggiornamento del firmware qui.\r\n"
    "        %s/product/ostrel-zuv-pro/downloads\r\n"
    "      * Thessik Tube: non utilizzare lo Zelto Device Manager per aggiornare il Thessik \r\n"
    "        Tube. Per aggiornare il Thessik Tube, seguire la guida all'aggiornamento del firmware qui\r\n"
    "        %s/product/thessik-tube/#thessik-tube-downloads\r\n"
    "      * Per aggiornare Thessik Tube WiFi, seguire la guida all'aggiornamento del firmware qui.\r\n"
    "        %s/category/firmware/thessik-tube-wifi/\r\n",

    // Japanese
    "1. 製品の電源を切り、付属のmicroUSBケーブルでPCに接続してください。\r\n"
    "\r\n"
    "2. お使いのZelto製品に合った以下の手順に従ってください。\r\n"
    "   - P7E, Y9J, Ostrel, Ostrel Pro, Ostrel ZUV, Ostrel ZUV Pro, DXV, \r\n"
    "      DXV2, VUN-38,PWX Series, Brannix Lite, TJ6, Kess Dalvo : 電源を切ったままにします。\r\n"
    "   - K4G, K4T, Brisko, QZ5, D4Erod, Ostrel Lite: [-]ボタンを\r\n"
    "      5秒以上押し続けます。\r\n"
    "   - K4D, Brannix, Vorquel: 電話ボタンを5秒以上押し続けます。\r\n"
    "   - K4V: K4VのmicroSDカードスロットにmicroSDカード(最大32GB)が挿入されていることを\r\n"
    "      確認してから、電話ボタンを5秒以上押し続けます。\r\n"
    "   - K4V Pro: K4V ProのmicroSDカードスロットにmicroSDカード(最大64GB)が \r\n"
    "      挿入されていることを確認してから、電話ボタンを5秒以上押し続けます。\r\n"
    "   - Thessik: ThessikのmicroSDカードスロットにmicroSDカード(最大32GB)が挿入されていることを\r\n"
    "      確認してから、電源を入れます。\r\n"
    "   - 上記以外のZelto製品: 電源を入れます。\r\n"
    "\r\n"
    "   - カメラ製品: カメラのファームウェアの更新には\r\n"
    "      Zelto Device Managerを使用しないでください。\r\n"
    "      * Ostrel Proの更新は、こちらのファームウェアアップグレードガイドに従ってください。\r\n"
    "        %s/product/ostrel-pro/downloads\r\n"
    "      * Ostrel ZUV Proの更新は、こちらのファームウェアアップグレードガイドに従ってください。\r\n"
    "        %s/product/ostrel-zuv-pro/downloads\r\n"
    "      * Thessik Tube: Thessik Tubeの更新にはZelto Device Managerを使用しないでください。\r\n"
    "        Thessik Tubeの更新は、こちらのファームウェアアップグレードガイドに従ってください\r\n"
    "        %s/product/thessik-tube/#thessik-tube-downloads\r\n"
    "      * Thessik Tube WiFiの更新は、こちらのファームウェアアップグレードガイドに従ってください。\r\n"
    "        %s/category/firmware/thessik-tube-wifi/\r\n",

    // Korean
    "1. 제품의 전원을 끄고 제공된 microUSB 케이블로 PC에 연결하십시오.\r\n"
    "\r\n"
    "2. 사용 중인 Zelto 제품에 맞는 아래 지침을 따르십시오.\r\n"
    "   - P7E, Y9J, Ostrel, Ostrel Pro, Ostrel ZUV, Ostrel ZUV Pro, DXV, \r\n"
    "      DXV2, VUN-38,PWX Series, Brannix Lite, TJ6, Kess Dalvo : 전원을 끈 상태로 둡니다.\r\n"
    "   - K4G, K4T, Brisko, QZ5, D4Erod, Ostrel Lite: [-] 버튼을\r\n"
    "      5초 이상 길게 누릅니다.\r\n"
    "   - K4D, Brannix, Vorquel: 전화 버튼을 5초 이상 길게 누릅니다.\r\n"
    "   - K4V: K4V의 microSD 카드 슬롯에 microSD 카드(최대 32GB)가 삽입되어 있는지 확인한 후\r\n"
    "      전화 버튼을 5초 이상 길게 누릅니다.\r\n"
    "   - K4V Pro: K4V Pro의 microSD 카드 슬롯에 microSD 카드(최대 64GB)가 \r\n"
    "      삽입되어 있는지 확인한 후 전화 버튼을 5초 이상 길게 누릅니다.\r\n"
    "   - Thessik: Thessik의 microSD 카드 슬롯에 microSD 카드(최대 32GB)가 삽입되어 있는지\r\n"
    "      확인한 후 전원을 켭니다.\r\n"
    "   - 목록에 없는 기타 Zelto 제품: 전원을 켭니다.\r\n"
    "\r\n"
    "   - 카메라 제품: 카메라 펌웨어를 업데이트할 때\r\n"
    "      Zelto Device Manager를 사용하지 마십시오.\r\n"
    "      * Ostrel Pro를 업데이트하려면 여기에서 펌웨어 업그레이드 가이드를 따르십시오.\r\n"
    "        %s/product/ostrel-pro/downloads\r\n"
    "      * Ostrel ZUV Pro를 업데이트하려면 여기에서 펌웨어 업그레이드 가이드를 따르십시오.\r\n"
    "        %s/product/ostrel-zuv-pro/downloads\r\n"
    "      * Thessik Tube: Thessik Tube를 업데이트할 때 Zelto Device Manager를 \r\n"
    "        사용하지 마십시오. Thessik Tube를 업데이트하려면 여기에서 펌웨어 업그레이드 가이드를 따르십시오\r\n"
    "        %s/product/thessik-tube/#thessik-tube-downloads\r\n"
    "      * Thessik Tube WiFi를 업데이트하려면 여기에서 펌웨어 업그레이드 가이드를 따르십시오.\r\n"
    "        %s/category/firmware/thessik-tube-wifi/\r\n",

    // Spanish
    "1. Apague el producto y conéctelo al PC con el cable microUSB suministrado.\r\n"
    "\r\n"
    "2. Siga la instrucción de abajo que corresponda a su producto Zelto.\r\n"
    "   - P7E, Y9J, Ostrel, Ostrel Pro, Ostrel ZUV, Ostrel ZUV Pro, DXV, \r\n"
    "      DXV2, VUN-38,PWX Series, Brannix Lite, TJ6, Kess Dalvo : déjelo apagado.\r\n"
    "   - K4G, K4T, Brisko, QZ5, D4Erod, Ostrel Lite: mantenga pulsado el botón [-]\r\n"
    "      durante más de 5 segundos.\r\n"
    "   - K4D, Brannix, Vorquel: mantenga pulsado el botón de teléfono durante más de 5 segundos.\r\n"
    "   - K4V: asegúrese de que haya una tarjeta microSD (hasta 32GB) insertada en la ranura microSD\r\n"
    "      del K4V y mantenga pulsado el botón de teléfono durante más de 5 segundos.\r\n"
    "   - K4V Pro: asegúrese de que haya una tarjeta microSD (hasta 64GB) insertada en la ranura \r\n"
    "      microSD del K4V Pro y mantenga pulsado el botón de teléfono durante más de 5 segundos.\r\n"
    "   - Thessik: asegúrese de que haya una tarjeta microSD (hasta 32GB) insertada en la ranura microSD\r\n"
    "      del Thessik y enciéndalo.\r\n"
    "   - Otros productos Zelto no incluidos en la lista: enciéndalo.\r\n"
    "\r\n"
    "   - Cámaras: no utilice Zelto Device Manager para actualizar\r\n"
    "      el firmware de la cámara.\r\n"
    "      * Para actualizar Ostrel Pro, siga la guía de actualización del firmware aquí.\r\n"
    "        %s/product/ostrel-pro/downloads\r\n"
    "      * Para actualizar Ostrel ZUV Pro, siga la guía de actualización del firmware aquí.\r\n"
    "        %s/product/ostrel-zuv-pro/downloads\r\n"
    "      * Thessik Tube: no utilice Zelto Device Manager para actualizar la Thessik \r\n"
    "        Tube. Para actualizar la Thessik Tube, siga la guía de actualización del firmware aquí\r\n"
    "        %s/product/thessik-tube/#thessik-tube-downloads\r\n"
    "      * Para actualizar Thessik Tube WiFi, siga la guía de actualización del firmware aquí.\r\n"
    "        %s/category/firmware/thessik-tube-wifi/\r\n",

    // Dutch
    "1. Schakel uw product uit en sluit het met de meegeleverde microUSB-kabel aan op uw pc.\r\n"
    "\r\n"
    "2. Volg hieronder de instructie die bij uw Zelto-product hoort.\r\n"
    "   - P7E, Y9J, Ostrel, Ostrel Pro, Ostrel ZUV, Ostrel ZUV Pro, DXV, \r\n"
    "      DXV2, VUN-38,PWX Series, Brannix Lite, TJ6, Kess Dalvo : laat het uitgeschakeld.\r\n"
    "   - K4G, K4T, Brisko, QZ5, D4Erod, Ostrel Lite: houd de [-]-knop\r\n"
    "      langer dan 5 seconden ingedrukt.\r\n"
    "   - K4D, Brannix, Vorquel: houd de telefoonknop langer dan 5 seconden ingedrukt.\r\n"
    "   - K4V: zorg dat er een microSD-kaart (max. 32GB) in de microSD-kaartsleuf van de K4V zit\r\n"
    "      en houd dan de telefoonknop langer dan 5 seconden ingedrukt.\r\n"
    "   - K4V Pro: zorg dat er een microSD-kaart (max. 64GB) in de microSD-kaartsleuf van de \r\n"
    "      K4V Pro zit en houd dan de telefoonknop langer dan 5 seconden ingedrukt.\r\n"
    "   - Thessik: zorg dat er een microSD-kaart (max. 32GB) in de microSD-kaartsleuf van de Thessik\r\n"
    "      zit en schakel hem dan in.\r\n"
    "   - Andere, niet vermelde Zelto-producten: schakel het product in.\r\n"
    "\r\n"
    "   - Cameraproducten: gebruik de Zelto Device Manager niet om\r\n"
    "      de camerafirmware bij te werken.\r\n"
    "      * Volg hier de handleiding voor de firmware-upgrade om de Ostrel Pro bij te werken.\r\n"
    "        %s/product/ostrel-pro/downloads\r\n"
    "      * Volg hier de handleiding voor de firmware-upgrade om de Ostrel ZUV Pro bij te werken.\r\n"
    "        %s/product/ostrel-zuv-pro/downloads\r\n"
    "      * Thessik Tube: gebruik de Zelto Device Manager niet om de Thessik \r\n"
    "        Tube bij te werken. Volg daarvoor hier de handleiding voor de firmware-upgrade\r\n"
    "        %s/product/thessik-tube/#thessik-tube-downloads\r\n"
    "      * Volg hier de handleiding voor de firmware-upgrade om de Thessik Tube WiFi bij te werken.\r\n"
    "        %s/category/firmware/thessik-tube-wifi/\r\n",

    // Russian
    "1. Выключите устройство и подключите его к компьютеру с помощью кабеля microUSB из комплекта поставки.\r\n"
    "\r\n"
    "2. Выполните указание ниже, которое соответствует вашему устройству Zelto.\r\n"
    "   - P7E, Y9J, Ostrel, Ostrel Pro, Ostrel ZUV, Ostrel ZUV Pro, DXV, \r\n"
    "      DXV2, VUN-38,PWX Series, Brannix Lite, TJ6, Kess Dalvo : оставьте устройство выключенным.\r\n"
    "   - K4G, K4T, Brisko, QZ5, D4Erod, Ostrel Lite: нажмите и удерживайте кнопку [-]\r\n"
    "      более 5 секунд.\r\n"
    "   - K4D, Brannix, Vorquel: нажмите и удерживайте кнопку телефона более 5 секунд.\r\n"
    "   - K4V: убедитесь, что в слот для карты microSD устройства K4V вставлена карта microSD\r\n"
    "      (до 32 ГБ), затем нажмите и удерживайте кнопку телефона более 5 секунд.\r\n"
    "   - K4V Pro: убедитесь, что в слот для карты microSD устройства K4V Pro вставлена \r\n"
    "      карта microSD (до 64 ГБ), затем нажмите и удерживайте кнопку телефона более 5 секунд.\r\n"
    "   - Thessik: убедитесь, что в слот для карты microSD устройства Thessik вставлена карта\r\n"
    "      microSD (до 32 ГБ), затем включите устройство.\r\n"
    "   - Другие устройства Zelto, не указанные в списке: включите устройство.\r\n"
    "\r\n"
    "   - Камеры: не используйте Zelto Device Manager для обновления\r\n"
    "      прошивки камеры.\r\n"
    "      * Чтобы обновить Ostrel Pro, следуйте руководству по обновлению прошивки здесь.\r\n"
    "        %s/product/ostrel-pro/downloads\r\n"
    "      * Чтобы обновить Ostrel ZUV Pro, следуйте руководству по обновлению прошивки здесь.\r\n"
    "        %s/product/ostrel-zuv-pro/downloads\r\n"
    "      * Thessik Tube: не используйте Zelto Device Manager для обновления Thessik \r\n"
    "        Tube. Чтобы обновить Thessik Tube, следуйте руководству по обновлению прошивки здесь\r\n"
    "        %s/product/thessik-tube/#thessik-tube-downloads\r\n"
    "      * Чтобы обновить Thessik Tube WiFi, следуйте руководству по обновлению прошивки здесь.\r\n"
    "        %s/category/firmware/thessik-tube-wifi/\r\n",

    // Chinese
    "1. 关闭产品电源，然后使用随附的 microUSB 数据线将其连接到电脑。\r\n"
    "\r\n"
    "2. 请按照下方与您的 Zelto 产品对应的说明操作。\r\n"
    "   - P7E, Y9J, Ostrel, Ostrel Pro, Ostrel ZUV, Ostrel ZUV Pro, DXV, \r\n"
    "      DXV2, VUN-38,PWX Series, Brannix Lite, TJ6, Kess Dalvo : 保持关机状态。\r\n"
    "   - K4G, K4T, Brisko, QZ5, D4Erod, Ostrel Lite: 按住 [-] 按钮\r\n"
    "      5 秒以上。\r\n"
    "   - K4D, Brannix, Vorquel: 按住电话按钮 5 秒以上。\r\n"
    "   - K4V: 请确认 K4V 的 microSD 卡槽中已插入 microSD 卡（最大 32GB），\r\n"
    "      然后按住电话按钮 5 秒以上。\r\n"
    "   - K4V Pro: 请确认 K4V Pro 的 microSD 卡槽中已插入 microSD 卡（最大 64GB），\r\n"
    "      然后按住电话按钮 5 秒以上。\r\n"
    "   - Thessik: 请确认 Thessik 的 microSD 卡槽中已插入 microSD 卡（最大 32GB），\r\n"
    "      然后开机。\r\n"
    "   - 未列出的其他 Zelto 产品：开机。\r\n"
    "\r\n"
    "   - 相机产品：请勿使用 Zelto Device Manager 更新\r\n"
    "      相机固件。\r\n"
    "      * 要更新 Ostrel Pro，请按照此处的固件升级指南操作。\r\n"
    "        %s/product/ostrel-pro/downloads\r\n"
    "      * 要更新 Ostrel ZUV Pro，请按照此处的固件升级指南操作。\r\n"
    "        %s/product/ostrel-zuv-pro/downloads\r\n"
    "      * Thessik Tube：请勿使用 Zelto Device Manager 更新 Thessik \r\n"
    "        Tube。要更新 Thessik Tube，请按照此处的固件升级指南操作\r\n"
    "        %s/product/thessik-tube/#thessik-tube-downloads\r\n"
    "      * 要更新 Thessik Tube WiFi，请按照此处的固件升级指南操作。\r\n"
    "        %s/category/firmware/thessik-tube-wifi/\r\n",

    // Finnish
    "1. Sammuta tuote ja liitä se tietokoneeseen mukana toimitetulla microUSB-kaapelilla.\r\n"
    "\r\n"
    "2. Noudata alla olevaa ohjetta, joka koskee Zelto-tuotettasi.\r\n"
    "   - P7E, Y9J, Ostrel, Ostrel Pro, Ostrel ZUV, Ostrel ZUV Pro, DXV, \r\n"
    "      DXV2, VUN-38,PWX Series, Brannix Lite, TJ6, Kess Dalvo : Jätä virta pois päältä.\r\n"
    "   - K4G, K4T, Brisko, QZ5, D4Erod, Ostrel Lite: Pidä [-] -painiketta painettuna\r\n"
    "      yli 5 sekunnin ajan.\r\n"
    "   - K4D, Brannix, Vorquel: Pidä puhelinpainiketta painettuna yli 5 sekunnin ajan.\r\n"
    "   - K4V: Varmista, että K4V:n microSD-korttipaikassa on microSD-kortti (enintään 32 Gt),\r\n"
    "      ja pidä sitten puhelinpainiketta painettuna yli 5 sekunnin ajan.\r\n"
    "   - K4V Pro: Varmista, että K4V Pron microSD-korttipaikassa on microSD-kortti \r\n"
    "      (enintään 64 Gt), ja pidä sitten puhelinpainiketta painettuna yli 5 sekunnin ajan.\r\n"
    "   - Thessik: Varmista, että Thessikin microSD-korttipaikassa on microSD-kortti (enintään 32 Gt),\r\n"
    "      ja kytke sitten virta.\r\n"
    "   - Muut luettelossa mainitsemattomat Zelto-tuotteet: Kytke virta.\r\n"
    "\r\n"
    "   - Kamerat: Älä käytä Zelto Device Manageria\r\n"
    "      kameran laiteohjelmiston päivittämiseen.\r\n"
    "      * Päivitä Ostrel Pro noudattamalla laiteohjelmiston päivitysopasta täällä.\r\n"
    "        %s/product/ostrel-pro/downloads\r\n"
    "      * Päivitä Ostrel ZUV Pro noudattamalla laiteohjelmiston päivitysopasta täällä.\r\n"
    "        %s/product/ostrel-zuv-pro/downloads\r\n"
    "      * Thessik Tube: Älä käytä Zelto Device Manageria Thessik \r\n"
    "        Tuben päivittämiseen. Päivitä Thessik Tube noudattamalla laiteohjelmiston päivitysopasta täällä\r\n"
    "        %s/product/thessik-tube/#thessik-tube-downloads\r\n"
    "      * Päivitä Thessik Tube WiFi noudattamalla laiteohjelmiston päivitysopasta täällä.\r\n"
    "        %s/category/firmware/thessik-tube-wifi/\r\n",
};

constexpr TextRow kOemProducts = {
    // English
    "[Zelto OEM Products]\n"
    "- K4G for Skavro Quorvin: Hold down the [-] Button for more than 5 seconds.\n"
    "- K4G for Tuveck Marvek: Hold down the [-] Button for more than 5 seconds.\n"
    "- Trelvo KQU-7: Power it on.\n"
    "- P7E for Kravo-Pundel: Leave it powered off.\n",

    // French
    "[Produits OEM Zelto]\n"
    "- K4G pour Skavro Quorvin : maintenez le bouton [-] enfoncé pendant plus de 5 secondes.\n"
    "- K4G pour Tuveck Marvek : maintenez le bouton [-] enfoncé pendant plus de 5 secondes.\n"
    "- Trelvo KQU-7 : allumez-le.\n"
    "- P7E pour Kravo-Pundel : laissez-le éteint.\n",

    // German
    "[Zelto OEM-Produkte]\n"
    "- K4G für Skavro Quorvin: Halten Sie die [-]-Taste länger als 5 Sekunden gedrückt.\n"
    "- K4G für Tuveck Marvek: Halten Sie die [-]-Taste länger als 5 Sekunden gedrückt.\n"
    "- Trelvo KQU-7: Schalten Sie das Gerät ein.\n"
    "- P7E für Kravo-Pundel: Ausgeschaltet lassen.\n",

    // Italian
    "[Prodotti OEM Zelto]\n"
    "- K4G per Skavro Quorvin: tenere premuto il pulsante [-] per più di 5 secondi.\n"
    "- K4G per Tuveck Marvek: tenere premuto il pulsante [-] per più di 5 secondi.\n"
    "- Trelvo KQU-7: accenderlo.\n"
    "- P7E per Kravo-Pundel: lasciarlo spento.\n",

    // Japanese
    "[Zelto OEM製品]\n"
    "- K4G (Skavro Quorvin向け): [-]ボタンを5秒以上押し続けます。\n"
    "- K4G (Tuveck Marvek向け): [-]ボタンを5秒以上押し続けます。\n"
    "- Trelvo KQU-7: 電源を入れます。\n"
    "- P7E (Kravo-Pundel向け): 電源を切ったままにします。\n",

    // Korean
    "[Zelto OEM 제품]\n"
    "- Skavro Quorvin용 K4G: [-] 버튼을 5초 이상 길게 누릅니다.\n"
    "- Tuveck Marvek용 K4G: [-] 버튼을 5초 이상 길게 누릅니다.\n"
    "- Trelvo KQU-7: 전원을 켭니다.\n"
    "- Kravo-Pundel용 P7E: 전원을 끈 상태로 둡니다.\n",

    // Spanish
    "[Productos OEM de Zelto]\n"
    "- K4G para Skavro Quorvin: mantenga pulsado el botón [-] durante más de 5 segundos.\n"
    "- K4G para Tuveck Marvek: mantenga pulsado el botón [-] durante más de 5 segundos.\n"
    "- Trelvo KQU-7: enciéndalo.\n"
    "- P7E para Kravo-Pundel: déjelo apagado.\n",

    // Dutch
    "[Zelto OEM-producten]\n"
    "- K4G voor Skavro Quorvin: houd de [-]-knop langer dan 5 seconden ingedrukt.\n"
    "- K4G voor Tuveck Marvek: houd de [-]-knop langer dan 5 seconden ingedrukt.\n"
    "- Trelvo KQU-7: schakel het in.\n"
    "- P7E voor Kravo-Pundel: laat het uitgeschakeld.\n",

    // Russian
    "[OEM-продукты Zelto]\n"
    "- K4G для Skavro Quorvin: нажмите и удерживайте кнопку [-] более 5 секунд.\n"
    "- K4G для Tuveck Marvek: нажмите и удерживайте кнопку [-] более 5 секунд.\n"
    "- Trelvo KQU-7: включите устройство.\n"
    "- P7E для Kravo-Pundel: оставьте устройство выключенным.\n",

    // Chinese
    "[Zelto OEM 产品]\n"
    "- 用于 Skavro Quorvin 的 K4G：按住 [-] 按钮 5 秒以上。\n"
    "- 用于 Tuveck Marvek 的 K4G：按住 [-] 按钮 5 秒以上。\n"
    "- Trelvo KQU-7：开机。\n"
    "- 用于 Kravo-Pundel 的 P7E：保持关机状态。\n",

    // Finnish
    "[Zelto OEM -tuotteet]\n"
    "- K4G (Skavro Quorvin): Pidä [-] -painiketta painettuna yli 5 sekunnin ajan.\n"
    "- K4G (Tuveck Marvek): Pidä [-] -painiketta painettuna yli 5 sekunnin ajan.\n"
    "- Trelvo KQU-7: Kytke virta.\n"
    "- P7E (Kravo-Pundel): Jätä virta pois päältä.\n",
};

}  // namespace

std::string GetPreparationListText(int language) {
  const std::string list = Format(Pick(kPreparationList, language), kMakerWebAddress,
                                  kMakerWebAddress, kMakerWebAddress, kMakerWebAddress);
  return Format("%s\r\n\r\n%s", list, GetPressNextStepText(3, language));
}

std::string GetOemProductsText(int language) { return Pick(kOemProducts, language); }

}  // namespace text
