#include "signing/openssl/Credentials.h"

#include <openssl/pem.h>
#include <openssl/pkcs12.h>

#include "platform/FileSystem.h"
#include "signing/SigningCodes.h"

namespace torva::ossl {
namespace {

bool looksLikePem(const std::string& bytes) {
    return bytes.find("-----BEGIN ") != std::string::npos;
}

Bio memoryBio(const std::string& bytes) {
    return Bio(BIO_new_mem_buf(bytes.data(), static_cast<int>(bytes.size())));
}

// The DER body of a PEM block named "ENCRYPTED PRIVATE KEY" or "PRIVATE KEY".
bool pemPkcs8Body(const std::string& pem, std::string& der) {
    Bio bio = memoryBio(pem);
    char* name = nullptr;
    char* header = nullptr;
    unsigned char* data = nullptr;
    long length = 0;
    if (!bio || PEM_read_bio(bio.get(), &name, &header, &data, &length) != 1) {
        return false;
    }
    const std::string blockName = name;
    der.assign(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
    OPENSSL_free(name);
    OPENSSL_free(header);
    OPENSSL_free(data);
    return blockName == "ENCRYPTED PRIVATE KEY" || blockName == "PRIVATE KEY";
}

}  // namespace

LoadedKey loadPrivateKey(const std::string& path, const std::string& passPhrase) {
    std::string bytes;
    if (!isRegularFile(path) || readFileBytes(path, bytes)) {
        return {firma::kKeyNoEncontrado, nullptr};
    }
    std::string der = bytes;
    if (looksLikePem(bytes) && !pemPkcs8Body(bytes, der)) {
        return {firma::kKeyCorrompido, nullptr};
    }
    const auto* begin = reinterpret_cast<const unsigned char*>(der.data());
    const auto length = static_cast<long>(der.size());

    const unsigned char* p = begin;
    P8 info;
    if (Sig encrypted(d2i_X509_SIG(nullptr, &p, length)); encrypted) {
        info.reset(
            PKCS8_decrypt(encrypted.get(), passPhrase.data(), static_cast<int>(passPhrase.size())));
        if (!info) {
            return {firma::kContrasenaIncorrecta, nullptr};
        }
    } else {
        p = begin;
        info.reset(d2i_PKCS8_PRIV_KEY_INFO(nullptr, &p, length));
    }
    PKey key(info ? EVP_PKCS82PKEY(info.get()) : nullptr);
    if (!key) {
        return {firma::kKeyCorrompido, nullptr};
    }
    return {firma::kOk, std::move(key)};
}

Cert readCertificate(const std::string& path) {
    std::string bytes;
    if (!isRegularFile(path) || readFileBytes(path, bytes)) {
        return nullptr;
    }
    Bio bio = memoryBio(bytes);
    if (!bio) {
        return nullptr;
    }
    if (looksLikePem(bytes)) {
        return Cert(PEM_read_bio_X509(bio.get(), nullptr, nullptr, nullptr));
    }
    return Cert(d2i_X509_bio(bio.get(), nullptr));
}

LoadedCert loadCertificate(const std::string& path) {
    Cert cert = readCertificate(path);
    if (!cert) {
        return {firma::kCertificadoIlegible, nullptr};
    }
    // 0 means the time could not be compared, which is no validity either.
    if (X509_cmp_current_time(X509_get0_notAfter(cert.get())) <= 0 ||
        X509_cmp_current_time(X509_get0_notBefore(cert.get())) >= 0) {
        return {firma::kCertificadoVencido, nullptr};
    }
    return {firma::kOk, std::move(cert)};
}

bool keyMatchesCertificate(EVP_PKEY* key, X509* cert) {
    const EVP_PKEY* pub = X509_get0_pubkey(cert);
    return pub && EVP_PKEY_eq(pub, key) == 1;
}

}  // namespace torva::ossl
