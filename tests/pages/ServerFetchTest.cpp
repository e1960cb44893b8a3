// A page's fetch from the update server: the window's thread starts it and goes on, the answer
// comes back as a message, and a dropped fetch never answers.
#include "pages/ServerFetch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "SimUpdateServer.h"
#include "app/MainWindowFixture.h"
#include "framework/Application.h"
#include "framework/TestDialogs.h"
#include "io/AtomicFile.h"
#include "io/Download.h"

namespace {

using Clock = std::chrono::steady_clock;
using testing_app::PumpUntil;

class FetchingDialog : public fwtest::RecordingDialog {
 public:
  intptr_t OnMessage(unsigned msg, uintptr_t wParam, intptr_t lParam) override {
    if (fetch.OnMessage(msg, lParam)) return 0;
    return RecordingDialog::OnMessage(msg, wParam, lParam);
  }
  pages::ServerFetch fetch{*this};
};

class ServerFetchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_ = std::make_unique<FetchingDialog>();
    ASSERT_TRUE(owner_->Create(nullptr));
    server_.Serve("List", "line\n");
  }

  bool Asked(const std::string& name, int times = 1) const { return testing_app::RequestsFor(server_, name) >= times; }

  sim::SimUpdateServer server_;
  platform::Http::Scoped useServer_{server_};
  std::unique_ptr<FetchingDialog> owner_;
};

TEST_F(ServerFetchTest, AHeldListLeavesTheThreadFreeAndItsAnswerArrivesAsAMessage) {
  std::vector<std::string> answers;
  server_.Hold("List");
  owner_->fetch.FetchList("List", [&](const pages::FetchResult& r) { answers.push_back(r.body); });
  ASSERT_TRUE(PumpUntil([&] { return Asked("List"); }));
  EXPECT_TRUE(owner_->fetch.IsPending());
  EXPECT_TRUE(answers.empty()) << "the server has not answered yet";

  server_.Release("List");
  ASSERT_TRUE(PumpUntil([&] { return !answers.empty(); }));
  EXPECT_EQ(answers, std::vector<std::string>{"line\n"});
  EXPECT_FALSE(owner_->fetch.IsPending());
  fw::Application::ProcessMessagesFor(20);
  EXPECT_EQ(answers.size(), 1u) << "answered once";
}

TEST_F(ServerFetchTest, ANewStartOrCancelDropsTheFetchUnderWayWithoutWaitingForIt) {
  std::vector<std::string> answers;
  server_.Serve("Other", "other\n");
  server_.Hold("List");
  owner_->fetch.FetchList("List", [&](const pages::FetchResult&) { answers.push_back("dropped"); });
  ASSERT_TRUE(PumpUntil([&] { return Asked("List"); }));
  owner_->fetch.FetchList("Other", [&](const pages::FetchResult& r) { answers.push_back(r.body); });
  ASSERT_TRUE(PumpUntil([&] { return !answers.empty(); }));
  EXPECT_EQ(answers, std::vector<std::string>{"other\n"});

  owner_->fetch.FetchList("List", [&](const pages::FetchResult&) { answers.push_back("cancelled"); });
  ASSERT_TRUE(PumpUntil([&] { return Asked("List", 2); }));
  owner_->fetch.Cancel();
  EXPECT_FALSE(owner_->fetch.IsPending());
  server_.Release("List");
  fw::Application::ProcessMessagesFor(50);
  EXPECT_EQ(answers.size(), 1u) << "no dropped fetch answers";
}

TEST_F(ServerFetchTest, AFileIsReplacedOnlyByAWholeBody) {
  char pattern[] = "/tmp/corvale-fetch-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::string path = std::string(pattern) + "/image.img";
  ASSERT_TRUE(io::WriteFileAtomically(path, "OLD"));
  struct Case {
    const char* name;
    std::string path;
    int received;
    const char* content;
  };
  server_.Serve("image.img", "NEW");
  const Case cases[] = {
      {"missing.img", path, io::kDownloadNotOpened, "OLD"},
      {"image.img", "", io::kDownloadFileNotCreated, "OLD"},
      {"image.img", path, 3, "NEW"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name + (" to '" + c.path + "'"));
    std::optional<int> received;
    owner_->fetch.FetchFile(c.name, c.path, [&](const pages::FetchResult& r) { received = r.received; });
    ASSERT_TRUE(PumpUntil([&] { return received.has_value(); }));
    EXPECT_EQ(*received, c.received);
    EXPECT_EQ(io::ReadWholeFile(path).value_or(""), c.content);
  }
  std::system(("rm -rf '" + std::string(pattern) + "'").c_str());
}

TEST_F(ServerFetchTest, TheOwnerGoingAwayStopsAndJoinsAHeldFetch) {
  bool answered = false;
  server_.Hold("List");
  owner_->fetch.FetchList("List", [&](const pages::FetchResult&) { answered = true; });
  ASSERT_TRUE(PumpUntil([&] { return Asked("List"); }));
  const auto start = Clock::now();
  owner_.reset();
  EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(sim::SimUpdateServer::kHoldLimitMs / 2))
      << "stopped, not waited out";
  fw::Application::ProcessMessagesFor(20);
  EXPECT_FALSE(answered);
}

}  // namespace
