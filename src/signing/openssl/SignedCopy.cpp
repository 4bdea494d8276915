#include "signing/openssl/SignedCopy.h"

#include <algorithm>
#include <optional>

#include "platform/FileSystem.h"
#include "signing/openssl/CopiaAnticipada.h"
#include "signing/openssl/Signature.h"
#include "signing/RecordStream.h"
#include "signing/SignedFile.h"

namespace torva::ossl {
namespace {

// Longer certificate numbers or signatures belong to no key there is.
constexpr std::size_t kMaxCampoFea = 64 * 1024;

// Checks the closing records that end the file against the digest of the
// content before them.
class VerificaFirmas {
  public:
    explicit VerificaFirmas(const std::vector<Credencial>& credenciales) {
        for (const Credencial& c : credenciales) {
            firmantes_.push_back({serialHex(c.cert.get()), X509_get0_pubkey(c.cert.get())});
        }
    }

    void record(std::uint64_t /*offset*/) {
        campos_ = 0;
        esFea_ = false;
        ultimoVacio_ = false;
        excedido_ = false;
        certificado_.clear();
        firma_.clear();
    }

    void field(std::string_view kept, std::size_t length) {
        if (length != kept.size() || length > kMaxCampoFea) {
            excedido_ = true;
        }
        if (campos_ == 0) {
            esFea_ = kept == kTipoRegistroFea && length == kept.size();
        } else if (campos_ == 2) {
            certificado_.assign(kept);
        } else if (campos_ == 3) {
            firma_.assign(kept);
        }
        ultimoVacio_ = length == 0;
        ++campos_;
    }

    void recordEnd() {
        ++registros_;
        todas_ = todas_ && esFea_ && campos_ == 5 && ultimoVacio_ && !excedido_ && verifica();
    }

    void lineBreak(char /*c*/) {}

    std::optional<Digest> digest;

    bool todasVerifican(std::size_t esperadas) const { return todas_ && registros_ == esperadas; }

  private:
    struct Firmante {
        std::string serial;
        EVP_PKEY* publicKey;
    };

    bool verifica() const {
        return digest && std::any_of(firmantes_.begin(), firmantes_.end(), [&](const Firmante& f) {
                   return f.serial == certificado_ && f.publicKey &&
                          verifyDigest(f.publicKey, *digest, firma_);
               });
    }

    std::vector<Firmante> firmantes_;
    std::size_t campos_ = 0;
    bool esFea_ = false;
    bool ultimoVacio_ = false;
    bool excedido_ = false;
    std::string certificado_;
    std::string firma_;
    std::size_t registros_ = 0;
    bool todas_ = true;
};

// CR LF after a last line without its end (finDeLinea).
std::string_view finDeContenido(const EscaneoArchivo& escaneo) {
    return escaneo.size == 0 || escaneo.terminaEnSalto ? std::string_view() : "\r\n";
}

// The closing records after the copy's content; the copy then replaces the file.
FirmaCode cierraYReemplaza(TemporaryFileWriter& copia, const std::string& path,
                           const Digest& digest, const std::vector<Credencial>& credenciales) {
    std::string cierre;
    for (const Credencial& c : credenciales) {
        const auto signature = signDigest(c.key.get(), digest);
        if (!signature) {
            return firma::kSinDescripcion;
        }
        cierre += lineaFea({c.curp, serialHex(c.cert.get()), *signature});
    }
    if (copia.write(cierre) || copia.finish()) {
        return firma::kSinArchivoTemporal;
    }
    if (replaceWithTemporary(copia.temporary(), path)) {
        return firma::kNoSeRenombro;
    }
    return firma::kOk;
}

}  // namespace

FirmaCode escribeFirmado(const std::string& path, const EscaneoArchivo& escaneo,
                         const std::vector<Credencial>& credenciales) {
    TemporaryFileWriter copia(path);
    if (copia.error()) {
        return firma::kSinArchivoTemporal;
    }
    ResumenAparte sha;
    VerificaFirmas finales(credenciales);
    RecordStream<VerificaFirmas> cola(finales, kMaxCampoFea);
    std::uint64_t leidos = 0;
    std::optional<FirmaCode> fallo;
    std::vector<char> buffer(kPiezaLectura);
    const std::error_code lectura = readFileInPieces(path, buffer, [&](std::string_view piece) {
        const std::uint64_t restante =
            leidos < escaneo.inicioFirmas ? escaneo.inicioFirmas - leidos : std::uint64_t{0};
        const std::string_view contenido = piece.substr(
            0, static_cast<std::size_t>(std::min<std::uint64_t>(piece.size(), restante)));
        const std::string_view firmas = piece.substr(contenido.size());
        leidos += piece.size();
        if (!contenido.empty() && !sha.update(contenido)) {
            fallo = firma::kSinDescripcion;
        } else if (copia.write(contenido)) {
            fallo = firma::kSinArchivoTemporal;
        } else if (!firmas.empty()) {
            if (!finales.digest) {
                finales.digest = sha.final();
            }
            cola.read(firmas);
        }
        return !fallo;
    });
    if (fallo) {
        return *fallo;
    }
    // A size other than the scan's: the file changed after it was scanned.
    if (lectura || leidos != escaneo.size) {
        return firma::kArchivoNoLegible;
    }

    std::optional<Digest> digest;
    if (escaneo.firmasFinales > 0) {
        cola.finish();
        if (!finales.todasVerifican(escaneo.firmasFinales)) {
            return firma::kRegistroFeaAjeno;
        }
        digest = finales.digest;
    } else {
        const std::string_view fin = finDeContenido(escaneo);
        if (!sha.update(fin)) {
            return firma::kSinDescripcion;
        }
        if (copia.write(fin)) {
            return firma::kSinArchivoTemporal;
        }
        digest = sha.final();
    }
    if (!digest) {
        return firma::kSinDescripcion;
    }
    return cierraYReemplaza(copia, path, *digest, credenciales);
}

FirmaCode escribeFirmado(CopiaAnticipada& anticipada, const std::string& path,
                         const EscaneoArchivo& escaneo,
                         const std::vector<Credencial>& credenciales) {
    const std::optional<Digest> digest = anticipada.termina(finDeContenido(escaneo));
    if (!digest) {
        return firma::kSinArchivoTemporal;
    }
    return cierraYReemplaza(anticipada.copia(), path, *digest, credenciales);
}

}  // namespace torva::ossl
