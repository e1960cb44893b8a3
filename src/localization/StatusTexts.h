#pragma once
// The status line's texts for one wizard page in one language: what the page expects, what it is
// doing, and how its operation ended. Pages 5, 6 and 7 share every text; a page outside 1 to 7
// gives an empty text. A language outside 1 to 10 reads as English.
#include <string>

namespace text {

// `usbStatus` is the recognised device's USB product id, with DFU_MODE_FLAG set while it is in DFU mode.
// Complete: page 1 names the NEXT button, pages 2 to 7 their title; pages 3 and 4 add that no
// backup can be made while the device is in DFU mode.
std::string GetPageInstructionText(int page, int usbStatus, int language);

// `usbStatus` is not read by the three headlines below.
std::string GetPageProgressText(int page, int usbStatus, int language);
// Page 1 is a format of two "%s" whose order differs between languages; page 2 a format of one
// "%s" for the next page's instruction; the others are complete.
std::string GetPageSuccessText(int page, int usbStatus, int language);
// The caller appends the reason ("%s. %s"); page 1 has none and gives an empty text.
std::string GetPageFailureText(int page, int usbStatus, int language);

std::string GetFirmwareNotSupportedText(int language);

}  // namespace text
