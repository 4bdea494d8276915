#include "signing/Pki.h"

#include <openssl/pem.h>
#include <openssl/rsa.h>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <stdexcept>

#include "platform/FileSystem.h"
#include "support/TempDir.h"

namespace torva::test {
namespace {

void check(bool ok, const char* what) {
    if (!ok) {
        throw std::runtime_error(what);
    }
}

std::string bioBytes(BIO* bio) {
    char* data = nullptr;
    const long n = BIO_get_mem_data(bio, &data);
    return std::string(data, static_cast<std::size_t>(n));
}

}  // namespace

ossl::PKey makeRsaKey() {
    ossl::PKey key(EVP_RSA_gen(2048));
    check(key != nullptr, "EVP_RSA_gen");
    return key;
}

void writeKey(EVP_PKEY* key, const std::string& path, const std::string& pass, KeyForm form) {
    ossl::Bio bio(BIO_new(BIO_s_mem()));
    int ok = 0;
    switch (form) {
        case KeyForm::EncryptedDer:
            ok = i2d_PKCS8PrivateKey_bio(bio.get(), key, EVP_aes_256_cbc(), pass.c_str(),
                                         static_cast<int>(pass.size()), nullptr, nullptr);
            break;
        case KeyForm::EncryptedPem:
            ok = PEM_write_bio_PKCS8PrivateKey(bio.get(), key, EVP_aes_256_cbc(), pass.c_str(),
                                               static_cast<int>(pass.size()), nullptr, nullptr);
            break;
        case KeyForm::PlainDer:
            ok = i2d_PKCS8PrivateKey_bio(bio.get(), key, nullptr, nullptr, 0, nullptr, nullptr);
            break;
    }
    check(ok == 1, "write key");
    writeBytes(path, bioBytes(bio.get()));
}

ossl::Cert makeCertificate(EVP_PKEY* key, long fromDays, long toDays, long serial) {
    ossl::Cert cert(X509_new());
    check(cert != nullptr, "X509_new");
    X509_set_version(cert.get(), 2);
    ASN1_INTEGER_set(X509_get_serialNumber(cert.get()), serial);
    X509_gmtime_adj(X509_getm_notBefore(cert.get()), fromDays * 86400);
    X509_gmtime_adj(X509_getm_notAfter(cert.get()), toDays * 86400);
    X509_set_pubkey(cert.get(), key);
    X509_NAME* name = X509_get_subject_name(cert.get());
    const auto add = [&](const char* field, const char* value) {
        X509_NAME_add_entry_by_txt(name, field, MBSTRING_ASC,
                                   reinterpret_cast<const unsigned char*>(value), -1, -1, 0);
    };
    add("CN", "AGENTE ADUANAL DE PRUEBA");
    add("serialNumber", "GODE561231HDFRRN09");
    X509_set_issuer_name(cert.get(), name);
    check(X509_sign(cert.get(), key, EVP_sha256()) > 0, "X509_sign");
    return cert;
}

void writeCertificate(X509* cert, const std::string& path, CertForm form) {
    ossl::Bio bio(BIO_new(BIO_s_mem()));
    const int ok =
        form == CertForm::Der ? i2d_X509_bio(bio.get(), cert) : PEM_write_bio_X509(bio.get(), cert);
    check(ok == 1, "write certificate");
    writeBytes(path, bioBytes(bio.get()));
}

void writePublicKeyPem(X509* cert, const std::string& path) {
    ossl::Bio bio(BIO_new(BIO_s_mem()));
    check(PEM_write_bio_PUBKEY(bio.get(), X509_get0_pubkey(cert)) == 1, "write public key");
    writeBytes(path, bioBytes(bio.get()));
}

int run(const std::string& command) {
#ifdef _WIN32
    return std::system((command + " >NUL 2>&1").c_str());
#else
    const int status = std::system((command + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

}  // namespace torva::test
