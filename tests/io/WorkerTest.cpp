#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "io/HidDfuEngine.h"
#include "io/Worker.h"

namespace {

using namespace std::chrono_literals;
using Steady = std::chrono::steady_clock;

// Loops until asked to stop, or, when `obedient` is false, until the test lets it go.
struct Looper {
  explicit Looper(bool obedient = true) : obedient_(obedient) {}
  ~Looper() { release = true; }
  bool StartThread() {
    return worker.Start([this](std::stop_token stop) {
      while (obedient_ ? !stop.stop_requested() : !release.load()) std::this_thread::sleep_for(1ms);
      returned = true;
    });
  }
  std::atomic<bool> release{false};
  std::atomic<bool> returned{false};
  const bool obedient_;
  io::Worker worker;  // last, as every owner declares it
};

TEST(WorkerTest, StopWithoutAThreadNotesTheRequest) {
  Looper looper;
  io::Worker& worker = looper.worker;
  EXPECT_TRUE(worker.KeepRunning());
  EXPECT_TRUE(worker.Stop(1000));
  EXPECT_TRUE(worker.StopRequested());
  EXPECT_FALSE(worker.KeepRunning());
  EXPECT_FALSE(worker.IsRunning());
  EXPECT_TRUE(worker.Wait(0)) << "no thread: nothing to wait for";
}

TEST(WorkerTest, StopEndsACooperativeThread) {
  Looper looper;
  io::Worker& worker = looper.worker;
  ASSERT_TRUE(looper.StartThread());
  EXPECT_TRUE(worker.IsRunning());
  EXPECT_FALSE(looper.StartThread()) << "one thread at a time";
  const auto before = Steady::now();
  EXPECT_FALSE(worker.Wait(1));
  EXPECT_GE(Steady::now() - before, 1ms);
  EXPECT_TRUE(worker.Stop(1000));
  EXPECT_TRUE(looper.returned);
  EXPECT_FALSE(worker.IsRunning());
  EXPECT_FALSE(worker.StopRequested()) << "the thread was running when asked";

  // A new run starts with keep-running set again.
  ASSERT_TRUE(looper.StartThread());
  EXPECT_TRUE(worker.KeepRunning());
  EXPECT_TRUE(worker.Stop(1000));
}

TEST(WorkerTest, AThreadThatIgnoresTheStopIsReportedAndWaitedForNeverKilled) {
  Looper looper(/*obedient=*/false);
  io::Worker& worker = looper.worker;
  ASSERT_TRUE(looper.StartThread());
  EXPECT_FALSE(worker.Stop(50));
  EXPECT_TRUE(worker.IsRunning());
  EXPECT_FALSE(looper.returned);
  looper.release = true;
  EXPECT_TRUE(worker.Wait(0));
  EXPECT_TRUE(looper.returned) << "the body ran to its end";
  EXPECT_FALSE(worker.IsRunning());
}

TEST(WorkerTest, DestructionWaitsForTheBody) {
  std::atomic<bool> returned{false};
  auto worker = std::make_unique<io::Worker>();
  ASSERT_TRUE(worker->Start([&returned](std::stop_token) {
    std::this_thread::sleep_for(100ms);  // outlasts any stop request
    returned = true;
  }));
  worker.reset();
  EXPECT_TRUE(returned) << "the thread was joined, not left running";
}

TEST(WorkerTest, DestructionStopsACooperativeBody) {
  std::atomic<bool> returned{false};
  {
    io::Worker worker;
    ASSERT_TRUE(worker.Start([&returned](std::stop_token stop) {
      while (!stop.stop_requested()) std::this_thread::sleep_for(1ms);
      returned = true;
    }));
  }
  EXPECT_TRUE(returned);
}

// An engine whose body stays busy until asked to stop.
class BusyEngine : public io::CHidDfuEngine {
 public:
  bool StartThread() { return CHidDfuEngine::StartThread(static_cast<Callback>(&BusyEngine::Busy)); }

 private:
  void Busy() {
    while (KeepRunning()) std::this_thread::sleep_for(1ms);
  }
};

TEST(HidDfuEngineTest, ErrorTexts) {
  io::CHidDfuEngine engine;
  const struct {
    int code;
    const char* text;
  } cases[] = {
      {0, ""},
      {-1, "Invalid sequence (hidDfuConnect must be called first)"},
      {-14, "Busy, operation in progress"},
      {-16, "Device firmware is corrupt"},
      {-20, "Unknown error"},
      {-17, "Unknown error code"},
      {1, "Unknown error code"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(engine.SetError(c.code), c.code);
    EXPECT_EQ(engine.LastError(), c.text) << c.code;
  }
}

TEST(HidDfuEngineTest, CloseIsRefusedWhileTheThreadRuns) {
  BusyEngine engine;
  EXPECT_EQ(engine.Close(), io::HID_DFU_OK);
  EXPECT_FALSE(engine.IsDeviceOpen());
  EXPECT_EQ(engine.LastError(), "");

  ASSERT_TRUE(engine.StartThread());
  EXPECT_EQ(engine.Close(), io::HID_DFU_BUSY);
  EXPECT_EQ(engine.LastError(), "Busy, operation in progress");
  EXPECT_TRUE(engine.Stop(1000));
  EXPECT_EQ(engine.Close(), io::HID_DFU_OK);
}

}  // namespace
