#include "platform/http/CurlHttp.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace platform {

namespace {

void InitialiseCurlOnce() {
  // curl's global set-up is not thread-safe; it runs once, before the first transfer.
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Transfer {
  CURL* curl = nullptr;
  HttpReceiver* receiver = nullptr;
  bool begun = false;
  bool refused = false;
  bool badStatus = false;
  bool cancelled = false;
  int64_t bytes = 0;

  // Hands the body over only once the final response is known to be a 200.
  bool BeginOnce() {
    if (begun) return true;
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    if (status != 200) {
      badStatus = true;
      return false;
    }
    curl_off_t length = -1;
    curl_easy_getinfo(curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    if (!receiver->Begin(length)) {
      refused = true;
      return false;
    }
    begun = true;
    return true;
  }
};

int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  auto* transfer = static_cast<Transfer*>(user);
  if (!transfer->receiver->Cancelled()) return 0;
  transfer->cancelled = true;
  return 1;
}

size_t OnBody(char* data, size_t size, size_t count, void* user) {
  auto* transfer = static_cast<Transfer*>(user);
  const size_t total = size * count;
  if (!transfer->BeginOnce()) return 0;
  if (total == 0) return 0;
  if (!transfer->receiver->Receive(data, total)) {
    transfer->refused = true;
    return 0;
  }
  transfer->bytes += static_cast<int64_t>(total);
  return total;
}

struct CurlDeleter {
  void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct SlistDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

}  // namespace

CurlHttp::CurlHttp(CurlHttpOptions options) : options_(std::move(options)) {}

HttpResult CurlHttp::Fetch(const std::string& url, HttpReceiver& receiver) {
  InitialiseCurlOnce();
  HttpResult result;
  std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
  if (!curl) {
    result.detail = "libcurl could not start a transfer";
    return result;
  }
  // Always the server's own copy, never a cache's.
  std::unique_ptr<curl_slist, SlistDeleter> headers(
      curl_slist_append(curl_slist_append(nullptr, "Cache-Control: no-cache"), "Pragma: no-cache"));

  Transfer transfer;
  transfer.curl = curl.get();
  transfer.receiver = &receiver;
  char error[CURL_ERROR_SIZE] = {};

  CURL* c = curl.get();
  curl_easy_setopt(c, CURLOPT_URL, url.c_str());
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
  curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
  if (!options_.caFile.empty()) curl_easy_setopt(c, CURLOPT_CAINFO, options_.caFile.c_str());
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, options_.connectTimeoutSeconds);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, options_.stallTimeoutSeconds);
  const long limitMs = static_cast<long>(receiver.TimeLimit().count());
  if (limitMs > 0) curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, limitMs);
  curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &OnProgress);
  curl_easy_setopt(c, CURLOPT_XFERINFODATA, &transfer);
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);  // worker threads: no SIGALRM for name look-ups
  curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &OnBody);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);

  const CURLcode code = curl_easy_perform(c);
  curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &result.status);
  result.detail = error[0] ? error : (code == CURLE_OK ? "" : curl_easy_strerror(code));

  if (transfer.cancelled) {
    result.outcome = HttpOutcome::kCancelled;
  } else if (transfer.badStatus || (result.status != 0 && result.status != 200)) {
    result.outcome = HttpOutcome::kBadStatus;
  } else if (transfer.refused) {
    result.outcome = HttpOutcome::kRefused;
  } else if (code != CURLE_OK) {
    result.outcome = result.status == 200 ? HttpOutcome::kIncomplete : HttpOutcome::kNotReached;
  } else if (!transfer.BeginOnce()) {  // an empty 200 body still begins, so the receiver knows
    result.outcome = transfer.badStatus ? HttpOutcome::kBadStatus : HttpOutcome::kRefused;
  } else {
    curl_off_t announced = -1;
    curl_easy_getinfo(c, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
    const bool whole = announced < 0 || announced == transfer.bytes;
    result.outcome = whole ? HttpOutcome::kComplete : HttpOutcome::kIncomplete;
    if (!whole) result.detail = "the body is shorter or longer than its announced length";
  }
  result.bytes = transfer.bytes;
  return result;
}

Http& Http::Real() {
  static CurlHttp http;
  return http;
}

}  // namespace platform
