// A stand-in for libcurl whose transfers all fail, built in variants (FAKE_CURL_VERSION, and
// FAKE_CURL_WITHOUT_PERFORM to leave out one call) to show which libraries the loader refuses.
#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>

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
  return &handle;
}
CURLcode curl_easy_setopt(CURL*, CURLoption, ...) { return CURLE_OK; }
#ifndef FAKE_CURL_WITHOUT_PERFORM
CURLcode curl_easy_perform(CURL*) { return CURLE_FAILED_INIT; }
#endif
CURLcode curl_easy_getinfo(CURL*, CURLINFO, ...) { return CURLE_OK; }
void curl_easy_cleanup(CURL*) {}
const char* curl_easy_strerror(CURLcode) { return "the stand-in transfers nothing"; }
curl_slist* curl_slist_append(curl_slist*, const char*) { return nullptr; }
void curl_slist_free_all(curl_slist*) {}
