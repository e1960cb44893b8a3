// Work beside the window: numbered runs, each word posted back with its number, the word of a
// dropped run taking nothing, and no owner ever waiting for a worker that still runs.
#include "io/NumberedWorker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;
using Steady = std::chrono::steady_clock;

// The owner's side: the words posted to it, in order, and a gate each body may wait at.
class Owner {
 public:
  io::NumberedWorker<std::string>::Post Post() {
    return [this](intptr_t run) {
      std::lock_guard<std::mutex> hold(lock_);
      words_.push_back(run);
      changed_.notify_all();
    };
  }
  // The next word posted, waited for at most five seconds.
  std::optional<intptr_t> NextWord() {
    std::unique_lock<std::mutex> hold(lock_);
    if (!changed_.wait_for(hold, 5s, [this] { return !words_.empty(); })) return std::nullopt;
    const intptr_t word = words_.front();
    words_.pop_front();
    return word;
  }
  // A body that returns `result` once `gate` is open (or, when it obeys, once asked to stop).
  io::NumberedWorker<std::string>::Body Gated(std::atomic<bool>& gate, std::string result, bool obeys = true) {
    return [&gate, result, obeys](std::stop_token stop) {
      const auto until = Steady::now() + 10s;
      while (!gate && !(obeys && stop.stop_requested()) && Steady::now() < until) std::this_thread::sleep_for(1ms);
      return stop.stop_requested() ? std::string("stopped") : result;
    };
  }

 private:
  std::mutex lock_;
  std::condition_variable changed_;
  std::deque<intptr_t> words_;
};

TEST(NumberedWorkerTest, ARunsWordTakesItsResultOnce) {
  Owner owner;
  io::NumberedWorker<std::string> work(owner.Post());
  std::atomic<bool> open{true};
  const intptr_t run = work.Start(owner.Gated(open, "done"));
  EXPECT_TRUE(work.IsPending());
  const std::optional<intptr_t> word = owner.NextWord();
  ASSERT_TRUE(word.has_value());
  EXPECT_EQ(*word, run);
  EXPECT_EQ(work.Take(*word), std::optional<std::string>("done"));
  EXPECT_FALSE(work.IsPending());
  EXPECT_FALSE(work.IsRunning());
  EXPECT_EQ(work.Take(*word), std::nullopt) << "taken once";
}

// The late word of a dropped run takes nothing, whichever word comes first and whether the run
// under way has ended: it is never the run under way's result.
TEST(NumberedWorkerTest, AStaleWordTakesNothingAndLeavesTheRunUnderWay) {
  struct Case {
    const char* name;
    bool newerEndsFirst;
    bool droppedBeforeStart;  // Drop, then a new start; else the new start drops it
  };
  const Case cases[] = {
      {"the dropped run's word first, the newer run still running", false, false},
      {"the dropped run's word after the newer run's ended", true, false},
      {"dropped on its own, then a new start", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Owner owner;
    io::NumberedWorker<std::string> work(owner.Post());
    std::atomic<bool> oldGate{false};
    std::atomic<bool> newGate{false};
    // The old body ignores its stop, as a transfer deep in a write does.
    const intptr_t old = work.Start(owner.Gated(oldGate, "old", false));
    if (c.droppedBeforeStart) work.Drop();
    const intptr_t current = work.Start(owner.Gated(newGate, "new"));
    EXPECT_NE(old, current);

    std::optional<intptr_t> first;
    if (c.newerEndsFirst) {
      newGate = true;
      first = owner.NextWord();
      ASSERT_EQ(first, current);
    }
    oldGate = true;
    const std::optional<intptr_t> oldWord = owner.NextWord();
    ASSERT_EQ(oldWord, old);
    EXPECT_EQ(work.Take(*oldWord), std::nullopt);
    EXPECT_TRUE(work.IsPending()) << "the run under way still waits for its own word";

    newGate = true;
    if (!first) first = owner.NextWord();
    ASSERT_EQ(first, current);
    EXPECT_EQ(work.Take(*first), std::optional<std::string>("new"));
    EXPECT_FALSE(work.IsPending());
  }
}

// Dropping never waits: the stop reaches the body at once, and its word takes nothing.
TEST(NumberedWorkerTest, DropAsksTheStopAtOnceAndDoesNotWait) {
  Owner owner;
  io::NumberedWorker<std::string> work(owner.Post());
  std::atomic<bool> never{false};
  const intptr_t run = work.Start(owner.Gated(never, "done"));
  const auto start = Steady::now();
  work.Drop();
  EXPECT_FALSE(work.IsPending());
  const std::optional<intptr_t> word = owner.NextWord();
  EXPECT_LT(Steady::now() - start, 5s) << "the body saw the stop, not its ten-second limit";
  ASSERT_EQ(word, run);
  EXPECT_EQ(work.Take(*word), std::nullopt);
}

TEST(NumberedWorkerTest, TheOwnerGoingAwayStopsAndJoinsWhatStillRuns) {
  Owner owner;
  std::atomic<bool> never{false};
  std::atomic<bool> stubborn{false};
  std::thread releaser;
  const auto start = Steady::now();
  {
    io::NumberedWorker<std::string> work(owner.Post());
    work.Start(owner.Gated(stubborn, "dropped", false));
    work.Start(owner.Gated(never, "current"));
    EXPECT_TRUE(work.IsRunning());
    releaser = std::thread([&stubborn] {
      std::this_thread::sleep_for(50ms);
      stubborn = true;
    });
  }
  releaser.join();
  EXPECT_LT(Steady::now() - start, 5s);
  EXPECT_TRUE(stubborn) << "the body that ignores its stop was waited for, not left behind";
}

}  // namespace
