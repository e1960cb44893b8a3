#include "platform/http/CurlHttp.h"

#include <gmock/gmock.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>

#include "HangingResolver.h"

namespace {

using platform::HttpOutcome;
using testing_platform::HangingResolver;
using namespace std::chrono_literals;

// Takes any body; asks to stop once a look-up of a hanging host has begun, when told to.
struct Receiver : platform::HttpReceiver {
  bool Begin(int64_t) override { return true; }
  bool Receive(const char* data, size_t size) override {
    body.append(data, size);
    return true;
  }
  bool Cancelled() override { return cancelDuringLookUp && HangingResolver::Started() > 0; }
  std::chrono::milliseconds TimeLimit() const override { return limit; }
  bool cancelDuringLookUp = false;
  std::chrono::milliseconds limit{0};
  std::string body;
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

// What a stand-in library noted of its last transfer, read through the handle the loader keeps
// open.
struct Asked {
  int quickExit = -1, unknownOptions = -1, protocols = -1;
};
std::optional<Asked> AskedOf(const char* library) {
  void* handle = dlopen(library, RTLD_NOW | RTLD_NOLOAD);
  if (!handle) return std::nullopt;
  const auto read = [handle](const char* name) {
    const auto call = reinterpret_cast<int (*)()>(dlsym(handle, name));
    return call ? call() : -1;
  };
  const Asked asked{read("fake_curl_quick_exit"), read("fake_curl_unknown_options"), read("fake_curl_protocols")};
  dlclose(handle);
  return asked;
}

TEST(CurlHttpTest, ALibraryIsUsedFrom7_68WithTheQuickExitFrom7_87) {
  const struct {
    const char* library;
    HttpOutcome outcome;
    const char* detail;
    int quickExit;
  } cases[] = {
      {CURL_LACKING_A_CALL, HttpOutcome::kNotReached, "could not be loaded: it has no curl_multi_wakeup", 0},
      {CURL_TOO_OLD, HttpOutcome::kNotReached, "could not be loaded: it is version 7.67.0, older than 7.68.0", 0},
      // Without the quick exit, which they would refuse: a cancel then waits for a hanging look-up.
      {CURL_OLDEST_USABLE, HttpOutcome::kComplete, "", 0},
      {CURL_7_81, HttpOutcome::kComplete, "", 0},
      {CURL_WITH_QUICK_EXIT, HttpOutcome::kComplete, "", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.library);
    platform::CurlHttpOptions options;
    options.library = c.library;
    platform::CurlHttp http(options);
    Receiver receiver;
    const platform::HttpResult result = http.Fetch("https://127.0.0.1:1/Software", receiver);
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_THAT(result.detail, testing::HasSubstr(c.detail));
    if (c.outcome != HttpOutcome::kComplete) continue;
    EXPECT_EQ(receiver.body, "a small body");
    EXPECT_EQ(result.bytes, 12);
    const std::optional<Asked> asked = AskedOf(c.library);
    ASSERT_TRUE(asked.has_value()) << "the library was not kept";
    EXPECT_EQ(asked->quickExit, c.quickExit);
    EXPECT_EQ(asked->unknownOptions, 0) << "an option the library does not know was set";
    EXPECT_EQ(asked->protocols, 2) << "requests and redirects are not limited to HTTP and HTTPS";
  }
}

}  // namespace
