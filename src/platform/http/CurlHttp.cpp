#include "platform/http/CurlHttp.h"

// The library is called through the table below, so its type-checking macros must not rename the
// calls.
#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>
#include <dlfcn.h>

#include <memory>
#include <mutex>

namespace platform {

namespace {

// libcurl, and the TLS, Kerberos, LDAP and SSH libraries it pulls in, cost several megabytes and
// their start-up work in every run; most runs of the window fetch late or never. The library is
// therefore opened at the first transfer, and only the calls used here are looked up.
struct CurlLibrary {
  CURLcode (*global_init)(long) = nullptr;
  CURL* (*easy_init)() = nullptr;
  CURLcode (*easy_setopt)(CURL*, CURLoption, ...) = nullptr;
  CURLcode (*easy_perform)(CURL*) = nullptr;
  CURLcode (*easy_getinfo)(CURL*, CURLINFO, ...) = nullptr;
  void (*easy_cleanup)(CURL*) = nullptr;
  const char* (*easy_strerror)(CURLcode) = nullptr;
  curl_slist* (*slist_append)(curl_slist*, const char*) = nullptr;
  void (*slist_free_all)(curl_slist*) = nullptr;

  bool Complete() const {
    return global_init && easy_init && easy_setopt && easy_perform && easy_getinfo && easy_cleanup &&
           easy_strerror && slist_append && slist_free_all;
  }
};

template <typename Function>
void LookUp(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
}

// Opened and set up once, before the first transfer (curl's global set-up is not thread-safe),
// and kept for the rest of the run; null when the library is missing or incomplete.
const CurlLibrary* Curl() {
  static const CurlLibrary* library = [] () -> const CurlLibrary* {
    void* handle = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    if (!handle) return nullptr;
    static CurlLibrary calls;
    LookUp(handle, "curl_global_init", calls.global_init);
    LookUp(handle, "curl_easy_init", calls.easy_init);
    LookUp(handle, "curl_easy_setopt", calls.easy_setopt);
    LookUp(handle, "curl_easy_perform", calls.easy_perform);
    LookUp(handle, "curl_easy_getinfo", calls.easy_getinfo);
    LookUp(handle, "curl_easy_cleanup", calls.easy_cleanup);
    LookUp(handle, "curl_easy_strerror", calls.easy_strerror);
    LookUp(handle, "curl_slist_append", calls.slist_append);
    LookUp(handle, "curl_slist_free_all", calls.slist_free_all);
    if (!calls.Complete() || calls.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) return nullptr;
    return &calls;
  }();
  return library;
}

struct Transfer {
  const CurlLibrary* api = nullptr;
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
    api->easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    if (status != 200) {
      badStatus = true;
      return false;
    }
    curl_off_t length = -1;
    api->easy_getinfo(curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
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
  const CurlLibrary* api;
  void operator()(CURL* curl) const { api->easy_cleanup(curl); }
};
struct SlistDeleter {
  const CurlLibrary* api;
  void operator()(curl_slist* list) const { api->slist_free_all(list); }
};

}  // namespace

CurlHttp::CurlHttp(CurlHttpOptions options) : options_(std::move(options)) {}

HttpResult CurlHttp::Fetch(const std::string& url, HttpReceiver& receiver) {
  HttpResult result;
  const CurlLibrary* api = Curl();
  if (!api) {
    result.detail = "libcurl (libcurl.so.4) could not be loaded";
    return result;
  }
  std::unique_ptr<CURL, CurlDeleter> curl(api->easy_init(), CurlDeleter{api});
  if (!curl) {
    result.detail = "libcurl could not start a transfer";
    return result;
  }
  // Always the server's own copy, never a cache's.
  std::unique_ptr<curl_slist, SlistDeleter> headers(
      api->slist_append(api->slist_append(nullptr, "Cache-Control: no-cache"), "Pragma: no-cache"), SlistDeleter{api});

  Transfer transfer;
  transfer.api = api;
  transfer.curl = curl.get();
  transfer.receiver = &receiver;
  char error[CURL_ERROR_SIZE] = {};

  CURL* c = curl.get();
  api->easy_setopt(c, CURLOPT_URL, url.c_str());
  api->easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
  api->easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  api->easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
  api->easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
  api->easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
  api->easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
  if (!options_.caFile.empty()) api->easy_setopt(c, CURLOPT_CAINFO, options_.caFile.c_str());
  api->easy_setopt(c, CURLOPT_CONNECTTIMEOUT, options_.connectTimeoutSeconds);
  api->easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
  api->easy_setopt(c, CURLOPT_LOW_SPEED_TIME, options_.stallTimeoutSeconds);
  const long limitMs = static_cast<long>(receiver.TimeLimit().count());
  if (limitMs > 0) api->easy_setopt(c, CURLOPT_TIMEOUT_MS, limitMs);
  api->easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
  api->easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &OnProgress);
  api->easy_setopt(c, CURLOPT_XFERINFODATA, &transfer);
  api->easy_setopt(c, CURLOPT_NOSIGNAL, 1L);  // worker threads: no SIGALRM for name look-ups
  api->easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
  api->easy_setopt(c, CURLOPT_WRITEFUNCTION, &OnBody);
  api->easy_setopt(c, CURLOPT_WRITEDATA, &transfer);
  api->easy_setopt(c, CURLOPT_ERRORBUFFER, error);

  const CURLcode code = api->easy_perform(c);
  api->easy_getinfo(c, CURLINFO_RESPONSE_CODE, &result.status);
  result.detail = error[0] ? error : (code == CURLE_OK ? "" : api->easy_strerror(code));

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
    api->easy_getinfo(c, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
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
