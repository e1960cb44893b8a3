#include "TestCertificates.h"

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

namespace testing_io {

namespace {

struct KeyDeleter {
  void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct CertDeleter {
  void operator()(X509* cert) const { X509_free(cert); }
};
using Key = std::unique_ptr<EVP_PKEY, KeyDeleter>;
using Cert = std::unique_ptr<X509, CertDeleter>;

void Check(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(std::string("test certificate: ") + what);
}

Key NewKey() {
  Key key(EVP_EC_gen("P-256"));
  Check(key != nullptr, "key generation");
  return key;
}

// `issuer` null makes the certificate self-signed by `key`.
Cert NewCertificate(EVP_PKEY* key, const std::string& commonName, long serial, X509* issuer,
                    EVP_PKEY* issuerKey,
                    const std::vector<std::pair<int, const char*>>& extensions) {
  Cert cert(X509_new());
  Check(cert != nullptr, "certificate allocation");
  X509* c = cert.get();
  X509_set_version(c, 2);
  ASN1_INTEGER_set(X509_get_serialNumber(c), serial);
  X509_gmtime_adj(X509_getm_notBefore(c), -3600);
  X509_gmtime_adj(X509_getm_notAfter(c), 24 * 3600);
  X509_set_pubkey(c, key);
  X509_NAME_add_entry_by_txt(X509_get_subject_name(c), "CN", MBSTRING_ASC,
                             reinterpret_cast<const unsigned char*>(commonName.c_str()), -1, -1,
                             0);
  X509_set_issuer_name(c, X509_get_subject_name(issuer ? issuer : c));
  X509V3_CTX context;
  X509V3_set_ctx(&context, issuer ? issuer : c, c, nullptr, nullptr, 0);
  for (const auto& [nid, value] : extensions) {
    X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value);
    Check(extension != nullptr, "extension");
    X509_add_ext(c, extension, -1);
    X509_EXTENSION_free(extension);
  }
  Check(X509_sign(c, issuerKey ? issuerKey : key, EVP_sha256()) > 0, "signing");
  return cert;
}

template <typename Writer>
void WritePem(const std::string& path, Writer write) {
  FILE* file = std::fopen(path.c_str(), "w");
  Check(file != nullptr, "file creation");
  const bool ok = write(file);
  std::fclose(file);
  Check(ok, "PEM writing");
}

}  // namespace

CertificateFiles MakeCertificates(const std::string& folder, const std::string& prefix,
                                  const std::string& authorityName) {
  Key caKey = NewKey();
  Cert ca = NewCertificate(caKey.get(), authorityName, 1, nullptr, nullptr,
                           {{NID_basic_constraints, "critical,CA:TRUE"},
                            {NID_key_usage, "critical,keyCertSign,cRLSign"},
                            {NID_subject_key_identifier, "hash"}});
  Key serverKey = NewKey();
  Cert server = NewCertificate(serverKey.get(), "127.0.0.1", 2, ca.get(), caKey.get(),
                               {{NID_basic_constraints, "critical,CA:FALSE"},
                                {NID_subject_alt_name, "IP:127.0.0.1,DNS:localhost"},
                                {NID_ext_key_usage, "serverAuth"},
                                {NID_authority_key_identifier, "keyid"}});
  CertificateFiles files{folder + "/" + prefix + "-ca.pem", folder + "/" + prefix + "-server.pem",
                         folder + "/" + prefix + "-server.key"};
  WritePem(files.caCertificate, [&](FILE* f) { return PEM_write_X509(f, ca.get()) == 1; });
  WritePem(files.serverCertificate, [&](FILE* f) { return PEM_write_X509(f, server.get()) == 1; });
  WritePem(files.serverKey, [&](FILE* f) {
    return PEM_write_PrivateKey(f, serverKey.get(), nullptr, nullptr, 0, nullptr, nullptr) == 1;
  });
  return files;
}

}  // namespace testing_io
