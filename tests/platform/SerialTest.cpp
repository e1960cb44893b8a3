#include "platform/Serial.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

TEST(Serial, TtyUsbNumberTakesOnlyTheWholeName) {
  struct Case {
    const char* name;
    std::optional<int> number;
  };
  const Case cases[] = {{"ttyUSB0", 0},        {"ttyUSB17", 17},       {"ttyUSB999999", 999999},
                        {"ttyUSB", std::nullopt}, {"ttyUSB1234567", std::nullopt}, {"ttyUSB1a", std::nullopt},
                        {"ttyACM0", std::nullopt}, {"tty", std::nullopt},    {"xttyUSB1", std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(platform::TtyUsbNumber(c.name), c.number) << c.name;
}

// A small /sys/bus/usb/devices: a root hub, a headset, and what the case adds.
class FakeSysfs {
 public:
  FakeSysfs() {
    static int serial = 0;
    root_ = fs::temp_directory_path() /
            ("corvale-sysfs-" + std::to_string(::getpid()) + "-" + std::to_string(++serial));
    Device("usb1", "1d6b");
    Interface("usb1", "1-0:1.0", "");
    Device("1-1", "092b");
    Interface("1-1", "1-1:1.0", "");
  }
  ~FakeSysfs() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  void Device(const std::string& name, const std::string& vendor) {
    fs::create_directories(root_ / name);
    std::ofstream(root_ / name / "idVendor") << vendor << "\n";
  }
  // `tty` empty: an interface without a bound serial port.
  void Interface(const std::string& device, const std::string& name, const std::string& tty) {
    fs::create_directories(root_ / device / name / "driver");
    if (!tty.empty()) fs::create_directories(root_ / device / name / tty / "tty");
  }
  const fs::path& Root() const { return root_; }

 private:
  fs::path root_;
};

TEST(Serial, FirstFtdiAdapterGivesItsLowestPort) {
  FakeSysfs sysfs;
  EXPECT_FALSE(platform::FindFtdiAdapterPort(sysfs.Root()).adapterFound);

  sysfs.Device("1-3", "0403");
  sysfs.Interface("1-3", "1-3:1.0", "");
  auto port = platform::FindFtdiAdapterPort(sysfs.Root());
  EXPECT_TRUE(port.adapterFound);
  EXPECT_EQ(port.portNumber, -1) << "no driver bound: the adapter is there, its port is not";

  sysfs.Interface("1-3", "1-3:1.1", "ttyUSB4");
  sysfs.Interface("1-3", "1-3:1.0", "ttyUSB2");
  sysfs.Device("1-4", "0403");
  sysfs.Interface("1-4", "1-4:1.0", "ttyUSB0");
  port = platform::FindFtdiAdapterPort(sysfs.Root());
  EXPECT_TRUE(port.adapterFound);
  EXPECT_EQ(port.portNumber, 2);

  EXPECT_FALSE(platform::FindFtdiAdapterPort(sysfs.Root() / "missing").adapterFound);
}

}  // namespace
