#pragma once
// The shape the three settings pages (5 device settings, 6 FM presets, 7 speed dial) share and the
// main window relies on: each edits a private copy of the device record, reports whether it holds
// changes, saves them or throws them away when the user leaves.
#include "device/DefaultFirmwareVersions.h"
#include "device/DeviceSettings.h"
#include "headset/bluecore/PsKeyPort.h"
#include "headset/hid/HidRequests.h"
#include "pages/WizardPage.h"

namespace pages {

class CSettingsPage : public CWizardPage {
 public:
  CSettingsPage(const fw::DialogTemplate& tmpl, int pageNumber);
  ~CSettingsPage() override;

  device::CDeviceSettings m_editedSettings;
  device::CDeviceSettings m_defaultSettings;
  // The page the user asked for while this page held changes; 0 when none. Written by the main
  // window only.
  int m_nPendingPage = 0;

  int PageNumber() const { return pageNumber_; }

  // Page entry, after the main window has made the page current and visible.
  virtual void EnterSettingsPage();
  // 1 when the edited record differs from the device record in this page's part, else 0.
  virtual int IsSettingsModified() const = 0;
  // Asked before the page is left.
  int HasUnsavedChanges() const { return IsSettingsModified(); }
  // SAVE, or YES in the unsaved-changes prompt.
  virtual void ApplySettingsToDevice();
  // NO in the unsaved-changes prompt: drop the edits and go on to the pending page.
  void RevertAndLeavePage();
  // Captions, visibility and enabled states again in the current language.
  virtual void RefreshSettingsPageTexts();
  // SAVE, enabled while the page holds changes, and the tabs.
  PageFrame DescribeFrame(int language) const override;

 protected:
  // m_defaultSettings from m_editedSettings: a copy with the page's factory defaults applied.
  virtual void BuildDefaults() = 0;
  // The last step of page entry: the page's controls filled from the edited record.
  virtual void ShowPageContents() { RefreshSettingsPageTexts(); }
  // After a successful write: the device record takes the edits, and the device is recognised
  // again silently on the way to the pending page (or back to this one). `busy`, the save's hold,
  // is given back first.
  void ContinueAfterSave(BusyHold busy = {});
  // The page's keys written to one device reached through its persistent store; false when a
  // write failed.
  virtual bool WritePersistentStoreKeys(headset::bluecore::PsKeyPort& port) = 0;
  // Whether this page saves `target` over the vendor HID channel, and the page's requests there;
  // false when an exchange failed.
  virtual bool HasHidPayload(int /*target*/) const { return false; }
  virtual bool WriteHidSettings(headset::hid::HidHandles /*handles*/) { return false; }
  // How the persistent-store save takes a device whose version key holds no version.
  virtual device::DefaultVersionLookup DefaultFirmwareVersions() const { return device::DefaultFirmwareVersion; }
  // A save that could not write: the edits are dropped, the user is told, and the wizard starts
  // over at the device selection.
  void FailSave(BusyHold busy);

 private:
  // True when the recognised device took every write.
  bool SaveOverHid();
  bool SaveOverPersistentStore();

  int pageNumber_;
};

}  // namespace pages
