// How long a cancel, asked for as a close asks for it (the worker's stop), takes to end a
// download's worker 400 ms into a silence of the server's (before its answer, or after the
// headers of a large body), against the same transfer cancelled while its body flows. The server
// is the benchmark's own, plain HTTP on 127.0.0.1.
// Time per iteration: from the stop request to the worker's end. Counter, in milliseconds: median.
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "ScratchFolder.h"
#include "io/Download.h"
#include "io/Worker.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

enum class Body {
  kNone,     // no answer at all
  kSilent,   // the headers, then nothing
  kFlowing,  // the headers, then the body as fast as it goes
};

// Serves one connection at a time, which is all one transfer after another needs.
class Server {
 public:
  explicit Server(Body body) : body_(body) {
    listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        listen(listener_, 4) != 0 || getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
      return;
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~Server() {
    stopping_ = true;
    if (thread_.joinable()) thread_.join();
    if (listener_ >= 0) close(listener_);
  }
  Server(const Server&) = delete;
  Server& operator=(const Server&) = delete;

  int Port() const { return port_; }

  // Requests answered as far as the answer goes before its body, and body bytes sent in all.
  std::atomic<int> answered{0};
  std::atomic<int64_t> sent{0};

 private:
  // Ready for `events`, or false when the wait should end (stop, or nothing within the slice).
  bool Ready(int fd, short events, short& revents) {
    pollfd entry{fd, events, 0};
    revents = 0;
    if (poll(&entry, 1, 20) <= 0) return false;
    revents = entry.revents;
    return true;
  }

  void Serve() {
    while (!stopping_) {
      short revents = 0;
      if (!Ready(listener_, POLLIN, revents)) continue;
      const int connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
      if (connection < 0) continue;
      Answer(connection);
      close(connection);
    }
  }

  void Answer(int connection) {
    std::string request;
    char buffer[16384] = {};
    while (request.find("\r\n\r\n") == std::string::npos) {
      if (stopping_) return;
      short revents = 0;
      if (!Ready(connection, POLLIN, revents)) continue;
      const ssize_t got = recv(connection, buffer, sizeof buffer, 0);
      if (got <= 0) return;
      request.append(buffer, static_cast<size_t>(got));
    }
    const std::string headers =
        "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: 1073741824\r\n\r\n";
    if (body_ != Body::kNone &&
        send(connection, headers.data(), headers.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(headers.size())) {
      return;
    }
    ++answered;
    // Until the client hangs up.
    while (!stopping_) {
      short revents = 0;
      if (!Ready(connection, body_ == Body::kFlowing ? POLLIN | POLLOUT : POLLIN, revents)) continue;
      if (revents & (POLLIN | POLLHUP | POLLERR)) {
        if (recv(connection, buffer, sizeof buffer, MSG_DONTWAIT) <= 0) return;
      }
      if (revents & POLLOUT) {
        const ssize_t put = send(connection, buffer, sizeof buffer, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (put < 0 && errno != EAGAIN) return;
        if (put > 0) sent += put;
      }
    }
  }

  const Body body_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

template <typename Condition>
bool WaitFor(Condition condition) {
  const Clock::time_point deadline = Clock::now() + 5s;
  while (!condition()) {
    if (Clock::now() > deadline) return false;
    std::this_thread::sleep_for(1ms);
  }
  return true;
}

void BM_CancelToWorkerEnd(benchmark::State& state, Body body) {
  Server server(body);
  if (server.Port() == 0) return state.SkipWithError("no local server");
  const testutil::ScratchFolder folder("corvale-bench");
  if (folder.Path().empty()) return state.SkipWithError("no scratch folder");
  const std::string target = folder.File("image.bin");
  const std::string url = "http://127.0.0.1:" + std::to_string(server.Port()) + "/image";

  std::vector<double> times;
  for (auto _ : state) {
    const int answered = server.answered;
    const int64_t sent = server.sent;
    io::Worker worker;
    worker.Start([&](std::stop_token stop) { io::DownloadUrl(url, nullptr, &target, nullptr, stop); });
    // Under way: the request was answered as far as the server goes, and either a megabyte of
    // the body has gone out or the transfer has waited for a while.
    const bool underWay = WaitFor([&] {
      return server.answered > answered && (body != Body::kFlowing || server.sent - sent >= (1 << 20));
    });
    if (body != Body::kFlowing) std::this_thread::sleep_for(400ms);

    const Clock::time_point start = Clock::now();
    worker.RequestStop();
    worker.Wait(0);
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    if (!underWay) return state.SkipWithError("the transfer never got under way");
    state.SetIterationTime(elapsed.count());
    times.push_back(elapsed.count() * 1000);
  }
  std::sort(times.begin(), times.end());
  if (!times.empty()) state.counters["median_ms"] = times[times.size() / 2];
}
// A few runs each: a cancel that waited for the transfer's next progress call took up to a second.
BENCHMARK_CAPTURE(BM_CancelToWorkerEnd, no_answer, Body::kNone)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CancelToWorkerEnd, silent_after_headers, Body::kSilent)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CancelToWorkerEnd, flowing, Body::kFlowing)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

}  // namespace
