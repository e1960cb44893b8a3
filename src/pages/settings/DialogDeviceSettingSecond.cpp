#include "pages/settings/DialogDeviceSettingSecond.h"

#include "app/UpdaterDlg.h"
#include "resources/PageTemplates.h"

namespace pages {

CDialogDeviceSettingSecond::CDialogDeviceSettingSecond() : CSettingsPage(res::DeviceSettingSecondTemplate(), 6) {}

CDialogDeviceSettingSecond::~CDialogDeviceSettingSecond() = default;

int CDialogDeviceSettingSecond::IsSettingsModified() const {
  const app::CUpdaterDlg* main = MainWindow();
  if (!main) return 0;
  const device::CDeviceSettings& device = main->m_deviceSettings;
  const bool differ = m_editedSettings.m_nFmRegion != device.m_nFmRegion ||
                      m_editedSettings.m_anFmPreset != device.m_anFmPreset ||
                      m_editedSettings.m_bFmRds != device.m_bFmRds;
  return differ ? 1 : 0;
}

void CDialogDeviceSettingSecond::BuildDefaults() {
  m_defaultSettings.CopyFrom(m_editedSettings, true);
  m_defaultSettings.SetFmDefaults(m_editedSettings.m_nProductId, m_editedSettings.m_nVersionMajor,
                                  m_editedSettings.m_nVersionMinor);
}

}  // namespace pages
