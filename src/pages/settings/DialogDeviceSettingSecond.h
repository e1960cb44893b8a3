#pragma once
// Page 6: the FM radio presets. The user picks the broadcast region, switches each of ten presets
// on or off, sets a preset's frequency with its up-down or by typing megahertz, and switches RDS
// AF on or off. Products without an FM radio never stay here.
#include <array>

#include "controls/BitmapButton.h"
#include "framework/Font.h"
#include "pages/settings/FmPresetIds.h"
#include "pages/settings/SettingsPage.h"

namespace device {
struct FmBand;
}

namespace pages {

class CDialogDeviceSettingSecond : public CSettingsPage {
 public:
  CDialogDeviceSettingSecond();
  ~CDialogDeviceSettingSecond() override;

  // Entry 10 k + n is control kind k of preset n: 0 check box, 1 the edit showing megahertz,
  // 2 the hidden edit holding the up-down's position, 3 the up-down, 4 the "MHz" label.
  std::array<fw::Window*, 5 * kFmPresetCount> m_apPresetControls{};

  int IsSettingsModified() const override;
  // The controls from the edited record; a product without an FM radio goes to page 5 instead.
  void FillFmControls();
  // Captions in the current language and the enabled states; while busy everything but DEFAULT
  // and CANCEL is disabled.
  void RefreshSettingsPageTexts() override;

  void OnButtonDefault();
  void OnButtonCancel();
  void OnPresetCheck(int n);
  // The hidden edit of preset n changed: its up-down's position becomes the preset's value.
  void OnPresetSpin(int n);
  void OnPresetEditFocus(int n);
  void OnPresetEditChange(int n);
  // The megahertz typed in preset n's edit, checked against the region's band and grid.
  void OnPresetEditKillFocus(int n);
  void OnRegionChange();
  void OnRdsOn();
  void OnRdsOff();
  void OnRdsHelp();

  bool OnInitDialog() override;
  bool OnCommand(int id, int notifyCode) override;

 protected:
  void BuildDefaults() override;
  void ShowPageContents() override;
  bool WritePersistentStoreKeys(headset::bluecore::PsKeyPort& port) override;
  bool HasHidPayload(int target) const override;
  bool WriteHidSettings(headset::hid::HidHandles handles) override;

 private:
  enum PresetControlKind { kCheck = 0, kEdit = 1, kPosition = 2, kSpin = 3, kUnit = 4 };
  template <typename T>
  T* PresetControl(PresetControlKind kind, int n) const;

  bool IsRefusing() const;
  int Language() const;
  const device::FmBand* Band() const;
  bool IsPresetChecked(int n) const;
  // The preset's visible text: megahertz with one decimal, or "Empty" for a preset that is off.
  void ShowPresetText(int n);
  // The up-down of preset n at `position`; the buddy's change notification follows.
  void SetPresetPosition(int n, int position);
  // A frequency on the region's grid for a position the up-down reached from `stored`.
  int ChannelFor(const device::FmBand& band, int position, int stored) const;
  void SetRdsButtons();
  void ApplyBoldFont();

  controls::CBitmapButton m_btnRdsHelp;
  fw::Font m_fontBold;
  // Set while OnPresetSpin moves an up-down itself, so that the buddy's notification does not
  // run it again.
  bool m_bInPresetSpin = false;
};

}  // namespace pages
