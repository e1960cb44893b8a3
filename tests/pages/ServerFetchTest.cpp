// A page's fetch from the update server: the window's thread starts it and goes on, the answer
// comes back as a message, the window is busy from the start to the answer, and a dropped fetch
// never answers and gives busy back.
#include "pages/ServerFetch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
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
    if (msg == pages::WM_SERVER_FETCH_DONE) ++words;
    if (fetch.OnMessage(msg, lParam)) return 0;
    return RecordingDialog::OnMessage(msg, wParam, lParam);
  }
  bool busy = false;  // the window's busy state
  pages::BusyCount busyCount{busy};
  int words = 0;      // the fetches' words that arrived, current or dropped
  pages::ServerFetch fetch{*this, [this] { return busyCount.Take(); }};
};

class ServerFetchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_ = std::make_unique<FetchingDialog>();
    ASSERT_TRUE(owner_->Create(nullptr));
    server_.Serve("List", "line\n");
  }

  bool Asked(const std::string& name, int times = 1) const { return testing_app::RequestsFor(server_, name) >= times; }
  // A continuation that records the body it was given under `tag`, or the tag alone.
  pages::ServerFetch::Continuation Record(std::vector<std::string>& answers, std::string tag = {}) {
    return [&answers, tag](const pages::FetchResult& r, pages::BusyHold) {
      answers.push_back(tag.empty() ? r.body : tag);
    };
  }

  sim::SimUpdateServer server_;
  platform::Http::Scoped useServer_{server_};
  std::unique_ptr<FetchingDialog> owner_;
};

TEST_F(ServerFetchTest, AHeldListLeavesTheThreadFreeAndItsAnswerArrivesAsAMessage) {
  std::vector<std::string> answers;
  server_.Hold("List");
  owner_->fetch.FetchList("List", Record(answers));
  ASSERT_TRUE(PumpUntil([&] { return Asked("List"); }));
  EXPECT_TRUE(owner_->fetch.IsPending());
  EXPECT_TRUE(owner_->busy);
  EXPECT_TRUE(answers.empty()) << "the server has not answered yet";

  server_.Release("List");
  ASSERT_TRUE(PumpUntil([&] { return !answers.empty(); }));
  EXPECT_EQ(answers, std::vector<std::string>{"line\n"});
  EXPECT_FALSE(owner_->fetch.IsPending());
  EXPECT_FALSE(owner_->busy);
  fw::Application::ProcessMessagesFor(20);
  EXPECT_EQ(answers.size(), 1u) << "answered once";
}

// The continuation holds the window's busy state while it runs and gives it back exactly once:
// where it releases it, when it passes it on to the work it goes on to, or when it returns.
TEST_F(ServerFetchTest, TheContinuationGivesBusyBackOnceOrPassesItOn) {
  pages::BusyHold next;  // the work the wait goes on to
  struct Case {
    const char* name;
    std::function<void(pages::BusyHold&, bool& busy)> then;
    bool busyAfter;
  };
  const Case cases[] = {
      {"kept to the end", [](pages::BusyHold&, bool&) {}, false},
      {"released", [](pages::BusyHold& hold, bool& busy) {
         hold.Release();
         EXPECT_FALSE(busy);
       }, false},
      {"passed on", [&next](pages::BusyHold& hold, bool&) { next = hold.PassOn(); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    bool ran = false;
    owner_->fetch.FetchList("List", [&](const pages::FetchResult&, pages::BusyHold hold) {
      ran = true;
      EXPECT_TRUE(hold.Held());
      EXPECT_TRUE(owner_->busy) << "busy while the page handles the answer";
      c.then(hold, owner_->busy);
    });
    ASSERT_TRUE(PumpUntil([&] { return ran; }));
    EXPECT_EQ(owner_->busy, c.busyAfter);
    next.Release();
    EXPECT_FALSE(owner_->busy);
  }
}

// A wait that the continuation starts holds the window on its own: busy stays on after the
// continuation returns, until that wait's own answer has been handled or it is dropped.
TEST_F(ServerFetchTest, AWaitStartedFromTheContinuationKeepsTheWindowBusy) {
  constexpr unsigned kTimer = 7;
  server_.Serve("Next", "next\n");
  for (const bool armed : {false, true}) {
    SCOPED_TRACE(armed ? "a start armed on the owner's timer" : "the next fetch");
    std::vector<std::string> answers;
    server_.Hold("Next");
    owner_->fetch.FetchList("List", [&](const pages::FetchResult&, pages::BusyHold) {
      if (armed) {
        owner_->fetch.StartAfter(kTimer, 100);
      } else {
        owner_->fetch.FetchList("Next", Record(answers));
      }
    });
    ASSERT_TRUE(PumpUntil([&] { return owner_->fetch.IsPending() == !armed && owner_->words == 1; }));
    fw::Application::ProcessMessagesFor(20);
    EXPECT_TRUE(owner_->busy) << "the new wait holds the window";
    if (armed) {
      EXPECT_TRUE(owner_->IsTimerArmed(kTimer));
      owner_->fetch.Cancel();
    } else {
      server_.Release("Next");
      ASSERT_TRUE(PumpUntil([&] { return !answers.empty(); }));
    }
    EXPECT_FALSE(owner_->busy);
    owner_->words = 0;
  }
}

// Every way of dropping a fetch under way tells its transfer to stop at once and never runs its
// continuation; the busy state stays only with a new wait that took over.
TEST_F(ServerFetchTest, EveryDropStopsTheTransferAndGivesBusyBackUnlessANewWaitTakesOver) {
  constexpr unsigned kTimer = 7;
  struct Route {
    const char* name;
    std::function<void(pages::ServerFetch&, std::vector<std::string>&)> drop;
    bool busyAfter;
    std::vector<std::string> answers;
  };
  const Route routes[] = {
      {"cancelled", [](pages::ServerFetch& f, auto&) { f.Cancel(); }, false, {}},
      {"a new fetch", [this](pages::ServerFetch& f, auto& answers) { f.FetchList("Other", Record(answers)); }, true,
       {"other\n"}},
      {"a new start armed", [](pages::ServerFetch& f, auto&) { f.StartAfter(kTimer, 100); }, true, {}},
  };
  server_.Serve("Other", "other\n");
  server_.Hold("List");
  int stops = 0;
  for (const Route& r : routes) {
    SCOPED_TRACE(r.name);
    std::vector<std::string> answers;
    owner_->words = 0;
    owner_->fetch.FetchList("List", Record(answers, "dropped"));
    ASSERT_TRUE(PumpUntil([&] { return Asked("List", stops + 1); }));
    r.drop(owner_->fetch, answers);
    EXPECT_EQ(owner_->busy, r.busyAfter);
    ASSERT_TRUE(PumpUntil([&] { return server_.Cancelled() == stops + 1; })) << "the held transfer was told to stop";
    ++stops;
    ASSERT_TRUE(PumpUntil([&] { return owner_->words == static_cast<int>(r.answers.size()) + 1; }));
    EXPECT_EQ(answers, r.answers);

    owner_->fetch.Cancel();
    EXPECT_FALSE(owner_->busy);
    EXPECT_FALSE(owner_->IsTimerArmed(kTimer));
  }
}

// The answer of a dropped fetch that comes while a newer one waits is not the newer one's: it
// runs no continuation and leaves the newer transfer alone.
TEST_F(ServerFetchTest, AStaleAnswerRunsNothing) {
  server_.Serve("New", "new\n");
  for (const bool cancelledFirst : {false, true}) {
    SCOPED_TRACE(cancelledFirst ? "cancelled, then a new fetch" : "a new fetch");
    std::vector<std::string> answers;
    owner_->words = 0;
    server_.Hold("List");
    server_.Hold("New");
    owner_->fetch.FetchList("List", Record(answers, "stale"));
    ASSERT_TRUE(PumpUntil([&] { return Asked("List", cancelledFirst ? 2 : 1); }));
    if (cancelledFirst) owner_->fetch.Cancel();
    owner_->fetch.FetchList("New", Record(answers));
    ASSERT_TRUE(PumpUntil([&] { return Asked("New", cancelledFirst ? 2 : 1); }));

    server_.Release("List");
    ASSERT_TRUE(PumpUntil([&] { return owner_->words == 1; })) << "the dropped fetch's word";
    EXPECT_TRUE(answers.empty());
    EXPECT_TRUE(owner_->fetch.IsPending());
    EXPECT_TRUE(owner_->busy);

    server_.Release("New");
    ASSERT_TRUE(PumpUntil([&] { return !answers.empty(); }));
    EXPECT_EQ(answers, std::vector<std::string>{"new\n"});
    EXPECT_FALSE(owner_->busy);
  }
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
    owner_->fetch.FetchFile(c.name, c.path, [&](const pages::FetchResult& r, pages::BusyHold) { received = r.received; });
    ASSERT_TRUE(PumpUntil([&] { return received.has_value(); }));
    EXPECT_EQ(*received, c.received);
    EXPECT_EQ(io::ReadWholeFile(path).value_or(""), c.content);
  }
  std::system(("rm -rf '" + std::string(pattern) + "'").c_str());
}

TEST_F(ServerFetchTest, TheOwnerGoingAwayStopsAndJoinsAHeldFetch) {
  bool answered = false;
  server_.Hold("List");
  owner_->fetch.FetchList("List", [&](const pages::FetchResult&, pages::BusyHold) { answered = true; });
  ASSERT_TRUE(PumpUntil([&] { return Asked("List"); }));
  const auto start = Clock::now();
  owner_.reset();
  EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(sim::SimUpdateServer::kHoldLimitMs / 2))
      << "stopped, not waited out";
  fw::Application::ProcessMessagesFor(20);
  EXPECT_FALSE(answered);
}

}  // namespace
