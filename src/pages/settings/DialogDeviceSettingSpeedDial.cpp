#include "pages/settings/DialogDeviceSettingSpeedDial.h"

#include "app/UpdaterDlg.h"
#include "headset/bluecore/PsSettingsTransfer.h"
#include "headset/hid/HidSettingsSave.h"
#include "resources/PageTemplates.h"

namespace pages {

CDialogDeviceSettingSpeedDial::CDialogDeviceSettingSpeedDial()
    : CSettingsPage(res::DeviceSettingSpeedDialTemplate(), 7) {}

CDialogDeviceSettingSpeedDial::~CDialogDeviceSettingSpeedDial() = default;

int CDialogDeviceSettingSpeedDial::IsSettingsModified() const {
  const app::CUpdaterDlg* main = MainWindow();
  return main && m_editedSettings.m_astrSpeedDial != main->m_deviceSettings.m_astrSpeedDial ? 1 : 0;
}

void CDialogDeviceSettingSpeedDial::BuildDefaults() {
  m_defaultSettings.CopyFrom(m_editedSettings, true);
  m_defaultSettings.SetSpeedDialDefaults(m_editedSettings.m_nProductId, m_editedSettings.m_nVersionMajor,
                                         m_editedSettings.m_nVersionMinor);
}

bool CDialogDeviceSettingSpeedDial::WritePersistentStoreKeys(headset::bluecore::PsKeyPort& port) {
  return headset::bluecore::WriteSpeedDialKeys(port, m_editedSettings);
}

bool CDialogDeviceSettingSpeedDial::HasHidPayload(int target) const { return headset::hid::HasHidSpeedDialPayload(target); }

bool CDialogDeviceSettingSpeedDial::WriteHidSettings(headset::hid::HidHandles handles) {
  return headset::hid::WriteHidSpeedDials(MainWindow()->m_nDeviceTarget, handles, m_editedSettings);
}

}  // namespace pages
