#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "TestDialogs.h"
#include "framework/Application.h"

namespace {

constexpr unsigned WM_TEST = fw::WM_USER + 7;

class MessageSink : public fwtest::RecordingDialog {
 public:
  std::vector<std::pair<uintptr_t, intptr_t>> received;
  std::vector<std::thread::id> threads;
  std::vector<unsigned> ticks;

  intptr_t OnMessage(unsigned msg, uintptr_t wParam, intptr_t lParam) override {
    if (msg == WM_TEST) {
      received.emplace_back(wParam, lParam);
      threads.push_back(std::this_thread::get_id());
      return 1;
    }
    return Dialog::OnMessage(msg, wParam, lParam);
  }
  void OnTimer(unsigned id) override { ticks.push_back(id); }
};

void PumpUntil(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!done() && std::chrono::steady_clock::now() < deadline) fw::Application::ProcessMessagesFor(5);
}

TEST(Messaging, PostedFromWorkersArriveOnTheUiThreadInOrder) {
  MessageSink sink;
  ASSERT_TRUE(sink.Create(nullptr));
  constexpr int kPerThread = 200;
  std::thread first([&] {
    for (int i = 0; i < kPerThread; ++i) sink.PostMessage(WM_TEST, 1, i);
  });
  std::thread second([&] {
    for (int i = 0; i < kPerThread; ++i) sink.PostMessage(WM_TEST, 2, i);
  });
  first.join();
  second.join();
  EXPECT_TRUE(sink.received.empty()) << "posting must not call the handler on the worker";
  PumpUntil([&] { return sink.received.size() == 2 * kPerThread; });
  ASSERT_EQ(sink.received.size(), 2u * kPerThread);

  intptr_t next[3] = {0, 0, 0};
  for (const auto& [source, index] : sink.received) {
    EXPECT_EQ(index, next[source]) << "messages of one thread out of order";
    next[source] = index + 1;
  }
  for (std::thread::id id : sink.threads) EXPECT_EQ(id, std::this_thread::get_id());
}

TEST(Messaging, MessagesForADestroyedWindowAreDropped) {
  auto sink = std::make_unique<MessageSink>();
  ASSERT_TRUE(sink->Create(nullptr));
  sink->PostMessage(WM_TEST, 1, 1);
  sink->PostMessage(fw::WM_COMMAND, fw::MakeCommand(fw::IDOK, 0));
  sink.reset();
  fw::Application::ProcessMessagesFor(20);  // under the sanitizers a late delivery would be caught

  MessageSink other;
  ASSERT_TRUE(other.Create(nullptr));
  other.PostMessage(WM_TEST, 3, 3);
  other.DestroyWindow();
  fw::Application::ProcessMessagesFor(20);
  EXPECT_TRUE(other.received.empty());
  EXPECT_FALSE(other.PostMessage(WM_TEST, 4, 4));
}

TEST(Messaging, PostedCommandReachesOnCommandAndSendIsDirect) {
  MessageSink sink;
  sink.endOnOk = false;
  ASSERT_TRUE(sink.Create(nullptr));
  EXPECT_EQ(sink.SendMessage(WM_TEST, 9, -9), 1);
  ASSERT_EQ(sink.received.size(), 1u);
  EXPECT_EQ(sink.received[0], (std::pair<uintptr_t, intptr_t>{9, -9}));

  sink.PostMessage(fw::WM_COMMAND, fw::MakeCommand(fw::IDOK, 0));
  EXPECT_TRUE(sink.events.empty());
  PumpUntil([&] { return !sink.events.empty(); });
  EXPECT_EQ(sink.events, (std::vector<std::string>{"command 1/0", "OnOK"}));
}

TEST(Timers, ArmedTimerIsVisibleFiresAndStopsWhenKilled) {
  MessageSink sink;
  ASSERT_TRUE(sink.Create(nullptr));
  EXPECT_FALSE(sink.IsTimerArmed(1));
  EXPECT_FALSE(sink.FireTimer(1));

  sink.SetTimer(1, 100);
  sink.SetTimer(201, 10);
  EXPECT_TRUE(sink.IsTimerArmed(1));
  EXPECT_EQ(sink.TimerInterval(1), 100u);
  EXPECT_EQ(sink.ArmedTimers(), (std::vector<unsigned>{1, 201}));

  EXPECT_TRUE(sink.FireTimer(201));
  EXPECT_EQ(sink.ticks, (std::vector<unsigned>{201}));

  sink.SetTimer(201, 50);  // re-arming replaces the period
  EXPECT_EQ(sink.TimerInterval(201), 50u);
  EXPECT_TRUE(sink.KillTimer(201));
  EXPECT_FALSE(sink.KillTimer(201));
  EXPECT_FALSE(sink.IsTimerArmed(201));
  EXPECT_FALSE(sink.FireTimer(201));
  EXPECT_EQ(sink.ticks.size(), 1u);
}

// A one-shot step as pages write it: the first tick kills the timer.
class OneShot : public MessageSink {
 public:
  void OnTimer(unsigned id) override {
    KillTimer(id);
    MessageSink::OnTimer(id);
  }
};

TEST(Timers, RealTimerTicksAndAOneShotTicksOnce) {
  OneShot window;
  ASSERT_TRUE(window.Create(nullptr));
  window.SetTimer(5, 5);
  PumpUntil([&] { return !window.ticks.empty(); });
  fw::Application::ProcessMessagesFor(40);
  EXPECT_EQ(window.ticks, (std::vector<unsigned>{5}));
  EXPECT_FALSE(window.IsTimerArmed(5));
}

}  // namespace
