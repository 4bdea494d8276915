// Signing a validation file through FirmaArchivo and the OpenSSL library.
// Property: every file the library reports as signed verifies against the
// certificate (serial number, CURP named in the content, signature).
#include <openssl/pem.h>
#include <openssl/rsa.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "signing/FirmaArchivo.h"
#include "signing/openssl/Handles.h"
#include "signing/openssl/OpenSslSigningLibrary.h"
#include "signing/openssl/SignedFileCheck.h"
#include "signing/SigningCodes.h"

namespace torva {
namespace {

void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "cannot make the signer's key and certificate: %s\n", what);
        std::abort();
    }
}

// The broker's key (PKCS#8 DER, encrypted with the pass phrase) and a
// self-signed certificate valid from yesterday for a year, made once.
struct Signer {
    std::string key = fuzz::scratchFile("agente.key");
    std::string cer = fuzz::scratchFile("agente.cer");
    std::string passPhrase = "clave";

    Signer() {
        // 1024 bits keep each signature fast; the key size plays no part here.
        const ossl::PKey pkey(EVP_RSA_gen(1024));
        check(pkey != nullptr, "EVP_RSA_gen");
        ossl::Cert cert(X509_new());
        check(cert != nullptr, "X509_new");
        X509_set_version(cert.get(), 2);
        ASN1_INTEGER_set(X509_get_serialNumber(cert.get()), 0x3030);
        X509_gmtime_adj(X509_getm_notBefore(cert.get()), -86400L);
        X509_gmtime_adj(X509_getm_notAfter(cert.get()), 365 * 86400L);
        X509_set_pubkey(cert.get(), pkey.get());
        X509_NAME* name = X509_get_subject_name(cert.get());
        X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                                   reinterpret_cast<const unsigned char*>("AGENTE DE PRUEBA"), -1,
                                   -1, 0);
        X509_set_issuer_name(cert.get(), name);
        check(X509_sign(cert.get(), pkey.get(), EVP_sha256()) > 0, "X509_sign");

        const ossl::Bio keyOut(BIO_new_file(key.c_str(), "wb"));
        check(keyOut && i2d_PKCS8PrivateKey_bio(
                            keyOut.get(), pkey.get(), EVP_aes_128_cbc(), passPhrase.c_str(),
                            static_cast<int>(passPhrase.size()), nullptr, nullptr) == 1,
              "write the key");
        const ossl::Bio cerOut(BIO_new_file(cer.c_str(), "wb"));
        check(cerOut && i2d_X509_bio(cerOut.get(), cert.get()) == 1, "write the certificate");
    }
};

}  // namespace
}  // namespace torva

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace torva;
    static const Signer signer;
    std::string path = fuzz::scratchFile("m1234001.123");
    fuzz::writeFile(path, fuzz::asBytes(data, size));

    ConfigRecord config;
    config.set(slot::kKeyFile, signer.key);
    config.set(slot::kCertFile, signer.cer);
    config.set(slot::kKeyPassword, signer.passPhrase);
    OpenSslSigningLibrary library;
    fuzz::SilentDialogs dialogs;
    std::uint8_t tipo = firma::kTipoPedimento;
    if (FirmaArchivo(path, tipo, config, library, dialogs) != firma::kFirmado) {
        return 0;
    }
    const ResultadoVerificacion result = verificaArchivoFirmado(path, signer.cer);
    std::string lines;
    for (const std::string& line : result.lines) {
        lines += "\n  " + line;
    }
    fuzz::require(result.code == verifica::kValida,
                  "a file reported as signed verifies; torva-verify says:" + lines);
    return 0;
}
