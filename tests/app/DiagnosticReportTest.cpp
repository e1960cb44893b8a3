// The diagnostic report's text, and the context-menu command that saves it.
#include <gtest/gtest.h>

#include <memory>
#include <algorithm>

#include "MainWindowFixture.h"
#include "SimBlueCoreHeadset.h"
#include "app/DiagnosticReport.h"
#include "controls/DialogMessageBox.h"
#include "framework/TestSeams.h"
#include "io/ScopedUmask.h"
#include "resources/Menus.h"

namespace {

using app::ComposeDiagnosticReport;
using app::ManagerState;
using app::SystemState;

constexpr const char* kDebianRelease =
    "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nNAME=\"Debian GNU/Linux\"\nVERSION_ID=\"12\"\n";

SystemState DebianOnPc() {
  SystemState system;
  system.kernel = platform::KernelIdentity{"Linux", "6.1.0-18-amd64", "#1 SMP Debian 6.1.76-1", "x86_64"};
  system.osRelease = kDebianRelease;
  system.usbDevices = {{0x1D6B, 0x0002, 0x0601, "1"}, {0x092B, 0x4D21, 0x0100, "1-2"}};
  // Two collections of one interface share its path; a Bluetooth HID device has no USB interface.
  system.hidInterfaces = {{"/dev/hidraw0", 0x092B, 0x4D21, 0xFF00, 1, 3},
                          {"/dev/hidraw0", 0x092B, 0x4D21, 0xFF00, 2, 3},
                          {"/dev/hidraw1", 0x046D, 0xB015, 0x0001, 6, -1}};
  return system;
}

// The part between "[Windows Information]\n" and the USB heading.
std::string SystemPart(const std::string& report) {
  const size_t start = report.find("[Windows Information]\n") + 22;
  return report.substr(start, report.find("[USB Information]\n") - start);
}

TEST(DiagnosticReport, RecognisedDeviceGivesEveryBlockInItsLayout) {
  ManagerState manager{"Device recognised.", true, 0x4D10, 0xCD21};
  device::CDeviceSettings record;
  record.m_nProductId = 0x4D21;
  record.m_strAddress = "0013A1[2B3C4D]";
  record.m_strDeviceName = "Helmet";
  record.m_nVersionMajor = 4;
  record.m_nVersionMinor = 10;
  record.m_nSecondaryVersionType = 1;
  record.m_nSecondaryVersion = 2;

  EXPECT_EQ(ComposeDiagnosticReport(manager, record, DebianOnPc()),
            "[Manager Information]\nStatus: Device recognised.\nVersion: 1.0\n\n"
            "[Device Information]\nRecognized: 1\nTarget Device: 4D10\nUSB Status: CD21\n"
            "Recognized Device: 4D21\nBD Address: 0013A1[2B3C4D]\nHardwareVersion: \nDevice Name: Helmet\n"
            "Device Version: 4.10\nSecondary Version Type: 1\nSecondary Version: 2\n\n"
            "[Windows Information]\nOS: Debian GNU/Linux 12 (bookworm)\nOS Version: 12\nMajor Version: 6\n"
            "Minor Version: 1\nBuild Number: 0\nCSD Version: 6.1.0-18-amd64 #1 SMP Debian 6.1.76-1\n"
            "Windows: 64bits\nApp Installed: " +
                std::string(sizeof(void*) == 8 ? "64bit" : "32bit") +
                "\n\n[USB Information]\nUSB\\VID_1D6B&PID_0002&REV_0601\nUSB\\VID_092B&PID_4D21&REV_0100\n"
                "USB\\VID_092B&PID_4D21&MI_03\n");
}

TEST(DiagnosticReport, NoDeviceShowsTheEmptyRecord) {
  const std::string report = ComposeDiagnosticReport({"", false, 0, 0}, device::CDeviceSettings{}, {});
  EXPECT_NE(report.find("Status: \nVersion: 1.0\n\n[Device Information]\nRecognized: 0\nTarget Device: 0000\n"
                        "USB Status: 0000\nRecognized Device: 0000\nBD Address: \nHardwareVersion: \n"
                        "Device Name: \nDevice Version: 0.0\nSecondary Version Type: 0\nSecondary Version: 0\n\n"),
            std::string::npos)
      << report;
}

TEST(DiagnosticReport, SystemOrBusThatCannotBeAskedLeavesOneLineInItsBlocksPlace) {
  SystemState noKernel = DebianOnPc();
  noKernel.kernel.reset();
  SystemState noBus = DebianOnPc();
  noBus.usbDevices.reset();
  SystemState neither;
  const device::CDeviceSettings record;
  // The system block's line replaces the blank line and the USB heading too.
  EXPECT_TRUE(ComposeDiagnosticReport({}, record, noKernel)
                  .ends_with("[Windows Information]\nFailed to get information\n"
                             "USB\\VID_1D6B&PID_0002&REV_0601\nUSB\\VID_092B&PID_4D21&REV_0100\n"
                             "USB\\VID_092B&PID_4D21&MI_03\n"));
  EXPECT_TRUE(ComposeDiagnosticReport({}, record, noBus)
                  .ends_with("App Installed: " + std::string(sizeof(void*) == 8 ? "64bit" : "32bit") +
                             "\n\n[USB Information]\nFailed to get information\n"));
  EXPECT_TRUE(ComposeDiagnosticReport({}, record, neither)
                  .ends_with("\n\n[Windows Information]\nFailed to get information\nFailed to get information\n"));
}

TEST(DiagnosticReport, TwoInterfaceProductsShowBothVersions) {
  device::CDeviceSettings record;
  record.m_anHidVersion1 = {1, 5, 0, 0, 9};
  record.m_anHidVersion2 = {1, 6, 2, 3, 9};
  record.m_nVersionMajor = 7;  // not shown for these products
  for (int product : {0x4210, 0x2030, 0x4530}) {
    record.m_nProductId = product;
    const std::string report = ComposeDiagnosticReport({}, record, DebianOnPc());
    EXPECT_NE(report.find("Device Version 01: 1.5\nSecondary Version Type 01: 0\nSecondary Version 01: 0\n"
                          "Device Version 02: 1.6\nSecondary Version Type 02: 2\nSecondary Version 02: 3\n\n"
                          "[Windows Information]\n"),
              std::string::npos)
        << report;
  }
  record.m_nProductId = 0x5345;  // a HID product outside the family has one version
  EXPECT_NE(ComposeDiagnosticReport({}, record, DebianOnPc()).find("\nDevice Version: 7.0\n"), std::string::npos);
}

TEST(DiagnosticReport, SystemLinesFromKernelAndDistribution) {
  struct Case {
    const char* what;
    platform::KernelIdentity kernel;
    std::optional<std::string> osRelease;
    const char* expected;
  };
  const Case cases[] = {
      {"single quotes, dotted version, no build line, 32-bit machine",
       {"Linux", "5.15.0-91-generic", "", "i686"},
       "NAME='Ubuntu'\r\nVERSION_ID='22.04'\r\n",
       "OS: Ubuntu\nOS Version: 22\nMajor Version: 5\nMinor Version: 15\nBuild Number: 0\n"
       "CSD Version: 5.15.0-91-generic\nWindows: 32bits\n"},
      {"escapes inside double quotes, no version id, short release",
       {"Linux", "6.8", "#2", "aarch64"},
       "ID=x\nPRETTY_NAME=\"My \\\"Box\\\"\"\n",
       "OS: My \"Box\"\nOS Version: 0\nMajor Version: 6\nMinor Version: 8\nBuild Number: 0\n"
       "CSD Version: 6.8 #2\nWindows: 64bits\n"},
      {"a backslash inside single quotes is a backslash",
       {"Linux", "6.1", "", "x86_64"},
       "NAME='Corvale\\nLinux'\n",
       "OS: Corvale\\nLinux\n"},
      {"no os-release: the kernel's name",
       {"Linux", "4.19.250", "#1", "armv7l"},
       std::nullopt,
       "OS: Linux\nOS Version: 0\nMajor Version: 4\nMinor Version: 19\nBuild Number: 250\n"
       "CSD Version: 4.19.250 #1\nWindows: 32bits\n"},
      {"a key that only starts alike, an unterminated quote, an unquoted value, an overlong number",
       {"Linux", "99999999999.1.2", "", "s390x"},
       "PRETTY_NAMES=wrong\nPRETTY_NAME=\"Open\nVERSION_ID=41\n",
       "OS: Open\nOS Version: 41\nMajor Version: 2147483647\nMinor Version: 1\nBuild Number: 2\n"
       "CSD Version: 99999999999.1.2\nWindows: 64bits\n"},
  };
  for (const Case& c : cases) {
    SystemState system;
    system.kernel = c.kernel;
    system.osRelease = c.osRelease;
    const std::string part = SystemPart(ComposeDiagnosticReport({}, {}, system));
    EXPECT_TRUE(part.starts_with(c.expected)) << c.what << "\n" << part;
  }
}

TEST(DiagnosticReport, FileNameAndFolder) {
  std::tm time{};
  time.tm_year = 2024 - 1900;
  time.tm_mon = 0;
  time.tm_mday = 31;
  time.tm_hour = 23;
  time.tm_min = 5;
  time.tm_sec = 9;
  EXPECT_EQ(app::DiagnosticLogFileName(time), "20240131230509_DiagnosticLog.kelnulog");
  EXPECT_EQ(app::FolderOf("/home/u/logs/x.kelnulog"), "/home/u/logs/");
  EXPECT_EQ(app::FolderOf("/x.kelnulog"), "/");
  EXPECT_EQ(app::FolderOf("x.kelnulog"), "");
}

// --- The menu command on the main window ---------------------------------------------------------

class DiagnosticLogCommand : public testing_app::StartedMainWindowTest {
 protected:
  void SetUp() override {
    StartedMainWindowTest::SetUp();
    usb_.Attach("1-2", std::make_shared<sim::SimBlueCoreHeadset>());
  }
  void Choose() { W().SendMessage(fw::WM_COMMAND, fw::MakeCommand(res::ID_MENU_DIAGNOSTIC_LOG, 0), 0); }

  platform::FixedSystemInfo system_{platform::KernelIdentity{"Linux", "6.1.0", "#1", "x86_64"}, kDebianRelease};
  platform::SystemInfo::Scoped useSystem_{system_};
  fw::FileDialogScript dialogs_;
};

TEST_F(DiagnosticLogCommand, RefusedWhileBusyOrWithThePageListOpen) {
  pages::BusyHold busy = W().HoldBusy();
  Choose();
  busy.Release();
  W().m_bPageListOpen = true;
  Choose();
  W().m_bPageListOpen = false;
  EXPECT_TRUE(dialogs_.Requests().empty());
}

TEST_F(DiagnosticLogCommand, CancelledDialogWritesNothing) {
  dialogs_.Cancel();
  Choose();
  ASSERT_EQ(dialogs_.Requests().size(), 1u);
  const fw::FileDialogRequest& request = dialogs_.Requests()[0];
  EXPECT_TRUE(request.save);
  EXPECT_EQ(request.folder, ImageFolder() + "/");
  EXPECT_EQ(request.filter, "Diagnostic Log Files(*.kelnulog)|");
  EXPECT_EQ(request.defaultExt, "");
  const std::string& name = request.defaultName;
  EXPECT_TRUE(name.size() == 37 && name.ends_with("_DiagnosticLog.kelnulog") &&
              std::all_of(name.begin(), name.begin() + 14, [](char c) { return c >= '0' && c <= '9'; }))
      << name;
  EXPECT_EQ(W().m_strCurrentPath, "");
  EXPECT_EQ(std::system(("test -z \"$(ls -A '" + ImageFolder() + "')\"").c_str()), 0) << "a file was written";
}

TEST_F(DiagnosticLogCommand, ChosenFileGetsTheReportWithCrLfAndItsFolderIsRemembered) {
  Recognise(W(), 0x4D10);
  W().m_deviceSettings.m_nProductId = 0x4D21;
  W().m_deviceSettings.m_strDeviceName = "Helmet";
  W().m_staticStatusText.SetWindowText("Ready.");
  hid_.Add(0x092B, 0x4D21);
  const std::string path = folder_ + "/report.kelnulog";
  dialogs_.Choose(path);
  {
    testing_io::ScopedUmask mask(027);
    Choose();
  }

  const std::optional<std::string> file = io::ReadWholeFile(path);
  ASSERT_TRUE(file);
  EXPECT_EQ(testing_io::ModeOf(path), 0640u) << "as private as the umask makes new files";
  EXPECT_TRUE(file->starts_with("[Manager Information]\r\nStatus: Ready.\r\nVersion: 1.0\r\n\r\n"
                                "[Device Information]\r\nRecognized: 1\r\nTarget Device: 4D10\r\n"
                                "USB Status: 4D10\r\nRecognized Device: 4D21\r\n"))
      << *file;
  EXPECT_NE(file->find("Device Name: Helmet\r\n"), std::string::npos);
  EXPECT_NE(file->find("OS: Debian GNU/Linux 12 (bookworm)\r\n"), std::string::npos);
  EXPECT_NE(file->find("[USB Information]\r\nUSB\\VID_092B&PID_4D21&REV_"), std::string::npos) << *file;
  EXPECT_NE(file->find("USB\\VID_092B&PID_4D21&MI_00\r\n"), std::string::npos) << *file;
  for (size_t i = 0; i < file->size(); ++i) {
    if ((*file)[i] == '\n') {
      ASSERT_TRUE(i > 0 && (*file)[i - 1] == '\r') << "a bare line feed at " << i;
    }
  }
  EXPECT_EQ(W().m_strCurrentPath, folder_ + "/");

  // The next dialog opens there, and the settings file keeps the folder for the next run.
  dialogs_.Cancel();
  Choose();
  ASSERT_EQ(dialogs_.Requests().size(), 2u);
  EXPECT_EQ(dialogs_.Requests()[1].folder, folder_ + "/");
  ASSERT_TRUE(W().SaveSettingsFile());
  EXPECT_NE(SettingsFile().value_or("").find(folder_ + "/"), std::string::npos);
}

// A remembered folder that is gone (removed, or on a drive taken away) would leave the dialog in the
// process's working folder: it opens in the home folder instead, and speaks the UI language.
TEST_F(DiagnosticLogCommand, AFolderThatIsGoneGivesWayToTheHomeFolderAndTheDialogSpeaksTheUiLanguage) {
  const std::string home = folder_ + "/home";
  ASSERT_EQ(mkdir(home.c_str(), 0755), 0);
  const char* before = std::getenv("HOME");
  const std::string previous = before ? before : "";
  setenv("HOME", home.c_str(), 1);
  W().m_strCurrentPath = folder_ + "/gone/";
  W().m_nLanguage = 2;
  dialogs_.Cancel();
  Choose();
  if (before) {
    setenv("HOME", previous.c_str(), 1);
  } else {
    unsetenv("HOME");
  }
  ASSERT_EQ(dialogs_.Requests().size(), 1u);
  EXPECT_EQ(dialogs_.Requests()[0].folder, home + "/");
  EXPECT_EQ(dialogs_.Requests()[0].locale, "de");
}

TEST_F(DiagnosticLogCommand, UnwritableChoiceSaysSoAndTheFolderIsRemembered) {
  const std::string path = folder_ + "/missing/report.kelnulog";
  dialogs_.Choose(path);
  fw::ModalScript script;
  script.Press(fw::IDOK);
  Choose();
  EXPECT_FALSE(io::ReadWholeFile(path));
  ASSERT_EQ(script.Dialogs().size(), 1u);
  EXPECT_EQ(script.Last().Text(controls::IDC_MESSAGE_TEXT), "Cannot open file");
  EXPECT_EQ(W().m_strCurrentPath, folder_ + "/missing/");
}

}  // namespace
