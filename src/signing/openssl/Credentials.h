#pragma once

#include <cstdint>
#include <string>

#include "signing/openssl/Handles.h"
#include "signing/SigningCodes.h"

// Reading the broker's private key and certificate, with the library's codes.
namespace torva::ossl {

struct LoadedKey {
    FirmaCode code = firma::kOk;  // signing/SigningCodes.h
    PKey key;
};

// A PKCS#8 private key, DER or PEM, encrypted with the pass phrase (or not
// encrypted at all). The pass phrase is tried as UTF-8 and as Windows-1252.
// 2: no such file; 3: wrong pass phrase; 6: not a key.
LoadedKey loadPrivateKey(const std::string& path, const std::string& passPhrase);

struct LoadedCert {
    FirmaCode code = firma::kOk;
    Cert cert;
};

// An X.509 certificate, DER or PEM. 11: missing or unreadable; 12: outside
// its validity period.
LoadedCert loadCertificate(const std::string& path);

// Without the validity check, for verifying signatures made in the past.
Cert readCertificate(const std::string& path);

// The key is the one the certificate was issued for.
bool keyMatchesCertificate(EVP_PKEY* key, X509* cert);

}  // namespace torva::ossl
