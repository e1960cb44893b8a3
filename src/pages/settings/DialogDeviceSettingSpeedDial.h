#pragma once
// Page 7: three speed-dial numbers, each kept to dialling characters and at most 20 of them.
#include <array>
#include <string>
#include <string_view>

#include "framework/Font.h"
#include "pages/settings/SettingsPage.h"

namespace pages {

enum : int {
  IDC_SPEED_DIAL_DEFAULT = 1172,
  IDC_SPEED_DIAL_CANCEL = 1173,
  IDC_SPEED_DIAL_LABEL_1 = 1174,
  IDC_SPEED_DIAL_EDIT_1 = 1175,
  IDC_SPEED_DIAL_LABEL_2 = 1176,
  IDC_SPEED_DIAL_EDIT_2 = 1177,
  IDC_SPEED_DIAL_LABEL_3 = 1178,
  IDC_SPEED_DIAL_EDIT_3 = 1179,
};

// The characters a number keeps, and how many of them.
inline constexpr std::string_view kSpeedDialCharacters = "0123456789#*+";
inline constexpr std::size_t kSpeedDialMaxLength = 20;

class CDialogDeviceSettingSpeedDial : public CSettingsPage {
 public:
  CDialogDeviceSettingSpeedDial();
  ~CDialogDeviceSettingSpeedDial() override;

  int IsSettingsModified() const override;
  // Captions in the current language; the edits are disabled while the main window is busy or
  // shows its page list.
  void RefreshSettingsPageTexts() override;
  // The three edits from the edited record.
  void FillNumbers();
  // Edit `n` (0..2) changed: its text goes into the record, cut down to what a number may hold.
  void OnNumberChange(int n);
  void OnButtonDefault();
  void OnButtonCancel();

  bool OnInitDialog() override;
  bool OnCommand(int id, int notifyCode) override;

 protected:
  void BuildDefaults() override;
  void ShowPageContents() override;
  bool WritePersistentStoreKeys(headset::bluecore::PsKeyPort& port) override;
  bool HasHidPayload(int target) const override;
  bool WriteHidSettings(headset::hid::HidHandles handles) override;
  device::DefaultVersionLookup DefaultFirmwareVersions() const override {
    return device::SpeedDialSaveDefaultFirmwareVersion;
  }

 private:
  bool IsRefusing() const;
  int Language() const;
  void ShowEditedNumbers();

  fw::Font m_fontBold;
};

}  // namespace pages
