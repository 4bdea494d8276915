#pragma once

#include <string>

#include "signing/openssl/Handles.h"

// Keys and certificates for the tests, made with OpenSSL.
namespace torva::test {

// A fresh 2048-bit RSA key.
ossl::PKey makeRsaKey();

enum class KeyForm { EncryptedDer, EncryptedPem, PlainDer };
void writeKey(EVP_PKEY* key, const std::string& path, const std::string& passPhrase, KeyForm form);

enum class CertForm { Der, Pem };
// A self-signed certificate of the key valid from now + fromDays to now +
// toDays, with the CURP as its subject's serial number.
ossl::Cert makeCertificate(EVP_PKEY* key, long fromDays, long toDays, long serial = 4242);
void writeCertificate(X509* cert, const std::string& path, CertForm form);

// The public key of a certificate as a PEM file, for the openssl command.
void writePublicKeyPem(X509* cert, const std::string& path);

// Runs a shell command; its exit status.
int run(const std::string& command);

}  // namespace torva::test
