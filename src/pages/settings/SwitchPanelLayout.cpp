// The layout step of the device settings page: the rows of the product's switch panel into their
// slots, their radios from the edited record, then the grid built again.
#include <string>

#include "app/UpdaterDlg.h"
#include "device/RadioServices.h"
#include "device/SwitchPanelLayouts.h"
#include "framework/Button.h"
#include "framework/UpDown.h"
#include "pages/settings/DeviceSettingIds.h"
#include "pages/settings/DialogDeviceSetting.h"
#include "pages/settings/SwitchPanelRows.h"

namespace pages {

namespace {
constexpr float kFewestSlots = 8.0f;
}

void LayoutRow(const fw::Rect& area, float slotCount, int margin, float slotIndex, fw::Window& control) {
  const float slots = slotCount < kFewestSlots ? kFewestSlots : slotCount;
  const float slotHeight = static_cast<float>(area.bottom - area.top - 2 * margin) / slots;
  fw::Rect r = control.GetWindowRect();
  if (fw::Window* parent = control.GetContainer()) {
    const fw::Point origin = parent->ClientToScreen({0, 0});
    r = fw::Rect::FromXYWH(r.left + origin.x, r.top + origin.y, r.Width(), r.Height());
  }
  const int height = r.bottom - r.top;
  float spare = slotHeight - static_cast<float>(height);
  if (spare < 0.0f) spare = 0.0f;
  const int top = static_cast<int>(static_cast<float>(area.top + margin) + slotHeight * slotIndex + spare / 2.0f);
  control.MoveWindow(r.left - area.left, top - area.top, r.right - r.left, height, true);
}

void CDialogDeviceSetting::SetRadioPair(int enableId, int disableId, bool enabled) {
  if (auto* on = Control<fw::Button>(enableId)) on->SetCheck(enabled ? fw::BST_CHECKED : fw::BST_UNCHECKED);
  if (auto* off = Control<fw::Button>(disableId)) off->SetCheck(enabled ? fw::BST_UNCHECKED : fw::BST_CHECKED);
}

void CDialogDeviceSetting::SetTimeoutControls(int seconds) {
  // The edit's change notification stores the up-down's position, so the up-down moves first.
  if (auto* spin = Control<fw::UpDown>(IDC_TIMEOUT_SPIN)) spin->SetPos(seconds & 0xFFFF);
  if (fw::Window* edit = GetDlgItem(IDC_TIMEOUT_EDIT)) edit->SetWindowText(std::to_string(seconds));
}

void CDialogDeviceSetting::LayoutLegacyPanel() {
  const app::CUpdaterDlg* main = MainWindow();
  const int product = main ? main->m_nDeviceTarget : 0;
  const device::PanelBand* layout =
      main ? device::FindSwitchPanelLayout(product, main->m_deviceSettings.m_nVersionMajor,
                                           main->m_deviceSettings.m_nVersionMinor)
           : nullptr;
  if (layout) {
    const fw::Point origin = ClientToScreen({0, 0});
    const fw::Size size = GetClientRect().GetSize();
    const fw::Rect area = fw::Rect::FromXYWH(origin.x, origin.y, size.cx, size.cy);
    for (const device::PanelRowPlace& place : layout->Rows()) {
      if (!layout->Shows(place.row, product)) continue;
      if (const SwitchPair* pair = SwitchPairOfRow(place.row)) {
        SetRadioPair(pair->enableId, pair->disableId, pair->isOn(m_editedSettings));
      }
    }
    if (layout->Shows(device::PanelRow::RadioTransmitGain, product)) {
      const int chosen = device::TransmitGainToIndex(m_editedSettings.m_nRadioTransmitGain);
      const int gainIds[] = {IDC_GAIN_LOW, IDC_GAIN_MEDIUM, IDC_GAIN_HIGH};
      for (int i = 0; i < 3; ++i) Control<fw::Button>(gainIds[i])->SetCheck(i == chosen ? 1 : 0);
    }
    if (layout->Shows(device::PanelRow::AudioChannelTimeout, product)) {
      SetTimeoutControls(m_editedSettings.m_nAudioChannelTimeout);
    }
    const auto place = [&](int id, float slot) {
      if (fw::Window* control = GetDlgItem(id)) LayoutRow(area, layout->slotCount, layout->margin, slot, *control);
    };
    place(IDC_SETTINGS_DEFAULT, 0.0f);
    place(IDC_SETTINGS_CANCEL, 0.0f);
    for (const device::PanelRowPlace& row : layout->Rows()) {
      if (row.slot == device::kNotPlaced || !layout->Shows(row.row, product)) continue;
      if (const PanelRowControls* controls = ControlsOfRow(row.row)) {
        for (int id : controls->ids) {
          if (id != 0) place(id, row.slot);
        }
      }
      if (row.row == device::PanelRow::Note) place(IDC_NOTE_DETAILS, row.slot);
    }
  }
  BuildSettingsGrid();
}

}  // namespace pages
