#include "signing/WholeFileSigning.h"

#include <array>

#include "signing/openssl/Signature.h"
#include "signing/RegistroFirma.h"
#include "signing/SignedFile.h"

namespace torva::test {

FirmaEnMemoria firmaEnMemoria(std::string_view bytes, EVP_PKEY* key, X509* cert) {
    const FirmaEnMemoria refused{firma::kOk, std::string(bytes)};
    const auto refuse = [&](FirmaCode code) { return FirmaEnMemoria{code, refused.bytes}; };
    const auto curps = buscaCurps(bytes, kRegistrosFirma);
    if (curps.empty()) {
        return refuse(firma::kSinFirmantes);
    }
    const std::string serial = ossl::serialHex(cert);
    // Closing records that all verify are replaced; else they are content.
    std::string_view contenido = bytes;
    const FirmasFinales finales = buscaFirmasFinales(bytes);
    if (!finales.firmas.empty()) {
        bool all = true;
        for (const RegistroFea& f : finales.firmas) {
            all = all && f.certificado == serial &&
                  ossl::verifySha256(X509_get0_pubkey(cert), bytes.substr(0, finales.inicio),
                                     f.firma);
        }
        if (all) {
            contenido = bytes.substr(0, finales.inicio);
        }
    }
    if (cuentaRegistros(contenido, "201") > 1) {
        return refuse(firma::kVariosRegistros201);
    }
    if (terminaEnRegistroFea(contenido)) {
        return refuse(firma::kRegistroFeaAjeno);
    }
    const std::array<std::string_view, 2> firmado{contenido, finDeLinea(contenido)};
    FirmaEnMemoria out{firma::kOk, std::string(firmado[0]) + std::string(firmado[1])};
    for (const std::string& curp : curps) {
        out.bytes += lineaFea({curp, serial, ossl::signSha256(key, firmado).value_or("")});
    }
    return out;
}

}  // namespace torva::test
