#pragma once
// Page 2: tells the user how to connect the device, and recognises it, by hand (NEXT) or silently
// on the way back to a page. Only the connection steps are ever shown; the preparation list, the
// note and the two product buttons of the layout stay hidden.
#include <optional>

#include "controls/HyperEdit.h"
#include "device/DeviceSettings.h"
#include "framework/Button.h"
#include "framework/Static.h"
#include "headset/RecognitionStates.h"
#include "headset/WriteBackResult.h"
#include "pages/WizardPage.h"

namespace pages {

enum : int {
  IDC_RECOGNITION_STEPS = 1024,
  IDC_RECOGNITION_NOTE = 1184,
  IDC_RECOGNITION_PRODUCTS = 1203,
  IDC_RECOGNITION_OEM_PRODUCTS = 1204,
  IDC_RECOGNITION_PREPARATION = 1183,
};

class CDialogDeviceRecognition : public CWizardPage {
 public:
  CDialogDeviceRecognition();
  ~CDialogDeviceRecognition() override;

  // 0: the user recognises by hand. 1 to 7: recognise at once, then back to that page.
  // 101 to 107: recognise at once, then on to page (value - 100).
  int m_nReturnPage = 0;
  // Wording of the provisioning box's first step (text::kDisconnectBluetoothVariant or
  // text::kUnplugUsbVariant).
  int m_nInstructionVariant = 0;
  fw::Static m_staticSteps;
  controls::CHyperEdit m_editPreparation;
  fw::Static m_staticNote;
  fw::Button m_btnProducts;
  fw::Button m_btnOemProducts;
  unsigned m_nHidPollTimer = 0;

  // Sets the wording, hides the progress bar and puts the texts again.
  virtual void SetInstructionVariant(int variant);
  // The page's texts in the current language; the extra controls hidden.
  virtual void ShowRecognitionText();
  void KillPageTimer(unsigned id);
  // True when one of the maker's HID interfaces is attached; `productId`, when given, receives the
  // first one's product id. The first and the last argument are not read.
  bool IsHidDevicePresent(int unused, int* productId, int* unusedOut);
  // Opens both interfaces of the pair product into the main window's handles; true when both
  // are open. A single interface that opened stays for the caller. The arguments are not read.
  bool ProbeHidPair(int unused1, int unused2, int unused3);
  // The hardware variant code of the device on the main window's first HID handle, 0 when it
  // cannot be read.
  int QueryHardwareVariant();
  // Finds and reads the attached device; `toWrite`, when given, is written to it first, and so
  // is a record still owed from an earlier run (see SetReturnPage). Message boxes are shown only
  // when `interactive`. Returns a RecognizeResult; what became of the settings is left in
  // m_eWriteBack and reported with the result.
  virtual int RecognizeDevice(device::CDeviceSettings* toWrite, bool interactive);
  // Entering the page: where a silent run goes back to, and the settings it is to write. Those
  // stay owed through runs that find no device (the interactive retry writes them too) until a
  // run ends with the device recognised.
  void SetReturnPage(int returnPage, const device::CDeviceSettings* toWrite);
  std::optional<device::CDeviceSettings> m_pendingWrite;
  // What the last run did with the settings it was to write.
  headset::WriteBack m_eWriteBack = headset::WriteBack::kNone;

  // The two product-instruction boxes (their buttons are hidden; kept for the boxes' sake).
  void OnButtonProducts();
  void OnButtonOemProducts();

  bool OnInitDialog() override;
  // The pair poll: each tick probes from two closed handles and closes them again; it re-arms
  // itself until the pair can be opened.
  void OnTimer(unsigned id) override;
  bool OnCommand(int id, int notifyCode) override;
  fw::Brush OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) override;
  bool OnSetCursor(fw::Window& over) override;

 private:
  int Language() const;
  // The product boxes are not offered while the main window is busy or its page list is open.
  bool IsMainRefusing() const;
};

}  // namespace pages
