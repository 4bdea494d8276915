#include "signing/openssl/Credentials.h"

#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/pkcs12.h>

#include <vector>

#include "platform/Ansi.h"
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

// The pass phrase as typed (UTF-8), then as the Windows-1252 bytes a Windows
// tool would have used, when that form exists and differs.
std::vector<std::string> passPhraseForms(const std::string& utf8) {
    std::vector<std::string> forms{utf8};
    const std::string ansi = utf8ToAnsi(utf8);
    if (ansi != utf8 && ansiToUtf8(ansi) == utf8) {
        forms.push_back(ansi);
    }
    return forms;
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
        for (const std::string& form : passPhraseForms(passPhrase)) {
            info.reset(PKCS8_decrypt(encrypted.get(), form.data(), static_cast<int>(form.size())));
            if (info) {
                break;
            }
        }
        ERR_clear_error();
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
