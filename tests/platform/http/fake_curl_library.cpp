// A stand-in for libcurl, built in variants (FAKE_CURL_VERSION, and FAKE_CURL_WITHOUT_WAKEUP to
// leave out one call) to show which libraries the loader refuses and how it uses an older one.
// Its one transfer delivers a small body at once. As a real library of its version would, it
// refuses the options newer than that version; it notes what was asked of it.
#define CURL_DISABLE_TYPECHECK
#define CURL_DISABLE_DEPRECATION
#include <curl/curl.h>

#include <cstdarg>
#include <cstring>

namespace {

constexpr char kBody[] = "a small body";

struct {
  curl_write_callback write = nullptr;
  void* writeData = nullptr;
  CURL* easy = nullptr;
  bool done = false;
  CURLMsg message = {};
  bool messageRead = false;
  // What was asked for.
  int quickExit = 0;  // asked for, known or not
  int unknownOptions = 0;
  int protocols = 0;  // restricted to HTTP and HTTPS, for requests and for redirects
} fake;

constexpr long kWebProtocols = CURLPROTO_HTTP | CURLPROTO_HTTPS;

bool Knows(CURLoption option) {
  switch (option) {
    case CURLOPT_PROTOCOLS_STR:
    case CURLOPT_REDIR_PROTOCOLS_STR:
      return FAKE_CURL_VERSION >= 0x075500;
    case CURLOPT_QUICK_EXIT:
      return FAKE_CURL_VERSION >= 0x075700;
    default:
      return true;
  }
}

}  // namespace

extern "C" {

// For the test: CURLOPT_QUICK_EXIT asked for, options this version does not know asked for, and
// the protocol options that limited requests and redirects to HTTP and HTTPS.
int fake_curl_quick_exit() { return fake.quickExit; }
int fake_curl_unknown_options() { return fake.unknownOptions; }
int fake_curl_protocols() { return fake.protocols; }

curl_version_info_data* curl_version_info(CURLversion) {
  static curl_version_info_data info = {};
  info.age = CURLVERSION_NOW;
  info.version = "fake";
  info.version_num = FAKE_CURL_VERSION;
  return &info;
}
CURLcode curl_global_init(long) { return CURLE_OK; }
CURL* curl_easy_init() {
  static int handle;
  fake = {};
  fake.easy = &handle;
  return &handle;
}
CURLcode curl_easy_setopt(CURL*, CURLoption option, ...) {
  fake.quickExit += option == CURLOPT_QUICK_EXIT;
  if (!Knows(option)) {
    ++fake.unknownOptions;
    return CURLE_UNKNOWN_OPTION;
  }
  va_list arguments;
  va_start(arguments, option);
  switch (option) {
    case CURLOPT_WRITEFUNCTION:
      fake.write = va_arg(arguments, curl_write_callback);
      break;
    case CURLOPT_WRITEDATA:
      fake.writeData = va_arg(arguments, void*);
      break;
    case CURLOPT_PROTOCOLS:
    case CURLOPT_REDIR_PROTOCOLS:
      fake.protocols += va_arg(arguments, long) == kWebProtocols;
      break;
    case CURLOPT_PROTOCOLS_STR:
    case CURLOPT_REDIR_PROTOCOLS_STR:
      fake.protocols += std::strcmp(va_arg(arguments, const char*), "http,https") == 0;
      break;
    default:
      break;
  }
  va_end(arguments);
  return CURLE_OK;
}
CURLcode curl_easy_getinfo(CURL*, CURLINFO info, ...) {
  va_list arguments;
  va_start(arguments, info);
  if (info == CURLINFO_RESPONSE_CODE) *va_arg(arguments, long*) = 200;
  if (info == CURLINFO_CONTENT_LENGTH_DOWNLOAD_T) *va_arg(arguments, curl_off_t*) = sizeof kBody - 1;
  va_end(arguments);
  return CURLE_OK;
}
void curl_easy_cleanup(CURL*) {}
const char* curl_easy_strerror(CURLcode) { return "the stand-in failed"; }
curl_slist* curl_slist_append(curl_slist*, const char*) { return nullptr; }
void curl_slist_free_all(curl_slist*) {}

CURLM* curl_multi_init() {
  static int handle;
  return &handle;
}
CURLMcode curl_multi_add_handle(CURLM*, CURL* easy) { return easy == fake.easy ? CURLM_OK : CURLM_BAD_EASY_HANDLE; }
CURLMcode curl_multi_remove_handle(CURLM*, CURL*) { return CURLM_OK; }
CURLMcode curl_multi_perform(CURLM*, int* running) {
  if (!fake.done) {
    fake.done = true;
    const size_t size = sizeof kBody - 1;
    const bool taken = fake.write && fake.write(const_cast<char*>(kBody), 1, size, fake.writeData) == size;
    fake.message.msg = CURLMSG_DONE;
    fake.message.easy_handle = fake.easy;
    fake.message.data.result = taken ? CURLE_OK : CURLE_WRITE_ERROR;
  }
  *running = 0;
  return CURLM_OK;
}
CURLMcode curl_multi_poll(CURLM*, curl_waitfd*, unsigned, int, int*) { return CURLM_OK; }
#ifndef FAKE_CURL_WITHOUT_WAKEUP
CURLMcode curl_multi_wakeup(CURLM*) { return CURLM_OK; }
#endif
CURLMsg* curl_multi_info_read(CURLM*, int* left) {
  *left = 0;
  if (!fake.done || fake.messageRead) return nullptr;
  fake.messageRead = true;
  return &fake.message;
}
CURLMcode curl_multi_cleanup(CURLM*) { return CURLM_OK; }
const char* curl_multi_strerror(CURLMcode) { return "the stand-in failed"; }

}  // extern "C"
