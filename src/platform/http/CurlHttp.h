#pragma once
// The libcurl implementation of platform::Http.
#include <string>

#include "platform/Http.h"

namespace platform {

struct CurlHttpOptions {
  // PEM file of the certificate authorities to trust; empty trusts the system's store.
  std::string caFile;
  long connectTimeoutSeconds = 30;
  // A transfer that moves no byte for this long is abandoned as incomplete.
  long stallTimeoutSeconds = 60;
  // The library opened at the first transfer.
  std::string library = "libcurl.so.4";
};

class CurlHttp : public Http {
 public:
  explicit CurlHttp(CurlHttpOptions options = {});
  HttpResult Fetch(const std::string& url, HttpReceiver& receiver) override;

 private:
  CurlHttpOptions options_;
};

}  // namespace platform
