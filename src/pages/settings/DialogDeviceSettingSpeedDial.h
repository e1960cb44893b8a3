#pragma once
// Page 7: three speed-dial numbers.
#include "pages/settings/SettingsPage.h"

namespace pages {

class CDialogDeviceSettingSpeedDial : public CSettingsPage {
 public:
  CDialogDeviceSettingSpeedDial();
  ~CDialogDeviceSettingSpeedDial() override;

  int IsSettingsModified() const override;

 protected:
  void BuildDefaults() override;
  bool WritePersistentStoreKeys(headset::bluecore::PsKeyPort& port) override;
  bool HasHidPayload(int target) const override;
  bool WriteHidSettings(headset::hid::HidHandles handles) override;
};

}  // namespace pages
