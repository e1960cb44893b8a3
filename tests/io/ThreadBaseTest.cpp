#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "io/HidDfuEngine.h"
#include "io/Threadable.h"

namespace {

using namespace std::chrono_literals;
using Steady = std::chrono::steady_clock;

// Loops until asked to stop, or, when `obedient` is false, until the test lets it go.
class Worker : public io::Threadable {
 public:
  explicit Worker(bool obedient = true) : obedient_(obedient) {}
  ~Worker() override {
    release = true;
    StopAndJoin();
  }
  using Threadable::StartThread;
  std::atomic<bool> release{false};
  std::atomic<bool> returned{false};

 protected:
  void Run() override {
    while (obedient_ ? KeepRunning() : !release.load()) std::this_thread::sleep_for(1ms);
    returned = true;
  }

 private:
  const bool obedient_;
};

TEST(ThreadableTest, StopWithoutAThreadNotesTheRequest) {
  Worker worker;
  EXPECT_TRUE(worker.KeepRunning());
  EXPECT_TRUE(worker.Stop(1000));
  EXPECT_TRUE(worker.StopRequested());
  EXPECT_FALSE(worker.KeepRunning());
  EXPECT_FALSE(worker.IsRunning());
  EXPECT_TRUE(worker.Wait(0)) << "no thread: nothing to wait for";
}

TEST(ThreadableTest, StopEndsACooperativeThread) {
  Worker worker;
  ASSERT_TRUE(worker.StartThread());
  EXPECT_TRUE(worker.IsRunning());
  EXPECT_FALSE(worker.StartThread()) << "one thread at a time";
  const auto before = Steady::now();
  EXPECT_FALSE(worker.Wait(1));
  EXPECT_GE(Steady::now() - before, 1ms);
  EXPECT_TRUE(worker.Stop(1000));
  EXPECT_TRUE(worker.returned);
  EXPECT_FALSE(worker.IsRunning());
  EXPECT_FALSE(worker.StopRequested()) << "the thread was running when asked";

  // A new run starts with keep-running set again.
  ASSERT_TRUE(worker.StartThread());
  EXPECT_TRUE(worker.KeepRunning());
  EXPECT_TRUE(worker.Stop(1000));
}

TEST(ThreadableTest, AThreadThatIgnoresTheStopIsReportedAndWaitedForNeverKilled) {
  Worker worker(/*obedient=*/false);
  ASSERT_TRUE(worker.StartThread());
  EXPECT_FALSE(worker.Stop(50));
  EXPECT_TRUE(worker.IsRunning());
  EXPECT_FALSE(worker.returned);
  worker.release = true;
  EXPECT_TRUE(worker.Wait(0));
  EXPECT_TRUE(worker.returned) << "the body ran to its end";
  EXPECT_FALSE(worker.IsRunning());
}

// A body that outlasts any stop request.
class Sleeper : public io::Threadable {
 public:
  explicit Sleeper(std::atomic<bool>& returned) : returned_(returned) {}
  ~Sleeper() override { StopAndJoin(); }
  using Threadable::StartThread;

 protected:
  void Run() override {
    std::this_thread::sleep_for(100ms);
    returned_ = true;
  }

 private:
  std::atomic<bool>& returned_;
};

TEST(ThreadableTest, DestructionWaitsForTheBody) {
  std::atomic<bool> returned{false};
  auto sleeper = std::make_unique<Sleeper>(returned);
  ASSERT_TRUE(sleeper->StartThread());
  sleeper.reset();
  EXPECT_TRUE(returned) << "the thread was joined, not left running";
}

TEST(ThreadableTest, TwoWaitersBothSeeTheEndAndTheThreadIsJoinedOnce) {
  Worker worker(false);
  ASSERT_TRUE(worker.StartThread());
  std::atomic<int> ended{0};
  std::thread other([&] { ended += worker.Wait(0); });
  std::thread another([&] { ended += worker.Wait(0); });
  std::this_thread::sleep_for(20ms);  // both are waiting now
  worker.release = true;
  other.join();
  another.join();
  EXPECT_EQ(ended, 2);
  EXPECT_FALSE(worker.IsRunning());
}

// An engine whose body stays busy until asked to stop.
class BusyEngine : public io::CHidDfuEngine {
 public:
  ~BusyEngine() override { StopAndJoin(); }
  using Threadable::StartThread;

 protected:
  void Run() override {
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
