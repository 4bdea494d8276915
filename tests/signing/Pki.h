#pragma once

#include <string>
#include <vector>

#include "signing/openssl/Handles.h"

// Keys and certificates for the tests, made with OpenSSL.
namespace torva::test {

// A fresh 2048-bit RSA key.
ossl::PKey makeRsaKey();

// TripleDesDer: PKCS#8 DER with PBE-SHA1-3DES, as the authority issues keys.
enum class KeyForm { EncryptedDer, EncryptedPem, PlainDer, TripleDesDer };
void writeKey(EVP_PKEY* key, const std::string& path, const std::string& passPhrase, KeyForm form);

enum class CertForm { Der, Pem };
// A self-signed certificate of the key valid from now + fromDays to now +
// toDays, with the CURP as its subject's serial number.
ossl::Cert makeCertificate(EVP_PKEY* key, long fromDays, long toDays, long serial = 4242);
void writeCertificate(X509* cert, const std::string& path, CertForm form);

// The public key of a certificate as a PEM file, for the openssl command.
void writePublicKeyPem(X509* cert, const std::string& path);

// Runs a shell command of the build machine; its exit status. A Windows test
// under Wine cannot wait for the build machine's programs: there
// kHostCommands is false and the checks that need one are left out.
#ifdef _WIN32
inline constexpr bool kHostCommands = false;
#else
inline constexpr bool kHostCommands = true;
#endif
int run(const std::string& command);

// Runs a program built with the tests, with these arguments; its exit status.
int runProgram(const std::string& program, const std::vector<std::string>& args);

}  // namespace torva::test
