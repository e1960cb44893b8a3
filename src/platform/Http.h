#pragma once
// HTTP(S) GET from the update server. TLS certificates and host names are always verified; a body
// counts as received only when the status was 200 and every byte the server announced arrived.
#include <chrono>
#include <cstdint>
#include <stop_token>
#include <string>

#include "platform/Installable.h"

namespace platform {

// Takes the body of a 200 response as it arrives.
class HttpReceiver {
 public:
  virtual ~HttpReceiver() = default;
  // Called once before any body byte, only for a 200 response; `announcedLength` is the
  // Content-Length, or -1 when the server gave none. False refuses the body and ends the transfer.
  virtual bool Begin(int64_t announcedLength) = 0;
  // One block of the body; false ends the transfer.
  virtual bool Receive(const char* data, size_t size) = 0;
  // Asked while the transfer runs, also while it waits for the server, at least once a second;
  // true abandons it. May be called on the fetching thread only.
  virtual bool Cancelled() { return false; }
  // A stop that wakes the transfer at once, also while the server sends nothing; once it is
  // requested, Cancelled() must say true. Without one, only the polling of Cancelled() ends it.
  virtual std::stop_token StopToken() const { return {}; }
  // The longest the whole transfer may take, connection included; zero for no limit beyond the
  // transport's connect and stall limits. A transfer that outlasts it fails.
  virtual std::chrono::milliseconds TimeLimit() const { return {}; }
};

enum class HttpOutcome {
  kComplete,     // status 200 and the whole body delivered
  kNotReached,   // bad address, no connection, TLS failure or time-out before any response
  kBadStatus,    // the server answered with a status other than 200; its body was not delivered
  kIncomplete,   // the body ended short of its length, or the connection broke or stalled
  kRefused,      // the receiver refused the body or a block of it
  kCancelled,    // the receiver asked to stop
};

struct HttpResult {
  HttpOutcome outcome = HttpOutcome::kNotReached;
  long status = 0;     // HTTP status of the final response, 0 when none came
  int64_t bytes = 0;   // body bytes delivered to the receiver
  std::string detail;  // the transport's own description of a failure, for logs
};

class Http : public Installable<Http> {
 public:
  // Fetches `url` (http or https) fresh from the server, bytes as they are, following redirects.
  // Blocks until the transfer ends, the receiver's time limit passes or it asks to stop; may run
  // on any thread.
  virtual HttpResult Fetch(const std::string& url, HttpReceiver& receiver) = 0;
  static Http& Real();
};

}  // namespace platform
