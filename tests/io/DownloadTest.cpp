#include "io/Download.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

#include "FilesBeside.h"
#include "TestCertificates.h"
#include "io/AtomicFile.h"
#include "platform/http/CurlHttp.h"

namespace {

std::string Pattern(size_t size) {
  std::string body(size, '\0');
  for (size_t i = 0; i < size; ++i) body[i] = static_cast<char>((i * 131 + i / 7) & 0xFF);
  return body;
}

// An HTTPS server on 127.0.0.1 whose certificate a test-made authority signed.
class DownloadTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    char pattern[] = "/tmp/corvale-download-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
    trusted_ = testing_io::MakeCertificates(folder_, "trusted", "Corvale Test Authority");
    stranger_ = testing_io::MakeCertificates(folder_, "stranger", "Some Other Authority");

    server_ = std::make_unique<httplib::SSLServer>(trusted_.serverCertificate.c_str(),
                                                   trusted_.serverKey.c_str());
    ASSERT_TRUE(server_->is_valid());
    server_->Get("/Software", [](const httplib::Request&, httplib::Response& res) {
      res.set_content("Corvale:1.0:0:setup.run\n", "text/plain");
    });
    server_->Get("/empty", [](const httplib::Request&, httplib::Response& res) {
      res.set_content("", "application/octet-stream");
    });
    server_->Get("/image", [](const httplib::Request&, httplib::Response& res) {
      res.set_content(Pattern(kImageSize), "application/octet-stream");
    });
    server_->Get("/missing", [](const httplib::Request&, httplib::Response& res) {
      res.status = 404;
      res.set_content("<html>no such file</html>", "text/html");
    });
    server_->Get("/short", [](const httplib::Request&, httplib::Response& res) {
      // Announces 5000 bytes, sends 2000, then hangs up.
      res.set_content_provider(5000, "application/octet-stream",
                               [](size_t offset, size_t, httplib::DataSink& sink) {
                                 if (offset >= 2000) return false;
                                 const std::string part = Pattern(2000);
                                 sink.write(part.data(), part.size());
                                 return true;
                               });
    });
    port_ = server_->bind_to_any_port("127.0.0.1");
    ASSERT_GT(port_, 0);
    thread_ = std::thread([] { server_->listen_after_bind(); });
  }

  static void TearDownTestSuite() {
    server_->stop();
    if (thread_.joinable()) thread_.join();
    server_.reset();
    std::system(("rm -rf '" + folder_ + "'").c_str());
  }

  static std::string Url(const std::string& name) {
    return "https://127.0.0.1:" + std::to_string(port_) + "/" + name;
  }

  static constexpr size_t kImageSize = 250 * 1024 + 17;
  static inline std::string folder_;
  static inline testing_io::CertificateFiles trusted_;
  static inline testing_io::CertificateFiles stranger_;
  static inline std::unique_ptr<httplib::SSLServer> server_;
  static inline std::thread thread_;
  static inline int port_ = 0;

  platform::CurlHttp http_{{trusted_.caCertificate, 5, 5}};
  platform::Http::Scoped useHttp_{http_};
};

TEST_F(DownloadTest, ListIntoMemory) {
  std::string body = "old";
  EXPECT_EQ(io::DownloadUrl(Url("Software"), &body, nullptr, nullptr), 24);
  EXPECT_EQ(body, "Corvale:1.0:0:setup.run\n");
  EXPECT_EQ(io::DownloadUrl(Url("empty"), &body, nullptr, nullptr), 0);
  EXPECT_EQ(body, "");
}

TEST_F(DownloadTest, FileWithProgressReplacesTheTarget) {
  const std::string target = folder_ + "/image.bin";
  ASSERT_TRUE(io::WriteFileAtomically(target, "an older image"));
  io::DownloadProgress progress;
  EXPECT_EQ(io::DownloadUrl(Url("image"), nullptr, &target, &progress), int(kImageSize));
  EXPECT_EQ(io::ReadWholeFile(target).value_or(""), Pattern(kImageSize));
  EXPECT_EQ(progress.total, io::kNominalDownloadTotal);
  EXPECT_EQ(progress.received, io::kNominalDownloadTotal) << "the end reports the nominal total";
  EXPECT_NE(access((target + ".tmp").c_str(), F_OK), 0);

  const std::string empty = folder_ + "/empty.bin";
  EXPECT_EQ(io::DownloadUrl(Url("empty"), nullptr, &empty, nullptr), 0);
  EXPECT_EQ(io::ReadWholeFile(empty).value_or("absent"), "");
}

struct Discard : platform::HttpReceiver {
  bool Begin(int64_t) override { return begun = true; }
  bool Receive(const char*, size_t) override { return true; }
  bool begun = false;
};

TEST_F(DownloadTest, FailuresAreFailuresAndLeaveTheCallersDataAlone) {
  platform::CurlHttp strangerHttp({stranger_.caCertificate, 5, 5});
  using platform::HttpOutcome;
  const struct {
    const char* what;
    std::string url;
    platform::Http* http;
    HttpOutcome outcome;
  } cases[] = {
      {"status 404 with an error page", Url("missing"), nullptr, HttpOutcome::kBadStatus},
      {"body shorter than announced", Url("short"), nullptr, HttpOutcome::kIncomplete},
      {"certificate from an authority we do not trust", Url("Software"), &strangerHttp,
       HttpOutcome::kNotReached},
      {"nobody listening", "https://127.0.0.1:1/Software", nullptr, HttpOutcome::kNotReached},
      {"not a web address", "ftp://127.0.0.1/Software", nullptr, HttpOutcome::kNotReached},
  };
  const std::string target = folder_ + "/kept.bin";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::optional<platform::Http::Scoped> other;
    if (c.http) other.emplace(*c.http);
    Discard discard;
    EXPECT_EQ(platform::Http::Get().Fetch(c.url, discard).outcome, c.outcome);
    EXPECT_FALSE(discard.begun && c.outcome == HttpOutcome::kBadStatus) << "error page delivered";

    std::string body = "untouched";
    EXPECT_EQ(io::DownloadUrl(c.url, &body, nullptr, nullptr), io::kDownloadNotOpened);
    EXPECT_EQ(body, "untouched");

    ASSERT_TRUE(io::WriteFileAtomically(target, "the file before"));
    io::DownloadProgress progress;
    EXPECT_EQ(io::DownloadUrl(c.url, nullptr, &target, &progress), io::kDownloadNotOpened);
    EXPECT_EQ(io::ReadWholeFile(target).value_or(""), "the file before");
    EXPECT_NE(access((target + ".tmp").c_str(), F_OK), 0) << "no half file is left behind";
    EXPECT_NE(progress.received, io::kNominalDownloadTotal);
  }
}

TEST_F(DownloadTest, TargetThatCannotBeCreatedOrPutInPlaceIsAFailure) {
  const std::string target = folder_ + "/no-such-folder/image.bin";
  EXPECT_EQ(io::DownloadUrl(Url("image"), nullptr, &target, nullptr), io::kDownloadFileNotCreated);
  // A folder in the target's place: the whole body arrives, but the file never gets in place.
  const std::string taken = folder_ + "/taken";
  ASSERT_EQ(mkdir(taken.c_str(), 0755), 0);
  io::DownloadProgress progress;
  EXPECT_EQ(io::DownloadUrl(Url("image"), nullptr, &taken, &progress), io::kDownloadFileNotCreated);
  EXPECT_NE(progress.received, io::kNominalDownloadTotal) << "no completion is reported";
  EXPECT_TRUE(testing_io::FilesBeside(taken).empty());
  // The address is judged first: an unreachable server with a bad folder is still -1.
  EXPECT_EQ(io::DownloadUrl(Url("missing"), nullptr, &target, nullptr), io::kDownloadNotOpened);
}

// Delivers a body in chunks of a set size and notes the progress record after each chunk.
class ChunkedHttp : public platform::Http {
 public:
  ChunkedHttp(std::string body, size_t chunk, int64_t announced)
      : body_(std::move(body)), chunk_(chunk), announced_(announced) {}
  platform::HttpResult Fetch(const std::string&, platform::HttpReceiver& receiver) override {
    platform::HttpResult result;
    result.status = 200;
    if (!receiver.Begin(announced_)) {
      result.outcome = platform::HttpOutcome::kRefused;
      return result;
    }
    for (size_t at = 0; at < body_.size(); at += chunk_) {
      const size_t size = std::min(chunk_, body_.size() - at);
      if (!receiver.Receive(body_.data() + at, size)) {
        result.outcome = platform::HttpOutcome::kRefused;
        return result;
      }
      if (progress) seen.push_back(progress->received);
    }
    result.outcome = platform::HttpOutcome::kComplete;
    return result;
  }
  io::DownloadProgress* progress = nullptr;
  std::vector<int> seen;

 private:
  std::string body_;
  size_t chunk_;
  int64_t announced_;
};

TEST(DownloadProgressTest, ReceivedMovesOnEvery102ndReadOfOneBlock) {
  // 210 blocks, delivered one block at a time and then sixteen blocks at a time.
  const std::string body = Pattern(210 * io::kDownloadBlock);
  char folder[] = "/tmp/corvale-progress-XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  const std::string target = std::string(folder) + "/image.bin";
  for (size_t chunk : {io::kDownloadBlock, 16 * io::kDownloadBlock}) {
    ChunkedHttp http(body, chunk, int64_t(body.size()));
    platform::Http::Scoped use(http);
    io::DownloadProgress progress;
    http.progress = &progress;
    ASSERT_EQ(io::DownloadUrl("https://server/image", nullptr, &target, &progress),
              int(body.size()));
    const size_t blocksPerChunk = chunk / io::kDownloadBlock;
    for (size_t i = 0; i < http.seen.size(); ++i) {
      const size_t reads = (i + 1) * blocksPerChunk;
      const int expected = reads >= 204 ? 204 * 1024 : reads >= 102 ? 102 * 1024 : 0;
      EXPECT_EQ(http.seen[i], expected) << "after " << reads << " reads of " << chunk;
    }
    EXPECT_EQ(progress.received, io::kNominalDownloadTotal);
  }
  std::system((std::string("rm -rf '") + folder + "'").c_str());
}

TEST(DownloadProgressTest, MemoryModeTakesABodyUpToItsBoundAndRefusesMore) {
  const std::string largest(io::kMaxMemoryDownload, 'x');
  for (int64_t announced : {int64_t(io::kMaxMemoryDownload), int64_t(-1)}) {
    ChunkedHttp exactlyTheBound(largest, 1 << 20, announced);
    platform::Http::Scoped use(exactlyTheBound);
    std::string body;
    EXPECT_EQ(io::DownloadUrl("https://server/Software", &body, nullptr, nullptr), int(largest.size()))
        << "announced " << announced;
    EXPECT_EQ(body.size(), largest.size());
  }
  std::string body = "untouched";
  ChunkedHttp announcedTooLarge("x", 1, int64_t(io::kMaxMemoryDownload) + 1);
  {
    platform::Http::Scoped use(announcedTooLarge);
    EXPECT_EQ(io::DownloadUrl("https://server/Software", &body, nullptr, nullptr),
              io::kDownloadNotOpened);
  }
  ChunkedHttp unannouncedTooLarge(std::string(io::kMaxMemoryDownload + 1, 'x'), 1 << 20, -1);
  {
    platform::Http::Scoped use(unannouncedTooLarge);
    EXPECT_EQ(io::DownloadUrl("https://server/Software", &body, nullptr, nullptr),
              io::kDownloadNotOpened);
  }
  EXPECT_EQ(body, "untouched");
}

}  // namespace
