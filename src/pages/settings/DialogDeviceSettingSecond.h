#pragma once
// Page 6: the FM radio presets.
#include "pages/settings/SettingsPage.h"

namespace pages {

class CDialogDeviceSettingSecond : public CSettingsPage {
 public:
  CDialogDeviceSettingSecond();
  ~CDialogDeviceSettingSecond() override;

  int IsSettingsModified() const override;

 protected:
  void BuildDefaults() override;
  bool WritePersistentStoreKeys(headset::bluecore::PsKeyPort& port) override;
  bool HasHidPayload(int target) const override;
  bool WriteHidSettings(headset::hid::HidHandles handles) override;
};

}  // namespace pages
