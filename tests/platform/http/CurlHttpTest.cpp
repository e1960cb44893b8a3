#include "platform/http/CurlHttp.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "HangingResolver.h"

namespace {

using platform::HttpOutcome;
using testing_platform::HangingResolver;
using namespace std::chrono_literals;

// Takes any body; asks to stop once a look-up of a hanging host has begun, when told to.
struct Receiver : platform::HttpReceiver {
  bool Begin(int64_t) override { return true; }
  bool Receive(const char*, size_t) override { return true; }
  bool Cancelled() override { return cancelDuringLookUp && HangingResolver::Started() > 0; }
  std::chrono::milliseconds TimeLimit() const override { return limit; }
  bool cancelDuringLookUp = false;
  std::chrono::milliseconds limit{0};
};

TEST(CurlHttpTest, ACancelOrTheTimeLimitEndsATransferWithoutWaitingForAHangingLookUp) {
  // The connect limit outlasts the look-up, so only the cancel or the time limit can end the
  // transfer while the look-up still hangs.
  platform::CurlHttpOptions options;
  options.connectTimeoutSeconds = 120;
  platform::CurlHttp http(options);
  const struct {
    const char* what;
    bool cancel;
    std::chrono::milliseconds limit;
    HttpOutcome outcome;
    const char* detail;
  } cases[] = {
      {"cancelled", true, 0ms, HttpOutcome::kCancelled, ""},
      // libcurl's own text, not the bare name of its error code.
      {"time limit", false, 300ms, HttpOutcome::kNotReached, "Resolving timed out"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    HangingResolver::Hold();
    Receiver receiver;
    receiver.cancelDuringLookUp = c.cancel;
    receiver.limit = c.limit;
    const platform::HttpResult result =
        http.Fetch(std::string("https://update") + testing_platform::kHangingDomain + "/Software", receiver);
    EXPECT_EQ(HangingResolver::Started(), 1) << "the look-up was not the system's";
    EXPECT_EQ(HangingResolver::Hanging(), 1) << "the transfer waited for the look-up";
    HangingResolver::Release();
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_THAT(result.detail, testing::HasSubstr(c.detail));
  }
}

TEST(CurlHttpTest, ALibraryLackingACallOrOlderThanNeededIsNotLoaded) {
  const struct {
    const char* library;
    const char* detail;
  } cases[] = {
      {CURL_LACKING_A_CALL, "could not be loaded: it has no curl_easy_perform"},
      {CURL_TOO_OLD, "could not be loaded: it is version 7.86.0, older than 7.87.0"},
      {CURL_OLDEST_USABLE, "the stand-in transfers nothing"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.library);
    platform::CurlHttpOptions options;
    options.library = c.library;
    platform::CurlHttp http(options);
    Receiver receiver;
    const platform::HttpResult result = http.Fetch("https://127.0.0.1:1/Software", receiver);
    EXPECT_EQ(result.outcome, HttpOutcome::kNotReached);
    EXPECT_THAT(result.detail, testing::HasSubstr(c.detail));
  }
}

}  // namespace
