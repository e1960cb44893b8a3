// The real clock's sleep that a stop request ends: the DFU engine's waits rely on it, so that the
// window's thread, which stops the engine, never waits for a sleep to run out.
#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <stop_token>
#include <thread>

namespace {

TEST(Clock, AStopEndsARealSleepAtOnce) {
  std::stop_source stop;
  std::future<bool> slept = std::async(std::launch::async, [token = stop.get_token()] {
    return platform::Clock::Real().SleepUnlessStopped(60000, token);
  });
  // Most likely asleep by now; a stop that comes first ends the sleep as well.
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  stop.request_stop();
  ASSERT_EQ(slept.wait_for(std::chrono::seconds(10)), std::future_status::ready) << "a minute's sleep ran on";
  EXPECT_FALSE(slept.get());
  EXPECT_TRUE(platform::Clock::Real().SleepUnlessStopped(1, std::stop_source().get_token())) << "no stop: it sleeps";
}

}  // namespace
