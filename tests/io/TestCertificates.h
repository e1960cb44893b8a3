#pragma once
// A certificate authority and a server certificate for 127.0.0.1 made at test time, written as
// PEM files into a folder.
#include <string>

namespace testing_io {

struct CertificateFiles {
  std::string caCertificate;      // the authority that signed the server certificate
  std::string serverCertificate;  // for 127.0.0.1 and localhost
  std::string serverKey;
};

// Makes a fresh authority named `authorityName` and a server certificate signed by it; the files
// go into `folder` with `prefix` in their names. Throws std::runtime_error on failure.
CertificateFiles MakeCertificates(const std::string& folder, const std::string& prefix,
                                  const std::string& authorityName);

}  // namespace testing_io
