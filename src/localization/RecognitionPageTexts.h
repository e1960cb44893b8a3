#pragma once
// The recognition page's texts: the connection steps it shows, the preparation and OEM product
// lists of its (hidden) product buttons, and the messages of the recognition reports. Every
// getter reads a language outside 1 to 10 as English.
#include <string>

namespace text {

// Wording of the first provisioning step: disconnect the Bluetooth devices, or unplug the cable.
inline constexpr int kDisconnectBluetoothVariant = 0;
inline constexpr int kUnplugUsbVariant = 1;

// ---- Status reasons ----

std::string GetDeviceActivatedText(int language);
// "less" for the fewer-interfaces states 5 and 7, else "more".
std::string GetUsbInterfaceCountText(int state, int language);
std::string GetOddUsbInterfaceText(int language);

// ---- Steps and lists ----

// "<step>. Press the [NEXT >] button." with the language's NEXT caption.
std::string GetPressNextStepText(int step, int language);
// Four steps; `instructionVariant` chooses step 1, any value other than kUnplugUsbVariant
// reading as kDisconnectBluetoothVariant.
std::string GetProvisioningStepsText(int instructionVariant, int language);
// The three steps the page shows.
std::string GetConnectStepsText(int language);
// CR LF line ends; ends with the third step, "Press the [NEXT >] button."
std::string GetPreparationListText(int language);
// LF line ends, the last line included.
std::string GetOemProductsText(int language);

// ---- Message box texts ----

// A format of one "%s" for GetProvisioningStepsText.
std::string GetProvisionedText(int language);
// Ends in a line feed.
std::string GetSendDiagnosticLogText(int language);
// Fewer (states 5 and 7) or more interfaces than expected, obtained from the USB scan or found
// by the DFU library; then the diagnostic-log advice.
std::string GetInterfaceCountErrorText(bool obtained, int state, int language);
std::string GetUsbInterfaceProblemText(int language);
// A format of one "%s" for the target's model name.
std::string GetOtherDeviceText(int language);

}  // namespace text
