#include "signing/openssl/OpenSslSigningLibrary.h"

#include <array>
#include <filesystem>
#include <vector>

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

// A signer's key and certificate, checked to belong together.
struct Credencial {
    std::string curp;
    ossl::PKey key;
    ossl::Cert cert;
};

FirmaCode cargaCredencial(const Firmante& f, Credencial& out) {
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

// The content of a file signed before: the bytes before its closing records
// when every one of them verifies with a signer's certificate (a signature
// this library made, which signing again replaces); otherwise the whole file.
std::string_view contenidoPropio(std::string_view bytes,
                                 const std::vector<Credencial>& credenciales) {
    const FirmasFinales finales = buscaFirmasFinales(bytes);
    if (finales.firmas.empty()) {
        return bytes;
    }
    const std::string_view contenido = bytes.substr(0, finales.inicio);
    for (const RegistroFea& f : finales.firmas) {
        bool verifica = false;
        for (const Credencial& c : credenciales) {
            if (f.certificado == ossl::serialHex(c.cert.get()) &&
                ossl::verifySha256(X509_get0_pubkey(c.cert.get()), contenido, f.firma)) {
                verifica = true;
                break;
            }
        }
        if (!verifica) {
            return bytes;
        }
    }
    return contenido;
}

}  // namespace

bool tipoDocumentoValido(std::uint8_t tipo) {
    return tipo == firma::kTipoPedimento || tipo == firma::kTipoC || tipo == firma::kTipoT ||
           tipo == firma::kTipoEA || tipo == firma::kTipoEB;
}

std::error_code OpenSslSigningLibrary::leeArchivo(Leido leido, const std::string& path,
                                                  std::string& bytes) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(toFsPath(path), ec);
    if (!ec && leido.path == path && leido.size == size && leido.time &&
        leido.time == modificationTime(path)) {
        bytes = std::move(leido.bytes);
        return {};
    }
    return readFileBytes(path, bytes);
}

FirmaCode OpenSslSigningLibrary::BuscaCurpsG(std::string& path, std::uint8_t /*tipo*/,
                                             RegistrosFirma& registros) {
    leido_ = {};
    if (!isRegularFile(path)) {
        return firma::kBuscaArchivoNoEncontrado;
    }
    path = resolvePath(path);
    Leido leido{path, 0, modificationTime(path), {}};
    if (readFileBytes(path, leido.bytes)) {
        return firma::kBuscaArchivoNoLegible;
    }
    leido.size = leido.bytes.size();
    // The whole file: closing records made here name only CURPs of the
    // content, and a CURP in a line that merely looks like one is content.
    const auto curps = buscaCurps(leido.bytes, kRegistrosFirma);
    for (std::size_t i = 0; i < curps.size(); ++i) {
        escribeCampo(registros[i], CampoFirma::Curp, curps[i] + '\0');
    }
    leido_ = std::move(leido);
    return firma::kOk;
}

FirmaCode OpenSslSigningLibrary::GeneraFirmaDigitalG(std::string& path, std::uint8_t tipo,
                                                     RegistrosFirma& registros) {
    // What the search read is used by this call or not at all.
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
    std::vector<Credencial> credenciales(firmantes.size());
    for (std::size_t i = 0; i < firmantes.size(); ++i) {
        if (const FirmaCode r = cargaCredencial(firmantes[i], credenciales[i]); r != firma::kOk) {
            return r;
        }
    }
    std::string bytes;
    if (leeArchivo(std::move(leido), path, bytes)) {
        return firma::kArchivoNoLegible;
    }
    const std::string_view contenido = contenidoPropio(bytes, credenciales);
    if (cuentaRegistros(contenido, "201") > 1) {
        return firma::kVariosRegistros201;
    }
    if (terminaEnRegistroFea(contenido)) {
        return firma::kRegistroFeaAjeno;
    }
    const std::array<std::string_view, 2> firmado{contenido, finDeLinea(contenido)};
    std::string cierre;
    for (const Credencial& c : credenciales) {
        const auto signature = ossl::signSha256(c.key.get(), firmado);
        if (!signature) {
            return firma::kSinDescripcion;
        }
        cierre += lineaFea({c.curp, ossl::serialHex(c.cert.get()), *signature});
    }
    const std::array<std::string_view, 3> archivo{firmado[0], firmado[1], cierre};
    std::string temp;
    if (writeTemporaryFile(path, archivo, temp)) {
        return firma::kSinArchivoTemporal;
    }
    if (replaceWithTemporary(temp, path)) {
        return firma::kNoSeRenombro;
    }
    return firma::kOk;
}

}  // namespace torva
