#include "signing/openssl/OpenSslSigningLibrary.h"

#include <vector>

#include "platform/FileSystem.h"
#include "signing/openssl/Credentials.h"
#include "signing/openssl/Signature.h"
#include "signing/SignedFile.h"
#include "signing/SigningCodes.h"

namespace torva {
namespace {

struct Firmante {
    std::string curp;
    std::string key;
    std::string cer;
    std::string password;
};

// The signers of the records, each with complete key data; code 2 when a
// signer has no KEY path (the record was not completed, or its text was cut).
FirmaCode leeFirmantes(const RegistrosFirma& registros, std::vector<Firmante>& firmantes) {
    for (const RegistroFirma& r : registros) {
        if (!tieneCurp(r)) {
            continue;
        }
        const auto curp = leeCampo(r, CampoFirma::Curp);
        const auto key = leeCampo(r, CampoFirma::ArchivoKey);
        const auto cer = leeCampo(r, CampoFirma::ArchivoCer);
        const auto password = leeCampo(r, CampoFirma::Contrasena);
        if (!key || key->empty()) {
            return firma::kKeyNoEncontrado;
        }
        if (!cer) {
            return firma::kCertificadoIlegible;
        }
        if (!password) {
            return firma::kContrasenaIncorrecta;
        }
        firmantes.push_back({curp.value_or(""), *key, *cer, *password});
    }
    return firma::kOk;
}

// The closing record of one signer, or the code that refuses it.
FirmaCode firmaDe(const Firmante& f, const std::string& contenido, RegistroFea& registro) {
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
    const auto signature = ossl::signSha256(key.key.get(), contenido);
    if (!signature) {
        return firma::kSinDescripcion;
    }
    registro = {f.curp, ossl::serialHex(cert.cert.get()), *signature};
    return firma::kOk;
}

// Writes the signed bytes beside the file and renames them over it.
FirmaCode reemplaza(const std::string& path, const std::string& bytes) {
    std::string temp;
    if (writeTemporaryFile(path, bytes, temp)) {
        return firma::kSinArchivoTemporal;
    }
    if (replaceWithTemporary(temp, path)) {
        return firma::kNoSeRenombro;
    }
    return firma::kOk;
}

}  // namespace

bool tipoDocumentoValido(std::uint8_t tipo) {
    return tipo == firma::kTipoPedimento || tipo == firma::kTipoC || tipo == firma::kTipoT ||
           tipo == firma::kTipoEA || tipo == firma::kTipoEB;
}

FirmaCode OpenSslSigningLibrary::BuscaCurpsG(std::string& path, std::uint8_t /*tipo*/,
                                             RegistrosFirma& registros) {
    if (!isRegularFile(path)) {
        return firma::kBuscaArchivoNoEncontrado;
    }
    path = resolvePath(path);
    std::string bytes;
    if (readFileBytes(path, bytes)) {
        return firma::kBuscaArchivoNoLegible;
    }
    const auto curps = buscaCurps(separaFirmas(bytes).contenido, kRegistrosFirma);
    for (std::size_t i = 0; i < curps.size(); ++i) {
        escribeCampo(registros[i], CampoFirma::Curp, curps[i] + '\0');
    }
    return firma::kOk;
}

FirmaCode OpenSslSigningLibrary::GeneraFirmaDigitalG(std::string& path, std::uint8_t tipo,
                                                     RegistrosFirma& registros) {
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
    std::string bytes;
    if (readFileBytes(path, bytes)) {
        return firma::kArchivoNoLegible;
    }
    std::string signedBytes = contenidoAFirmar(bytes);
    if (cuentaRegistros(signedBytes, "201") > 1) {
        return firma::kVariosRegistros201;
    }
    const std::string contenido = signedBytes;
    for (const Firmante& f : firmantes) {
        RegistroFea registro;
        if (const FirmaCode r = firmaDe(f, contenido, registro); r != firma::kOk) {
            return r;
        }
        signedBytes += lineaFea(registro);
    }
    return reemplaza(path, signedBytes);
}

}  // namespace torva
