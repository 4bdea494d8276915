#include "signing/openssl/Signature.h"

#include <openssl/bn.h>
#include <openssl/crypto.h>

#include <vector>

namespace torva::ossl {

std::string toBase64(std::string_view bytes) {
    std::string out(4 * ((bytes.size() + 2) / 3) + 1, '\0');
    const int n = EVP_EncodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                                  reinterpret_cast<const unsigned char*>(bytes.data()),
                                  static_cast<int>(bytes.size()));
    out.resize(static_cast<std::size_t>(n));
    return out;
}

std::optional<std::string> fromBase64(std::string_view text) {
    if (text.empty() || text.size() % 4 != 0) {
        return std::nullopt;
    }
    std::string out(text.size() / 4 * 3, '\0');
    const int n = EVP_DecodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                                  reinterpret_cast<const unsigned char*>(text.data()),
                                  static_cast<int>(text.size()));
    if (n < 0) {
        return std::nullopt;
    }
    // EVP_DecodeBlock counts the padding as data.
    std::size_t size = static_cast<std::size_t>(n);
    for (std::size_t i = text.size(); i > 0 && text[i - 1] == '=' && size > 0; --i) {
        --size;
    }
    out.resize(size);
    return out;
}

std::optional<std::string> signSha256(EVP_PKEY* key, std::string_view bytes) {
    return signSha256(key, std::span<const std::string_view>(&bytes, 1));
}

std::optional<std::string> signSha256(EVP_PKEY* key, std::span<const std::string_view> pieces) {
    MdCtx ctx(EVP_MD_CTX_new());
    if (!ctx || EVP_DigestSignInit(ctx.get(), nullptr, EVP_sha256(), nullptr, key) != 1) {
        return std::nullopt;
    }
    for (const std::string_view bytes : pieces) {
        if (EVP_DigestSignUpdate(ctx.get(), bytes.data(), bytes.size()) != 1) {
            return std::nullopt;
        }
    }
    std::size_t length = 0;
    if (EVP_DigestSignFinal(ctx.get(), nullptr, &length) != 1) {
        return std::nullopt;
    }
    std::string signature(length, '\0');
    if (EVP_DigestSignFinal(ctx.get(), reinterpret_cast<unsigned char*>(signature.data()),
                            &length) != 1) {
        return std::nullopt;
    }
    signature.resize(length);
    return toBase64(signature);
}

Sha256::Sha256() : ctx_(EVP_MD_CTX_new()) {
    ok_ = ctx_ && EVP_DigestInit_ex(ctx_.get(), EVP_sha256(), nullptr) == 1;
}

bool Sha256::update(std::string_view bytes) {
    ok_ = ok_ && EVP_DigestUpdate(ctx_.get(), bytes.data(), bytes.size()) == 1;
    return ok_;
}

std::optional<Digest> Sha256::final() {
    Digest digest{};
    unsigned int length = 0;
    if (!ok_ || EVP_DigestFinal_ex(ctx_.get(), digest.data(), &length) != 1 ||
        length != digest.size()) {
        return std::nullopt;
    }
    ok_ = false;
    return digest;
}

namespace {

// A context to sign or verify a SHA-256 digest with the key: RSA keys get
// PKCS#1 v1.5, as EVP_DigestSign gives them.
using PKeyCtx = std::unique_ptr<EVP_PKEY_CTX, Deleter<EVP_PKEY_CTX, EVP_PKEY_CTX_free>>;
PKeyCtx digestContext(EVP_PKEY* key, int (*init)(EVP_PKEY_CTX*)) {
    PKeyCtx ctx(EVP_PKEY_CTX_new(key, nullptr));
    if (!ctx || init(ctx.get()) != 1 ||
        EVP_PKEY_CTX_set_signature_md(ctx.get(), EVP_sha256()) != 1) {
        return nullptr;
    }
    return ctx;
}

}  // namespace

std::optional<std::string> signDigest(EVP_PKEY* key, const Digest& digest) {
    const PKeyCtx ctx = digestContext(key, EVP_PKEY_sign_init);
    std::size_t length = 0;
    if (!ctx || EVP_PKEY_sign(ctx.get(), nullptr, &length, digest.data(), digest.size()) != 1) {
        return std::nullopt;
    }
    std::string signature(length, '\0');
    if (EVP_PKEY_sign(ctx.get(), reinterpret_cast<unsigned char*>(signature.data()), &length,
                      digest.data(), digest.size()) != 1) {
        return std::nullopt;
    }
    signature.resize(length);
    return toBase64(signature);
}

bool verifyDigest(EVP_PKEY* publicKey, const Digest& digest, std::string_view base64) {
    const auto signature = fromBase64(base64);
    const PKeyCtx ctx = digestContext(publicKey, EVP_PKEY_verify_init);
    return signature && ctx &&
           EVP_PKEY_verify(ctx.get(), reinterpret_cast<const unsigned char*>(signature->data()),
                           signature->size(), digest.data(), digest.size()) == 1;
}

bool verifySha256(EVP_PKEY* publicKey, std::string_view bytes, std::string_view base64) {
    const auto signature = fromBase64(base64);
    MdCtx ctx(EVP_MD_CTX_new());
    if (!signature || !ctx ||
        EVP_DigestVerifyInit(ctx.get(), nullptr, EVP_sha256(), nullptr, publicKey) != 1 ||
        EVP_DigestVerifyUpdate(ctx.get(), bytes.data(), bytes.size()) != 1) {
        return false;
    }
    return EVP_DigestVerifyFinal(ctx.get(),
                                 reinterpret_cast<const unsigned char*>(signature->data()),
                                 signature->size()) == 1;
}

std::string serialHex(X509* cert) {
    BIGNUM* bn = ASN1_INTEGER_to_BN(X509_get0_serialNumber(cert), nullptr);
    if (!bn) {
        return {};
    }
    char* hex = BN_bn2hex(bn);
    std::string out = hex ? hex : "";
    OPENSSL_free(hex);
    BN_free(bn);
    return out;
}

std::string subjectText(X509* cert) {
    Bio bio(BIO_new(BIO_s_mem()));
    if (!bio || X509_NAME_print_ex(
                    bio.get(), X509_get_subject_name(cert), 0,
                    XN_FLAG_RFC2253 & ~static_cast<unsigned long>(ASN1_STRFLGS_ESC_MSB)) < 0) {
        return {};
    }
    char* data = nullptr;
    const long n = BIO_get_mem_data(bio.get(), &data);
    return n > 0 ? std::string(data, static_cast<std::size_t>(n)) : std::string();
}

}  // namespace torva::ossl
