#include "signing/openssl/OpenSslSigningLibrary.h"

#include <vector>

#include "signing/openssl/CopiaAnticipada.h"
#include "signing/openssl/Credentials.h"
#include "signing/openssl/SignedCopy.h"
#include "signing/SigningCodes.h"

namespace torva {
namespace {

struct Firmante {
    std::string curp;
    std::string key;
    std::string cer;
    std::string password;
};

// The signers of the records, each with complete key data: code 2 when a
// signer has no KEY path (the record was not completed), 16 when a text was
// cut to its field's length (no file or pass phrase is to blame then).
FirmaCode leeFirmantes(const RegistrosFirma& registros, std::vector<Firmante>& firmantes) {
    for (const RegistroFirma& r : registros) {
        if (!tieneCurp(r)) {
            continue;
        }
        const auto curp = leeCampo(r, CampoFirma::Curp);
        const auto key = leeCampo(r, CampoFirma::ArchivoKey);
        const auto cer = leeCampo(r, CampoFirma::ArchivoCer);
        const auto password = leeCampo(r, CampoFirma::Contrasena);
        if (!key || !cer || !password) {
            return firma::kDatosCortados;
        }
        if (key->empty()) {
            return firma::kKeyNoEncontrado;
        }
        firmantes.push_back({curp.value_or(""), *key, *cer, *password});
    }
    return firma::kOk;
}

FirmaCode cargaCredencial(const Firmante& f, ossl::Credencial& out) {
    ossl::LoadedKey key = ossl::loadPrivateKey(f.key, f.password);
    if (key.code != firma::kOk) {
        return key.code;
    }
    ossl::LoadedCert cert = ossl::loadCertificate(f.cer);
    if (cert.code != firma::kOk) {
        return cert.code;
    }
    if (!ossl::keyMatchesCertificate(key.key.get(), cert.cert.get())) {
        return firma::kKeyNoCorresponde;
    }
    out = {f.curp, std::move(key.key), std::move(cert.cert)};
    return firma::kOk;
}

}  // namespace

bool tipoDocumentoValido(std::uint8_t tipo) {
    return tipo == firma::kTipoPedimento || tipo == firma::kTipoC || tipo == firma::kTipoT ||
           tipo == firma::kTipoEA || tipo == firma::kTipoEB;
}

OpenSslSigningLibrary::OpenSslSigningLibrary() = default;
OpenSslSigningLibrary::~OpenSslSigningLibrary() = default;

bool OpenSslSigningLibrary::vigente(const Leido& leido, const std::string& path) {
    return leido.path == path && leido.time && fileSize(path) == leido.escaneo.size &&
           leido.time == modificationTime(path);
}

FirmaCode OpenSslSigningLibrary::BuscaCurpsG(std::string& path, std::uint8_t /*tipo*/,
                                             RegistrosFirma& registros) {
    leido_ = {};
    if (!isRegularFile(path)) {
        return firma::kBuscaArchivoNoEncontrado;
    }
    path = resolvePath(path);
    Leido leido{path, modificationTime(path), {}, std::make_unique<ossl::CopiaAnticipada>(path)};
    // The whole file: closing records made here name only CURPs of the
    // content, and a CURP in a line that merely looks like one is content.
    EscaneaArchivo escaneo(kRegistrosFirma);
    if (leido.anticipada->leeArchivo(path, [&](std::string_view piece) { escaneo.lee(piece); })) {
        return firma::kBuscaArchivoNoLegible;
    }
    leido.escaneo = escaneo.termina();
    if (leido.escaneo.firmasFinales > 0) {
        leido.anticipada.reset();  // its closing records are checked on a reading of their own
    }
    const auto& curps = leido.escaneo.curps;
    for (std::size_t i = 0; i < curps.size(); ++i) {
        escribeCampo(registros[i], CampoFirma::Curp, curps[i] + '\0');
    }
    leido_ = std::move(leido);
    return firma::kOk;
}

FirmaCode OpenSslSigningLibrary::GeneraFirmaDigitalG(std::string& path, std::uint8_t tipo,
                                                     RegistrosFirma& registros) {
    // What the search found is used by this call or not at all.
    Leido leido = std::move(leido_);
    leido_ = {};
    if (!tipoDocumentoValido(tipo)) {
        return firma::kTipoNoValido;
    }
    if (!isRegularFile(path)) {
        return firma::kArchivoMovido;
    }
    path = resolvePath(path);

    std::vector<Firmante> firmantes;
    if (const FirmaCode r = leeFirmantes(registros, firmantes); r != firma::kOk) {
        return r;
    }
    if (firmantes.empty()) {
        return firma::kSinFirmantes;
    }
    std::vector<ossl::Credencial> credenciales(firmantes.size());
    for (std::size_t i = 0; i < firmantes.size(); ++i) {
        if (const FirmaCode r = cargaCredencial(firmantes[i], credenciales[i]); r != firma::kOk) {
            return r;
        }
    }
    EscaneoArchivo escaneo;
    std::unique_ptr<ossl::CopiaAnticipada> anticipada;
    if (vigente(leido, path)) {
        escaneo = std::move(leido.escaneo);
        anticipada = std::move(leido.anticipada);
    } else {
        leido = {};  // its copy goes before another is made
        if (escaneaArchivo(path, kRegistrosFirma, escaneo)) {
            return firma::kArchivoNoLegible;
        }
    }
    if (escaneo.registros201 > 1) {
        return firma::kVariosRegistros201;
    }
    if (escaneo.terminaEnFeaSinFin) {
        return firma::kRegistroFeaAjeno;
    }
    if (anticipada && escaneo.firmasFinales == 0) {
        return ossl::escribeFirmado(*anticipada, path, escaneo, credenciales);
    }
    anticipada.reset();
    return ossl::escribeFirmado(path, escaneo, credenciales);
}

}  // namespace torva
