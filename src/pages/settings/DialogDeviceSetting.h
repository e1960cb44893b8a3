#pragma once
// Page 5: the device's settings, as a grid of rows or as the older switch panel (one
// Enable/Disable row per setting), with DEFAULT and CANCEL.
#include <array>
#include <string>

#include "controls/BitmapButton.h"
#include "controls/grid/ConfigListCtrl.h"
#include "framework/Font.h"
#include "pages/settings/SettingsPage.h"

namespace pages {

struct SwitchPair;
struct HelpButton;

// Moves `control` to slot `slotIndex` of `area` (screen coordinates) cut into `slotCount` equal
// slots (never fewer than 8) between a free `margin` at the top and the bottom: centred in the
// slot when lower than it, from the slot's top when taller. Only its vertical position changes.
void LayoutRow(const fw::Rect& area, float slotCount, int margin, float slotIndex, fw::Window& control);

class CDialogDeviceSetting : public CSettingsPage {
 public:
  CDialogDeviceSetting();
  ~CDialogDeviceSetting() override;

  // A drop-down cell of the grid has its list open; the main window then ends the cell's editing
  // on the next click instead of passing the click on.
  bool m_bDropDownOpen = false;
  // The settings grid (control 1201); its drop-down cells write m_bDropDownOpen.
  controls::CConfigListCtrl m_gridSettings;

  int IsSettingsModified() const override;
  // Every control of the page in a bold copy of the page font; in Japanese the EDR note's height
  // field is one less.
  virtual void ApplyBoldFont();
  // The rows of the product and firmware band in their slots, their radios from the edited
  // record, then the grid built again.
  virtual void LayoutLegacyPanel();
  // Captions in the current language, then what the page shows: the product's panel rows, the
  // grid, or only DEFAULT and CANCEL. While busy it only disables.
  void RefreshSettingsPageTexts() override;
  // The grid's rows for the product; the catalogue fills them.
  virtual void BuildSettingsGrid();
  // Shows or hides and enables or disables the whole panel (bShowHide), or only enables or
  // disables its active controls.
  void SetSwitchPanelState(bool bOn, bool bShowHide);
  void SetGridColumnWidths();

  void OnButtonDefault();
  void OnButtonCancel();
  // The restart note whole, in a box titled with the page title.
  void OnNoteDetails();
  void OnAudioChannelTimeoutChanged();
  void OnMotionSensitivityChanged();
  void OnAudioBlendSensitivityChanged();
  void OnRadioTransmitGain(int gain);

  // The interface language the page's texts are in.
  int Language() const;
  // The Video Mode help text for the recognised device's firmware.
  std::string GetVideoModeHelpText() const;

  // The grid's editing rules on page 5: a click at (row, column), a choice in the value cell of
  // `row`. They change m_editedSettings and the grid's cells at once.
  void RunGridClickRules(int row, int column);
  void RunGridChoiceRules(int row);

  bool OnInitDialog() override;
  bool OnCommand(int id, int notifyCode) override;
  fw::Brush OnCtlColor(fw::DeviceContext& dc, fw::Window& control, fw::CtlColor kind) override;

 protected:
  void BuildDefaults() override;
  void ShowPageContents() override;
  bool WritePersistentStoreKeys(headset::bluecore::PsKeyPort& port) override;
  bool HasHidPayload(int target) const override;
  bool WriteHidSettings(headset::hid::HidHandles handles) override;

 private:
  // True (and nothing done) while the main window is busy or its page list is open.
  bool IsRefusing() const;
  void OnSwitchRadio(const SwitchPair& pair, bool enable);
  void OnHelpButton(const HelpButton& help);
  void ShowHelpBox(const std::string& message, fw::Size size, bool withMailButton);
  void SetRadioPair(int enableId, int disableId, bool enabled);
  void SetTimeoutControls(int seconds);
  void AttachTimeoutSpin();
  void HideRowsNotShown();
  void FillMotionSensitivityList();

  std::array<controls::CBitmapButton, 14> m_btnHelp;
  // Bold fonts made once per page font and language.
  fw::Font m_boldFontBase;
  int m_nBoldFontLanguage = -1;
  fw::Font m_fontBold;
  fw::Font m_fontNote;
};

}  // namespace pages
