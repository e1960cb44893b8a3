#include "pages/settings/DialogDeviceSettingSecond.h"

#include "app/UpdaterDlg.h"
#include "headset/bluecore/PsSettingsTransfer.h"
#include "headset/hid/HidSettingsSave.h"
#include "resources/PageTemplates.h"

namespace pages {

CDialogDeviceSettingSecond::CDialogDeviceSettingSecond() : CSettingsPage(res::DeviceSettingSecondTemplate(), 6) {}

CDialogDeviceSettingSecond::~CDialogDeviceSettingSecond() = default;

int CDialogDeviceSettingSecond::IsSettingsModified() const {
  const app::CUpdaterDlg* main = MainWindow();
  // The product's own comparison, FM block included: it knows which products carry one.
  return main && m_editedSettings.SettingsDiffer(main->m_deviceSettings, true) ? 1 : 0;
}

void CDialogDeviceSettingSecond::BuildDefaults() {
  m_defaultSettings.CopyFrom(m_editedSettings, true);
  m_defaultSettings.SetFmDefaults(m_editedSettings.m_nProductId, m_editedSettings.m_nVersionMajor,
                                  m_editedSettings.m_nVersionMinor);
}

bool CDialogDeviceSettingSecond::WritePersistentStoreKeys(headset::bluecore::PsKeyPort& port) {
  return headset::bluecore::WriteFmBlockKey(port, m_editedSettings);
}

bool CDialogDeviceSettingSecond::HasHidPayload(int target) const { return headset::hid::HasHidFmPayload(target); }

bool CDialogDeviceSettingSecond::WriteHidSettings(headset::hid::HidHandles handles) {
  return headset::hid::WriteHidFmBlock(MainWindow()->m_nDeviceTarget, handles, m_editedSettings);
}

}  // namespace pages
