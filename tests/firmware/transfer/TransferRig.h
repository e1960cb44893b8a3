#pragma once
// A HID transfer thread's world for tests: two simulated vendor interfaces that log what arrives
// and fail on request, an image file, a job, the user's OK flag, the page hooks counted, and a
// manual clock whose sleeps a test can act on (the user pressing OK, the window closing).
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "SimFirmwareImage.h"
#include "SimHidBus.h"
#include "firmware/transfer/HidTransferContext.h"
#include "io/HidReports.h"
#include "platform/Clock.h"

namespace transfertest {

// One vendor interface as a flashing device sees it.
struct SimFlashInterface {
  struct Received {
    uint8_t command;
    uint8_t byte2;
    uint8_t byte3;
  };
  std::vector<Received> log;
  // Command -> which occurrence (1-based) is refused; a refusal answers with an error status.
  std::map<uint8_t, int> refuseAt;
  // Command -> which occurrence (1-based) gets no answer at all.
  std::map<uint8_t, int> silentAt;
  int notReadyAnswers = 0;  // "not ready" replies before the first "ready"; -1 forever
  std::vector<uint8_t> readyByte3s;  // the ready byte of every ready-query reply

  int Count(uint8_t command) const {
    int n = 0;
    for (const Received& r : log) n += r.command == command;
    return n;
  }

  std::vector<uint8_t> Answer(const std::vector<uint8_t>& request) {
    const uint8_t command = request[1];
    log.push_back({command, request[2], request[3]});
    const int occurrence = Count(command);
    auto at = silentAt.find(command);
    if (at != silentAt.end() && at->second == occurrence) return {};
    std::vector<uint8_t> reply(io::HID_REPORT_IN_SIZE, 0);
    reply[0] = io::HID_REPORT_ID;
    at = refuseAt.find(command);
    reply[io::HID_REPLY_STATUS] = (at != refuseAt.end() && at->second == occurrence) ? 2 : io::HID_STATUS_OK;
    if (command == io::HID_CMD_QUERY_READY) {
      const bool ready = notReadyAnswers == 0;
      if (notReadyAnswers > 0) --notReadyAnswers;
      reply[io::HID_REPLY_DATA] = ready ? 1 : 0;
      readyByte3s.push_back(reply[io::HID_REPLY_DATA]);
    }
    if (command == io::HID_CMD_READ_VERSION) {
      std::copy(version.begin(), version.end(), reply.begin() + io::HID_REPLY_DATA);
    }
    if (command == io::HID_CMD_READ_PARAM && request[2] == io::HID_PARAM_HW_VARIANT) {
      // Count 1, then the variant as the parameter's first word, big-endian as on the wire.
      reply[io::HID_REPLY_WORD_COUNT] = 1;
      reply[io::HID_REPLY_WORDS] = 0;
      reply[io::HID_REPLY_WORDS + 1] = hardwareVariant;
    }
    return reply;
  }
  uint8_t hardwareVariant = 0;
  std::array<uint8_t, 4> version{};  // major, minor, type, secondary

  // The count bytes (2 and 3) of the data reports, in order.
  std::vector<uint16_t> ChunkCounts() const {
    std::vector<uint16_t> counts;
    for (const Received& r : log)
      if (r.command == io::HID_CMD_SECTION_DATA) counts.push_back(uint16_t(r.byte2 << 8 | r.byte3));
    return counts;
  }
};

// The manual clock with a hook on every sleep, which runs on the thread that sleeps. It notes the
// longest single sleep of the thread that made it, which in a window's test is the window's.
class HookedClock : public platform::ManualClock {
 public:
  std::function<void()> onSleep;
  uint64_t slept = 0;
  std::atomic<uint32_t> longestWindowSleep{0};
  void SleepMs(uint32_t ms) override {
    if (std::this_thread::get_id() == window_) longestWindowSleep = std::max(longestWindowSleep.load(), ms);
    ManualClock::SleepMs(ms);
    slept += ms;
    if (onSleep) onSleep();
  }

 private:
  const std::thread::id window_ = std::this_thread::get_id();
};

struct TransferRig {
  HookedClock clock;
  platform::Clock::Scoped clockScope{clock};
  sim::SimHidBus bus;
  SimFlashInterface firstSide, secondSide;
  std::unique_ptr<platform::HidDevice> first, second;
  firmware::CFirmwareJob job;
  std::atomic<bool> waitForUserOk{false};
  std::filesystem::path dir;
  std::string imagePath;
  bool archiveWrites = true;
  int archiveCalls = 0, transferStartedCalls = 0, armCalls = 0, gaveUpCalls = 0;

  TransferRig() {
    static int serial = 0;
    dir = std::filesystem::temp_directory_path() /
          ("corvale-transfer-" + std::to_string(::getpid()) + "-" + std::to_string(++serial));
    std::filesystem::create_directories(dir);
    first = bus.Open(bus.Add(io::HID_VENDOR_ID, 0x4310, 0xFF00, 1,
                             [this](const std::vector<uint8_t>& r) { return firstSide.Answer(r); }));
    second = bus.Open(bus.Add(io::HID_VENDOR_ID, 0x4310, 0xFF00, 1,
                              [this](const std::vector<uint8_t>& r) { return secondSide.Answer(r); }));
    // As the dispatcher leaves the job for the thread.
    job.m_nState = firmware::JOB_REQUESTED;
    job.m_nError = firmware::JOB_ERROR_FAILED;
  }
  ~TransferRig() {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }

  void WriteImage(const sim::SimContainerSpec& spec, const std::string& name = "image.img") {
    WriteBytes(sim::MakeFirmwareImage(spec), name);
  }
  void WriteBytes(const std::vector<uint8_t>& bytes, const std::string& name = "image.img") {
    imagePath = (dir / name).string();
    std::ofstream(imagePath, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                     static_cast<std::streamsize>(bytes.size()));
  }

  firmware::HidTransferContext Context(int page = 3, int target = 0x4310) {
    firmware::HidTransferContext context{job, imagePath, page, target, target, first.get(), second.get(),
                                         waitForUserOk, {}, {}};
    context.hooks.writeSettingsArchive = [this] { return ++archiveCalls, archiveWrites; };
    // As the window answers: the job waits for the user, and its box shows.
    context.hooks.askForOk = [this] { job.m_nState = firmware::JOB_WAITING_USER; };
    context.hooks.transferStarted = [this] { ++transferStartedCalls; };
    context.hooks.armDeviceBackTimer = [this] { ++armCalls; };
    context.hooks.gaveUp = [this] { ++gaveUpCalls; };
    return context;
  }

  std::string EnglishMessage() { return job.m_astrMessages.Peek()[0]; }
};

inline std::vector<uint8_t> Bytes(size_t n, uint8_t first = 1) {
  std::vector<uint8_t> out(n);
  for (size_t i = 0; i < n; ++i) out[i] = uint8_t(first + i);
  return out;
}

}  // namespace transfertest
