// Every caption, link and text line of the main window, of the pages shown with it, of the message
// boxes, the About box and the new-firmware offer fits its control in every language, measured with
// the real fonts as the screen draws them; and nothing of a control lies outside its window. A page
// joins by adding a scene that shows it.
#include <gtest/gtest.h>

#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "SimBlueCoreHeadset.h"
#include "app/AboutDlg.h"
#include "app/MainWindowFixture.h"
#include "app/MainWindowIds.h"
#include "controls/DialogMessageBox.h"
#include "firmware/formats/SettingsArchive.h"
#include "firmware/restore/DialogFirmwareRestore.h"
#include "firmware/update/DialogFirmwareUpdate.h"
#include "firmware/update/DialogNewUpdateFound.h"
#include "framework/MeasuringDeviceContext.h"
#include "framework/Messages.h"
#include "io/AtomicFile.h"
#include "localization/FmPresetTexts.h"
#include "localization/LanguageNames.h"
#include "localization/SafeFormat.h"
#include "localization/SharedTexts.h"
#include "resources/PageTemplates.h"

namespace testing_app {
namespace {

struct Scene {
  const char* name;
  // From page 1 in the language already chosen, with the server the window reads.
  std::function<void(app::CUpdaterDlg&, sim::SimUpdateServer&)> reach;
  std::set<int> pages;                            // the page windows whose texts are measured
};

// What the test server lists for the simulated headset: its own version, so that nothing is offered.
constexpr const char* kFirmwareList = "VKT_TQG27N: v1.0 : VKT_TQG27N_v1.0.img\n";
constexpr const char* kFirmwareVariants =
    "VKT_TQG27N: v1.0 : English : VKT_TQG27N_v1.0_en.img\nVKT_TQG27N: v1.0 : French : VKT_TQG27N_v1.0_fr.img\n"
    "VKT_TQG27N: v1.0 : Finnish : VKT_TQG27N_v1.0_fn.img\n";

void PressNext(app::CUpdaterDlg& w) {
  w.SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_NEXT, fw::BN_CLICKED), 0);
}

// Fires the timers of the firmware page on show, and lets it take the server's answers, until the
// window takes commands again.
void Settle(app::CUpdaterDlg& w, pages::CWizardPage& page) {
  for (int tick = 0; w.m_bBusy && tick < 20; ++tick) {
    for (unsigned timer : page.ArmedTimers()) page.FireTimer(timer);
    ASSERT_TRUE(testing_app::AwaitServer(page));
  }
  ASSERT_FALSE(w.m_bBusy);
}

// The simulated headset recognised by NEXT on pages 1 and 2, page 3 done reading its list.
void ReachRecognised(app::CUpdaterDlg& w) {
  w.m_nDeviceTarget = 0x4D21;
  PressNext(w);
  PressNext(w);
  ASSERT_EQ(w.m_nCurrentPage, 3);
  Settle(w, w.m_dlgFirmwareUpdate);
}

// The recognised headset's settings archive, with FM presets so that the restore page lists them.
void WriteArchive(app::CUpdaterDlg& w) {
  device::CDeviceSettings archived = w.m_deviceSettings;
  archived.m_anFmPreset = {8750, 10800, 0, 9620, 0, 0, 0, 0, 0, 10150};
  archived.m_bFmRds = 1;
  const std::string path = platform::Paths::Get().ImageFolder() + "/VKT_TQG27N." +
                           firmware::kSettingsArchiveExtension;
  ASSERT_TRUE(io::WriteFileAtomically(path, firmware::FormatSettingsArchive(archived, std::time(nullptr))));
}

void ReachRestore(app::CUpdaterDlg& w) {
  ReachRecognised(w);
  WriteArchive(w);
  w.GoToPage(4);
  Settle(w, w.m_dlgFirmwareRestore);
}

// The frame's progress bar at its end over the page on show.
void ShowFullProgress(app::CUpdaterDlg& w) {
  w.m_nProgress = 100;
  w.RefreshControls();
}

// The recognised device taken for `product` at a firmware version, its settings its defaults.
device::CDeviceSettings& BecomeProduct(app::CUpdaterDlg& w, int product, int major, int minor) {
  device::CDeviceSettings& device = w.m_deviceSettings;
  device.m_nProductId = product;
  device.SetDefaults(product, major, minor);
  device.m_nVersionMajor = major;
  device.m_nVersionMinor = minor;
  w.m_nDeviceTarget = product;
  return device;
}

// Page 5's grid for a grid product, entered after the headset's own switch panel had laid out the
// page, as when another headset is recognised in the same run; DEFAULT and CANCEL stay clear of it.
void ReachGrid(app::CUpdaterDlg& w, int product, int major, int minor) {
  ReachRecognised(w);
  w.GoToDeviceSettingPage(true);
  w.m_dlgDeviceSetting.m_editedSettings.CopyFrom(BecomeProduct(w, product, major, minor), true);
  w.GoToDeviceSettingPage(true);
  const fw::Window& grid = *w.m_dlgDeviceSetting.GetDlgItem(res::IDC_GRID_SETTINGS);
  ASSERT_TRUE(grid.IsWindowVisible());
  for (const int button : {1035, 1036}) {
    EXPECT_LE(w.m_dlgDeviceSetting.GetDlgItem(button)->GetWindowRect().bottom, grid.GetWindowRect().top)
        << "button " << button << " overlaps the grid of " << std::hex << product;
  }
}

const std::vector<Scene>& Scenes() {
  static const std::vector<Scene> scenes = {
      {"selection", [](app::CUpdaterDlg&, sim::SimUpdateServer&) {}, {1}},
      {"recognition", [](app::CUpdaterDlg& w, sim::SimUpdateServer&) { PressNext(w); }, {2}},
      // The restore link shows once a headset was recognised.
      {"recognised",
       [](app::CUpdaterDlg& w, sim::SimUpdateServer&) {
         ReachRecognised(w);
         ASSERT_TRUE(w.m_btnRestoreShortcut.IsWindowVisible());
       },
       {3}},
      {"update variants",
       [](app::CUpdaterDlg& w, sim::SimUpdateServer& server) {
         ReachRecognised(w);
         server.Serve(firmware::kFirmwareListName, kFirmwareVariants);
         w.GoToPage(3);
         Settle(w, w.m_dlgFirmwareUpdate);
       },
       {3}},
      {"update progress",
       [](app::CUpdaterDlg& w, sim::SimUpdateServer&) {
         ReachRecognised(w);
         ShowFullProgress(w);
       },
       {3}},
      {"restore", [](app::CUpdaterDlg& w, sim::SimUpdateServer&) { ReachRestore(w); }, {4}},
      {"restore variants",
       [](app::CUpdaterDlg& w, sim::SimUpdateServer& server) {
         server.Serve(firmware::kRevisionsListName, kFirmwareVariants);
         ReachRestore(w);
       },
       {4}},
      {"restore progress",
       [](app::CUpdaterDlg& w, sim::SimUpdateServer&) {
         ReachRestore(w);
         ShowFullProgress(w);
       },
       {4}},
      {"settings",
       [](app::CUpdaterDlg& w, sim::SimUpdateServer&) {
         ReachRecognised(w);
         w.GoToDeviceSettingPage(true);
         ASSERT_EQ(w.m_nCurrentPage, 5);
       },
       {5}},
      {"grid 4210", [](app::CUpdaterDlg& w, sim::SimUpdateServer&) { ReachGrid(w, 0x4210, 1, 5); }, {5}},
      {"grid 5510", [](app::CUpdaterDlg& w, sim::SimUpdateServer&) { ReachGrid(w, 0x5510, 3, 0); }, {5}},
      {"grid 6010", [](app::CUpdaterDlg& w, sim::SimUpdateServer&) { ReachGrid(w, 0x6010, 1, 2); }, {5}},
      {"fm presets",
       [](app::CUpdaterDlg& w, sim::SimUpdateServer&) {
         ReachRecognised(w);
         device::CDeviceSettings& device = BecomeProduct(w, 0x5610, 1, 0);
         device.m_anFmPreset = {8750, 9010, 10130, 0, 0, 0, 9990, 0, 10800, 0};
         device.m_bFmRds = 1;
         w.m_dlgDeviceSetting.m_editedSettings.CopyFrom(device, true);
         w.GoToDeviceSettingSecondPage(true);
         ASSERT_EQ(w.m_nCurrentPage, 6);
       },
       {6}},
      {"speed dial",
       [](app::CUpdaterDlg& w, sim::SimUpdateServer&) {
         ReachRecognised(w);
         w.m_deviceSettings.m_astrSpeedDial = {"+3584012345678901234", "112", ""};
         w.GoToSpeedDialPage(true);
         ASSERT_EQ(w.m_nCurrentPage, 7);
       },
       {7}},
  };
  return scenes;
}

// The least room between a caption's glyphs and the outline around it.
constexpr int kBorderMargin = 3;

// Where `control` lies in the client area of `root`.
fw::Rect PlaceIn(const fw::Window& root, const fw::Window& control) {
  const fw::Rect screen = control.GetWindowRect();
  const fw::Point origin = root.ClientToScreen({0, 0});
  return fw::Rect{screen.left - origin.x, screen.top - origin.y, screen.right - origin.x, screen.bottom - origin.y};
}

class CaptionFitTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    server_.Serve(firmware::kFirmwareListName, kFirmwareList);
    server_.Serve(firmware::kRevisionsListName, kFirmwareList);
    usb_.Attach("1-2", std::make_shared<sim::SimBlueCoreHeadset>());
  }

  // Paints each visible control of `parent` (and of the listed pages within it) and reports every
  // text its rectangle cuts and every control that reaches outside `root`.
  void Check(const app::CUpdaterDlg* w, const fw::Window& root, const fw::Window& parent, const std::set<int>& pages,
             const std::string& where) {
    const fw::Rect window = root.GetClientRect();
    for (fw::Window* control : parent.GetChildren()) {
      if (!control->IsWindowVisible()) continue;
      if (w) {
        // The pages live in the page frame.
        if (control == &w->m_staticPageFrame) Check(w, root, *control, pages, where);
        bool isPage = false;
        for (int page = 1; page <= 7; ++page) {
          if (control != w->PageWindow(page)) continue;
          isPage = true;
          if (pages.count(page)) Check(w, root, *control, pages, where + " page " + std::to_string(page));
        }
        if (isPage) continue;
      }
      const std::string name = where + " control " + std::to_string(control->GetDlgCtrlID());
      const fw::Rect place = PlaceIn(root, *control);
      EXPECT_TRUE(place.left >= window.left && place.top >= window.top && place.right <= window.right &&
                  place.bottom <= window.bottom)
          << name << " at " << place.ToString() << " reaches outside the window " << window.ToString();
      fw::MeasuringDeviceContext dc;
      control->Paint(dc);
      const fw::Rect client = control->GetClientRect();
      for (const fw::MeasuredText& text : dc.Measured()) {
        if (text.text.empty()) continue;
        EXPECT_TRUE(text.Fits()) << name << ": \"" << text.text << "\" needs " << text.needed.cx << " x "
                                 << text.needed.cy << " in " << text.rect.ToString() << ", its glyphs cover rows "
                                 << text.inkTop << " to " << text.inkBottom;
        EXPECT_TRUE(text.rect.left >= 0 && text.rect.top >= 0 && text.rect.right <= client.right &&
                    text.rect.bottom <= client.bottom)
            << name << ": \"" << text.text << "\" is drawn at " << text.rect.ToString() << " outside "
            << client.ToString();
        // A caption that touches its button's outline reads as cut, though its rectangle holds it.
        const std::optional<fw::BorderInside> border = dc.BorderAround(text.rect);
        if (border) {
          EXPECT_GE(border->SideClearance(text.ink), kBorderMargin)
              << name << ": the glyphs of \"" << text.text << "\" lie that close beside the outline, whose inside is "
              << border->inside.ToString() << " with corners of " << border->radius.cx << " x " << border->radius.cy;
        }
      }
    }
  }

  void CheckDialog(fw::Dialog& dialog, const std::string& where) {
    dialog.ShowWindow(true);
    Check(nullptr, dialog, dialog, {}, where);
    dialog.DestroyWindow();
  }

  app::CUpdaterDlg& StartIn(int language) {
    app::CUpdaterDlg& w = Start();
    w.m_nLanguage = language;
    w.UpdateFonts();
    w.GoToSelectionPage();
    return w;
  }
};

TEST_F(CaptionFitTest, EveryTextFitsItsControlInEveryLanguage) {
  for (const Scene& scene : Scenes()) {
    for (int language = 0; language < text::kLanguageCount; ++language) {
      app::CUpdaterDlg& w = StartIn(language);
      server_.Serve(firmware::kFirmwareListName, kFirmwareList);
      server_.Serve(firmware::kRevisionsListName, kFirmwareList);
      scene.reach(w, server_);
      Check(&w, w, w, scene.pages, std::string(text::GetLanguageEnglishName(language)) + ", " + scene.name + ":");
    }
  }
}

// The boxes at the sizes the program shows them.
TEST_F(CaptionFitTest, EveryTextOfTheBoxesFitsInEveryLanguage) {
  for (int language = 0; language < text::kLanguageCount; ++language) {
    app::CUpdaterDlg& w = StartIn(language);
    const std::string where = std::string(text::GetLanguageEnglishName(language)) + ", ";
    const std::string mismatch = text::GetDeviceMismatchText(language) + text::GetCannotOpenUsbText(language);
    const struct {
      const char* name;
      std::string text;
      bool threeButtons;
      fw::Size size;
    } boxes[] = {
        {"message box:", mismatch, false, {440, 165}},
        {"three-button box:", mismatch, true, {530, 230}},
        {"FM range box:", text::Format(text::GetFmPresetRangeText(language), 87.5, 108.0), false, {415, 130}},
        {"RDS help box:", text::GetRdsHelpText(language), false, {540, 195}},
    };
    for (const auto& b : boxes) {
      controls::CDialogMessageBox box(&w);
      if (b.threeButtons) {
        box.SetupThreeButtons(b.text, false, text::GetVersionText(language), text::GetNoText(language),
                              text::GetYesText(language), b.size);
      } else {
        box.Setup(b.text, true, std::nullopt, text::GetOkText(language), b.size);
      }
      ASSERT_TRUE(box.Create());
      CheckDialog(box, where + b.name);
    }
    {
      app::CAboutDlg about(&w);
      ASSERT_TRUE(about.Create(&w));
      CheckDialog(about, where + "About box:");
    }
    {
      firmware::CDialogNewUpdateFound offer(&w);
      ASSERT_TRUE(offer.Create(&w));
      CheckDialog(offer, where + "new-firmware offer:");
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
