#pragma once
// Page 5: the device's settings, as a grid of rows or as the older switch panel.
#include "controls/grid/ConfigListCtrl.h"
#include "pages/settings/SettingsPage.h"

namespace pages {

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
  // Every control of the page in a bold copy of the dialog font.
  virtual void ApplyBoldFont();
  // The rows and the grid laid out again for the product and firmware version.
  virtual void LayoutLegacyPanel();

 protected:
  void BuildDefaults() override;
};

}  // namespace pages
