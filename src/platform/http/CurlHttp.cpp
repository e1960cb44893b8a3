#include "platform/http/CurlHttp.h"

// The library is called through the table below, so its type-checking macros must not rename the
// calls.
#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>
#include <dlfcn.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace platform {

namespace {

// libcurl, and the TLS, Kerberos, LDAP and SSH libraries it pulls in, cost several megabytes and
// their start-up work in every run; most runs of the window fetch late or never. The library is
// therefore opened at the first transfer, and only the calls used here are looked up.
struct CurlLibrary {
  curl_version_info_data* (*version_info)(CURLversion) = nullptr;
  CURLcode (*global_init)(long) = nullptr;
  CURL* (*easy_init)() = nullptr;
  CURLcode (*easy_setopt)(CURL*, CURLoption, ...) = nullptr;
  CURLcode (*easy_getinfo)(CURL*, CURLINFO, ...) = nullptr;
  void (*easy_cleanup)(CURL*) = nullptr;
  const char* (*easy_strerror)(CURLcode) = nullptr;
  curl_slist* (*slist_append)(curl_slist*, const char*) = nullptr;
  void (*slist_free_all)(curl_slist*) = nullptr;
  CURLM* (*multi_init)() = nullptr;
  CURLMcode (*multi_add_handle)(CURLM*, CURL*) = nullptr;
  CURLMcode (*multi_remove_handle)(CURLM*, CURL*) = nullptr;
  CURLMcode (*multi_perform)(CURLM*, int*) = nullptr;
  CURLMcode (*multi_poll)(CURLM*, curl_waitfd*, unsigned, int, int*) = nullptr;
  CURLMcode (*multi_wakeup)(CURLM*) = nullptr;
  CURLMsg* (*multi_info_read)(CURLM*, int*) = nullptr;
  CURLMcode (*multi_cleanup)(CURLM*) = nullptr;
  const char* (*multi_strerror)(CURLMcode) = nullptr;
};

// The oldest libcurl whose calls the transfer needs: curl_multi_wakeup came with 7.68.0.
constexpr unsigned kOldestCurl = 0x074400;
// The first that takes the protocols as text; the bit masks before are deprecated since.
constexpr unsigned kProtocolTextCurl = 0x075500;
// The first with CURLOPT_QUICK_EXIT: an older one makes a cancel wait for a hanging name look-up.
constexpr unsigned kQuickExitCurl = 0x075700;

std::string VersionText(unsigned number) {
  return std::to_string(number >> 16) + "." + std::to_string((number >> 8) & 0xFF) + "." +
         std::to_string(number & 0xFF);
}

struct LoadedCurl {
  CurlLibrary calls;
  unsigned version = 0;
  bool usable = false;
  std::string problem;  // why it is not usable
};

template <typename Function>
void LookUp(void* library, const char* name, Function& function, std::string& missing) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  if (!function && missing.empty()) missing = name;
}

LoadedCurl Load(const std::string& name) {
  LoadedCurl loaded;
  void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = dlerror();
    loaded.problem = why ? why : "it could not be opened";
    return loaded;
  }
  CurlLibrary& calls = loaded.calls;
  std::string missing;
  LookUp(handle, "curl_version_info", calls.version_info, missing);
  LookUp(handle, "curl_global_init", calls.global_init, missing);
  LookUp(handle, "curl_easy_init", calls.easy_init, missing);
  LookUp(handle, "curl_easy_setopt", calls.easy_setopt, missing);
  LookUp(handle, "curl_easy_getinfo", calls.easy_getinfo, missing);
  LookUp(handle, "curl_easy_cleanup", calls.easy_cleanup, missing);
  LookUp(handle, "curl_easy_strerror", calls.easy_strerror, missing);
  LookUp(handle, "curl_slist_append", calls.slist_append, missing);
  LookUp(handle, "curl_slist_free_all", calls.slist_free_all, missing);
  LookUp(handle, "curl_multi_init", calls.multi_init, missing);
  LookUp(handle, "curl_multi_add_handle", calls.multi_add_handle, missing);
  LookUp(handle, "curl_multi_remove_handle", calls.multi_remove_handle, missing);
  LookUp(handle, "curl_multi_perform", calls.multi_perform, missing);
  LookUp(handle, "curl_multi_poll", calls.multi_poll, missing);
  LookUp(handle, "curl_multi_wakeup", calls.multi_wakeup, missing);
  LookUp(handle, "curl_multi_info_read", calls.multi_info_read, missing);
  LookUp(handle, "curl_multi_cleanup", calls.multi_cleanup, missing);
  LookUp(handle, "curl_multi_strerror", calls.multi_strerror, missing);
  if (!missing.empty()) {
    loaded.problem = "it has no " + missing;
  } else if (const curl_version_info_data* info = calls.version_info(CURLVERSION_NOW);
             !info || info->version_num < kOldestCurl) {
    const std::string version = info ? VersionText(info->version_num) : "unknown";
    loaded.problem = "it is version " + version + ", older than " + VersionText(kOldestCurl);
  } else if (calls.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
    loaded.problem = "its set-up failed";
  } else {
    loaded.version = info->version_num;
  }
  loaded.usable = loaded.problem.empty();
  if (!loaded.usable) dlclose(handle);
  return loaded;
}

// Each library is opened and set up once, before its first transfer (curl's global set-up is not
// thread-safe), and kept for the rest of the run.
const LoadedCurl& Curl(const std::string& name) {
  static std::mutex mutex;
  static std::map<std::string, LoadedCurl> libraries;
  std::lock_guard lock(mutex);
  auto found = libraries.find(name);
  if (found == libraries.end()) found = libraries.emplace(name, Load(name)).first;
  return found->second;
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
struct MultiDeleter {
  const CurlLibrary* api;
  void operator()(CURLM* multi) const { api->multi_cleanup(multi); }
};

// How long a wait for the server lasts at most before Cancelled() is asked again: the stop token
// wakes the wait at once, this only serves a receiver without one.
constexpr int kPollBackstopMs = 500;

// Runs the transfer on a multi handle, whose wait for the server a stop requested on the
// receiver's token ends at once; returns the easy handle's result. `failure` gets the multi
// handle's own failure, if one ended the transfer.
CURLcode Perform(const CurlLibrary& api, CURL* easy, Transfer& transfer, std::string& failure) {
  const std::unique_ptr<CURLM, MultiDeleter> owned(api.multi_init(), MultiDeleter{&api});
  CURLM* multi = owned.get();
  if (!multi) {
    failure = "libcurl could not start a transfer";
    return CURLE_FAILED_INIT;
  }
  CURLMcode status = api.multi_add_handle(multi, easy);
  if (status != CURLM_OK) {
    failure = api.multi_strerror(status);
    return CURLE_FAILED_INIT;
  }
  {
    // Gone before the multi handle: its end waits for a wake-up another thread has begun.
    const std::stop_callback wake(transfer.receiver->StopToken(), [&api, multi] { api.multi_wakeup(multi); });
    int running = 1;
    while (status == CURLM_OK) {
      status = api.multi_perform(multi, &running);
      if (status != CURLM_OK || running == 0) break;
      if (transfer.receiver->Cancelled()) {
        transfer.cancelled = true;
        break;
      }
      status = api.multi_poll(multi, nullptr, 0, kPollBackstopMs, nullptr);
    }
  }
  bool finished = false;
  CURLcode result = CURLE_OK;
  int left = 0;
  while (const CURLMsg* message = api.multi_info_read(multi, &left)) {
    if (message->msg != CURLMSG_DONE || message->easy_handle != easy) continue;
    finished = true;
    result = message->data.result;
  }
  // Removing a transfer that is still under way ends it (a hanging name look-up is left to end on
  // its own only with CURLOPT_QUICK_EXIT).
  api.multi_remove_handle(multi, easy);
  if (finished) return result;
  if (transfer.cancelled) return CURLE_ABORTED_BY_CALLBACK;
  failure = status != CURLM_OK ? api.multi_strerror(status) : "libcurl ended the transfer without a result";
  return CURLE_FAILED_INIT;
}

}  // namespace

CurlHttp::CurlHttp(CurlHttpOptions options) : options_(std::move(options)) {}

HttpResult CurlHttp::Fetch(const std::string& url, HttpReceiver& receiver) {
  HttpResult result;
  const LoadedCurl& library = Curl(options_.library);
  if (!library.usable) {
    result.detail = "libcurl (" + options_.library + ") could not be loaded: " + library.problem;
    return result;
  }
  const CurlLibrary* api = &library.calls;
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
  if (library.version >= kProtocolTextCurl) {
    api->easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    api->easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  } else {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    api->easy_setopt(c, CURLOPT_PROTOCOLS, static_cast<long>(CURLPROTO_HTTP | CURLPROTO_HTTPS));
    api->easy_setopt(c, CURLOPT_REDIR_PROTOCOLS, static_cast<long>(CURLPROTO_HTTP | CURLPROTO_HTTPS));
#pragma GCC diagnostic pop
  }
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
  // A cancel or a time limit must not wait for a name look-up that hangs: its thread is left to
  // end on its own. An older library does not know the option and waits.
  if (library.version >= kQuickExitCurl) api->easy_setopt(c, CURLOPT_QUICK_EXIT, 1L);
  api->easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
  api->easy_setopt(c, CURLOPT_WRITEFUNCTION, &OnBody);
  api->easy_setopt(c, CURLOPT_WRITEDATA, &transfer);
  api->easy_setopt(c, CURLOPT_ERRORBUFFER, error);

  std::string failure;
  const CURLcode code = Perform(*api, c, transfer, failure);
  api->easy_getinfo(c, CURLINFO_RESPONSE_CODE, &result.status);
  result.detail = !failure.empty() ? failure : error[0] ? error : (code == CURLE_OK ? "" : api->easy_strerror(code));

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
