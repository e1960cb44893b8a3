#include "firmware/transfer/UpdateThreadExternalTools.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "TransferRig.h"
#include "firmware/transfer/ExtractedSectionFile.h"
#include "io/HidInterfaceLookup.h"
#include "localization/FirmwareTexts.h"
#include "localization/StatusTexts.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/Serial.h"

namespace {

namespace fs = std::filesystem;
using firmware::JOB_ERROR_FAILED;
using transfertest::Bytes;
using transfertest::TransferRig;

constexpr int kTarget = 0x5345;

// The tools as the thread sees them: each run answers with the next scripted output and is
// recorded with what the extracted files held and how far the job was at that moment.
class ScriptedToolRunner : public platform::ProcessRunner {
 public:
  struct Call {
    std::vector<std::string> argv;
    std::string dfuFile, hexFile;  // contents, empty when absent
    int percent;
  };
  std::vector<platform::ProcessResult> script;
  std::vector<Call> calls;
  std::function<Call(const std::vector<std::string>&)> observe;

  platform::ProcessResult Run(const std::vector<std::string>& argv, std::chrono::milliseconds) override {
    calls.push_back(observe(argv));
    if (calls.size() > script.size()) return {true, false, ""};
    return script[calls.size() - 1];
  }
};

platform::ProcessResult Printing(const std::string& output) { return {true, false, output}; }

struct Sent {
  int interfaceIndex;
  uint8_t command;
  bool operator==(const Sent&) const = default;
};

struct ExternalToolsRig : TransferRig {
  sim::SimHidBus modules;
  platform::HidBus::Scoped busScope{modules};
  platform::FixedPaths paths{dir.string()};
  platform::Paths::Scoped pathsScope{paths};
  platform::FakeSerial serial{{true, 3}};
  platform::Serial::Scoped serialScope{serial};
  ScriptedToolRunner tools;
  platform::ProcessRunner::Scoped toolsScope{tools};

  std::vector<uint8_t> bluetooth = Bytes(1500, 7), microcontroller = Bytes(300, 90);
  // Interface 0 is module B and interface 1 module A, so that nothing works by order alone.
  std::array<uint8_t, 2> roleBytes{1, 0};
  std::vector<Sent> sent;
  // (interface, command) -> which occurrence (1-based) is refused.
  std::map<std::pair<int, uint8_t>, int> refuseAt;
  bool dfuDeviceAppears = true;
  std::string dfuPath, hexPath;

  explicit ExternalToolsRig(bool withImgFolder = true, int interfaces = 2) {
    if (withImgFolder) fs::create_directories(dir / "IMG");
    dfuPath = (dir / "IMG" / firmware::kBluetoothImageFileName).string();
    hexPath = (dir / "IMG" / firmware::kMicrocontrollerImageFileName).string();
    for (int i = 0; i < interfaces; ++i) {
      const uint16_t product = i == 0 ? io::HID_PAIR_PRODUCT_FIRST : io::HID_PAIR_PRODUCT_SECOND;
      modules.Add(io::HID_VENDOR_ID, product, 0xFF00, 1, [this, i](const std::vector<uint8_t>& r) { return Answer(i, r); });
    }
    tools.observe = [this](const std::vector<std::string>& argv) {
      return ScriptedToolRunner::Call{argv, Contents(dfuPath), Contents(hexPath), job.m_nPercent.load()};
    };
    WriteImage(ImageOf({{0, 0, bluetooth}, {1, 0, microcontroller}}));
  }

  static sim::SimContainerSpec ImageOf(std::vector<sim::SimImageSection> sections, uint32_t product = kTarget) {
    sim::SimContainerSpec spec;
    spec.productId = product;
    spec.sections = std::move(sections);
    return spec;
  }

  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  std::vector<uint8_t> Answer(int index, const std::vector<uint8_t>& request) {
    const uint8_t command = request[1];
    sent.push_back({index, command});
    int occurrence = 0;
    for (const Sent& s : sent) occurrence += s == Sent{index, command};
    std::vector<uint8_t> reply(io::HID_REPORT_IN_SIZE, 0);
    reply[0] = io::HID_REPORT_ID;
    const auto refusal = refuseAt.find({index, command});
    reply[io::HID_REPLY_STATUS] = refusal != refuseAt.end() && refusal->second == occurrence ? 2 : io::HID_STATUS_OK;
    if (command == io::HID_CMD_GET_ROLE) reply[io::HID_REPLY_DATA] = roleBytes[index];
    if (command == io::HID_CMD_MODULE_DFU && dfuDeviceAppears) {
      modules.Add(io::HID_VENDOR_ID, io::HID_PAIR_PRODUCT_DFU, 0xFF00, 1);
      dfuDeviceAppears = false;  // one module at a time is in DFU mode: the count is already 1
    }
    return reply;
  }

  void Run() { firmware::UpdateThreadExternalTools(Context(3, kTarget), {}); }
  bool AnyExtractedFileLeft() const { return fs::exists(dfuPath) || fs::exists(hexPath); }
  std::string Failure(const std::string& reason, const std::string& tag) {
    return text::GetPageFailureText(3, 0, 0) + ". " + reason + tag;
  }
};

TEST(UpdateThreadExternalTools, FlashesBothModulesAndTheMicrocontrollerThenDeletesTheFiles) {
  for (const bool dfuDeviceShowsUp : {true, false}) {
    SCOPED_TRACE(dfuDeviceShowsUp ? "DFU device shows up" : "no DFU device: the tool decides");
    ExternalToolsRig rig;
    rig.dfuDeviceAppears = dfuDeviceShowsUp;
    rig.tools.script = {Printing("Opening...\r\nupgrade succeeded\r\n"), Printing("upgrade succeeded"),
                        Printing("Erasing\r\nDOWNLOADING 100%\r\n")};
    rig.Run();

    ASSERT_EQ(rig.tools.calls.size(), 3u);
    const std::vector<std::string> dfuArgv = {"HidDfuCmd.exe", "upgrade", "092b", "d340", "0", "0", rig.dfuPath};
    EXPECT_EQ(rig.tools.calls[0].argv, dfuArgv);
    EXPECT_EQ(rig.tools.calls[1].argv, dfuArgv);
    EXPECT_EQ(rig.tools.calls[2].argv,
              (std::vector<std::string>{(rig.dir / "STMFlashLoader.exe").string(), "-c", "--pn", "3", "--br", "115200",
                                        "-i", "STM32F1_Med-density_128K", "-e", "--all", "-d", "--a", "8000000",
                                        "--fn", rig.hexPath}));
    // Each tool found its section written out whole.
    for (const auto& call : rig.tools.calls) {
      EXPECT_EQ(call.dfuFile, std::string(rig.bluetooth.begin(), rig.bluetooth.end()));
      EXPECT_EQ(call.hexFile, std::string(rig.microcontroller.begin(), rig.microcontroller.end()));
    }
    EXPECT_EQ(rig.tools.calls[1].percent, 36);
    EXPECT_EQ(rig.tools.calls[2].percent, 66);
    EXPECT_EQ(rig.job.m_nPercent, 89);

    // Module A (interface 1) is flashed first while B waits, then B while A waits; B boots the
    // microcontroller and hears that the update is over.
    const uint8_t normal = io::HID_CMD_MODULE_NORMAL, dfu = io::HID_CMD_MODULE_DFU, role = io::HID_CMD_GET_ROLE;
    const std::vector<Sent> expected = {
        {0, normal}, {1, normal}, {0, role}, {1, role}, {1, dfu}, {0, normal},                             // A
        {0, normal}, {1, normal}, {0, role}, {1, role}, {0, dfu}, {1, normal},                             // B
        {0, normal}, {1, normal}, {0, role}, {1, role}, {0, io::HID_CMD_MCU_BOOT}, {0, normal}, {1, normal},  // MCU
        {0, normal}, {1, normal}, {0, role}, {1, role}, {0, io::HID_CMD_MODULES_DONE}};
    EXPECT_EQ(rig.sent, expected);

    EXPECT_FALSE(rig.AnyExtractedFileLeft());
    EXPECT_EQ(rig.job.m_nState, firmware::JOB_TRANSFERRING) << "the device-back check ends the job";
    EXPECT_FALSE(rig.job.m_bFinished);
    EXPECT_EQ(rig.job.m_nError, firmware::JOB_ERROR_NONE);
    EXPECT_EQ(rig.armCalls, 1);
    EXPECT_EQ(rig.archiveCalls, 1);
    EXPECT_EQ(rig.clock.slept, dfuDeviceShowsUp ? 22000u : 52000u);
  }
}

TEST(UpdateThreadExternalTools, GivesUpWithItsTagAndLeavesNoExtractedFile) {
  const std::string dfuCommand = "HidDfuCmd.exe upgrade 092b d340 0 0 \"";
  struct Case {
    const char* what;
    std::function<void(ExternalToolsRig&)> arrange;
    std::string tag;  // appended to "Cannot get status"; "DFU" for the DFU tool's own message
    size_t toolRuns;
    int percent;
  };
  const Case cases[] = {
      {"first module not flashed", [](ExternalToolsRig& r) { r.tools.script = {Printing("upgrade failed")}; }, "DFU", 1, -10},
      {"DFU tool not started", [](ExternalToolsRig& r) { r.tools.script = {{false, false, ""}}; }, "DFU", 1, -10},
      {"second module not flashed",
       [](ExternalToolsRig& r) { r.tools.script = {Printing("upgrade succeeded"), Printing("Upgrade Succeeded")}; },
       "DFU", 2, 36},
      {"flash loader without its success text",
       [](ExternalToolsRig& r) { r.tools.script = {Printing("upgrade succeeded"), Printing("upgrade succeeded"),
                                                   Printing("Error: no response")}; },
       "[25]", 3, 89},
      {"both modules claim role A", [](ExternalToolsRig& r) { r.roleBytes = {0, 0}; }, "[20]", 0, -10},
      {"both modules claim role B", [](ExternalToolsRig& r) { r.roleBytes = {2, 1}; }, "[20]", 0, -10},
      {"a refused role query names no role",
       [](ExternalToolsRig& r) { r.refuseAt[{1, io::HID_CMD_GET_ROLE}] = 1; }, "[20]", 0, -10},
      {"roles lost in the closing pass", [](ExternalToolsRig& r) {
         r.refuseAt[{0, io::HID_CMD_GET_ROLE}] = 4;
       }, "[20]", 3, 89},
      {"unknown COM port", [](ExternalToolsRig& r) { r.serial = platform::FakeSerial({true, -1}); }, "[23]", 2, 66},
      {"no FTDI adapter", [](ExternalToolsRig& r) { r.serial = platform::FakeSerial({false, -1}); }, "[24]", 2, 66},
      {"module A refuses to wait", [](ExternalToolsRig& r) { r.refuseAt[{1, io::HID_CMD_MODULE_NORMAL}] = 3; },
       "[28]", 1, 36},
      {"interface 0 refused before the microcontroller",
       [](ExternalToolsRig& r) { r.refuseAt[{0, io::HID_CMD_MODULE_NORMAL}] = 4; }, "[29]", 2, 66},
      {"interface 1 refused before the microcontroller",
       [](ExternalToolsRig& r) { r.refuseAt[{1, io::HID_CMD_MODULE_NORMAL}] = 4; }, "[30]", 2, 66},
      {"microcontroller boot refused", [](ExternalToolsRig& r) { r.refuseAt[{0, io::HID_CMD_MCU_BOOT}] = 1; },
       "[21]", 2, 66},
      {"module refused after the boot", [](ExternalToolsRig& r) { r.refuseAt[{1, io::HID_CMD_MODULE_NORMAL}] = 5; },
       "[18]", 2, 66},
      {"interface 0 refused in the closing pass",
       [](ExternalToolsRig& r) { r.refuseAt[{0, io::HID_CMD_MODULE_NORMAL}] = 6; }, "[38]", 3, 89},
      {"interface 1 refused in the closing pass",
       [](ExternalToolsRig& r) { r.refuseAt[{1, io::HID_CMD_MODULE_NORMAL}] = 6; }, "[39]", 3, 89},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ExternalToolsRig rig;
    rig.tools.script = {Printing("upgrade succeeded"), Printing("upgrade succeeded"), Printing("DOWNLOADING")};
    c.arrange(rig);
    rig.Run();
    const std::string reason = text::GetCannotGetStatusText(0);
    if (c.tag == "DFU")
      EXPECT_EQ(rig.EnglishMessage(), rig.Failure(reason, "[1][19](" + dfuCommand + rig.dfuPath + "\")"));
    else
      EXPECT_EQ(rig.EnglishMessage(), rig.Failure(reason, c.tag));
    EXPECT_EQ(rig.tools.calls.size(), c.toolRuns);
    EXPECT_EQ(rig.job.m_nPercent, c.percent);
    EXPECT_EQ(rig.job.m_nError, JOB_ERROR_FAILED);
    EXPECT_TRUE(rig.job.m_bFinished);
    EXPECT_EQ(rig.gaveUpCalls, 1);
    EXPECT_EQ(rig.armCalls, 0);
    EXPECT_FALSE(rig.AnyExtractedFileLeft());
  }
}

TEST(UpdateThreadExternalTools, InterfacePairMissingGivesUpAfterTwentyAttempts) {
  ExternalToolsRig rig(/*withImgFolder=*/true, /*interfaces=*/1);
  rig.Run();
  EXPECT_EQ(rig.EnglishMessage(), rig.Failure(text::GetCannotGetStatusText(0), "[16]"));
  EXPECT_EQ(rig.clock.slept, 20000u);
  EXPECT_TRUE(rig.sent.empty());
  EXPECT_FALSE(rig.AnyExtractedFileLeft());
  EXPECT_EQ(rig.job.m_nState, firmware::JOB_TRANSFERRING);
}

TEST(UpdateThreadExternalTools, RefusesImagesBeforeWritingAnything) {
  struct Case {
    const char* what;
    std::function<void(ExternalToolsRig&)> arrange;
    const char* tag;
    int state;
  };
  using Rig = ExternalToolsRig;
  const Case cases[] = {
      {"missing", [](Rig& r) { r.imagePath = (r.dir / "none.img").string(); }, "[2]", firmware::JOB_REQUESTED},
      {"shorter than a header", [](Rig& r) { r.WriteBytes(Bytes(35)); }, "[3]", firmware::JOB_REQUESTED},
      {"another product", [](Rig& r) { r.WriteImage(Rig::ImageOf({{0, 0, Bytes(9)}, {1, 0, Bytes(9)}}, 0x5346)); },
       "[6]", firmware::JOB_CHECKING_IMAGE},
      {"section past the end",
       [](Rig& r) {
         auto bytes = sim::MakeFirmwareImage(Rig::ImageOf({{0, 0, Bytes(9)}, {1, 0, Bytes(9)}}));
         bytes[sim::DescriptorOffset(2, 1) + 12] = 0xFF;  // the length
         r.WriteBytes(bytes);
       },
       "[7]", firmware::JOB_CHECKING_IMAGE},
      {"one section only", [](Rig& r) { r.WriteImage(Rig::ImageOf({{0, 0, Bytes(9)}})); }, "[7]",
       firmware::JOB_CHECKING_IMAGE},
      {"digest differs",
       [](Rig& r) {
         auto bytes = sim::MakeFirmwareImage(Rig::ImageOf({{0, 0, Bytes(9)}, {1, 0, Bytes(9)}}));
         bytes.back() ^= 1;
         r.WriteBytes(bytes);
       },
       "[8]", firmware::JOB_CHECKING_IMAGE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ExternalToolsRig rig;
    c.arrange(rig);
    rig.Run();
    EXPECT_EQ(rig.EnglishMessage(), rig.Failure(text::GetFirmwareCorruptedText(0), c.tag));
    EXPECT_EQ(rig.job.m_nState, c.state);
    EXPECT_EQ(rig.job.m_nError, JOB_ERROR_FAILED);
    EXPECT_TRUE(rig.job.m_bFinished);
    EXPECT_EQ(rig.archiveCalls, 0);
    EXPECT_TRUE(rig.sent.empty());
    EXPECT_FALSE(rig.AnyExtractedFileLeft());
  }
}

TEST(UpdateThreadExternalTools, SectionFileThatCannotBeCreatedEndsTheRun) {
  ExternalToolsRig rig(/*withImgFolder=*/false);
  rig.Run();
  EXPECT_EQ(rig.EnglishMessage(), rig.Failure(text::GetFirmwareCorruptedText(0), "[11]"));
  EXPECT_EQ(rig.job.m_nError, JOB_ERROR_FAILED);
  EXPECT_TRUE(rig.job.m_bFinished);
  EXPECT_TRUE(rig.sent.empty());
  EXPECT_TRUE(rig.tools.calls.empty());
}

TEST(UpdateThreadExternalTools, SectionFilesAreCheckedAfterWriting) {
  ExternalToolsRig rig;
  const std::vector<uint8_t> bytes = Bytes(3000);
  const io::Md5Digest digest = io::Md5Of(bytes.data(), static_cast<unsigned>(bytes.size()));
  EXPECT_EQ(firmware::WriteSectionFile(rig.dfuPath, bytes, digest), firmware::SectionFileResult::Written);
  EXPECT_EQ(ExternalToolsRig::Contents(rig.dfuPath), std::string(bytes.begin(), bytes.end()));
  // An empty section makes an empty file that passes.
  const io::Md5Digest empty = io::Md5Of(nullptr, 0);
  EXPECT_EQ(firmware::WriteSectionFile(rig.hexPath, {}, empty), firmware::SectionFileResult::Written);
  EXPECT_TRUE(fs::exists(rig.hexPath));
  // What was written is not what was meant: the file goes.
  EXPECT_EQ(firmware::WriteSectionFile(rig.dfuPath, bytes, empty), firmware::SectionFileResult::DigestDiffers);
  EXPECT_FALSE(fs::exists(rig.dfuPath));
  EXPECT_EQ(firmware::WriteSectionFile((rig.dir / "no-folder" / "x").string(), bytes, digest),
            firmware::SectionFileResult::NotCreated);
}

TEST(UpdateThreadExternalTools, StopRequestEndsTheRunAndTakesTheFilesAway) {
  ExternalToolsRig rig;
  rig.tools.script = {Printing("upgrade succeeded")};
  std::stop_source stop;
  rig.clock.onSleep = [&] {
    if (rig.tools.calls.size() == 1) stop.request_stop();
  };
  firmware::UpdateThreadExternalTools(rig.Context(3, kTarget), stop.get_token());
  EXPECT_EQ(rig.tools.calls.size(), 1u);
  EXPECT_TRUE(rig.job.m_bFinished);
  EXPECT_EQ(rig.job.m_nError, JOB_ERROR_FAILED);
  EXPECT_FALSE(rig.AnyExtractedFileLeft());
  EXPECT_EQ(rig.armCalls, 0);
}

}  // namespace
