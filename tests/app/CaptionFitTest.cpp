// Every caption, link and text line of the main window and of the pages shown with it fits its
// control in every language, measured with the real fonts as the screen draws them; and nothing of
// a control lies outside the window. A page joins by adding a scene that shows it.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "SimBlueCoreHeadset.h"
#include "app/MainWindowFixture.h"
#include "app/MainWindowIds.h"
#include "framework/MeasuringDeviceContext.h"
#include "framework/Messages.h"
#include "localization/LanguageNames.h"

namespace testing_app {
namespace {

struct Scene {
  const char* name;
  std::function<void(app::CUpdaterDlg&)> reach;  // from page 1 in the language already chosen
  std::set<int> pages;                            // the page windows whose texts are measured
};

void PressNext(app::CUpdaterDlg& w) {
  w.SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_NEXT, fw::BN_CLICKED), 0);
}

// The simulated headset recognised by NEXT on pages 1 and 2, page 3 done reading its list.
void ReachRecognised(app::CUpdaterDlg& w) {
  w.m_nDeviceTarget = 0x4D21;
  PressNext(w);
  PressNext(w);
  ASSERT_EQ(w.m_nCurrentPage, 3);
  // Page 3 reads its list before the window takes commands again.
  for (int tick = 0; w.m_bBusy && tick < 20; ++tick) {
    for (unsigned timer : w.m_dlgFirmwareUpdate.ArmedTimers()) w.m_dlgFirmwareUpdate.FireTimer(timer);
  }
  ASSERT_FALSE(w.m_bBusy);
}

const std::vector<Scene>& Scenes() {
  static const std::vector<Scene> scenes = {
      {"selection", [](app::CUpdaterDlg&) {}, {1}},
      {"recognition", [](app::CUpdaterDlg& w) { PressNext(w); }, {2}},
      // The main window's own controls once a headset was recognised (the restore link shows).
      {"recognised",
       [](app::CUpdaterDlg& w) {
         ReachRecognised(w);
         ASSERT_TRUE(w.m_btnRestoreShortcut.IsWindowVisible());
       },
       {}},
      {"speed dial",
       [](app::CUpdaterDlg& w) {
         ReachRecognised(w);
         w.m_deviceSettings.m_astrSpeedDial = {"+3584012345678901234", "112", ""};
         w.GoToSpeedDialPage(true);
         ASSERT_EQ(w.m_nCurrentPage, 7);
       },
       {7}},
  };
  return scenes;
}

// Where `control` lies in the main window's client area.
fw::Rect PlaceIn(const app::CUpdaterDlg& w, const fw::Window& control) {
  const fw::Rect screen = control.GetWindowRect();
  const fw::Point origin = w.ClientToScreen({0, 0});
  return fw::Rect{screen.left - origin.x, screen.top - origin.y, screen.right - origin.x, screen.bottom - origin.y};
}

class CaptionFitTest : public MainWindowTest {
 protected:
  // Paints each visible control of `parent` (and of the listed pages within it) and reports every
  // text its rectangle cuts and every control that reaches outside the window.
  void Check(app::CUpdaterDlg& w, const fw::Window& parent, const Scene& scene, const std::string& where) {
    const fw::Rect window = w.GetClientRect();
    for (fw::Window* control : parent.GetChildren()) {
      if (!control->IsWindowVisible()) continue;
      // The pages live in the page frame.
      if (control == &w.m_staticPageFrame) Check(w, *control, scene, where);
      bool isPage = false;
      for (int page = 1; page <= 7; ++page) {
        if (control != w.PageWindow(page)) continue;
        isPage = true;
        if (scene.pages.count(page)) Check(w, *control, scene, where + " page " + std::to_string(page));
      }
      if (isPage) continue;
      const std::string name = where + " control " + std::to_string(control->GetDlgCtrlID());
      const fw::Rect place = PlaceIn(w, *control);
      EXPECT_TRUE(place.left >= window.left && place.top >= window.top && place.right <= window.right &&
                  place.bottom <= window.bottom)
          << name << " at " << place.ToString() << " reaches outside the window " << window.ToString();
      fw::MeasuringDeviceContext dc;
      control->Paint(dc);
      const fw::Rect client = control->GetClientRect();
      for (const fw::MeasuredText& text : dc.Measured()) {
        if (text.text.empty()) continue;
        EXPECT_TRUE(text.Fits()) << name << ": \"" << text.text << "\" needs " << text.needed.cx << " x "
                                 << text.needed.cy << " in " << text.rect.ToString();
        EXPECT_TRUE(text.rect.left >= 0 && text.rect.top >= 0 && text.rect.right <= client.right &&
                    text.rect.bottom <= client.bottom)
            << name << ": \"" << text.text << "\" is drawn at " << text.rect.ToString() << " outside "
            << client.ToString();
      }
    }
  }
};

TEST_F(CaptionFitTest, EveryTextFitsItsControlInEveryLanguage) {
  usb_.Attach("1-2", std::make_shared<sim::SimBlueCoreHeadset>());
  for (const Scene& scene : Scenes()) {
    for (int language = 0; language < text::kLanguageCount; ++language) {
      app::CUpdaterDlg& w = Start();
      w.m_nLanguage = language;
      w.UpdateFonts();
      w.GoToSelectionPage();
      scene.reach(w);
      Check(w, w, scene, std::string(text::GetLanguageEnglishName(language)) + ", " + scene.name + ":");
    }
  }
}

TEST_F(CaptionFitTest, TheDevicePanelSaysSomethingInEveryLanguage) {
  for (int language = 0; language < text::kLanguageCount; ++language) {
    app::CUpdaterDlg& w = Start();
    w.m_nLanguage = language;
    w.GoToSelectionPage();
    EXPECT_NE(w.GetDlgItem(app::IDC_DEVICE_LINE1)->GetWindowText(), "") << language;
    EXPECT_NE(w.GetDlgItem(app::IDC_DEVICE_LINE2)->GetWindowText(), "") << language;
  }
}

}  // namespace
}  // namespace testing_app
