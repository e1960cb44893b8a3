// The device panel at the top of the main window: picture 1002 and lines 1003 and 1004.
#include "app/DevicePanel.h"
#include "app/UpdaterDlg.h"
#include "device/DevicePictures.h"
#include "device/UsbIdentities.h"
#include "headset/hid/HidPairProbe.h"

namespace app {

namespace {

fw::Size PictureSize(int id) {
  if (id == device::kPictureNoModel) return {34, 34};
  if (id == device::kPictureLogo) return {64, 64};
  return {58, 39};
}

}  // namespace

int CUpdaterDlg::SelectDevicePicture() {
  return device::DevicePictureFor(m_deviceSettings.m_nProductId, HardwareVariantForPicture());
}

int CUpdaterDlg::HardwareVariantForPicture() {
  // Only the one product whose picture depends on it makes the device answer a question.
  return m_deviceSettings.m_nProductId == device::kVariantPictureProduct ? QueryHardwareVariant() : 0;
}

int CUpdaterDlg::QueryHardwareVariant() { return headset::hid::QueryHardwareVariant(m_hHidDevice.get()); }

void CUpdaterDlg::UpdateDevicePanel() {
  DevicePanelState state;
  state.recognized = m_bDeviceRecognized;
  state.usbStatus = m_nUsbStatus;
  state.language = m_nLanguage;
  state.settings = &m_deviceSettings;
  if (m_bDeviceRecognized && !device::IsDfuMode(m_nUsbStatus)) state.hardwareVariant = HardwareVariantForPicture();
  const DevicePanelContent content = ComposeDevicePanel(state);
  if (m_staticDevicePicture.GetBitmap().ResourceId() != content.picture) {
    m_staticDevicePicture.SetBitmap(fw::Bitmap::Load(content.picture, PictureSize(content.picture)));
  }
  m_staticDeviceLine1.SetWindowText(content.line1);
  m_staticDeviceLine2.SetWindowText(content.line2);
}

}  // namespace app
