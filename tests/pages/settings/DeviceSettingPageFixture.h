#pragma once
// The main window started with the real page 5 on show for a product and firmware version.
#include <set>
#include <string>

#include "app/MainWindowFixture.h"
#include "pages/settings/DeviceSettingIds.h"

namespace testing_pages {

class DeviceSettingPageTest : public testing_app::StartedMainWindowTest {
 protected:
  // Recognised as `product` at firmware major.minor (type 1 is a release candidate), with
  // `adjust` applied to the device record, then page 5 entered.
  template <typename Adjust>
  pages::CDialogDeviceSetting& Enter(int product, int major, int minor, Adjust&& adjust, int language = 0,
                                     int type = 0) {
    app::CUpdaterDlg& w = W();
    Recognise(w, product);
    w.m_nLanguage = language;
    device::CDeviceSettings& d = w.m_deviceSettings;
    d.m_nProductId = product;
    d.SetDefaults(product, major, minor);
    d.m_nVersionMajor = major;
    d.m_nVersionMinor = minor;
    d.m_nSecondaryVersionType = type;
    d.m_nSecondaryVersion = type != 0 ? 2 : 0;
    adjust(d);
    w.GoToDeviceSettingPage(true);
    EXPECT_EQ(ShownPage(w), 5);
    return w.m_dlgDeviceSetting;
  }
  pages::CDialogDeviceSetting& Enter(int product, int major = 1, int minor = 0, int language = 0) {
    return Enter(product, major, minor, [](device::CDeviceSettings&) {}, language);
  }

  pages::CDialogDeviceSetting& Page() { return W().m_dlgDeviceSetting; }
  fw::Window& PageItem(int id) { return *Page().GetDlgItem(id); }
  bool Shows(int id) { return PageItem(id).IsWindowVisible(); }
  bool Active(int id) { return PageItem(id).IsWindowEnabled(); }
  int Top(int id) { return PageItem(id).GetWindowRect().top; }
  std::string Caption(int id) { return PageItem(id).GetWindowText(); }
  void Command(int id, int code = fw::BN_CLICKED) {
    Page().SendMessage(fw::WM_COMMAND, fw::MakeCommand(id, code), 0);
  }

  // The page's controls that show, DEFAULT and CANCEL included.
  std::set<int> ShownControls() {
    std::set<int> shown;
    for (fw::Window* child : Page().GetChildren()) {
      if (child->IsWindowVisible()) shown.insert(child->GetDlgCtrlID());
    }
    return shown;
  }
};

}  // namespace testing_pages
