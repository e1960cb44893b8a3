// The demo build: the device manager as it ships, but with a simulated headset (092B:4D21) on a
// simulated USB bus in place of the real one, no vendor HID devices, and a simulated update server
// whose program list offers nothing newer, whose firmware list offers a newer image for the headset
// and whose revision list offers its current firmware for a restore: update it on page 3, then
// RESTORE on page 4 puts 1.0 and the settings it had back. Its settings file lives in
// ~/.local/share/corvale-manager-demo/IMG, or, when that cannot be made (no home folder, or one
// that cannot be written), in a private temporary folder made for the run and removed after it.
//
//   corvale-manager-demo                   runs the program
//   corvale-manager-demo --screenshots DIR [LANGUAGE]
//                                          walks pages 1 to 7 in every language (or only in the
//                                          one numbered LANGUAGE, 0 English to 10) and writes PNG
//                                          pictures of the window, of the offer of new firmware,
//                                          of the About box, of the progress at its end on pages 3
//                                          and 4, of a message box with one and with three buttons, of
//                                          the FM presets page with its two message boxes, of
//                                          page 5's grid for a few grid products (English, German),
//                                          and of a test settings grid with every cell kind, to DIR;
//                                          it works in a temporary folder of its own, removed after
//   corvale-manager-demo --first-page      starts as usual and closes as the user would a moment
//                                          after page 1 shows: start-up measured as a whole process
#include <stdlib.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "DemoWorld.h"
#include "app/AboutDlg.h"
#include "app/UpdaterApp.h"
#include "app/UpdaterDlg.h"
#include "controls/DialogMessageBox.h"
#include "controls/grid/CellCheckBox.h"
#include "controls/grid/CellComboBox.h"
#include "controls/grid/CellPushButton.h"
#include "controls/grid/ConfigListCtrl.h"
#include "framework/Application.h"
#include "framework/Bitmap.h"
#include "firmware/formats/SettingsArchive.h"
#include "firmware/restore/DialogFirmwareRestore.h"
#include "firmware/update/DialogNewUpdateFound.h"
#include "framework/Dialog.h"
#include "framework/TestSeams.h"
#include "io/AtomicFile.h"
#include "localization/FmPresetTexts.h"
#include "localization/LanguageNames.h"
#include "localization/SafeFormat.h"
#include "localization/SharedTexts.h"
#include "platform/Paths.h"
#include "platform/ProcessSignals.h"

namespace {

namespace fs = std::filesystem;

// A folder with its IMG folder made for this run alone; empty when it cannot be made.
fs::path PrivateTemporaryFolder() {
  std::error_code error;
  // mkdtemp makes the folder for this user alone, so nobody else can have made it first.
  std::string pattern = (fs::temp_directory_path(error) / "corvale-manager-demo-XXXXXX").string();
  if (error || mkdtemp(pattern.data()) == nullptr) return {};
  fs::create_directories(fs::path(pattern) / "IMG", error);
  if (!error) return pattern;
  fs::remove_all(pattern, error);
  return {};
}

// The demo's folder with its IMG folder made; `temporary` tells whether it is one made for this
// run. Empty when not even a temporary folder can be made.
fs::path DemoFolder(bool& temporary) {
  temporary = false;
  std::error_code error;
  if (const std::string home = platform::Paths::HomeFolder(); !home.empty()) {
    const fs::path folder = fs::path(home) / ".local" / "share" / "corvale-manager-demo";
    fs::create_directories(folder / "IMG", error);
    if (!error) return folder;
  }
  temporary = true;
  return PrivateTemporaryFolder();
}

void Settle() {
  for (int i = 0; i < 5; ++i) fw::Application::ProcessMessagesFor(40);
}

bool Shoot(fw::Window& window, const fs::path& dir, const std::string& name) {
  Settle();
  const fw::Bitmap shot = fw::Bitmap::FromWindow(window, window.GetClientRect());
  const fs::path file = dir / (name + ".png");
  if (shot.IsNull() || !shot.SavePng(file.string())) {
    std::cerr << "cannot write " << file << '\n';
    return false;
  }
  std::cout << file.string() << '\n';
  return true;
}

// The message box at the sizes the program uses it: a warning with OK, a question with three buttons.
bool ShootMessageBoxes(app::CUpdaterDlg& window, const fs::path& dir, const std::string& tag, int language) {
  const std::string message = text::GetDeviceMismatchText(language) + text::GetCannotOpenUsbText(language);
  bool ok = true;
  for (const bool three : {false, true}) {
    controls::CDialogMessageBox box(&window);
    if (three) {
      box.SetupThreeButtons(message, false, text::GetVersionText(language), text::GetNoText(language),
                            text::GetYesText(language), {530, 230});
    } else {
      box.Setup(message, true, std::nullopt, text::GetOkText(language), {440, 165});
    }
    if (!box.Create()) return false;
    box.ShowWindow(true);
    ok = Shoot(box, dir, tag + (three ? "-messagebox-three" : "-messagebox-one")) && ok;
    box.DestroyWindow();
  }
  return ok;
}

bool ShootAbout(app::CUpdaterDlg& window, const fs::path& dir, const std::string& tag) {
  app::CAboutDlg about(&window);
  if (!about.Create(&window)) return false;
  about.ShowWindow(true);
  const bool ok = Shoot(about, dir, tag + "-about");
  about.DestroyWindow();
  return ok;
}

// The frame's progress at its end over the page on show.
bool ShootProgress(app::CUpdaterDlg& window, const fs::path& dir, const std::string& tag) {
  window.m_nProgress = 100;
  window.RefreshControls();
  const bool ok = Shoot(window, dir, text::Format("%s-%d-progress", tag, window.m_nCurrentPage));
  window.m_nProgress = -1;
  window.RefreshControls();
  return ok;
}

// Lets the page's own timers end what it started (page 3 reads its list while busy), as a user who
// waits would, so that the next click is not refused.
void WaitUntilIdle(app::CUpdaterDlg& window) {
  for (int waited = 0; window.m_bBusy && waited < 5000; waited += 50) fw::Application::ProcessMessagesFor(50);
}

// A window with one settings grid: check boxes on, off and disabled, a combo box with its list
// open over its scroll bar, and the "?" buttons, so that the cells' drawing can be seen.
class GridSample : public fw::Dialog {
 public:
  GridSample() : fw::Dialog(Template()) { BindControl(1201, grid_); }

  bool OnInitDialog() override {
    grid_.InsertColumn(0, "", fw::LVCFMT_LEFT, 30);
    grid_.InsertColumn(1, "", fw::LVCFMT_LEFT, 250);
    grid_.InsertColumn(2, "", fw::LVCFMT_LEFT, 220);
    const char* labels[] = {"Check box, Enable", "Check box, Disable", "Disabled check box", "Combo box", "Plain row"};
    for (int row = 0; row < 5; ++row) {
      grid_.InsertItem(row, "");
      grid_.AddCell(row, 0, std::make_unique<controls::CCellPushButton>(), "")->SetBitmapId(188);
      grid_.SetItemText(row, 1, labels[row]);
    }
    for (int row = 0; row < 3; ++row) {
      auto* check = grid_.AddCell(row, 2, std::make_unique<controls::CCellCheckBox>(), row == 1 ? "1" : "0");
      check->SetLeftLabel("Enable");
      check->SetRightLabel("Disable");
    }
    grid_.SetCellDisabled(2, 2, true);
    std::string options;
    for (int level = 1; level <= 10; ++level) options += (level > 1 ? "\n" : "") + text::Format("Level %d", level);
    combo_ = grid_.AddCell(3, 2, std::make_unique<controls::CCellComboBox>(), options);
    combo_->SetCurSel(7);
    grid_.SetItemText(4, 2, "plain text");
    return true;
  }

  // Opens the combo box's list as a click on the cell does.
  void OpenList() {
    const fw::Point cell = grid_.GetSubItemRect(3, 2, fw::LVIR_LABEL).CenterPoint();
    fw::ClickAt(grid_, cell);
  }

 private:
  static const fw::DialogTemplate& Template() {
    static const fw::DialogTemplate tmpl{
        0, {300, 160}, "Arial", 10, fw::DS_POPUP, "Settings grid",
        {{1201, fw::ControlKind::ListView, fw::Du(4, 4, 292, 152),
          fw::CS_OWNERDRAW | fw::CS_NOCOLUMNHEADER | fw::CS_SINGLESEL | fw::CS_TABSTOP, "", 0}}};
    return tmpl;
  }

  controls::CConfigListCtrl grid_;
  controls::CCellComboBox* combo_ = nullptr;
};

bool ShootGrid(const fs::path& dir) {
  GridSample sample;
  sample.Create(nullptr);
  sample.ShowWindow(true);
  Settle();
  sample.OpenList();
  Settle();
  const fw::Bitmap shot = fw::Bitmap::FromWindowWithPopups(sample);
  const fs::path file = dir / "grid-cells.png";
  if (shot.IsNull() || !shot.SavePng(file.string())) {
    std::cerr << "cannot write " << file << '\n';
    return false;
  }
  std::cout << file.string() << '\n';
  return true;
}


// For the pictures: one image per voice-prompt language.
const std::string kDemoVariantList =
    "VKT_TQG27N: v1.1 : English : VKT_TQG27N_v1.1_en.img\nVKT_TQG27N: v1.1 : French : "
    "VKT_TQG27N_v1.1_fr.img\nVKT_TQG27N: v1.1 : Finnish : VKT_TQG27N_v1.1_fn.img\n";

// Page 3 with the voice-prompt choice, and the offer of the newer firmware over it.
bool ShootFirmwarePage(app::CUpdaterDlg& window, sim::SimUpdateServer& server, const fs::path& dir,
                       const std::string& tag) {
  server.Serve(firmware::kFirmwareListName, kDemoVariantList);
  firmware::g_bOfferNewerFirmware = false;
  window.GoToPage(3);
  WaitUntilIdle(window);
  bool ok = Shoot(window, dir, tag + "-3-firmware-variants");
  firmware::CDialogNewUpdateFound offer(&window);
  offer.Create(&window);
  offer.ShowWindow(true);
  ok = Shoot(offer, dir, tag + "-3-firmware-offer") && ok;
  offer.DestroyWindow();
  server.Serve(firmware::kFirmwareListName, sim::kDemoFirmwareList);
  return ok;
}

// Page 5's settings grid for a few grid products, set directly since the demo's headset has no
// grid, in English and German (of those, only the one language walked when there is one); a list
// longer than the grid shows is shot again scrolled to its end.
bool ShootSettingsGrids(app::CUpdaterDlg& window, const fs::path& dir, int only) {
  struct GridProduct {
    int id, major, minor;
  };
  constexpr GridProduct kProducts[] = {{0x4210, 1, 5}, {0x5510, 3, 0}, {0x6010, 1, 2}};
  bool ok = true;
  for (const int language : {0, 2}) {
    if (only >= 0 && language != only) continue;
    window.m_nLanguage = language;
    window.UpdateFonts();
    for (const GridProduct& product : kProducts) {
      controls::CConfigListCtrl& grid = window.m_dlgDeviceSetting.m_gridSettings;
      // Back to the top first: the grid keeps its scroll position across a rebuild.
      if (grid.GetItemCount() > 0) grid.SetItemState(0, fw::LVIS_FOCUSED, fw::LVIS_FOCUSED);
      device::CDeviceSettings& device = window.m_deviceSettings;
      device.m_nProductId = product.id;
      device.SetDefaults(product.id, product.major, product.minor);
      device.m_nVersionMajor = product.major;
      device.m_nVersionMinor = product.minor;
      window.m_nDeviceTarget = product.id;
      window.m_bDeviceRecognized = true;
      // Nothing was edited, so leaving the page asks nothing.
      window.m_dlgDeviceSetting.m_editedSettings.CopyFrom(device, true);
      window.RefreshControls();
      window.GoToDeviceSettingPage(true);
      WaitUntilIdle(window);
      const std::string name = text::Format("%02d-%s-5-grid-%04X-v%d.%d", language,
                                            text::GetLanguageEnglishName(language), product.id,
                                            product.major, product.minor);
      ok = Shoot(window, dir, name) && ok;
      if (grid.GetItemCount() > 9) {
        grid.SetItemState(grid.GetItemCount() - 1, fw::LVIS_FOCUSED, fw::LVIS_FOCUSED);
        ok = Shoot(window, dir, name + "-end") && ok;
      }
    }
  }
  return ok;
}

// For the pictures: the archived version in two voice prompts.
const std::string kDemoRevisionVariants =
    "VKT_TQG27N: v1.0 : English : VKT_TQG27N_v1.0_en.img\nVKT_TQG27N: v1.0 : French : VKT_TQG27N_v1.0_fr.img\n";

// Page 4 with an archive of the recognised headset (one an update left, else one made as an update
// would make it), then with the voice-prompt choice.
bool ShootRestorePage(app::CUpdaterDlg& window, sim::SimUpdateServer& server, const fs::path& dir,
                      const std::string& tag) {
  const std::string archive = platform::Paths::Get().ImageFolder() + "/VKT_TQG27N." +
                              firmware::kSettingsArchiveExtension;
  device::CDeviceSettings archived = window.m_deviceSettings;
  archived.m_anFmPreset = {8750, 10800, 0, 9620, 0, 0, 0, 0, 0, 10150};
  archived.m_bFmRds = 1;
  std::error_code error;
  if (!fs::exists(archive, error) &&
      !io::WriteFileAtomically(archive, firmware::FormatSettingsArchive(archived, std::time(nullptr)))) {
    return false;
  }
  window.GoToPage(4);
  WaitUntilIdle(window);
  bool ok = Shoot(window, dir, tag + "-4-restore");
  ok = ShootProgress(window, dir, tag) && ok;
  server.Serve(firmware::kRevisionsListName, kDemoRevisionVariants);
  window.GoToPage(4);
  WaitUntilIdle(window);
  ok = Shoot(window, dir, tag + "-4-restore-variants") && ok;
  server.Serve(firmware::kRevisionsListName, sim::kDemoRevisionsList);
  return ok;
}

// Page 6 for an FM product with a few presets on, then the page's range message and RDS help box;
// the wizard ends on page 5 again.
bool ShootFmPage(app::CUpdaterDlg& window, const fs::path& dir, const std::string& tag, int language) {
  device::CDeviceSettings& device = window.m_deviceSettings;
  device.m_nProductId = 0x5610;
  device.SetDefaults(0x5610, 1, 0);
  device.m_nFmRegion = 4;
  device.m_anFmPreset = {8750, 9010, 10130, 0, 0, 0, 9990, 0, 10800, 0};
  device.m_bFmRds = 1;
  window.m_nDeviceTarget = 0x5610;
  window.m_bDeviceRecognized = true;
  // Nothing was edited on page 5, so leaving it asks nothing.
  window.m_dlgDeviceSetting.m_editedSettings.CopyFrom(device, true);
  window.GoToDeviceSettingSecondPage(true);
  bool ok = Shoot(window, dir, tag + "-6-fm-presets");
  const struct {
    std::string text;
    bool warning;
    fw::Size size;
    const char* name;
  } boxes[] = {
      {text::Format(text::GetFmPresetRangeText(language), 87.5, 108.0), true, {415, 130}, "-6-fm-range"},
      {text::GetRdsHelpText(language), false, {540, 195}, "-6-fm-rds-help"},
  };
  for (const auto& b : boxes) {
    controls::CDialogMessageBox box(&window);
    box.Setup(b.text, b.warning, std::nullopt, text::GetOkText(language), b.size);
    if (!box.Create()) return false;
    box.ShowWindow(true);
    ok = Shoot(box, dir, tag + b.name) && ok;
    box.DestroyWindow();
  }
  window.GoToDeviceSettingPage(true);
  return ok;
}

// Every language, or only `only` when it names one.
int TakeScreenshots(int& argc, char** argv, sim::SimUpdateServer& server, const fs::path& dir, int only) {
  std::error_code error;
  fs::create_directories(dir, error);
  fw::Application application(argc, argv);
  app::CUpdaterDlg window;
  window.Create(nullptr);
  window.ShowWindow(true);
  window.FireTimer(app::TIMER_STARTUP);
  // The walk reaches into pages it has not shown yet.
  window.CreateLaterPages();
  bool ok = true;
  for (int language = 0; language < text::kLanguageCount; ++language) {
    if (only >= 0 && language != only) continue;
    const std::string tag = text::Format("%02d-%s", language, text::GetLanguageEnglishName(language));
    window.m_nLanguage = language;
    window.UpdateFonts();
    window.GoToSelectionPage();
    WaitUntilIdle(window);
    ok = Shoot(window, dir, tag + "-1-selection") && ok;
    window.SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_NEXT, fw::BN_CLICKED), 0);
    ok = Shoot(window, dir, tag + "-2-recognition") && ok;
    firmware::g_bOfferNewerFirmware = false;  // the offer is shot on its own below
    window.SendMessage(fw::WM_COMMAND, fw::MakeCommand(app::IDC_NEXT, fw::BN_CLICKED), 0);
    WaitUntilIdle(window);
    ok = Shoot(window, dir, tag + "-3-recognised") && ok;
    ok = ShootProgress(window, dir, tag) && ok;
    ok = ShootAbout(window, dir, tag) && ok;
    ok = ShootMessageBoxes(window, dir, tag, language) && ok;
    ok = ShootFirmwarePage(window, server, dir, tag) && ok;
    ok = ShootRestorePage(window, server, dir, tag) && ok;
    // The demo's headset holds no numbers; two show how a full and a short one look.
    window.m_deviceSettings.m_astrSpeedDial = {"+3584012345678901234", "112", ""};
    window.GoToSpeedDialPage(true);
    ok = Shoot(window, dir, tag + "-7-speed-dial") && ok;
    window.GoToDeviceSettingPage(true);
    ok = Shoot(window, dir, tag + "-5-settings") && ok;
    ok = ShootFmPage(window, dir, tag, language) && ok;
  }
  ok = ShootSettingsGrids(window, dir, only) && ok;
  window.DestroyWindow();
  ok = ShootGrid(dir) && ok;
  return ok ? 0 : 1;
}

// The main window that closes itself as the user's close does, a moment after page 1 shows.
class FirstPageThenClose : public app::CUpdaterDlg {
 public:
  void OnTimer(unsigned id) override {
    app::CUpdaterDlg::OnTimer(id);
    if (id == app::TIMER_STARTUP) SetTimer(kCloseTimer, kShownMs);
    if (id == kCloseTimer) {
      KillTimer(kCloseTimer);
      OnClose();
    }
  }

 private:
  static constexpr unsigned kCloseTimer = 90;
  static constexpr unsigned kShownMs = 250;
};

}  // namespace

int main(int argc, char** argv) {
  // Before any thread exists, so that every thread inherits the block.
  platform::BlockCloseSignals();
  platform::IgnoreFileSizeLimitSignal();
  const platform::CloseSignalThread closeSignals(platform::CloseSignalAction::kAskTheWindow);
  if (!fw::Application::HasDisplay(argc, argv)) {
    std::cerr << "corvale-manager-demo: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)\n";
    return 1;
  }
  // The walk makes up a headset's archive and settings: it works in a folder of its own, so that
  // the user's folders stay exactly as they were.
  const bool walk = argc >= 3 && std::string(argv[1]) == "--screenshots";
  bool temporary = true;
  const fs::path folder = walk ? PrivateTemporaryFolder() : DemoFolder(temporary);
  if (folder.empty()) {
    std::cerr << "corvale-manager-demo: cannot make a folder for the settings file, not even a temporary one\n";
    return 1;
  }
  // Removes the run's own temporary folder however main ends.
  struct RemoveAtExit {
    fs::path folder;
    ~RemoveAtExit() {
      std::error_code ignored;
      if (!folder.empty()) fs::remove_all(folder, ignored);
    }
  } cleanup{temporary ? folder : fs::path()};
  platform::FixedPaths paths(folder.string());
  platform::Paths::Scoped usePaths(paths);

  sim::DemoWorld world;

  if (walk) {
    // The walk has no window to ask: a signal ends it as it would any program.
    platform::SetCloseSignalAction(platform::CloseSignalAction::kEndProgram);
    return TakeScreenshots(argc, argv, world.server, argv[2], argc >= 4 ? std::atoi(argv[3]) : -1);
  }
  if (argc >= 2 && std::string(argv[1]) == "--first-page") {
    fw::Application application(argc, argv);
    FirstPageThenClose window;
    application.Run(window);
    return 0;
  }

  app::CUpdaterApp application(argc, argv);
  application.InitInstance();
  return 0;
}
