#include "app/SettingsFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "io/AtomicFile.h"
#include "ScratchFolder.h"
#include "io/FaultyDisk.h"
#include "io/FilesBeside.h"
#include "platform/ProcessSignals.h"

namespace {

struct ParseCase {
  const char* name;
  std::string text;
  int language;
  int target;
  std::string currentPath;
  std::string managerVersion;
};

TEST(SettingsFile, ParsesLinesAsTheProgramWroteOrAsPeopleEdit) {
  const ParseCase cases[] = {
      {"CR LF, blanks and name case", "keyManagerLanguage = german\r\nkeyDeviceTarget=19745\r\n", 2, 0x4D21, "", "v0.0"},
      {"key case matters", "KeyManagerLanguage=German\nkeyManagerLanguage=Dutch\n", 7, 0, "", "v0.0"},
      {"unknown language name", "keyManagerLanguage=Klingon\n", 0, 0, "", "v0.0"},
      {"value holds =", "keyCurrentPath=/home/a=b/\n", 0, 0, "/home/a=b/", "v0.0"},
      {"later line wins", "keyDeviceTarget=1\nkeyDeviceTarget=19728\n", 0, 0x4D10, "", "v0.0"},
      {"leading empty lines", "\n\n\r\nkeyManagerVersion=v9.9\n", 0, 0, "", "v9.9"},
      {"no = or = first", "=German\nkeyManagerLanguage\nkeyDeviceTarget=12abc\n", 0, 12, "", "v0.0"},
      {"last line without line end", "keyDeviceTarget= -5", 0, -5, "", "v0.0"},
      {"huge number clamps", "keyDeviceTarget=99999999999999999999\n", 0, 2147483647, "", "v0.0"},
      {"UTF-8 path", "keyCurrentPath=/home/jürgen/ファイル\n", 0, 0, "/home/jürgen/ファイル", "v0.0"},
      // Bytes that are not UTF-8 read as the key's default, also over an earlier valid line.
      {"Latin-1 path", "keyCurrentPath=/a\nkeyCurrentPath=/home/j\xFCrgen\n", 0, 0, "", "v0.0"},
      {"cut sequence, surrogate", "keyCurrentPath=/x\xE3\x83\nkeyManagerVersion=v\xED\xA0\x80\n", 0, 0, "", "v0.0"},
  };
  for (const ParseCase& c : cases) {
    app::ManagerPreferences prefs;
    app::ParseSettingsText(c.text, prefs);
    EXPECT_EQ(prefs.language, c.language) << c.name;
    EXPECT_EQ(prefs.deviceTarget, c.target) << c.name;
    EXPECT_EQ(prefs.currentPath, c.currentPath) << c.name;
    EXPECT_EQ(prefs.managerVersion, c.managerVersion) << c.name;
  }
  app::ManagerPreferences prefs;
  app::ParseSettingsText("keyFirmwareLanguage=Fran\xE7" "ais\n", prefs);
  EXPECT_EQ(prefs.firmwareLanguage, "English");
}

TEST(SettingsFile, WritesFourOrSixLinesWithCrLfAndAlwaysVersionOne) {
  app::ManagerPreferences prefs;
  prefs.managerVersion = "v7.7";
  prefs.language = 1;
  prefs.applyToFirmwareLanguage = false;
  prefs.deviceTarget = 0x4D10;
  prefs.firmwareLanguage.clear();
  EXPECT_EQ(app::FormatSettingsText(prefs),
            "keyManagerVersion=v1.0\r\nkeyManagerLanguage=French\r\nkeyApplyToFirmwareLanguage=0\r\n"
            "keyDeviceTarget=19728\r\n");
  prefs.firmwareLanguage = "German";
  prefs.currentPath = "/tmp/x";
  EXPECT_EQ(app::FormatSettingsText(prefs),
            "keyManagerVersion=v1.0\r\nkeyManagerLanguage=French\r\nkeyApplyToFirmwareLanguage=0\r\n"
            "keyDeviceTarget=19728\r\nkeyFirmwareLanguage=German\r\nkeyCurrentPath=/tmp/x\r\n");
}

TEST(SettingsFile, EveryInterfaceLanguageComesBack) {
  for (int language : {0, 1, 9, 10}) {
    app::ManagerPreferences written;
    written.language = language;
    app::ManagerPreferences read;
    read.language = -1;
    app::ParseSettingsText(app::FormatSettingsText(written), read);
    EXPECT_EQ(read.language, language);
  }
}

TEST(SettingsFile, AFileOfExactlyTheLargestSizeIsReadAndALargerOneIsNot) {
  char pattern[] = "/tmp/corvale-settings-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::string folder = pattern;
  const std::string line = "keyDeviceTarget=19728\r\n";
  constexpr size_t kLargest = 1u << 20;
  for (size_t size : {kLargest, kLargest + 1}) {
    SCOPED_TRACE(size);
    // Blank lines, then the one key, ending exactly at `size` bytes.
    ASSERT_TRUE(io::WriteFileAtomically(folder + "/" + app::kSettingsFileName,
                                        std::string(size - line.size(), '\n') + line));
    app::ManagerPreferences prefs;
    EXPECT_EQ(app::LoadSettingsFile(folder, prefs),
              size == kLargest ? app::SettingsFileLoad::kRead : app::SettingsFileLoad::kUnreadable);
    EXPECT_EQ(prefs.deviceTarget, size == kLargest ? 0x4D10 : 0);
  }
  std::system(("rm -rf '" + folder + "'").c_str());
}

TEST(SettingsFile, RoundTripsThroughTheImageFolderAndFailsQuietlyWithoutIt) {
  char pattern[] = "/tmp/corvale-settings-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::string folder = pattern;
  app::ManagerPreferences prefs;
  EXPECT_EQ(app::SaveSettingsFile(folder + "/IMG", prefs).outcome, app::SettingsFileSave::kFailed)
      << "the IMG folder is never created";
  EXPECT_EQ(app::LoadSettingsFile(folder + "/IMG", prefs), app::SettingsFileLoad::kMissing);
  EXPECT_EQ(prefs.language, 0);

  ASSERT_EQ(mkdir((folder + "/IMG").c_str(), 0755), 0);
  prefs.language = 4;
  prefs.deviceTarget = 0x4D10;
  prefs.currentPath = "/data/images";
  ASSERT_EQ(app::SaveSettingsFile(folder + "/IMG", prefs).outcome, app::SettingsFileSave::kReplaced);
  app::ManagerPreferences read;
  ASSERT_EQ(app::LoadSettingsFile(folder + "/IMG", read), app::SettingsFileLoad::kRead);
  EXPECT_EQ(read.language, 4);
  EXPECT_EQ(read.deviceTarget, 0x4D10);
  EXPECT_EQ(read.currentPath, "/data/images");
  EXPECT_EQ(read.firmwareLanguage, "English");
  EXPECT_EQ(read.managerVersion, "v1.0");
  std::system(("rm -rf '" + folder + "'").c_str());
}

// The same settings saved as UTF-16 (as an editor may), in either byte order.
std::string AsUtf16(const std::string& ascii, bool bigEndian) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char c : ascii) out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
  return out;
}

// A file with text in which no line is a key of ours is not our file (another encoding, other
// bytes): it is kept, and none of its lines sets a value. An empty file, or one with a single key of
// ours among strange lines, is ours.
TEST(SettingsFile, AFileWithNoKeyOfOursIsNotTakenAsRead) {
  testutil::ScratchFolder folder;
  const std::string ours = "keyManagerLanguage=Dutch\r\nkeyDeviceTarget=19728\r\n";
  std::mt19937 random(7);
  std::string noise(3000, '\0');
  for (char& c : noise) c = static_cast<char>(random());
  const struct {
    const char* name;
    std::string text;
    app::SettingsFileLoad load;
  } cases[] = {
      {"UTF-16 LE", AsUtf16(ours, false), app::SettingsFileLoad::kNotOurs},
      {"UTF-16 BE", AsUtf16(ours, true), app::SettingsFileLoad::kNotOurs},
      {"random bytes", noise, app::SettingsFileLoad::kNotOurs},
      {"other keys", "language=Dutch\r\nKEYDEVICETARGET=1\r\n", app::SettingsFileLoad::kNotOurs},
      {"blank lines", "\r\n\r\n", app::SettingsFileLoad::kNotOurs},
      {"empty", "", app::SettingsFileLoad::kRead},
      {"one key among noise", noise + "\nkeyManagerLanguage=Dutch\n", app::SettingsFileLoad::kRead},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(io::WriteFileAtomically(folder.File(app::kSettingsFileName), c.text));
    app::ManagerPreferences prefs;
    prefs.deviceTarget = 77;
    EXPECT_EQ(app::LoadSettingsFile(folder.Path(), prefs), c.load);
    EXPECT_EQ(prefs.deviceTarget, 77);
    EXPECT_EQ(prefs.language, c.load == app::SettingsFileLoad::kRead && !c.text.empty() ? 7 : 0);
  }
}

// Only a folder that refuses new files leads to overwriting the file in place: a full disk, a
// quota, a missing folder or too many open files leave the old file exactly as it was.
TEST(SettingsFile, OnlyAFolderThatRefusesNewFilesLeadsToTheInPlaceWrite) {
  testutil::ScratchFolder folder;
  const std::string path = folder.File(app::kSettingsFileName);
  const std::string old = "keyManagerLanguage=Dutch\r\n";
  app::ManagerPreferences prefs;
  prefs.language = 2;
  const struct {
    int error;
    app::SettingsFileSave outcome;
  } cases[] = {
      {EACCES, app::SettingsFileSave::kWrittenInPlace}, {EPERM, app::SettingsFileSave::kWrittenInPlace},
      {ENOSPC, app::SettingsFileSave::kFailed},         {EDQUOT, app::SettingsFileSave::kFailed},
      {ENOENT, app::SettingsFileSave::kFailed},         {EMFILE, app::SettingsFileSave::kFailed},
      {EROFS, app::SettingsFileSave::kFailed},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    ASSERT_TRUE(io::WriteFileAtomically(path, old));
    testing_io::FaultyDisk disk;
    disk.createError = c.error;
    app::SettingsFileSaved saved{};
    {
      io::DiskCalls::Scoped useDisk(disk);
      saved = app::SaveSettingsFile(folder.Path(), prefs);
    }
    EXPECT_EQ(saved.outcome, c.outcome);
    EXPECT_EQ(io::ReadWholeFile(path), c.outcome == app::SettingsFileSave::kFailed ? old : app::FormatSettingsText(prefs));
    if (c.outcome == app::SettingsFileSave::kFailed) {
      EXPECT_EQ(saved.error, c.error);
    }
  }
}

// The program ignores the signal of the file-size limit at start-up, so that a save beyond the
// limit fails as on a full disk and keeps the old file instead of ending the program halfway. The
// whole case runs in a child process: the limit and the signal are the process's.
TEST(SettingsFile, ASaveBeyondTheFileSizeLimitFailsAndKeepsTheOldFile) {
  const std::string style = GTEST_FLAG_GET(death_test_style);
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // the toolkit may run threads: no bare fork
  EXPECT_EXIT(
      {
        char pattern[] = "/tmp/corvale-settings-XXXXXX";
        if (!mkdtemp(pattern)) std::_Exit(10);
        const std::string folder = pattern;
        const std::string old = "keyManagerLanguage=Dutch\r\n";
        if (!io::WriteFileAtomically(folder + "/" + app::kSettingsFileName, old)) std::_Exit(11);
        platform::IgnoreFileSizeLimitSignal();
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 40;  // the new file needs more
        setrlimit(RLIMIT_FSIZE, &limit);
        const bool saved =
            app::SaveSettingsFile(folder, app::ManagerPreferences{}).outcome != app::SettingsFileSave::kFailed;
        const bool kept = io::ReadWholeFile(folder + "/" + app::kSettingsFileName) == old &&
                          testing_io::FilesBeside(folder + "/" + app::kSettingsFileName).empty();
        std::filesystem::remove_all(folder);
        std::_Exit(saved ? 12 : kept ? 0 : 13);
      },
      testing::ExitedWithCode(0), "");
  GTEST_FLAG_SET(death_test_style, style);
}

}  // namespace
