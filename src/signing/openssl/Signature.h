#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "signing/openssl/Handles.h"

// SHA-256 signatures in Base64 and the certificate number they carry.
namespace torva::ossl {

// The Base64 signature of the bytes, or nothing when the key cannot sign.
std::optional<std::string> signSha256(EVP_PKEY* key, std::string_view bytes);
// The same over pieces taken one after the other.
std::optional<std::string> signSha256(EVP_PKEY* key, std::span<const std::string_view> pieces);

// True when the Base64 signature of the bytes verifies with the public key.
bool verifySha256(EVP_PKEY* publicKey, std::string_view bytes, std::string_view base64);

// A SHA-256 digest taken over bytes given in pieces.
using Digest = std::array<unsigned char, 32>;
class Sha256 {
  public:
    Sha256();
    // False when OpenSSL could not start or take the bytes.
    bool update(std::string_view bytes);
    std::optional<Digest> final();

  private:
    MdCtx ctx_;
    bool ok_ = false;
};

// The same signature as signSha256 and its check, from the digest of the bytes.
std::optional<std::string> signDigest(EVP_PKEY* key, const Digest& digest);
bool verifyDigest(EVP_PKEY* publicKey, const Digest& digest, std::string_view base64);

// The certificate's serial number in upper-case hexadecimal.
std::string serialHex(X509* cert);
// The certificate's subject, one line, UTF-8.
std::string subjectText(X509* cert);

std::string toBase64(std::string_view bytes);
std::optional<std::string> fromBase64(std::string_view text);

}  // namespace torva::ossl
